// The game-state loop, one level run, and the level and menu frame loops.
#pragma once

#include <string>

void RunGame();
void PlayLevel(int levelId);
void RunLevelFrames();
// The routines of game states 3 (a level) and 6 (the developer level list).
void RunLevelState();
void RunLevelListState();

// The developer level list: the file chosen, or empty for none. Null until
// the list is part of the game.
using LevelListFn = std::string (*)();
extern LevelListFn ChooseLevelFromList;

// The level file a level id plays (empty for the developer list and unknown
// ids), and the game state that follows it.
std::string LevelFileFor(int levelId);
int StateAfterLevel(int levelId);

// The editor hand-back after a command-line level.
constexpr const char* kEditorBatchFile = "Quonitor_In.bat";
void HandBackToEditor();
