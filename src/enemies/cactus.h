// The cactus: a prickly walker that now and then jumps, out of the blue, and
// sets off at a new pace. Nothing defeats it; touching it hurts.
#pragma once

#include "enemies/enemy.h"

struct ActiveLine;

enum class CactusState { Asleep = 0, Walking = 1 };

class TCactus : public TEnemy {
 public:
  bool IdleAsleep() const override { return true; }
  void Behave() override;
  void Update() override;

 protected:
  void OnWake() override;
  int StripFrame() const override;
  void LeaveKindList() override;

 private:
  void Enter(CactusState next);
};

extern EntityList<TCactus> CactusList;

void CreateCactus(const ActiveLine& line);
