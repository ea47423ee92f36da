// How much of a game file is done, as the menu's summary room shows it: the
// fourteen levels of the world map, their three statues each and their
// secrets.
#pragma once

#include <string>

struct CompletionSummary {
  int levels = 0;   // finished map levels
  int statues = 0;  // statues found over all map levels
  int secrets = 0;  // secret boxes found
  int percent = 0;  // 0-100; 100 only when everything is found
};

// Counts the rows of the world map's levels in the level record table.
CompletionSummary ComputeCompletionSummary();

// The summary as the menu draws it ("#" breaks a line).
std::string CompletionSummaryText(int slot, const CompletionSummary& summary);
