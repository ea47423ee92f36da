// Where a kind's picture lies, for kinds whose anchor is not the middle of
// their feet (the base's default), and which picture a rolling kind shows.
#pragma once

#include <cmath>

#include "enemies/enemy.h"
#include "present/present.h"

// The picture's own handle is the anchor, so its box is the cell placed
// around the handle, at the scale it is drawn.
inline void HandleViewBox(const TEnemy& e, const Image* picture, float scale, float* left,
                          float* top, float* w, float* h) {
  float hx = picture ? picture->handleX : 0, hy = picture ? picture->handleY : 0;
  *left = e.x - hx * scale;
  *top = e.y - hy * scale;
  *w = static_cast<float>(picture ? picture->width : e.w) * scale;
  *h = static_cast<float>(picture ? picture->height : e.h) * scale;
}

// The picture of a rolling thing's strip, which holds one turn to the right:
// it follows the distance rolled (to the right positive), so it neither
// skids nor spins on the spot.
inline int RollPicture(float rolled, float radius, int frames) {
  float perPicture = 2 * 3.14159265f * radius / static_cast<float>(frames);
  int turn = static_cast<int>(std::floor(rolled / perPicture));
  return ((turn % frames) + frames) % frames;
}
