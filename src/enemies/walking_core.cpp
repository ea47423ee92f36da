#include "enemies/walking_core.h"

#include <algorithm>

#include "enemies/enemy.h"
#include "world/tile_map.h"

namespace {

enum Probe { kGround, kSunk, kLeftWall, kRightWall, kNearLeft, kNearRight, kFarLeft, kFarRight, kProbeCount };

constexpr int kLeft = 0, kRight = 1;

}  // namespace

unsigned ProbeBlocks(float x, float y, const BodyRect* rects, int count) {
  // Blocks outside the probes' joint box cannot touch any of them.
  float l = rects[0].left, t = rects[0].top, r = rects[0].right, b = rects[0].bottom;
  for (int k = 1; k < count; ++k) {
    l = std::min(l, rects[k].left);
    t = std::min(t, rects[k].top);
    r = std::max(r, rects[k].right);
    b = std::max(b, rects[k].bottom);
  }
  l += x, r += x, t += y, b += y;
  unsigned hits = 0;
  const unsigned all = (1u << count) - 1;
  VisitBlocksNear(l, t, r, b, [&](const TCollisionBlock& block, int) {
    float bx = static_cast<float>(block.x), by = static_cast<float>(block.y);
    if (bx > r || bx + kTileSize < l || by > b || by + kTileSize < t) return true;
    for (int k = 0; k < count; ++k) {
      if (hits & (1u << k)) continue;
      const BodyRect& p = rects[k];
      if (BoxesOverlap(x + p.left, y + p.top, x + p.right, y + p.bottom, bx, by, bx + kTileSize, by + kTileSize))
        hits |= 1u << k;
    }
    return hits != all;
  });
  return hits;
}

bool ProbeHits(float x, float y, const BodyRect& rect) {
  return ProbeBlocks(x, y, &rect, 1) != 0;
}

const TCollisionBlock* FirstBlockHit(float x, float y, const BodyRect& p) {
  return FirstBlockTouching(x + p.left, y + p.top, x + p.right, y + p.bottom);
}

WalkResult WalkStep(TEnemy& e, const WalkerProbes& p) {
  // Move, then fall a little faster, up to the limit.
  float along = e.hopping ? std::max(e.speed, p.hopCarry) : e.speed;
  e.x += e.direction == kLeft ? -along : along;
  e.y += e.ySpeed;
  e.ySpeed += p.gravity;
  if (e.ySpeed > p.maxFall) e.ySpeed = p.maxFall;

  // The ledge and gap probes matter only to the rules that look ahead.
  const int rule = p.ledgeRule == WalkerProbes::kLedgeRuleOfMode ? e.mode : p.ledgeRule;
  const bool looksAhead = rule == 1 || rule == 2;
  const BodyRect rects[kProbeCount] = {p.ground,   p.sunk,      p.leftWall, p.rightWall,
                                       p.nearLeft, p.nearRight, p.farLeft,  p.farRight};
  unsigned hits = ProbeBlocks(e.x, e.y, rects, looksAhead ? kProbeCount : kNearLeft);
  auto hit = [hits](Probe k) { return (hits & (1u << k)) != 0; };

  const bool onGround = hit(kGround);
  if (onGround) {
    e.ySpeed = 0;
    e.hopping = false;
  }
  if (hit(kSunk)) e.y -= 1;
  if (rule == 1 && onGround) {
    if (e.direction == kRight && !hit(kNearRight)) e.direction = kLeft;
    if (e.direction == kLeft && !hit(kNearLeft)) e.direction = kRight;
  }
  if (rule == 2 && onGround) {
    if ((e.direction == kRight && hit(kFarRight) && !hit(kNearRight)) ||
        (e.direction == kLeft && hit(kFarLeft) && !hit(kNearLeft))) {
      e.ySpeed = p.hopSpeed;
      e.hopping = true;
    }
    if (e.direction == kRight && !hit(kNearRight) && !hit(kFarRight)) e.direction = kLeft;
    if (e.direction == kLeft && !hit(kNearLeft) && !hit(kFarLeft)) e.direction = kRight;
  }
  // Each rule sees the direction the rules before it left, so a walker boxed
  // in on both sides turns twice and walks on.
  if (e.direction == kLeft && hit(kLeftWall)) e.direction = kRight;
  if (e.direction == kRight && hit(kRightWall)) e.direction = kLeft;
  return {onGround};
}
