// The walking core most ground enemies share: walk at their speed, fall
// under gravity, stand on collision blocks, turn at walls, and at a ledge do
// what their `mode` says: 0 walk off, 1 turn back, 2 hop a narrow gap or turn
// back at a wider one.
//
// A gap is narrow when there is ground again within one tile. The far probes
// reach 42 to 56 pixels ahead, so they see the far side of a one-tile gap the
// moment the near probe loses the ground (at 42 to 44 they would only see a
// gap of 22 pixels or less, which tiles never make), and a hopping walker
// moves at least 1.3 pixels a frame until it stands again: a hop of -2 lasts
// about 40 frames, and a walker at its own random speed (below 1) would drop
// into the very gap it hopped.
#pragma once

#include "enemies/enemy_catalogue.h"

class TEnemy;

// The probe rectangles, relative to the anchor at the middle of the feet.
struct WalkerProbes {
  BodyRect ground{-5, 1, 5, 2};     // standing
  BodyRect sunk{-5, 0, 5, 1};       // lifting out of the floor
  BodyRect leftWall{-20, -10, -15, -2};
  BodyRect rightWall{15, -10, 20, -2};
  BodyRect nearLeft{-25, 5, -22, 7};  // ledge tests
  BodyRect nearRight{22, 5, 25, 7};
  BodyRect farLeft{-56, 5, -42, 7};  // gap tests
  BodyRect farRight{42, 5, 56, 7};
  float gravity = 0.1f;
  float maxFall = 3;
  float hopSpeed = -2;
  float hopCarry = 1.3f;  // the least speed along x while a hop lasts
  // The ledge rule (0, 1 or 2, as `mode` gives it to walkers); kinds that
  // use `mode` as their phase fix their rule here.
  static constexpr int kLedgeRuleOfMode = -1;
  int ledgeRule = kLedgeRuleOfMode;
};

// What the last step's probes found.
struct WalkResult {
  bool onGround = false;
};

// One frame of walking: move, probe, then react in the fixed order (ground,
// sunk, the ledge rule of `mode`, walls). Turning only flips `direction`.
WalkResult WalkStep(TEnemy& e, const WalkerProbes& probes = WalkerProbes());

// Bit k set when rects[k], placed at (x, y), overlaps some collision block.
// One walk over the blocks serves every probe.
unsigned ProbeBlocks(float x, float y, const BodyRect* rects, int count);
// The same for a single rectangle.
bool ProbeHits(float x, float y, const BodyRect& rect);
// The first collision block (in list order) the rectangle overlaps, or null.
struct TCollisionBlock;
const TCollisionBlock* FirstBlockHit(float x, float y, const BodyRect& rect);
