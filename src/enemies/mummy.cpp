#include "enemies/mummy.h"

#include "present/state_dump.h"
#include "world/level_lists.h"

BOINGLE_ENEMY_LIST(TMummy, MummyList)

void CreateMummy(const ActiveLine& line) { CreatePureWalker<TMummy>(EnemyKinds::Mummy, line, MummyList); }
