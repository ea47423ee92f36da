// What the enemy pass costs a frame: Forest I with 40 walkers awake in and
// around the view, each walking, probing the collision blocks and testing
// the hero. Run from the program folder:
//   bench/bench_enemy_pass [--data DIR] [--walkers N] [--frames N]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "enemies/enemy.h"
#include "enemies/enemy_pass.h"
#include "present/present.h"
#include "world/assets.h"
#include "world/camera.h"
#include "world/level_loader.h"
#include "world/player_state.h"
#include "world/tile_map.h"

int main(int argc, char** argv) {
  Options.headless = true;
  Options.dataDir = ".";
  int walkers = 40, frames = 3000;
  for (int i = 1; i + 1 < argc; i += 2) {
    std::string a = argv[i];
    if (a == "--data") Options.dataDir = argv[i + 1];
    if (a == "--walkers") walkers = std::max(1, std::atoi(argv[i + 1]));
    if (a == "--frames") frames = std::max(1, std::atoi(argv[i + 1]));
  }
  std::filesystem::path save = std::filesystem::temp_directory_path() / "bench_enemy_pass";
  std::filesystem::create_directories(save / "Levels");
  Options.saveDir = save.string();
  if (!StartPresentation()) return 1;
  LoadCatalogue();

  // Forest I with the walkers added on its first ground, all four kinds and
  // every ledge rule, spread over the view so that they stay awake.
  std::ifstream in(std::filesystem::path(Options.dataDir) / "Levels" / "lev_forest_1.doy", std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  std::string level = text.str();
  size_t end = level.rfind("FIN! :D");
  if (end == std::string::npos) {
    std::fprintf(stderr, "bench_enemy_pass: no Levels/lev_forest_1.doy in %s\n", Options.dataDir.c_str());
    return 1;
  }
  const int codes[] = {69, 70, 68, 94};
  std::string lines;
  for (int k = 0; k < walkers; ++k)
    lines += std::to_string(60 + k * 14) + ",560," + std::to_string(codes[k % 4]) + ",0," + std::to_string(k % 3) +
             ",,,,,,\n";
  level.insert(end, lines);
  std::ofstream(save / "Levels" / "bench_enemy_pass.doy", std::ios::binary) << level;
  if (!LoadLevel("bench_enemy_pass.doy")) return 1;
  CameraX = 0;
  CameraY = 0;
  P_X = -1000;  // the hero out of reach: every walker walks, none is defeated
  P_Y = -1000;
  UpdateProbes();

  using Clock = std::chrono::steady_clock;
  double total = 0, worst = 0;
  size_t awake = 0;
  for (int f = 0; f < frames; ++f) {
    auto t0 = Clock::now();
    UpdateEnemies();
    double us = std::chrono::duration<double, std::micro>(Clock::now() - t0).count();
    total += us;
    if (f > 10) worst = std::max(worst, us);
    Flip(1);
  }
  EnemyList.Walk([&](TEnemy& e) { awake += e.state == EnemyState::Active; });
  std::printf("enemy pass: %d walkers (%zu awake at the end), %zu collision blocks: %.1f us a frame on average, "
              "%.1f us at worst\n",
              walkers, awake, CollisionBlocks.size(), total / frames, worst);
  std::filesystem::remove_all(save);
  return 0;
}
