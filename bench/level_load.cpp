// How long loading the largest level and drawing its first frame takes
// (headless: the draws are recorded, not rasterised). Run from the program
// folder: bench/bench_level_load [--data DIR] [--repeat N].
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "present/present.h"
#include "world/camera.h"
#include "world/level_loader.h"
#include "world/tile_map.h"

int main(int argc, char** argv) {
  Options.headless = true;
  Options.dataDir = ".";
  int repeat = 20;
  for (int i = 1; i + 1 < argc; i += 2) {
    std::string a = argv[i];
    if (a == "--data")
      Options.dataDir = argv[i + 1];
    else if (a == "--repeat")
      repeat = std::max(1, std::atoi(argv[i + 1]));
  }
  if (!StartPresentation()) return 1;
  OpenGraphics(800, 600, 0, 60, 0);

  std::string largest;
  std::uintmax_t size = 0;
  std::error_code ec;
  for (auto& e :
       std::filesystem::directory_iterator(std::filesystem::path(Options.dataDir) / "Levels", ec)) {
    if (e.path().extension() != ".doy") continue;
    if (e.file_size() > size) {
      size = e.file_size();
      largest = e.path().filename().string();
    }
  }
  if (largest.empty()) {
    std::fprintf(stderr, "bench_level_load: no levels in %s/Levels\n", Options.dataDir.c_str());
    return 1;
  }

  using Clock = std::chrono::steady_clock;
  double best = 1e9, total = 0;
  for (int k = 0; k < repeat; ++k) {
    auto t0 = Clock::now();
    LoadLevel(largest);
    CameraStep();
    DrawTileLayers();
    double ms = std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
    best = std::min(best, ms);
    total += ms;
    Flip(1);
  }
  std::printf(
      "%s: %zu tiles, %zu image tiles, %zu blocks; load + first frame %.2f ms best, %.2f ms mean\n",
      largest.c_str(), Tiles.size() + BackTiles.size(), ImageTiles.size(), CollisionBlocks.size(),
      best, total / repeat);
  return 0;
}
