#include "frame/screens.h"

#include "frame/game_loop.h"
#include "frontend/continue_prompt.h"
#include "frontend/course_logo.h"
#include "frontend/credits.h"
#include "frontend/game_over.h"
#include "frontend/menu_level.h"
#include "frontend/new_world.h"
#include "frontend/retro_teaser.h"
#include "frontend/to_be_continued.h"
#include "frontend/tv_channels.h"
#include "frontend/villains.h"
#include "frontend/waking_up.h"
#include "world/game_state.h"
#include "worldmap/world_map.h"

namespace {

struct ScreenRow {
  int state;
  const char* name;
  ScreenRoutine routine;
};

// Every game state and its routine.
const ScreenRow kScreens[] = {
    {GameStateId::Menu, "Main menu", &RunMenu},
    {GameStateId::WorldMap, "World map", &RunWorldMap},
    {GameStateId::Level, "Level", &RunLevelState},
    {GameStateId::LevelList, "Level list", &RunLevelListState},
    {GameStateId::Credits, "Credits", &RunCredits},
    {GameStateId::TitleSplash, "Title splash", &RunCourseLogo},
    {GameStateId::TvIntro, "TV intro", &RunTvChannels},
    {GameStateId::RetroIntro, "Retro intro", &RunRetroTeaser},
    {GameStateId::GardenIntro, "Waking up", &RunWakingUp},
    {GameStateId::NewWorldIntro, "The new world", &RunNewWorld},
    {GameStateId::FirstCutscene, "The villains", &RunVillains},
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
