#include "enemies/lavaguy.h"

#include <algorithm>

#include "enemies/plain_walk.h"
#include "present/state_dump.h"
#include "present/timer.h"
#include "world/level_lists.h"
#include "world/level_loader.h"
#include "world/player_state.h"
#include "world/sound_effects.h"

BOINGLE_ENEMY_LIST(TLavaguy, LavaguyList)

// Its probes are ours to choose: a wall is seen 20 to 24 pixels ahead (its
// body is 40 wide), at the height of its blob, and it stands on whatever
// block is under the middle of its feet.
namespace {

constexpr float kMinSpeed = 0.5f, kMaxSpeed = 1;
constexpr int kFramesPerDirection = 16;
constexpr int kFrameMs = 25;
constexpr int kSecondStepFrame = 8;  // the other foot comes down

const PlainWalkProbes kProbes{{-5, 0, 5, 2}, {-24, -40, -20, -8}, {20, -40, 24, -8}, 0.1f, 4};

constexpr int kLeft = 0, kRight = 1;

}  // namespace

void TLavaguy::Enter(LavaguyState next) {
  state = static_cast<int>(next);
  if (next == LavaguyState::Walking) direction = P_X < x ? kLeft : kRight;
}

void TLavaguy::OnWake() {
  Enter(LavaguyState::Walking);
}

void TLavaguy::Behave() {
  PlainWalkStep(*this, kProbes);
  HeroContact(*this);
}

// Its steps are heard only while it walks near the view: asleep, far off,
// it neither waddles nor stomps.
void TLavaguy::Update() {
  if (state != static_cast<int>(LavaguyState::Walking)) return;
  int now = Millisecs();
  if (!MsPassed(stamp, kFrameMs, now)) return;
  stamp = now;
  frame = (frame + 1) % kFramesPerDirection;
  if (frame == 0) PlaySfx(Sfx::LavaguyStep1, 0);
  if (frame == kSecondStepFrame) PlaySfx(Sfx::LavaguyStep2, 0);
}

int TLavaguy::StripFrame() const {
  return direction * kFramesPerDirection + frame;
}

// Its picture is drawn off-centre and mirrored about the feet for the other
// way, so the box covers the reach of both facings.
void TLavaguy::ViewBox(float* left, float* top, float* bw, float* bh) const {
  const Image* picture = Strip();
  float hx = picture ? picture->handleX : w / 2.0f,
        hy = picture ? picture->handleY : static_cast<float>(h);
  float reach = std::max(hx, w - hx);
  *left = x - reach;
  *top = y - hy;
  *bw = 2 * reach;
  *bh = static_cast<float>(h);
}

void CreateLavaguy(const ActiveLine& line) {
  auto g = MakeEnemy<TLavaguy>(EnemyKinds::Lavaguy, static_cast<float>(line.x),
                               static_cast<float>(line.y), LavaguyList);
  TakeLineLinks(*g, line);
  g->direction = Rand(0, 1);
  g->speed = Rnd(kMinSpeed, kMaxSpeed);
}
