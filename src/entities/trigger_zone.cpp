// Trigger zones: invisible boxes that fire their link once, the first time the hero enters.
#include "entities/active_object_parts.h"

EntityList<TTriggerZone> TriggerZoneList;

BOINGLE_STATE_VALUE(TriggerZoneList, TriggerZoneList.Size());

namespace {

using namespace active_parts;

}  // namespace

void CreateTriggerZone(const ActiveLine& line) {
  auto z = std::make_shared<TTriggerZone>();
  z->x = static_cast<float>(line.x);
  z->y = static_cast<float>(line.y);
  z->target = line.Int("target");
  z->w = line.WidthPx();
  z->h = line.HeightPx();
  z->stamp = Millisecs();
  JoinActor(TriggerZoneList, z);
}

void TTriggerZone::Kill() {
  FireLink(target);
  TriggerZoneList.Remove(this);
  LeaveLevel(this);
}

// Nothing to draw: the draw pass never needs to visit one.
bool TTriggerZone::FixedDrawBox(Box* box) const {
  *box = {x, y, x, y};
  return true;
}

void TriggerZoneChecks() {
  TriggerZoneList.Walk([](TTriggerZone& z) {
    if (Touches(BodyBox, z.x, z.y, z.x + z.w, z.y + z.h)) z.Kill();
  });
}
