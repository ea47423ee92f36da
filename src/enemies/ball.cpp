#include "enemies/ball.h"

#include <algorithm>

#include "enemies/enemy_picture.h"
#include "enemies/walking_core.h"
#include "present/state_dump.h"
#include "world/level_lists.h"
#include "world/level_loader.h"
#include "world/player_state.h"
#include "world/sound_effects.h"

BOINGLE_ENEMY_LIST(TBall, BallList)

// Its roll speed is ours to choose: 1 to 2 pixels a frame, slower than the
// hero's 4.8, so he can always get away from one; the probes are fixed
// around its middle (its picture is a ball of radius 19).
namespace {

constexpr float kMinSpeed = 1, kMaxSpeed = 2;
constexpr float kGravity = 0.1f;
constexpr float kMaxFall = 10;
constexpr float kMaxRebound = 7;  // the fastest it leaves the ground
// A ball that meets the ground slower than this rolls on it instead of
// bouncing: one placed on the floor would otherwise bounce by a tenth of a
// pixel every other frame, each bounce with its sound.
constexpr float kRestSpeed = 0.5f;
constexpr float kTouchRebound = -4;
constexpr float kRadius = 19;  // of its picture
constexpr int kFrames = 10;

enum Probe { kGround, kCeiling, kLeftWall, kRightWall, kProbes };
constexpr BodyRect kProbeRects[kProbes] = {
    {-10, 14, 10, 16}, {-10, -16, 10, -14}, {-15, -5, -10, 5}, {10, -5, 15, 5}};

constexpr int kLeft = 0, kRight = 1;

}  // namespace

void TBall::Enter(BallState next) {
  state = static_cast<int>(next);
  if (next == BallState::Rolling) direction = P_X < x ? kLeft : kRight;
}

void TBall::OnWake() {
  Enter(BallState::Rolling);
}

void TBall::Behave() {
  // Gravity before the move: a bounce that puts it back where it was and
  // turns its speed round then climbs exactly as high as it fell.
  float oldY = y;
  float along = direction == kLeft ? -speed : speed;
  x += along;
  rolled += along;
  ySpeed = std::min(ySpeed + kGravity, kMaxFall);
  y += ySpeed;

  unsigned hits = ProbeBlocks(x, y, kProbeRects, kProbes);
  auto hit = [hits](Probe p) { return (hits & (1u << p)) != 0; };
  if (hit(kGround) && ySpeed > 0) {
    y = oldY;
    if (ySpeed < kRestSpeed) {
      ySpeed = 0;
    } else {
      ySpeed = std::max(-ySpeed, -kMaxRebound);
      PlaySfx(Sfx::BallBounce, 1);
    }
  }
  if (hit(kCeiling) && ySpeed < 0) {
    ySpeed = -ySpeed;
    y += 1;
  }
  if (direction == kLeft && hit(kLeftWall)) {
    direction = kRight;
  } else if (direction == kRight && hit(kRightWall)) {
    direction = kLeft;
  }

  switch (HeroContact(*this)) {
    case Contact::Defeated:
      // Popped: no fall, gone at once.
      Kill();
      break;
    case Contact::Touched:
      // It rolls back the way it came: a turn, so the wall it now rolls
      // towards is the one it watches.
      P_XS = 0;
      ySpeed = kTouchRebound;
      direction = direction == kLeft ? kRight : kLeft;
      break;
    case Contact::None:
      break;
  }
}

void TBall::Update() {
  frame = RollPicture(rolled, kRadius, kFrames);
}

void TBall::ViewBox(float* left, float* top, float* bw, float* bh) const {
  HandleViewBox(*this, Strip(), 1, left, top, bw, bh);
}

void CreateBall(const ActiveLine& line) {
  auto b = MakeEnemy<TBall>(EnemyKinds::Ball, static_cast<float>(line.x),
                            static_cast<float>(line.y), BallList);
  TakeLineLinks(*b, line);
  b->direction = Rand(0, 1);
  b->speed = Rnd(kMinSpeed, kMaxSpeed);
}
