// The main menu's buttons: squares on the menu level's floor that act when
// the hero bounces on them (volumes, the three save slots, resetting a slot).
#pragma once

#include <string>
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
};

extern std::vector<TMenuButton> MenuButtonList;
extern int PickedSlot;  // 0 none yet, 1-3
extern int LoadedSlot;  // 1-3

// The eight buttons of the menu level.
void BuildMenuButtons();
// Every button the hero's foot probe touches acts (once per physics sub-step).
void MenuButtonContacts();
void DoMenuAction(int action, int argument);
// Each button at its place, a slot toggle lit when its slot is picked.
void DrawMenuButtons();
