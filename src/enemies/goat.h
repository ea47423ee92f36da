// The goat: it walks its ground, and when it sees the hero ahead it bleats
// and charges; once he slips behind it, it skids to a stop and walks again.
#pragma once

#include "enemies/enemy.h"

struct ActiveLine;

// Its `mode` is its phase.
enum class GoatPhase { Walking = 0, Charging = 1, Skidding = 2 };

class TGoat : public TEnemy {
 public:
  bool IdleAsleep() const override { return true; }
  GoatPhase Phase() const { return static_cast<GoatPhase>(mode); }
  void Behave() override;
  void Update() override;

 protected:
  const Image* Strip() const override;
  int StripFrame() const override;
  void LeaveKindList() override;

 private:
  void Enter(GoatPhase phase);
  bool HeroAhead() const;
  bool HeroBehind() const;
};

extern EntityList<TGoat> GoatList;

void CreateGoat(const ActiveLine& line);
