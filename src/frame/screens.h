// The routine of every game state: one table, so that a reader sees every
// screen of the game in one place and a state without a routine is named
// when the game meets it instead of doing nothing.
#pragma once

using ScreenRoutine = void (*)();

// The routine of a game state, or null when there is none.
ScreenRoutine ScreenFor(int gameState);
const char* ScreenName(int gameState);

// The stand-in of a screen not built yet: it names the screen and leaves with
// Space or Escape for the state that screen would lead to.
void RunPlaceholderScreen(int gameState);
