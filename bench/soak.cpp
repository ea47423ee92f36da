// The soak: an hour of play (216,000 frames) in one headless process, cycling
// through every level file in Levels/, with the recorded run of a level where
// tests/scripts has one and random input otherwise. After each level load it
// takes the resident memory and every value of the --state dump (which counts
// every list). It fails (exit 1) when memory grows by more than 5 percent
// after the first round of levels, or when a value the level reset empties
// (every list, the level's own state) differs at a later load of a level
// from its first.
//
// Run from build/game/ (scripts/soak.sh does):
//   ../bench/bench_soak [frames] [seed] [scripts folder]
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "frame/game_loop.h"
#include "frame/pause_menu.h"
#include "present/present.h"
#include "present/state_dump.h"
#include "world/assets.h"
#include "world/game_state.h"
#include "world/level_loader.h"
#include "world/level_reset.h"
#include "world/settings.h"

// Under AddressSanitizer freed memory waits in its quarantine (a quarter of a
// gigabyte) before it is used again, so resident memory climbs whatever the
// game does: there the soak looks for sanitizer reports and list growth, and
// memory is judged in a normal build.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kJudgeMemory = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kJudgeMemory = false;
#else
constexpr bool kJudgeMemory = true;
#endif
#else
constexpr bool kJudgeMemory = true;
#endif

