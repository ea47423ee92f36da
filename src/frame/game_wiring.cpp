#include "frame/game_wiring.h"

#include <iterator>

#include "enemies/comet_zone.h"
#include "entities/active_objects.h"
#include "entities/level_completion.h"
#include "entities/object_checks.h"
#include "entities/screen_shake.h"
#include "entities/light_zone.h"
#include "entities/gravity_zone.h"
#include "frame/game_loop.h"
#include "frontend/menu_buttons.h"
#include "player/object_hooks.h"
#include "player/player_sprite.h"
#include "world/area.h"
#include "world/level_list.h"
#include "world/level_loader.h"
#include "world/object_kinds.h"
#include "world/particles.h"
#include "world/sound_effects.h"

// Every row's create function, declared from the table itself: a row whose
// function nobody defines fails to link.
#define BOINGLE_DECLARE_CREATOR(code, name, fn, fields) void fn(const ActiveLine& line);
#define BOINGLE_IGNORE_FIELD(...)
BOINGLE_OBJECT_KINDS(BOINGLE_DECLARE_CREATOR, BOINGLE_IGNORE_FIELD, BOINGLE_IGNORE_FIELD)
#undef BOINGLE_DECLARE_CREATOR

namespace {

void WireObjectKinds() {
#define BOINGLE_WIRE_CREATOR(code, name, fn, fields) SetKindCreator(code, &fn);
  BOINGLE_OBJECT_KINDS(BOINGLE_WIRE_CREATOR, BOINGLE_IGNORE_FIELD, BOINGLE_IGNORE_FIELD)
#undef BOINGLE_WIRE_CREATOR
}

void WirePlayerHooks() {
  PlayerHooks.movingBlockContacts = &MovingBlockContacts;
  PlayerHooks.fallingBlockContacts = &FallingBlockContacts;
  PlayerHooks.menuButtonContacts = &MenuButtonContacts;
  PlayerHooks.breakableBlockContacts = &BreakableBlockContacts;
  PlayerHooks.exitBoxCheck = &ExitBoxCheck;
  // The order in which the hero meets the level's objects in a sub-step.
  const PlayerHookFn checks[] = {
      &SecretBoxCheck, &LightZoneChecks, &GravityZoneChecks, &CometZoneChecks,
      &SpringChecks,   &ShakeZoneChecks, &FanChecks,         &TeleportChecks,
      &ButtonChecks,   &TriggerZoneChecks, &WaterChecks,     &SpikeChecks,
  };
  static_assert(std::size(checks) <= kMaxObjectChecks);
  int n = 0;
  for (PlayerHookFn check : checks) PlayerHooks.objectChecks[n++] = check;
  while (n < kMaxObjectChecks) PlayerHooks.objectChecks[n++] = nullptr;
}

// Static initialisation wires the tables in every program that links the
// game (the game itself, the tests, the benchmarks) before main runs.
const bool kWired = (WireGame(), true);

}  // namespace

void WireGame() {
  WireObjectKinds();
  WirePlayerHooks();
  SetPlayerSpriteHook(&LoadPlayerSprite);
  ParticleWaterTest = &InsideWater;
  SfxMuted = [] { return TallyState != 0; };
  ChooseLevelFromList = &ChooseLevelFromFolder;
}

std::vector<std::string> MissingWiring() {
  std::vector<std::string> missing;
  for (const char* hook : MissingPlayerHooks()) missing.push_back(std::string("the hero's hook: ") + hook);
  for (const ObjectKindRow& row : kObjectKinds)
    if (!KindCreator(row.code)) missing.push_back(std::string("the creator of object kind ") + row.name);
  if (!ParticleWaterTest) missing.push_back("the water test of the particles");
  if (!SfxMuted) missing.push_back("the tally's sound mute");
  if (!ChooseLevelFromList) missing.push_back("the developer level list");
  return missing;
}
