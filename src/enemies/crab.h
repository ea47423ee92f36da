// The crab: a walker (see pure_walker.h); its row in the enemy catalogue
// gives its pictures, body, burst and sounds.
#pragma once

#include "enemies/pure_walker.h"

class TCrab : public TPureWalker {
 protected:
  void LeaveKindList() override;
};

extern EntityList<TCrab> CrabList;

void CreateCrab(const ActiveLine& line);
