// The Flameguy: a living flame that floats about, sinking and bouncing, and
// drops a small flame (an Ickle) every second. After 2000 frames he bursts
// into seven Ickles and is gone; only then does he fire his target. Nothing
// beats him.
#pragma once

#include "enemies/enemy.h"
#include "present/timer.h"

struct ActiveLine;

enum class FlameguyState { Asleep = 0, Burning = 1 };

class TFlameguy : public TEnemy {
 public:
  bool IdleAsleep() const override { return true; }
  int burnt = 0;  // frames burnt so far
  Timer drop;     // to the next Ickle
  void Behave() override;
  void Update() override;
  // His end differs: he goes, bursts into seven Ickles, and only then fires
  // his target.
  void Kill() override;

 protected:
  void OnWake() override;
  int StripFrame() const override;
  void LeaveKindList() override;
};

extern EntityList<TFlameguy> FlameguyList;

void CreateFlameguy(const ActiveLine& line);
