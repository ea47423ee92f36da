// Bad content: one content file at a time removed or cut short, then the game
// started on a level that reads it, with a recorded run where there is one.
// The game must play on to the end of the run and name the file in one line
// of standard error.
//
// CI tries a fixed sample of the files; scripts/bad_content.sh tries them all
// (BOINGLE_BAD_CONTENT=all, or BOINGLE_BAD_CONTENT_FILES=a,b for some).
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/test_support.h"
#include "world/area.h"
#include "world/music.h"

namespace fs = std::filesystem;

namespace {

const char* const kContentFolders[] = {"Images", "Sound", "Music", "Fonts", "Tilesets", "Imagesets", "Levels", "Data"};
constexpr int kSampled = 10;  // files, each removed and then cut short: 20 runs
constexpr long kFrames = 600;

std::string Lower(std::string s) {
  for (auto& c : s) c = c == '\\' ? '/' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

std::vector<std::string> ContentFiles() {
  std::vector<std::string> files;
  for (const char* folder : kContentFolders) {
    fs::path root = fs::path(BOINGLE_GAME_DIR) / folder;
    if (!fs::is_directory(root)) continue;
    for (auto& e : fs::recursive_directory_iterator(root))
      if (e.is_regular_file()) files.push_back(fs::relative(e.path(), BOINGLE_GAME_DIR).string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

struct LevelHead {
  int area = 0;
  std::string folder;  // line 5: the image sets it loads
};

// The levels there are, with the area (line 3) and image-set folder (line 5)
// they name.
std::map<std::string, LevelHead> LevelHeads() {
  std::map<std::string, LevelHead> heads;
  for (auto& e : fs::directory_iterator(fs::path(BOINGLE_GAME_DIR) / "Levels")) {
    std::ifstream in(e.path());
    std::string lines[5];
    for (auto& l : lines) {
      std::getline(in, l);
      if (!l.empty() && l.back() == '\r') l.pop_back();
    }
    heads[e.path().filename().string()] = {std::atoi(lines[2].c_str()), lines[4]};
  }
  return heads;
}

// A level whose run reads the file: its own level, a level of the area whose
// tileset, pictures or tune it is, else Forest I (the catalogue is read at
// every start). Empty when no level there reads it.
std::string LevelReading(const std::string& file) {
  std::string f = Lower(file);
  if (f.rfind("levels/", 0) == 0) return fs::path(file).filename().string();
  for (auto& [level, head] : LevelHeads()) {
    if (f == Lower("Tilesets/TILES_" + AreaTilesetName(head.area) + ".PNG")) return level;
    const char* tune = MusicFileFor(head.area);
    if (tune && f == Lower(tune)) return level;
    if (!head.folder.empty() && f.rfind(Lower("Imagesets/" + head.folder), 0) == 0) return level;
  }
  if (f.rfind("tilesets/", 0) == 0 || f.rfind("imagesets/", 0) == 0) {
    if (f.rfind("imagesets/global/", 0) == 0) return "lev_forest_1.doy";
    return "";
  }
  if (f.rfind("music/", 0) == 0) {
    // A tune of no level's area (the menu's, a scene's): named at the start.
    return "lev_forest_1.doy";
  }
  return "lev_forest_1.doy";
}

// The program folder as links to the real files, but for the one file.
void LinkProgramFolder(const fs::path& to, const std::string& except, bool cutShort) {
  for (const char* folder : kContentFolders) {
    fs::path root = fs::path(BOINGLE_GAME_DIR) / folder;
    if (!fs::is_directory(root)) continue;
    fs::create_directories(to / folder);
    for (auto& e : fs::recursive_directory_iterator(root)) {
      std::string rel = fs::relative(e.path(), BOINGLE_GAME_DIR).string();
      if (e.is_directory()) {
        fs::create_directories(to / rel);
      } else if (rel != except) {
        fs::create_symlink(e.path(), to / rel);
      } else if (cutShort) {
        auto bytes = test::ReadBytes(e.path());
        bytes.resize(bytes.size() / 2);
        test::WriteText(to / rel, std::string(bytes.begin(), bytes.end()));
      }
    }
  }
}

// The run of a level, as every case makes it.
test::RunResult PlayLevel(const std::string& level, const fs::path& data, const fs::path& out) {
  test::TempDir save;
  std::vector<std::string> args = {"--data", data.string(), "--save-dir", save.str(), "--seed", "1",
                                   "--frames", std::to_string(kFrames), "--state", (out / "s.json").string()};
  std::string script;
  std::string stem = level.substr(0, level.size() - 4);
  fs::path recorded = fs::path(BOINGLE_SOURCE_DIR) / "tests/scripts" / (stem + "_run.txt");
  if (fs::exists(recorded)) script = test::ReadText(recorded);
  // The answers to the start-up questions, so the run goes straight on.
  test::WriteInts(save / "config.dat", {1, 4, 150, 1000, 38, 40, 37, 39, 65, 83, 1, 1, 0, 0, 0});
  args.push_back(level);
  return test::RunBoingle(args, script);
}

// The content files a whole run of the level opens: its run in a private
// copy of the program folder, watched.
std::set<std::string> FilesOpenedBy(const std::string& level) {
  test::TempDir copy, out;
  int fd = inotify_init1(IN_NONBLOCK);
  std::map<int, std::string> folders;
  for (const char* folder : kContentFolders) {
    fs::path root = fs::path(BOINGLE_GAME_DIR) / folder;
    if (!fs::is_directory(root)) continue;
    fs::copy(root, copy / folder, fs::copy_options::recursive);
    folders[inotify_add_watch(fd, (copy / folder).c_str(), IN_OPEN)] = folder;
    for (auto& e : fs::recursive_directory_iterator(copy / folder))
      if (e.is_directory())
        folders[inotify_add_watch(fd, e.path().c_str(), IN_OPEN)] = fs::relative(e.path(), copy.path()).string();
  }
  PlayLevel(level, copy.path(), out.path());
  std::set<std::string> opened;
  alignas(inotify_event) char buf[65536];
  ssize_t n;
  while ((n = read(fd, buf, sizeof buf)) > 0) {
    for (char* p = buf; p < buf + n;) {
      auto* ev = reinterpret_cast<inotify_event*>(p);
      if (ev->len && folders.count(ev->wd)) opened.insert(Lower(folders[ev->wd] + "/" + ev->name));
      p += sizeof(inotify_event) + ev->len;
    }
  }
  close(fd);
  return opened;
}

struct Case {
  std::string file;
  bool cutShort;
};

// All files, or (the default) a sample spread evenly over the files a run of
// Forest I opens, so each case tries something the game really reads.
std::vector<Case> Cases(std::map<std::string, std::set<std::string>>* opened) {
  std::vector<std::string> files = ContentFiles();
  const char* all = std::getenv("BOINGLE_BAD_CONTENT");
  std::vector<std::string> chosen;
  const char* only = std::getenv("BOINGLE_BAD_CONTENT_FILES");  // "a,b": these files
  if (only && *only) {
    std::stringstream list(only);
    for (std::string f; std::getline(list, f, ',');) chosen.push_back(f);
  } else if (all && std::string(all) == "all") {
    chosen = files;
  } else {
    auto& read = (*opened)["lev_forest_1.doy"] = FilesOpenedBy("lev_forest_1.doy");
    std::vector<std::string> pool;
    for (auto& f : files)
      if (read.count(Lower(f))) pool.push_back(f);
    for (int k = 0; k < kSampled && !pool.empty(); ++k)
      chosen.push_back(pool[(pool.size() * static_cast<size_t>(k) + pool.size() / 2) / kSampled]);
    chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());
  }
  std::vector<Case> cases;
  for (auto& f : chosen) {
    cases.push_back({f, false});
    cases.push_back({f, true});
  }
  return cases;
}

TEST(BadContentTest, EachFileRemovedOrCutShortIsNamedAndTheGamePlaysOn) {
  int tried = 0, named = 0, unread = 0;
  const char* env = std::getenv("BOINGLE_BAD_CONTENT");
  const char* only = std::getenv("BOINGLE_BAD_CONTENT_FILES");
  bool all = (env && std::string(env) == "all") || (only && *only);
  std::map<std::string, std::set<std::string>> opened;  // by level
  for (const Case& c : Cases(&opened)) {
    SCOPED_TRACE(c.file + (c.cutShort ? " cut short" : " removed"));
    // In the sample, Forest I reads every file; in the full run, the level
    // that reads it.
    std::string level = all ? LevelReading(c.file) : "lev_forest_1.doy";
    if (level.empty()) level = "lev_forest_1.doy";
    if (!opened.count(level)) opened[level] = FilesOpenedBy(level);
    test::TempDir data, out;
    LinkProgramFolder(data.path(), c.file, c.cutShort);
    auto r = PlayLevel(level, data.path(), out.path());
    ++tried;
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err.find("runtime error"), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find("Sanitizer"), std::string::npos) << r.err;
    // Played on: to the end of the budget, or to the level's own end.
    double frames = test::JsonNumber(test::ReadText(out / "s.json"), "Frames");
    EXPECT_GT(frames, 60) << r.err;
    std::string err = Lower(r.err), want = Lower(c.file);
    size_t at = err.find(want);
    // An image set is whatever pictures its folder holds: one that is gone is
    // missed only where the level places it.
    bool placed = want.rfind("imagesets/", 0) != 0 || c.cutShort ||
                  test::ReadText(fs::path(BOINGLE_GAME_DIR) / "Levels" / level).find(fs::path(c.file).filename().string()) !=
                      std::string::npos;
    if (at == std::string::npos && (!opened[level].count(want) || !placed)) {
      ++unread;  // nothing in this run needs it (a scene's picture, a set no level places)
      continue;
    }
    if (at == std::string::npos) {
      ADD_FAILURE() << "not named; stderr:\n" << r.err;
      continue;
    }
    ++named;
    // Named within one line: the line holding the path says what is wrong.
    size_t begin = err.rfind('\n', at), end = err.find('\n', at);
    std::string line = err.substr(begin == std::string::npos ? 0 : begin + 1,
                                  end == std::string::npos ? std::string::npos : end - begin - 1);
    EXPECT_TRUE(line.find("missing") != std::string::npos || line.find("broken") != std::string::npos ||
                line.find("no level file") != std::string::npos)
        << line;
  }
  std::printf("%d runs: %d named the file, %d with a file the run does not read\n", tried, named, unread);
}

}  // namespace
