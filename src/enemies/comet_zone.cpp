#include "enemies/comet_zone.h"

#include "enemies/comet.h"
#include "present/state_dump.h"
#include "present/timer.h"
#include "world/camera.h"
#include "world/level_lists.h"
#include "world/level_loader.h"
#include "world/player_state.h"
#include "world/tile_map.h"

EntityList<TCometZone> CometZones;

BOINGLE_STATE_VALUE(CometZones, CometZones.Size());

namespace {

// Where a comet starts, from the view's top-left: anywhere from a little
// left of the view to well right of it, out of sight above.
constexpr int kSpawnLeft = -100, kSpawnRight = 1400;
constexpr float kSpawnAbove = 100;

const int kJoinedList = RegisterLevelList([] { CometZones.Clear(); }, ListRole::LevelObjects);

}  // namespace

void CreateCometZone(const ActiveLine& line) {
  auto z = std::make_shared<TCometZone>();
  z->x = static_cast<float>(line.x);
  z->y = static_cast<float>(line.y);
  z->w = line.WidthPx();
  z->h = line.HeightPx();
  z->interval = line.Int("interval");
  z->stamp = Millisecs();
  CometZones.Add(z);
  LevelObjects.Add(z);
}

void CometZoneChecks() {
  CometZones.Walk([](TCometZone& z) {
    if (!BoxesOverlap(z.x, z.y, z.x + static_cast<float>(z.w), z.y + static_cast<float>(z.h),
                      BodyBox.left, BodyBox.top, BodyBox.right, BodyBox.bottom))
      return;
    int now = Millisecs();
    if (!MsPassed(z.stamp, z.interval, now)) return;
    z.stamp = now;
    LaunchComet(CameraX + static_cast<float>(Rand(kSpawnLeft, kSpawnRight)), CameraY - kSpawnAbove);
  });
}
