#include "frontend/menu_door.h"

#include "frontend/menu_buttons.h"
#include "world/game_state.h"
#include "world/player_state.h"
#include "world/save_game.h"
#include "world/tile_map.h"

bool BarrierUp = false;
bool MenuSummaryKnown = false;
CompletionSummary MenuSummary;

namespace {

bool BodyOn(const int box[4]) {
  return BoxesOverlap(BodyBox.left, BodyBox.top, BodyBox.right, BodyBox.bottom, static_cast<float>(box[0]),
                      static_cast<float>(box[1]), static_cast<float>(box[2]), static_cast<float>(box[3])) != 0;
}

void RaiseBarrier() {
  for (int k = 0; k < kBarrierCells; ++k)
    AddCollisionBlock(kBarrierX, kBarrierTopY + k * kTileSize, static_cast<int>(BlockKind::Solid));
  BarrierUp = true;
}

void LowerBarrier() {
  for (int k = 0; k < kBarrierCells; ++k) RemoveCollisionBlock(kBarrierX, kBarrierTopY + k * kTileSize);
  BarrierUp = false;
}

// A slot taken up in the door. Rows the file does not hold (a damaged file)
// start as a new game's rather than keeping the slot that was loaded before,
// and a file that cannot be read at all gives a new game.
void LoadPickedSlot() {
  LoadedSlot = PickedSlot;
  SetNewGameProgress();
  LoadSlot(LoadedSlot);
  SelectSlot(LoadedSlot);
}

}  // namespace

void StartMenuDoor() {
  // The level file has no barrier blocks: the first frame raises it when no
  // slot is picked, and a menu entered again with a slot picked stays open.
  BarrierUp = false;
}

void MenuDoorStep() {
  bool inDoor = BodyOn(kSlotDoorBox);
  if (inDoor && PickedSlot != LoadedSlot) LoadPickedSlot();
  if (inDoor) {
    MenuSummary = ComputeCompletionSummary();
    MenuSummaryKnown = true;
  }
  if (PickedSlot != 0 && BarrierUp) LowerBarrier();
  if (PickedSlot == 0 && !BarrierUp) RaiseBarrier();
  // Escape's fade to quit is not overtaken by a last bounce into the exit.
  if (BodyOn(kWorldMapExitBox) && FadeAlpha == 0) GameState = GameStateId::WorldMap;
}

bool ResetLoadedSlot() {
  if (LoadedSlot == 0) return false;
  NewSlot(LoadedSlot);
  SetNewGameProgress();
  LoadSlot(LoadedSlot);
  MenuSummary = ComputeCompletionSummary();
  MenuSummaryKnown = true;
  return true;
}

std::string MenuSummaryText() {
  if (!MenuSummaryKnown || LoadedSlot == 0) return "";
  return CompletionSummaryText(LoadedSlot, MenuSummary);
}

#include "present/state_dump.h"
BOINGLE_STATE_VALUE(PickedSlot, PickedSlot);
BOINGLE_STATE_VALUE(LoadedSlot, LoadedSlot);
BOINGLE_STATE_VALUE(BarrierUp, BarrierUp);
