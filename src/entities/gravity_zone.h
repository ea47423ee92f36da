// Gravity zones: entering one gives the hero its gravity until another zone
// is entered or the level ends.
#pragma once

#include <vector>

struct TGravityZone {
  int x = 0, y = 0, w = 0, h = 0;
  float gravity = 0;
  int active = 0;
};
extern std::vector<TGravityZone> GravityZones;
void GravityZoneChecks();
