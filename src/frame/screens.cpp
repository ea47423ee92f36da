#include "frame/screens.h"

#include <string>

#include "world/assets.h"
#include "world/game_state.h"
#include "frame/game_loop.h"
#include "frontend/continue_prompt.h"
#include "frontend/credits.h"
#include "frontend/game_over.h"
#include "frontend/menu_level.h"
#include "frontend/to_be_continued.h"
#include "world/progress.h"
#include "world/save_game.h"
#include "world/settings.h"
#include "present/present.h"

namespace {

// The levels of the world map, for the stand-in map's list.
const char* const kMapLevels[14] = {"Forest I", "Ghost I", "Forest II", "Desert I", "Temple I",
                                    "Beach I",  "Ocean I", "Beach II",  "Volcano I", "Volcano II",
                                    "Mountain I", "Air I", "Castle I",  "Wierd I"};

// Where a stand-in screen leads when it is left with Space (`escape` false) or
// Escape, with the entry effects the real screen would have.
void LeaveScreen(int state, bool escape, int mapChoice) {
  switch (state) {
    case GameStateId::WorldMap:
      if (escape) {
        GameState = GameStateId::Menu;
      } else {
        LevelIndex = mapChoice + 1;
        LevelId = kMapLevelBase + LevelIndex;
        GameState = GameStateId::Level;
      }
      break;
    case GameStateId::Credits:
      SaveSlot(CurrentSlot);
      GameState = GameStateId::Quit;
      break;
    case GameStateId::TitleSplash: GameState = GameStateId::Menu; break;
    case GameStateId::TvIntro: GameState = GameStateId::RetroIntro; break;
    case GameStateId::RetroIntro:
      GameState = GameStateId::Level;
      LevelId = LevelIds::Retro;
      break;
    case GameStateId::GardenIntro: GameState = GameStateId::NewWorldIntro; break;
    case GameStateId::NewWorldIntro:
      IntroSeen = 1;
      GameState = GameStateId::Level;
      LevelId = LevelIds::Tutorial;
      break;
    case GameStateId::FirstCutscene: GameState = GameStateId::WorldMap; break;
    case GameStateId::ToBeContinued: GameState = GameStateId::Credits; break;
    case GameStateId::GameOver: GameState = GameStateId::Continue; break;
    case GameStateId::Continue:
      if (escape) {
        GameState = GameStateId::Menu;
      } else {
        Lives = 5;
        GameState = GameStateId::WorldMap;
      }
      break;
    default: GameState = GameStateId::Menu; break;
  }
}

template <int State>
void StandIn() {
  RunPlaceholderScreen(State);
}

struct ScreenRow {
  int state;
  const char* name;
  ScreenRoutine routine;
};

// Every game state and its routine. The stand-ins go as their screens land.
const ScreenRow kScreens[] = {
    {GameStateId::Menu, "Main menu", &RunMenu},
    {GameStateId::WorldMap, "World map", &StandIn<GameStateId::WorldMap>},
    {GameStateId::Level, "Level", &RunLevelState},
    {GameStateId::LevelList, "Level list", &RunLevelListState},
    {GameStateId::Credits, "Credits", &RunCredits},
    {GameStateId::TitleSplash, "Title splash", &StandIn<GameStateId::TitleSplash>},
    {GameStateId::TvIntro, "TV intro", &StandIn<GameStateId::TvIntro>},
    {GameStateId::RetroIntro, "Retro intro", &StandIn<GameStateId::RetroIntro>},
    {GameStateId::GardenIntro, "Waking up", &StandIn<GameStateId::GardenIntro>},
    {GameStateId::NewWorldIntro, "The new world", &StandIn<GameStateId::NewWorldIntro>},
    {GameStateId::FirstCutscene, "The villains", &StandIn<GameStateId::FirstCutscene>},
    {GameStateId::ToBeContinued, "To be Continued...", &RunToBeContinued},
    {GameStateId::GameOver, "Game over", &RunGameOver},
    {GameStateId::Continue, "Continue?", &RunContinuePrompt},
};


}  // namespace

ScreenRoutine ScreenFor(int gameState) {
  for (const ScreenRow& row : kScreens)
    if (row.state == gameState) return row.routine;
  return nullptr;
}

const char* ScreenName(int gameState) {
  for (const ScreenRow& row : kScreens)
    if (row.state == gameState) return row.name;
  return "unknown screen";
}

void RunPlaceholderScreen(int state) {
  if (state == GameStateId::FirstCutscene) Cut1Seen = 1;
  int choice = 0;
  InputLocked = 0;
  while (true) {
    GatherKeys();
    if (state == GameStateId::WorldMap) {
      if (UpHit || LeftHit) choice = (choice + 13) % 14;
      if (DownHit || RightHit) choice = (choice + 1) % 14;
    }
    bool space = SpaceHit > 0, escape = EscapeHit > 0;
    Cls();
    SetBlend(BLEND_ALPHA);
    SetAlpha(1);
    SetScale(1, 1);
    SetRotation(0);
    SetColor(255, 255, 255);
    SetImageFont(FontLarge);
    DrawText(ScreenName(state), 40, 40);
    SetImageFont(FontSmall);
    if (state == GameStateId::WorldMap) {
      for (int i = 0; i < 14; ++i) {
        SetColor(i == choice ? 255 : 160, i == choice ? 220 : 160, i == choice ? 80 : 160);
        DrawText(std::string(i == choice ? "> " : "  ") + kMapLevels[i], 60, 100.0f + 22 * i);
      }
      SetColor(255, 255, 255);
      DrawText("Up/Down choose, Space plays, Escape to the menu", 40, 560);
    } else if (state == GameStateId::Continue) {
      DrawText("Space: continue with 5 lives, Escape: main menu", 40, 560);
    } else {
      DrawText("(this screen is still being made) Space or Escape goes on", 40, 560);
    }
    Flip(1);
    if (space || escape) {
      LeaveScreen(state, escape && !space, choice);
      return;
    }
  }
}
