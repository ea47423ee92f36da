// The level frame loop around a level: the pause menu, the fade-out that ends
// a level, the command-line level's hand-back, the HUD and the score roll.
#include <gtest/gtest.h>

#include <filesystem>

#include "entities/level_completion.h"
#include "entities/message_point.h"
#include "world/assets.h"
#include "frame/game_loop.h"
#include "world/game_state.h"
#include "frame/hud.h"
#include "frame/pause_menu.h"
#include "player/console.h"
#include "world/camera.h"
#include "world/settings.h"
#include "world/title_card.h"
#include "world/player_state.h"
#include "present/present.h"
#include "support/test_support.h"
#include "world/level_loader.h"
#include "world/level_reset.h"
#include "world/save_game.h"

namespace {

class LevelLoopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetSettingsToDefaults();
    PauseState = 0;
    PauseAlpha = 0;
    FadeAlpha = 0;
    InputLocked = 0;
  }
  test::TempDir dir_;
};

// Frames the pause menu takes to close from full strength, counting the one
// that finds it closed.
int ClosingFrames() {
  float a = 1.0f;
  int frames = 0;
  while (true) {
    ++frames;
    if (a <= 0) return frames;
    a -= 0.04f;
  }
}

TEST_F(LevelLoopTest, LeavingThroughThePauseMenuFadesOutAndHandsTheLevelBack) {
  // Escape opens the menu; three downs reach "Back to Worldmap"; Space leaves.
  test::WriteLevel(dir_, "mylevel.doy", test::LevelText(0, test::BlockRow(0, 800, 480), {"400,480,120,,,,,,,,"}));
  test::StartHeadless(dir_.str(), "5 tap ESCAPE\n40 tap DOWN\n42 tap DOWN\n44 tap DOWN\n50 tap SPACE\n", 1000);
  CommandLineLevel = "mylevel.doy";
  long endFrame = -1;
  try {
    PlayLevel(LevelIds::CommandLine);
  } catch (const EndOfRun&) {
    endFrame = FramesPresented();
  }
  EXPECT_EQ(LevelExitCode, 3);
  EXPECT_EQ(GameState, 5);
  EXPECT_EQ(test::ReadText(dir_ / "Quonitor_In.bat"), "quonitor.exe mylevel.doy\r\n");
  // Space acts in frame 51; the menu closes; the fade that started at 0.01
  // sets the exit code in its 20th level frame.
  EXPECT_EQ(endFrame, 51 + ClosingFrames() + 20);
}

TEST_F(LevelLoopTest, PauseRowsWrapAndEscapeClosesAtOnce) {
  test::StartHeadless(dir_.str(), "30 tap DOWN\n32 tap DOWN\n34 tap DOWN\n36 tap DOWN\n38 tap DOWN\n", 45);
  PauseState = 1;
  try {
    RunPauseMenu();
  } catch (const EndOfRun&) {
  }
  EXPECT_EQ(PauseState, 2);
  EXPECT_EQ(PauseSelection, 0);  // five downs from "Resume game" come back to it
  EXPECT_TRUE(test::DrewText("Back to Worldmap"));

  test::StartHeadless(dir_.str(), "3 tap ESCAPE\n", 200);
  PauseState = 1;
  PauseAlpha = 0;
  RunPauseMenu();
  EXPECT_EQ(PauseState, 0);
  EXPECT_LT(FramesPresented(), 12);  // closing began while still opening
}

TEST_F(LevelLoopTest, TheWatchStopsWhilePaused) {
  test::StartHeadless(dir_.str(), "300 tap ESCAPE\n", 2000);
  ResetLevelTime();
  PauseState = 1;
  PauseAlpha = 0;
  RunPauseMenu();  // about five seconds with the menu up
  ASSERT_GT(Millisecs(), 4000);
  TickLevelTime();
  EXPECT_EQ(LevelTime, 998);
}

