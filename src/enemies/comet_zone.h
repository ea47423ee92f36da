// Comet zones: while the hero is inside one, comets fall from above the view,
// one each time the zone's interval has passed since its last.
#pragma once

#include "entities/entity.h"

class TCometZone : public TTriggerable {
 public:
  int interval = 0;  // ms between comets; `stamp` is the last one's time
};

extern EntityList<TCometZone> CometZones;

// The hero's check, once every physics sub-step; the interval keeps it to
// one comet per interval however often it asks.
void CometZoneChecks();
