// The head-up display along the top of the screen (hearts, coins, statues,
// score, the watch), the watch's tick and the score's roll. What it shows is
// the run's progress (world/progress.h).
#pragma once

#include "world/progress.h"

extern float HudAlpha;  // 0.25 while the hero is up in the HUD strip, else 1

void ResetLevelTime();
void TickLevelTime();
void RollScore();
void DrawHud();
