#include "frontend/menu_buttons.h"

#include "frontend/menu_door.h"
#include "present/present.h"
#include "present/timer.h"
#include "world/assets.h"
#include "world/camera.h"
#include "world/music.h"
#include "world/player_state.h"
#include "world/save_game.h"
#include "world/sound_effects.h"
#include "world/tile_map.h"

std::vector<TMenuButton> MenuButtonList;
int PickedSlot = 0;
int LoadedSlot = 0;

namespace {

constexpr int kButtonFloorY = 544;
constexpr int kResetButtonY = 320;
// How long and how deep a button shows pressed after it acted.
constexpr int kPressedMs = 150;
constexpr float kPressedDepth = 3;

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
      Button(-1440, kResetButtonY, MenuAction::ResetSlot, 0, ImgButDelete, 0, 0),
  };
}

void DoMenuAction(int action, int argument) {
  switch (static_cast<MenuAction>(action)) {
    // The music has no sample of its own: a click says the bounce was taken,
    // the slider shows by how much.
    case MenuAction::MusicUp:
      MusicVolumeUp();
      PlaySfx(Sfx::MenuClickShort, 0);
      break;
    case MenuAction::MusicDown:
      MusicVolumeDown();
      PlaySfx(Sfx::MenuClickShort, 0);
      break;
    // The sound steps play a random effect as a sample, at the limit too.
    case MenuAction::SoundUp: SfxVolumeUp(); break;
    case MenuAction::SoundDown: SfxVolumeDown(); break;
    case MenuAction::PickSlot1:
    case MenuAction::PickSlot2:
    case MenuAction::PickSlot3:
      PickedSlot = argument;
      PlaySfx(Sfx::MenuClickShort, 0);
      break;
    case MenuAction::ResetSlot:
      if (ResetLoadedSlot()) PlaySfx(Sfx::MenuClickLong, 0);
      break;
  }
}

void MenuButtonContacts() {
  for (TMenuButton& b : MenuButtonList) {
    bool on = BoxesOverlap(FootProbe.left, FootProbe.top, FootProbe.right, FootProbe.bottom, static_cast<float>(b.x),
                           static_cast<float>(b.y), static_cast<float>(b.x + b.width),
                           static_cast<float>(b.y + b.height)) != 0;
    if (on && !b.touched) {
      b.pressedAt = Millisecs();
      DoMenuAction(b.action, b.argument);
    }
    b.touched = on;
  }
}

void DrawMenuButtons() {
  SetBlend(BLEND_ALPHA);
  SetAlpha(1);
  SetColor(255, 255, 255);
  SetScale(1, 1);
  SetRotation(0);
  int now = Millisecs();
  for (const TMenuButton& b : MenuButtonList) {
    int frame = b.mode == 1 ? (b.value == PickedSlot ? 0 : 1) : b.frame;
    float sink = b.pressedAt >= 0 && !MsPassed(b.pressedAt, kPressedMs, now) ? kPressedDepth : 0;
    DrawImage(b.image, b.x - CameraX, b.y + sink - CameraY, frame);
  }
}
