// What the level's active objects share: how one joins the level, the box
// test against the hero's probes and the one-tile draw. Only the active
// objects' own files include this.
#pragma once

#include <memory>

#include "entities/active_objects.h"
#include "world/level_lists.h"
#include "entities/object_checks.h"
#include "world/assets.h"
#include "world/progress.h"
#include "world/sound_effects.h"
#include "world/settings.h"
#include "present/state_dump.h"
#include "player/object_hooks.h"
#include "player/player_health.h"
#include "world/player_state.h"
#include "present/present.h"
#include "world/area.h"
#include "world/camera.h"
#include "world/level_loader.h"
#include "world/tile_map.h"

namespace active_parts {

constexpr int kT = kTileSize;

template <class T>
inline void JoinActor(EntityList<T>& own, const std::shared_ptr<T>& obj) {
  own.Add(obj);
  LevelObjects.Add(obj);
  DrawList.Add(obj);
}
inline bool Touches(const Box& probe, float x1, float y1, float x2, float y2) {
  return BoxesOverlap(probe.left, probe.top, probe.right, probe.bottom, x1, y1, x2, y2) != 0;
}
inline void DrawCell(const Image* img, float x, float y, int frame) {
  if (OnScreen(x, y, kT, kT)) DrawImage(img, x - CameraX, y - CameraY, frame);
}
// The cells of a row (or column) of `count` tiles from `origin` that can reach
// into the view from `camera` on, one cell to spare either side: a block or a
// pool a level makes thousands of tiles long costs what is on screen, not a
// frozen game. `first` to `last`, `last` not included.
struct CellSpan {
  int first = 0, last = 0;
};
inline CellSpan VisibleCells(float origin, int count, float camera, float view) {
  float lo = (camera - origin) / kT - 1, hi = (camera + view - origin) / kT + 2;
  auto clampCell = [count](float v) { return v <= 0 ? 0 : v >= static_cast<float>(count) ? count : static_cast<int>(v); };
  CellSpan span{clampCell(lo), clampCell(hi)};
  if (span.last < span.first) span.last = span.first;
  return span;
}
inline void LeaveLevel(const TEntity* e) {
  LevelObjects.Remove(e);
  DrawList.Remove(e);
}

}  // namespace active_parts
