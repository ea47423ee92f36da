// SDL keys onto the virtual-key codes the game's settings file stores, so a
// binding saved as 65 is the A key on every platform.
#pragma once

#include <SDL.h>

// The virtual-key code of a key, 0 for keys the game has no code for. Letters
// follow the keyboard layout (the key that types A is 65); every other key
// counts by its position.
int VirtualKeyFromSdl(SDL_Scancode scancode, SDL_Keycode keycode);

// The character a key types by itself (Enter, Backspace, Tab, Escape), as a
// classic character reader sees them; 0 for keys whose text comes as text.
int ControlCharFromSdl(SDL_Scancode scancode);

// The side-specific modifier keys (160-165) also drive their shared codes
// (16 shift, 17 control, 18 alt), which stay down while either side is held.
class ModifierPairs {
 public:
  // The shared code that changes with this key event (0 when none does): it
  // goes down with the first of the pair and up with the last.
  int SharedChange(int vk, bool down);
  void Reset();

 private:
  bool down_[6] = {};
};
