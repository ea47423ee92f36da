#include "worldmap/map_stars.h"

#include <algorithm>

#include "present/present.h"
#include "world/assets.h"

std::vector<TMapStar> MapStars;

namespace {

constexpr float kEnterX = 850;
constexpr float kSpeedPerScale = 0.33f;  // big stars are near, and drift faster

}  // namespace

void TMapStar::Update() {
  x -= speed;
}

void TMapStar::Draw() const {
  SetAlpha(alpha);
  SetScale(scale, scale);
  SetRotation(rotation);
  DrawImage(ImgMapStar, x, y, 0);
}

void AddMapStar(bool enteringFromRight) {
  TMapStar s;
  s.x = enteringFromRight ? kEnterX : Rnd(0, 800);
  s.y = Rnd(0, 600);
  s.rotation = Rnd(0, 360);
  s.scale = Rnd(0.5f, 1.0f);
  s.speed = s.scale * kSpeedPerScale;
  s.alpha = Rnd(0.2f, 0.6f);
  MapStars.push_back(s);
}

void MapStarsStep() {
  SetColor(255, 255, 255);
  for (TMapStar& s : MapStars) {
    s.Update();
    if (!s.Gone()) s.Draw();
  }
  MapStars.erase(
      std::remove_if(MapStars.begin(), MapStars.end(), [](const TMapStar& s) { return s.Gone(); }),
      MapStars.end());
  SetAlpha(1);
  SetScale(1, 1);
  SetRotation(0);
}
