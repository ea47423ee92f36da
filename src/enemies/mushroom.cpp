#include "enemies/mushroom.h"

#include <cmath>

#include "enemies/enemy_picture.h"
#include "enemies/walking_core.h"
#include "present/state_dump.h"
#include "world/level_lists.h"
#include "world/level_loader.h"

BOINGLE_ENEMY_LIST(TMushroom, MushroomList)

namespace {

constexpr float kStep = 2;  // along x, per step
constexpr float kFall = 4;  // down, per step, undone where it stands
constexpr int kStepMs = 100;
constexpr int kFrames = 4;
constexpr int kFrameMs = 200;

// Bands from its top-left corner: the right and left ends of its middle for
// walls, under its stem for the ground.
BodyRect RightBand(float w) {
  return {20, 8, w, 24};
}
constexpr BodyRect kLeftBand{0, 8, 12, 24};
BodyRect FeetBand(float h) {
  return {8, 24, 24, h};
}

}  // namespace

void TMushroom::Behave() {
  if (!moveTimer.Passed()) return;
  moveTimer.Restart();
  float oldY = y;
  x += vx;
  y += kFall;
  const BodyRect bands[] = {RightBand(static_cast<float>(w)), kLeftBand,
                            FeetBand(static_cast<float>(h))};
  unsigned hits = ProbeBlocks(x, y, bands, 3);
  if (hits & 1u) vx = -kStep;
  if (hits & 2u) vx = kStep;
  if (hits & 4u) y = std::floor(oldY);
}

void TMushroom::Update() {
  if (state != static_cast<int>(MushroomState::Walking)) return;
  int now = Millisecs();
  if (!MsPassed(stamp, kFrameMs, now)) return;
  stamp = now;
  frame = (frame + 1) % kFrames;
}

void TMushroom::ViewBox(float* left, float* top, float* bw, float* bh) const {
  HandleViewBox(*this, Strip(), 1, left, top, bw, bh);
}

void CreateMushroom(const ActiveLine& line) {
  auto m = MakeEnemy<TMushroom>(EnemyKinds::Mushroom, static_cast<float>(line.x),
                                static_cast<float>(line.y), MushroomList);
  TakeLineLinks(*m, line);
  m->vx = Rand(0, 1) ? kStep : -kStep;
  m->moveTimer.Start(kStepMs);
}
