#include "frame/game_loop.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

#include "entities/level_completion.h"
#include "world/assets.h"
#include "world/game_state.h"
#include "frame/hud.h"
#include "world/area.h"
#include "world/level_loader.h"
#include "world/level_reset.h"
#include "world/music.h"
#include "world/save_game.h"
#include "frame/screens.h"
#include "world/settings.h"
#include "present/present.h"
#include "present/state_dump.h"

extern char** environ;

namespace {

struct LevelRow {
  int id;
  const char* file;
};

constexpr LevelRow kLevels[] = {
    {LevelIds::ForestI, "lev_forest_1.doy"},     {LevelIds::GhostI, "lev_ghost_1.doy"},
    {LevelIds::ForestII, "lev_forest_2.doy"},    {LevelIds::DesertI, "lev_desert_1.doy"},
    {LevelIds::TempleI, "lev_temple_1.doy"},     {LevelIds::BeachI, "lev_beach_1.doy"},
    {LevelIds::OceanI, "lev_ocean_1.doy"},       {LevelIds::BeachII, "lev_beach_2.doy"},
    {LevelIds::VolcanoI, "lev_volcano_1.doy"},   {LevelIds::VolcanoII, "lev_volcano_2.doy"},
    {LevelIds::MountainI, "lev_mountain_1.doy"}, {LevelIds::AirI, "lev_air_1.doy"},
    {LevelIds::CastleI, "lev_castle_1.doy"},     {LevelIds::WierdI, "lev_wierd_1.doy"},
    {LevelIds::Tutorial, "lev_tut.doy"},         {LevelIds::Retro, "f_retro.doy"},
};

bool InTable(int row) { return row >= 0 && row <= 50; }

// How the last level that ended went, kept past its reset so a run can be
// checked from outside (the --state dump's "LastLevel").
struct LastLevelOutcome {
  std::string file;
  int exit = 0;
  int statues[3] = {0, 0, 0};
  int secret = 0;
  int ms = 0;
};
LastLevelOutcome g_lastLevel;
bool g_anyLevelEnded = false;

void RememberLastLevel(const std::string& file, int ms) {
  g_lastLevel.file = file;
  g_lastLevel.exit = LevelExitCode;
  for (int k = 0; k < 3; ++k) g_lastLevel.statues[k] = StatuesFound[k];
  g_lastLevel.secret = LevelSecretFound();
  g_lastLevel.ms = ms;
  g_anyLevelEnded = true;
}

std::string JsonText(const std::string& text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20 || c >= 0x7f) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", c);
      out += buf;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

std::string LastLevelJson() {
  if (!g_anyLevelEnded) return "null";
  const LastLevelOutcome& l = g_lastLevel;
  return "{\"file\": " + JsonText(l.file) + ", \"exit\": " + std::to_string(l.exit) + ", \"statues\": [" +
         std::to_string(l.statues[0]) + ", " + std::to_string(l.statues[1]) + ", " + std::to_string(l.statues[2]) +
         "], \"secret\": " + std::to_string(l.secret) + ", \"ms\": " + std::to_string(l.ms) + "}";
}

BOINGLE_STATE_JSON(LastLevel, LastLevelJson());

// The volume the game returns to (not a faded one) goes into the file.
void KeepSettings() {
  MusicVolume = MusicVolumeSetting;
  SaveSettings();
}

}  // namespace

LevelListFn ChooseLevelFromList = nullptr;

std::string LevelFileFor(int levelId) {
  if (levelId == LevelIds::CommandLine) return CommandLineLevel;
  for (const auto& row : kLevels)
    if (row.id == levelId) return row.file;
  return "";
}

int StateAfterLevel(int levelId) {
  if (levelId == LevelIds::ForestI) return Cut1Seen ? GameStateId::WorldMap : GameStateId::FirstCutscene;
  if (levelId > LevelIds::ForestI && levelId <= LevelIds::WierdI) return GameStateId::WorldMap;
  if (levelId == LevelIds::List) return GameStateId::Level;
  if (levelId == LevelIds::Tutorial) return GameStateId::TitleSplash;
  if (levelId == LevelIds::CommandLine) return GameStateId::Quit;
  if (levelId == LevelIds::Retro) return GameStateId::GardenIntro;
  return GameStateId::WorldMap;
}

