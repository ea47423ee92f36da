// The spade a bucket throws: it spins straight along its heading through
// anything in its way, and is gone when it hits the hero or has flown well
// out of sight.
#pragma once

#include "enemies/enemy.h"

class TSpade : public TEnemy {
 public:
  float heading = 0;  // degrees (enemies/heading.h)

  void Behave() override;
  void Update() override;

 protected:
  void ViewBox(float* left, float* top, float* w, float* h) const override;
  void LeaveKindList() override;
};

extern EntityList<TSpade> SpadeList;

// A spade at (x, y) thrown at the hero.
void ThrowSpade(float x, float y);
