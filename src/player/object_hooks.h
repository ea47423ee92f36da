// What the level's objects do to the hero during a physics sub-step. Each
// object kind provides its part; until a kind exists, its part does nothing.
#pragma once

void MovingBlockContacts();     // pushes out of moving blocks (sub-step 3)
void FallingBlockContacts();    // starts falling platforms (4)
void MenuButtonContacts();      // the menu level's buttons (5)
void BreakableBlockContacts();  // breaks at most one block (11)
// Secret box, light, gravity and comet zones, springs, shake zones, fans,
// teleports, buttons, trigger zones, water, spikes, in this order (19).
void PlayerObjectChecks();
