// The front end played by the program itself, headless, from the title
// splash: through the menu level (a slot picked, the door, the exit) onto the
// world map and into Forest I; from there to the end of the game through the
// warp box, "To be Continued..." and the credits, and to game over and both
// answers of the continue question. Forest I is replaced by a small level of
// the test's own that warps or drops the hero at once.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/test_support.h"
#include "world/area.h"
#include "world/game_state.h"
#include "present/present.h"
#include "world/save_game.h"

namespace {

namespace fs = std::filesystem;

// The title splash is left with Escape; Left held from frame 70 crosses the
// start room and stops on the key of slot 1; held again from 400 it goes
// through the door and the summary room onto the world map (by frame 690),
// where Space enters the first level.
constexpr const char* kToTheWorldMap =
    "2 tap ESCAPE\n"
    "70 down LEFT\n267 up LEFT\n"
    "400 down LEFT\n690 up LEFT\n";
constexpr const char* kIntoForestI = "700 tap SPACE\n";

class FrontendRun : public ::testing::Test {
 protected:
  void SetUp() override {
    // The program folder with a Forest I of our own.
    for (const auto& e : fs::directory_iterator(BOINGLE_GAME_DIR)) {
      std::string name = e.path().filename().string();
      if (name == "Levels" || name == "boingle") continue;
      fs::create_directory_symlink(e.path(), data_ / name);
    }
    fs::create_directory(data_ / "Levels");
    for (const auto& e : fs::directory_iterator(fs::path(BOINGLE_GAME_DIR) / "Levels"))
      if (e.path().filename() != "lev_forest_1.doy") fs::create_symlink(e.path(), data_ / "Levels" / e.path().filename());
    // Settings of a player who has seen the intro: window, no music, the
    // usual keys.
    test::WriteInts(save_ / "config.dat", {1, 4, 200, 1000, 38, 40, 37, 39, 65, 83, 1, 1, 0, 0, 0});
  }

  void ForestI(const std::vector<test::Block>& blocks, const std::vector<std::string>& actives) {
    test::WriteText(data_ / "Levels" / "lev_forest_1.doy", test::LevelText(Area::Forest, blocks, actives, "Forest I"));
  }

  // A new slot 1 with this many lives.
  void SlotOneWithLives(int lives) {
    std::string head = "File 1\r\n" + std::to_string(lives) + "\r\n";
    for (int i = 0; i < 8; ++i) head += "\r\n";
    std::vector<int32_t> numbers;
    for (int row = 0; row < kLevelRecords; ++row)
      for (int c = 0; c < kRecordColumns; ++c)
        numbers.push_back(c == Record::Row ? row
                          : c == Record::Unlocked ? (row == 1 ? 1 : 0)
                          : (c >= Record::BestTime && c <= Record::ThirdTime) ? kNoTime
                                                                              : 0);
    numbers.push_back(kSlotEndMarker);
    numbers.push_back(0);
    test::WriteInts(save_ / "numbers", numbers);
    std::vector<uint8_t> tail = test::ReadBytes(save_ / "numbers");
    test::WriteText(save_ / "game1.dat", head + std::string(tail.begin(), tail.end()));
    fs::remove(save_ / "numbers");
  }

  struct Outcome {
    test::RunResult run;
    std::string state;
    double Value(const std::string& key) const { return test::JsonNumber(state, key); }
  };
  Outcome Play(const std::string& script, long frames) {
    Outcome out;
    std::string stateFile = (save_ / "state.json").string();
    out.run = test::RunBoingle({"--data", data_.str(), "--save-dir", save_.str(), "--frames", std::to_string(frames),
                                "--state", stateFile, "--seed", "1"},
                               script);
    out.state = test::ReadText(stateFile);
    EXPECT_FALSE(out.state.empty()) << out.run.err;
    return out;
  }

  test::TempDir data_, save_;
};

TEST_F(FrontendRun, FromTheMenuThroughTheWarpToTheCreditsAndTheEnd) {
  // The warp box stands to the right of the start: Right walks into it.
  ForestI(test::BlockRow(0, 800, 480), {"200,480,120,,,,,,,,", "640,384,122,,,,,,,3,3"});
  std::string script = std::string(kToTheWorldMap) + kIntoForestI + "780 down RIGHT\n";

  Outcome menu = Play(script, 400);
  EXPECT_EQ(menu.Value("GameState"), GameStateId::Level) << "the menu runs as a level";
  EXPECT_EQ(menu.Value("AreaIndex"), Area::Menu);
  EXPECT_EQ(menu.Value("PickedSlot"), 1);
  EXPECT_EQ(menu.Value("LoadedSlot"), 0) << "not through the door yet";

  Outcome map = Play(script, 695);
  EXPECT_EQ(map.Value("GameState"), GameStateId::WorldMap);
  EXPECT_EQ(map.Value("LoadedSlot"), 1);
  EXPECT_EQ(map.Value("CurrentSlot"), 1);

  Outcome warped = Play(script, 1000);
  EXPECT_EQ(warped.Value("GameState"), GameStateId::ToBeContinued);
  EXPECT_EQ(warped.Value("LevelExitCode"), ExitCode::Warp);

  // Escape in the credits, once they have faded in, ends the game.
  Outcome end = Play(script + "1900 tap ESCAPE\n", 4000);
  EXPECT_EQ(end.run.exitCode, 0) << end.run.err;
  EXPECT_EQ(end.Value("GameState"), GameStateId::Quit);
  EXPECT_LT(end.Value("Frames"), 2200) << "the program ended by itself";
  // The game's own reading of the slot it saved at the end: Forest I counts
  // as finished.
  test::StartHeadless(save_.str());
  SetNewSlotRecords();
  ASSERT_TRUE(LoadSlot(1));
  EXPECT_EQ(LevelRecord[1][Record::Completed], 1);
  SetNewSlotRecords();
}

TEST_F(FrontendRun, TheLastLifeLostLeadsToGameOverAndBothAnswersOfTheContinueQuestion) {
  // Nothing under the start: the hero falls out of Forest I with his last life.
  ForestI({{0, 480, 0}}, {"400,100,120,,,,,,,,"});
  std::string script = std::string(kToTheWorldMap) + kIntoForestI;

  SlotOneWithLives(1);
  Outcome over = Play(script, 1200);
  EXPECT_EQ(over.Value("GameState"), GameStateId::GameOver);
  EXPECT_EQ(over.Value("Lives"), 0);

  // Game over ends by frame 1400; the question fades in by 1460.
  SlotOneWithLives(1);
  Outcome yes = Play(script + "1500 tap RIGHT\n1520 tap SPACE\n", 1600);
  EXPECT_EQ(yes.Value("GameState"), GameStateId::WorldMap);
  EXPECT_EQ(yes.Value("Lives"), 5);

  SlotOneWithLives(1);
  Outcome no = Play(script + "1500 tap LEFT\n1520 tap SPACE\n", 1640);
  EXPECT_EQ(no.Value("GameState"), GameStateId::Level) << "the menu level runs";
  EXPECT_EQ(no.Value("AreaIndex"), Area::Menu);
  EXPECT_EQ(no.Value("Lives"), 5);
  EXPECT_EQ(no.Value("PickedSlot"), 1) << "the menu keeps the slot it had";
  std::string text = test::ReadText(save_ / "game1.dat");
  EXPECT_EQ(text.rfind("File 1\r\n5\r\n", 0), 0u) << "the five lives are saved";
}

}  // namespace
