// The wompth: a stone block that watches from above. When the hero passes
// beneath it, it drops like a stone, crushing him whatever his health; it
// lands with a thump, rests, and rises back to its post.
#pragma once

#include "enemies/enemy.h"
#include "present/timer.h"

struct ActiveLine;

// Its `mode` is its phase.
enum class WompthPhase { Waiting = 0, Dropping = 1, Landed = 2, Rising = 3 };

class TWompth : public TEnemy {
 public:
  bool IdleAsleep() const override { return true; }
  int homeY = 0;  // its post, in whole pixels
  Timer rest;     // from its landing to its rise
  WompthPhase Phase() const { return static_cast<WompthPhase>(mode); }
  void Behave() override;
  void Update() override;

 protected:
  const Image* Strip() const override;
  void LeaveKindList() override;

 private:
  void Enter(WompthPhase phase);
};

extern EntityList<TWompth> WompthList;

void CreateWompth(const ActiveLine& line);
