// Score, coins, health, lives and the level watch, and the head-up display
// that shows them along the top of the screen.
#pragma once

extern int Lives;       // a death costs one; the continue prompt sets 5
extern int Health;      // hearts left, 5 at the start of every level
extern int MaxHealth;   // heart slots drawn
extern int Coins;       // coins taken this run (not saved)
extern int Score;
extern int ScoreShown;  // what the HUD shows; rolls towards Score
extern int LevelTime;   // the watch; drops by 1 every 500 ms, may go below 0
extern int StatuesFound[3];
extern float HudAlpha;  // 0.25 while the hero is up in the HUD strip, else 1

void AddScore(int points);
void AddTimeBonus();
void ResetLevelTime();
void TickLevelTime();
void RollScore();
void DrawHud();
// A one-pixel outline whose lines include their last pixels.
void DrawBox(float x, float y, float w, float h);
