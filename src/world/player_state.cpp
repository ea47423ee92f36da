#include "world/player_state.h"

float P_X = 0, P_Y = 0;
float P_PrevX = 0, P_PrevY = 0;
float P_XS = 0, P_YS = 0;
int Facing = 0;
int DashFlag = 0;
int PlayerState = 0;
int HighUsed = 0;
int LowFlag = 0;
int DoubleState = 0;
int ReleaseTime = 0;
int InWater = 0;
int WaterEntryState = 0;
int FloorContact = 0, CeilingContact = 0, LeftWallContact = 0, RightWallContact = 0;

float P_XS_MAX = 5, P_YS_MIN = -9, P_YS_MAX = 10, P_XS_RATE = 0.4f, P_YS_RATE = 0.2f, P_XS_DECEL = 0.2f;
float P_X_BOUNCE_THRESH = 7, P_NORMAL_BOUNCE = -5, P_HIGH_BOUNCE = -8, P_HIGH_DOUBLE = -10;
float P_DASH_SPEED = 9, P_LOW_BOUNCE = -2;

Box HeadProbe, FootProbe, LeftProbe, RightProbe, BodyBox;

void UpdateProbes() {
  const float x = P_X, y = P_Y;
  HeadProbe = {x - 11, y - 45, x + 11, y - 43};
  FootProbe = {x - 11, y - 2, x + 11, y};
  LeftProbe = {x - 14, y - 39, x - 12, y - 6};
  RightProbe = {x + 12, y - 39, x + 14, y - 6};
  BodyBox = {x - 9, y - 43, x + 9, y - 2};
}

void ResetPlayerForLevel() {
  P_X = P_Y = P_PrevX = P_PrevY = 0;
  P_XS = P_YS = 0;
  P_XS_MAX = 5;
  P_YS_MIN = -9;
  P_YS_MAX = 10;
  P_XS_RATE = 0.4f;
  P_YS_RATE = 0.2f;
  P_XS_DECEL = 0.2f;
  P_X_BOUNCE_THRESH = 2;
  Facing = 0;
  PlayerState = 0;
  UpdateProbes();
}

void SetPlayerPosition(float x, float y) {
  P_X = x;
  P_Y = y;
  UpdateProbes();
}

#include "present/state_dump.h"
BOINGLE_STATE_VALUE(P_X, P_X);
BOINGLE_STATE_VALUE(P_Y, P_Y);
BOINGLE_STATE_VALUE(P_XS, P_XS);
BOINGLE_STATE_VALUE(P_YS, P_YS);
BOINGLE_STATE_VALUE(PlayerState, PlayerState);
BOINGLE_STATE_VALUE(Facing, Facing);
BOINGLE_STATE_VALUE(DashFlag, DashFlag);
