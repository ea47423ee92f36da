#include "world/progress.h"

#include "present/state_dump.h"

int Lives = 10;
int Health = 5;
int MaxHealth = 5;
int Coins = 0;
int Score = 0;
int ScoreShown = 0;
int LevelTime = 999;
int StatuesFound[3] = {0, 0, 0};

void AddScore(int points) { Score += points; }
void AddTimeBonus() { Score += LevelTime; }

BOINGLE_STATE_VALUE(Lives, Lives);
BOINGLE_STATE_VALUE(Health, Health);
BOINGLE_STATE_VALUE(Score, Score);
BOINGLE_STATE_VALUE(Coins, Coins);
BOINGLE_STATE_VALUE(StatuesFound, StatuesFound[0] + StatuesFound[1] + StatuesFound[2]);
