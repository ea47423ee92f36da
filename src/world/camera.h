// The camera: the view's top-left corner in the world, eased one twelfth of
// the way to its target every frame, and the camera zones that change how the
// target is chosen.
#pragma once

#include <vector>

extern float CameraX, CameraY;
extern float CameraTargetX, CameraTargetY;
extern float CameraEaseX, CameraEaseY;  // the last easing step

// How the target is chosen (the numbers are the level file's).
enum class CameraModeId {
  Follow = 0,            // the hero, 150 pixels below the view's centre line
  FixedPoint = 1,        // (CameraModeX, CameraModeY) while the hero is in the zone
  FollowHorizontal = 2,  // y held at CameraModeY
  FollowVertical = 3,    // x held at CameraModeX
  MapFocus = 4,          // the world map's current node
};
extern int CameraMode;
extern int CameraModeX, CameraModeY;

// The world map's current node (set by the world map).
extern float MapFocusX, MapFocusY;

// Type code 25 of the level file. A zone copies its mode into the camera while
// the hero's body box touches it.
struct TCameraZone {
  int x = 0, y = 0, w = 0, h = 0;  // pixels
  int mode = 0;
  int modeX = 0, modeY = 0;
};
extern std::vector<TCameraZone> CameraZones;

// From a level line's mode m and value v: m 1 fixes the view at (x + v, y),
// m 2 holds y at v, m 3 holds x at v.
void AddCameraZone(int x, int y, int w, int h, int mode, int value);

// Once per level frame, after the hero and the objects have moved.
void CameraStep();
// Once per world-map frame: ease towards the map focus point.
void CameraStepForMap();
// Once per frame of a screen that picks its own view (the menu's rooms):
// ease towards (x, y), unclamped, by the same twelfth a frame.
void CameraEaseTo(float x, float y);

// The level reset's part: the view at (0, 0), following.
void ResetCamera();
