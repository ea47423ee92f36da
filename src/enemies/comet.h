// A comet: a burning rock that falls from the sky while the hero stands in a
// comet zone. It turns as it flies, sheds sparks, and bursts on the first
// block it meets, shaking the screen. Nothing defeats it, and it hurts twice
// as much as most.
#pragma once

#include "enemies/enemy.h"
#include "present/timer.h"

// A comet is made flying and never sleeps: the wake test and the sleep rule
// belong to states 0 and 1, and a comet made beyond the wake margin must
// still fall where it was aimed.
enum class CometState { Flying = 3 };

class TComet : public TEnemy {
 public:
  float size = 1;   // 0.25 to 2: its picture's scale; its box is w from its middle
  float angle = 0;  // degrees
  float spin = 0;   // degrees a frame
  Timer sparkTimer;
  void Behave() override;
  void Draw() override;
  // The burst: a shake, a bang and smoke; it fires no link.
  void Kill() override;

 protected:
  void ViewBox(float* left, float* top, float* w, float* h) const override;
  void LeaveKindList() override;

 private:
  void ShedSparks();
};

extern EntityList<TComet> CometList;

// A comet at (x, y), falling towards the hero's side.
void LaunchComet(float x, float y);
