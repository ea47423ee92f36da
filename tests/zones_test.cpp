// Message points and their wrapping, screen shake, light and gravity zones.
#include <gtest/gtest.h>

#include "entities/gravity_zone.h"
#include "entities/light_zone.h"
#include "entities/message_point.h"
#include "entities/screen_shake.h"
#include "entities/text_wrap.h"
#include "world/game_state.h"
#include "world/message_table.h"
#include "world/settings.h"
#include "world/player_state.h"
#include "player/pogo_physics.h"
#include "present/present.h"
#include "support/test_support.h"
#include "world/camera.h"
#include "world/level_loader.h"
#include "world/tile_map.h"

namespace {

class ZonesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetSettingsToDefaults();
    test::StartHeadless(dir_.str());
    InputLocked = 0;
    TitleState = 6;
  }
  void Load(const std::vector<std::string>& actives) {
    std::vector<std::string> lines = {"400,480,120,,,,,,,,"};
    lines.insert(lines.end(), actives.begin(), actives.end());
    test::WriteLevel(dir_, "zones.doy", test::LevelText(0, test::BlockRow(0, 3200, 480), lines));
    LoadLevel("zones.doy");
  }
  test::TempDir dir_;
};

TEST_F(ZonesTest, WrappingBreaksOnHashesSpacesAndOverlongWords) {
  // Measured in the layer's fallback font: only the breaking rules matter.
  auto lines = WrapText("one##two", 400);
  EXPECT_EQ(lines, (std::vector<std::string>{"one", "", "two"}));
  int w = TextWidth("aaaa bbbb");
  lines = WrapText("aaaa bbbb cccc", w);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "aaaa bbbb ");
  EXPECT_EQ(lines[1], "cccc");
  // A word wider than the box stands alone instead of stalling the wrap.
  lines = WrapText("hi " + std::string(60, 'x') + " there", TextWidth("hi there"));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "hi ");
  EXPECT_EQ(lines[1], std::string(60, 'x') + " ");
  EXPECT_EQ(lines[2], "there");
}

TEST_F(ZonesTest, WorldTextStandsInTheLevelAndIsSkippedOffScreen) {
  SetRecordDraws(true);
  CameraX = 1000;
  CameraY = 100;
  int w = TextWidth("come back here");
  size_t before = CurrentDraws().size();
  DrawWorldText(1720, 280, w, 20, "come back here soon##ok");
  std::vector<DrawRecord> lines(CurrentDraws().begin() + static_cast<long>(before), CurrentDraws().end());
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0].text, "come back here ");
  EXPECT_EQ(lines[1].text, "soon");
  EXPECT_EQ(lines[2].text, "");
  EXPECT_EQ(lines[3].text, "ok");
  // The first line at the text's own y, in level space.
  for (size_t n = 0; n < lines.size(); ++n) {
    EXPECT_FLOAT_EQ(lines[n].x, 720);
    EXPECT_FLOAT_EQ(lines[n].y, 180 + 20.0f * static_cast<float>(n));
  }
  // A text whose square (width by width) is out of view draws nothing at all.
  before = CurrentDraws().size();
  DrawWorldText(1000 + 800 + 1, 280, w, 20, "far away");
  DrawWorldText(1000 - w - 1, 280, w, 20, "behind");
  DrawWorldText(1720, 100 - w - 1, w, 20, "above");
  EXPECT_EQ(CurrentDraws().size(), before);
  CameraX = CameraY = 0;
}

