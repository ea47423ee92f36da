// What the level's objects do to the hero during a physics sub-step. The
// objects sit above the hero in the game's layers, so the physics calls them
// through this table, which the game fills at start-up (frame/game_wiring).
// A hook left empty is a wiring mistake, named by the start-up check.
#pragma once

#include <vector>

using PlayerHookFn = void (*)();

constexpr int kMaxObjectChecks = 16;

struct PlayerObjectHooks {
  PlayerHookFn movingBlockContacts = nullptr;     // pushes out of moving blocks (sub-step 3)
  PlayerHookFn fallingBlockContacts = nullptr;    // starts falling platforms (4)
  PlayerHookFn menuButtonContacts = nullptr;      // the menu level's buttons (5)
  PlayerHookFn breakableBlockContacts = nullptr;  // breaks at most one block (11)
  PlayerHookFn exitBoxCheck = nullptr;            // touching the level's exit
  // Secret box, light, gravity and comet zones, springs, shake zones, fans,
  // teleports, buttons, trigger zones, water, spikes, in this order (19).
  // Plain pointers, so the table is filled whatever order the program's
  // files start in.
  PlayerHookFn objectChecks[kMaxObjectChecks] = {};
};
extern PlayerObjectHooks PlayerHooks;

// The ordered checks of sub-step 19.
void PlayerObjectChecks();
// Names of the hooks still empty, for the start-up check.
std::vector<const char*> MissingPlayerHooks();