void RunGame() {
  while (GameState != GameStateId::Quit) {
    KeepSettings();
    SaveSlot(CurrentSlot);
    if (ScreenRoutine routine = ScreenFor(GameState)) {
      routine();
    } else {
      std::cerr << "boingle: game state " << GameState << " has no screen; the game ends here\n";
      GameState = GameStateId::Quit;
    }
  }
  SaveSettings();
}

void RunLevelState() {
  PlayLevel(LevelId);
}

void RunLevelListState() {
  GameState = GameStateId::Level;
  LevelId = LevelIds::List;
}

void PlayLevel(int levelId) {
  LevelId = levelId;
  std::string file;
  if (levelId == LevelIds::List) {
    if (!ChooseLevelFromList) {
      ShowNoticesOnScreen({"The level list is not part of this game yet.", "", "Press any key."});
      GameState = GameStateId::Menu;
      return;
    }
    file = ChooseLevelFromList();
    if (file.empty()) {
      // No list to choose from: back to the menu rather than asking forever.
      GameState = GameStateId::Menu;
      return;
    }
  } else {
    file = LevelFileFor(levelId);
  }
  GameState = StateAfterLevel(levelId);
  int startMs = Millisecs();
  if (LoadLevel(file)) {
    RunLevelFrames();
  } else {
    // Nothing to play (a mistyped name, a level not made yet): say so and
    // leave as if through "Back to Worldmap" instead of an endless fall
    // through an empty level.
    ShowNoticesOnScreen({"There is no level file Levels/" + file + ".", "", "Press any key."});
    LevelExitCode = ExitCode::LeftLevel;
  }

  if (GameState == GameStateId::FirstCutscene && LevelExitCode != ExitCode::Completed)
    GameState = GameStateId::WorldMap;
  auto recordOutcome = [&](bool unlock) {
    if (!InTable(LevelIndex)) return;
    LevelRecord[LevelIndex][Record::Completed] = 1;
    if (unlock) {
      if ((AreaIndex == Area::Temple || AreaIndex == Area::Volcano || AreaIndex == Area::Air) &&
          InTable(LevelIndex + 2))
        LevelRecord[LevelIndex + 2][Record::Unlocked] = 1;
      if (InTable(LevelIndex + 1)) LevelRecord[LevelIndex + 1][Record::Unlocked] = 1;
    }
    for (int k = 0; k < 3; ++k) LevelRecord[LevelIndex][Record::Statue1 + k] = StatuesFound[k];
    LevelRecord[LevelIndex][Record::SecretFound] = LevelSecretFound();
  };
  if (LevelExitCode == ExitCode::Completed && file != "lev_tut.doy" && LevelIndex < 15) recordOutcome(true);
  if (LevelExitCode == ExitCode::Died) {
    --Lives;
    if (Lives <= 0) GameState = GameStateId::GameOver;
  }
  if (LevelExitCode == ExitCode::Warp) recordOutcome(false);
  RememberLastLevel(file, Millisecs() - startMs);
  ResetLevel();
  if (levelId == LevelIds::CommandLine) {
    // The program ends here, not in the game loop: keep what the player set
    // during the level.
    KeepSettings();
    CloseGraphics();
    HandBackToEditor();
    EndRun(0);
  }
}

void HandBackToEditor() {
  std::string file = UserFile(kEditorBatchFile);
  DeleteFile(file);
  File* f = WriteFile(file);
  bool written = f != nullptr;
  if (f) {
    WriteLine(f, "quonitor.exe " + CommandLineLevel);
    written = FlushFile(f);
    CloseFile(f);
  }
  if (!written) {
    std::cout << "Could not write " << file << " for the level editor\n";
    return;
  }
  if (Options.headless) return;
  std::string path = file;
  char verb[] = "xdg-open";
  std::vector<char> arg(path.begin(), path.end());
  arg.push_back('\0');
  char* argv[] = {verb, arg.data(), nullptr};
  pid_t pid;
  if (posix_spawnp(&pid, "xdg-open", nullptr, nullptr, argv, environ) != 0) {
    std::cout << "No desktop handler (xdg-open) to open " << kEditorBatchFile << "; it is written to " << path
              << "\n";
    return;
  }
  int status = 0;
  waitpid(pid, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
    std::cout << "The desktop could not open " << kEditorBatchFile << "\n";
}
