#include "frame/hud.h"

#include <string>

#include "world/assets.h"
#include "world/camera.h"
#include "world/player_state.h"
#include "present/present.h"
#include "present/timer.h"

float HudAlpha = 1.0f;

namespace {
int g_rollTime = 0;
int g_timerTime = 0;
constexpr int kTimerStepMs = 500;
constexpr int kRollStepMs = 50;
}  // namespace

void ResetLevelTime() {
  LevelTime = 999;
  g_timerTime = Millisecs();
}

void TickLevelTime() {
  int now = Millisecs();
  if (MsPassed(g_timerTime, kTimerStepMs, now)) {
    g_timerTime = now;
    --LevelTime;
  }
}

void RollScore() {
  int now = Millisecs();
  if (!MsPassed(g_rollTime, kRollStepMs, now)) return;
  // Big gaps close in big steps, so any gain settles within a second or two,
  // and the last steps are single points the eye can follow.
  if (ScoreShown < Score - 1000) ScoreShown += 500;
  if (ScoreShown < Score - 500) ScoreShown += 250;
  if (ScoreShown < Score - 100) ScoreShown += 50;
  if (ScoreShown < Score - 30) ScoreShown += 10;
  if (ScoreShown < Score) ScoreShown += 1;
  g_rollTime = now;
}

void DrawHud() {
  float d = P_Y - CameraY;
  if (d > -40 && d < 70) {
    // The limit is tested before the step, so one frame may dip past it.
    HudAlpha = HudAlpha <= 0.25f ? 0.25f : HudAlpha - 0.04f;
  } else {
    HudAlpha = HudAlpha >= 1.0f ? 1.0f : HudAlpha + 0.04f;
  }
  SetScale(1, 1);
  SetRotation(0);
  SetColor(0, 0, 0);
  SetAlpha(0.25f * HudAlpha);
  DrawRect(0, 0, 800, 32);
  SetColor(255, 255, 255);
  SetAlpha(HudAlpha);
  for (int slot = MaxHealth - 1; slot >= 0; --slot)
    DrawImage(slot <= Health - 1 ? ImgHeartFull : ImgHeartEmpty, 8.0f * slot, 12, 0);
  for (int k = 0; k < 3; ++k) {
    SetAlpha((StatuesFound[k] ? 1.0f : 0.25f) * HudAlpha);
    DrawImage(ImgMiscStatue, 320.0f + 30 * k, 2, 0);
  }
  SetAlpha(HudAlpha);
  SetImageFont(FontSmall);
  DrawImage(ImgMiscCoin, 200, 12, 0);
  DrawText(" : " + std::to_string(Coins), 216, 12);
  DrawText("Score : " + std::to_string(ScoreShown), 466, 12);
  DrawImage(ImgIconWatch, 700, 12, 0);
  DrawText(" : " + std::to_string(LevelTime), 716, 12);
  SetAlpha(1);
}

