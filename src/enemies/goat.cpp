#include "enemies/goat.h"

#include <algorithm>

#include "enemies/frame_due.h"
#include "enemies/walking_core.h"
#include "present/state_dump.h"
#include "world/assets.h"
#include "world/level_lists.h"
#include "world/level_loader.h"
#include "world/player_state.h"
#include "world/sound_effects.h"

BOINGLE_ENEMY_LIST(TGoat, GoatList)

namespace {

constexpr float kWalkSpeed = 1;
constexpr float kChargeSpeed = 4;
constexpr float kSkidSlowing = 0.05f;
// What it sees: up to 400 pixels ahead, from its feet up to 400 above them.
constexpr float kSightAhead = 400;
constexpr float kSightAbove = 400;
// A touch throws the hero on at four times the goat's own speed.
constexpr float kThrowFactor = 4;
constexpr int kWalkFrameMs = 100;
constexpr int kChargeFrameMs = 25;
constexpr int kSkidFrameMs = 50;
constexpr int kRunFrames = 16;  // per side of the running strip
constexpr int kSkidFrames = 6;  // per side of the skidding strip
constexpr int kSkidSoundFrame = 3;
// After bracing (frames 0-3) the skid shakes between frames 4 and 5.
constexpr int kSkidHoldA = 4, kSkidHoldB = 5;
constexpr int kLeft = 0, kRight = 1;

// The goat is about 50 pixels from horns to tail, standing on the middle of
// its hooves. Its wall probes reach just past its nose (22-27 pixels out,
// knee-high), and its ledge probes (the walkers' 22-25 pixels ahead) find
// the edge while its front hooves are still on the ground; at its charging
// speed of 4 it turns within the frame it finds it. Walking and charging it
// turns at ledges like a mode 1 walker; skidding it cannot turn, so it slides
// off a ledge, and a wall stops the skid where it stands.
WalkerProbes GoatProbes(int ledgeRule) {
  WalkerProbes p;
  p.leftWall = {-27, -20, -22, -4};
  p.rightWall = {22, -20, 27, -4};
  p.ledgeRule = ledgeRule;
  return p;
}

}  // namespace

void TGoat::Enter(GoatPhase phase) {
  switch (phase) {
    case GoatPhase::Walking:
      speed = kWalkSpeed;
      frame = 0;
      break;
    case GoatPhase::Charging:
      speed = kChargeSpeed;
      PlaySfx(Sfx::GoatBaa, 0);
      break;
    case GoatPhase::Skidding:
      frame = 0;
      stamp = Millisecs();
      break;
  }
  mode = static_cast<int>(phase);
}

bool TGoat::HeroAhead() const {
  if (P_X < x - kSightAhead || P_X > x + kSightAhead || P_Y < y - kSightAbove || P_Y > y)
    return false;
  return direction == kRight ? P_X > x : P_X < x;
}

bool TGoat::HeroBehind() const {
  return direction == kRight ? P_X < x : P_X > x;
}

void TGoat::Behave() {
  static const WalkerProbes kTurning = GoatProbes(1), kSliding = GoatProbes(0);
  const int heading = direction;
  const WalkResult r = WalkStep(*this, Phase() == GoatPhase::Skidding ? kSliding : kTurning);
  switch (Phase()) {
    case GoatPhase::Walking:
      if (r.onGround && HeroAhead()) Enter(GoatPhase::Charging);
      break;
    case GoatPhase::Charging:
      if (HeroBehind()) Enter(GoatPhase::Skidding);
      break;
    case GoatPhase::Skidding:
      if (direction != heading) {
        direction = heading;
        speed = 0;
      }
      speed = std::max(0.0f, speed - kSkidSlowing);
      if (r.onGround && speed <= 0) Enter(GoatPhase::Walking);
      break;
  }
  if (HeroContact(*this) == Contact::Touched)
    P_XS = kThrowFactor * (direction == kRight ? speed : -speed);
}

void TGoat::Update() {
  if (state != EnemyState::Active) return;
  switch (Phase()) {
    case GoatPhase::Walking:
    case GoatPhase::Charging:
      if (FrameDue(*this, Phase() == GoatPhase::Walking ? kWalkFrameMs : kChargeFrameMs)) {
        frame = (frame + 1) % kRunFrames;
        if (frame == 0) PlaySfx(Sfx::GoatGallop, 0);
      }
      break;
    case GoatPhase::Skidding:
      if (!FrameDue(*this, kSkidFrameMs)) break;
      if (frame < kSkidHoldA) {
        ++frame;
        if (frame == kSkidSoundFrame) PlaySfx(Sfx::GoatSkid, 0);
      } else {
        frame = frame == kSkidHoldA ? kSkidHoldB : kSkidHoldA;
      }
      break;
  }
}

const Image* TGoat::Strip() const {
  return Phase() == GoatPhase::Skidding ? ImgGoatSkid : ImgGoatRun;
}

int TGoat::StripFrame() const {
  return Phase() == GoatPhase::Skidding ? direction * kSkidFrames + frame
                                        : direction * kRunFrames + frame;
}

void CreateGoat(const ActiveLine& line) {
  auto g = MakeEnemy<TGoat>(EnemyKinds::Goat, static_cast<float>(line.x),
                            static_cast<float>(line.y), GoatList);
  TakeLineLinks(*g, line);
  g->direction = Rand(0, 1);
  g->speed = kWalkSpeed;
}
