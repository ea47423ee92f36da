// The object passes that leave far objects alone (the common draw pass, the
// item pass, the spike checks, the enemy pass) must not change a single
// thing the player sees: every recorded run is played twice, headless, once with the indexes
// and once with every index off (each pass then walks its whole list as it
// always did), and every frame's draws, with their drawing state, and the
// hero's path must be the same.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "entities/entity.h"
#include "entities/items.h"
#include "entities/near_index.h"
#include "frame/game_loop.h"
#include "present/present.h"
#include "support/test_support.h"
#include "world/assets.h"
#include "world/cell_grid.h"
#include "world/game_state.h"
#include "world/player_state.h"
#include "world/progress.h"
#include "world/settings.h"

namespace {

namespace fs = std::filesystem;

uint64_t g_hash = 1469598103934665603ull;
std::vector<uint64_t> g_frames;

void Mix(const void* data, size_t n) {
  const auto* p = static_cast<const unsigned char*>(data);
  for (size_t i = 0; i < n; ++i) g_hash = (g_hash ^ p[i]) * 1099511628211ull;
}
template <class V>
void MixValue(V v) {
  Mix(&v, sizeof v);
}

// One number per frame: what was drawn, how, and where the hero is.
void HashFrame() {
  for (const DrawRecord& d : LastFrameDraws()) {
    MixValue(static_cast<int>(d.kind));
    if (d.image) {
      Mix(d.image->path.data(), d.image->path.size());
      MixValue(d.image->width);
    }
    MixValue(d.frame);
    MixValue(d.x);
    MixValue(d.y);
    MixValue(d.w);
    MixValue(d.h);
    Mix(d.text.data(), d.text.size());
    const DrawState& s = d.state;
    for (float v : {s.alpha, s.rotation, s.scaleX, s.scaleY, s.originX, s.originY}) MixValue(v);
    for (int v : {s.r, s.g, s.b, s.blend}) MixValue(v);
  }
  for (float v : {P_X, P_Y, P_XS, P_YS}) MixValue(v);
  MixValue(Score);
  MixValue(Coins);
  g_frames.push_back(g_hash);
}

// The per-frame numbers of one run, played in a child process of its own.
std::vector<uint64_t> PlayRun(const std::string& level, const std::string& script, bool indexes) {
  int fds[2];
  if (pipe(fds) != 0) return {};
  pid_t pid = fork();
  if (pid == 0) {
    close(fds[0]);
    test::TempDir save;
    Options = RunOptions();
    Options.headless = true;
    Options.dataDir = BOINGLE_GAME_DIR;
    Options.saveDir = save.str();
    Options.scriptFile = script;
    Options.frameBudget = 30000;
    Options.seeded = true;
    Options.seed = 1;
    if (!StartPresentation()) _exit(1);
    SetRecordDraws(true);
    LoadCatalogue();
    UseSpatialIndexes(indexes);
    CommandLineLevel = level;
    SetFrameHook(&HashFrame);
    try {
      PlayLevel(LevelIds::CommandLine);
    } catch (const EndOfRun&) {
    }
    size_t n = g_frames.size();
    bool ok = write(fds[1], &n, sizeof n) == sizeof n &&
              write(fds[1], g_frames.data(), n * sizeof(uint64_t)) ==
                  static_cast<ssize_t>(n * sizeof(uint64_t));
    _exit(ok ? 0 : 1);
  }
  close(fds[1]);
  std::vector<uint64_t> frames;
  size_t n = 0;
  if (read(fds[0], &n, sizeof n) == sizeof n) {
    frames.resize(n);
    size_t got = 0;
    auto* out = reinterpret_cast<char*>(frames.data());
    while (got < n * sizeof(uint64_t)) {
      ssize_t r = read(fds[0], out + got, n * sizeof(uint64_t) - got);
      if (r <= 0) break;
      got += static_cast<size_t>(r);
    }
    if (got != n * sizeof(uint64_t)) frames.clear();
  }
  close(fds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  return frames;
}

TEST(ObjectIndex, EveryRecordedRunLooksTheSameWithTheIndexesOff) {
  // A level's full run where it has one (it goes everywhere its run to the
  // exit goes, and further), else its run; the whole-game script is not a
  // level's.
  std::vector<fs::path> scripts;
  fs::path dir = fs::path(BOINGLE_SOURCE_DIR) / "tests" / "scripts";
  for (const auto& e : fs::directory_iterator(dir)) {
    std::string name = e.path().filename().string();
    auto ends = [&](const std::string& tail) {
      return name.size() > tail.size() && name.compare(name.size() - tail.size(), tail.size(), tail) == 0;
    };
    if (ends("_full.txt")) scripts.push_back(e.path());
    if (ends("_run.txt") && !fs::exists(dir / (name.substr(0, name.size() - 8) + "_full.txt")))
      scripts.push_back(e.path());
  }
  std::sort(scripts.begin(), scripts.end());
  ASSERT_FALSE(scripts.empty());
  for (const fs::path& script : scripts) {
    std::string name = script.filename().string();
    std::string level = name.substr(0, name.rfind('_')) + ".doy";
    SCOPED_TRACE(name);
    std::vector<uint64_t> indexed = PlayRun(level, script.string(), true);
    std::vector<uint64_t> plain = PlayRun(level, script.string(), false);
    ASSERT_GT(plain.size(), 100u);
    ASSERT_EQ(indexed.size(), plain.size());
    auto diff = std::mismatch(plain.begin(), plain.end(), indexed.begin());
    EXPECT_TRUE(diff.first == plain.end())
        << "first different frame: " << (diff.first - plain.begin());
  }
}

// The index's own rules, on a list of its own: members filed by their box
// are visited near the question only, roaming ones always, all in list
// order, and a list that changes is filed again.
struct Thing : TActor {
  bool fixed = true;
  float size = 10;
};

TEST(ObjectIndex, VisitsWhatCanBeNearInListOrder) {
  EntityList<Thing> list;
  std::vector<std::shared_ptr<Thing>> things;
  for (int i = 0; i < 200; ++i) {
    auto t = std::make_shared<Thing>();
    t->x = static_cast<float>((i * 137) % 5000);
    t->y = static_cast<float>((i * 59) % 700);
    t->fixed = i % 17 != 0;
    if (i == 50) t->size = 5000;  // too large to file: always visited
    things.push_back(t);
    list.Add(t);
  }
  auto fixedBox = [](const Thing& t, Box* b) {
    *b = {t.x, t.y, t.x + t.size, t.y + t.size};
    return t.fixed;
  };
  NearIndex<Thing> index;
  auto check = [&](const Box& q) {
    std::vector<const Thing*> seen;
    index.Walk(list, fixedBox, q, [&](Thing& t) { seen.push_back(&t); });
    std::vector<const Thing*> expected;
    list.Walk([&](Thing& t) {
      if (!t.fixed || t.size > NearIndex<Thing>::kMostReach ||
          (t.x + t.size >= q.left && t.x <= q.right && t.y + t.size >= q.top && t.y <= q.bottom))
        expected.push_back(&t);
    });
    // Every member that must be visited is, in list order; a few more may be.
    std::vector<const Thing*> inSeen;
    for (const Thing* t : seen)
      if (std::find(expected.begin(), expected.end(), t) != expected.end()) inSeen.push_back(t);
    EXPECT_EQ(inSeen, expected);
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end(), [&](const Thing* a, const Thing* b) {
      auto pos = [&](const Thing* t) {
        return std::find_if(things.begin(), things.end(), [t](auto& p) { return p.get() == t; }) -
               things.begin();
      };
      return pos(a) < pos(b);
    }));
    return seen.size();
  };
  size_t near = check({1000, 100, 1800, 400});
  EXPECT_LT(near, 100u);
  // Members leave and arrive: the filing follows.
  list.Remove(things[3].get());
  things[7]->fixed = false;  // only honoured once the list is filed again
  list.Remove(things[120].get());
  things.erase(things.begin() + 120);
  things.erase(things.begin() + 3);
  auto late = std::make_shared<Thing>();
  late->x = 1200;
  late->y = 200;
  things.push_back(late);
  list.Add(late);
  check({1000, 100, 1800, 400});
  check({-50, -50, 20, 20});
  // Removed while walking: the walk skips it and the next one files again.
  index.Walk(list, fixedBox, Box{0, 0, 5000, 700}, [&](Thing& t) {
    if (&t == things[10].get()) list.Remove(things[11].get());
  });
  things.erase(things.begin() + 11);
  check({2000, 0, 2600, 700});
}

}  // namespace
