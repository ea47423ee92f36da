// Particles: short-lived tinted sprites for dust, sparkles, smoke, bubbles and
// hearts, moved by their own pass and drawn with additive light.
#pragma once

#include <cstddef>
#include <vector>

enum class ParticleImage { Orb = 0, Star = 1, Cloud = 2, Bubble = 3, Heart = 4 };

struct TParticle {
  float x = 0, y = 0;
  float xs = 0, ys = 0;
  int r = 255, g = 255, b = 255;
  float life = 0;  // frames left; removed when exactly 0 (negative: never by age)
  float alpha = 1;
  float alphaFactor = 1;
  float speedFactor = 1;
  float lift = 0;  // taken from the y speed every frame: positive rises
  int image = 0;
  float scale = 1;
};

extern std::vector<TParticle> ParticleList;

// Sea bubbles never age; past this many the oldest go, so a long sea level
// cannot grow without bound. Bubbles far outside the view go as well.
constexpr size_t kMaxBubbles = 400;
constexpr float kBubbleKeepMargin = 800;

void SpawnParticle(float x, float y, float xs, float ys, int r, int g, int b, float life, float alpha,
                   float alphaFactor, float speedFactor, float lift, int image, float scale);

void EmitSmallDust(int x, int y, int count);
void EmitBigDust(int x, int y, int count);
void EmitSmoke(int x, int y, int count);
void EmitBubbles(int x, int y, int count);
void EmitSparkle(int x, int y, int count);
void EmitFireSmoke(int x, int y, int count, float size);
void EmitHearts(int x, int y, int count);

void ParticlePass();
void DrawParticles();

// Whether a point lies inside a water area's inner box. The water objects
// answer (the game wires them in at start-up); without them there is none.
using WaterTestFn = bool (*)(float x, float y);
extern WaterTestFn ParticleWaterTest;
