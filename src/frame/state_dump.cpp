#include "frame/state_dump.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <vector>

#include "frame/game_state.h"
#include "frame/hud.h"
#include "frame/pending_steps.h"
#include "player/player_state.h"
#include "present/present.h"

namespace {

struct Entry {
  const char* name;
  StateValueFn fn;
};

std::vector<Entry>& Entries() {
  static std::vector<Entry> entries;
  return entries;
}

std::string Number(double v) {
  if (!std::isfinite(v)) return "null";
  char buf[64];
  if (v == std::floor(v) && std::fabs(v) < 1e15)
    std::snprintf(buf, sizeof buf, "%.0f", v);
  else
    std::snprintf(buf, sizeof buf, "%.9g", v);
  return buf;
}

}  // namespace

int RegisterStateValue(const char* name, StateValueFn fn) {
  Entries().push_back({name, fn});
  return 0;
}

BOINGLE_STATE_VALUE(GameState, GameState);
BOINGLE_STATE_VALUE(LevelId, LevelId);
BOINGLE_STATE_VALUE(LevelExitCode, LevelExitCode);
BOINGLE_STATE_VALUE(Lives, Lives);
BOINGLE_STATE_VALUE(Health, Health);
BOINGLE_STATE_VALUE(Score, Score);
BOINGLE_STATE_VALUE(Coins, Coins);
BOINGLE_STATE_VALUE(P_X, P_X);
BOINGLE_STATE_VALUE(P_Y, P_Y);
BOINGLE_STATE_VALUE(P_XS, P_XS);
BOINGLE_STATE_VALUE(P_YS, P_YS);
BOINGLE_STATE_VALUE(AreaIndex, AreaIndex);
BOINGLE_STATE_VALUE(CameraX, CameraX);
BOINGLE_STATE_VALUE(CameraY, CameraY);
BOINGLE_STATE_VALUE(CameraMode, CameraMode);
BOINGLE_STATE_VALUE(PlayerState, PlayerState);
BOINGLE_STATE_VALUE(Facing, Facing);
BOINGLE_STATE_VALUE(DashFlag, DashFlag);
BOINGLE_STATE_VALUE(Frames, FramesPresented());

std::string StateJson() {
  std::string out = "{";
  bool first = true;
  for (const auto& e : Entries()) {
    if (!first) out += ", ";
    first = false;
    out += "\"";
    out += e.name;
    out += "\": ";
    out += Number(e.fn());
  }
  out += "}\n";
  return out;
}

bool WriteStateFile(const std::string& path) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out << StateJson();
  return static_cast<bool>(out);
}
