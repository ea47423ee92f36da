#include "world/particles.h"

#include <algorithm>

#include "world/level_lists.h"
#include "world/assets.h"
#include "world/area.h"
#include "present/present.h"
#include "world/camera.h"
#include "world/tile_map.h"

std::vector<TParticle> ParticleList;
WaterTestFn ParticleWaterTest = nullptr;

namespace {


const int kJoined = RegisterLevelList([] { ParticleList.clear(); });

int Grey() { return static_cast<int>(Rnd(0, 100)) + 155; }

Image* ImageOf(int image) {
  switch (image) {
    case 0: return ImgParticleOrb;
    case 1: return ImgParticleStar;
    case 2: return ImgParticleCloud;
    case 3: return ImgParticleBubble;
    case 4: return ImgParticleHeart;
    default: return nullptr;
  }
}

void Dust(int x, int y, int count, float lo, float hi) {
  for (int i = 0; i < count; ++i) {
    int grey = Grey();
    SpawnParticle(static_cast<float>(x), static_cast<float>(y), Rnd(-hi, -lo), Rnd(-0.1f, 0.1f), grey, grey,
                  grey, static_cast<float>(static_cast<int>(Rnd(0, 10)) + 5), 0.1f, 0.9f, 0.9f, 0.1f, 0, 1.0f);
  }
  for (int i = 0; i < count; ++i) {
    int grey = Grey();
    SpawnParticle(static_cast<float>(x), static_cast<float>(y), Rnd(lo, hi), Rnd(-0.1f, 0.1f), grey, grey, grey,
                  static_cast<float>(static_cast<int>(Rnd(0, 10)) + 5), 0.1f, 0.9f, 0.9f, 0.1f, 0, 1.0f);
  }
}

bool BubbleKept(const TParticle& p) {
  if (AreaIndex == Area::Sea) {
    return p.x > CameraX - kBubbleKeepMargin && p.x < CameraX + kViewWidth + kBubbleKeepMargin &&
           p.y > CameraY - kBubbleKeepMargin && p.y < CameraY + kViewHeight + kBubbleKeepMargin;
  }
  return ParticleWaterTest && ParticleWaterTest(p.x, p.y);
}

void CapBubbles() {
  size_t bubbles = std::count_if(ParticleList.begin(), ParticleList.end(),
                                 [](const TParticle& p) { return p.image == 3; });
  if (bubbles <= kMaxBubbles) return;
  size_t drop = bubbles - kMaxBubbles;
  auto it = std::remove_if(ParticleList.begin(), ParticleList.end(), [&drop](const TParticle& p) {
    if (drop > 0 && p.image == 3) {
      --drop;
      return true;
    }
    return false;
  });
  ParticleList.erase(it, ParticleList.end());
}

}  // namespace

void SpawnParticle(float x, float y, float xs, float ys, int r, int g, int b, float life, float alpha,
                   float alphaFactor, float speedFactor, float lift, int image, float scale) {
  ParticleList.push_back({x, y, xs, ys, r, g, b, life, alpha, alphaFactor, speedFactor, lift, image, scale});
}

void EmitSmallDust(int x, int y, int count) { Dust(x, y, count, 2, 4); }
void EmitBigDust(int x, int y, int count) { Dust(x, y, count, 4, 8); }

void EmitSmoke(int x, int y, int count) {
  int grey = Grey();
  for (int i = 0; i < count; ++i)
    SpawnParticle(static_cast<float>(x), static_cast<float>(y), Rnd(-5, 5), Rnd(-0.1f, 0.1f), grey, grey, grey,
                  30, 0.2f, 0.9f, 0.9f, 0.1f, 2, 1.0f);
}

void EmitBubbles(int x, int y, int count) {
  for (int i = 0; i < count; ++i)
    SpawnParticle(static_cast<float>(x), static_cast<float>(y), Rnd(-10, 10), Rnd(-10, 10), 255, 255, 255, -1,
                  0.2f, 0.95f, 0.99f, 0.2f, 3, 1.0f);
  CapBubbles();
}

void EmitSparkle(int x, int y, int count) {
  for (int i = 0; i < count; ++i)
    SpawnParticle(static_cast<float>(x), static_cast<float>(y), Rnd(-1, 1), Rnd(-1, 1), 255, 255, 0, 20, 0.5f,
                  0.9f, 1.0f, -0.05f, 1, 1.0f);
}

void EmitFireSmoke(int x, int y, int count, float size) {
  int b = Grey();
  for (int i = 0; i < count; ++i)
    SpawnParticle(static_cast<float>(x), static_cast<float>(y), Rnd(-5, 5), Rnd(-5, 5), 255, 255, b, 30, 0.4f,
                  0.9f, 0.9f, 0.1f, 2, (1.0f + size) / 2.0f);
}

void EmitHearts(int x, int y, int count) {
  for (int i = 0; i < count; ++i)
    SpawnParticle(static_cast<float>(x), static_cast<float>(y), Rnd(-3, 3), Rnd(-0.5f, 0.5f) - 3.0f, 255, 0, 0,
                  100, 0.9f, 0.95f, 1.0f, -0.1f, 4, 1.0f);
}

void ParticlePass() {
  // Removal keeps the order of the rest, as the draw pass expects.
  size_t out = 0;
  for (size_t i = 0; i < ParticleList.size(); ++i) {
    TParticle p = ParticleList[i];
    if (p.image == 3 && !BubbleKept(p)) continue;
    if (p.life == 0) continue;
    p.x += p.xs;
    p.y += p.ys;
    p.xs *= p.speedFactor;
    p.ys -= p.lift;
    p.life -= 1.0f;
    p.alpha *= p.alphaFactor;
    ParticleList[out++] = p;
  }
  ParticleList.resize(out);
}

void DrawParticles() {
  SetBlend(BLEND_LIGHT);
  for (const TParticle& p : ParticleList) {
    if (!OnScreen(p.x, p.y, 32, 32)) continue;
    SetAlpha(p.alpha);
    SetColor(p.r, p.g, p.b);
    SetScale(p.scale, p.scale);
    DrawImage(ImageOf(p.image), p.x - CameraX, p.y - CameraY, 0);
  }
  SetScale(1, 1);
  SetBlend(BLEND_ALPHA);
  SetAlpha(1);
  SetColor(255, 255, 255);
}

#include "present/state_dump.h"
BOINGLE_STATE_VALUE(ParticleList, ParticleList.size());
