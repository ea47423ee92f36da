// The routine of every game state: one table, so that a reader sees every
// screen of the game in one place and a state without a routine is named
// when the game meets it instead of doing nothing.
#pragma once

using ScreenRoutine = void (*)();

// The routine of a game state, or null when there is none.
ScreenRoutine ScreenFor(int gameState);
const char* ScreenName(int gameState);
