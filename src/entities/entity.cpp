#include "entities/entity.h"

#include "world/level_lists.h"
#include "present/state_dump.h"
#include "present/present.h"
#include "world/tile_map.h"

EntityList<TEntity> LevelObjects;
EntityList<TActor> DrawList;
EntityList<TTriggerable> TriggerList;

namespace {
const int kJoinedObjects = RegisterLevelList([] { LevelObjects.Clear(); }, ListRole::LevelObjects);
const int kJoinedDraw = RegisterLevelList([] { DrawList.Clear(); });
const int kJoinedTrigger = RegisterLevelList([] { TriggerList.Clear(); });
}  // namespace

BOINGLE_STATE_VALUE(LevelObjects, LevelObjects.Size());
BOINGLE_STATE_VALUE(DrawList, DrawList.Size());
BOINGLE_STATE_VALUE(TriggerList, TriggerList.Size());

void FireLink(int id) {
  TriggerList.Walk([id](TTriggerable& t) {
    if (t.link == id) t.Trigger();
  });
}

void CommonDrawPass() {
  DrawList.Walk([](TActor& a) {
    SetColor((AmbientR + 255) / 2, (AmbientG + 255) / 2, (AmbientB + 255) / 2);
    a.Draw();
  });
}

void LeaveCommonLists(const TEntity* e) {
  LevelObjects.Remove(e);
  DrawList.Remove(e);
  TriggerList.Remove(e);
}
