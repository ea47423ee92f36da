#include "enemies/crab.h"

#include "present/state_dump.h"
#include "world/level_lists.h"

BOINGLE_ENEMY_LIST(TCrab, CrabList)

void CreateCrab(const ActiveLine& line) { CreatePureWalker<TCrab>(EnemyKinds::Crab, line, CrabList); }
