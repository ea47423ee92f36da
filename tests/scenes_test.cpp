// The intro and story scenes, run headless in the test process: where each
// leads when it plays through and when Escape cuts it short, the retro
// teaser's wait for Space, the dialogue boxes that open only through their
// links while the hero hops between them, and the marks the scenes leave in
// the settings.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "entities/message_point.h"
#include "frontend/course_logo.h"
#include "frontend/new_world.h"
#include "frontend/retro_teaser.h"
#include "frontend/scene_kit.h"
#include "frontend/tv_channels.h"
#include "frontend/villains.h"
#include "frontend/waking_up.h"
#include "present/present.h"
#include "support/test_support.h"
#include "world/asset_table.h"
#include "world/game_state.h"
#include "world/message_table.h"
#include "world/music.h"
#include "world/player_state.h"
#include "world/settings.h"

namespace {

// Space every 20 frames from `from` on: enough to close each box of a
// dialogue soon after it opens, whenever that is.
std::string SpaceEvery20(long from, long to) {
  std::string s;
  for (long f = from; f <= to; f += 20) s += std::to_string(f) + " tap SPACE\n";
  return s;
}

// Whether the last frame drew a picture with its handle at (x, y).
bool DrewPictureAt(float x, float y) {
  for (const DrawRecord& d : LastFrameDraws())
    if (d.kind == DrawKind::Image && d.x == x && d.y == y) return true;
  return false;
}

class ScenesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetSettingsToDefaults();
    GameState = -1;
    LevelId = 0;
    FadeAlpha = 0;
    InputLocked = 0;
    ASSERT_TRUE(LoadMessageTable(BOINGLE_MESSAGES_PATH));
  }
  // Runs a scene with a script; true when it ended by itself before the
  // frame budget.
  bool Run(const std::function<void()>& scene, const std::string& script, long budget) {
    test::StartHeadless(dir_.str(), script, budget);
    try {
      scene();
    } catch (const EndOfRun&) {
      return false;
    }
    return true;
  }
  test::TempDir dir_;
};

struct SceneCase {
  const char* name;
  void (*run)();
  const char* script;  // the input that plays it through
  long budget;
  int nextState, nextLevel;  // nextLevel 0: LevelId is left alone
};

TEST_F(ScenesTest, EachScenePlaysThroughOrIsSkippedToTheScreenAfterIt) {
  const std::string talk = SpaceEvery20(300, 4000);
  const SceneCase cases[] = {
      {"course logo", &RunCourseLogo, "", 1000, GameStateId::Menu, 0},
      {"TV channels", &RunTvChannels, "", 2400, GameStateId::RetroIntro, 0},
      {"retro teaser", &RunRetroTeaser, "500 tap SPACE\n", 1000, GameStateId::Level,
       LevelIds::Retro},
      {"waking up", &RunWakingUp, "", 1200, GameStateId::NewWorldIntro, 0},
      {"new world", &RunNewWorld, talk.c_str(), 4000, GameStateId::Level, LevelIds::Tutorial},
      {"villains", &RunVillains, talk.c_str(), 4000, GameStateId::WorldMap, 0},
  };
  for (const SceneCase& c : cases) {
    SCOPED_TRACE(c.name);
    GameState = -1;
    LevelId = 0;
    ASSERT_TRUE(Run(c.run, c.script, c.budget)) << "did not end by itself";
    EXPECT_EQ(GameState, c.nextState);
    if (c.nextLevel) {
      EXPECT_EQ(LevelId, c.nextLevel);
    }
    EXPECT_EQ(FadeAlpha, 0) << "a fade left over for the next screen";
    EXPECT_EQ(MessagePoints.Size(), 0u);

    // Escape: the same screen at once, and none of the scene's sounds
    // going on over it.
    GameState = -1;
    LevelId = 0;
    ASSERT_TRUE(Run(c.run, "20 tap ESCAPE\n", 200));
    EXPECT_EQ(FramesPresented(), 21);
    EXPECT_EQ(GameState, c.nextState);
    if (c.nextLevel) {
      EXPECT_EQ(LevelId, c.nextLevel);
    }
    EXPECT_EQ(SceneSoundsPlaying(), 0);
    EXPECT_EQ(MessagePoints.Size(), 0u) << "boxes left waiting for the next level";
  }
}

