// The rolling rock: a boulder 250 pixels across that rolls at the hero,
// bounces and shakes the ground when it lands, and turns at walls, a little
// slower each time. A dash only bounces off it; it never dies.
#pragma once

#include "enemies/enemy.h"

struct ActiveLine;

enum class RockState { Asleep = 0, Rolling = 1 };

class TRock : public TEnemy {
 public:
  float rolled = 0;  // pixels rolled, to the right positive: turns its picture
  // The hero bounced off it with a dash and is still inside its body.
  bool heroBouncing = false;
  void Behave() override;
  void Update() override;

 protected:
  void OnWake() override;
  void ViewBox(float* left, float* top, float* w, float* h) const override;
  void LeaveKindList() override;

 private:
  void Enter(RockState next);
  void Settle();
  void MeetHero();
};

extern EntityList<TRock> RockList;

void CreateRock(const ActiveLine& line);
