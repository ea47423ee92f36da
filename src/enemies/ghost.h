// The ghost: it creeps up on the hero while he looks away. When he faces it,
// it slows to a stop and fades out; when he turns away again it giggles and
// comes back. It flies through walls and cannot be beaten.
#pragma once

#include "enemies/enemy.h"

struct ActiveLine;

// Its `mode` is its phase.
enum class GhostPhase { Chasing = 0, Watched = 1, Unwatched = 2 };

class TGhost : public TEnemy {
 public:
  bool IdleAsleep() const override { return true; }
  float xSpeed = 0;  // signed: it accelerates towards whichever side the hero is on
  GhostPhase Phase() const { return static_cast<GhostPhase>(mode); }
  void Behave() override;
  void Update() override;

 protected:
  const Image* Strip() const override;
  int StripFrame() const override;
  void LeaveKindList() override;

 private:
  void Enter(GhostPhase phase);
};

extern EntityList<TGhost> GhostList;

void CreateGhost(const ActiveLine& line);
