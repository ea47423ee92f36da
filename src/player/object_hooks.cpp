#include "player/object_hooks.h"

#include "frame/game_state.h"
#include "player/player_health.h"
#include "player/player_state.h"
#include "world/level_boxes.h"
#include "world/tile_map.h"

#define WEAK __attribute__((weak))

WEAK void MovingBlockContacts() {}
WEAK void FallingBlockContacts() {}
WEAK void MenuButtonContacts() {}
WEAK void BreakableBlockContacts() {}
// With no water objects in the game yet, no water area ever overlaps.
WEAK void PlayerObjectChecks() {
  InWater = 0;
  WaterEntryState = 0;
}
// Until the level-end sequence exists, touching the exit simply completes the
// level through the fade-out.
WEAK void ExitBoxCheck() {
  const TLevelBox& e = LevelExitBox;
  if (ExitReached || !BoxesOverlap(BodyBox.left, BodyBox.top, BodyBox.right, BodyBox.bottom,
                                   static_cast<float>(e.left), static_cast<float>(e.top),
                                   static_cast<float>(e.right), static_cast<float>(e.bottom)))
    return;
  ExitReached = 1;
  StartLevelFadeOut(1);
}
