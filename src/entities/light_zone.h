// Light zones change the ambient colour that tints the level: mode 0 blends
// along the zone's width with the hero's x, mode 2 fades over a number of
// frames once entered.
#pragma once

#include <string>
#include <vector>

struct TLightZone {
  int x = 0, y = 0, w = 0, h = 0;
  int active = 0;
  int mode = 0;
  float fromR = 0, fromG = 0, fromB = 0;
  float toR = 0, toG = 0, toB = 0;
  int span = 0;  // the zone width (mode 0) or the fade's frames (mode 2)
  int counter = 0;
};
extern std::vector<TLightZone> LightZones;

// "RRR?GGG?BBB": characters 1-3, 5-7 and the last three, each a number.
void ParseLightColour(const std::string& text, float* r, float* g, float* b);
// Entry, once per physics sub-step.
void LightZoneChecks();
// The colour change, once per level frame.
void LightZonesStep();