TEST_F(LevelLoopTest, HeartsAndTheHudStrip) {
  test::StartHeadless(dir_.str());
  Health = 2;
  MaxHealth = 5;
  P_Y = 30;
  CameraY = 0;
  HudAlpha = 1;
  int frames = 0;
  while (HudAlpha > 0.25f) {
    DrawHud();
    ++frames;
    ASSERT_LT(frames, 40);
  }
  EXPECT_LE(frames, 20);  // the hero near the top dims the HUD to a quarter
  P_Y = 300;
  for (int i = 0; i < 20; ++i) DrawHud();
  EXPECT_FLOAT_EQ(HudAlpha, 1.0f);
  Flip(1);
  DrawHud();
  // Hearts are drawn from slot 4 down to 0: slots 0 and 1 full, 2-4 empty.
  std::vector<std::pair<float, bool>> hearts;
  for (const auto& d : CurrentDraws())
    if (d.kind == DrawKind::Image && d.y == 12 && d.x < 40) hearts.push_back({d.x, d.image == ImgHeartFull});
  if (!hearts.empty()) {  // drawn only when the heart pictures exist
    ASSERT_EQ(hearts.size(), 5u);
    EXPECT_EQ(hearts.front().first, 32);
    EXPECT_FALSE(hearts[0].second);
    EXPECT_TRUE(hearts[3].second);
    EXPECT_TRUE(hearts[4].second);
  }
  EXPECT_TRUE(test::DrewText(" : " + std::to_string(Coins), false));
}

TEST_F(LevelLoopTest, AScoreGainRollsInInShrinkingSteps) {
  test::StartHeadless(dir_.str());
  Score = 0;
  ScoreShown = 0;
  AddScore(5000);
  std::vector<int> steps;
  int last = ScoreShown;
  for (int frame = 0; frame < 400 && ScoreShown < Score; ++frame) {
    RollScore();
    if (ScoreShown != last) steps.push_back(ScoreShown - last);
    last = ScoreShown;
    Flip(1);
  }
  EXPECT_EQ(ScoreShown, 5000);
  ASSERT_EQ(steps.size(), 40u);
  std::vector<int> expected;
  for (int i = 0; i < 5; ++i) expected.push_back(811);
  for (int i = 0; i < 2; ++i) expected.push_back(311);
  for (int i = 0; i < 4; ++i) expected.push_back(61);
  for (int i = 0; i < 5; ++i) expected.push_back(11);
  for (int i = 0; i < 24; ++i) expected.push_back(1);
  EXPECT_EQ(steps, expected);
}

}  // namespace

