// The plain walk of the cactus, the lava guy and the biddie: walk at a speed,
// fall under gravity, stand on the top of the block underfoot, turn at a wall
// ahead, and walk off every ledge. No sinking into floors, no ledge rules:
// what the walking core of the zombie and its kin adds, these kinds lack.
#pragma once

#include "enemies/enemy_catalogue.h"

class TEnemy;

struct PlainWalkProbes {
  BodyRect feet;       // a block here, while falling, is stood on: y = its top - 1
  BodyRect leftWall;   // tested while walking left
  BodyRect rightWall;  // tested while walking right
  float gravity = 0.1f;
  float maxFall = 5;
};

// One frame: along x by `speed` in `direction`, down by `ySpeed`, then the
// landing and the wall ahead. Returns whether it stands on a block.
bool PlainWalkStep(TEnemy& e, const PlainWalkProbes& probes);
