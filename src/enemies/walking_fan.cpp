#include "enemies/walking_fan.h"

#include "enemies/frame_due.h"
#include "enemies/top_dash.h"
#include "enemies/walking_core.h"
#include "present/state_dump.h"
#include "world/assets.h"
#include "world/level_lists.h"
#include "world/level_loader.h"

BOINGLE_ENEMY_LIST(TWalkingFan, WalkingFanList)

namespace {

// A walker's random speed may be next to nothing; a fan that is meant to
// walk is seen to.
constexpr float kWalkSpeedMin = 0.5f, kWalkSpeedMax = 1.5f;
constexpr int kPressStepMs = 50;
constexpr int kPressSteps = 14;
constexpr int kSpinMs = 3000;
constexpr int kSpinFrameMs = 50;
constexpr int kSpinFrames = 4;
constexpr float kWalkMsAtSpeedOne = 50;
constexpr int kWalkFrames = 16;  // per side
// Its head, the top 20 pixels of its body: what a dash must land on.
constexpr BodyRect kTop{-20, -50, 20, -30};

// The fan is about 30 pixels wide on the middle of its feet: the walkers'
// probes fit it (walls 15-20 pixels out, ground and sunk under its feet).
// It walks off ledges (rule 0) and stands on the ground while it presses and
// spins.
WalkerProbes FanProbes() {
  WalkerProbes p;
  p.ledgeRule = 0;
  return p;
}

FanPhase StartingPhase(int field) {
  return field == static_cast<int>(FanPhase::Pressing) ||
                 field == static_cast<int>(FanPhase::Spinning)
             ? static_cast<FanPhase>(field)
             : FanPhase::Walking;
}

}  // namespace

void TWalkingFan::Enter(FanPhase phase) {
  switch (phase) {
    case FanPhase::Walking:
      speed = Rnd(kWalkSpeedMin, kWalkSpeedMax);
      frame = 0;
      break;
    case FanPhase::Pressing:
      speed = 0;
      frame = 0;
      stamp = Millisecs();
      break;
    case FanPhase::Spinning:
      speed = 0;
      frame = 0;
      spin.Start(kSpinMs);
      break;
  }
  mode = static_cast<int>(phase);
}

// A fan asleep in its spin would find its time long over when the hero
// arrives: it starts the spin again where he can see it.
void TWalkingFan::OnWake() {
  if (Phase() == FanPhase::Spinning) spin.Restart();
}

void TWalkingFan::Behave() {
  static const WalkerProbes kProbes = FanProbes();
  WalkStep(*this, kProbes);
  if (Phase() == FanPhase::Spinning && spin.Passed()) Enter(FanPhase::Walking);
  HeroContactFromAbove(*this, kTop);
}

void TWalkingFan::Update() {
  if (state != EnemyState::Active) return;
  switch (Phase()) {
    case FanPhase::Walking:
      if (speed > 0 && FrameDue(*this, kWalkMsAtSpeedOne / speed))
        frame = (frame + 1) % kWalkFrames;
      break;
    case FanPhase::Pressing:
      if (FrameDue(*this, kPressStepMs) && ++frame >= kPressSteps) Enter(FanPhase::Spinning);
      break;
    case FanPhase::Spinning:
      if (FrameDue(*this, kSpinFrameMs)) frame = (frame + 1) % kSpinFrames;
      break;
  }
}

const Image* TWalkingFan::Strip() const {
  switch (Phase()) {
    case FanPhase::Pressing:
      return ImgFanPress;
    case FanPhase::Spinning:
      return ImgFanSpin;
    case FanPhase::Walking:
      break;
  }
  return ImgFanWalk;
}

int TWalkingFan::StripFrame() const {
  switch (Phase()) {
    case FanPhase::Pressing:
      return direction * kPressSteps + frame;
    case FanPhase::Spinning:
      return frame;
    case FanPhase::Walking:
      break;
  }
  return direction * kWalkFrames + frame;
}

void CreateWalkingFan(const ActiveLine& line) {
  auto f = MakeEnemy<TWalkingFan>(EnemyKinds::WalkingFan, static_cast<float>(line.x),
                                  static_cast<float>(line.y), WalkingFanList);
  TakeLineLinks(*f, line);
  f->direction = Rand(0, 1);
  f->Enter(StartingPhase(line.Int("mode")));
}
