#include "player/pogo_physics.h"

#include <cmath>

#include "world/particles.h"
#include "world/game_state.h"
#include "world/area.h"
#include "world/sound_effects.h"
#include "world/settings.h"
#include "player/object_hooks.h"
#include "player/player_health.h"
#include "player/player_sprite.h"
#include "world/player_state.h"
#include "present/present.h"
#include "present/timer.h"
#include "world/tile_map.h"

int RetroRiseCounter = 0;
int RetroDashFlag = 0;

namespace {

constexpr int kSubSteps = 4;
constexpr int kDoubleWindowMs = 300;
constexpr int kRetroStepMs = 50;

// Effects of the sound table.

int g_retroTime = 0;
int g_retroAttackHits = 0;

bool Overlaps(const Box& p, float x1, float y1, float x2, float y2) {
  return BoxesOverlap(p.left, p.top, p.right, p.bottom, x1, y1, x2, y2) != 0;
}

}  // namespace

void HeroBlockContacts(bool platformsToo) {
  // Only blocks near the four probes can touch one of them.
  const Box* probes[] = {&HeadProbe, &FootProbe, &LeftProbe, &RightProbe};
  float left = HeadProbe.left, top = HeadProbe.top, right = HeadProbe.right, bottom = HeadProbe.bottom;
  // A side that is not a number stays so: such a probe touches every block.
  auto widen = [](float& side, float v, bool lower) {
    if (std::isnan(v) || (lower ? v < side : v > side)) side = v;
  };
  for (const Box* p : probes) {
    widen(left, p->left, true);
    widen(top, p->top, true);
    widen(right, p->right, false);
    widen(bottom, p->bottom, false);
  }
  VisitBlocksNear(left, top, right, bottom, [&](const TCollisionBlock& b, int) {
    float x1 = static_cast<float>(b.x), y1 = static_cast<float>(b.y);
    if (b.kind == 0) {
      float x2 = x1 + kTileSize, y2 = y1 + kTileSize;
      if (Overlaps(HeadProbe, x1, y1, x2, y2)) CeilingContact = 1;
      if (Overlaps(FootProbe, x1, y1, x2, y2)) FloorContact = 1;
      if (Overlaps(LeftProbe, x1, y1, x2, y2)) LeftWallContact = 1;
      if (Overlaps(RightProbe, x1, y1, x2, y2)) RightWallContact = 1;
    } else if (b.kind == 1 && platformsToo && P_YS > 0) {
      // A platform holds only a falling hero, along its top pixel row.
      if (Overlaps(FootProbe, x1, y1, x1 + kTileSize, y1 + 1)) FloorContact = 1;
    }
    return true;
  });
}

namespace {

void DoubleBounceMachine(int now) {
  if (DoubleState == 1 && !UpDown) {
    DoubleState = 2;
    ReleaseTime = now;
  }
  if (DoubleState == 2) {
    if (UpDown) DoubleState = 3;
    if (MsPassed(ReleaseTime, kDoubleWindowMs, now)) DoubleState = 0;
  }
  if (DoubleState == 3 && MsPassed(ReleaseTime, kDoubleWindowMs, now)) DoubleState = 0;
  if (FloorContact && DoubleState == 3) {
    P_YS = P_HIGH_DOUBLE;
    DoubleState = 0;
  }
}

void SubStep() {
  P_PrevX = P_X;
  P_PrevY = P_Y;
  P_X += P_XS / kSubSteps;
  P_Y += P_YS / kSubSteps;
  UpdateProbes();
  HeroBlockContacts(true);
  PlayerHooks.movingBlockContacts();
  PlayerHooks.fallingBlockContacts();
  PlayerHooks.menuButtonContacts();
  if (FloorContact && CeilingContact) {
    HurtPlayer(20);
    PlaySfx(Sfx::ZombieBreak, 0);  // the crunch
  }
  if (FloorContact) {
    P_YS = P_NORMAL_BOUNCE;
    if (P_Y > P_PrevY) P_Y = P_PrevY;
    RestartBounceAnimation();
  }
  if (CeilingContact) {
    P_YS = (0 - P_YS) / 2;
    if (P_Y < P_PrevY) P_Y = P_PrevY;
    P_Y += 1;
  }
  if ((LeftWallContact && P_XS < 0) || (RightWallContact && P_XS > 0)) {
    P_XS = 0;
    DashFlag = 0;
    P_X = P_PrevX;
  }
  if (DashFlag) {
    EmitSmallDust(static_cast<int>(P_X), static_cast<int>(P_Y), 2);
    if (FloorContact) EmitBigDust(static_cast<int>(P_X), static_cast<int>(P_Y), 10);
  }
  PlayerHooks.breakableBlockContacts();
  if (FloorContact) {
    HighUsed = 0;
    DashFlag = 0;
    LowFlag = 0;
  }
  if (FloorContact && DownDown) {
    P_YS = P_LOW_BOUNCE;
    LowFlag = 1;
  }
  if (FloorContact && UpDown) {
    if (HighUsed == 0) {
      HighUsed = 1;
      P_YS = P_HIGH_BOUNCE;
    }
    if (DoubleState == 0) DoubleState = 1;
  }
  DoubleBounceMachine(Millisecs());
  // The frame's Attack hits are seen by every sub-step.
  if (AttackHit) {
    P_YS = P_DASH_SPEED;
    DashFlag = 1;
    PlaySfx(Sfx::QuonDash, 0);
    StartDashAnimation();
  }
  if (P_YS < 5) DashFlag = 0;
  if (FloorContact) {
    if (HighUsed == 1 || DoubleState != 0)
      PlaySfx(Sfx::QuonBounceHigh, 1);
    else if (LowFlag == 1)
      PlaySfx(Sfx::QuonBounceLow, 1);
    else
      PlaySfx(Sfx::QuonBounceNormal, 1);
  }
  PlayerObjectChecks();
  FloorContact = CeilingContact = LeftWallContact = RightWallContact = 0;
  PlayerHooks.exitBoxCheck();
}

}  // namespace

