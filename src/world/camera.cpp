#include "world/camera.h"

#include "world/level_lists.h"
#include "world/player_state.h"
#include "world/level_loader.h"
#include "world/tile_map.h"

float CameraX = 0, CameraY = 0;
float CameraTargetX = 0, CameraTargetY = 0;
float CameraEaseX = 0, CameraEaseY = 0;
int CameraMode = 0;
int CameraModeX = 0, CameraModeY = 0;
float MapFocusX = 0, MapFocusY = 0;
std::vector<TCameraZone> CameraZones;

namespace {

[[maybe_unused]] const int kZonesJoined = RegisterLevelList([] { CameraZones.clear(); });

constexpr float kHalfViewW = kViewWidth / 2, kHalfViewH = kViewHeight / 2;
// The hero is held this far below the view's centre line, so more of what is
// ahead and below shows than of the sky.
constexpr float kFollowDrop = 150;
constexpr float kEaseDivisor = 12;
constexpr int kDyingState = 2;

// The lower clamp first, then the upper: in a level narrower than the view
// the right (or bottom) edge wins.
float ClampX(float x) {
  if (x < LevelMinX) x = static_cast<float>(LevelMinX);
  if (x > LevelMaxX - kViewWidth) x = LevelMaxX - kViewWidth;
  return x;
}

float ClampY(float y) {
  if (y < LevelMinY) y = static_cast<float>(LevelMinY);
  if (y > LevelMaxY - kViewHeight) y = LevelMaxY - kViewHeight;
  return y;
}

float FollowX() {
  return ClampX(P_X - kHalfViewW);
}
float FollowY() {
  return ClampY(P_Y - kHalfViewH - kFollowDrop);
}

void Ease() {
  CameraEaseX = (CameraTargetX - CameraX) / kEaseDivisor;
  CameraEaseY = (CameraTargetY - CameraY) / kEaseDivisor;
  CameraX += CameraEaseX;
  CameraY += CameraEaseY;
}

}  // namespace

void AddCameraZone(int x, int y, int w, int h, int mode, int value) {
  TCameraZone z;
  z.x = x;
  z.y = y;
  z.w = w;
  z.h = h;
  z.mode = mode;
  if (mode == static_cast<int>(CameraModeId::FixedPoint)) {
    z.modeX = x + value;
    z.modeY = y;
  } else if (mode == static_cast<int>(CameraModeId::FollowHorizontal)) {
    z.modeY = value;
  } else if (mode == static_cast<int>(CameraModeId::FollowVertical)) {
    z.modeX = value;
  }
  CameraZones.push_back(z);
}

void CameraStep() {
  bool touched = false;
  for (const TCameraZone& z : CameraZones) {
    if (BoxesOverlap(static_cast<float>(z.x), static_cast<float>(z.y),
                     static_cast<float>(z.x + z.w), static_cast<float>(z.y + z.h), BodyLeft(),
                     BodyTop(), BodyRight(), BodyBottom())) {
      CameraMode = z.mode;
      CameraModeX = z.modeX;
      CameraModeY = z.modeY;
      touched = true;
    }
  }
  // While the hero dies the view holds still where it was heading.
  if (PlayerState < kDyingState) {
    switch (static_cast<CameraModeId>(CameraMode)) {
      case CameraModeId::Follow:
        CameraTargetX = FollowX();
        CameraTargetY = FollowY();
        break;
      case CameraModeId::FixedPoint:
        CameraTargetX = static_cast<float>(CameraModeX);
        CameraTargetY = static_cast<float>(CameraModeY);
        // Only a fixed point lets go when the hero leaves its zone; the
        // other modes hold until another zone says otherwise.
        if (!touched) CameraMode = static_cast<int>(CameraModeId::Follow);
        break;
      case CameraModeId::FollowHorizontal:
        CameraTargetX = FollowX();
        CameraTargetY = static_cast<float>(CameraModeY);
        break;
      case CameraModeId::FollowVertical:
        CameraTargetX = static_cast<float>(CameraModeX);
        CameraTargetY = FollowY();
        break;
      case CameraModeId::MapFocus:
        CameraTargetX = MapFocusX - kHalfViewW;
        CameraTargetY = MapFocusY - kHalfViewH;
        break;
      default:
        break;
    }
  }
  Ease();
}

void CameraStepForMap() {
  CameraTargetX = MapFocusX - kHalfViewW;
  CameraTargetY = MapFocusY - kHalfViewH;
  Ease();
}

void CameraEaseTo(float x, float y) {
  CameraTargetX = x;
  CameraTargetY = y;
  Ease();
}

void ResetCamera() {
  CameraX = CameraY = 0;
  CameraMode = static_cast<int>(CameraModeId::Follow);
}

void CreateCameraZone(const ActiveLine& line) {
  AddCameraZone(line.x, line.y, line.WidthPx(), line.HeightPx(), line.Int("mode"), line.Int("value"));
}

#include "present/state_dump.h"
BOINGLE_STATE_VALUE(CameraX, CameraX);
BOINGLE_STATE_VALUE(CameraY, CameraY);
BOINGLE_STATE_VALUE(CameraMode, CameraMode);
