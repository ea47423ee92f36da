// The bucket: hops about and, every few seconds when it faces the hero,
// throws a spade at him. A standing bucket (level field 5, `stand`, = 1)
// never moves and always turns to face him.
#pragma once

#include "enemies/enemy.h"
#include "present/timer.h"

struct ActiveLine;

// What it is doing, kept in `mode`.
enum class BucketMode { Moving = 0, Throwing = 1 };

class TBucket : public TEnemy {
 public:
  bool IdleAsleep() const override { return true; }
  Timer nextThrow;  // from the last throw (or its creation) to the next

  void Behave() override;
  void Update() override;
  bool Standing() const { return aux == 1; }

 protected:
  int StripFrame() const override;
  void LeaveKindList() override;

 private:
  void Enter(BucketMode m);
  bool FacesHero() const;
};

extern EntityList<TBucket> BucketList;

void CreateBucket(const ActiveLine& line);
