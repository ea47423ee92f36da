// The zombie: a walker (see pure_walker.h); its row in the enemy catalogue
// gives its pictures, body, burst and sounds.
#pragma once

#include "enemies/pure_walker.h"

class TZombie : public TPureWalker {
 protected:
  void LeaveKindList() override;
};

extern EntityList<TZombie> ZombieList;

void CreateZombie(const ActiveLine& line);
