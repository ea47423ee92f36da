// The Ickle: a small flame a Flameguy drops once a second and bursts into at
// the end. It bounces about for a short life; in its last moments it has
// burnt too low to hurt. Every dying Ickle fires link 12345.
#pragma once

#include "enemies/enemy.h"

enum class IckleState { Asleep = 0, Burning = 1 };

class TIckle : public TEnemy {
 public:
  int life = 0;  // frames left
  int look = 0;  // which of the three flame pictures, 0 to 2
  bool Harmless() const;
  void Behave() override;
  void Update() override;
  void Draw() override;

 protected:
  const Image* Strip() const override;
  void LeaveKindList() override;
};

extern EntityList<TIckle> IckleList;

// A new Ickle at (x, y) moving along at `speed` in `direction` with `ySpeed`.
TIckle& MakeIckle(float x, float y, int direction, float speed, float ySpeed);
