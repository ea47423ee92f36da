#include "frontend/menu_rooms.h"

#include "world/camera.h"
#include "world/player_state.h"

namespace {

// Every room's view has its top at y 0.
constexpr float kRoomTop = 0;

// Open ranges of the hero's x and the view's left edge for that room. The
// gaps between them are the doorways.
struct MenuRoom {
  float left, right;
  float cameraX;
};

constexpr MenuRoom kRooms[] = {
    {32, 768, 0},           // the start room
    {-736, 0, -768},        // the slot room
    {800, 1536, 768},       // the volume room
    {1568, 2304, 1536},     // the "come back here" room
    {2336, 3072, 2304},     // the greetings room
    {-1502, -768, -1536},   // the summary room, with the way to the world map
};

}  // namespace

bool MenuRoomCameraX(float heroX, float* cameraX) {
  for (const MenuRoom& room : kRooms) {
    if (heroX > room.left && heroX < room.right) {
      *cameraX = room.cameraX;
      return true;
    }
  }
  return false;
}

void MenuRoomCameraStep() {
  float x = CameraTargetX;
  MenuRoomCameraX(P_X, &x);
  CameraEaseTo(x, kRoomTop);
}

void PlaceMenuCamera() {
  float x = 0;
  MenuRoomCameraX(P_X, &x);
  CameraX = CameraTargetX = x;
  CameraY = CameraTargetY = kRoomTop;
}
