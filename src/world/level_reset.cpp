#include "world/level_reset.h"

#include <vector>

#include "world/level_lists.h"
#include "world/progress.h"
#include "world/player_state.h"
#include "world/area.h"
#include "world/camera.h"
#include "world/level_boxes.h"
#include "world/level_loader.h"
#include "world/tile_map.h"

namespace {

struct Step {
  ResetPhase phase;
  void (*fn)();
};

std::vector<Step>& Steps() {
  static std::vector<Step> steps;
  return steps;
}

void RunSteps(ResetPhase phase) {
  for (const Step& s : Steps())
    if (s.phase == phase) s.fn();
}

}  // namespace

int RegisterLevelResetStep(ResetPhase phase, void (*step)()) {
  if (step) Steps().push_back({phase, step});
  return static_cast<int>(Steps().size());
}

void ResetPlayerMotion() {
  // The hero's own reset also restores the tuning variables a level owns.
  ResetPlayerForLevel();
  P_X = P_Y = 0;
  P_PrevX = P_PrevY = 0;
  P_XS = P_YS = 0;
  Facing = 0;
  PlayerState = 0;
}

void ResetLevelState() {
  ClearAllLists();

  ResetPlayerMotion();
  RunSteps(ResetPhase::Player);

  LevelArea = 0;
  LevelTitle.clear();
  LevelSubtitle.clear();
  LevelMusic = 0;
  ResetTileMap();
  ResetCamera();
  ResetAreaState();

  ResetLevelBoxes();
  for (int& found : StatuesFound) found = 0;
  RunSteps(ResetPhase::Boxes);
}

void ResetLevel() {
  ResetLevelState();
}
