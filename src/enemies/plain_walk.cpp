#include "enemies/plain_walk.h"

#include <algorithm>

#include "enemies/enemy.h"
#include "enemies/walking_core.h"
#include "world/tile_map.h"

namespace {
constexpr int kLeft = 0, kRight = 1;
}  // namespace

bool PlainWalkStep(TEnemy& e, const PlainWalkProbes& p) {
  e.x += e.direction == kLeft ? -e.speed : e.speed;
  e.y += e.ySpeed;
  e.ySpeed = std::min(e.ySpeed + p.gravity, p.maxFall);

  // Only a fall lands: a jump passes up through what its feet touch.
  bool standing = false;
  if (e.ySpeed > 0) {
    if (const TCollisionBlock* block = FirstBlockHit(e.x, e.y, p.feet)) {
      e.y = static_cast<float>(block->y - 1);
      e.ySpeed = 0;
      standing = true;
    }
  }
  const BodyRect& ahead = e.direction == kLeft ? p.leftWall : p.rightWall;
  if (ProbeHits(e.x, e.y, ahead)) e.direction = e.direction == kLeft ? kRight : kLeft;
  return standing;
}
