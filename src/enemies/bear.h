// The bear: a walker with two lives. The first dash only makes him angry
// (he runs, up to 3 pixels a frame); the second sends him falling.
#pragma once

#include "enemies/enemy.h"

struct ActiveLine;

enum class BearGait { Walk = 0, Run = 1, Stand = 2 };

class TBear : public TEnemy {
 public:
  bool IdleAsleep() const override { return true; }
  int lives = 2;
  float topSpeed = 0;
  void Behave() override;
  void Update() override;

 protected:
  const Image* Strip() const override;
  int StripFrame() const override;
  void LeaveKindList() override;
};

extern EntityList<TBear> BearList;

void CreateBear(const ActiveLine& line);
