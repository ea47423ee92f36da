// The rock guy: a stone golem that plods along, and every few seconds leaps
// and lands with a thump that shakes the screen. He never hurts; only a dash
// onto his head beats him.
#pragma once

#include "enemies/enemy.h"
#include "present/timer.h"

struct ActiveLine;

// Its `mode` is its phase, starting as the level line's field 5.
enum class RockGuyPhase { Walking = 0, Jumping = 1, Landed = 2 };

class TRockGuy : public TEnemy {
 public:
  bool IdleAsleep() const override { return true; }
  Timer sinceLanding;  // to his next leap
  Timer rest;          // standing after a landing
  RockGuyPhase Phase() const { return static_cast<RockGuyPhase>(mode); }
  // The one place a phase's entry effects happen (sound, picture, speed).
  void Enter(RockGuyPhase phase);
  void Behave() override;
  void Update() override;

 protected:
  void OnWake() override;
  const Image* Strip() const override;
  int StripFrame() const override;
  void LeaveKindList() override;

 private:
  void Land();
  bool woken = false;
};

extern EntityList<TRockGuy> RockGuyList;

void CreateRockGuy(const ActiveLine& line);
