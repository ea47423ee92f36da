// Projectiles (the spade, the wizard's shot) fly along a heading in degrees:
// heading a moves them by (sin a, cos a) times their speed, so 0 is straight
// down and 90 is to the right.
#pragma once

class TEnemy;

// The heading from (x, y) towards the hero's position.
float HeadingToHero(float x, float y);
// One frame along `heading` at `speed` pixels a frame.
void MoveAlong(TEnemy& e, float heading, float speed);
