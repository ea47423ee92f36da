// Headless frames per second of a scripted run through a level: the whole
// level frame (physics, objects, camera, every draw recorded) without a
// window. Wall time and the game thread's CPU time are both given: on a busy
// machine the second is the one that says what the game costs.
// Run from build/game/:  ../bench/bench_headless_run [level] [frames]
#include <time.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

#include "world/assets.h"
#include "frame/game_loop.h"
#include "world/game_state.h"
#include "world/settings.h"
#include "world/player_state.h"
#include "present/present.h"

int main(int argc, char** argv) {
  std::string level = argc > 1 ? argv[1] : "lev_forest_1.doy";
  long frames = argc > 2 ? std::atol(argv[2]) : 3000;
  std::string script = "/tmp/boingle-bench-run.txt";
  {
    // Bounce to the right, high bounces and a dash now and then.
    std::ofstream s(script);
    s << "60 down RIGHT\n";
    for (long f = 100; f < frames; f += 90) s << f << " down UP\n" << f + 40 << " up UP\n";
    for (long f = 130; f < frames; f += 300) s << f << " tap S\n";
  }
  Options.headless = true;
  Options.dataDir = ".";
  Options.saveDir = "/tmp";
  Options.scriptFile = script;
  Options.frameBudget = frames;
  Options.seeded = true;
  Options.seed = 1;
  if (!StartPresentation()) return 1;
  SetDefaultImageFlags(IMG_FILTERED);
  auto notices = LoadCatalogue();
  for (auto& n : notices) std::fprintf(stderr, "%s\n", n.c_str());
  CommandLineLevel = level;
  auto cpuNow = [] {
    timespec ts;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + ts.tv_nsec * 1e-9;
  };
  long startFrames = FramesPresented();
  double cpu0 = cpuNow();
  auto t0 = std::chrono::steady_clock::now();
  try {
    PlayLevel(LevelIds::CommandLine);
  } catch (const EndOfRun&) {
  }
  double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  double cpu = cpuNow() - cpu0;
  long ran = FramesPresented() - startFrames;
  std::printf(
      "%s: %ld frames in %.3f s = %.0f frames/s headless; %.3f s of CPU = %.0f frames/s "
      "(hero at %.0f, %.0f; exit code %d)\n",
      level.c_str(), ran, secs, ran / secs, cpu, ran / cpu, P_X, P_Y, LevelExitCode);
  return 0;
}
