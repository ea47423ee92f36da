#include "enemies/enemy_pass.h"

#include "enemies/enemy.h"
#include "world/level_lists.h"

EntityList<TEnemy> EnemyList;

namespace {
const int kJoined = RegisterLevelList([] { EnemyList.Clear(); }, ListRole::LevelObjects);
}  // namespace

void UpdateEnemies() {
  EnemyList.Walk([](TEnemy& e) {
    if (e.hidden) return;
    e.Update();
    e.Behave();
  });
}