namespace {

constexpr long kHour = 216000;
// A level without a recorded run is played this long with random input, then
// left through the pause menu.
constexpr long kRandomVisit = 3600;
// How long a visit may run past its script before the soak cuts it off.
constexpr long kGrace = 900;

long ResidentKb() {
  std::ifstream statm("/proc/self/statm");
  long size = 0, resident = 0;
  statm >> size >> resident;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Every value of the --state dump, by name.
std::map<std::string, double> StateValues() {
  std::map<std::string, double> values;
  std::string json = StateJson();
  size_t at = 0;
  while ((at = json.find('"', at)) != std::string::npos) {
    size_t end = json.find('"', at + 1);
    values[json.substr(at + 1, end - at - 1)] = std::strtod(json.c_str() + end + 3, nullptr);
    at = end + 1;
  }
  return values;
}

// The level's recorded run, its frames moved to start at `offset`; then the
// way out through the pause menu.
std::string ShiftedScript(const std::string& file, long offset, long* length) {
  std::ifstream in(file);
  std::ostringstream out;
  std::string line;
  long last = 0;
  while (std::getline(in, line)) {
    std::istringstream ls(line);
    long frame;
    if (!(ls >> frame)) continue;
    std::string rest;
    std::getline(ls, rest);
    out << frame + offset << rest << "\n";
    last = std::max(last, frame);
  }
  *length = last + 120;
  return out.str();
}

std::string RandomScript(std::mt19937& rng, long offset, long length) {
  std::ostringstream out;
  const char* steer[] = {"LEFT", "RIGHT", "UP", "DOWN"};
  bool held[4] = {};
  for (long f = 1; f < length; f += std::uniform_int_distribution<long>(4, 40)(rng)) {
    int pick = std::uniform_int_distribution<int>(0, 9)(rng);
    if (pick < 4) {
      held[pick] = !held[pick];
      out << f + offset << (held[pick] ? " down " : " up ") << steer[pick] << "\n";
    } else if (pick < 6) {
      out << f + offset << " tap S\n";
    } else if (pick == 6) {
      out << f + offset << " tap SPACE\n";  // closes the message boxes
    }
  }
  for (int k = 0; k < 4; ++k)
    if (held[k]) out << length + offset << " up " << steer[k] << "\n";
  return out.str();
}

// Escape, three downs to "Back to Worldmap", Space; Escape alone leaves the
// retro level.
std::string WayOut(long at) {
  std::ostringstream out;
  out << at << " tap ESCAPE\n" << at + 40 << " tap DOWN\n" << at + 42 << " tap DOWN\n"
      << at + 44 << " tap DOWN\n" << at + 50 << " tap SPACE\n";
  return out.str();
}

struct Visit {
  std::string level;
  long rssKb;
  std::map<std::string, double> state;  // right after the load
};

}  // namespace

int main(int argc, char** argv) {
  long total = argc > 1 ? std::atol(argv[1]) : kHour;
  unsigned seed = argc > 2 ? static_cast<unsigned>(std::atol(argv[2])) : 1;
  std::string scripts = argc > 3 ? argv[3] : "";
  char tmpl[] = "/tmp/boingle-soak-XXXXXX";
  if (!mkdtemp(tmpl)) return 2;
  std::string scratch = tmpl;

  Options.headless = true;
  Options.dataDir = ".";
  Options.saveDir = scratch;
  Options.seeded = true;
  Options.seed = seed;
  if (!StartPresentation()) return 2;
  SetDefaultImageFlags(IMG_FILTERED);
  ResetSettingsToDefaults();
  for (auto& n : LoadCatalogue()) std::fprintf(stderr, "%s\n", n.c_str());

  std::vector<std::string> levels;
  for (const std::string& name : ReadDir("Levels")) {
    if (name.size() > 4 && name.compare(name.size() - 4, 4, ".doy") == 0) levels.push_back(name);
  }
  if (levels.empty()) {
    std::fprintf(stderr, "soak: no levels in Levels/ (run it from the program folder)\n");
    return 2;
  }

  std::mt19937 rng(seed);
  std::vector<Visit> visits;
  // The values the level reset empties: every list the dump counts, and the
  // level's own state. Those that are zero after every reset, the same level
  // must load to the same values every time.
  std::map<std::string, bool> zeroAfterReset;
  ResetLevel();
  for (auto& [name, value] : StateValues()) zeroAfterReset[name] = value == 0;
  int cutOff = 0;
  std::string scriptFile = scratch + "/visit.txt";
  auto t0 = std::chrono::steady_clock::now();
  for (size_t v = 0; FramesPresented() < total; ++v) {
    const std::string& level = levels[v % levels.size()];
    long start = FramesPresented(), length = kRandomVisit;
    std::string script;
    std::string recorded = scripts.empty() ? "" : scripts + "/" + level.substr(0, level.size() - 4) + "_run.txt";
    if (!recorded.empty() && std::ifstream(recorded))
      script = ShiftedScript(recorded, start, &length);
    else
      script = RandomScript(rng, start, length);
    length = std::min(length, total - start);
    script += WayOut(start + length);
    std::ofstream(scriptFile) << script;
    std::string error;
    if (!LoadInputScript(scriptFile, &error)) {
      std::fprintf(stderr, "soak: %s\n", error.c_str());
      return 2;
    }

    GameState = GameStateId::Level;
    LoadLevel(level);
    visits.push_back({level, ResidentKb(), StateValues()});

    Options.frameBudget = start + length + kGrace;
    try {
      RunLevelFrames();
    } catch (const EndOfRun&) {
      // Stuck in a box or a menu the way out did not reach: leave as the end
      // of a run would, with nothing held.
      ++cutOff;
      PauseState = 0;
      InputLocked = 0;
      FadeAlpha = 0;
    }
    ResetLevel();
    FlushKeys();
    for (auto& [name, value] : StateValues())
      if (value != 0) zeroAfterReset[name] = false;
  }
  double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();

  // Memory after the first round, when every level has been loaded once.
  size_t round = std::min(levels.size(), visits.size() - 1);
  long base = visits[round].rssKb, high = base, low = base;
  for (size_t i = round; i < visits.size(); ++i) {
    high = std::max(high, visits[i].rssKb);
    low = std::min(low, visits[i].rssKb);
  }
  double growth = 100.0 * (high - base) / base;
  std::printf("soak: %ld frames, %zu level loads of %zu levels, %d cut off, in %.1f s (%.0f frames/s)\n",
              FramesPresented(), visits.size(), levels.size(), cutOff, secs, FramesPresented() / secs);
  std::printf("soak: resident memory at load 1 %ld KB, after the first round %ld KB, then %ld-%ld KB (%+.2f%%)\n",
              visits[0].rssKb, base, low, high, growth);
  // The first two rounds, every tenth round, and the last.
  size_t n = levels.size();
  for (size_t i = 0; i < visits.size(); ++i)
    if (i < n * 2 || (i / n) % 10 == 0 || i + n >= visits.size())
      std::printf("  load %3zu %-22s %7ld KB\n", i + 1, visits[i].level.c_str(), visits[i].rssKb);
  // Each level's lists at every load against its first load.
  int checked = 0, changed = 0;
  std::map<std::string, const Visit*> first;
  for (const Visit& visit : visits) {
    auto [it, isFirst] = first.emplace(visit.level, &visit);
    if (isFirst) continue;
    for (auto& [name, zero] : zeroAfterReset) {
      if (!zero || name == "Frames") continue;
      ++checked;
      double was = it->second->state.at(name), now = visit.state.at(name);
      if (now != was) {
        ++changed;
        if (changed <= 20)
          std::printf("soak: %s was %g at the first load of %s, %g at a later one\n", name.c_str(), was,
                      visit.level.c_str(), now);
      }
    }
  }
  int lists = 0;
  for (auto& [name, zero] : zeroAfterReset) lists += zero ? 1 : 0;
  std::printf("soak: %d values emptied by the reset (lists and level state); %d compared across loads, %d changed\n",
              lists, checked, changed);
  std::string keep = "rm -rf '" + scratch + "'";
  if (std::system(keep.c_str()) != 0) std::fprintf(stderr, "soak: could not remove %s\n", scratch.c_str());
  if (!kJudgeMemory) std::printf("soak: memory not judged under AddressSanitizer\n");
  bool ok = (growth <= 5.0 || !kJudgeMemory) && changed == 0;
  std::printf("soak: %s\n", ok ? "passed" : "FAILED");
  return ok ? 0 : 1;
}
