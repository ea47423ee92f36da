// The whole game in one run of the real program, from a first start (no
// config.dat) to the end of the credits: the intro and the retro level, the
// tutorial, the menu level (slot 1, the door), then the fourteen map levels
// in the order they unlock, each entered from the world map with the arrow
// keys and Space, every statue and secret taken, until Weird I's warp box
// ends the story. The script is made by tools/routefinder/whole_game.py from
// the levels' recorded runs; remake it when one of them changes.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "frontend/completion_summary.h"
#include "support/test_support.h"
#include "world/game_state.h"
#include "world/save_game.h"

namespace {

constexpr int kBudget = 120000;  // frames: far more than the script needs

TEST(WholeGame, FromTheFirstStartToTheCreditsWithEverythingFound) {
  std::filesystem::path script = std::filesystem::path(BOINGLE_SOURCE_DIR) / "tests/scripts/whole_game.txt";
  std::string text = test::ReadText(script);
  ASSERT_FALSE(text.empty()) << "no script at " << script;

  test::TempDir save;
  std::string stateFile = (save / "state.json").string();
  test::RunResult run = test::RunBoingle({"--data", BOINGLE_GAME_DIR, "--save-dir", save.str(), "--seed", "1",
                                          "--frames", std::to_string(kBudget), "--state", stateFile},
                                         text);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  std::string state = test::ReadText(stateFile);
  ASSERT_FALSE(state.empty()) << "no state dump: " << run.err;
  EXPECT_LT(test::JsonNumber(state, "Frames"), kBudget) << "the program did not end after the credits";
  EXPECT_EQ(test::JsonNumber(state, "GameState"), GameStateId::Quit);
  EXPECT_NE(state.find("\"file\": \"lev_wierd_1.doy\", \"exit\": 1913"), std::string::npos)
      << "the story did not end in Weird I's warp box";
  EXPECT_EQ(test::JsonNumber(state, "Lives"), 10) << "a life was lost on the way";

  // The slot the menu level picked, read back as the game reads it.
  test::StartHeadless(save.str());
  ASSERT_TRUE(LoadSlot(1));
  for (int row = 1; row <= kMapLevelCount; ++row) {
    SCOPED_TRACE("map level " + std::to_string(row));
    EXPECT_EQ(LevelRecord[row][Record::Completed], 1);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(LevelRecord[row][Record::Statue1 + k], 1) << "statue " << k + 1;
    EXPECT_EQ(LevelRecord[row][Record::SecretFound], 1);
    // Forest I's and Volcano I's full runs reach their statues by ways that
    // leave the timed stretch's gates aside; every other run passes both.
    if (row != 1 && row != 9) {
      EXPECT_NE(LevelRecord[row][Record::BestTime], kNoTime) << "the timed run was not run";
    }
  }
  CompletionSummary summary = ComputeCompletionSummary();
  EXPECT_EQ(summary.levels, 14);
  EXPECT_EQ(summary.statues, 42);
  EXPECT_EQ(summary.secrets, 14);
  EXPECT_EQ(summary.percent, 100);
}

}  // namespace
