// The main menu's buttons: keys set into the menu level's floor that act when
// the hero bounces on them (volumes, the three save slots, wiping a slot).
#pragma once

#include <vector>

struct Image;

enum class MenuAction {
  MusicUp = 1,
  MusicDown = 2,
  SoundUp = 3,
  SoundDown = 4,
  PickSlot1 = 5,
  PickSlot2 = 6,
  PickSlot3 = 7,
  ResetSlot = 8,
};

struct TMenuButton {
  int x = 0, y = 0, width = 32, height = 32;  // world pixels
  int mode = 0;   // 0 plain, 1 slot toggle
  int value = 0;  // the slot a toggle stands for
  Image* image = nullptr;
  int frame = 0;
  int action = 0;
  int argument = 0;
  bool touched = false;  // the foot probe was on it in the last sub-step
  int pressedAt = -1;    // when it last acted (ms), for its pressed look
};

extern std::vector<TMenuButton> MenuButtonList;
extern int PickedSlot;  // 0 none yet, 1-3
extern int LoadedSlot;  // 0 until the slot door has loaded one, then 1-3

// The eight buttons of the menu level.
void BuildMenuButtons();
// A button acts once per bounce: when the hero's foot probe comes onto it,
// not again in the sub-steps it stays there.
void MenuButtonContacts();
void DoMenuAction(int action, int argument);
// Each button at its place, a slot toggle lit when its slot is picked, a
// button that has just acted pressed in.
void DrawMenuButtons();
