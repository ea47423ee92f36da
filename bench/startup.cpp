// Start-up and memory against a bare window. Each round runs
// bench_bare_window (SDL2, an OpenGL 3.3 context, one clear and swap) and the
// game with --frames 1 (its first frame presented, then it quits), alternating,
// and takes exec to exit and the peak resident memory of each. Then the game
// plays every level of Levels/ for a while in a window of its own, and the
// largest peak of those runs is set against the bare window's.
// Run under Xvfb from build/game/:
//   xvfb-run -a -s "-screen 0 1024x768x24" ../bench/bench_startup [rounds] [frames per level]
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;
namespace fs = std::filesystem;

namespace {

struct Run {
  double secs = -1;
  long peakKb = 0;
  int status = -1;
};

Run Spawn(const std::vector<std::string>& args) {
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  Run run;
  auto t0 = std::chrono::steady_clock::now();
  pid_t pid;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) return run;
  rusage usage{};
  int status = 0;
  wait4(pid, &status, 0, &usage);
  run.secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  run.peakKb = usage.ru_maxrss;
  run.status = status;
  posix_spawn_file_actions_destroy(&actions);
  return run;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  int rounds = argc > 1 ? std::atoi(argv[1]) : 7;
  int levelFrames = argc > 2 ? std::atoi(argv[2]) : 900;
  fs::path benchDir = fs::absolute(argv[0]).parent_path();
  std::string bare = (benchDir / "bench_bare_window").string();
  std::string game = fs::absolute("boingle").string();
  fs::path save = fs::temp_directory_path() / ("boingle-startup-" + std::to_string(getpid()));
  fs::create_directories(save);
  std::vector<std::string> gameArgs = {game, "--windowed", "--save-dir", save.string(), "--seed", "1"};
  // A first run answers the first start's questions (the sound output, the
  // viewing mode), so the rounds that count start the way a player's every
  // later start does: pictures, sounds and fonts loaded before the first frame.
  {
    std::string script = (save / "answers.txt").string();
    if (std::FILE* f = std::fopen(script.c_str(), "w")) {
      std::fputs("1 type 4\n3 type a\n", f);
      std::fclose(f);
    }
    auto first = gameArgs;
    first.insert(first.end(), {"--frames", "10", "--script", script});
    Spawn(first);
  }

  std::vector<double> bareSecs, gameSecs, ratios;
  long barePeak = 0, gamePeak = 0;
  for (int r = 0; r < rounds; ++r) {
    Run b = Spawn({bare});
    auto args = gameArgs;
    args.insert(args.end(), {"--frames", "1"});
    Run g = Spawn(args);
    if (b.secs < 0 || g.secs < 0 || b.status != 0 || g.status != 0) {
      std::fprintf(stderr, "a run failed (bare status %d, game status %d)\n", b.status, g.status);
      return 1;
    }
    bareSecs.push_back(b.secs);
    gameSecs.push_back(g.secs);
    ratios.push_back(g.secs / b.secs);
    barePeak = std::max(barePeak, b.peakKb);
    gamePeak = std::max(gamePeak, g.peakKb);
    std::printf("round %d: bare window %.3f s, game to its first frame %.3f s: ratio %.2f\n", r + 1,
                b.secs, g.secs, g.secs / b.secs);
  }
  std::sort(ratios.begin(), ratios.end());
  std::printf("start-up: bare %.3f s, game %.3f s (medians); median ratio %.2f (spread %.2f-%.2f; "
              "target at most 2)\n",
              Median(bareSecs), Median(gameSecs), Median(ratios), ratios.front(), ratios.back());

  long levelPeak = gamePeak;
  std::string worst = "start-up";
  if (levelFrames > 0) {
    for (auto& e : fs::directory_iterator("Levels")) {
      std::string name = e.path().filename().string();
      if (e.path().extension() != ".doy") continue;
      auto args = gameArgs;
      args.insert(args.end(), {"--frames", std::to_string(levelFrames), name});
      Run run = Spawn(args);
      std::printf("  %s: peak %.1f MB\n", name.c_str(), run.peakKb / 1024.0);
      if (run.peakKb > levelPeak) {
        levelPeak = run.peakKb;
        worst = name;
      }
    }
  }
  std::printf("memory: bare window peak %.1f MB, game peak %.1f MB (%s): %.1f MB over the bare "
              "window (target at most 100)\n",
              barePeak / 1024.0, levelPeak / 1024.0, worst.c_str(), (levelPeak - barePeak) / 1024.0);
  fs::remove_all(save);
  return 0;
}
