#include "enemies/sheet.h"

#include "present/state_dump.h"
#include "world/level_lists.h"

BOINGLE_ENEMY_LIST(TSheet, SheetList)

void CreateSheet(const ActiveLine& line) { CreatePureWalker<TSheet>(EnemyKinds::Sheet, line, SheetList); }
