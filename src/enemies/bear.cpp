#include "enemies/bear.h"

#include "enemies/walking_core.h"
#include "player/player_health.h"
#include "present/present.h"
#include "present/state_dump.h"
#include "present/timer.h"
#include "world/assets.h"
#include "world/level_lists.h"
#include "world/level_loader.h"
#include "world/particles.h"
#include "world/player_state.h"
#include "world/progress.h"
#include "world/sound_effects.h"

BOINGLE_ENEMY_LIST(TBear, BearList)

namespace {

constexpr float kWalkTopSpeed = 1;
constexpr float kRunTopSpeed = 3;
constexpr float kSpeedUp = 0.05f;
// He stands on his feet's middle; the hero lands on his head.
constexpr float kHeadHeight = 91;
constexpr int kFrameMs = 50;
constexpr int kGaitFrames = 8;
constexpr int kDyingFrames = 4;

// A smaller bear's probes: walls closer in, ledges nearer.
WalkerProbes BearProbes() {
  WalkerProbes p;
  p.leftWall = {-10, -10, -7, -6};
  p.rightWall = {7, -10, 10, -6};
  p.nearLeft = {-12, 5, -8, 7};
  p.nearRight = {8, 5, 12, 7};
  return p;
}

}  // namespace

void TBear::Behave() {
  static const WalkerProbes kProbes = BearProbes();
  WalkStep(*this, kProbes);

  // Each life takes a dash of its own: the defeat clears the dash.
  if (PlayerState < 2 && BodyTouchesHero(*this, info->body)) {
    if (DashFlag) {
      const EnemyDefeat& d = info->defeat;
      DashFlag = 0;
      EmitSparkle(static_cast<int>(x), static_cast<int>(y - d.burstAbove), d.burstCount);
      P_YS = -5;
      P_Y = y - kHeadHeight;
      ySpeed = 2;
      frame = 0;
      AddScore(d.score);
      PlaySfx(d.sound, 0);
      --lives;
    } else if (PlayerState == 0) {
      P_YS = info->touch.heroYSpeed;
      HurtPlayer(info->touch.damage);
    }
  }

  switch (static_cast<BearGait>(aux)) {
    case BearGait::Walk: topSpeed = kWalkTopSpeed; break;
    case BearGait::Run: topSpeed = kRunTopSpeed; break;
    case BearGait::Stand: break;
  }
  if (static_cast<BearGait>(aux) != BearGait::Stand && speed < topSpeed) speed += kSpeedUp;
  if (static_cast<BearGait>(aux) == BearGait::Stand) speed = 0;

  if (lives == 2) aux = static_cast<int>(BearGait::Walk);
  if (lives == 1) aux = static_cast<int>(BearGait::Run);
  if (lives <= 0) state = EnemyState::Falling;
}

void TBear::Update() {
  if (state != EnemyState::Active && state != EnemyState::Falling) return;
  int now = Millisecs();
  if (!MsPassed(stamp, kFrameMs, now)) return;
  stamp = now;
  frame = (frame + 1) % (state == EnemyState::Falling ? kDyingFrames : kGaitFrames);
}

const Image* TBear::Strip() const {
  if (state == EnemyState::Falling) return ImgBearDying;
  return static_cast<BearGait>(aux) == BearGait::Run ? ImgBearRunning : ImgBearWalking;
}

int TBear::StripFrame() const {
  if (state == EnemyState::Falling) return frame;
  return direction * kGaitFrames + frame;
}

void CreateBear(const ActiveLine& line) {
  auto b = MakeEnemy<TBear>(EnemyKinds::Bear, static_cast<float>(line.x), static_cast<float>(line.y), BearList);
  TakeLineLinks(*b, line);
  b->direction = Rand(0, 1);
  b->speed = Rnd(0, 1);
  b->mode = line.Int("mode");
}
