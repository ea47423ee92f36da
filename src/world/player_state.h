// The hero's motion state and tuning, shared by the physics, the camera, the
// objects that push him, the console and the state dump. One player, so plain
// globals.
#pragma once

// Position: P_X is the centre of the body, P_Y the tip of the pogo stick.
extern float P_X, P_Y;
extern float P_PrevX, P_PrevY;  // before the current sub-step
// Speed in pixels per frame; P_YS > 0 is downwards.
extern float P_XS, P_YS;
extern int Facing;       // 0 right, 1 left
extern int DashFlag;     // 1 while a downward dash is in force
extern int PlayerState;  // 0 normal, 1 hurt (untouchable), 2 dead
extern int HighUsed;     // a high bounce was given since the last floor contact
extern int LowFlag;      // the current bounce is a low one
extern int DoubleState;  // 0-3: the double-bounce timing machine
extern int ReleaseTime;  // when Up was let go after a high bounce
extern int InWater;
extern int WaterEntryState;  // 0 dry, 1 just entered, 2 entry handled
// Contact flags, set by the collision tests of a sub-step, cleared at its end.
extern int FloorContact, CeilingContact, LeftWallContact, RightWallContact;

// The tuning variables, by their console names. Some are reassigned every
// frame, some restored by each level, the bounce speeds kept for the run.
extern float P_XS_MAX, P_YS_MIN, P_YS_MAX, P_XS_RATE, P_YS_RATE, P_XS_DECEL;
extern float P_X_BOUNCE_THRESH, P_NORMAL_BOUNCE, P_HIGH_BOUNCE, P_HIGH_DOUBLE;
extern float P_DASH_SPEED, P_LOW_BOUNCE;

// A probe or body box: left, top, right, bottom.
struct Box {
  float left, top, right, bottom;
};
// The five probes, recomputed at every sub-step.
extern Box HeadProbe, FootProbe, LeftProbe, RightProbe, BodyBox;
void UpdateProbes();

// The body box around (P_X, P_Y): what objects, zones, items and enemies test.
inline float BodyLeft() { return P_X - 9; }
inline float BodyTop() { return P_Y - 43; }
inline float BodyRight() { return P_X + 9; }
inline float BodyBottom() { return P_Y - 2; }

// The player part of the level reset: position and speeds to 0, facing
// right, alive, and the seven tuning variables a level restores.
void ResetPlayerForLevel();
// The player start of a level file and the teleports.
void SetPlayerPosition(float x, float y);
