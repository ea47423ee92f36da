#include "enemies/enemy_pass.h"

#include "enemies/enemy.h"
#include "present/state_dump.h"
#include "world/level_lists.h"

EntityList<TEnemy> EnemyList;

namespace {
// Emptied with the level's objects, before a new level is read: loading a
// level removes every enemy without firing any link.
const int kJoined = RegisterLevelList([] { EnemyList.Clear(); }, ListRole::LevelObjects);
}  // namespace

BOINGLE_STATE_VALUE(EnemyList, EnemyList.Size());

void UpdateEnemies() {
  // The walk visits enemies appended during it (a hive's bee, a wizard's
  // shot) in the same pass, and skips those that leave.
  EnemyList.Walk([](TEnemy& e) {
    if (!e.hidden) e.Step();
  });
}
