#include "enemies/starfish.h"

#include <algorithm>

#include "enemies/frame_due.h"
#include "enemies/landing.h"
#include "enemies/walking_core.h"
#include "present/state_dump.h"
#include "world/assets.h"
#include "world/level_lists.h"
#include "world/level_loader.h"
#include "world/player_state.h"
#include "world/sound_effects.h"
#include "world/tile_map.h"

BOINGLE_ENEMY_LIST(TStarfish, StarfishList)

namespace {

constexpr float kWakeSpeed = 1;
constexpr float kLandedSpeed = 2;
constexpr float kGravity = 0.1f;
constexpr float kMaxFall = 5;
constexpr int kKickRestMs = 4000;
constexpr float kKickYSpeedMin = -6, kKickYSpeedMax = -4;
constexpr float kKickSpeedMin = 5, kKickSpeedMax = 10;
// A wall strike throws it back at half speed, higher off a wall on its left.
constexpr float kStrikeSlowing = 0.5f;
constexpr float kRightWallYSpeed = -3;
constexpr float kLeftWallYSpeed = -4;
constexpr float kPushSpeed = 3;  // a touch pushes the hero away
constexpr int kKickedDamage = 2;
constexpr BodyRect kLeftWall{-33, -30, -28, -10};
constexpr BodyRect kRightWall{28, -30, 33, -10};
// It stands on its two lower arms, about 24 pixels apart: its feet span
// them, one pixel deep, so a falling starfish meets the block top it crossed
// and stands one pixel above it, and one that walks off a ledge drops once
// its middle is past the edge.
constexpr BodyRect kFeet{-12, 0, 12, 1};
constexpr float kWalkMsAtSpeedOne = 50;
constexpr int kWalkFrames = 16;  // per side
constexpr int kKickFrameMs = 60;
constexpr int kKickFrames = 6;  // per side
constexpr int kSpinFrameMs = 50;
constexpr int kSpinFrames = 8;
constexpr int kLeft = 0, kRight = 1;

int TowardsHero(float x) {
  return P_X > x ? kRight : kLeft;
}

}  // namespace

void TStarfish::Enter(StarfishPhase phase) {
  switch (phase) {
    case StarfishPhase::Walking:
      ySpeed = 0;
      frame = 0;
      rest.Start(kKickRestMs);
      break;
    case StarfishPhase::Kicked:
      direction = TowardsHero(x);
      ySpeed = Rnd(kKickYSpeedMin, kKickYSpeedMax);
      speed = Rnd(kKickSpeedMin, kKickSpeedMax);
      frame = 0;
      PlaySfx(Sfx::StarfishKick, 0);
      break;
    case StarfishPhase::Spinning:
      frame = 0;
      PlaySfx(Sfx::StarfishCollide, 0);
      break;
  }
  mode = static_cast<int>(phase);
}

void TStarfish::OnWake() {
  speed = kWakeSpeed;
  Enter(StarfishPhase::Walking);
}

void TStarfish::Strike(int newDirection, float newYSpeed) {
  direction = newDirection;
  speed *= kStrikeSlowing;
  ySpeed = newYSpeed;
  Enter(StarfishPhase::Spinning);
}

void TStarfish::Land() {
  speed = kLandedSpeed;
  direction = TowardsHero(x);
  PlaySfx(Sfx::StarfishLand, 0);
  Enter(StarfishPhase::Walking);
}

void TStarfish::Behave() {
  const float prevY = y;
  const bool falling = ySpeed >= 0;
  x += direction == kRight ? speed : -speed;
  y += ySpeed;
  ySpeed = std::min(ySpeed + kGravity, kMaxFall);

  bool onGround = false;
  if (falling) {
    if (const TCollisionBlock* block = LandingBlock(x, y, prevY, kFeet)) {
      y = static_cast<float>(block->y) - 1;
      onGround = true;
    }
  }
  const BodyRect walls[2] = {kLeftWall, kRightWall};
  const unsigned hits = ProbeBlocks(x, y, walls, 2);
  const bool leftWall = (hits & 1u) != 0, rightWall = (hits & 2u) != 0;

  switch (Phase()) {
    case StarfishPhase::Walking:
      if (onGround) ySpeed = 0;
      if (direction == kLeft && leftWall)
        direction = kRight;
      else if (direction == kRight && rightWall)
        direction = kLeft;
      if (onGround && rest.Passed() && OnScreen(x, y, 0, 0)) Enter(StarfishPhase::Kicked);
      break;
    case StarfishPhase::Kicked:
    case StarfishPhase::Spinning:
      // A spinning starfish that meets the opposite wall strikes it too,
      // rather than flying into it.
      if (direction == kRight && rightWall)
        Strike(kLeft, kRightWallYSpeed);
      else if (direction == kLeft && leftWall)
        Strike(kRight, kLeftWallYSpeed);
      if (onGround) Land();
      break;
  }

  EnemyTouch touch = info->touch;
  if (Phase() == StarfishPhase::Kicked) touch.damage = kKickedDamage;
  if (HeroContact(*this, info->body, touch) == Contact::Touched)
    P_XS = P_X < x ? -kPushSpeed : kPushSpeed;
}

void TStarfish::Update() {
  if (state != EnemyState::Active) return;
  switch (Phase()) {
    case StarfishPhase::Walking:
      if (speed > 0 && FrameDue(*this, kWalkMsAtSpeedOne / speed))
        frame = (frame + 1) % kWalkFrames;
      break;
    case StarfishPhase::Kicked:
      if (FrameDue(*this, kKickFrameMs)) frame = (frame + 1) % kKickFrames;
      break;
    case StarfishPhase::Spinning:
      if (FrameDue(*this, kSpinFrameMs)) frame = (frame + 1) % kSpinFrames;
      break;
  }
}

const Image* TStarfish::Strip() const {
  switch (Phase()) {
    case StarfishPhase::Kicked:
      return ImgStarfishKick;
    case StarfishPhase::Spinning:
      return ImgStarfishSpin;
    case StarfishPhase::Walking:
      break;
  }
  return ImgStarfishWalk;
}

int TStarfish::StripFrame() const {
  switch (Phase()) {
    case StarfishPhase::Kicked:
      return direction * kKickFrames + frame;
    case StarfishPhase::Spinning:
      return frame;
    case StarfishPhase::Walking:
      break;
  }
  return direction * kWalkFrames + frame;
}

void CreateStarfish(const ActiveLine& line) {
  auto s = MakeEnemy<TStarfish>(EnemyKinds::Starfish, static_cast<float>(line.x),
                                static_cast<float>(line.y), StarfishList);
  TakeLineLinks(*s, line);
  s->direction = Rand(0, 1);
  s->speed = kWakeSpeed;
}
