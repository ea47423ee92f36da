// The active objects' shared passes: one reset for all their lists, and the
// per-frame steps of the ones that move. Each kind lives in its own file
// (spring.cpp, fan.cpp, teleport_pad.cpp, moving_block.cpp, water.cpp,
// breakable_block.cpp, falling_platform.cpp, spikes.cpp, floor_button.cpp,
// trigger_zone.cpp).
#include "entities/active_objects.h"

#include "world/level_lists.h"

namespace {

void ClearActiveLists() {
  SpringList.Clear();
  FanList.Clear();
  TeleportList.Clear();
  MovingBlockList.Clear();
  WaterList.Clear();
  BlockList.Clear();
  BlockBitList.Clear();
  FallingBlockList.Clear();
  SpikesList.Clear();
  ButtonList.Clear();
  TriggerZoneList.Clear();
}
const int kListsJoined = RegisterLevelList(&ClearActiveLists, ListRole::LevelObjects);

}  // namespace

void ActiveObjectPasses() {
  MovingBlockList.Walk([](TMovingBlock& m) { m.Step(); });
  FallingBlockList.Walk([](TFallingBlock& f) { f.Step(); });
  SpringList.Walk([](TSpring& s) { s.Step(); });
  FanList.Walk([](TFan& f) { f.Step(); });
}
