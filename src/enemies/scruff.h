// The scruff: a harmless ball of fluff from the TV's retro game. It drifts on
// a diagonal and bounces off whatever it meets; it never touches the hero and
// is never removed.
#pragma once

#include "enemies/enemy.h"
#include "present/timer.h"

struct ActiveLine;

enum class ScruffState { Asleep = 0, Drifting = 1 };

class TScruff : public TEnemy {
 public:
  bool IdleAsleep() const override { return true; }
  float vx = 0, vy = 0;  // pixels per step: +2 or -2 each
  Timer moveTimer;
  void Behave() override;
  void Update() override;

 protected:
  void ViewBox(float* left, float* top, float* w, float* h) const override;
  void LeaveKindList() override;
};

extern EntityList<TScruff> ScruffList;

void CreateScruff(const ActiveLine& line);
