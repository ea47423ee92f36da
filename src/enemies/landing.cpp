#include "enemies/landing.h"

#include "world/tile_map.h"

namespace {

bool Covered(const TCollisionBlock& block) {
  const int aboveY = block.y - kTileSize;
  const double px = block.x, py = aboveY;
  return !CollisionBlockGrid().VisitNear(px, py, px, py, [&](int i) {
    const TCollisionBlock& other = CollisionBlocks[static_cast<size_t>(i)];
    return !(other.x == block.x && other.y == aboveY);
  });
}

}  // namespace

// The highest block wins; of blocks at one height, the first in list order.
const TCollisionBlock* LandingBlock(float x, float y, float prevY, const BodyRect& feet) {
  int best = -1;
  const float left = x + feet.left, top = y + feet.top, right = x + feet.right, bottom = y + feet.bottom;
  VisitBlocksNear(left, top, right, bottom, [&](const TCollisionBlock& block, int i) {
    float bx = static_cast<float>(block.x), by = static_cast<float>(block.y);
    if (by < prevY) return true;
    if (best >= 0) {
      const TCollisionBlock& held = CollisionBlocks[static_cast<size_t>(best)];
      if (block.y > held.y || (block.y == held.y && i > best)) return true;
    }
    if (!BoxesOverlap(left, top, right, bottom, bx, by, bx + kTileSize, by + kTileSize)) return true;
    if (!Covered(block)) best = i;
    return true;
  });
  return best < 0 ? nullptr : &CollisionBlocks[static_cast<size_t>(best)];
}
