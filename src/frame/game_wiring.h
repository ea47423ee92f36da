// Where the game's layers meet. The level world and the hero sit below the
// objects, enemies and screens, so they reach up only through tables: the
// creators of the object kinds, the hero's hooks into the objects, and a few
// single questions (is the tally muting effects, is there water here). This
// file fills every one of them, in one place, at start-up.
#pragma once

#include <string>
#include <vector>

// Fills the tables; run once before anything loads a level. Safe to repeat.
void WireGame();
// What the tables still lack, one line each (empty when all is wired).
std::vector<std::string> MissingWiring();
