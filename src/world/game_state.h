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

// Level ids: what game state 3 plays. The world map's fourteen levels are
// kMapLevelBase + their node number, which is also their row of the level
// record table.
constexpr int kMapLevelBase = 410;
constexpr int kMapLevelCount = 14;
namespace LevelIds {
constexpr int List = 402;  // the developer level list's choice
constexpr int ForestI = 411;
constexpr int GhostI = 412;
constexpr int ForestII = 413;
constexpr int DesertI = 414;
constexpr int TempleI = 415;
constexpr int BeachI = 416;
constexpr int OceanI = 417;
constexpr int BeachII = 418;
constexpr int VolcanoI = 419;
constexpr int VolcanoII = 420;
constexpr int MountainI = 421;
constexpr int AirI = 422;
constexpr int CastleI = 423;
constexpr int WierdI = 424;
constexpr int Tutorial = 425;
constexpr int CommandLine = 426;  // the level named on the command line
constexpr int Retro = 427;
}  // namespace LevelIds

// Starts a fade-out that ends the level with `code`, unless one already runs.
void StartLevelFadeOut(int code);
