// Teleport pads: standing on an enabled pad and holding Down moves the hero to its destination pad.
#include "entities/active_object_parts.h"

EntityList<TTeleport> TeleportList;

BOINGLE_STATE_VALUE(TeleportList, TeleportList.Size());

namespace {

using namespace active_parts;

constexpr float kTeleportLift = -4.0f;

}  // namespace

void CreateTeleport(const ActiveLine& line) {
  auto t = std::make_shared<TTeleport>();
  t->x = static_cast<float>(line.x);
  t->y = static_cast<float>(line.y);
  t->enabled = line.Int("enabled");
  t->pad = line.Int("pad");
  t->destination = line.Int("destination");
  JoinActor(TeleportList, t);
}

void TTeleport::Draw() {
  DrawCell(ImgTeleport, x, y, 0);
}

bool TTeleport::FixedDrawBox(Box* box) const {
  *box = {x, y, x + kT, y + kT};
  return true;
}

void TeleportChecks() {
  int newX = 0, newY = 0;
  TeleportList.Walk([&](TTeleport& t) {
    if (!t.enabled || !FloorContact || !DownDown) return;
    if (!Touches(BodyBox, t.x, t.y, t.x + kT, t.y + kT)) return;
    const TTeleport* dest = nullptr;
    TeleportList.Walk([&](TTeleport& d) {
      if (!dest && d.enabled && d.pad == t.destination) dest = &d;
    });
    if (!dest) return;
    newX = static_cast<int>(dest->x + 15);
    newY = static_cast<int>(dest->y + 31);
  });
  if (newX != 0 && newY != 0) {
    SetPlayerPosition(static_cast<float>(newX), static_cast<float>(newY));
    P_YS = kTeleportLift;
  }
}
