// Shared helpers of the test suites: temporary folders, files, running the
// game binary, and starting the headless layer inside the test process.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace test {

// A fresh folder under /tmp, removed when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::string str() const { return path_.string(); }
  std::filesystem::path operator/(const std::string& rel) const { return path_ / rel; }

 private:
  std::filesystem::path path_;
};

void WriteText(const std::filesystem::path& file, const std::string& text);
std::string ReadText(const std::filesystem::path& file);
std::vector<uint8_t> ReadBytes(const std::filesystem::path& file);
void WriteInts(const std::filesystem::path& file, const std::vector<int32_t>& values);
std::vector<int32_t> ReadInts(const std::filesystem::path& file);

struct RunResult {
  int exitCode = -1;
  std::string out, err;
};
// Runs build/game/boingle with the arguments (and an input script, if given,
// passed with --script). Always headless unless `window` is set.
RunResult RunBoingle(const std::vector<std::string>& args, const std::string& script = "",
                     bool window = false);
// Runs any program with exactly these arguments, output captured.
RunResult RunProgram(const std::vector<std::string>& argv);

// A number from a flat JSON object such as the --state dump (NaN if absent).
double JsonNumber(const std::string& json, const std::string& key);

// Prepares the in-process presentation layer for a headless run: the data
// folder is the program folder, writes go to `saveDir`, the script text (if
// any) is the input, and the frame budget ends the run with EndOfRun.
void StartHeadless(const std::string& saveDir, const std::string& script = "", long frameBudget = -1);

// The texts drawn in a list of draw records.
bool DrewText(const std::string& text, bool lastFrame = true);

}  // namespace test

namespace test {

// A level file for fixtures: blocks are (x, y, kind) lines, actives full
// active-list lines ("400,448,120,,,,,,,,").
struct Block {
  int x, y, kind;
};
std::string LevelText(int area, const std::vector<Block>& blocks, const std::vector<std::string>& actives,
                      const std::string& title = "Test level");
// A row of solid blocks from x0 to x1 (inclusive, steps of 32) at height y.
std::vector<Block> BlockRow(int x0, int x1, int y, int kind = 0);
// Writes Levels/<name> into the folder.
void WriteLevel(const TempDir& dir, const std::string& name, const std::string& text);

}  // namespace test
