#include "enemies/knight.h"

#include <algorithm>

#include "enemies/frame_due.h"
#include "enemies/top_dash.h"
#include "enemies/walking_core.h"
#include "present/state_dump.h"
#include "world/assets.h"
#include "world/level_lists.h"
#include "world/level_loader.h"
#include "world/player_state.h"
#include "world/sound_effects.h"

BOINGLE_ENEMY_LIST(TKnight, KnightList)

namespace {

// His reach: up to 400 pixels in front, from 200 above his hooves to just
// below them.
constexpr float kReachAhead = 400;
constexpr float kReachAbove = 200;
constexpr float kReachBelow = 4;
// Charging left he rides harder than charging right.
constexpr float kTopSpeedLeftMin = 5, kTopSpeedLeftMax = 7;
constexpr float kTopSpeedRightMin = 3, kTopSpeedRightMax = 5;
constexpr float kSpeedUp = 0.02f;
constexpr int kGetUpFrameMs = 35;
constexpr int kGetUpFrames = 16;
constexpr int kTrotFrames = 14;
constexpr int kStripSide = 16;  // frames per side in both strips
constexpr float kTrotMsAtSpeedOne = 50;
constexpr int kTrotSoundFrame = 5;
// A touch of the horse throws the hero aside.
constexpr float kThrowSpeed = 4;
// The rider's part of the body: a dash that lands on it from above unseats
// him without a sound.
constexpr BodyRect kInnerBody{-20, -50, 20, 0};
constexpr BodyRect kTop{-20, -50, 20, -30};
constexpr int kLeft = 0, kRight = 1;

// The horse is about 85 pixels from nose to tail around the middle of its
// hooves. Its wall probes sit at its nose and tail (40-45 pixels out,
// between 30 and 10 pixels up, clear of a one-pixel step), so it turns with
// its chest at the wall; it has no ledge probes because it rides off ledges.
// It falls with gravity 0.1 up to 6. Standing and rearing it does not move
// along but still stands on (or drops to) the ground.
WalkerProbes KnightProbes() {
  WalkerProbes p;
  p.leftWall = {-45, -30, -40, -10};
  p.rightWall = {40, -30, 45, -10};
  p.maxFall = 6;
  p.ledgeRule = 0;
  return p;
}

}  // namespace

void TKnight::Enter(KnightPhase phase) {
  switch (phase) {
    case KnightPhase::Standing:
      speed = 0;
      frame = 0;
      break;
    case KnightPhase::Rearing:
      speed = 0;
      frame = 0;
      stamp = Millisecs();
      PlaySfx(Sfx::KnightHorse, 0);
      topSpeed = direction == kLeft ? Rnd(kTopSpeedLeftMin, kTopSpeedLeftMax)
                                    : Rnd(kTopSpeedRightMin, kTopSpeedRightMax);
      break;
    case KnightPhase::Trotting:
      frame = 0;
      stamp = Millisecs();
      break;
  }
  mode = static_cast<int>(phase);
}

bool TKnight::HeroInReach() const {
  if (!(y - kReachAbove < P_Y && P_Y < y + kReachBelow)) return false;
  return direction == kLeft ? (x - kReachAhead < P_X && P_X < x)
                            : (x < P_X && P_X < x + kReachAhead);
}

void TKnight::Behave() {
  static const WalkerProbes kProbes = KnightProbes();
  if (Phase() == KnightPhase::Trotting) speed = std::min(topSpeed, speed + kSpeedUp);
  WalkStep(*this, kProbes);
  if (Phase() == KnightPhase::Standing && HeroInReach()) Enter(KnightPhase::Rearing);
  MeetHero();
}

void TKnight::MeetHero() {
  if (PlayerState >= 2) return;
  if (Phase() == KnightPhase::Trotting && DashFlag && BodyTouchesHero(*this, kInnerBody) &&
      FootOnTop(*this, kTop)) {
    EnemyDefeat quiet = info->defeat;
    quiet.sound = -1;
    DefeatEnemy(*this, quiet);
    return;
  }
  if (HeroContact(*this) == Contact::Touched) P_XS = P_X < x ? -kThrowSpeed : kThrowSpeed;
}

void TKnight::Update() {
  // Left behind, he goes back to his post's stance: he rears afresh when the
  // hero comes back.
  if (state == EnemyState::Asleep) {
    if (Phase() != KnightPhase::Standing) Enter(KnightPhase::Standing);
    return;
  }
  if (state != EnemyState::Active) return;
  if (Phase() == KnightPhase::Rearing && FrameDue(*this, kGetUpFrameMs)) {
    if (++frame >= kGetUpFrames) Enter(KnightPhase::Trotting);
  }
  if (Phase() == KnightPhase::Trotting && speed > 0 && FrameDue(*this, kTrotMsAtSpeedOne / speed)) {
    frame = (frame + 1) % kTrotFrames;
    if (frame == kTrotSoundFrame) PlaySfx(Sfx::KnightTrot, 0);
  }
}

// Standing is the first picture of getting up.
const Image* TKnight::Strip() const {
  return Phase() == KnightPhase::Trotting ? ImgKnightTrot : ImgKnightGetup;
}

int TKnight::StripFrame() const {
  return direction * kStripSide + frame;
}

void CreateKnight(const ActiveLine& line) {
  auto k = MakeEnemy<TKnight>(EnemyKinds::Knight, static_cast<float>(line.x),
                              static_cast<float>(line.y), KnightList);
  TakeLineLinks(*k, line);
  k->direction = Rand(0, 1);
  k->mode = static_cast<int>(KnightPhase::Standing);
}
