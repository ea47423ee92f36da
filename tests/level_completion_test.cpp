// The end of a level: the exit box's end sequence, the timed run and its best
// times, the secret box and the warp box.
#include <gtest/gtest.h>

#include "entities/level_completion.h"
#include "world/game_state.h"
#include "frame/hud.h"
#include "world/settings.h"
#include "player/player_health.h"
#include "world/player_state.h"
#include "player/pogo_physics.h"
#include "present/present.h"
#include "support/test_support.h"
#include "world/level_loader.h"

namespace {

class CompletionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetSettingsToDefaults();
    test::StartHeadless(dir_.str());
    InputLocked = 0;
    FadeAlpha = 0;
  }
  void Load(const std::vector<std::string>& actives) {
    std::vector<std::string> lines = {"400,480,120,,,,,,,,"};
    lines.insert(lines.end(), actives.begin(), actives.end());
    test::WriteLevel(dir_, "end.doy", test::LevelText(0, test::BlockRow(0, 1600, 480), lines));
    LoadLevel("end.doy");
  }
  void Frame() {
    GatherKeys();
    PlayerPhysicsStep();
    TimerGatesStep();
    LevelEndStep();
    Flip(1);
  }
  test::TempDir dir_;
};

TEST_F(CompletionTest, TheEndSequenceRunsItsStatesAndWaitsForSpace) {
  Load({"352,384,121,0,,,,,,3,3"});  // an exit box around the start
  Score = 1000;
  LevelTime = -25;  // after a long level the bonus takes points away
  RunSeconds = 12;
  RunMillis = 7;
  Frame();
  EXPECT_EQ(ExitReached, 1);
  EXPECT_GE(TallyState, 1);
  std::vector<int> states;
  for (int i = 0; i < 200; ++i) {
    if (states.empty() || states.back() != TallyState) states.push_back(TallyState);
    if (i == 20) InjectKey(VK_SPACE, true);  // in state 2: ignored
    if (i == 21) InjectKey(VK_SPACE, false);
    Frame();
  }
  EXPECT_EQ(states.back(), 3);
  EXPECT_EQ(Score, 975);
  EXPECT_EQ(EndLine, "You took 12.007 seconds");
  EXPECT_TRUE(test::DrewText("Press Space"));
  EXPECT_TRUE(test::DrewText("Finished! :D"));
  EXPECT_EQ(InputLocked, 1);
  HurtPlayer(20);
  EXPECT_EQ(PlayerState, 0);  // nothing hurts once the exit is reached

  InjectKey(VK_SPACE, true);
  Frame();
  InjectKey(VK_SPACE, false);
  EXPECT_EQ(TallyState, 4);
  for (int i = 0; i < 70; ++i) Frame();
  EXPECT_EQ(TallyState, 5);
  EXPECT_FLOAT_EQ(FadeAlpha, 0.01f);
  EXPECT_EQ(PendingExitCode, 1);
  FadeAlpha = 0;
}

TEST_F(CompletionTest, BestTimesTakeOnlyStrictlyBetterRuns) {
  BestTimes[0] = 5000;
  BestTimes[1] = 7000;
  BestTimes[2] = 1410065407;
  EXPECT_EQ(OfferBestTime(5000), 2);  // equal to the best: it stays, the run is second
  EXPECT_EQ(BestTimes[0], 5000);
  EXPECT_EQ(BestTimes[1], 5000);
  EXPECT_EQ(BestTimes[2], 7000);
  EXPECT_EQ(OfferBestTime(7000), 0);  // equal to the third: nowhere
  EXPECT_EQ(OfferBestTime(4000), 1);
  EXPECT_EQ(BestTimes[0], 4000);
  EXPECT_EQ(BestTimes[2], 5000);
}

TEST_F(CompletionTest, TheTimedRunGoesFromGateToGate) {
  // Start gate around the start, finish gate 200 px to the right.
  Load({"352,384,123,0,,,,,,3,3", "576,384,123,1,,,,,,1,3"});
  BestTimes[0] = BestTimes[1] = BestTimes[2] = 1410065407;
  Frame();
  EXPECT_EQ(RunState, 1);
  InjectKey(VK_RIGHT, true);
  for (int i = 0; i < 200 && RunState != 2; ++i) Frame();
  InjectKey(VK_RIGHT, false);
  EXPECT_EQ(RunState, 2);
  EXPECT_EQ(RunPlace, 1);
  EXPECT_EQ(BestTimes[0], RunTime);
  EXPECT_EQ(RunSeconds * 1000 + RunMillis, RunTime);
}

TEST_F(CompletionTest, SecretAndWarpBoxes) {
  Load({"352,384,143,,,,,,,3,3", "2000,2000,122,,,,,,,1,1"});
  SecretFound = 0;
  Frame();
  EXPECT_EQ(SecretFound, 1);
  LevelExitCode = 0;
  WarpBoxStep();
  EXPECT_EQ(LevelExitCode, 0);
  SetPlayerPosition(2010, 2030);
  WarpBoxStep();
  EXPECT_EQ(LevelExitCode, 1913);
  EXPECT_EQ(GameState, 215);
  LevelExitCode = 0;
}

}  // namespace
