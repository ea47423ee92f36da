// The level loader on any bytes, and then a few frames of the level they
// make: a line the loader takes must not break the objects it creates either
// (a width of two thousand million tiles, a fan turned a way that does not
// exist, a teleport pad to itself).
#include <cstddef>
#include <cstdint>

#include "frame/game_loop.h"
#include "fuzz_support.h"
#include "present/present.h"
#include "world/game_state.h"
#include "world/level_loader.h"
#include "world/level_reset.h"

namespace {

// Long enough for the title card, a few bounces and the objects' first moves.
constexpr long kFramesPerInput = 24;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::StartHeadlessGame();
  fuzz::WriteBytes(fuzz::DataDir() + "/Levels/fuzz.doy", data, size);
  SeedRnd(1);
  Options.frameBudget = FramesPresented() + kFramesPerInput;
  GameState = GameStateId::Level;
  LoadLevel("fuzz.doy");
  // Steer right and dash: the hero meets what the level put in his way.
  InjectKey(VK_RIGHT, true);
  InjectKey(83, true);
  try {
    RunLevelFrames();
  } catch (const EndOfRun&) {
  }
  InjectKey(VK_RIGHT, false);
  InjectKey(83, false);
  ResetLevel();
  return 0;
}
