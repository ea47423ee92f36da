#include "enemies/invader.h"

#include <algorithm>

#include "enemies/enemy_picture.h"
#include "present/state_dump.h"
#include "world/level_lists.h"
#include "world/level_loader.h"
#include "world/player_state.h"

BOINGLE_ENEMY_LIST(TInvader, InvaderList)

namespace {

constexpr float kStep = 2;
constexpr int kStepMs = 100;
// Where it hovers: its middle (11 pixels in from its left) over the hero,
// its top 10 pixels above his feet.
constexpr float kMiddle = 11;
constexpr float kAboveFeet = 10;
constexpr int kFrames = 2;
constexpr int kFrameMs = 200;

// A step of at most kStep towards `to`: within a step of its place it
// settles there instead of hopping over it and back for ever.
float StepTowards(float from, float to) {
  return from + std::clamp(to - from, -kStep, kStep);
}

}  // namespace

void TInvader::Behave() {
  if (!moveTimer.Passed()) return;
  moveTimer.Restart();
  x = StepTowards(x, P_X - kMiddle);
  y = StepTowards(y, P_Y - kAboveFeet);
}

void TInvader::Update() {
  if (state != static_cast<int>(InvaderState::Hovering)) return;
  int now = Millisecs();
  if (!MsPassed(stamp, kFrameMs, now)) return;
  stamp = now;
  frame = (frame + 1) % kFrames;
}

void TInvader::ViewBox(float* left, float* top, float* bw, float* bh) const {
  HandleViewBox(*this, Strip(), 1, left, top, bw, bh);
}

void CreateInvader(const ActiveLine& line) {
  auto v = MakeEnemy<TInvader>(EnemyKinds::Invader, static_cast<float>(line.x),
                               static_cast<float>(line.y), InvaderList);
  TakeLineLinks(*v, line);
  v->moveTimer.Start(kStepMs);
}
