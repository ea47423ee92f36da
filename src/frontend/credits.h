// The credits (game state 201): the thanks over rising stars until Escape;
// then the game is saved and the program ends.
#pragma once

void RunCredits();