TEST_F(ZonesTest, MessagePointsOpenByTouchOrLinkAndChain) {
  MessageText[50] = "First";
  MessageText[51] = "Second";
  // One under the start; one far away that listens to the first's target.
  Load({"352,384,142,50,0,0,,7,99,3,3", "3000,384,142,51,0,0,,8,7,1,1"});
  GatherKeys();
  PlayerPhysicsStep();
  MessagePointsStep();
  EXPECT_EQ(MessagePointOpen(), 1);
  EXPECT_EQ(InputLocked, 1);
  for (int i = 0; i < 25; ++i) {
    Flip(1);
    MessagePointsStep();
  }
  EXPECT_TRUE(test::DrewText("First", false) || test::DrewText("First"));
  InjectKey(VK_SPACE, true);
  GatherKeys();
  MessagePointsStep();  // closing
  InjectKey(VK_SPACE, false);
  for (int i = 0; i < 15; ++i) {
    GatherKeys();
    MessagePointsStep();
  }
  // The first has fired link 7: the far one opened without being touched.
  EXPECT_EQ(MessagePoints.Size(), 1u);
  EXPECT_EQ(MessagePointOpen(), 1);
  EXPECT_TRUE(test::DrewText("Second", false));
}

TEST_F(ZonesTest, ATimedShakeStopsOnTime) {
  SeedRnd(5);
  StartShake(0, 500, 6);
  int start = Millisecs();
  bool moved = false;
  float x = 0, y = 0;
  while (Millisecs() <= start + 500) {
    ScreenShakeStep(&x, &y);
    moved |= x != 0 || y != 0;
    EXPECT_LE(std::abs(x), 6);
    Flip(1);
  }
  ScreenShakeStep(&x, &y);  // the frame that stops it still draws its last roll
  EXPECT_TRUE(moved);
  EXPECT_EQ(ShakeOn, 0);
  ScreenShakeStep(&x, &y);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
  StartShake(1, 0, 3);
  StartShake(3, 0, 0);
  EXPECT_EQ(ShakeOn, 0);
}

TEST_F(ZonesTest, AFadingLightZoneRestartsFromTheCurrentColour) {
  // Two mode-2 zones: to black over 10 frames, and to white-ish blue.
  Load({"352,384,21,dark,000 000 000,2,10,,,3,3", "1000,384,21,blue,000/000/255,2,10,,,3,3"});
  ASSERT_EQ(LightZones.size(), 2u);
  EXPECT_FLOAT_EQ(LightZones[1].toB, 255);
  LightZoneChecks();
  for (int i = 0; i < 5; ++i) LightZonesStep();
  int midR = AmbientR;
  EXPECT_GT(midR, 0);
  EXPECT_LT(midR, 255);
  SetPlayerPosition(1010, 400);
  LightZoneChecks();
  EXPECT_EQ(LightZones[0].active, 0);
  EXPECT_FLOAT_EQ(LightZones[1].fromR, static_cast<float>(midR));
  for (int i = 0; i < 10; ++i) LightZonesStep();
  EXPECT_EQ(AmbientR, 0);
  EXPECT_EQ(AmbientB, 255);
  EXPECT_EQ(LightZones[1].active, 0);

  // A span below one, zero or left empty takes the zone's colour in one step
  // and stops.
  for (const char* span : {"-5", "0", ""}) {
    Load({std::string("352,384,21,odd,200 100 050,2,") + span + ",,,3,3"});
    ASSERT_EQ(AmbientR, 255);
    LightZoneChecks();
    LightZonesStep();
    EXPECT_EQ(AmbientR, 200) << "span '" << span << "'";
    EXPECT_EQ(AmbientB, 50) << "span '" << span << "'";
    EXPECT_EQ(LightZones[0].active, 0) << "span '" << span << "'";
  }
}

TEST_F(ZonesTest, GravityZonesHoldUntilAnotherIsEntered) {
  Load({"352,384,26,0.05,,,,,,3,3", "1000,384,26,0.4,,,,,,3,3"});
  GravityZoneChecks();
  EXPECT_FLOAT_EQ(P_YS_RATE, 0.05f);
  SetPlayerPosition(700, 400);
  P_YS_RATE = 0.2f;
  GravityZoneChecks();
  EXPECT_FLOAT_EQ(P_YS_RATE, 0.05f);  // still in force outside
  SetPlayerPosition(1010, 400);
  GravityZoneChecks();
  EXPECT_FLOAT_EQ(P_YS_RATE, 0.4f);
}

}  // namespace
