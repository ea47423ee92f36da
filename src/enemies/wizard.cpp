#include "enemies/wizard.h"

#include "enemies/walking_core.h"
#include "enemies/wizard_shot.h"
#include "present/present.h"
#include "present/state_dump.h"
#include "world/assets.h"
#include "world/level_lists.h"
#include "world/level_loader.h"
#include "world/player_state.h"
#include "world/sound_effects.h"

BOINGLE_ENEMY_LIST(TWizard, WizardList)

namespace {

constexpr int kCastEveryMs = 4000;
constexpr float kTopWalkSpeed = 0.5f;               // its first pace is random below this
constexpr int kWalkFrameMs = 50, kWalkFrames = 8;   // per direction
constexpr int kCastFrameMs = 25, kCastFrames = 24;  // per direction
// The shot leaves the staff's orb at frame 15, in front of it and above its
// feet.
constexpr int kShotFrame = 15;
constexpr float kShotAhead = 29, kShotAbove = 19;

constexpr int kLeft = 0, kRight = 1;

}  // namespace

void TWizard::OnWake() {
  nextCast.Start(kCastEveryMs);
}

void TWizard::StartCast() {
  PlaySfx(Sfx::WizardCharge, 0);
  casting = true;
  frame = 0;
  stamp = Millisecs();
  direction = P_X >= x ? kRight : kLeft;
}

void TWizard::EndCast() {
  frame = 0;
  casting = false;
  nextCast.Start(kCastEveryMs);
  speed = kTopWalkSpeed;
}

void TWizard::Behave() {
  if (casting)
    speed = 0;
  else if (nextCast.Passed())
    StartCast();
  WalkStep(*this);
  // Beaten in the middle of a cast, its charge falls silent with it.
  if (HeroContact(*this) == Contact::Defeated && casting) StopSfx(Sfx::WizardCharge);
}

void TWizard::Update() {
  if (state != EnemyState::Active) return;
  const int now = Millisecs();
  if (!MsPassed(stamp, casting ? kCastFrameMs : kWalkFrameMs, now)) return;
  stamp = now;
  if (!casting) {
    frame = (frame + 1) % kWalkFrames;
    return;
  }
  ++frame;
  if (frame == kShotFrame) {
    CastShot(x + (direction == kRight ? kShotAhead : -kShotAhead), y - kShotAbove);
    PlaySfx(Sfx::WizardExplosion, 0);
    StopSfx(Sfx::WizardCharge);
  }
  if (frame >= kCastFrames) EndCast();
}

const Image* TWizard::Strip() const {
  return casting ? ImgWizardShoot : ImgWizardWalk;
}

int TWizard::StripFrame() const {
  return casting ? direction * kCastFrames + frame : direction * kWalkFrames + frame;
}

void CreateWizard(const ActiveLine& line) {
  auto wizard = MakeEnemy<TWizard>(EnemyKinds::Wizard, static_cast<float>(line.x),
                                   static_cast<float>(line.y), WizardList);
  TakeLineLinks(*wizard, line);
  wizard->direction = Rand(0, 1);
  wizard->speed = Rnd(0, kTopWalkSpeed);
  wizard->mode = line.Int("mode");
}
