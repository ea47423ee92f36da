// The order of screens the program itself goes through on its very first
// start (no config.dat): the TV channels, the retro teaser, the retro level,
// waking up, the new world, the tutorial, the title splash, the main menu;
// and on every later start the title splash, then the menu. Each screen is
// left with Escape (the tutorial through its pause menu's "Back to
// Worldmap"), and the --state dump is read at chosen frames on the way.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/test_support.h"
#include "world/area.h"
#include "world/game_state.h"

namespace {

// Frame numbers: an event at N reaches the screen running frame N + 1.
constexpr const char* kFirstRun =
    "1 type 4\n"        // the sound-output prompt: no music
    "3 type a\n"        // the viewing-mode prompt: a window
    "60 tap ESCAPE\n"   // TV channels -> retro teaser
    "120 tap ESCAPE\n"  // retro teaser -> retro level
    "180 tap ESCAPE\n"  // retro level (or the notice that it is missing) -> waking up
    "240 tap ESCAPE\n"  // waking up -> new world
    "300 tap ESCAPE\n"  // new world -> tutorial
    "400 tap ESCAPE\n"  // tutorial: pause menu
    "440 tap DOWN\n442 tap DOWN\n444 tap DOWN\n"
    "450 tap SPACE\n"    // "Back to Worldmap" -> title splash
    "600 tap ESCAPE\n";  // title splash -> main menu

constexpr int kIntroSeenField = 10;  // of config.dat's fifteen numbers

struct Dump {
  std::string json;
  double operator[](const std::string& key) const { return test::JsonNumber(json, key); }
};

// The program from a fresh save folder up to `frames` frames.
Dump RunTo(const test::TempDir& save, long frames, const std::string& script) {
  std::string state = (save / "state.json").string();
  test::RunBoingle({"--data", BOINGLE_GAME_DIR, "--save-dir", save.str(), "--seed", "1", "--frames",
                    std::to_string(frames), "--state", state},
                   script);
  Dump d{test::ReadText(state)};
  EXPECT_EQ(d["Frames"], frames) << "the run ended early";
  return d;
}

TEST(FirstRun, TheIntroLeadsThroughBothLevelsToTheTitleSplashAndTheMenu) {
  struct Checkpoint {
    long frame;
    int state;
    int level;  // -1: any
    const char* where;
  };
  // While a level runs, GameState already holds the screen after it.
  const Checkpoint route[] = {
      {30, GameStateId::TvIntro, -1, "TV channels"},
      {90, GameStateId::RetroIntro, -1, "retro teaser"},
      {150, GameStateId::GardenIntro, LevelIds::Retro, "retro level"},
      {210, GameStateId::GardenIntro, LevelIds::Retro, "waking up"},
      {270, GameStateId::NewWorldIntro, LevelIds::Retro, "new world"},
      {350, GameStateId::TitleSplash, LevelIds::Tutorial, "tutorial"},
      {560, GameStateId::TitleSplash, LevelIds::Tutorial, "title splash"},
      {601, GameStateId::Menu, LevelIds::Tutorial, "main menu"},
  };
  for (const Checkpoint& c : route) {
    SCOPED_TRACE(c.where);
    test::TempDir save;
    Dump d = RunTo(save, c.frame, kFirstRun);
    EXPECT_EQ(d["GameState"], c.state);
    if (c.level >= 0) {
      EXPECT_EQ(d["LevelId"], c.level);
    }
    bool inLevel = c.frame == 150 || c.frame == 350;
    if (inLevel) {
      EXPECT_EQ(d["LevelExitCode"], ExitCode::Running);
    }
    if (c.frame == 210) {
      EXPECT_NE(d["LevelExitCode"], ExitCode::Running) << "still in the retro level";
    }
    if (c.frame == 350) {
      // Leaving the new world marked the intro seen before the tutorial began.
      EXPECT_EQ(d["AreaIndex"], 16);
      auto config = test::ReadInts(save / "config.dat");
      ASSERT_EQ(config.size(), 15u);
      EXPECT_EQ(config[kIntroSeenField], 1);
    }
    if (c.frame == 560) {
      EXPECT_EQ(d["LevelExitCode"], ExitCode::LeftLevel);
    }
  }
}

// The whole way in, on one first start: every intro screen, both levels, the
// title splash, then the menu level played: across the start room onto the
// key of slot 1, through the door and the summary room onto the world map,
// and Space into Forest I.
TEST(FirstRun, FromTheFirstStartThroughTheMenuAndTheMapIntoForestI) {
  const std::string script = std::string(kFirstRun) +
                             "668 down LEFT\n865 up LEFT\n"  // onto slot 1's key
                             "998 down LEFT\n1288 up LEFT\n"  // the door, the summary room, the exit
                             "1300 tap SPACE\n";               // Forest I from the map
  struct Checkpoint {
    long frame;
    int state;
    const char* where;
  };
  const Checkpoint route[] = {
      {700, GameStateId::Level, "the menu level"},
      {1295, GameStateId::WorldMap, "the world map"},
      {1400, GameStateId::FirstCutscene, "Forest I, the villains' scene waiting after it"},
  };
  for (const Checkpoint& c : route) {
    SCOPED_TRACE(c.where);
    test::TempDir save;
    Dump d = RunTo(save, c.frame, script);
    EXPECT_EQ(d["GameState"], c.state);
    if (c.frame == 700) {
      EXPECT_EQ(d["AreaIndex"], Area::Menu);
    }
    if (c.frame == 1295) {
      EXPECT_EQ(d["CurrentSlot"], 1) << "the slot picked in the menu";
      EXPECT_EQ(d["MapNode"], 1);
    }
    if (c.frame == 1400) {
      EXPECT_EQ(d["LevelId"], LevelIds::ForestI);
      EXPECT_EQ(d["AreaIndex"], 0);
      EXPECT_EQ(d["LevelExitCode"], ExitCode::Running);
    }
  }
}

TEST(FirstRun, LaterStartsBeginWithTheTitleSplash) {
  test::TempDir save;
  RunTo(save, 330, kFirstRun);  // through the new world: the intro is seen
  Dump later = RunTo(save, 30, "");
  EXPECT_EQ(later["GameState"], GameStateId::TitleSplash);
  Dump menu = RunTo(save, 31, "30 tap ESCAPE\n");
  EXPECT_EQ(menu["GameState"], GameStateId::Menu);
}

}  // namespace
