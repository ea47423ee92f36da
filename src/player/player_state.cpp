#include "player/player_state.h"

float P_X = 0, P_Y = 0;
float P_PrevX = 0, P_PrevY = 0;
float P_XS = 0, P_YS = 0;
int Facing = 0;
int DashFlag = 0;
int PlayerState = 0;
