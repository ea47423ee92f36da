// The pause menu: Escape in a level freezes it under a dimmed picture of
// itself, with resume, the two volume sliders, the way back to the world map
// and the way out.
#pragma once

extern int PauseState;  // 0 closed, 1 opening, 2 open, 3 closing
extern float PauseAlpha;
extern int PauseSelection;  // row 0-4

void OpenPauseMenu();
void RunPauseMenu();
void DrawPauseMenu();
