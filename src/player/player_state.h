// The hero's motion state, shared by the physics, the camera, the objects that
// push him and the state dump. One player, so plain globals.
#pragma once

// Position: P_X is the centre of the body, P_Y the tip of the pogo stick.
extern float P_X, P_Y;
extern float P_PrevX, P_PrevY;  // before the current sub-step
// Speed in pixels per frame; P_YS > 0 is downwards.
extern float P_XS, P_YS;
extern int Facing;      // 0 right, 1 left
extern int DashFlag;    // 1 while a downward dash is in force
extern int PlayerState; // 0 normal, 1 hurt (untouchable), 2 dead

// The body box (left, top, right, bottom) around (P_X, P_Y): the box objects,
// zones, items and enemies test against.
inline float BodyLeft() { return P_X - 9; }
inline float BodyTop() { return P_Y - 43; }
inline float BodyRight() { return P_X + 9; }
inline float BodyBottom() { return P_Y - 2; }
