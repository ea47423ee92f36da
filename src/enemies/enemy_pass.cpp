#include "enemies/enemy_pass.h"

#include "enemies/enemy.h"
#include "entities/near_index.h"
#include "world/camera.h"
#include "world/tile_map.h"
#include "present/state_dump.h"
#include "world/level_lists.h"

EntityList<TEnemy> EnemyList;

namespace {
NearIndex<TEnemy> g_enemyIndex;

// Emptied with the level's objects, before a new level is read: loading a
// level removes every enemy without firing any link.
const int kJoined = RegisterLevelList([] { EnemyList.Clear(); }, ListRole::LevelObjects);
}  // namespace

BOINGLE_STATE_VALUE(EnemyList, EnemyList.Size());

void UpdateEnemies() {
  // An idle sleeper only makes its wake test (a hidden one not even that):
  // those out of reach of the wake margin are left out. The walk
  // visits enemies appended during it (a hive's bee, a wizard's shot) in the
  // same pass, and skips those that leave.
  auto standsStill = [](const TEnemy& e, Box* box) {
    if (!e.IdleAsleep() || e.state != EnemyState::Asleep) return false;
    *box = {e.x, e.y, e.x, e.y};
    return true;
  };
  const Box reach{CameraX - kWakeMargin, CameraY - kWakeMargin, CameraX + kViewWidth + kWakeMargin,
                  CameraY + kViewHeight + kWakeMargin};
  g_enemyIndex.Walk(EnemyList, standsStill, reach, [](TEnemy& e) {
    if (!e.hidden) e.Step();
  });
}
