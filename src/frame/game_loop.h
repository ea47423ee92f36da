// The game-state loop, one level run, and the level and menu frame loops.
#pragma once

#include <string>

void RunGame();
void PlayLevel(int levelId);
void RunLevelFrames();
void RunMenu();

// The level file a level id plays (empty for the developer list and unknown
// ids), and the game state that follows it.
std::string LevelFileFor(int levelId);
int StateAfterLevel(int levelId);

// The editor hand-back after a command-line level.
constexpr const char* kEditorBatchFile = "Quonitor_In.bat";
void HandBackToEditor();
