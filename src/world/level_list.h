// The developer's level list: the ".doy" files of "Levels/" in a box; a click
// on a row plays that file, Escape ends the program.
#pragma once

#include <string>

constexpr int kLevelListSlots = 40;
// The rows that fit inside the box's inner frame; the other slots are
// reached by scrolling with Up and Down.
constexpr int kLevelListShownRows = 29;

// The box (x, y, width, height) and its rows of 16 pixels, the first row's
// top 24 pixels below the box's top.
struct LevelListBox {
  static constexpr int x = 56, y = 56, w = 400, h = 500;
  static constexpr int rowH = 16;
  static constexpr int firstRowY = y + 24;
};

// The kept entries from LevelListFirst on; slots with no entry are empty.
extern std::string LevelListSlot[kLevelListSlots];
extern int LevelListFirst;  // the kept entry in slot 0
extern int LevelListKept;   // level files in the folder

void FillLevelList();
// The slot a click at the frame position (mx, my) chooses, or -1 when it is
// not on a shown row.
int LevelListRowAt(int mx, int my);
// Shows the list until a row holding a file is clicked; returns its name.
std::string ChooseLevelFromFolder();