namespace {

// Runs the title card frame by frame as the level loop does; returns the frame
// (counted from 1) at which `done` first held, or -1.
template <typename Pred>
int FramesUntil(Pred done, int limit = 400) {
  for (int frame = 1; frame <= limit; ++frame) {
    UpdateTitleCard();
    DrawTitleCard();
    Flip(1);
    if (done()) return frame;
  }
  return -1;
}

bool DrewBlackCover() {
  for (const auto& d : LastFrameDraws())
    if (d.kind == DrawKind::Rect && d.w == 800 && d.h == 600 && d.state.r == 0 && d.state.alpha > 0) return true;
  return false;
}

TEST_F(LevelLoopTest, TheTitleCardHoldsTheKeysForOneSecondThenFadesAway) {
  test::StartHeadless(dir_.str());
  LoadCatalogue();
  TitleState = 0;
  TitleAlpha = 0;
  TitleTime = Millisecs();
  InputLocked = 0;
  EXPECT_EQ(FramesUntil([] { return InputLocked == 1; }), 1);
  EXPECT_TRUE(DrewBlackCover());
  // Each phase ends once more than 500 ms have passed: 31 frames at 60 Hz.
  int unlocked = FramesUntil([] { return InputLocked == 0; });
  EXPECT_EQ(unlocked, 62);
  EXPECT_EQ(TitleState, 3);
  EXPECT_TRUE(DrewBlackCover());
  int textsAlone = FramesUntil([] { return TitleState == 4; });
  EXPECT_EQ(textsAlone, 31);
  FramesUntil([] { return true; });  // the first frame of state 4 draws
  EXPECT_FALSE(DrewBlackCover()) << "the level shows behind the fading texts";
  // The rest of state 4; state 5 only resets the drawing state, in the same frame.
  int gone = FramesUntil([] { return TitleState == 6; });
  EXPECT_EQ(gone, 30);
  EXPECT_FLOAT_EQ(CurrentDrawState().scaleX, 1.0f);
  // Finished: nothing more is drawn.
  FramesUntil([] { return true; });
  EXPECT_FALSE(DrewBlackCover());
  EXPECT_EQ(TitleState, 6);
}

TEST_F(LevelLoopTest, TheEndSequenceTakesSpaceOnlyOnceItAsksForIt) {
  // An exit box around the start: the end sequence begins in the first frame.
  test::WriteLevel(dir_, "finish.doy",
                   test::LevelText(0, test::BlockRow(0, 800, 480), {"400,480,120,,,,,,,,", "352,384,121,0,,,,,,3,3"}));
  // Space in frame 30 comes while the result is still fading in; the one in
  // frame 150 answers "Press Space".
  test::StartHeadless(dir_.str(), "30 tap SPACE\n150 tap SPACE\n", 1000);
  LoadCatalogue();
  CommandLineLevel = "finish.doy";
  long endFrame = -1;
  try {
    PlayLevel(LevelIds::CommandLine);
  } catch (const EndOfRun&) {
    endFrame = FramesPresented();
  }
  EXPECT_EQ(LevelExitCode, 1);
  // Space acts in frame 151; the texts fade for just over a second (61
  // frames), then the fade-out takes its 20 frames.
  EXPECT_GE(endFrame, 151 + 61 + 20);
  EXPECT_LE(endFrame, 151 + 61 + 22);
  EXPECT_EQ(test::ReadText(dir_ / "Quonitor_In.bat"), "quonitor.exe finish.doy\r\n");
}

TEST_F(LevelLoopTest, AMissingLevelIsNamedOnScreenAndLeftInsteadOfPlayedEmpty) {
  test::StartHeadless(dir_.str(), "", 2000);
  LoadCatalogue();
  CommandLineLevel = "nosuch.doy";
  long endFrame = -1;
  try {
    PlayLevel(LevelIds::CommandLine);
  } catch (const EndOfRun&) {
    endFrame = FramesPresented();
  }
  EXPECT_TRUE(test::DrewText("There is no level file Levels/nosuch.doy."));
  EXPECT_EQ(LevelExitCode, 3);
  EXPECT_LE(endFrame, 130) << "two seconds of notice at most";
  EXPECT_EQ(test::ReadText(dir_ / "Quonitor_In.bat"), "quonitor.exe nosuch.doy\r\n");

  // From the world map a level that is not made yet leads back to the map.
  // Which levels are still missing changes as they are made: take the last
  // one the game's folder lacks, and none once every level is there.
  int missing = 0;
  for (int id : {LevelIds::ForestI, LevelIds::GhostI, LevelIds::ForestII, LevelIds::DesertI, LevelIds::TempleI,
                 LevelIds::BeachI, LevelIds::OceanI, LevelIds::BeachII, LevelIds::VolcanoI, LevelIds::VolcanoII,
                 LevelIds::MountainI, LevelIds::AirI, LevelIds::CastleI, LevelIds::WierdI})
    if (!std::filesystem::exists(std::filesystem::path(BOINGLE_GAME_DIR) / "Levels" / LevelFileFor(id))) missing = id;
  if (missing == 0) GTEST_SKIP() << "every level of the map is made";
  test::StartHeadless(dir_.str(), "5 tap SPACE\n", 2000);
  PlayLevel(missing);
  EXPECT_LT(FramesPresented(), 10) << "a key skips the notice";
  EXPECT_EQ(LevelExitCode, 3);
  EXPECT_EQ(GameState, GameStateId::WorldMap);
}

TEST_F(LevelLoopTest, AFinishedLevelOpensTheNextOnesAndKeepsItsStatues) {
  // Forest I as a temple-area level (area 10 also opens the level after the
  // next), with an exit box and a statue at the start.
  test::WriteLevel(dir_, "lev_forest_1.doy",
                   test::LevelText(10, test::BlockRow(0, 800, 480),
                                   {"400,480,120,,,,,,,,", "352,384,121,0,,,,,,3,3", "390,440,42,1,,,,,,,"}));
  test::StartHeadless(dir_.str(), "150 tap SPACE\n", 1000);
  LoadCatalogue();
  SetNewSlotRecords();
  Cut1Seen = 1;
  LevelIndex = 1;
  PlayLevel(411);
  EXPECT_EQ(LevelExitCode, 1);
  EXPECT_EQ(GameState, GameStateId::WorldMap);
  EXPECT_EQ(LevelRecord[1][2], 1) << "finished";
  EXPECT_EQ(LevelRecord[2][1], 1) << "the next level is open";
  EXPECT_EQ(LevelRecord[3][1], 1) << "and, from this area, the one after";
  EXPECT_EQ(LevelRecord[1][4], 1) << "the statue found";
  EXPECT_EQ(LevelRecord[1][3], 0);
  SetNewSlotRecords();
}

// Where a level leads and what it opens, by the level, its area and how it
// ended: every level of Air, Volcano and Temple opens the level after next
// as well (each by itself, even past the map's last level), the others only
// the next; the tutorial and a warp open nothing; Forest I's first finish
// leads to the first cutscene, its first loss does not.
TEST_F(LevelLoopTest, LevelsLeadOnAndOpenTheRowsTheirAreaSays) {
  struct Case {
    const char* what;
    int levelId, row, area;
    const char* box;  // an exit (121), a warp (122) or none beside the start
    int cut1Seen;
    int state;         // where the game goes next
    int completed;     // the row's Completed afterwards
    int opened[3];     // the Unlocked of the rows after: row + 1, + 2, + 3
  };
  const Case cases[] = {
      {"Forest II", 413, 3, 0, "352,384,121,0,,,,,,3,3", 1, 2, 1, {1, 0, 0}},
      {"Air I", 422, 12, 1, "352,384,121,0,,,,,,3,3", 1, 2, 1, {1, 1, 0}},
      {"Weird I in a volcano", 424, 14, 7, "352,384,121,0,,,,,,3,3", 1, 2, 1, {1, 1, 0}},
      {"Forest I, first time", 411, 1, 0, "352,384,121,0,,,,,,3,3", 0, 212, 1, {1, 0, 0}},
      {"the tutorial", 425, 3, 0, "352,384,121,0,,,,,,3,3", 1, 202, 0, {0, 0, 0}},
      {"a warp", 416, 6, 10, "352,384,122,,,,,,,3,3", 1, 215, 1, {0, 0, 0}},
      {"Forest I lost", 411, 1, 0, "", 0, 2, 0, {0, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::string> actives = {"400,480,120,,,,,,,,"};
    if (*c.box) actives.push_back(c.box);
    // Without a box the hero falls out past the only block.
    auto blocks = *c.box ? test::BlockRow(0, 800, 480) : std::vector<test::Block>{{0, 480, 0}};
    if (!*c.box) actives[0] = "400,100,120,,,,,,,,";
    test::WriteLevel(dir_, LevelFileFor(c.levelId), test::LevelText(c.area, blocks, actives));
    test::StartHeadless(dir_.str(), "150 tap SPACE\n", 1000);
    LoadCatalogue();
    SetNewSlotRecords();
    Cut1Seen = c.cut1Seen;
    Lives = 5;
    LevelIndex = c.row;
    PlayLevel(c.levelId);
    EXPECT_EQ(GameState, c.state);
    EXPECT_EQ(LevelRecord[c.row][Record::Completed], c.completed);
    for (int k = 0; k < 3; ++k) {
      int row = c.row + 1 + k;
      EXPECT_EQ(LevelRecord[row][Record::Unlocked], c.opened[k]) << "row " << row;
    }
  }
  SetNewSlotRecords();
  Cut1Seen = 1;
  Lives = 10;
}

TEST_F(LevelLoopTest, FallingOutCostsALifeAndTheLastOneEndsTheGame) {
  // One block far to the left, nothing under the hero: he falls out below it.
  test::WriteLevel(dir_, "lev_forest_2.doy", test::LevelText(0, {{0, 480, 0}}, {"400,100,120,,,,,,,,"}));
  for (int lives : {3, 1}) {
    test::StartHeadless(dir_.str(), "", 2000);
    LoadCatalogue();
    SetNewSlotRecords();
    Lives = lives;
    LevelIndex = 3;
    try {
      PlayLevel(413);
    } catch (const EndOfRun& e) {
      FAIL() << "run ended at frame " << FramesPresented() << " code " << e.exitCode << " P_Y " << P_Y << " state " << PlayerState;
    }
    EXPECT_EQ(LevelExitCode, 2);
    EXPECT_EQ(Lives, lives - 1);
    EXPECT_EQ(GameState, lives > 1 ? GameStateId::WorldMap : GameStateId::GameOver);
    EXPECT_EQ(LevelRecord[3][2], 0) << "not finished";
    EXPECT_EQ(LevelRecord[4][1], 0) << "nothing opened";
  }
  Lives = 10;
}

// While the console is open, the Space of a typed command is text for it, not
// a press for the level: neither a message box nor the end sequence take it.
TEST_F(LevelLoopTest, ASpaceTypedIntoTheConsoleStaysInTheConsole) {
  auto play = [&](const std::string& level, const std::string& script, long frames) {
    test::WriteLevel(
        dir_, "console.doy",
        test::LevelText(0, test::BlockRow(0, 800, 480), {"400,480,120,,,,,,,,", level}));
    test::StartHeadless(dir_.str(), script, frames);
    LoadCatalogue();
    CommandLineLevel = "console.doy";
    ConsoleOpen = 0;
    ConsoleInput.text.clear();
    try {
      PlayLevel(LevelIds::CommandLine);
    } catch (const EndOfRun&) {
    }
    EXPECT_EQ(ConsoleOpen, 1);
    EXPECT_EQ(ConsoleInput.text, "p_x 5");
    EXPECT_EQ(LevelExitCode, 0);
  };
  // A message box opened by the hero at the start.
  play("352,384,142,50,0,0,,7,99,3,3", "70 tap F1\n80 type p_x 5\n", 120);
  EXPECT_EQ(MessagePointOpen(), 1);
  // An exit box at the start: the end sequence waits for Space by frame 150.
  play("352,384,121,0,,,,,,3,3", "160 tap F1\n170 type p_x 5\n", 320);
  EXPECT_EQ(TallyState, 3) << "still waiting for Space";
  ConsoleOpen = 0;
  InputLocked = 0;
  ConsoleInput.text.clear();
  ResetLevel();
}

// The title card locks the keys for a second, but not Escape.
TEST_F(LevelLoopTest, EscapeLeavesTheRetroLevelWhileTheTitleCardShows) {
  test::WriteLevel(dir_, "retro.doy",
                   test::LevelText(6, test::BlockRow(0, 800, 480), {"200,480,120,,,,,,,,"}));
  test::StartHeadless(dir_.str(), "5 tap ESCAPE\n", 300);
  LoadCatalogue();
  LoadLevel("retro.doy");
  try {
    RunLevelFrames();
  } catch (const EndOfRun&) {
    FAIL() << "Escape did not leave the retro level";
  }
  EXPECT_EQ(LevelExitCode, 99);
  EXPECT_LE(FramesPresented(), 10);
  ResetLevel();
}

}  // namespace
