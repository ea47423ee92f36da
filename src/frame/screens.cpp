#include "frame/screens.h"

#include <string>

#include "world/assets.h"
#include "world/game_state.h"
#include "frame/game_loop.h"
#include "frontend/course_logo.h"
#include "frontend/menu_level.h"
#include "worldmap/world_map.h"
#include "frontend/new_world.h"
#include "frontend/retro_teaser.h"
#include "frontend/tv_channels.h"
#include "frontend/villains.h"
#include "frontend/waking_up.h"
#include "world/progress.h"
#include "world/save_game.h"
#include "world/settings.h"
#include "present/present.h"

namespace {

// Where a stand-in screen leads when it is left with Space (`escape` false) or
// Escape, with the entry effects the real screen would have.
void LeaveScreen(int state, bool escape) {
  switch (state) {
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
    {GameStateId::WorldMap, "World map", &RunWorldMap},
    {GameStateId::Level, "Level", &RunLevelState},
    {GameStateId::LevelList, "Level list", &RunLevelListState},
    {GameStateId::Credits, "Credits", &StandIn<GameStateId::Credits>},
    {GameStateId::TitleSplash, "Title splash", &RunCourseLogo},
    {GameStateId::TvIntro, "TV intro", &RunTvChannels},
    {GameStateId::RetroIntro, "Retro intro", &RunRetroTeaser},
    {GameStateId::GardenIntro, "Waking up", &RunWakingUp},
    {GameStateId::NewWorldIntro, "The new world", &RunNewWorld},
    {GameStateId::FirstCutscene, "The villains", &RunVillains},
    {GameStateId::ToBeContinued, "To be Continued...", &StandIn<GameStateId::ToBeContinued>},
    {GameStateId::GameOver, "Game over", &StandIn<GameStateId::GameOver>},
    {GameStateId::Continue, "Continue?", &StandIn<GameStateId::Continue>},
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
  InputLocked = 0;
  while (true) {
    GatherKeys();
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
    if (state == GameStateId::Continue) {
      DrawText("Space: continue with 5 lives, Escape: main menu", 40, 560);
    } else {
      DrawText("(this screen is still being made) Space or Escape goes on", 40, 560);
    }
    Flip(1);
    if (space || escape) {
      LeaveScreen(state, escape && !space);
      return;
    }
  }
}
