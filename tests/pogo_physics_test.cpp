// The hero's physics on small fixture levels: steering, the bounce heights,
// the double bounce, ceilings, platforms, locked input, hurting and dying,
// the animations, and the retro area's steps.
#include <gtest/gtest.h>

#include <cmath>

#include "world/assets.h"
#include "world/game_state.h"
#include "frame/hud.h"
#include "world/settings.h"
#include "player/player_health.h"
#include "player/player_sprite.h"
#include "world/player_state.h"
#include "player/pogo_physics.h"
#include "present/present.h"
#include "support/test_support.h"
#include "world/area.h"
#include "world/level_loader.h"
#include "world/level_reset.h"
#include "world/tile_map.h"

namespace {

class PhysicsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetSettingsToDefaults();
    test::StartHeadless(dir_.str());
    InputLocked = 0;
    Health = 5;
  }
  void Load(int area, const std::vector<test::Block>& blocks, float startX, float startY,
            std::vector<std::string> actives = {}) {
    actives.insert(actives.begin(), std::to_string(static_cast<int>(startX)) + "," +
                                        std::to_string(static_cast<int>(startY)) + ",120,,,,,,,,");
    test::WriteLevel(dir_, "fixture.doy", test::LevelText(area, blocks, actives));
    LoadLevel("fixture.doy");
    PlayerState = 0;
    Health = 5;
    InWater = WaterEntryState = 0;
    DoubleState = HighUsed = LowFlag = 0;
  }
  // A wide floor at y 480, the hero standing on it.
  void LoadFloor(int area = 0) { Load(area, test::BlockRow(0, 3200, 480), 400, 480); }
  // The level frame's part for the hero, with the key snapshot the screen
  // loop takes first.
  void Frame() {
    GatherKeys();
    if (AreaIndex == 6) {
      RetroPlayerStep();
    } else {
      if (PlayerState < 2) {
        PlayerPhysicsStep();
        PlayerFollowUpStep();
      }
      if (PlayerState == 2) PlayerDyingStep();
    }
    Flip(1);
  }
  void Hold(int key, bool down) { InjectKey(key, down); }
  // Frames until the next floor contact sets an upward speed; -1 if none.
  int FramesToBounce(int limit = 200) {
    for (int f = 1; f <= limit; ++f) {
      float before = P_YS;
      Frame();
      if (before >= 0 && P_YS < 0) return f;
    }
    return -1;
  }
  test::TempDir dir_;
};

TEST_F(PhysicsTest, SteeringSettlesAtItsLimits) {
  LoadFloor();
  Hold(VK_RIGHT, true);
  Frame();
  EXPECT_NEAR(P_XS, 0.4f, 1e-5);
  Frame();
  EXPECT_NEAR(P_XS, 0.8f, 1e-5);
  for (int i = 0; i < 40; ++i) Frame();
  EXPECT_NEAR(P_XS, 4.8f, 1e-3);
  EXPECT_EQ(Facing, 0);
  Hold(VK_RIGHT, false);
  Hold(VK_LEFT, true);
  Frame();
  EXPECT_EQ(Facing, 1);
  Hold(VK_LEFT, false);

  // Letting go: a crawl stops at once, a run slows by 0.2 a frame.
  P_XS = 0.05f;
  Frame();
  EXPECT_EQ(P_XS, 0);
  P_XS = 3;
  Frame();
  EXPECT_NEAR(P_XS, 2.8f, 1e-5);
}

TEST_F(PhysicsTest, WaterSteeringIsSlowerAndSettlesNearThree) {
  LoadFloor(4);  // the sea: water physics everywhere
  Hold(VK_RIGHT, true);
  Frame();  // the water's rates take hold from the second frame
  float first = P_XS;
  Frame();
  EXPECT_NEAR(P_XS - first, 0.1f, 1e-5);
  for (int i = 0; i < 60; ++i) Frame();
  EXPECT_NEAR(P_XS, 3.0f, 0.11f);
  EXPECT_LE(P_XS, 3.1f);
}

