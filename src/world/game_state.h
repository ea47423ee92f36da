// The game-state loop's globals: which screen runs, which level, how a level
// ended, the fade-out that ends it and the title card that opens it.
#pragma once

#include <string>

extern int GameState;        // the current screen (GameStateId values)
extern int LevelId;          // which level game state 3 plays
extern int LevelIndex;       // row of the level record table of the current level
extern int LevelExitCode;    // 0 while a level runs, else why it ended
extern int PendingExitCode;  // taken by LevelExitCode when the fade-out completes
extern float FadeAlpha;      // the black fade-out over a level; 0 means none
extern int InputLocked;      // 1: the bound-key flags read 0
extern std::string CommandLineLevel;
extern int TitleState;  // 0-6
extern float TitleAlpha;
extern int TitleTime;
extern int Windowed;  // 1 once the 800 by 600 window is open

// Game-state numbers (stored as plain ints: the game's tables use them).
namespace GameStateId {
constexpr int Menu = 0;
constexpr int WorldMap = 2;
constexpr int Level = 3;
constexpr int Quit = 5;
constexpr int LevelList = 6;
constexpr int Credits = 201;
constexpr int TitleSplash = 202;
constexpr int TvIntro = 206;
constexpr int RetroIntro = 207;
constexpr int GardenIntro = 210;
constexpr int NewWorldIntro = 211;
constexpr int FirstCutscene = 212;
constexpr int ToBeContinued = 215;
constexpr int GameOver = 216;
constexpr int Continue = 217;
}  // namespace GameStateId

// Level exit codes.
namespace ExitCode {
constexpr int Running = 0;
constexpr int Completed = 1;
constexpr int Died = 2;
constexpr int LeftLevel = 3;
constexpr int RetroLeft = 99;
constexpr int Warp = 1913;
}  // namespace ExitCode

// Level ids of the fixed levels.
constexpr int kLevelIdList = 402;
constexpr int kLevelIdTutorial = 425;
constexpr int kLevelIdCommandLine = 426;
constexpr int kLevelIdRetro = 427;

// Starts a fade-out that ends the level with `code`, unless one already runs.
void StartLevelFadeOut(int code);
