#include "support/test_support.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "present/present.h"

namespace test {

TempDir::TempDir() {
  std::string tmpl = (std::filesystem::temp_directory_path() / "boingle-test-XXXXXX").string();
  std::vector<char> buf(tmpl.begin(), tmpl.end());
  buf.push_back('\0');
  char* made = mkdtemp(buf.data());
  path_ = made ? std::filesystem::path(made) : std::filesystem::temp_directory_path();
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

void WriteText(const std::filesystem::path& file, const std::string& text) {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << text;
}

std::string ReadText(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::vector<uint8_t> ReadBytes(const std::filesystem::path& file) {
  std::string s = ReadText(file);
  return std::vector<uint8_t>(s.begin(), s.end());
}

void WriteInts(const std::filesystem::path& file, const std::vector<int32_t>& values) {
  std::string bytes;
  for (int32_t v : values) {
    uint32_t u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<char>((u >> (8 * i)) & 255));
  }
  WriteText(file, bytes);
}

std::vector<int32_t> ReadInts(const std::filesystem::path& file) {
  std::vector<uint8_t> b = ReadBytes(file);
  std::vector<int32_t> out;
  for (size_t i = 0; i + 3 < b.size(); i += 4)
    out.push_back(static_cast<int32_t>(uint32_t(b[i]) | (uint32_t(b[i + 1]) << 8) | (uint32_t(b[i + 2]) << 16) |
                                       (uint32_t(b[i + 3]) << 24)));
  return out;
}

RunResult RunBoingle(const std::vector<std::string>& args, const std::string& script, bool window) {
  TempDir scratch;
  std::vector<std::string> all = {BOINGLE_BINARY};
  if (!window) all.push_back("--headless");
  if (!script.empty()) {
    WriteText(scratch / "input.txt", script);
    all.push_back("--script");
    all.push_back((scratch / "input.txt").string());
  }
  all.insert(all.end(), args.begin(), args.end());
  return RunProgram(all);
}

RunResult RunProgram(const std::vector<std::string>& all) {
  TempDir scratch;
  std::string outFile = (scratch / "out.txt").string(), errFile = (scratch / "err.txt").string();
  pid_t pid = fork();
  if (pid == 0) {
    FILE* o = std::freopen(outFile.c_str(), "w", stdout);
    FILE* e = std::freopen(errFile.c_str(), "w", stderr);
    (void)o;
    (void)e;
    std::vector<char*> argv;
    for (auto& a : all) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  RunResult r;
  r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  r.out = ReadText(outFile);
  r.err = ReadText(errFile);
  return r;
}

double JsonNumber(const std::string& json, const std::string& key) {
  std::string needle = "\"" + key + "\": ";
  size_t at = json.find(needle);
  if (at == std::string::npos) return std::nan("");
  return std::strtod(json.c_str() + at + needle.size(), nullptr);
}

void StartHeadless(const std::string& saveDir, const std::string& script, long frameBudget) {
  Options = RunOptions();
  Options.headless = true;
  Options.dataDir = BOINGLE_GAME_DIR;
  Options.saveDir = saveDir;
  Options.frameBudget = frameBudget;
  // Always a script, so no events of an earlier test are left to deliver.
  std::string file = saveDir + "/input-script.txt";
  WriteText(file, script);
  Options.scriptFile = file;
  StartPresentation();
}

bool DrewText(const std::string& text, bool lastFrame) {
  const auto& draws = lastFrame ? LastFrameDraws() : CurrentDraws();
  for (const auto& d : draws)
    if (d.kind == DrawKind::Text && d.text == text) return true;
  return false;
}

}  // namespace test

namespace test {

std::string LevelText(int area, const std::vector<Block>& blocks, const std::vector<std::string>& actives,
                      const std::string& title) {
  std::string t = title + "\nA test\n" + std::to_string(area) + "\n0\nForest/\nLayers\n";
  for (int i = 0; i < 20; ++i) t += "0\n";
  t += "Tiles\nIMAGE_TILE_LIST\nCOLLISION_LIST\n";
  for (const Block& b : blocks)
    t += std::to_string(b.x) + "," + std::to_string(b.y) + "," + std::to_string(b.kind) + "\n";
  t += "ACTIVE_LIST\n";
  for (const auto& a : actives) t += a + "\n";
  t += "FIN! :D\n";
  return t;
}

std::vector<Block> BlockRow(int x0, int x1, int y, int kind) {
  std::vector<Block> row;
  for (int x = x0; x <= x1; x += 32) row.push_back({x, y, kind});
  return row;
}

void WriteLevel(const TempDir& dir, const std::string& name, const std::string& text) {
  WriteText(dir / ("Levels/" + name), text);
}

}  // namespace test
