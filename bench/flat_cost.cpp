// A level frame's CPU time should not grow with the level: the largest real
// level against a level ten times as wide made of ten copies of it side by
// side (ten times the blocks, tiles, objects and enemies, spread over it; the
// hero starts in the first copy). Both run the same scripted bounce to the
// right, headless, each in a child process of its own, alternating, a few
// rounds; the thread's CPU time per frame after the first 60 frames.
// Run from build/game/:  ../bench/bench_flat_cost [level] [frames] [rounds]
// FLAT_ONLY=<level file> measures that one level once (bench_wide_x10.doy is
// the widened one), for a profiler.
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "enemies/enemy.h"
#include "entities/entity.h"
#include "frame/game_loop.h"
#include "present/present.h"
#include "world/assets.h"
#include "world/game_state.h"
#include "world/level_loader.h"
#include "world/player_state.h"
#include "world/settings.h"

namespace fs = std::filesystem;

namespace {

constexpr int kCopies = 10;
constexpr long kWarmUp = 60;
constexpr int kHeroStart = 120;  // the start object: one, in the first copy

double ThreadSeconds() {
  timespec ts;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) + ts.tv_nsec * 1e-9;
}

// The level with every list repeated kCopies times, each copy shifted right
// by the level's width.
std::string Widened(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> lines;
  for (std::string l; std::getline(in, l);) lines.push_back(l);
  auto field = [](const std::string& l, int n) {
    std::istringstream s(l);
    std::string f;
    for (int i = 0; i < n && std::getline(s, f, ','); ++i) {
    }
    return f;
  };
  auto shifted = [&](const std::string& l, int dx) {
    size_t comma = l.find(',');
    return std::to_string(std::atoi(l.c_str()) + dx) + l.substr(comma);
  };
  // The width: the collision blocks. span, so the copies stand wall to wall.
  int minX = 1 << 30, maxX = -(1 << 30);
  std::string section;
  for (const std::string& l : lines) {
    if (l == kCollisionMarker || l == kActiveMarker || l == kImageTileMarker || l == kEndMarker) {
      section = l;
      continue;
    }
    if (section == kCollisionMarker) {
      int x = std::atoi(l.c_str());
      minX = std::min(minX, x);
      maxX = std::max(maxX, x);
    }
  }
  const int width = maxX - minX + 32;

  std::string out;
  // Header lines up to the tile list are kept once; each list's lines are
  // written kCopies times.
  size_t i = 0;
  for (; i < lines.size() && lines[i] != "Tiles"; ++i) out += lines[i] + "\n";
  out += lines[i++] + "\n";
  std::vector<std::string> list;
  auto flush = [&](bool actives) {
    for (int c = 0; c < kCopies; ++c)
      for (const std::string& l : list) {
        if (actives && c > 0 && std::atoi(field(l, 3).c_str()) == kHeroStart) continue;
        out += shifted(l, c * width) + "\n";
      }
    list.clear();
  };
  bool actives = false;
  for (; i < lines.size(); ++i) {
    const std::string& l = lines[i];
    if (l == kImageTileMarker || l == kCollisionMarker || l == kActiveMarker || l == kEndMarker) {
      flush(actives);
      actives = l == kActiveMarker;
      out += l + "\n";
      if (l == kEndMarker) break;
      continue;
    }
    if (!l.empty()) list.push_back(l);
  }
  return out;
}

