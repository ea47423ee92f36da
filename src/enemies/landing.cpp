#include "enemies/landing.h"

#include "world/tile_map.h"

namespace {

bool Covered(const TCollisionBlock& block) {
  for (const TCollisionBlock& other : CollisionBlocks)
    if (other.x == block.x && other.y == block.y - kTileSize) return true;
  return false;
}

}  // namespace

const TCollisionBlock* LandingBlock(float x, float y, float prevY, const BodyRect& feet) {
  const TCollisionBlock* best = nullptr;
  for (const TCollisionBlock& block : CollisionBlocks) {
    float bx = static_cast<float>(block.x), by = static_cast<float>(block.y);
    if (by < prevY || (best && block.y >= best->y)) continue;
    if (!BoxesOverlap(x + feet.left, y + feet.top, x + feet.right, y + feet.bottom, bx, by,
                      bx + kTileSize, by + kTileSize))
      continue;
    if (!Covered(block)) best = &block;
  }
  return best;
}
