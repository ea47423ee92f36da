// Every level proven completable: each recorded run in tests/scripts is
// played by the real program, headless, and must end its level through the
// exit (LastLevel's exit 1) without losing a life. A `<level>_run.txt` only
// has to get there; a `<level>_full.txt` must also have taken the level's
// three statues and found its secret on the way. The last level is the one
// exception: its story ends in the warp box (exit code 1913, straight to "To
// be Continued..."), so its runs must end there instead.
//
// Runs are made with tools/routefinder and replayed here exactly: the game is
// deterministic for a seed and a script.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace {

namespace fs = std::filesystem;

struct RecordedRun {
  std::string level;   // lev_desert_1.doy
  std::string script;  // its file
  bool full;
};

// The exit code a level's recorded runs must end with.
std::string GoalExitOf(const std::string& level) { return level == "lev_wierd_1.doy" ? "1913" : "1"; }

std::vector<RecordedRun> RecordedRuns() {
  std::vector<RecordedRun> runs;
  fs::path dir = fs::path(BOINGLE_SOURCE_DIR) / "tests" / "scripts";
  std::error_code ec;
  static const std::regex kName(R"((.+)_(run|full)\.txt)");
  for (const auto& e : fs::directory_iterator(dir, ec)) {
    std::smatch m;
    std::string name = e.path().filename().string();
    if (!std::regex_match(name, m, kName)) continue;
    runs.push_back({m[1].str() + ".doy", e.path().string(), m[2] == "full"});
  }
  std::sort(runs.begin(), runs.end(), [](const RecordedRun& a, const RecordedRun& b) { return a.script < b.script; });
  return runs;
}

// The text of one key of the LastLevel object in a --state dump.
std::string LastLevelPart(const std::string& state, const std::string& key) {
  size_t at = state.find("\"LastLevel\": {");
  if (at == std::string::npos) return "";
  size_t end = state.find('}', at);
  std::string obj = state.substr(at, end - at);
  size_t k = obj.find("\"" + key + "\": ");
  if (k == std::string::npos) return "";
  k += key.size() + 4;
  size_t stop = obj.find_first_of(",}", obj[k] == '[' ? obj.find(']', k) : k);
  return obj.substr(k, stop == std::string::npos ? std::string::npos : stop - k);
}

class LevelRunTest : public ::testing::TestWithParam<RecordedRun> {};

TEST_P(LevelRunTest, EndsAtTheExit) {
  const RecordedRun& run = GetParam();
  test::TempDir save;
  // A settings file the start-up prompts made: no music, a window.
  test::RunBoingle({"--data", BOINGLE_GAME_DIR, "--save-dir", save.str(), "--frames", "10"}, "1 type 4\n3 type a\n");
  std::string stateFile = (save / "state.json").string();
  test::RunResult r =
      test::RunBoingle({"--data", BOINGLE_GAME_DIR, "--save-dir", save.str(), "--frames", "30000", "--state",
                        stateFile, "--seed", "1", "--script", run.script, run.level});
  std::string state = test::ReadText(stateFile);
  ASSERT_FALSE(state.empty()) << r.err;
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_LT(test::JsonNumber(state, "Frames"), 30000) << "the run did not end the level";
  EXPECT_EQ(LastLevelPart(state, "file"), "\"" + run.level + "\"");
  EXPECT_EQ(LastLevelPart(state, "exit"), GoalExitOf(run.level)) << "the level did not end through its goal";
  EXPECT_EQ(test::JsonNumber(state, "Lives"), 10) << "a life was lost on the way";
  if (run.full) {
    EXPECT_EQ(LastLevelPart(state, "statues"), "[1, 1, 1]") << "every statue";
    EXPECT_EQ(LastLevelPart(state, "secret"), "1") << "and the secret";
  }
}

std::string RunName(const ::testing::TestParamInfo<RecordedRun>& info) {
  std::string n = fs::path(info.param.script).stem().string();
  std::replace_if(n.begin(), n.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
  return n;
}

INSTANTIATE_TEST_SUITE_P(Recorded, LevelRunTest, ::testing::ValuesIn(RecordedRuns()), RunName);

}  // namespace
