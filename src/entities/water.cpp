// Water: the hero's in-water flags, the bubbles' test and the shared, light-blended animation.
#include "entities/active_object_parts.h"

#include "present/timer.h"

EntityList<TWater> WaterList;
int WaterFrame = 0, WaterStamp = 0;

BOINGLE_STATE_VALUE(WaterList, WaterList.Size());

namespace {

using namespace active_parts;

constexpr int kWaterFrames = 32;
constexpr int kWaterFrameMs = 100;

}  // namespace

void CreateWater(const ActiveLine& line) {
  auto w = std::make_shared<TWater>();
  w->x = static_cast<float>(line.x);
  w->y = static_cast<float>(line.y);
  w->width = line.Int("w");
  w->height = line.Int("h");
  WaterList.Add(w);
  LevelObjects.Add(w);
}

void WaterChecks() {
  InWater = 0;
  WaterList.Walk([](TWater& w) {
    if (Touches(BodyBox, w.x, w.y, w.x + w.width * kT, w.y + w.height * kT)) InWater = 1;
  });
  if (InWater) {
    if (WaterEntryState == 0) WaterEntryState = 1;
  } else {
    WaterEntryState = 0;
  }
}

bool InsideWater(float px, float py) {
  bool inside = false;
  WaterList.Walk([&](TWater& w) {
    // The inner box: a bubble pops a little below the surface, not on it.
    if (BoxesOverlap(px, py, px + 1, py + 1, w.x + 16, w.y + 16, w.x + w.width * kT - 16,
                     w.y + w.height * kT - 16))
      inside = true;
  });
  return inside;
}

void DrawWater() {
  SetColor(AmbientR, AmbientG, AmbientB);
  WaterList.Walk([](TWater& w) {
    SetBlend(BLEND_LIGHT);
    SetAlpha(0.5f);
    if (OnScreen(w.x, w.y, w.width * kT, w.height * kT)) {
      CellSpan rows = VisibleCells(w.y, w.height, CameraY, kViewHeight);
      CellSpan cols = VisibleCells(w.x, w.width, CameraX, kViewWidth);
      for (int row = rows.first; row < rows.last; ++row)
        for (int col = cols.first; col < cols.last; ++col)
          DrawImage(row == 0 ? ImgWaterTop : ImgWater, w.x + col * kT - CameraX,
                    w.y + row * kT - CameraY, WaterFrame);
    }
    SetBlend(BLEND_ALPHA);
    SetAlpha(1.0f);
  });
}

void AnimationClockStep() {
  int now = Millisecs();
  if (MsPassed(WaterStamp, kWaterFrameMs, now)) {
    WaterStamp = now;
    WaterFrame = (WaterFrame + 1) % kWaterFrames;
  }
}
