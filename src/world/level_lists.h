// AllLists: every per-level list of the game registers how to empty itself,
// so the level reset can clear them all without knowing each one. The entity
// lists (LevelObjects, DrawList, TriggerList, ...) and the tile-map lists join
// it the same way.
#pragma once

using ListClearFn = void (*)();

// Which clears also run when a level is unloaded, before the reset: the
// loader empties the object list first, so nothing of the old level acts
// while the new one is read.
enum class ListRole { PerLevel, LevelObjects };

// Returns a value so a list can register itself from a static initialiser:
//   static const int kJoined = RegisterLevelList(&ClearSprings);
int RegisterLevelList(ListClearFn clear, ListRole role = ListRole::PerLevel);

// Clears every registered list, in registration order.
void ClearAllLists();
// Clears the lists registered as ListRole::LevelObjects.
void ClearLevelObjects();
