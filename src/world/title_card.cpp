#include "world/title_card.h"

#include "world/assets.h"
#include "world/game_state.h"
#include "world/level_loader.h"
#include "present/present.h"
#include "present/timer.h"

namespace {
constexpr int kPhaseMs = 500;

void DrawBlack(float alpha) {
  SetScale(1, 1);
  SetColor(0, 0, 0);
  SetAlpha(alpha);
  DrawRect(0, 0, 800, 600);
}

void DrawTexts(float alpha) {
  SetImageFont(FontLarge);
  SetColor(255, 255, 255);
  SetAlpha(alpha);
  SetScale(1, 1);
  DrawText(CurrentLevelTitle(), 300, 300);
  SetScale(0.5f, 0.5f);
  DrawText(CurrentLevelSubtitle(), 350, 340);
  SetScale(1, 1);
}
}  // namespace

void UpdateTitleCard() {
  int now = Millisecs();
  switch (TitleState) {
    case 0:
      InputLocked = 1;
      TitleTime = now;
      TitleState = 1;
      break;
    case 1:
      TitleAlpha += 0.05f;
      if (TitleAlpha > 1.0f) TitleAlpha = 1.0f;
      if (MsPassed(TitleTime, kPhaseMs, now)) {
        TitleTime = now;
        TitleState = 2;
      }
      break;
    case 2:
      if (MsPassed(TitleTime, kPhaseMs, now)) {
        TitleTime = now;
        TitleState = 3;
        InputLocked = 0;
      }
      break;
    case 3:
    case 4:
      if (TitleAlpha > 0) {
        TitleAlpha -= 0.05f;
        if (TitleAlpha < 0) TitleAlpha = 0;
      }
      if (MsPassed(TitleTime, kPhaseMs, now)) {
        TitleTime = now;
        TitleState = TitleState == 3 ? 4 : 5;
        TitleAlpha = 1.0f;
      }
      break;
    default:
      break;
  }
}

void DrawTitleCard() {
  switch (TitleState) {
    case 0:
      DrawBlack(1);
      break;
    case 1:
      DrawBlack(1);
      DrawTexts(TitleAlpha);
      break;
    case 2:
      DrawBlack(1);
      DrawTexts(1);
      break;
    case 3:
      DrawBlack(TitleAlpha);
      DrawTexts(1);
      break;
    case 4:
      DrawTexts(TitleAlpha);
      break;
    case 5:
      SetScale(1, 1);
      SetColor(255, 255, 255);
      TitleState = 6;
      break;
    default:
      break;
  }
}
