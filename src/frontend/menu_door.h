// The menu level's way into the game: the barrier that closes the slot door
// until a slot is picked, the door that loads the picked slot, the summary of
// the loaded slot, and the exit onto the world map.
#pragma once

#include <string>

#include "frontend/completion_summary.h"

// Fixed places of the menu level (world pixels: left, top, right, bottom).
constexpr int kSlotDoorBox[4] = {-768, 416, -736, 544};
constexpr int kWorldMapExitBox[4] = {-1568, 416, -1536, 544};
constexpr int kBarrierX = -768;
constexpr int kBarrierTopY = 416;
constexpr int kBarrierCells = 4;

extern bool BarrierUp;
// The loaded slot's summary, computed in the door; shown once known.
extern bool MenuSummaryKnown;
extern CompletionSummary MenuSummary;

// At the menu's start: the level has just been loaded without the barrier.
void StartMenuDoor();
// Once per menu frame, after the hero has moved: the door, the barrier and
// the exit (the exit sets GameState 2).
void MenuDoorStep();
// Wipes the loaded slot to a new game, in its file and in memory, so that
// the next save cannot bring the old progress back. False when no slot is
// loaded yet.
bool ResetLoadedSlot();
// The summary room's text, empty until a slot has been loaded.
std::string MenuSummaryText();
