#include "enemies/zombie.h"

#include "present/state_dump.h"
#include "world/level_lists.h"

BOINGLE_ENEMY_LIST(TZombie, ZombieList)

void CreateZombie(const ActiveLine& line) { CreatePureWalker<TZombie>(EnemyKinds::Zombie, line, ZombieList); }
