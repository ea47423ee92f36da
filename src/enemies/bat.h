// The bat: hangs under a ceiling until the hero passes below it, drops on
// him, flutters about for a few seconds bouncing off whatever it meets, then
// rises and hangs from the first ceiling it finds.
#pragma once

#include "enemies/enemy.h"

struct ActiveLine;

// Its phase, kept in `mode`.
enum class BatPhase { Hanging = 0, Dropping = 1, Fluttering = 2, Returning = 3 };

class TBat : public TEnemy {
 public:
  bool IdleAsleep() const override { return true; }
  float swoopY = 0;  // the height it drops to and flutters about
  int phaseStart = 0;
  float xSpeed = 0;

  void Behave() override;
  void Update() override;
  BatPhase Phase() const { return static_cast<BatPhase>(mode); }

 protected:
  bool FallsWhenDefeated() const override { return false; }
  const Image* Strip() const override;
  int StripFrame() const override;
  void ViewBox(float* left, float* top, float* w, float* h) const override;
  void LeaveKindList() override;

 private:
  void Enter(BatPhase phase);
  // Walls turn it and put it back where it was; while it flutters
  // (`vertical`), floors and ceilings send it the other way up.
  void Bump(float oldX, float oldY, bool vertical);
};

extern EntityList<TBat> BatList;

void CreateBat(const ActiveLine& line);
