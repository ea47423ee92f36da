// The game's folders are layers: present < world < player < entities <
// enemies < worldmap, frontend < frame. A file may include headers of its own
// folder and of folders to its left, never to its right (nor of a sibling on
// the same step). An include that runs the wrong way fails here, with the
// file and line, before it can tangle the layers.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <string>
#include <vector>

namespace {

const std::map<std::string, int> kLayer = {
    {"present", 0}, {"world", 1},    {"player", 2},   {"entities", 3},
    {"enemies", 4}, {"worldmap", 5}, {"frontend", 5}, {"frame", 6},
};

struct Include {
  std::string file;
  int line;
  std::string folder;  // of the included header
};

std::vector<Include> IncludesIn(const std::filesystem::path& file) {
  static const std::regex kInclude(R"re(^\s*#\s*include\s+"(\w+)/[^"]+")re");
  std::vector<Include> found;
  std::ifstream in(file);
  std::string text;
  int n = 0;
  while (std::getline(in, text)) {
    ++n;
    std::smatch m;
    if (std::regex_search(text, m, kInclude)) found.push_back({file.string(), n, m[1]});
  }
  return found;
}

// "a" may include "b".
bool Allowed(const std::string& a, const std::string& b) {
  if (a == b) return true;
  auto la = kLayer.find(a), lb = kLayer.find(b);
  if (lb == kLayer.end()) return true;  // not one of ours (a system header's folder)
  return la != kLayer.end() && lb->second < la->second;
}

TEST(LayeringTest, EveryIncludeRunsDownTheLayers) {
  std::filesystem::path src = std::filesystem::path(BOINGLE_SOURCE_DIR) / "src";
  int files = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(src)) {
    if (!entry.is_regular_file()) continue;
    auto ext = entry.path().extension();
    if (ext != ".cpp" && ext != ".h") continue;
    std::string folder = std::filesystem::relative(entry.path(), src).begin()->string();
    if (!kLayer.count(folder)) continue;  // main.cpp sits above every layer
    ++files;
    for (const Include& inc : IncludesIn(entry.path()))
      EXPECT_TRUE(Allowed(folder, inc.folder))
          << inc.file << ":" << inc.line << ": " << folder << "/ must not include " << inc.folder << "/";
  }
  EXPECT_GT(files, 50) << "the walk found too few files to mean anything";
}

// The forge shares two tables with the game and nothing else: it must build
// without the game's types.
TEST(LayeringTest, TheForgeReadsOnlyTheSharedTables) {
  std::filesystem::path forge = std::filesystem::path(BOINGLE_SOURCE_DIR) / "tools" / "forge";
  static const std::regex kGameInclude(R"re(^\s*#\s*include\s+"((present|world|player|entities|enemies|worldmap|frontend|frame)/[^"]+)")re");
  for (const auto& entry : std::filesystem::recursive_directory_iterator(forge)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream in(entry.path());
    std::string text;
    int n = 0;
    while (std::getline(in, text)) {
      ++n;
      std::smatch m;
      if (!std::regex_search(text, m, kGameInclude)) continue;
      EXPECT_TRUE(m[1] == "world/asset_table.h" || m[1] == "world/object_kinds.h")
          << entry.path().string() << ":" << n << ": the forge includes " << m[1];
    }
  }
}

// The rules themselves, on the cases that matter.
TEST(LayeringTest, TheRuleItself) {
  EXPECT_TRUE(Allowed("entities", "world"));
  EXPECT_TRUE(Allowed("frame", "frontend"));
  EXPECT_FALSE(Allowed("world", "player"));
  EXPECT_FALSE(Allowed("frontend", "worldmap"));  // siblings stay apart
  EXPECT_FALSE(Allowed("enemies", "frame"));
  EXPECT_TRUE(Allowed("world", "gtest"));
}

}  // namespace
