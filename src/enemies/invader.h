// The invader: a harmless little alien from the TV's retro game that hovers
// after the hero through walls and all; it never touches him and is never
// removed.
#pragma once

#include "enemies/enemy.h"
#include "present/timer.h"

struct ActiveLine;

enum class InvaderState { Asleep = 0, Hovering = 1 };

class TInvader : public TEnemy {
 public:
  bool IdleAsleep() const override { return true; }
  Timer moveTimer;
  void Behave() override;
  void Update() override;

 protected:
  void ViewBox(float* left, float* top, float* w, float* h) const override;
  void LeaveKindList() override;
};

extern EntityList<TInvader> InvaderList;

void CreateInvader(const ActiveLine& line);