void PlayerPhysicsStep() {
  if (LeftDown) {
    if (P_XS > -P_XS_MAX) P_XS -= P_XS_RATE;
    Facing = 1;
  } else if (RightDown) {
    if (P_XS < P_XS_MAX) P_XS += P_XS_RATE;
    Facing = 0;
  } else {
    if (P_XS < -0.1f)
      P_XS += P_XS_DECEL;
    else if (P_XS <= 0.1f)
      P_XS = 0;
    else
      P_XS -= P_XS_DECEL;
  }
  P_YS += P_YS_RATE;
  if (WaterEntryState == 1) {
    P_YS /= 3;
    P_XS /= 3;
    WaterEntryState = 2;
  }
  if (AreaIndex == Area::Sea) InWater = 1;
  if (InWater) {
    P_YS_RATE = 0.1f;
    P_XS_RATE = 0.1f;
    P_XS_MAX = 3;
    P_YS_MAX = DashFlag ? 4.0f : 3.0f;
  } else {
    P_YS_RATE = 0.2f;
    P_XS_RATE = 0.4f;
    P_XS_MAX = 5;
    P_YS_MAX = DashFlag ? 8.0f : 7.0f;
  }
  // A speed beyond a limit is pulled back by one rate a frame, which just
  // cancels that frame's push: a dash at 9 keeps falling at 9.
  if (P_XS > P_XS_MAX) P_XS -= P_XS_RATE;
  if (P_YS > P_YS_MAX) P_YS -= P_YS_RATE;
  if (P_XS < -P_XS_MAX) P_XS += P_XS_RATE;
  if (P_YS < P_YS_MIN) P_YS += P_YS_RATE;
  for (int i = 0; i < kSubSteps; ++i) SubStep();
  // Falling out of the level: nothing below the lowest block can save him.
  if (LevelMaxY > LevelMinY && P_Y > LevelMaxY + kFallOutDepth) HurtPlayer(20);
}

void RetroPlayerStep() {
  // The keys are read every frame but the retro hero moves only every
  // 100 ms: an Attack tap between two of his steps waits for the next one.
  g_retroAttackHits += AttackHit;
  int now = Millisecs();
  if (!MsPassed(g_retroTime, kRetroStepMs, now)) return;
  P_PrevX = P_X;
  P_PrevY = P_Y;
  P_XS = LeftDown ? -8.0f : (RightDown ? 8.0f : 0.0f);
  P_X += P_XS;
  if (RetroRiseCounter > 0) {
    P_Y -= P_YS;
    --RetroRiseCounter;
  } else {
    P_Y += P_YS;
  }
  UpdateProbes();
  HeroBlockContacts(true);
  if (FloorContact) {
    P_YS = 4;
    if (P_Y > P_PrevY) P_Y = P_PrevY;
    RetroRiseCounter = 10;
  }
  if (CeilingContact) {
    P_YS = 4;
    RetroRiseCounter = 0;
    if (P_Y < P_PrevY) P_Y = P_PrevY;
    P_Y += 1;
  }
  if (LeftWallContact || RightWallContact) {
    P_XS = 0;
    P_X = P_PrevX;
  }
  if (FloorContact && DownDown) RetroRiseCounter = 5;
  if (FloorContact && UpDown) RetroRiseCounter = 30;
  if (g_retroAttackHits) {
    P_YS = 8;
    RetroDashFlag = 1;
    RetroRiseCounter = 0;
  }
  if (FloorContact) RetroDashFlag = 0;
  PlayerHooks.exitBoxCheck();
  FloorContact = CeilingContact = LeftWallContact = RightWallContact = 0;
  g_retroTime = now;
  g_retroAttackHits = 0;
}
