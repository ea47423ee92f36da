#include "enemies/blowfish.h"

#include <algorithm>
#include <cmath>

#include "enemies/frame_due.h"
#include "enemies/walking_core.h"
#include "player/player_health.h"
#include "present/state_dump.h"
#include "world/assets.h"
#include "world/level_lists.h"
#include "world/level_loader.h"
#include "world/particles.h"
#include "world/player_state.h"
#include "world/progress.h"
#include "world/sound_effects.h"

BOINGLE_ENEMY_LIST(TBlowfish, BlowfishList)

namespace {

// Swimming it wanders slowly, mostly along.
constexpr float kSwimSpeedMin = 0.5f, kSwimSpeedMax = 1.5f;
constexpr float kSwimRiseMin = -0.5f, kSwimRiseMax = 0.5f;
constexpr float kNoticeDistance = 100;
constexpr float kPuffSlowing = 0.05f;
constexpr int kPuffFrameMs = 100;
constexpr int kBlowFrame = 9;   // puffing, it blows up when its count reaches this
constexpr int kSwimFrames = 8;  // per side of the swimming strip
constexpr int kSwimFrameMs = 100;
constexpr int kBubbles = 50;
constexpr float kFloatUp = 0.1f;
constexpr float kMaxFloatSpeed = -5;
constexpr int kBlownUpMs = 4000;
constexpr int kBigFrameMs = 50;
// The large strip: 0-10 swell (played backwards to shrink), 11-27 the ball.
constexpr int kBallFirst = 11, kBallLast = 27;
constexpr int kShrinkFirst = 10, kShrinkEnd = 6;
constexpr float kDashBounce = -2;
// Blown up, a touch throws the hero a quarter of the way from its middle to him.
constexpr float kThrowShare = 4;
constexpr BodyRect kBigBody{-70, -50, 70, 50};
constexpr int kLeft = 0, kRight = 1;

// Probes, one pair per axis, just outside the body it has now: the small
// fish (about 44 by 20 around its middle) and the ball (about 140 by 100).
// They sit inside the span of the other axis, so a fish sliding along a
// floor is not turned by it.
struct SwimProbes {
  BodyRect left, right, top, bottom;
};
constexpr SwimProbes kSmall{
    {-25, -5, -22, 5}, {22, -5, 25, 5}, {-10, -13, 10, -10}, {-10, 10, 10, 13}};
constexpr SwimProbes kBig{
    {-75, -20, -70, 20}, {70, -20, 75, 20}, {-30, -55, 30, -50}, {-30, 50, 30, 55}};

}  // namespace

void TBlowfish::Enter(BlowfishPhase phase) {
  switch (phase) {
    case BlowfishPhase::Swimming:
      direction = Rand(kLeft, kRight);
      speed = Rnd(kSwimSpeedMin, kSwimSpeedMax);
      ySpeed = Rnd(kSwimRiseMin, kSwimRiseMax);
      frame = 0;
      break;
    case BlowfishPhase::Puffing:
      PlaySfx(Sfx::FishTick, 0);
      frame = 0;
      stamp = Millisecs();
      break;
    case BlowfishPhase::BlownUp:
      // The tick may still ring; the blow starts on a channel of its own.
      RenewSfxChannel(Sfx::FishTick);
      PlaySfx(Sfx::FishBlow, 0);
      EmitBubbles(static_cast<int>(x), static_cast<int>(y), kBubbles);
      frame = kBallFirst;
      blownUp.Start(kBlownUpMs);
      break;
    case BlowfishPhase::Shrinking:
      frame = kShrinkFirst;
      break;
  }
  mode = static_cast<int>(phase);
}

void TBlowfish::SwimAndBounce() {
  x += direction == kRight ? speed : -speed;
  y += ySpeed;
  const bool big = Phase() == BlowfishPhase::BlownUp || Phase() == BlowfishPhase::Shrinking;
  const SwimProbes& p = big ? kBig : kSmall;
  const BodyRect rects[4] = {p.left, p.right, p.top, p.bottom};
  const unsigned hits = ProbeBlocks(x, y, rects, 4);
  if (direction == kLeft && (hits & 1u))
    direction = kRight;
  else if (direction == kRight && (hits & 2u))
    direction = kLeft;
  if ((ySpeed < 0 && (hits & 4u)) || (ySpeed > 0 && (hits & 8u))) ySpeed = -ySpeed;
}

