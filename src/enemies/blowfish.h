// The blowfish: a small fish that swims about harmlessly until the hero comes
// near. Then it stops, ticks, and puffs itself up into a huge spiky ball that
// floats upwards for a few seconds before it shrinks and swims on.
#pragma once

#include "enemies/enemy.h"
#include "present/timer.h"

struct ActiveLine;

// Its `mode` is its phase.
enum class BlowfishPhase { Swimming = 0, Puffing = 1, BlownUp = 2, Shrinking = 3 };

class TBlowfish : public TEnemy {
 public:
  bool IdleAsleep() const override { return true; }
  Timer blownUp;  // how long it stays big
  BlowfishPhase Phase() const { return static_cast<BlowfishPhase>(mode); }
  void Behave() override;
  void Update() override;

 protected:
  const Image* Strip() const override;
  int StripFrame() const override;
  void LeaveKindList() override;

 private:
  void Enter(BlowfishPhase phase);
  void SwimAndBounce();
  void MeetHero();
  void Pop();
};

extern EntityList<TBlowfish> BlowfishList;

void CreateBlowfish(const ActiveLine& line);
