// Gamepads (SDL game controllers), hot-plugged at any time: the d-pad and the
// left stick press the four direction keys, and one button each presses the
// Attack key, Space and Escape. Which key codes those are is the game's to
// say (its key bindings), so rebinding the keyboard moves the pad with it.
#pragma once

union SDL_Event;

struct GamepadKeys {
  int up = 38, down = 40, left = 37, right = 39;
  int attack = 83, space = 32, escape = 27;
};
void SetGamepadKeys(const GamepadKeys& keys);

// Starts the controller subsystem and opens pads already plugged in.
void StartGamepads();
// Handles one SDL event; true when it was a gamepad event.
bool HandleGamepadEvent(const SDL_Event& e);
