// Landing on the collision blocks, for kinds that stand on a block's top
// (y = block y - 1) instead of rising out of it a pixel a frame.
#pragma once

#include "enemies/enemy_catalogue.h"

struct TCollisionBlock;

// The block a falling body lands on: one its feet (a rectangle relative to
// the anchor at (x, y)) overlap, whose top is open (no block stands on it)
// and not above where the anchor was before this frame's move (prevY). Of
// several, the highest top. So a body dropping past a wall's side, or
// starting under a ceiling, is never lifted onto the wall or the ceiling.
// Null when it lands on nothing.
const TCollisionBlock* LandingBlock(float x, float y, float prevY, const BodyRect& feet);
