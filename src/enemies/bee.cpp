#include "enemies/bee.h"

#include <algorithm>

#include "present/present.h"
#include "present/state_dump.h"
#include "present/timer.h"
#include "world/assets.h"
#include "world/level_lists.h"
#include "world/level_loader.h"
#include "world/player_state.h"

BOINGLE_ENEMY_LIST(TBee, BeeList)

namespace {

constexpr float kSteer = 0.05f;
// It aims a little right of and above his feet, at the middle of his body.
constexpr float kAimRight = 11;
constexpr float kAimAbove = 22;
// The push apart when it touches him: a fifth of the distance between them.
constexpr float kPushAbove = 20;
constexpr float kPushShare = 5;
constexpr float kMinTopSpeed = 2, kMaxTopSpeed = 4;
constexpr int kFrameMs = 20;
constexpr int kFlyingFrames = 4;  // per facing
constexpr int kDyingFrames = 8;

}  // namespace

void TBee::Behave() {
  x += xSpeed;
  y += ySpeed;
  const float aimX = P_X + kAimRight, aimY = P_Y - kAimAbove;
  if (x > aimX) xSpeed -= kSteer;
  if (x < aimX) xSpeed += kSteer;
  if (y < aimY) ySpeed += kSteer;
  if (y > aimY) ySpeed -= kSteer;
  xSpeed = std::clamp(xSpeed, -maxSpeed, maxSpeed);
  ySpeed = std::clamp(ySpeed, -maxSpeed, maxSpeed);

  if (HeroContact(*this) == Contact::Touched) {
    // Each flies off from the other.
    const float heroMiddle = P_Y - kPushAbove;
    P_YS = (heroMiddle - y) / kPushShare;
    ySpeed = (y - heroMiddle) / kPushShare;
    P_XS = (P_X - x) / kPushShare;
    xSpeed = (x - P_X) / kPushShare;
  }
}

void TBee::Update() {
  const bool dying = state == static_cast<int>(BeeState::Falling);
  if (state == static_cast<int>(BeeState::Flying)) {
    if (x > P_X) facing = 1;
    if (x < P_X) facing = 0;
  }
  if (state == static_cast<int>(BeeState::Asleep)) return;
  int now = Millisecs();
  if (!MsPassed(stamp, kFrameMs, now)) return;
  stamp = now;
  frame = (frame + 1) % (dying ? kDyingFrames : kFlyingFrames);
}

const Image* TBee::Strip() const {
  return state == static_cast<int>(BeeState::Falling) ? ImgBeeDying : ImgBeeFlying;
}

int TBee::StripFrame() const {
  return state == static_cast<int>(BeeState::Falling) ? frame : facing * kFlyingFrames + frame;
}

void TBee::ViewBox(float* left, float* top, float* bw, float* bh) const {
  CentredViewBox(*this, left, top, bw, bh);
}

TBee& MakeBee(float x, float y, int target) {
  auto bee = MakeEnemy<TBee>(EnemyKinds::Bee, x, y, BeeList);
  bee->target = target;
  bee->xSpeed = Rnd(-1, 1);
  bee->ySpeed = Rnd(-1, 1);
  bee->maxSpeed = Rnd(kMinTopSpeed, kMaxTopSpeed);
  return *bee;
}

void CreateBee(const ActiveLine& line) {
  TBee& bee = MakeBee(static_cast<float>(line.x), static_cast<float>(line.y), 0);
  TakeLineLinks(bee, line);
}
