// The continue question (game state 217): Left for no, Right for yes, Space
// to answer. Either way the lives are topped up to 5 and the game saved; no
// goes back to the main menu, yes to the world map.
#pragma once

// The answer given, while the scene runs and after it.
enum class ContinueChoice { No = 0, Yes = 1, None = 2 };

void RunContinuePrompt();
