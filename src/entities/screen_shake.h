// Screen shake, and the shake zones that start it: the whole picture is drawn
// with a random offset for a while, for ever, or in bursts like a quake.
#pragma once

#include "entities/entity.h"

enum class ShakeMode { Timed = 0, Endless = 1, Quake = 2, Off = 3 };

extern int ShakeOn;
extern int ShakeModeNow;
extern int ShakeAmplitude, ShakeDuration, ShakeStart;
extern int ShakeBurstMax, ShakeBurstEnd, ShakeLastRoll;
extern int ShakeOffsetX, ShakeOffsetY;

// mode 0: a ms of amplitude b; 1: amplitude b until stopped; 2: quake of
// amplitude b in bursts of at most a ms; 3: off.
void StartShake(int mode, int a, int b);
void StopScreenShake();
// Once per level frame: the next offsets while a shake runs.
void ScreenShakeStep(float* offsetX, float* offsetY);

class TShakeZone : public TTriggerable {
 public:
  int a = 0, b = 0;
  void Kill() override;
};
extern EntityList<TShakeZone> ShakeZones;
void ShakeZoneChecks();
