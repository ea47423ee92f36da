// The hero's two animations (bouncing, dashing), his tilt, and how he is
// drawn: normally, while hurt, in pieces, in the retro area and in the menu.
#pragma once

#include "present/present.h"

extern int AnimState;  // 0/1 bouncing, 6/7 dashing
extern int AnimFrame;
extern int FramesPerDirection;
extern int AnimTime;
extern float Tilt;
// The plain pogo sprite, or the retro one in the retro area.
extern Image* PlayerSprite;

void RestartBounceAnimation();
void StartDashAnimation();
void AnimatePlayer();
void DrawPlayer();
void DrawPlayerRetro();
void DrawPlayerSimple();
// Chosen by the area: the retro area's sprite, or the plain one.
void LoadPlayerSprite(bool retro);
