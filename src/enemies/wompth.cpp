#include "enemies/wompth.h"

#include "enemies/frame_due.h"
#include "enemies/landing.h"
#include "enemies/walking_core.h"
#include "entities/screen_shake.h"
#include "present/state_dump.h"
#include "world/assets.h"
#include "world/level_lists.h"
#include "world/level_loader.h"
#include "world/particles.h"
#include "world/player_state.h"
#include "world/sound_effects.h"
#include "world/tile_map.h"

BOINGLE_ENEMY_LIST(TWompth, WompthList)

namespace {

// It drops on a hero less than 64 pixels to either side, anywhere in the
// 600 pixels below it.
constexpr float kReachSide = 64;
constexpr float kReachBelow = 600;
constexpr float kDropSpeed = 6;
constexpr float kDropGravity = 0.2f;
constexpr BodyRect kFeet{-16, -20, 16, 0};
constexpr BodyRect kBase{-32, -5, 32, 0};
constexpr int kRestMs = 2000;
constexpr float kSinkRise = 1;  // out of a block it sank into, a pixel a frame
constexpr float kRiseSpeed = 2;
constexpr int kShakeMs = 200;
constexpr int kShakeAmplitude = 5;
constexpr int kSmoke = 10;
constexpr int kLookFrameMs = 150;
constexpr int kLookFrames = 9;
constexpr int kFallFrameMs = 50;
constexpr int kFallFrames = 6;

}  // namespace

void TWompth::Enter(WompthPhase phase) {
  switch (phase) {
    case WompthPhase::Waiting:
    case WompthPhase::Rising:
      frame = 0;
      break;
    case WompthPhase::Dropping:
      ySpeed = kDropSpeed;
      frame = 0;
      break;
    case WompthPhase::Landed:
      ySpeed = 0;
      StartShake(static_cast<int>(ShakeMode::Timed), kShakeMs, kShakeAmplitude);
      PlaySfx(Sfx::RockImpact1, 1);
      EmitSmoke(static_cast<int>(x), static_cast<int>(y), kSmoke);
      rest.Start(kRestMs);
      break;
  }
  mode = static_cast<int>(phase);
}

void TWompth::Behave() {
  switch (Phase()) {
    case WompthPhase::Waiting:
      if (x - kReachSide < P_X && P_X < x + kReachSide && y < P_Y && P_Y < y + kReachBelow)
        Enter(WompthPhase::Dropping);
      break;
    case WompthPhase::Dropping: {
      const float prevY = y;
      y += ySpeed;
      ySpeed += kDropGravity;
      // It strikes as it falls, at its own speed: a touch sends the hero
      // down with it.
      EnemyTouch blow = info->touch;
      blow.heroYSpeed = ySpeed;
      HeroContact(*this, info->body, blow);
      if (const TCollisionBlock* block = LandingBlock(x, y, prevY, kFeet)) {
        y = static_cast<float>(block->y) - 1;
        Enter(WompthPhase::Landed);
      }
      break;
    }
    case WompthPhase::Landed:
      if (ProbeHits(x, y, kBase)) y -= kSinkRise;
      if (rest.Passed()) Enter(WompthPhase::Rising);
      break;
    case WompthPhase::Rising:
      y -= kRiseSpeed;
      if (y <= static_cast<float>(homeY)) {
        y = static_cast<float>(homeY);
        Enter(WompthPhase::Waiting);
      }
      break;
  }
}

void TWompth::Update() {
  if (state != EnemyState::Active) return;
  const bool falling = Phase() == WompthPhase::Dropping;
  if (FrameDue(*this, falling ? kFallFrameMs : kLookFrameMs))
    frame = (frame + 1) % (falling ? kFallFrames : kLookFrames);
}

const Image* TWompth::Strip() const {
  return Phase() == WompthPhase::Dropping ? ImgWompthFall : ImgWompthLook;
}

void CreateWompth(const ActiveLine& line) {
  auto w = MakeEnemy<TWompth>(EnemyKinds::Wompth, static_cast<float>(line.x),
                              static_cast<float>(line.y), WompthList);
  TakeLineLinks(*w, line);
  w->homeY = line.y;
}
