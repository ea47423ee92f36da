// The mushroom: a harmless walking toadstool from the TV's retro game. It
// steps along, turns at walls, drops off ledges and lands on whatever is
// below; it never touches the hero and is never removed.
#pragma once

#include "enemies/enemy.h"
#include "present/timer.h"

struct ActiveLine;

enum class MushroomState { Asleep = 0, Walking = 1 };

class TMushroom : public TEnemy {
 public:
  bool IdleAsleep() const override { return true; }
  float vx = 0;  // pixels per step: +2 or -2
  Timer moveTimer;
  void Behave() override;
  void Update() override;

 protected:
  void ViewBox(float* left, float* top, float* w, float* h) const override;
  void LeaveKindList() override;
};

extern EntityList<TMushroom> MushroomList;

void CreateMushroom(const ActiveLine& line);
