#include "frame/hud.h"

#include <string>

#include "frame/assets.h"
#include "frame/pending_steps.h"
#include "player/player_state.h"
#include "present/present.h"

int Lives = 10;
int Health = 5;
int MaxHealth = 5;
int Coins = 0;
int Score = 0;
int ScoreShown = 0;
int LevelTime = 999;
int StatuesFound[3] = {0, 0, 0};
float HudAlpha = 1.0f;

namespace {
int g_rollTime = 0;
int g_timerTime = 0;
constexpr int kTimerStepMs = 500;
constexpr int kRollStepMs = 50;
}  // namespace

void AddScore(int points) { Score += points; }
void AddTimeBonus() { Score += LevelTime; }

void ResetLevelTime() {
  LevelTime = 999;
  g_timerTime = Millisecs();
}

void TickLevelTime() {
  int now = Millisecs();
  if (now - g_timerTime > kTimerStepMs) {
    g_timerTime = now;
    --LevelTime;
  }
}

void RollScore() {
  int now = Millisecs();
  if (now - g_rollTime <= kRollStepMs) return;
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

void DrawBox(float x, float y, float w, float h) {
  DrawLine(x, y, x + w - 1, y);
  DrawLine(x, y, x, y + h - 1);
  DrawLine(x + w - 1, y, x + w - 1, y + h - 1);
  DrawLine(x, y + h - 1, x + w - 1, y + h - 1);
}

#include "frame/state_dump.h"
BOINGLE_STATE_VALUE(StatuesFound, StatuesFound[0] + StatuesFound[1] + StatuesFound[2]);
