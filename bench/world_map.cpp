// Headless frames per second of the world map: the whole map frame (stars,
// the map's tile layers, markers, panel; every draw recorded) while the
// highlight travels from Forest I to Weird I and back. Run from build/game/:
// ../bench/bench_world_map [frames]
#include "worldmap/world_map.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "present/present.h"
#include "world/assets.h"
#include "world/game_state.h"
#include "world/save_game.h"
#include "world/tile_map.h"
#include "worldmap/map_nodes.h"

int main(int argc, char** argv) {
  long frames = argc > 1 ? std::atol(argv[1]) : 3000;
  std::string script = "/tmp/boingle-bench-map.txt";
  {
    // Along the paths in the order the levels open, then back again.
    const std::vector<const char*> there = {"RIGHT", "RIGHT", "RIGHT", "DOWN", "LEFT",
                                            "LEFT",  "LEFT",  "RIGHT", "DOWN", "RIGHT",
                                            "UP",    "DOWN",  "RIGHT"};
    const std::vector<const char*> back = {"LEFT", "LEFT",  "LEFT", "UP",  "LEFT",
                                           "UP",   "RIGHT", "UP",   "LEFT"};
    std::ofstream s(script);
    long f = 30;
    for (int round = 0; f < frames; ++round)
      for (const char* key : round % 2 ? back : there) {
        s << f << " tap " << key << "\n";
        f += 60;
      }
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
  for (auto& n : LoadCatalogue()) std::fprintf(stderr, "%s\n", n.c_str());
  BuildMapNodes();
  for (int row = 1; row <= kMapNodeCount; ++row) LevelRecord[row][Record::Unlocked] = 1;
  GameState = GameStateId::WorldMap;
  long startFrames = FramesPresented();
  size_t draws = 0, tiles = 0;
  auto t0 = std::chrono::steady_clock::now();
  try {
    RunWorldMap();
  } catch (const EndOfRun&) {
    draws = LastFrameDraws().size();
    tiles = Tiles.size();
  }
  double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  long ran = FramesPresented() - startFrames;
  std::printf(
      "world map: %ld frames in %.3f s = %.0f frames/s headless; %zu tiles walked and %zu draws in "
      "the "
      "last frame, at node %d\n",
      ran, secs, ran / secs, tiles, draws, CurrentMapNode);
  return 0;
}
