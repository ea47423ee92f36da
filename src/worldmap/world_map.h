// The world map (game state 2): the hub between levels. Arrow keys move the
// highlight along the links to unlocked levels, Space enters the level,
// Escape goes back to the main menu; the panel at the bottom shows the
// level's name, statues and best times.
#pragma once

#include <string>

// The routine of game state 2; returns once the state has changed.
void RunWorldMap();

// The panel's three best-time lines of the current node ("01:05:50").
extern std::string MapRecordText[3];
void FillMapRecordTexts();

// How the map is being left: to the menu, or into the current node's level.
enum class MapLeaving { ToMenu = 0, IntoLevel = 1 };
