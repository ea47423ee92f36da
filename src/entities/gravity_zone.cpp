#include "entities/gravity_zone.h"

#include "world/level_lists.h"
#include "entities/object_checks.h"
#include "present/state_dump.h"
#include "world/player_state.h"
#include "world/level_loader.h"
#include "world/tile_map.h"

std::vector<TGravityZone> GravityZones;

BOINGLE_STATE_VALUE(GravityZones, GravityZones.size());

namespace {
const int kJoinedList = RegisterLevelList([] { GravityZones.clear(); });
}  // namespace

void CreateGravityZone(const ActiveLine& l) {
  GravityZones.push_back({l.x, l.y, l.WidthPx(), l.HeightPx(), static_cast<float>(l.Real("gravity")), 0});
}

void GravityZoneChecks() {
  for (TGravityZone& z : GravityZones) {
    if (BoxesOverlap(static_cast<float>(z.x), static_cast<float>(z.y), static_cast<float>(z.x + z.w),
                     static_cast<float>(z.y + z.h), BodyBox.left, BodyBox.top, BodyBox.right, BodyBox.bottom)) {
      for (TGravityZone& other : GravityZones) other.active = 0;
      z.active = 1;
    }
  }
  for (const TGravityZone& z : GravityZones)
    if (z.active) P_YS_RATE = z.gravity;
}
