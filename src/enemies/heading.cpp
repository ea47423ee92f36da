#include "enemies/heading.h"

#include "enemies/enemy.h"
#include "present/present.h"
#include "world/player_state.h"

float HeadingToHero(float x, float y) {
  // The arc tangent of the difference from the hero points away from him;
  // half a turn more points at him.
  return ATan2D(x - P_X, y - P_Y) + 180;
}

void MoveAlong(TEnemy& e, float heading, float speed) {
  e.x += SinD(heading) * speed;
  e.y += CosD(heading) * speed;
}
