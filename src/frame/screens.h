// The routines of the game states. Each screen registers its routine for its
// state number; a state whose screen is not built yet runs a plain stand-in
// loop, so scripts and frame budgets still work and the game can go on.
#pragma once

using ScreenRoutine = void (*)();

int RegisterScreen(int gameState, ScreenRoutine routine);
ScreenRoutine ScreenFor(int gameState);

// The stand-in: names the screen, leaves with Space or Escape for the state
// that screen would lead to.
void RunPlaceholderScreen(int gameState);

#define BOINGLE_SCREEN(state, routine) \
  static const int boingle_screen_##routine = RegisterScreen(state, &routine)
