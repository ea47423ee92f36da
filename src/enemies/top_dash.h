// Kinds a dash defeats only from above (the walking fan, the rock guy and a
// trotting knight): the hero's foot probe must meet the top part of their
// body, not just the body.
#pragma once

#include "enemies/enemy.h"

// The hero's foot probe against `top`, a rectangle relative to the anchor.
bool FootOnTop(const TEnemy& e, const BodyRect& top);

// The contact rule of the harmless kinds beaten from above: within the
// catalogue body, a dash whose feet meet `top` defeats; a dash that misses
// the top only bounces the hero (the touch's y speed), whether he is hurt or
// not; a plain touch while he is not hurt is the row's touch.
Contact HeroContactFromAbove(TEnemy& e, const BodyRect& top);
