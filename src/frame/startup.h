// The start-up: settings, the two prompts, the display, the catalogue, and
// the first game state.
#pragma once

// Runs the whole start-up sequence up to (not including) RunGame.
void StartUp();
void AskSoundOutput();
void AskViewingMode();
void ChooseFirstState();
