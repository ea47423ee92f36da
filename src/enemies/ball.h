// The ball: a rubber ball that rolls at the hero and bounces as high as it
// fell. A dash pops it on the spot; a touch hurts and sends it rolling back.
#pragma once

#include "enemies/enemy.h"

struct ActiveLine;

enum class BallState { Asleep = 0, Rolling = 1 };

class TBall : public TEnemy {
 public:
  float rolled = 0;  // pixels rolled, to the right positive: turns its stripes
  void Behave() override;
  void Update() override;

 protected:
  void OnWake() override;
  void ViewBox(float* left, float* top, float* w, float* h) const override;
  void LeaveKindList() override;

 private:
  void Enter(BallState next);
};

extern EntityList<TBall> BallList;

void CreateBall(const ActiveLine& line);
