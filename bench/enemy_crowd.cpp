// The enemy pass with a crowd awake: bats, moles, buckets, wizards and bees
// (with the spades and shots they make) on a real level's collision blocks,
// every one probing the whole block list each frame.
// Run from build/game/:  ../bench/bench_enemy_crowd [level] [per kind] [frames]
#include "enemies/enemy_pass.h"

#include <chrono>
#include <cstdio>
#include <string>

#include "enemies/enemy.h"
#include "present/present.h"
#include "world/assets.h"
#include "world/camera.h"
#include "world/level_loader.h"
#include "world/object_kinds.h"
#include "world/player_state.h"
#include "world/settings.h"
#include "world/tile_map.h"

namespace {

void Place(int code, int x, int y, const char* field5) {
  ActiveLine line;
  line.x = x;
  line.y = y;
  line.type = code;
  line.kind = FindObjectKind(code);
  line.field[1] = field5;  // field 5
  if (CreatorFn create = KindCreator(code)) create(line);
}

}  // namespace

int main(int argc, char** argv) {
  std::string level = argc > 1 ? argv[1] : "lev_ghost_1.doy";
  int perKind = argc > 2 ? std::atoi(argv[2]) : 10;
  int frames = argc > 3 ? std::atoi(argv[3]) : 600;
  Options.headless = true;
  Options.dataDir = ".";
  Options.saveDir = "/tmp";
  if (!StartPresentation()) return 1;
  LoadCatalogue();
  SeedRnd(1);
  if (!LoadLevel(level)) return 1;
  // The view over the level's start, the crowd spread across it and the hero
  // in the middle of them.
  CameraX = 0;
  CameraY = static_cast<float>(LevelMaxY - 600);
  P_X = 400;
  P_Y = CameraY + 300;
  UpdateProbes();
  for (int k = 0; k < perKind; ++k) {
    int x = 40 + k * 720 / perKind;
    Place(88, x, static_cast<int>(CameraY) + 100, "");   // bat
    Place(63, x, static_cast<int>(CameraY) + 200, "");   // mole
    Place(72, x, static_cast<int>(CameraY) + 150, "0");  // bucket
    Place(87, x, static_cast<int>(CameraY) + 250, "1");  // wizard
    Place(61, x, static_cast<int>(CameraY) + 50, "");    // bee
  }
  PlayerState = 1;  // untouchable: the crowd keeps bumping into him
  size_t most = 0;
  double secs = 0;
  for (int f = 0; f < frames; ++f) {
    auto t0 = std::chrono::steady_clock::now();
    UpdateEnemies();
    secs += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    Flip(1);
    if (EnemyList.Size() > most) most = EnemyList.Size();
  }
  std::printf(
      "%s: %zu collision blocks, up to %zu enemies: %.1f us per enemy pass (%.2f%% of a 60 Hz "
      "frame)\n",
      level.c_str(), CollisionBlocks.size(), most, secs * 1e6 / frames, secs * 100 / frames * 60);
  return 0;
}
