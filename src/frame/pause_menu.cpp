#include "frame/pause_menu.h"

#include "world/assets.h"
#include "world/game_state.h"
#include "frame/hud.h"
#include "world/music.h"
#include "world/sound_effects.h"
#include "world/settings.h"
#include "present/present.h"

int PauseState = 0;
float PauseAlpha = 0;
int PauseSelection = 0;

namespace {

constexpr float kFadeStep = 0.04f;
constexpr int kRows = 5;

struct Row {
  const char* text;
  float textX, textY;
  float boxX, boxY, boxW, boxH;
};
constexpr Row kRowTable[kRows] = {
    {"Resume game", 330, 220, 210, 214, 380, 24},
    {"Sound Vol", 220, 250, 210, 238, 380, 56},
    {"Music Vol", 220, 300, 210, 294, 380, 54},
    {"Back to Worldmap", 330, 350, 210, 344, 380, 28},
    {"Quit to OS", 330, 380, 210, 370, 380, 30},
};

// One picture of the level, reused by every opening (a fresh image per pause
// would leave a texture behind each time).
Image* Backdrop() {
  static Image* backdrop = nullptr;
  if (!backdrop) backdrop = CreateImage(800, 600, 1);
  return backdrop;
}

void ActOnSelection() {
  switch (PauseSelection) {
    case 0:
      if (SpaceHit) PauseState = 3;
      break;
    case 1:
      if (RightHit) SfxVolumeUp();
      if (LeftHit) SfxVolumeDown();
      break;
    case 2:
      if (RightHit) MusicVolumeUp();
      if (LeftHit) MusicVolumeDown();
      break;
    case 3:
      if (SpaceHit) {
        PendingExitCode = 3;
        FadeAlpha = 0.01f;
        PauseState = 3;
      }
      break;
    case 4:
      if (SpaceHit) EndRun(0);
      break;
  }
}

}  // namespace

void OpenPauseMenu() {
  PauseState = 1;
  RunPauseMenu();
}

void RunPauseMenu() {
  DrawState before = CurrentDrawState();
  SetOrigin(0, 0);
  GrabImage(Backdrop(), 0, 0, 0);
  PauseSelection = 0;
  SetImageFont(FontSmall);
  InputLocked = 0;
  while (PauseState > 0) {
    GatherKeys();
    if (PauseState == 1) {
      if (PauseAlpha >= 1.0f) {
        PauseAlpha = 1.0f;
        PauseState = 2;
      } else {
        PauseAlpha += kFadeStep;
      }
    } else if (PauseState == 2) {
      if (UpHit) --PauseSelection;
      if (DownHit) ++PauseSelection;
      if (PauseSelection < 0) PauseSelection = kRows - 1;
      if (PauseSelection > kRows - 1) PauseSelection = 0;
      ActOnSelection();
    } else if (PauseState == 3) {
      if (PauseAlpha <= 0) {
        PauseAlpha = 0;
        PauseState = 0;
      } else {
        PauseAlpha -= kFadeStep;
      }
    }
    DrawPauseMenu();
    if (EscapeHit) PauseState = 3;
  }
  SetOrigin(before.originX, before.originY);
  SetImageFont(before.font);
}

void DrawPauseMenu() {
  Cls();
  SetScale(1, 1);
  SetRotation(0);
  SetAlpha(1);
  SetColor(255, 255, 255);
  DrawImage(Backdrop(), 0, 0, 0);
  SetColor(0, 0, 0);
  SetAlpha(PauseAlpha);
  DrawRect(200, 200, 400, 210);
  SetColor(255, 255, 255);
  DrawBox(200, 200, 400, 210);
  const Row& sel = kRowTable[PauseSelection];
  SetColor(64, 0, 0);
  DrawRect(sel.boxX, sel.boxY, sel.boxW, sel.boxH);
  SetColor(255, 255, 255);
  for (const Row& r : kRowTable) DrawText(r.text, r.textX, r.textY);
  SetColor(128, 0, 0);
  DrawRect(250, 270, 300 * SoundVolume, 20);
  DrawRect(250, 320, static_cast<float>(MusicVolume), 20);
  SetColor(255, 0, 0);
  DrawBox(250, 270, 300, 20);
  DrawBox(250, 320, 300, 20);
  Flip(1);
}
