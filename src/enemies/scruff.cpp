#include "enemies/scruff.h"

#include <cmath>

#include "enemies/enemy_picture.h"
#include "enemies/walking_core.h"
#include "present/state_dump.h"
#include "world/level_lists.h"
#include "world/level_loader.h"

BOINGLE_ENEMY_LIST(TScruff, ScruffList)

namespace {

constexpr float kStep = 2;
constexpr int kStepMs = 100;
constexpr int kFrames = 4;
constexpr int kFrameMs = 200;

// The bands it bounces by, from its top-left corner: a band across its
// middle for the walls, one down its middle for floors and ceilings.
BodyRect SideBand(float w) {
  return {0, 8, w, 24};
}
BodyRect UpDownBand(float h) {
  return {8, 0, 24, h};
}

}  // namespace

// A band that meets a block sends it back to where it was on that axis and
// turns it round, so it bounces about like a ball in a box.
void TScruff::Behave() {
  if (!moveTimer.Passed()) return;
  moveTimer.Restart();
  float oldX = x, oldY = y;
  x += vx;
  y += vy;
  if (ProbeHits(x, y, SideBand(static_cast<float>(w)))) {
    x = std::floor(oldX);
    vx = -vx;
  }
  if (ProbeHits(x, y, UpDownBand(static_cast<float>(h)))) {
    y = std::floor(oldY);
    vy = -vy;
  }
}

void TScruff::Update() {
  if (state != static_cast<int>(ScruffState::Drifting)) return;
  int now = Millisecs();
  if (!MsPassed(stamp, kFrameMs, now)) return;
  stamp = now;
  frame = (frame + 1) % kFrames;
}

void TScruff::ViewBox(float* left, float* top, float* bw, float* bh) const {
  HandleViewBox(*this, Strip(), 1, left, top, bw, bh);
}

void CreateScruff(const ActiveLine& line) {
  auto s = MakeEnemy<TScruff>(EnemyKinds::Scruff, static_cast<float>(line.x),
                              static_cast<float>(line.y), ScruffList);
  TakeLineLinks(*s, line);
  s->vx = Rand(0, 1) ? kStep : -kStep;
  s->vy = Rand(0, 1) ? kStep : -kStep;
  s->moveTimer.Start(kStepMs);
}
