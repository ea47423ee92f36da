#include "enemies/spade.h"

#include "enemies/heading.h"
#include "player/player_health.h"
#include "present/present.h"
#include "present/state_dump.h"
#include "present/timer.h"
#include "world/camera.h"
#include "world/level_lists.h"
#include "world/player_state.h"
#include "world/tile_map.h"

BOINGLE_ENEMY_LIST(TSpade, SpadeList)

namespace {

constexpr float kSpeed = 2;
// It is gone once it is farther than this outside the view.
constexpr float kGoneOutside = 200;
constexpr int kSpinFrames = 8;
constexpr int kSpinMs = 40;

}  // namespace

void TSpade::Behave() {
  MoveAlong(*this, heading, kSpeed);
  if (x < CameraX - kGoneOutside || x > CameraX + kViewWidth + kGoneOutside ||
      y < CameraY - kGoneOutside || y > CameraY + kViewHeight + kGoneOutside) {
    Kill();
    return;
  }
  if (PlayerState < 2 && BodyTouchesHero(*this, info->body)) {
    if (PlayerState == 0) HurtPlayer(info->touch.damage);
    Kill();
  }
}

void TSpade::Update() {
  const int now = Millisecs();
  if (!MsPassed(stamp, kSpinMs, now)) return;
  stamp = now;
  frame = (frame + 1) % kSpinFrames;
}

void TSpade::ViewBox(float* left, float* top, float* bw, float* bh) const {
  CentredViewBox(*this, left, top, bw, bh);
}

void ThrowSpade(float x, float y) {
  auto spade = MakeEnemy<TSpade>(EnemyKinds::Spade, x, y, SpadeList);
  spade->heading = HeadingToHero(x, y);
  // Thrown by a bucket that is awake, it flies at once, even from the edge
  // of the waking range.
  spade->state = EnemyState::Active;
}