// A program folder whose Levels/ holds the widened level beside the real ones.
std::string MakeDataDir(const std::string& level, const std::string& wide) {
  fs::path dir = fs::temp_directory_path() / ("boingle-flat-" + std::to_string(getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir / "Levels");
  for (auto& e : fs::directory_iterator(fs::current_path()))
    if (e.path().filename() != "Levels") fs::create_directory_symlink(fs::absolute(e.path()), dir / e.path().filename());
  for (auto& e : fs::directory_iterator(fs::current_path() / "Levels"))
    fs::create_symlink(fs::absolute(e.path()), dir / "Levels" / e.path().filename());
  std::ifstream in(fs::current_path() / "Levels" / level);
  std::stringstream text;
  text << in.rdbuf();
  std::ofstream(dir / "Levels" / wide) << Widened(text.str());
  return dir.string();
}

long g_frame = 0;
double g_start = 0;
void CountFrame() {
  if (std::getenv("FLAT_DEBUG") && g_frame % 100 == 0) std::fprintf(stderr, "%ld %.0f %.0f %d %d\n", g_frame, P_X, P_Y, LevelExitCode, PendingExitCode);
  if (++g_frame == kWarmUp) g_start = ThreadSeconds();
}

// Microseconds of CPU per level frame, measured in a child process.
double FrameMicros(const std::string& dataDir, const std::string& level, long frames) {
  int fds[2];
  if (pipe(fds) != 0) return -1;
  std::fflush(stdout);  // or the child's exit prints the rounds so far again
  pid_t pid = fork();
  if (pid == 0) {
    close(fds[0]);
    std::string script = dataDir + "/bench-script.txt";
    {
      std::ofstream s(script);
      s << "60 down RIGHT\n";
      for (long f = 100; f < frames; f += 90) s << f << " down UP\n" << f + 40 << " up UP\n";
      for (long f = 130; f < frames; f += 300) s << f << " tap S\n";
    }
    Options.headless = true;
    Options.dataDir = dataDir;
    Options.saveDir = dataDir + "/save";
    fs::create_directories(Options.saveDir);
    Options.scriptFile = script;
    Options.frameBudget = frames;
    Options.seeded = true;
    Options.seed = 1;
    if (!StartPresentation()) _exit(1);
    LoadCatalogue();
    CommandLineLevel = level;
    SetFrameHook(&CountFrame);
    try {
      PlayLevel(LevelIds::CommandLine);
    } catch (const EndOfRun&) {
    }
    double us = (ThreadSeconds() - g_start) * 1e6 / static_cast<double>(g_frame - kWarmUp);
    std::fprintf(stderr, "%s: %ld frames, hero at %.0f, %.0f, %zu enemies, %zu objects drawn\n", level.c_str(),
                 g_frame, P_X, P_Y, EnemyList.Size(), DrawList.Size());
    if (write(fds[1], &us, sizeof us) != sizeof us) _exit(1);
    _exit(0);
  }
  close(fds[1]);
  double us = -1;
  if (read(fds[0], &us, sizeof us) != sizeof us) us = -1;
  close(fds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  return us;
}

}  // namespace

int main(int argc, char** argv) {
  std::string level = argc > 1 ? argv[1] : "lev_ghost_1.doy";
  long frames = argc > 2 ? std::atol(argv[2]) : 1750;
  int rounds = argc > 3 ? std::atoi(argv[3]) : 7;
  const std::string wide = "bench_wide_x10.doy";
  std::string dataDir = MakeDataDir(level, wide);
  std::vector<double> ratios;
  if (const char* only = std::getenv("FLAT_ONLY")) {
    std::printf("%.2f\n", FrameMicros(dataDir, only, frames));
    fs::remove_all(dataDir);
    return 0;
  }
  for (int r = 0; r < rounds; ++r) {
    double base = FrameMicros(dataDir, level, frames);
    double big = FrameMicros(dataDir, wide, frames);
    if (base <= 0 || big <= 0) {
      std::fprintf(stderr, "a run failed\n");
      return 1;
    }
    ratios.push_back(big / base);
    std::printf("round %d: %s %.2f us/frame, ten copies wide %.2f us/frame: ratio %.2f\n", r + 1,
                level.c_str(), base, big, big / base);
  }
  std::sort(ratios.begin(), ratios.end());
  std::printf("flat cost: median ratio %.2f (spread %.2f-%.2f over %d rounds; target at most 1.2)\n",
              ratios[ratios.size() / 2], ratios.front(), ratios.back(), rounds);
  // Kept for a closer look (a profile, a screenshot) when asked.
  if (std::getenv("BOINGLE_BENCH_KEEP"))
    std::printf("the levels are kept in %s\n", dataDir.c_str());
  else
    fs::remove_all(dataDir);
  return 0;
}
