// The walking fan: a desk fan on little feet. It walks, or stops to press its
// own switch and spin for a while, blowing straight up. It never hurts: a
// touch blows the hero up, and only a dash onto its head beats it.
#pragma once

#include "enemies/enemy.h"
#include "present/timer.h"

struct ActiveLine;

// Its `mode` is its phase, starting as the level line's field 5. Nothing
// but its own press and spin changes it, so a fan placed walking walks for
// the whole level.
enum class FanPhase { Walking = 0, Pressing = 1, Spinning = 2 };

class TWalkingFan : public TEnemy {
 public:
  bool IdleAsleep() const override { return true; }
  Timer spin;
  FanPhase Phase() const { return static_cast<FanPhase>(mode); }
  // The one place a phase's entry effects happen (speed, picture, timer).
  void Enter(FanPhase phase);
  void Behave() override;
  void Update() override;

 protected:
  void OnWake() override;
  const Image* Strip() const override;
  int StripFrame() const override;
  void LeaveKindList() override;
};

extern EntityList<TWalkingFan> WalkingFanList;

void CreateWalkingFan(const ActiveLine& line);
