// The hero's checks against every kind of level object, once per physics
// sub-step, in a fixed order. Each kind provides its check; a kind not yet in
// the game has a do-nothing stand-in.
#pragma once

void LightZoneChecks();
void GravityZoneChecks();
void CometZoneChecks();
void SpringChecks();
void ShakeZoneChecks();
void FanChecks();
void TeleportChecks();
void ButtonChecks();
void TriggerZoneChecks();
void WaterChecks();  // sets or clears the in-water flag
void SpikeChecks();
