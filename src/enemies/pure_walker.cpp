#include "enemies/pure_walker.h"

#include "present/present.h"

namespace {
constexpr int kWalkFrames = 16;
constexpr float kStepMsAtSpeedOne = 50;
}  // namespace

void TPureWalker::Behave() {
  WalkStep(*this);
  HeroContact(*this);
}

void TPureWalker::Update() {
  if (state == static_cast<int>(WalkerState::Falling)) {
    frame = 0;
    return;
  }
  if (state != static_cast<int>(WalkerState::Walking) || speed <= 0) return;
  int now = Millisecs();
  if (static_cast<float>(now - stamp) > kStepMsAtSpeedOne / speed) {
    frame = (frame + 1) % kWalkFrames;
    stamp = now;
  }
}
