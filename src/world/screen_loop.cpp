#include "world/screen_loop.h"

#include "present/present.h"
#include "world/game_state.h"
#include "world/settings.h"

void DrawBlackCover(float alpha) {
  SetOrigin(0, 0);
  SetScale(1, 1);
  SetAlpha(alpha);
  SetColor(0, 0, 0);
  DrawRect(0, 0, 800, 600);
}

void RunScreen(Screen& screen) {
  while (screen.Running()) {
    if (screen.HoldsInput()) InputLocked = 1;
    Cls();
    screen.Background();
    GatherKeys();
    screen.Step();
    if (screen.fadeIn.alpha > 0) {
      DrawBlackCover(screen.fadeIn.alpha);
      screen.fadeIn.alpha -= screen.fadeIn.step;
    }
    if (FadeAlpha > 0) {
      DrawBlackCover(FadeAlpha);
      FadeAlpha += screen.fadeOutStep;
      if (FadeAlpha > 1.0f) screen.FadedOut();
    }
    Flip(1);
  }
}
