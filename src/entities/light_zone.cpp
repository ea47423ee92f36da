#include "entities/light_zone.h"

#include <cstdlib>

#include "world/level_lists.h"
#include "entities/object_checks.h"
#include "present/state_dump.h"
#include "world/player_state.h"
#include "world/level_loader.h"
#include "world/tile_map.h"

std::vector<TLightZone> LightZones;

BOINGLE_STATE_VALUE(LightZones, LightZones.size());

namespace {


float Number(const std::string& text, size_t from, size_t count) {
  if (from >= text.size()) return 0;
  return static_cast<float>(std::strtod(text.substr(from, count).c_str(), nullptr));
}

const int kJoinedList = RegisterLevelList([] { LightZones.clear(); });

void TakeAmbientAsFrom(TLightZone& z) {
  z.fromR = static_cast<float>(AmbientR);
  z.fromG = static_cast<float>(AmbientG);
  z.fromB = static_cast<float>(AmbientB);
}

}  // namespace

void CreateLightZone(const ActiveLine& l) {
  TLightZone z;
  z.x = l.x;
  z.y = l.y;
  z.w = l.WidthPx();
  z.h = l.HeightPx();
  z.mode = l.Int("mode");
  ParseLightColour(l.Text("colour"), &z.toR, &z.toG, &z.toB);
  z.span = z.mode == 0 ? z.w : l.Int("span");
  LightZones.push_back(z);
}

void ParseLightColour(const std::string& text, float* r, float* g, float* b) {
  *r = Number(text, 0, 3);
  *g = Number(text, 4, 3);
  *b = text.size() >= 3 ? Number(text, text.size() - 3, 3) : 0;
}

void LightZoneChecks() {
  for (TLightZone& z : LightZones) {
    if (z.active) continue;
    if (z.mode == 0) {
      if (P_X >= z.x && P_X <= z.x + z.w && P_Y >= z.y && P_Y <= z.y + z.h) {
        z.active = 1;
        TakeAmbientAsFrom(z);
      }
    } else if (z.mode == 2) {
      if (BoxesOverlap(P_X - 10, P_Y - 20, P_X + 10, P_Y, static_cast<float>(z.x), static_cast<float>(z.y),
                       static_cast<float>(z.x + z.w), static_cast<float>(z.y + z.h))) {
        // A new fade starts from wherever the colour stands now.
        for (TLightZone& other : LightZones) {
          other.active = 0;
          other.counter = 0;
        }
        z.active = 1;
        TakeAmbientAsFrom(z);
      }
    }
  }
}

void LightZonesStep() {
  for (TLightZone& z : LightZones) {
    if (!z.active) continue;
    if (z.mode == 0) {
      if (z.span == 0) continue;  // a zone no wider than a point blends nothing
      float t = (P_X - z.x) / z.span;
      AmbientR = static_cast<int>(z.fromR + (z.toR - z.fromR) * t);
      AmbientG = static_cast<int>(z.fromG + (z.toG - z.fromG) * t);
      AmbientB = static_cast<int>(z.fromB + (z.toB - z.fromB) * t);
      if (P_X < z.x || P_X > z.x + z.span) z.active = 0;
    } else if (z.mode == 2) {
      if (z.span >= 1) {
        float t = static_cast<float>(z.counter) / z.span;
        AmbientR = static_cast<int>(z.fromR + (z.toR - z.fromR) * t);
        AmbientG = static_cast<int>(z.fromG + (z.toG - z.fromG) * t);
        AmbientB = static_cast<int>(z.fromB + (z.toB - z.fromB) * t);
      }
      // A span below one (zero, empty or a level typo) lands on the colour at
      // once instead of drifting past it for ever or never starting.
      if (++z.counter >= z.span) {
        AmbientR = static_cast<int>(z.toR);
        AmbientG = static_cast<int>(z.toG);
        AmbientB = static_cast<int>(z.toB);
        z.active = 0;
        z.counter = 0;
      }
    }
  }
}
