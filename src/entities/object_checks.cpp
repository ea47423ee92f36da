#include "entities/object_checks.h"

#include "entities/level_completion.h"
#include "player/object_hooks.h"
#include "player/player_state.h"

#define WEAK __attribute__((weak))

WEAK void LightZoneChecks() {}
WEAK void GravityZoneChecks() {}
WEAK void CometZoneChecks() {}
WEAK void SpringChecks() {}
WEAK void ShakeZoneChecks() {}
WEAK void FanChecks() {}
WEAK void TeleportChecks() {}
WEAK void ButtonChecks() {}
WEAK void TriggerZoneChecks() {}
// Without water objects no water area overlaps the hero.
WEAK void WaterChecks() {
  InWater = 0;
  WaterEntryState = 0;
}
WEAK void SpikeChecks() {}

void PlayerObjectChecks() {
  SecretBoxCheck();
  LightZoneChecks();
  GravityZoneChecks();
  CometZoneChecks();
  SpringChecks();
  ShakeZoneChecks();
  FanChecks();
  TeleportChecks();
  ButtonChecks();
  TriggerZoneChecks();
  WaterChecks();
  SpikeChecks();
}
