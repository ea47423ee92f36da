#include "enemies/cactus.h"

#include "enemies/plain_walk.h"
#include "present/state_dump.h"
#include "present/timer.h"
#include "world/level_lists.h"
#include "world/level_loader.h"

BOINGLE_ENEMY_LIST(TCactus, CactusList)

// Its probes are ours to choose: a wall is seen 20 to 24 pixels ahead (its
// body is 40 wide), at the height of its trunk, and it stands on whatever
// block is under the middle of its feet. Its eight pictures a stride step
// at its pace: one every 100 ms at a pixel a frame.
namespace {

constexpr float kMinSpeed = 0.5f, kMaxSpeed = 1.5f;
// The number it draws every frame, kept in `aux`; one draw in 401 sends it
// jumping, about once every seven seconds.
constexpr int kDrawMax = 400;
constexpr int kJumpDraw = 231;
constexpr float kJumpFastest = -2.5f, kJumpSlowest = -2;
constexpr int kFramesPerDirection = 8;
constexpr float kStepMsAtSpeedOne = 100;

const PlainWalkProbes kProbes{{-5, 0, 5, 2}, {-24, -40, -20, -8}, {20, -40, 24, -8}, 0.1f, 5};

}  // namespace

void TCactus::Enter(CactusState next) {
  state = static_cast<int>(next);
  if (next == CactusState::Walking) {
    direction = Rand(0, 1);
    speed = Rnd(kMinSpeed, kMaxSpeed);
  }
}

void TCactus::OnWake() {
  Enter(CactusState::Walking);
}

void TCactus::Behave() {
  PlainWalkStep(*this, kProbes);
  aux = Rand(0, kDrawMax);
  if (aux == kJumpDraw) {
    ySpeed = Rnd(kJumpFastest, kJumpSlowest);
    speed = Rnd(kMinSpeed, kMaxSpeed);
  }
  HeroContact(*this);
}

void TCactus::Update() {
  if (state != static_cast<int>(CactusState::Walking) || speed <= 0) return;
  int now = Millisecs();
  if (!MsPassed(stamp, static_cast<int>(kStepMsAtSpeedOne / speed), now)) return;
  stamp = now;
  frame = (frame + 1) % kFramesPerDirection;
}

int TCactus::StripFrame() const {
  return direction * kFramesPerDirection + frame;
}

void CreateCactus(const ActiveLine& line) {
  auto c = MakeEnemy<TCactus>(EnemyKinds::Cactus, static_cast<float>(line.x),
                              static_cast<float>(line.y), CactusList);
  TakeLineLinks(*c, line);
}
