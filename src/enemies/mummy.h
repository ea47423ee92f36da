// The mummy: a walker (see pure_walker.h); its row in the enemy catalogue
// gives its pictures, body, burst and sounds.
#pragma once

#include "enemies/pure_walker.h"

class TMummy : public TPureWalker {
 protected:
  void LeaveKindList() override;
};

extern EntityList<TMummy> MummyList;

void CreateMummy(const ActiveLine& line);
