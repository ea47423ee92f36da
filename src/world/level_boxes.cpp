#include "world/level_boxes.h"

#include "world/level_loader.h"

TLevelBox LevelExitBox;
TLevelBox WarpBox;
TLevelBox TimerStartGate;
TLevelBox TimerFinishGate;
TLevelBox SecretBox;

namespace {

constexpr TLevelBox kNoBox{kNoBoxEdge, kNoBoxEdge, kNoBoxEdge, kNoBoxEdge};

TLevelBox BoxOf(const ActiveLine& line) {
  return {line.x, line.y, line.x + line.WidthPx(), line.y + line.HeightPx()};
}

// Field 4 other than 0 carries a second exit box that nothing uses.

}  // namespace

void CreateExitBox(const ActiveLine& line) {
  if (line.Int("spare") == 0) LevelExitBox = BoxOf(line);
}

void CreateWarpBox(const ActiveLine& line) {
  WarpBox = BoxOf(line);
}

void CreateTimerGate(const ActiveLine& line) {
  int which = line.Int("gate");
  if (which == 0)
    TimerStartGate = BoxOf(line);
  else if (which == 1)
    TimerFinishGate = BoxOf(line);
}

void CreateSecretBox(const ActiveLine& line) {
  SecretBox = BoxOf(line);
}

void ResetLevelBoxes() {
  LevelExitBox = kNoBox;
  // Every box goes, not only the exit: a warp box, timer gate or secret box
  // left over from the previous level would otherwise warp the hero out of a
  // level that has none, time a run that does not exist, or mark a secret
  // found that was never there.
  WarpBox = kNoBox;
  TimerStartGate = kNoBox;
  TimerFinishGate = kNoBox;
  SecretBox = kNoBox;
}
