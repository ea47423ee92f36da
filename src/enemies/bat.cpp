#include "enemies/bat.h"

#include <algorithm>

#include "enemies/walking_core.h"
#include "present/present.h"
#include "present/state_dump.h"
#include "present/timer.h"
#include "world/assets.h"
#include "world/camera.h"
#include "world/level_lists.h"
#include "world/level_loader.h"
#include "world/player_state.h"
#include "world/sound_effects.h"
#include "world/tile_map.h"

BOINGLE_ENEMY_LIST(TBat, BatList)

namespace {

// It sees a hero below it and at most this far to either side.
constexpr float kSightSide = 96;
constexpr float kSightBelow = 600;
// From the hanging picture's anchor (its feet under the ceiling) to the
// flying one's (under its body).
constexpr float kHangToFly = 49;
// It drops to just above the hero's feet.
constexpr float kSwoopAboveHero = 32;
constexpr float kDropSpeed = 5, kDropGravity = 0.2f, kDropTopSpeed = 7;
constexpr float kFlutterSpeed = 2, kFlutterPull = 0.3f;
constexpr float kFlutterDamping = 4;  // the drop's speed is quartered as it levels out
constexpr int kFlutterMs = 4000;
constexpr float kReturnBrake = 0.5f, kReturnLift = 0.3f, kReturnTopSpeed = -6;
constexpr float kDeathGravity = 0.4f;

constexpr BodyRect kFloorProbe{-20, -10, 20, 0};
constexpr BodyRect kCeilingProbe{-20, -50, 20, -40};
constexpr BodyRect kLeftProbe{-30, -40, -30, -10};
constexpr BodyRect kRightProbe{30, -40, 30, -10};

constexpr int kHangFrames = 10, kHangMs = 200;
constexpr int kFlyFrames = 8, kFlutterFrameMs = 30, kReturnFrameMs = 60;
// Boxes tested against the view: the hanging picture below its anchor, the
// flying one around its anchor near its feet.
constexpr float kHangW = 28, kHangH = 45;
constexpr float kFlyW = 65, kFlyH = 54, kFlyHandleX = 33, kFlyHandleY = 49;

constexpr int kLeft = 0, kRight = 1;

}  // namespace

void TBat::Enter(BatPhase phase) {
  mode = static_cast<int>(phase);
  frame = 0;
  switch (phase) {
    case BatPhase::Hanging:
      ySpeed = 0;
      break;
    case BatPhase::Dropping:
      y += kHangToFly;
      ySpeed = kDropSpeed;
      swoopY = P_Y - kSwoopAboveHero;
      direction = P_X >= x ? kRight : kLeft;
      PlaySfx(Sfx::BatSqueak1, 0);
      break;
    case BatPhase::Fluttering:
      phaseStart = Millisecs();
      xSpeed = kFlutterSpeed;
      ySpeed /= kFlutterDamping;
      PlaySfx(Sfx::BatFlap, 0);
      break;
    case BatPhase::Returning:
      ySpeed = 0;
      PlaySfx(Sfx::BatSqueak2, 0);
      break;
  }
}

void TBat::Bump(float oldX, float oldY, bool vertical) {
  if (direction == kLeft && ProbeHits(x, y, kLeftProbe)) {
    direction = kRight;
    x = oldX;
  }
  if (direction == kRight && ProbeHits(x, y, kRightProbe)) {
    direction = kLeft;
    x = oldX;
  }
  if (vertical && (ProbeHits(x, y, kFloorProbe) || ProbeHits(x, y, kCeilingProbe))) {
    y = oldY;
    ySpeed = -ySpeed;
  }
}

void TBat::Behave() {
  if (state == EnemyState::Falling) {
    DeathFall(*this, kDeathGravity);
    return;
  }
  const float oldX = x, oldY = y;
  switch (Phase()) {
    case BatPhase::Hanging:
      if (y < P_Y && P_Y < y + kSightBelow && x - kSightSide < P_X && P_X < x + kSightSide)
        Enter(BatPhase::Dropping);
      break;
    case BatPhase::Dropping:
      y += ySpeed;
      if (ySpeed < kDropTopSpeed) ySpeed += kDropGravity;
      if (y >= swoopY) Enter(BatPhase::Fluttering);
      break;
    case BatPhase::Fluttering:
      x += direction == kRight ? xSpeed : -xSpeed;
      ySpeed += y <= swoopY ? kFlutterPull : -kFlutterPull;
      y += ySpeed;
      Bump(oldX, oldY, true);
      if (MsPassed(phaseStart, kFlutterMs)) Enter(BatPhase::Returning);
      break;
    case BatPhase::Returning: {
      x += direction == kRight ? xSpeed : -xSpeed;
      if (xSpeed > 0) xSpeed = std::max(0.0f, xSpeed - kReturnBrake);
      y += ySpeed;
      ySpeed = std::max(kReturnTopSpeed, ySpeed - kReturnLift);
      Bump(oldX, oldY, false);
      if (const TCollisionBlock* ceiling = FirstBlockHit(x, y, kCeilingProbe)) {
        y = static_cast<float>(ceiling->y + kTileSize);
        Enter(BatPhase::Hanging);
      }
      break;
    }
  }
  HeroContact(*this);
}

void TBat::Update() {
  if (state != EnemyState::Active) return;
  int period = 0, frames = kFlyFrames;
  switch (Phase()) {
    case BatPhase::Hanging:
      period = kHangMs, frames = kHangFrames;
      break;
    case BatPhase::Dropping:
      direction = P_X >= x ? kRight : kLeft;
      return;
    case BatPhase::Fluttering:
      period = kFlutterFrameMs;
      break;
    case BatPhase::Returning:
      period = kReturnFrameMs;
      break;
  }
  int now = Millisecs();
  if (!MsPassed(stamp, period, now)) return;
  stamp = now;
  frame = (frame + 1) % frames;
}

const Image* TBat::Strip() const {
  return Phase() == BatPhase::Hanging ? ImgBatHang : ImgBatFly;
}

int TBat::StripFrame() const {
  return Phase() == BatPhase::Hanging ? frame : direction * kFlyFrames + frame;
}

void TBat::ViewBox(float* left, float* top, float* bw, float* bh) const {
  if (Phase() == BatPhase::Hanging) {
    *left = x - kHangW / 2;
    *top = y;
    *bw = kHangW;
    *bh = kHangH;
  } else {
    *left = x - kFlyHandleX;
    *top = y - kFlyHandleY;
    *bw = kFlyW;
    *bh = kFlyH;
  }
}

void CreateBat(const ActiveLine& line) {
  auto bat = MakeEnemy<TBat>(EnemyKinds::Bat, static_cast<float>(line.x),
                             static_cast<float>(line.y), BatList);
  TakeLineLinks(*bat, line);
}
