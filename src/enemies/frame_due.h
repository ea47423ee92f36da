// Enemy animation runs on the game clock: a kind's next picture is due once
// more than its period has passed since its stamp. Periods may be fractions
// of a millisecond apart (a trot at 50 / speed ms), so they are reals.
#pragma once

#include "entities/entity.h"
#include "present/present.h"

// True when the next picture is due; the stamp then moves on to now.
inline bool FrameDue(TTriggerable& e, float periodMs) {
  int now = Millisecs();
  if (static_cast<float>(now - e.stamp) <= periodMs) return false;
  e.stamp = now;
  return true;
}
