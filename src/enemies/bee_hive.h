// The bee hive: hangs where it is placed and lets a bee out every `interval`
// milliseconds while it is awake, `count` of them, or without end (count -1)
// while it is near the view. It never touches the hero and cannot be beaten;
// a hive whose `release` is not 0 is an unseen one that counts down and
// lets nothing out.
#pragma once

#include "enemies/enemy.h"

struct ActiveLine;

enum class HiveState { Asleep = 0, Releasing = 1, Spent = 3 };

class TBeeHive : public TEnemy {
 public:
  int release = 0;
  int interval = 0;
  int count = 0;  // bees still to come; kEndless never runs out
  int lastRelease = 0;
  static constexpr int kEndless = -1;

  void Behave() override;
  void Draw() override;

 protected:
  void ViewBox(float* left, float* top, float* w, float* h) const override;
  void LeaveKindList() override;

 private:
  void ReleaseBee();
};

extern EntityList<TBeeHive> BeeHiveList;

void CreateBeeHive(const ActiveLine& line);
