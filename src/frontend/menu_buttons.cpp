#include "frontend/menu_buttons.h"

#include "present/present.h"
#include "world/assets.h"
#include "world/camera.h"
#include "world/music.h"
#include "world/player_state.h"
#include "world/save_game.h"
#include "world/sound_effects.h"
#include "world/tile_map.h"

std::vector<TMenuButton> MenuButtonList;
int PickedSlot = 0;
int LoadedSlot = 1;

namespace {

constexpr int kButtonFloorY = 544;

TMenuButton Button(int x, int y, MenuAction action, int argument, Image* image, int mode, int value) {
  TMenuButton b;
  b.x = x;
  b.y = y;
  b.action = static_cast<int>(action);
  b.argument = argument;
  b.image = image;
  b.mode = mode;
  b.value = value;
  return b;
}

}  // namespace

void BuildMenuButtons() {
  MenuButtonList = {
      Button(1024, kButtonFloorY, MenuAction::MusicDown, 0, ImgButMinus, 0, 0),
      Button(1152, kButtonFloorY, MenuAction::MusicUp, 0, ImgButPlus, 0, 0),
      Button(1280, kButtonFloorY, MenuAction::SoundDown, 0, ImgButMinus, 0, 0),
      Button(1408, kButtonFloorY, MenuAction::SoundUp, 0, ImgButPlus, 0, 0),
      Button(-608, kButtonFloorY, MenuAction::PickSlot1, 1, ImgButTog, 1, 1),
      Button(-448, kButtonFloorY, MenuAction::PickSlot2, 2, ImgButTog, 1, 2),
      Button(-288, kButtonFloorY, MenuAction::PickSlot3, 3, ImgButTog, 1, 3),
      Button(-1440, 320, MenuAction::ResetSlot, 0, ImgButDelete, 0, 0),
  };
}

void DoMenuAction(int action, int argument) {
  switch (static_cast<MenuAction>(action)) {
    case MenuAction::MusicUp: MusicVolumeUp(); break;
    case MenuAction::MusicDown: MusicVolumeDown(); break;
    // The sound steps play a random effect as a sample, at the limit too.
    case MenuAction::SoundUp: SfxVolumeUp(); break;
    case MenuAction::SoundDown: SfxVolumeDown(); break;
    case MenuAction::PickSlot1:
    case MenuAction::PickSlot2:
    case MenuAction::PickSlot3: PickedSlot = argument; break;
    case MenuAction::ResetSlot: NewSlot(LoadedSlot); break;
  }
}

void MenuButtonContacts() {
  for (const TMenuButton& b : MenuButtonList) {
    if (BoxesOverlap(FootProbe.left, FootProbe.top, FootProbe.right, FootProbe.bottom, static_cast<float>(b.x),
                     static_cast<float>(b.y), static_cast<float>(b.x + b.width), static_cast<float>(b.y + b.height)))
      DoMenuAction(b.action, b.argument);
  }
}

void DrawMenuButtons() {
  for (const TMenuButton& b : MenuButtonList) {
    int frame = b.mode == 1 ? (b.value == PickedSlot ? 0 : 1) : b.frame;
    DrawImage(b.image, b.x - CameraX, b.y - CameraY, frame);
  }
}
