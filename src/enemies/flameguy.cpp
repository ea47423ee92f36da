#include "enemies/flameguy.h"

#include <algorithm>

#include "enemies/frame_due.h"
#include "enemies/ickle.h"
#include "enemies/walking_core.h"
#include "present/state_dump.h"
#include "world/assets.h"
#include "world/level_lists.h"
#include "world/level_loader.h"

BOINGLE_ENEMY_LIST(TFlameguy, FlameguyList)

namespace {

constexpr float kSpeedMin = 1, kSpeedMax = 2;
constexpr float kSinkGrowth = 0.01f;
constexpr float kMaxSink = 2;
constexpr int kDropMs = 1000;
constexpr int kBurnFrames = 2000;
constexpr int kBurstIckles = 7;
// Dropped Ickles drift off slowly; those of the burst fly apart and up.
constexpr float kDroppedSpeedMin = 0.5f, kDroppedSpeedMax = 1.5f;
constexpr float kBurstSpeedMin = 0.5f, kBurstSpeedMax = 2.5f;
constexpr float kBurstRiseMin = -2, kBurstRiseMax = 0;
constexpr float kBurstHeight = 30;  // the burst comes from his middle
constexpr int kFrameMs = 50;
constexpr int kFrames = 10;  // per glance: left, then right
constexpr int kLeft = 0, kRight = 1;

// He is about 40 pixels wide and 60 tall on the middle of his base. The
// floor probe is his base, one pixel deep, tested while he sinks; the head
// probe, tested while he rises, stops a bounce at a ceiling (a rise after a
// bounce at full sink speed lasts 200 pixels and would carry him through
// one). Wall probes at his sides, 22-27 pixels out, between 50 and 20
// pixels up.
constexpr BodyRect kFloor{-10, 0, 10, 1};
constexpr BodyRect kHead{-10, -62, 10, -60};
constexpr BodyRect kLeftWall{-27, -50, -22, -20};
constexpr BodyRect kRightWall{22, -50, 27, -20};

}  // namespace

void TFlameguy::OnWake() {
  drop.Start(kDropMs);
}

void TFlameguy::Behave() {
  x += direction == kRight ? speed : -speed;
  y += ySpeed;
  ySpeed = std::min(ySpeed + kSinkGrowth, kMaxSink);
  const BodyRect rects[4] = {kFloor, kHead, kLeftWall, kRightWall};
  const unsigned hits = ProbeBlocks(x, y, rects, 4);
  if (ySpeed > 0 && (hits & 1u))
    ySpeed = -ySpeed;
  else if (ySpeed < 0 && (hits & 2u))
    ySpeed = 0;
  if (direction == kLeft && (hits & 4u))
    direction = kRight;
  else if (direction == kRight && (hits & 8u))
    direction = kLeft;

  if (drop.Passed()) {
    drop.Restart();
    MakeIckle(x, y, Rand(kLeft, kRight), Rnd(kDroppedSpeedMin, kDroppedSpeedMax), 0);
  }
  HeroContact(*this);
  if (++burnt >= kBurnFrames) Kill();
}

// The Ickles first, then the target: whatever listens to him finds them
// already there, and him gone.
void TFlameguy::Kill() {
  LeaveLists();
  for (int k = 0; k < kBurstIckles; ++k)
    MakeIckle(x, y - kBurstHeight, Rand(kLeft, kRight), Rnd(kBurstSpeedMin, kBurstSpeedMax),
              Rnd(kBurstRiseMin, kBurstRiseMax));
  FireLink(target);
}

void TFlameguy::Update() {
  if (state == EnemyState::Active && FrameDue(*this, kFrameMs)) frame = (frame + 1) % kFrames;
}

// He glances the way he floats.
int TFlameguy::StripFrame() const {
  return direction * kFrames + frame;
}

void CreateFlameguy(const ActiveLine& line) {
  auto f = MakeEnemy<TFlameguy>(EnemyKinds::Flameguy, static_cast<float>(line.x),
                                static_cast<float>(line.y), FlameguyList);
  TakeLineLinks(*f, line);
  f->direction = Rand(kLeft, kRight);
  f->speed = Rnd(kSpeedMin, kSpeedMax);
}
