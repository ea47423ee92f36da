// The starfish: it waddles along the ground, and every few seconds, while it
// can be seen, it kicks itself off at the hero in a high arc. Striking a
// wall sends it spinning back; it lands, turns to the hero and waddles on.
#pragma once

#include "enemies/enemy.h"
#include "present/timer.h"

struct ActiveLine;

// Its `mode` is its phase.
enum class StarfishPhase { Walking = 0, Kicked = 2, Spinning = 3 };

class TStarfish : public TEnemy {
 public:
  bool IdleAsleep() const override { return true; }
  Timer rest;  // from its last landing (or waking) to its next kick
  StarfishPhase Phase() const { return static_cast<StarfishPhase>(mode); }
  void Behave() override;
  void Update() override;

 protected:
  void OnWake() override;
  const Image* Strip() const override;
  int StripFrame() const override;
  void LeaveKindList() override;

 private:
  void Enter(StarfishPhase phase);
  void Strike(int newDirection, float newYSpeed);
  void Land();
};

extern EntityList<TStarfish> StarfishList;

void CreateStarfish(const ActiveLine& line);