void TBlowfish::Behave() {
  switch (Phase()) {
    case BlowfishPhase::Swimming:
      // Swimming it cannot be touched at all, not even in the frame it
      // notices the hero.
      SwimAndBounce();
      if (std::hypot(P_X - x, P_Y - y) < kNoticeDistance) Enter(BlowfishPhase::Puffing);
      return;
    case BlowfishPhase::Puffing:
      speed = std::max(0.0f, speed - kPuffSlowing);
      ySpeed = ySpeed > 0 ? std::max(0.0f, ySpeed - kPuffSlowing)
                          : std::min(0.0f, ySpeed + kPuffSlowing);
      SwimAndBounce();
      break;
    case BlowfishPhase::BlownUp:
      ySpeed = std::max(kMaxFloatSpeed, ySpeed - kFloatUp);
      SwimAndBounce();
      if (blownUp.Passed()) Enter(BlowfishPhase::Shrinking);
      break;
    case BlowfishPhase::Shrinking:
      SwimAndBounce();
      break;
  }
  MeetHero();
}

// Puffing (and shrinking back) it is harmless but a dash pops it; blown up
// it hurts, and a dash pops it with a bang.
void TBlowfish::MeetHero() {
  if (PlayerState >= 2) return;
  const bool big = Phase() == BlowfishPhase::BlownUp;
  if (!BodyTouchesHero(*this, big ? kBigBody : info->body)) return;
  if (DashFlag) {
    if (big) PlaySfx(Sfx::BeeHit, 0);
    Pop();
    return;
  }
  if (!big || PlayerState != 0) return;
  P_YS = (P_Y - y) / kThrowShare;
  P_XS = (P_X - x) / kThrowShare;
  HurtPlayer(info->touch.damage);
}

// A dash pops it on the spot: no fall, it is gone at once.
void TBlowfish::Pop() {
  const EnemyDefeat& d = info->defeat;
  DashFlag = 0;
  P_YS = kDashBounce;
  AddScore(d.score);
  EmitFireSmoke(static_cast<int>(x), static_cast<int>(y), d.burstCount, 1.0f);
  Kill();
}

void TBlowfish::Update() {
  if (state != EnemyState::Active) return;
  switch (Phase()) {
    case BlowfishPhase::Swimming:
      if (FrameDue(*this, kSwimFrameMs)) frame = (frame + 1) % kSwimFrames;
      break;
    case BlowfishPhase::Puffing:
      if (FrameDue(*this, kPuffFrameMs) && ++frame >= kBlowFrame) Enter(BlowfishPhase::BlownUp);
      break;
    case BlowfishPhase::BlownUp:
      if (FrameDue(*this, kBigFrameMs)) frame = frame >= kBallLast ? kBallFirst : frame + 1;
      break;
    case BlowfishPhase::Shrinking:
      if (FrameDue(*this, kBigFrameMs) && --frame <= kShrinkEnd) Enter(BlowfishPhase::Swimming);
      break;
  }
}

const Image* TBlowfish::Strip() const {
  return Phase() == BlowfishPhase::BlownUp || Phase() == BlowfishPhase::Shrinking ? ImgBlowfishBlow
                                                                                  : ImgBlowfishSwim;
}

int TBlowfish::StripFrame() const {
  if (Phase() == BlowfishPhase::BlownUp || Phase() == BlowfishPhase::Shrinking) return frame;
  return direction * kSwimFrames + frame % kSwimFrames;
}

void CreateBlowfish(const ActiveLine& line) {
  auto b = MakeEnemy<TBlowfish>(EnemyKinds::Blowfish, static_cast<float>(line.x),
                                static_cast<float>(line.y), BlowfishList);
  TakeLineLinks(*b, line);
  b->direction = Rand(kLeft, kRight);
  b->speed = Rnd(kSwimSpeedMin, kSwimSpeedMax);
  b->ySpeed = Rnd(kSwimRiseMin, kSwimRiseMax);
}