TEST_F(PhysicsTest, TheFloorGivesTheBounceOfTheKeysHeld) {
  struct Case {
    bool up, down;
    float speed;
  } cases[] = {{false, false, -5}, {true, false, -8}, {false, true, -2}, {true, true, -8}};
  for (const Case& c : cases) {
    LoadFloor();
    SetPlayerPosition(400, 470);
    P_YS = 2;
    DoubleState = 0;  // the timing machine is not reset between levels
    Hold(VK_UP, c.up);
    Hold(VK_DOWN, c.down);
    ASSERT_GT(FramesToBounce(), 0);
    EXPECT_FLOAT_EQ(P_YS, c.speed) << "up " << c.up << " down " << c.down;
    Hold(VK_UP, false);
    Hold(VK_DOWN, false);
  }
}

TEST_F(PhysicsTest, LockedInputKeepsNormalBounces) {
  LoadFloor();
  SetPlayerPosition(400, 470);
  P_YS = 2;
  InputLocked = 1;
  Hold(VK_UP, true);
  Hold(VK_RIGHT, true);
  ASSERT_GT(FramesToBounce(), 0);
  EXPECT_FLOAT_EQ(P_YS, -5);
  EXPECT_EQ(P_XS, 0);
  InputLocked = 0;
}

TEST_F(PhysicsTest, TheDoubleBounceNeedsALandingWithin300MsOfTheRelease) {
  // First find when the high bounce lands, Up let go halfway up.
  auto flightFrames = [&]() {
    LoadFloor();
    SetPlayerPosition(400, 470);
    P_YS = 2;
    DoubleState = 0;
    Hold(VK_UP, true);
    EXPECT_GT(FramesToBounce(), 0);
    EXPECT_FLOAT_EQ(P_YS, -8);
    return 0;
  };
  flightFrames();
  Hold(VK_UP, false);
  int landing = FramesToBounce();
  ASSERT_GT(landing, 30);
  EXPECT_FLOAT_EQ(P_YS, -5);

  // Again: release Up `releaseBefore` frames before landing, press it again
  // five frames later and keep it held.
  auto tryDouble = [&](int releaseBefore) {
    flightFrames();
    int f = 0;
    for (; f < landing - releaseBefore; ++f) Frame();
    Hold(VK_UP, false);
    for (int i = 0; i < 5; ++i, ++f) Frame();
    Hold(VK_UP, true);
    int rest = FramesToBounce();
    EXPECT_EQ(f + rest, landing);
    float speed = P_YS;
    Hold(VK_UP, false);
    return speed;
  };
  EXPECT_FLOAT_EQ(tryDouble(15), -10);  // 250 ms
  EXPECT_FLOAT_EQ(tryDouble(21), -8);   // 350 ms: just the high bounce of Up held
}

TEST_F(PhysicsTest, CeilingsTurnTheSpeedAndPlatformsHoldOnlyFromAbove) {
  std::vector<test::Block> blocks = test::BlockRow(0, 1600, 480);
  blocks.push_back({384, 320, 0});  // a ceiling block above the hero
  Load(0, blocks, 400, 470);
  SetPlayerPosition(400, 370);  // head at 325: under the block's bottom (352)
  SetPlayerPosition(400, 399);
  P_YS = -6.2f;  // -6 after this frame's gravity
  Frame();
  EXPECT_FLOAT_EQ(P_YS, 3);

  // A platform at y 320: jumped through from below, stood on from above.
  blocks = test::BlockRow(0, 1600, 480);
  for (auto& b : test::BlockRow(320, 480, 320, 1)) blocks.push_back(b);
  Load(0, blocks, 400, 470);
  SetPlayerPosition(400, 470);
  P_YS = -8;
  float top = P_Y;
  for (int i = 0; i < 80; ++i) {
    Frame();
    top = std::min(top, P_Y);
  }
  EXPECT_LT(top, 320);  // rose past the platform's row
  // Landing on it: from now on every bounce starts at its top.
  int onPlatform = 0;
  for (int i = 0; i < 300; ++i) {
    float before = P_YS;
    Frame();
    if (before >= 0 && P_YS < 0 && std::fabs(P_Y - 320) < 3) ++onPlatform;
  }
  EXPECT_GE(onPlatform, 2);
}

TEST_F(PhysicsTest, OneHurtPerSpellAndTwentyKills) {
  LoadFloor();
  HurtPlayer(1);
  EXPECT_EQ(Health, 4);
  EXPECT_EQ(PlayerState, 1);
  int hurtAt = HurtTime;
  while (Millisecs() + 17 < hurtAt + 1999) Frame();
  HurtPlayer(1);
  EXPECT_EQ(Health, 4);  // still untouchable just before 2000 ms
  while (Millisecs() <= hurtAt + 2001) Frame();
  Frame();
  EXPECT_EQ(PlayerState, 0);
  HurtPlayer(1);
  EXPECT_EQ(Health, 3);

  LoadFloor();
  ExitReached = 1;
  HurtPlayer(20);
  EXPECT_EQ(Health, 5);  // the exit reached: no more damage
  ExitReached = 0;
  HurtPlayer(20);
  EXPECT_EQ(PlayerState, 2);
}

