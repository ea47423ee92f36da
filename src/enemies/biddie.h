// The biddie: a plump hen that looks about, pecks, and then takes a stride.
// She moves only on her stride pictures, so she advances in small steps; a
// dash defeats her.
#pragma once

#include "enemies/enemy.h"

struct ActiveLine;

enum class BiddieState { Asleep = 0, Walking = 1, Falling = 2 };

class TBiddie : public TEnemy {
 public:
  bool IdleAsleep() const override { return true; }
  void Behave() override;
  void Update() override;

 protected:
  void OnWake() override;
  int StripFrame() const override;
  void LeaveKindList() override;

 private:
  void Enter(BiddieState next);
};

extern EntityList<TBiddie> BiddieList;

void CreateBiddie(const ActiveLine& line);
