#include "enemies/wizard_shot.h"

#include "enemies/heading.h"
#include "enemies/walking_core.h"
#include "player/player_health.h"
#include "present/present.h"
#include "present/state_dump.h"
#include "world/level_lists.h"
#include "world/player_state.h"

BOINGLE_ENEMY_LIST(TWizardShot, WizardShotList)

namespace {

constexpr float kSpeed = 10;
constexpr float kAimSpread = 10;  // degrees either way
constexpr int kSpentAt = 6;       // bounces
constexpr int kHitCounts = 10;    // a hit spends it at once
// A fifth of the distance between them: how hard a hit pushes the hero away.
constexpr float kPushAbove = 20, kPushShare = 5;
constexpr BodyRect kBottomProbe{-8, 14, 8, 16};
constexpr BodyRect kTopProbe{-8, -16, 8, -14};
constexpr BodyRect kLeftProbe{-16, -8, -14, 8};
constexpr BodyRect kRightProbe{14, -8, 16, 8};
enum Probe { kBottom, kTop, kLeft, kRight, kProbeCount };

}  // namespace

void TWizardShot::Behave() {
  const float oldX = x, oldY = y;
  MoveAlong(*this, heading, kSpeed);

  const BodyRect probes[kProbeCount] = {kBottomProbe, kTopProbe, kLeftProbe, kRightProbe};
  const unsigned hits = ProbeBlocks(x, y, probes, kProbeCount);
  if (hits & ((1u << kBottom) | (1u << kTop))) {
    heading = 180 - heading;
    y = oldY;
    ++bounces;
  }
  if (hits & ((1u << kLeft) | (1u << kRight))) {
    heading = -heading;
    x = oldX;
    ++bounces;
  }

  if (PlayerState < 2 && BodyTouchesHero(*this, info->body)) {
    P_YS = (P_Y - kPushAbove - y) / kPushShare;
    P_XS = (P_X - x) / kPushShare;
    bounces += kHitCounts;
    HurtPlayer(info->touch.damage);
  }

  // Spent, it simply goes: no link listens for a shot. One that has flown
  // far out of sight goes too, rather than hang there asleep until the view
  // comes back to it.
  if (bounces >= kSpentAt || FarOutOfView()) LeaveLists();
}

void TWizardShot::ViewBox(float* left, float* top, float* bw, float* bh) const {
  CentredViewBox(*this, left, top, bw, bh);
}

void CastShot(float x, float y) {
  auto shot = MakeEnemy<TWizardShot>(EnemyKinds::WizardShot, x, y, WizardShotList);
  shot->heading = HeadingToHero(x, y) + Rnd(-kAimSpread, kAimSpread);
  // Cast by an awake wizard, it flies at once, even from the edge of the
  // waking range.
  shot->state = EnemyState::Active;
}
