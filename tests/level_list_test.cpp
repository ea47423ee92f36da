// The developer level list: which files of Levels/ it lists, which row a
// click at a point chooses, and the screen waiting through clicks that choose
// nothing. (A click through a letterboxed window: window_test.)
#include "world/level_list.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "frame/game_loop.h"
#include "present/present.h"
#include "support/test_support.h"
#include "world/game_state.h"
#include "world/progress.h"

namespace {

class LevelListTest : public ::testing::Test {
 protected:
  void SetUp() override { LevelListFirst = 0; }
  void TearDown() override { LevelListFirst = 0; }
  void Level(const std::string& name) { test::WriteText(dir_ / ("Levels/" + name), ""); }
  // The list until it returns, or "(still open)" when the budget ends it.
  std::string Choose(const std::string& script, long frames) {
    test::StartHeadless(dir_.str(), script, frames);
    try {
      return ChooseLevelFromFolder();
    } catch (const EndOfRun&) {
      return "(still open)";
    }
  }
  test::TempDir dir_;
};

TEST_F(LevelListTest, ListsLevelFilesOnlyWhateverTheirCase) {
  Level("b.DOY");
  Level("a.doy");
  Level("c.txt");
  Level("doy");
  std::filesystem::create_directories(dir_ / "Levels/sub");
  std::filesystem::create_directories(dir_ / "Levels/old.doy");
  test::StartHeadless(dir_.str());
  FillLevelList();
  EXPECT_EQ(LevelListSlot[0], "a.doy");
  EXPECT_EQ(LevelListSlot[1], "b.DOY");
  for (int i = 2; i < kLevelListSlots; ++i) EXPECT_EQ(LevelListSlot[i], "") << i;
  EXPECT_EQ(LevelListKept, 2);
}

TEST_F(LevelListTest, FortySlotsHoldTheFirstFortyAndScrollingReachesTheRest) {
  char name[16];
  for (int i = 0; i < 45; ++i) {
    std::snprintf(name, sizeof name, "l%02d.doy", i);
    Level(name);
  }
  test::StartHeadless(dir_.str());
  FillLevelList();
  EXPECT_EQ(LevelListKept, 45);
  EXPECT_EQ(LevelListSlot[0], "l00.doy");
  EXPECT_EQ(LevelListSlot[39], "l39.doy");

  // Twenty presses of Down scroll no further than the last file on the last
  // shown row; a click there takes it.
  std::string script;
  for (int i = 0; i < 20; ++i) script += std::to_string(2 + 2 * i) + " tap DOWN\n";
  int lastRowY = 80 + 16 * (kLevelListShownRows - 1) + 8;
  script += "60 click 200 " + std::to_string(lastRowY) + "\n";
  EXPECT_EQ(Choose(script, 100), "l44.doy");
  EXPECT_EQ(LevelListFirst, 45 - kLevelListShownRows);
}

TEST_F(LevelListTest, AClickChoosesTheRowUnderItAndOnlyARowWithAFile) {
  // The rows start 24 pixels below the box's top (56), 16 pixels each, and
  // run from 8 pixels inside its left side to 8 inside its right.
  EXPECT_EQ(LevelListRowAt(64, 80), 0);
  EXPECT_EQ(LevelListRowAt(447, 95), 0);
  EXPECT_EQ(LevelListRowAt(100, 96), 1);
  EXPECT_EQ(LevelListRowAt(63, 90), -1);
  EXPECT_EQ(LevelListRowAt(448, 90), -1);
  EXPECT_EQ(LevelListRowAt(100, 79), -1);
  // Rows below the box's inner frame are not shown, and not chosen.
  EXPECT_EQ(LevelListRowAt(100, 80 + 16 * kLevelListShownRows - 1), kLevelListShownRows - 1);
  EXPECT_EQ(LevelListRowAt(100, 80 + 16 * kLevelListShownRows), -1);
  EXPECT_EQ(LevelListRowAt(100, 579), -1);

  Level("a.doy");
  Level("b.doy");
  // An empty row, the title bar and the box's edge choose nothing.
  EXPECT_EQ(Choose("5 click 200 130\n10 click 200 60\n15 click 60 84\n", 40), "(still open)");
  EXPECT_EQ(FramesPresented(), 40);
  EXPECT_EQ(Choose("5 click 200 100\n", 40), "b.doy");
  EXPECT_EQ(FramesPresented(), 6);
  // The row under the pointer is lit and numbered.
  bool bar = false;
  for (const DrawRecord& d : LastFrameDraws())
    bar |= d.kind == DrawKind::Rect && d.y == 96 && d.h == 16 && d.state.r == 60;
  EXPECT_TRUE(bar);
  EXPECT_TRUE(test::DrewText("1"));
  EXPECT_TRUE(test::DrewText(" Load Level"));
}

TEST_F(LevelListTest, AClickMadeBeforeTheListOpensChoosesNothing) {
  Level("a.doy");
  test::StartHeadless(dir_.str(), "", 10);
  InjectMouseMove(200, 84);
  InjectMouseButton(1, true);
  InjectMouseButton(1, false);
  std::string chosen = "(still open)";
  try {
    chosen = ChooseLevelFromFolder();
  } catch (const EndOfRun&) {
  }
  EXPECT_EQ(chosen, "(still open)");
}

TEST_F(LevelListTest, TheChosenLevelIsPlayedAndTheListComesBack) {
  // The level: the hero falls out at once, which leaves through the death.
  test::WriteLevel(dir_, "fall.doy", test::LevelText(0, {{0, 480, 0}}, {"400,100,120,,,,,,,,"}));
  test::StartHeadless(dir_.str(), "5 click 200 84\n", 2000);
  int lives = 5;
  std::swap(lives, Lives);
  try {
    PlayLevel(LevelIds::List);
  } catch (const EndOfRun&) {
  }
  std::swap(lives, Lives);
  EXPECT_EQ(LevelExitCode, ExitCode::Died);
  EXPECT_EQ(GameState, GameStateId::Level) << "the list comes back after the level";
  EXPECT_EQ(LevelId, LevelIds::List);
}

TEST_F(LevelListTest, EscapeEndsTheProgram) {
  Level("a.doy");
  test::StartHeadless(dir_.str(), "5 tap ESCAPE\n", 100);
  long end = -1;
  try {
    ChooseLevelFromFolder();
  } catch (const EndOfRun& e) {
    EXPECT_EQ(e.exitCode, 0);
    end = FramesPresented();
  }
  EXPECT_EQ(end, 5);
}

}  // namespace