// The table of scenes and the start-up order agree that Escape in the
// channels cuts them short and goes on to the retro teaser, the scene after
// them: the retro teaser and the retro level are not skipped with it.
TEST_F(ScenesTest, EscapeInTheChannelsGoesOnToTheRetroTeaser) {
  // Well into the news, with its looping sound and the interference to come.
  ASSERT_TRUE(Run(&RunTvChannels, "600 tap ESCAPE\n", 1000));
  EXPECT_EQ(GameState, GameStateId::RetroIntro);
  EXPECT_NE(GameState, GameStateId::GardenIntro);
  EXPECT_EQ(SceneSoundsPlaying(), 0);
}

TEST_F(ScenesTest, TheRetroTeaserWaitsForSpaceOnItsTitle) {
  // Space before the title is up counts for nothing; the title waits.
  EXPECT_FALSE(Run(&RunRetroTeaser, "60 tap SPACE\n200 tap SPACE\n", 3000));
  EXPECT_TRUE(DrewPictureAt(400, 470)) << "no \"press space\" on the title";
  EXPECT_EQ(CurrentMusicId, MusicId::Retro);
  EXPECT_EQ(GameState, -1);

  // Space on the title: the level card for 2000 ms, then the retro level.
  ASSERT_TRUE(Run(&RunRetroTeaser, "1000 tap SPACE\n", 3000));
  EXPECT_EQ(GameState, GameStateId::Level);
  EXPECT_EQ(LevelId, LevelIds::Retro);
  EXPECT_NEAR(FramesPresented(), 1001 + 120, 2);
}

TEST_F(ScenesTest, DialogueBoxesOpenOnlyThroughTheirLinks) {
  // The hero's body box as the last level left it, right over the points'
  // boxes: it is not there in a scene and must open nothing.
  BodyBox = {300, 150, 322, 195};
  // The new world fires its first link after 5000 ms (300 frames).
  EXPECT_FALSE(Run(&RunNewWorld, "", 280));
  EXPECT_FALSE(test::DrewText(MessageText[0]));
  EXPECT_FALSE(Run(&RunNewWorld, "", 320));
  EXPECT_TRUE(test::DrewText(MessageText[0]));
  // The villains talk from about 33 s on.
  EXPECT_FALSE(Run(&RunVillains, "", 1900));
  EXPECT_FALSE(test::DrewText("Sir..."));
  EXPECT_FALSE(Run(&RunVillains, "", 2100));
  EXPECT_TRUE(test::DrewText("Sir..."));
}

TEST_F(ScenesTest, TheHeroHopsToTheStickThenPastIt) {
  // Messages 0-3 closed: he stands beside the stick and message 4 opens.
  EXPECT_FALSE(
      Run(&RunNewWorld, "310 tap SPACE\n330 tap SPACE\n350 tap SPACE\n370 tap SPACE\n", 700));
  EXPECT_TRUE(test::DrewText("My pogo stick?!"));
  EXPECT_TRUE(DrewPictureAt(560, 372));
  // Messages 4-17 closed as well: past the stick, message 18 opens.
  std::string script = SpaceEvery20(310, 370);
  for (long f = 700; f < 700 + 14 * 20; f += 20) script += std::to_string(f) + " tap SPACE\n";
  EXPECT_FALSE(Run(&RunNewWorld, script, 1300));
  EXPECT_TRUE(test::DrewText("You hopped right past me."));
  EXPECT_TRUE(DrewPictureAt(620, 372));
  EXPECT_EQ(IntroSeen, 0) << "marked as seen before it was left";
}

TEST_F(ScenesTest, TheStoryScenesMarkWhatWasSeen) {
  // The new world marks the intro seen as it ends, also through Escape.
  ASSERT_TRUE(Run(&RunNewWorld, "100 tap ESCAPE\n", 200));
  EXPECT_EQ(IntroSeen, 1);
  // The villains mark themselves as soon as they start: even a run cut off
  // in their second frame does not show them twice.
  EXPECT_FALSE(Run(&RunVillains, "", 2));
  EXPECT_EQ(Cut1Seen, 1);
  EXPECT_EQ(CurrentMusicId, MusicId::Castle);
}

TEST_F(ScenesTest, TheLogoLettersSettleInARowAndTheSplashTunePlays) {
  EXPECT_FALSE(Run(&RunCourseLogo, "", 300));
  EXPECT_EQ(CurrentMusicId, MusicId::Splash);
  int letters = 0;
  float nextX = 300;
  for (const DrawRecord& d : LastFrameDraws()) {
    if (d.kind != DrawKind::Image || d.y != 250) continue;
    EXPECT_FLOAT_EQ(d.x, nextX);
    nextX = d.x + (d.corners[2] - d.corners[0]) + 5;
    ++letters;
  }
  EXPECT_EQ(letters, 5);
  EXPECT_TRUE(DrewPictureAt(302, 412)) << "\"presents\" is not fading in";
}

}  // namespace
