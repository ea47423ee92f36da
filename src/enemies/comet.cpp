#include "enemies/comet.h"

#include "enemies/enemy_picture.h"
#include "enemies/walking_core.h"
#include "entities/screen_shake.h"
#include "present/state_dump.h"
#include "world/camera.h"
#include "world/level_lists.h"
#include "world/particles.h"
#include "world/player_state.h"
#include "world/sound_effects.h"
#include "world/tile_map.h"

BOINGLE_ENEMY_LIST(TComet, CometList)

// How fast it turns and what it sheds are ours to choose: a turn of 2 to 6
// degrees a frame the way it drifts, and every 50 ms three sparks of its
// fire that trail behind it.
namespace {

constexpr float kMinFall = 4, kMaxFall = 6;
constexpr float kMinDrift = 1, kMaxDrift = 3;
constexpr float kMinSize = 0.25f, kMaxSize = 2;
constexpr float kBoxShare = 0.4f;  // of its picture's width, times its size
constexpr float kMinSpin = 2, kMaxSpin = 6;
constexpr int kSparkMs = 50;
constexpr int kSparks = 3;
constexpr float kSparkTrail = 0.3f;  // of its own speed, backwards
constexpr int kShakeMs = 200;
constexpr int kShakeAmplitude = 5;
constexpr int kSmokePuffs = 10;
constexpr int kSmokePerPuff = 2;
constexpr float kTouchPush = 3;      // the hero's x speed away from it
constexpr float kParticleHalf = 16;  // particles are placed by their top-left

constexpr int kLeft = 0, kRight = 1;

}  // namespace

void TComet::Behave() {
  x += direction == kLeft ? -speed : speed;
  y += ySpeed;
  angle += spin;
  if (sparkTimer.Passed()) {
    sparkTimer.Restart();
    ShedSparks();
  }
  const float r = static_cast<float>(w);
  if (ProbeHits(x, y, {-r, -r, r, r})) {
    Kill();
    return;
  }
  // One that fell where there is no ground is let go once far below the
  // view, quietly: nobody saw it land.
  if (y > CameraY + kViewHeight + kSleepMargin) {
    LeaveLists();
    return;
  }
  if (HeroContact(*this) == Contact::Touched) {
    P_YS = 2 * ySpeed;
    P_XS = P_X < x ? -kTouchPush : kTouchPush;
  }
}

void TComet::ShedSparks() {
  float half = static_cast<float>(w) / 2;
  float xs = (direction == kLeft ? speed : -speed) * kSparkTrail;
  float ys = -ySpeed * kSparkTrail;
  for (int k = 0; k < kSparks; ++k) {
    SpawnParticle(x - kParticleHalf + Rnd(-half, half), y - kParticleHalf + Rnd(-half, half),
                  xs + Rnd(-0.5f, 0.5f), ys + Rnd(-0.5f, 0.5f), 255, Rand(90, 220), Rand(0, 60), 20,
                  0.6f, 0.9f, 0.95f, 0.02f, static_cast<int>(ParticleImage::Orb), 0.5f + size / 2);
  }
}

void TComet::Kill() {
  StartShake(static_cast<int>(ShakeMode::Timed), kShakeMs, kShakeAmplitude);
  PlaySfx(Sfx::CometImpact, 1);
  for (int k = 0; k < kSmokePuffs; ++k)
    EmitFireSmoke(Rand(static_cast<int>(x) - w, static_cast<int>(x) + w),
                  Rand(static_cast<int>(y) - w, static_cast<int>(y) + w), kSmokePerPuff, size);
  LeaveLists();
}

void TComet::Draw() {
  if (hidden) return;
  float left, top, bw, bh;
  ViewBox(&left, &top, &bw, &bh);
  if (!OnScreen(left, top, static_cast<int>(bw), static_cast<int>(bh))) return;
  SetScale(size, size);
  SetRotation(angle);
  DrawImage(Strip(), x - CameraX, y - CameraY, 0);
  SetRotation(0);
  SetScale(1, 1);
}

// Turned, its picture reaches into the corners of a box a little larger.
void TComet::ViewBox(float* left, float* top, float* bw, float* bh) const {
  HandleViewBox(*this, Strip(), size * 1.5f, left, top, bw, bh);
}

void LaunchComet(float x, float y) {
  auto c = MakeEnemy<TComet>(EnemyKinds::Comet, x, y, CometList);
  c->state = static_cast<int>(CometState::Flying);
  c->ySpeed = Rnd(kMinFall, kMaxFall);
  c->speed = Rnd(kMinDrift, kMaxDrift);
  c->direction = P_X < x ? kLeft : kRight;
  c->size = Rnd(kMinSize, kMaxSize);
  c->w = c->h = static_cast<int>(static_cast<float>(c->w) * c->size * kBoxShare);
  c->spin = Rnd(kMinSpin, kMaxSpin) * (c->direction == kRight ? 1 : -1);
  c->sparkTimer.Start(kSparkMs);
}
