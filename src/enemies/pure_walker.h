// The zombie, the crab, the sheet and the mummy are the walking core and
// nothing else: they differ only in their catalogue rows (pictures, body,
// burst and sounds). This is their shared behaviour; each kind's file gives
// it its class, list and create function.
#pragma once

#include <memory>

#include "enemies/enemy.h"
#include "enemies/walking_core.h"
#include "present/present.h"
#include "world/level_loader.h"

enum class WalkerState { Asleep = 0, Walking = 1, Falling = 2 };

class TPureWalker : public TEnemy {
 public:
  bool IdleAsleep() const override { return true; }
  void Behave() override;
  // The walk cycle's 16 frames, one every 50 / speed milliseconds: a slow
  // walker also steps slowly, one standing still does not step at all.
  void Update() override;

 protected:
  int StripFrame() const override { return direction * 16 + frame; }
};

// A walker from its level line: a random direction and speed in [0, 1), its
// ledge rule from the line's mode.
template <class T, class List>
void CreatePureWalker(const EnemyKindInfo& info, const ActiveLine& line, List& list) {
  auto e = MakeEnemy<T>(info, static_cast<float>(line.x), static_cast<float>(line.y), list);
  TakeLineLinks(*e, line);
  e->direction = Rand(0, 1);
  e->speed = Rnd(0, 1);
  e->ySpeed = 0;
  e->mode = line.Int("mode");
}
