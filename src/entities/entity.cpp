#include "entities/entity.h"

#include "entities/near_index.h"

#include "world/level_lists.h"
#include "present/state_dump.h"
#include "present/present.h"
#include "world/camera.h"
#include "world/tile_map.h"

EntityList<TEntity> LevelObjects;
EntityList<TActor> DrawList;
EntityList<TTriggerable> TriggerList;
unsigned ObjectChanges = 0;

namespace {
const int kJoinedObjects = RegisterLevelList([] { LevelObjects.Clear(); }, ListRole::LevelObjects);
const int kJoinedDraw = RegisterLevelList([] { DrawList.Clear(); });
const int kJoinedTrigger = RegisterLevelList([] { TriggerList.Clear(); });
}  // namespace

BOINGLE_STATE_VALUE(LevelObjects, LevelObjects.Size());
BOINGLE_STATE_VALUE(DrawList, DrawList.Size());
BOINGLE_STATE_VALUE(TriggerList, TriggerList.Size());

void FireLink(int id) {
  ObjectsMayHaveChanged();
  TriggerList.Walk([id](TTriggerable& t) {
    if (t.link == id) t.Trigger();
  });
}

namespace {
NearIndex<TActor> g_drawIndex;
}  // namespace

void CommonDrawPass() {
  const int r = (AmbientR + 255) / 2, g = (AmbientG + 255) / 2, b = (AmbientB + 255) / 2;
  const Box view{CameraX, CameraY, CameraX + kViewWidth, CameraY + kViewHeight};
  const TActor* last = nullptr;
  g_drawIndex.Walk(
      DrawList, [](const TActor& a, Box* box) { return a.FixedDrawBox(box); }, view,
      [&](TActor& a) {
        SetColor(r, g, b);
        a.Draw();
        last = &a;
      });
  // The actors left out draw nothing and set nothing, but the colour each
  // was given stays set after the pass: what comes next sees the same state.
  const size_t slots = DrawList.Slots();
  if (slots > 0 && DrawList.Slot(slots - 1) != last) SetColor(r, g, b);
}

void LeaveCommonLists(const TEntity* e) {
  LevelObjects.Remove(e);
  DrawList.Remove(e);
  TriggerList.Remove(e);
}