TEST_F(PhysicsTest, DeathThrowsThePiecesAndFadesFourSecondsLater) {
  LoadFloor();
  SetPlayerPosition(400, 470);
  HurtPlayer(20);
  ASSERT_EQ(PlayerState, 2);
  float startY = BodyPiece.y;
  EXPECT_FLOAT_EQ(startY, 470 - 23);
  Frame();
  EXPECT_NEAR(startY - BodyPiece.y, 3.8f, 1e-4);
  for (int i = 1; i < 20; ++i) Frame();
  EXPECT_NEAR(BodyPiece.ys, 0, 1e-4);  // the top of the arc
  EXPECT_LT(BodyPiece.x, StickPiece.x + 100);
  EXPECT_GT(BodyPiece.x, StickPiece.x);  // they fly apart
  FadeAlpha = 0;
  while (Millisecs() <= DeathTime + 4000) {
    EXPECT_EQ(FadeAlpha, 0);
    Frame();
  }
  Frame();
  EXPECT_FLOAT_EQ(FadeAlpha, 0.01f);
  EXPECT_EQ(PendingExitCode, 2);
  FadeAlpha = 0;
}

TEST_F(PhysicsTest, FallingOutOfTheLevelCostsTheLife) {
  Load(0, test::BlockRow(0, 320, 480), 100, 470);
  SetPlayerPosition(1000, 400);  // over nothing
  for (int i = 0; i < 200 && PlayerState != 2; ++i) Frame();
  EXPECT_EQ(PlayerState, 2);
  EXPECT_GT(P_Y, LevelMaxY + kFallOutDepth);
}

TEST_F(PhysicsTest, AnimationsHoldTheirLastFrameAndFaceTheirWay) {
  LoadFloor();
  if (!ImgQuonDash) ImgQuonDash = CreateImage(39, 50, 16);
  if (!ImgQuonBounce) ImgQuonBounce = CreateImage(39, 50, 12);
  RestartBounceAnimation();
  AnimatePlayer();
  EXPECT_EQ(AnimFrame, 0);
  for (int i = 0; i < 60; ++i) {
    Flip(1);
    AnimatePlayer();
  }
  EXPECT_EQ(AnimFrame, 5);
  EXPECT_EQ(FramesPerDirection, 6);
  StartDashAnimation();
  Facing = 1;
  std::vector<int> frames;
  for (int i = 0; i < 70; ++i) {
    AnimatePlayer();
    DrawPlayer();
    for (const DrawRecord& d : CurrentDraws())
      if (d.kind == DrawKind::Image && d.image == ImgQuonDash) frames.push_back(d.frame);
    Flip(1);
  }
  ASSERT_FALSE(frames.empty());
  EXPECT_EQ(frames.front(), 8);
  EXPECT_EQ(frames.back(), 15);
  Facing = 0;
}

TEST_F(PhysicsTest, TheRetroHeroRisesInFourPixelSteps) {
  auto rise = [&](int key) {
    Load(6, test::BlockRow(0, 1600, 480), 400, 470);
    EXPECT_FLOAT_EQ(P_YS, 4);  // the retro area's step size
    SetPlayerPosition(400, 472);
    if (key) Hold(key, true);
    // Step until the first floor contact, then measure the climb.
    float lowest = 0, highest = 1e9;
    bool landed = false;
    for (int i = 0; i < 400; ++i) {
      Frame();
      if (!landed && RetroRiseCounter > 0) {
        landed = true;
        lowest = P_Y;
      }
      if (landed) highest = std::min(highest, P_Y);
      if (landed && RetroRiseCounter == 0 && P_Y > highest) break;
    }
    if (key) Hold(key, false);
    return lowest - highest;
  };
  EXPECT_FLOAT_EQ(rise(0), 40);
  EXPECT_FLOAT_EQ(rise(VK_DOWN), 20);
  EXPECT_FLOAT_EQ(rise(VK_UP), 120);
}

}  // namespace
