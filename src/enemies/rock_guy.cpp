#include "enemies/rock_guy.h"

#include "enemies/frame_due.h"
#include "enemies/top_dash.h"
#include "enemies/walking_core.h"
#include "entities/screen_shake.h"
#include "present/state_dump.h"
#include "world/assets.h"
#include "world/level_lists.h"
#include "world/level_loader.h"
#include "world/particles.h"
#include "world/sound_effects.h"

BOINGLE_ENEMY_LIST(TRockGuy, RockGuyList)

namespace {

// A heavy plod.
constexpr float kWalkSpeedMin = 0.5f, kWalkSpeedMax = 1.0f;
constexpr int kLeapAfterLandingMs = 4000;
constexpr int kStandAfterLandingMs = 2000;
// A leap of about 80 pixels up and as far along as he walks in 80 frames.
constexpr float kLeapSpeed = -4;
constexpr int kShakeMs = 200;
constexpr int kShakeAmplitude = 2;
constexpr int kSmoke = 10;
constexpr float kWalkMsAtSpeedOne = 50;
constexpr int kWalkFrames = 16;  // per side
// The leap strip, per side: crouch 0-4, spring 5-7, air 8-14, land 15-17,
// stand up 18-20.
constexpr int kLeapFrames = 21;
constexpr int kSpringFrame = 5, kLastAirFrame = 14, kLandFrame = 15, kLastLeapFrame = 20;
constexpr int kLeapFrameMs = 60;
constexpr BodyRect kTop{-20, -50, 20, -30};
// His head: a leap under a ceiling ends there instead of passing through.
constexpr BodyRect kHead{-10, -70, 10, -66};

// The golem is about 56 pixels wide and 80 tall on the middle of his feet.
// His wall probes are at his sides (25-30 pixels out, between 20 and 4
// pixels up); ground and sunk are the walkers'. He walks off ledges (rule 0)
// and falls with gravity 0.1 up to 5, so a leap comes down faster than a
// walker's drop.
WalkerProbes RockGuyProbes() {
  WalkerProbes p;
  p.leftWall = {-30, -20, -25, -4};
  p.rightWall = {25, -20, 30, -4};
  p.maxFall = 5;
  p.ledgeRule = 0;
  return p;
}

RockGuyPhase StartingPhase(int field) {
  return field == static_cast<int>(RockGuyPhase::Jumping) ||
                 field == static_cast<int>(RockGuyPhase::Landed)
             ? static_cast<RockGuyPhase>(field)
             : RockGuyPhase::Walking;
}

}  // namespace

void TRockGuy::Enter(RockGuyPhase phase) {
  switch (phase) {
    case RockGuyPhase::Walking:
      direction = Rand(0, 1);
      speed = Rnd(kWalkSpeedMin, kWalkSpeedMax);
      frame = 0;
      break;
    case RockGuyPhase::Jumping:
      PlaySfx(Sfx::RockguyJump, 0);
      ySpeed = kLeapSpeed;
      frame = kSpringFrame;
      stamp = Millisecs();
      break;
    case RockGuyPhase::Landed:
      speed = 0;
      frame = kLandFrame;
      stamp = Millisecs();
      rest.Start(kStandAfterLandingMs);
      sinceLanding.Start(kLeapAfterLandingMs);
      break;
  }
  mode = static_cast<int>(phase);
}

// Only a leap that comes down thumps; a rock guy placed standing just stands.
void TRockGuy::Land() {
  PlaySfx(Sfx::RockguyLand, 0);
  PlaySfx(Sfx::RockImpact1, 0);
  EmitSmoke(static_cast<int>(x), static_cast<int>(y), kSmoke);
  StartShake(static_cast<int>(ShakeMode::Timed), kShakeMs, kShakeAmplitude);
  Enter(RockGuyPhase::Landed);
}

// He starts what his line says once he is near enough to be seen doing it,
// and his first leap comes a full wait after that.
void TRockGuy::OnWake() {
  if (woken) return;
  woken = true;
  sinceLanding.Start(kLeapAfterLandingMs);
  if (Phase() != RockGuyPhase::Walking) Enter(Phase());
}

void TRockGuy::Behave() {
  static const WalkerProbes kProbes = RockGuyProbes();
  const bool rising = ySpeed < 0;
  const WalkResult r = WalkStep(*this, kProbes);
  if (ySpeed < 0 && ProbeHits(x, y, kHead)) ySpeed = 0;
  switch (Phase()) {
    case RockGuyPhase::Walking:
      if (r.onGround && sinceLanding.Passed()) Enter(RockGuyPhase::Jumping);
      break;
    case RockGuyPhase::Jumping:
      if (r.onGround && !rising) Land();
      break;
    case RockGuyPhase::Landed:
      if (rest.Passed()) Enter(RockGuyPhase::Walking);
      break;
  }
  HeroContactFromAbove(*this, kTop);
}

void TRockGuy::Update() {
  if (state != EnemyState::Active) return;
  switch (Phase()) {
    case RockGuyPhase::Walking:
      if (speed > 0 && FrameDue(*this, kWalkMsAtSpeedOne / speed))
        frame = (frame + 1) % kWalkFrames;
      break;
    case RockGuyPhase::Jumping:
      if (frame < kLastAirFrame && FrameDue(*this, kLeapFrameMs)) ++frame;
      break;
    case RockGuyPhase::Landed:
      if (frame < kLastLeapFrame && FrameDue(*this, kLeapFrameMs)) ++frame;
      break;
  }
}

const Image* TRockGuy::Strip() const {
  return Phase() == RockGuyPhase::Walking ? ImgRockGuyWalk : ImgRockGuyJump;
}

int TRockGuy::StripFrame() const {
  return Phase() == RockGuyPhase::Walking ? direction * kWalkFrames + frame
                                          : direction * kLeapFrames + frame;
}

void CreateRockGuy(const ActiveLine& line) {
  auto g = MakeEnemy<TRockGuy>(EnemyKinds::RockGuy, static_cast<float>(line.x),
                               static_cast<float>(line.y), RockGuyList);
  TakeLineLinks(*g, line);
  g->direction = Rand(0, 1);
  g->speed = Rnd(kWalkSpeedMin, kWalkSpeedMax);
  g->mode = static_cast<int>(StartingPhase(line.Int("mode")));
}
