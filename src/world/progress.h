// The player's progress through a run: lives, health, coins, score, the level
// watch and the statues of the level being played. The HUD shows them; items,
// enemies, the level run and the save slots change them.
#pragma once

extern int Lives;       // a death costs one; the continue prompt sets 5
extern int Health;      // hearts left, 5 at the start of every level
extern int MaxHealth;   // heart slots drawn
extern int Coins;       // coins taken this run (not saved)
extern int Score;
extern int ScoreShown;  // what the HUD shows; rolls towards Score
extern int LevelTime;   // the watch; drops by 1 every 500 ms, may go below 0
extern int StatuesFound[3];

void AddScore(int points);
// The watch's time left is worth as many points (taken away below zero).
void AddTimeBonus();
