#include "entities/level_completion.h"

#include <cstdio>

#include "world/assets.h"
#include "world/game_state.h"
#include "world/progress.h"
#include "world/level_loader.h"
#include "world/music.h"
#include "world/settings.h"
#include "player/player_health.h"
#include "world/player_state.h"
#include "present/present.h"
#include "present/timer.h"
#include "world/level_boxes.h"
#include "world/level_reset.h"
#include "world/save_game.h"
#include "world/tile_map.h"

int TallyState = 0;
float EndTextAlpha = 0, EndOverlayAlpha = 0;
int EndStamp = 0;
std::string EndLine;
int RunState = 0;
int RunStart = 0, RunEnd = 0, RunTime = 0, RunSeconds = 0, RunMillis = 0;
int RunPlace = 0;
int BestTimes[3] = {kNoTime, kNoTime, kNoTime};
int SecretFound = 0;

namespace {

constexpr int kPhaseMs = 1000;
constexpr float kFadeStep = 0.05f;

int g_musicBefore = 0;

bool BodyTouches(const TLevelBox& b) {
  return BoxesOverlap(BodyBox.left, BodyBox.top, BodyBox.right, BodyBox.bottom, static_cast<float>(b.left),
                      static_cast<float>(b.top), static_cast<float>(b.right), static_cast<float>(b.bottom)) != 0;
}

bool InTable() { return LevelIndex >= 0 && LevelIndex < kLevelRecords; }

void DrawCentred(const std::string& text, float y) {
  DrawText(text, static_cast<float>(400 - TextWidth(text) / 2), y);
}

void DrawLines() {
  DrawCentred(kEndTitle, 285);
  DrawCentred(EndLine, 315);
}

void TimerGates() {
  int now = Millisecs();
  if (RunState == 0 && BodyTouches(TimerStartGate)) {
    RunStart = now;
    RunState = 1;
  } else if (RunState == 1 && BodyTouches(TimerFinishGate)) {
    RunEnd = now;
    RunState = 2;
    RunTime = RunEnd - RunStart;
    RunMillis = RunTime % 1000;
    RunSeconds = (RunTime - RunMillis) / 1000;
    RunPlace = OfferBestTime(RunTime);
  }
}

void EndSequenceLogic() {
  if (TallyState > 0) InputLocked = 1;
  int now = Millisecs();
  switch (TallyState) {
    case 1: {
      char millis[8];
      std::snprintf(millis, sizeof millis, "%03d", RunMillis);
      EndLine = "You took " + std::to_string(RunSeconds) + "." + millis + " seconds";
      TallyState = 2;
      EndStamp = now;
      AddTimeBonus();
      break;
    }
    case 2:
      if (EndTextAlpha < 1.0f) EndTextAlpha += kFadeStep;
      if (MsPassed(EndStamp, kPhaseMs, now)) {
        EndStamp = now;
        TallyState = 3;
      }
      break;
    case 3:
      if (EndOverlayAlpha < 1.0f) EndOverlayAlpha += kFadeStep;
      if (SpaceHit) {
        EndStamp = now;
        TallyState = 4;
        PlayMusic(g_musicBefore);
        StartMusicFadeOut();
      }
      break;
    case 4:
      if (EndTextAlpha > 0) EndTextAlpha -= kFadeStep;
      if (MsPassed(EndStamp, kPhaseMs, now)) TallyState = 5;
      break;
    case 5:
      StartLevelFadeOut(ExitCode::Completed);
      break;
    default:
      break;
  }
}

void EndSequenceDraw() {
  if (TallyState < 2) return;
  SetOrigin(0, 0);
  SetScale(1, 1);
  SetRotation(0);
  SetImageFont(FontLarge);
  switch (TallyState) {
    case 2:
      SetAlpha(EndTextAlpha);
      SetColor(255, 255, 255);
      DrawLines();
      break;
    case 3:
      SetAlpha(EndOverlayAlpha);
      SetColor(0, 0, 0);
      DrawRect(0, 0, 800, 600);
      SetColor(255, 255, 255);
      DrawText("Press Space", 640, 565);
      SetAlpha(EndTextAlpha);
      DrawLines();
      break;
    case 4:
      SetAlpha(EndOverlayAlpha);
      SetColor(0, 0, 0);
      DrawRect(0, 0, 800, 600);
      SetAlpha(EndTextAlpha);
      SetColor(255, 255, 255);
      DrawLines();
      DrawText("Press Space", 640, 565);
      break;
    case 5:
      Cls();
      break;
  }
  SetAlpha(1);
  SetColor(255, 255, 255);
}

void ResetForLevel() {
  TallyState = 0;
  EndTextAlpha = 0;
  EndOverlayAlpha = 0;
  RunState = 0;
}
const int kResetJoined = RegisterLevelResetStep(ResetPhase::Boxes, &ResetForLevel);

}  // namespace

void ExitBoxCheck() {
  if (TallyState != 0 || !BodyTouches(LevelExitBox)) return;
  TallyState = 1;
  ExitReached = 1;
  g_musicBefore = CurrentLevelMusic();
  PlayMusic(MusicId::LevelComplete);
}

void SecretBoxCheck() {
  if (SecretFound == 0 && BodyTouches(SecretBox)) SecretFound = 1;
}

void WarpBoxStep() {
  if (!BodyTouches(WarpBox)) return;
  LevelExitCode = ExitCode::Warp;
  GameState = GameStateId::ToBeContinued;
}

void TimerGatesStep() { TimerGates(); }

void LevelEndStep() {
  EndSequenceLogic();
  EndSequenceDraw();
}

int OfferBestTime(int ms) {
  if (ms < BestTimes[0]) {
    BestTimes[2] = BestTimes[1];
    BestTimes[1] = BestTimes[0];
    BestTimes[0] = ms;
    return 1;
  }
  if (ms < BestTimes[1]) {
    BestTimes[2] = BestTimes[1];
    BestTimes[1] = ms;
    return 2;
  }
  if (ms < BestTimes[2]) {
    BestTimes[2] = ms;
    return 3;
  }
  return 0;
}

void LoadLevelCompletionRecord() {
  if (!InTable()) return;
  for (int k = 0; k < 3; ++k) BestTimes[k] = LevelRecord[LevelIndex][Record::BestTime + k];
  SecretFound = LevelRecord[LevelIndex][Record::SecretFound];
}

void StoreBestTimes() {
  if (!InTable()) return;
  for (int k = 0; k < 3; ++k) LevelRecord[LevelIndex][Record::BestTime + k] = BestTimes[k];
}

int LevelSecretFound() { return SecretFound; }

#include "present/state_dump.h"
BOINGLE_STATE_VALUE(TallyState, TallyState);
