// The checks the level's objects make against the hero once per physics
// sub-step, and their contacts with his probes. The physics runs them
// through its hook table (player/object_hooks.h), in the order the game
// wires them in.
#pragma once

void LightZoneChecks();
void GravityZoneChecks();
void SpringChecks();
void ShakeZoneChecks();
void FanChecks();
void TeleportChecks();
void ButtonChecks();
void TriggerZoneChecks();
void WaterChecks();  // sets or clears the in-water flag
void SpikeChecks();

void MovingBlockContacts();     // pushes the hero out of moving blocks
void FallingBlockContacts();    // starts falling platforms
void BreakableBlockContacts();  // breaks at most one block
