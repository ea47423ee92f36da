// The bee: flies straight through walls, steering a little each frame
// towards the hero, and bounces off him (and he off it) when they meet.
#pragma once

#include "enemies/enemy.h"

struct ActiveLine;

enum class BeeState { Asleep = 0, Flying = 1, Falling = 2 };

class TBee : public TEnemy {
 public:
  int facing = 0;  // 1 while right of the hero (it looks left), 0 left of him
  float xSpeed = 0;
  float maxSpeed = 0;

  void Behave() override;
  void Update() override;

 protected:
  const Image* Strip() const override;
  int StripFrame() const override;
  void ViewBox(float* left, float* top, float* w, float* h) const override;
  void LeaveKindList() override;
};

extern EntityList<TBee> BeeList;

// A bee at (x, y) that fires `target` when it dies; hives make theirs with
// kReleasedBeeTarget.
TBee& MakeBee(float x, float y, int target);
void CreateBee(const ActiveLine& line);
