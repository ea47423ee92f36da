#include "frontend/rising_stars.h"

#include <algorithm>

#include "present/present.h"
#include "present/timer.h"
#include "world/assets.h"

std::vector<TRisingStar> StarList;

namespace {

constexpr int kStartingStars = 50;
constexpr int kSpawnMs = 200;
constexpr float kSpawnY = 610;  // just under the screen
constexpr float kGoneY = -100;
constexpr float kRiseFactor = 2.0f;

Timer g_spawn;

void Spawn(float y) {
  TRisingStar s;
  s.x = Rnd(0, 800);
  s.y = y;
  s.rotation = Rnd(0, 360);
  s.scale = Rnd(0.5f, 1.0f);
  s.speed = s.scale * 0.33f;
  s.alpha = Rnd(0.2f, 0.6f);
  StarList.push_back(s);
}

}  // namespace

void StartRisingStars() {
  StarList.clear();
  for (int i = 0; i < kStartingStars; ++i) Spawn(Rnd(0, 600));
  g_spawn.Start(kSpawnMs);
}

void RisingStarsStep() {
  if (g_spawn.Passed()) {
    Spawn(kSpawnY);
    g_spawn.Restart();
  }
  for (TRisingStar& s : StarList) s.y -= s.speed * kRiseFactor;
  std::erase_if(StarList, [](const TRisingStar& s) { return s.y < kGoneY; });
}

void DrawRisingStars() {
  SetOrigin(0, 0);
  SetBlend(BLEND_ALPHA);
  SetRotation(0);
  SetScale(1, 1);
  SetAlpha(1);
  SetColor(8, 8, 32);
  DrawRect(0, 0, 800, 600);
  SetColor(255, 255, 255);
  for (const TRisingStar& s : StarList) {
    SetAlpha(s.alpha);
    SetScale(s.scale, s.scale);
    SetRotation(s.rotation);
    DrawImage(ImgMapStar, s.x, s.y);
  }
  SetRotation(0);
  SetScale(1, 1);
  SetAlpha(1);
}
