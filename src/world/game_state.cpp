#include "world/game_state.h"

#include "present/state_dump.h"

int GameState = 0;
int LevelId = 0;
int LevelIndex = 0;
int LevelExitCode = 0;
int PendingExitCode = 0;
float FadeAlpha = 0;
int InputLocked = 0;
std::string CommandLineLevel;
int TitleState = 0;
float TitleAlpha = 0;
int TitleTime = 0;
int Windowed = 0;

void StartLevelFadeOut(int code) {
  if (FadeAlpha != 0) return;
  PendingExitCode = code;
  FadeAlpha = 0.01f;
}

BOINGLE_STATE_VALUE(GameState, GameState);
BOINGLE_STATE_VALUE(LevelId, LevelId);
BOINGLE_STATE_VALUE(LevelExitCode, LevelExitCode);
