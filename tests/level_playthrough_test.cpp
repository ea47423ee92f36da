// The tutorial, Forest I, Forest II and Ghost I played from start to exit
// with recorded input
// (tests/scripts/*_run.txt). The program itself plays them, headless, the
// way a command-line level runs for the editor; a change to the hero's
// reach, to an object or to a level that closes the way shows up here as a
// run that stops short, a lost life, a hint never read or a timed run missed.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "entities/level_completion.h"
#include "entities/message_point.h"
#include "frame/game_loop.h"
#include "world/game_state.h"
#include "world/settings.h"
#include "present/present.h"
#include "support/test_support.h"
#include "world/level_reset.h"
#include "world/area.h"
#include "world/assets.h"
#include "world/level_loader.h"
#include "world/player_state.h"

namespace {

// One way through a level: the script, a frame at which the end sequence is
// waiting for the Space that ends it, and a frame budget the run must not
// need (it ends by itself long before).
struct Route {
  const char* level;
  const char* script;
  long waiting;
  long budget;
};

const Route kTutorial = {"lev_tut.doy", "lev_tut_run.txt", 1990, 2600};
const Route kForest = {"lev_forest_1.doy", "lev_forest_1_run.txt", 2060, 2700};
const Route kForestII = {"lev_forest_2.doy", "lev_forest_2_run.txt", 1390, 2000};
const Route kGhost = {"lev_ghost_1.doy", "lev_ghost_1_run.txt", 1490, 2100};

std::string Script(const Route& r) {
  std::filesystem::path file = std::filesystem::path(BOINGLE_SOURCE_DIR) / "tests" / "scripts" / r.script;
  std::string text = test::ReadText(file);
  EXPECT_FALSE(text.empty()) << "no script at " << file;
  return text;
}

// What a run of the real program leaves behind.
struct Outcome {
  test::RunResult run;
  std::string state;  // the --state dump
  std::string handBack;  // Quonitor_In.bat, empty if not written
  double Value(const std::string& key) const { return test::JsonNumber(state, key); }
};

// The program on the route's script for `frames` frames, in a save folder of
// its own whose settings the start-up prompts have made (no music, windowed).
Outcome Play(const Route& r, long frames) {
  test::TempDir save;
  test::RunBoingle({"--data", BOINGLE_GAME_DIR, "--save-dir", save.str(), "--frames", "10"}, "1 type 4\n3 type a\n");
  EXPECT_TRUE(std::filesystem::exists(save / "config.dat"));
  Outcome out;
  std::string stateFile = (save / "state.json").string();
  out.run = test::RunBoingle({"--data", BOINGLE_GAME_DIR, "--save-dir", save.str(), "--frames",
                              std::to_string(frames), "--state", stateFile, "--seed", "1", r.level},
                             Script(r));
  out.state = test::ReadText(stateFile);
  if (std::filesystem::exists(save / "Quonitor_In.bat")) out.handBack = test::ReadText(save / "Quonitor_In.bat");
  return out;
}

// The checks every route shares: stopped while the end sequence waits, the
// hero is at the exit unhurt; given the whole budget, Space ends the level as
// finished, with the life count it started with, and hands it back to the
// editor. Returns the run stopped while waiting.
Outcome ExpectFinished(const Route& r) {
  Outcome waiting = Play(r, r.waiting);
  if (waiting.state.empty()) ADD_FAILURE() << "no state dump: " << waiting.run.err;
  EXPECT_EQ(waiting.Value("Frames"), r.waiting) << "the level ended before the exit";
  EXPECT_EQ(waiting.Value("LevelExitCode"), ExitCode::Running);
  EXPECT_EQ(waiting.Value("TallyState"), 3) << "the end sequence is not waiting for Space";
  EXPECT_EQ(waiting.Value("PlayerState"), 0);
  EXPECT_EQ(waiting.Value("Health"), 5) << "the route took a knock on the way";
  double lives = waiting.Value("Lives");
  EXPECT_FALSE(std::isnan(lives));

  Outcome done = Play(r, r.budget);
  if (done.state.empty()) ADD_FAILURE() << "no state dump: " << done.run.err;
  EXPECT_EQ(done.run.exitCode, 0) << done.run.err;
  EXPECT_LT(done.Value("Frames"), r.budget) << "Space at the end did not end the level";
  EXPECT_EQ(done.Value("LevelExitCode"), ExitCode::Completed);
  EXPECT_EQ(done.Value("Lives"), lives) << "the hero died on the way";
  EXPECT_EQ(done.handBack, std::string("quonitor.exe ") + r.level + "\r\n");
  return waiting;
}

// The same route played inside the test, stopped while the end sequence
// waits, so that the level's own objects can be looked at.
class InProcessRoute : public ::testing::Test {
 protected:
  void SetUp() override { ResetSettingsToDefaults(); }
  void TearDown() override { ResetLevel(); }
  void PlayUntilWaiting(const Route& r) {
    test::StartHeadless(dir_.str(), Script(r), r.waiting);
    SeedRnd(1);
    CommandLineLevel = r.level;
    try {
      PlayLevel(LevelIds::CommandLine);
    } catch (const EndOfRun&) {
    }
    ASSERT_EQ(FramesPresented(), r.waiting);
    ASSERT_EQ(TallyState, 3);
  }
  test::TempDir dir_;
};

TEST(LevelPlaythroughTest, TheTutorialRouteReachesTheExit) {
  Outcome waiting = ExpectFinished(kTutorial);
  // The dash lesson: the dash onto the breakable floor broke one of its
  // three blocks.
  EXPECT_EQ(waiting.Value("BlockList"), 2);
}

TEST(LevelPlaythroughTest, TheForestRouteReachesTheExit) { ExpectFinished(kForest); }

// Past bees, a bucket's spades, a wizard, bats, a bear and moles without a
// knock.
TEST(LevelPlaythroughTest, TheForestIIRouteReachesTheExit) { ExpectFinished(kForestII); }

TEST(LevelPlaythroughTest, TheGhostRouteReachesTheExit) { ExpectFinished(kGhost); }

TEST_F(InProcessRoute, TheTutorialRouteReadsEveryHint) {
  ASSERT_NO_FATAL_FAILURE(PlayUntilWaiting(kTutorial));
  // A hint point leaves the level only once its box has been opened and
  // closed again; the last one opens from the one before it, not by touch.
  EXPECT_EQ(MessagePoints.Size(), 0u);
  EXPECT_EQ(MessagePointOpen(), 0);
}

TEST_F(InProcessRoute, TheForestRouteRunsTheTimedStretch) {
  ASSERT_NO_FATAL_FAILURE(PlayUntilWaiting(kForest));
  EXPECT_EQ(RunState, 2) << "the timed run was not started and finished";
  // No quicker than the hero's top speed (5 pixels a frame, 60 frames a
  // second) covers the ground between the gates (x 512 and 1504 in the
  // level source), and over well before the exit.
  constexpr int kGateGap = 1504 - 512;
  EXPECT_GE(RunTime, kGateGap * 1000 / (5 * 60));
  EXPECT_LT(RunEnd, static_cast<int>(kForest.waiting * 1000 / 60));
}

// The enemy levels' timed runs lie on their routes: started and finished,
// and no quicker than the hero's top speed allows.
TEST_F(InProcessRoute, TheEnemyLevelsRoutesRunTheirTimedStretches) {
  struct Timed {
    const Route* route;
    int startGate, finishGate;  // x of the gates in the level sources
  };
  for (const Timed& t : {Timed{&kForestII, 1600, 2368}, Timed{&kGhost, 2400, 3168}}) {
    ASSERT_NO_FATAL_FAILURE(PlayUntilWaiting(*t.route));
    EXPECT_EQ(RunState, 2) << t.route->level << ": the timed run was not started and finished";
    EXPECT_GE(RunTime, (t.finishGate - t.startGate - 32) * 1000 / (5 * 60)) << t.route->level;
    ResetLevel();
  }
}

// The game on the television: Right and Up held from the start. The title
// card holds the keys for its first second; after it the step-wise hero
// bounces over the pipe and the pit and ends the level on the drop at the
// far end of the high ground, the one way to the right of x 500 and below
// y 300.
TEST(RetroLevel, TheTelevisionGameEndsOnTheDropAfterTheTitleCard) {
  test::TempDir dir;
  const char* script = "0 down RIGHT\n0 down UP\n";
  test::StartHeadless(dir.str(), script, 50);
  LoadCatalogue();
  ASSERT_TRUE(LoadLevel("f_retro.doy"));
  EXPECT_EQ(AreaIndex, Area::Retro);
  float startX = P_X;
  try {
    RunLevelFrames();
  } catch (const EndOfRun&) {
  }
  EXPECT_EQ(P_X, startX) << "the keys moved the hero during the title card";
  EXPECT_EQ(LevelExitCode, ExitCode::Running);
  ResetLevel();

  test::StartHeadless(dir.str(), script, 1200);
  ASSERT_TRUE(LoadLevel("f_retro.doy"));
  RunLevelFrames();
  EXPECT_EQ(LevelExitCode, ExitCode::RetroLeft);
  EXPECT_GT(P_X, 512) << "past the end of the high ground";
  EXPECT_GT(P_Y, 300);
  EXPECT_LT(FramesPresented(), 600) << "a short level";
  ResetLevel();
}

}  // namespace
