#include "enemies/biddie.h"

#include "enemies/plain_walk.h"
#include "present/state_dump.h"
#include "present/timer.h"
#include "world/level_lists.h"
#include "world/level_loader.h"

BOINGLE_ENEMY_LIST(TBiddie, BiddieList)

// Her probes are ours to choose: a wall is seen 20 to 24 pixels ahead, at
// the height of her body (she is 60 wide, 80 tall), and she stands on
// whatever block is under the middle of her feet.
namespace {

constexpr int kFramesPerDirection = 32;
constexpr int kFrameMs = 50;
constexpr int kFirstStride = 21, kLastStride = 28;
constexpr float kStrideSpeed = 0.15f;
constexpr float kWakeSpeed = 0.1f;

const PlainWalkProbes kProbes{{-5, 0, 5, 2}, {-24, -50, -20, -8}, {20, -50, 24, -8}, 0.1f, 5};

}  // namespace

void TBiddie::Enter(BiddieState next) {
  state = static_cast<int>(next);
  if (next == BiddieState::Walking) {
    frame = 0;
    stamp = Millisecs();
    speed = kWakeSpeed;
  }
}

void TBiddie::OnWake() {
  Enter(BiddieState::Walking);
}

void TBiddie::Behave() {
  PlainWalkStep(*this, kProbes);
  // The speed for the next frame follows the picture she shows.
  speed = frame >= kFirstStride && frame <= kLastStride ? kStrideSpeed : 0;
  HeroContact(*this);
}

void TBiddie::Update() {
  // Asleep she waits; falling, she keeps the picture the dash left her in.
  if (state != static_cast<int>(BiddieState::Walking)) return;
  int now = Millisecs();
  if (!MsPassed(stamp, kFrameMs, now)) return;
  stamp = now;
  frame = (frame + 1) % kFramesPerDirection;
}

int TBiddie::StripFrame() const {
  return direction * kFramesPerDirection + frame;
}

void CreateBiddie(const ActiveLine& line) {
  auto b = MakeEnemy<TBiddie>(EnemyKinds::Biddie, static_cast<float>(line.x),
                              static_cast<float>(line.y), BiddieList);
  TakeLineLinks(*b, line);
  b->direction = Rand(0, 1);
}
