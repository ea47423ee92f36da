#include "enemies/bee_hive.h"

#include "enemies/bee.h"
#include "present/present.h"
#include "present/state_dump.h"
#include "present/timer.h"
#include "world/camera.h"
#include "world/level_lists.h"
#include "world/level_loader.h"
#include "world/tile_map.h"

BOINGLE_ENEMY_LIST(TBeeHive, BeeHiveList)

namespace {

// An endless hive rests while it is farther than this outside the view, so
// it never fills the level with bees the hero has not met.
constexpr float kEndlessReach = 100;

bool NearView(float x, float y) {
  return CameraX - kEndlessReach <= x && x < CameraX + kViewWidth + kEndlessReach &&
         CameraY - kEndlessReach <= y && y < CameraY + kViewHeight + kEndlessReach;
}

}  // namespace

void TBeeHive::ReleaseBee() {
  lastRelease = Millisecs();
  if (release == 0)
    MakeBee(static_cast<float>(static_cast<int>(x)), static_cast<float>(static_cast<int>(y)),
            kReleasedBeeTarget);
}

void TBeeHive::Behave() {
  if (state != static_cast<int>(HiveState::Releasing)) return;
  if (count > 0 && MsPassed(lastRelease, interval)) {
    --count;
    ReleaseBee();
  }
  if (count == 0) {
    state = static_cast<int>(HiveState::Spent);
  } else if (count == kEndless && NearView(x, y) && MsPassed(lastRelease, interval)) {
    ReleaseBee();
  }
}

void TBeeHive::ViewBox(float* left, float* top, float* bw, float* bh) const {
  CentredViewBox(*this, left, top, bw, bh);
}

void TBeeHive::Draw() {
  if (release != 0) return;
  TEnemy::Draw();
}

void CreateBeeHive(const ActiveLine& line) {
  auto hive = MakeEnemy<TBeeHive>(EnemyKinds::BeeHive, static_cast<float>(line.x),
                                  static_cast<float>(line.y), BeeHiveList);
  TakeLineLinks(*hive, line);
  hive->release = line.Int("release");
  hive->interval = line.Int("interval");
  hive->count = line.Int("bees");
  hive->lastRelease = hive->stamp;
}
