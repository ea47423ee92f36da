// The lava guy: a molten blob under a black crust that waddles at the hero,
// stomping as it goes. Nothing defeats it; touching it hurts. Its level line
// gives its link in field 5, and no link reveals it.
#pragma once

#include "enemies/enemy.h"

struct ActiveLine;

enum class LavaguyState { Asleep = 0, Walking = 1 };

class TLavaguy : public TEnemy {
 public:
  bool IdleAsleep() const override { return true; }
  void Behave() override;
  void Update() override;

 protected:
  void OnWake() override;
  int StripFrame() const override;
  void ViewBox(float* left, float* top, float* w, float* h) const override;
  void LeaveKindList() override;

 private:
  void Enter(LavaguyState next);
};

extern EntityList<TLavaguy> LavaguyList;

void CreateLavaguy(const ActiveLine& line);
