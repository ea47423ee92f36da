#include "enemies/rock.h"

#include <algorithm>

#include "enemies/enemy_picture.h"
#include "enemies/walking_core.h"
#include "entities/screen_shake.h"
#include "present/state_dump.h"
#include "world/level_lists.h"
#include "world/level_loader.h"
#include "world/player_state.h"
#include "world/progress.h"
#include "world/sound_effects.h"
#include "world/tile_map.h"

BOINGLE_ENEMY_LIST(TRock, RockList)

// Its roll speed is ours to choose: 2 pixels a frame, well under the hero's
// 4.8, so he can outrun it. The probes are fixed around its middle (its
// picture is a boulder of radius 86 in a cell of 250): walls of two tiles
// or more turn it, a one-tile step it climbs by its sunk probe.
namespace {

constexpr float kRollSpeed = 2;
constexpr float kGravity = 0.1f;
constexpr float kMaxFall = 10;
constexpr float kBounce = -0.75f;  // of the landing speed
// A landing slower than this settles instead of bouncing: resting on the
// floor it would otherwise bounce by a few hundredths of a pixel every frame
// or two, each time with a thud and a shake.
constexpr float kRestSpeed = 1.5f;
constexpr int kShakeMs = 200;
constexpr int kShakeAmplitude = 2;
constexpr float kWallSlowdown = 0.8f;
constexpr float kDashBounce = -5;  // the hero's y speed off a dash
constexpr float kTouchPush = 3;    // the hero's x speed away from it
constexpr float kRadius = 86;      // of its picture
constexpr int kFrames = 8;

enum Probe { kGround, kSunk, kLeftWall, kRightWall, kProbes };
constexpr BodyRect kProbeRects[kProbes] = {
    {-35, 85, 35, 95}, {-35, 75, 35, 85}, {-85, -35, -75, 35}, {75, -35, 85, 35}};

constexpr int kLeft = 0, kRight = 1;

}  // namespace

void TRock::Enter(RockState next) {
  state = static_cast<int>(next);
  if (next == RockState::Rolling) direction = P_X < x ? kLeft : kRight;
}

void TRock::OnWake() {
  Enter(RockState::Rolling);
}

void TRock::Behave() {
  float along = direction == kLeft ? -speed : speed;
  x += along;
  rolled += along;
  y += ySpeed;
  ySpeed = std::min(ySpeed + kGravity, kMaxFall);

  unsigned hits = ProbeBlocks(x, y, kProbeRects, kProbes);
  auto hit = [hits](Probe p) { return (hits & (1u << p)) != 0; };
  if (hit(kGround) && ySpeed > 0) {
    if (ySpeed < kRestSpeed) {
      Settle();
    } else {
      ySpeed *= kBounce;
      PlaySfx(Sfx::RockImpact1, 1);
      StartShake(static_cast<int>(ShakeMode::Timed), kShakeMs, kShakeAmplitude);
    }
  }
  if (hit(kSunk)) y -= 1;
  if ((direction == kLeft && hit(kLeftWall)) || (direction == kRight && hit(kRightWall))) {
    direction = direction == kLeft ? kRight : kLeft;
    speed *= kWallSlowdown;
    PlaySfx(Sfx::RockImpact2, 0);
  }
  MeetHero();
}

// It comes to rest with its picture on the ground: its ground probe, ten
// pixels deep, would otherwise hold it wherever the last small bounce
// ended, floating up to ten pixels over the floor. It only ever drops onto
// the ground this way; up a step its sunk probe lifts it a pixel a frame.
void TRock::Settle() {
  ySpeed = 0;
  const BodyRect& ground = kProbeRects[kGround];
  int top = 0;
  bool found = false;
  VisitBlocksNear(x + ground.left, y + ground.top, x + ground.right, y + ground.bottom,
                  [&](const TCollisionBlock& b, int) {
                    if (!BoxesOverlap(x + ground.left, y + ground.top, x + ground.right,
                                      y + ground.bottom, static_cast<float>(b.x),
                                      static_cast<float>(b.y), static_cast<float>(b.x + kTileSize),
                                      static_cast<float>(b.y + kTileSize)))
                      return true;
                    if (!found || b.y < top) top = b.y;
                    found = true;
                    return true;
                  });
  if (found) y = std::max(y, static_cast<float>(top) - kRadius);
}

// A dash bounces the hero off: points and a thud, and it rolls on. The
// bounce leaves him inside its body for a frame or two, and that is no
// touch: only once he has been out of it does it hurt him again.
void TRock::MeetHero() {
  if (PlayerState >= 2) return;
  if (!BodyTouchesHero(*this, info->body)) {
    heroBouncing = false;
    return;
  }
  if (DashFlag) {
    DashFlag = 0;
    P_YS = kDashBounce;
    AddScore(info->defeat.score);
    PlaySfx(info->defeat.sound, 0);
    heroBouncing = true;
    return;
  }
  if (heroBouncing) return;
  if (HeroContact(*this) == Contact::Touched) P_XS = P_X < x ? -kTouchPush : kTouchPush;
}

void TRock::Update() {
  frame = RollPicture(rolled, kRadius, kFrames);
}

void TRock::ViewBox(float* left, float* top, float* bw, float* bh) const {
  HandleViewBox(*this, Strip(), 1, left, top, bw, bh);
}

void CreateRock(const ActiveLine& line) {
  auto r = MakeEnemy<TRock>(EnemyKinds::Rock, static_cast<float>(line.x),
                            static_cast<float>(line.y), RockList);
  TakeLineLinks(*r, line);
  r->speed = kRollSpeed;
}
