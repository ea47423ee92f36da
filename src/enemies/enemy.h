// The enemy base: what every enemy kind shares. Each kind derives from TEnemy
// and fills in its own behaviour.
#pragma once

#include "entities/entity.h"

class TEnemy : public TTriggerable {
 public:
  int mode = 0;  // behaviour variant or phase, per kind
  int aux = 0;   // spare, per kind
  // The kind's own behaviour each frame: movement, collisions, contact.
  virtual void Behave() {}
};

// Every enemy of every kind, in creation order: the enemy pass walks it.
extern EntityList<TEnemy> EnemyList;
