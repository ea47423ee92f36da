#include "present/gamepad.h"

#include <SDL.h>

#include <map>

#include "present/present.h"

namespace {

GamepadKeys g_keys;
std::map<SDL_JoystickID, SDL_GameController*> g_pads;

// The stick counts as pressed past a third of its travel, released below a
// sixth, so a resting stick that drifts does not chatter.
constexpr int kPressAt = 11000;
constexpr int kReleaseAt = 5500;

enum Direction { kUp, kDown, kLeft, kRight, kDirections };
bool g_stick[kDirections];
bool g_dpad[kDirections];

int KeyFor(int d) {
  switch (d) {
    case kUp: return g_keys.up;
    case kDown: return g_keys.down;
    case kLeft: return g_keys.left;
    default: return g_keys.right;
  }
}

void SetDirection(bool* table, int d, bool on) {
  if (table[d] == on) return;
  bool before = g_stick[d] || g_dpad[d];
  table[d] = on;
  bool after = g_stick[d] || g_dpad[d];
  if (before != after) InjectKey(KeyFor(d), after);
}

void Open(int index) {
  if (!SDL_IsGameController(index)) return;
  SDL_GameController* pad = SDL_GameControllerOpen(index);
  if (!pad) return;
  g_pads[SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad))] = pad;
}

void Axis(int axis, int value) {
  auto apply = [&](int negative, int positive) {
    bool negOn = g_stick[negative] ? value < -kReleaseAt : value < -kPressAt;
    bool posOn = g_stick[positive] ? value > kReleaseAt : value > kPressAt;
    SetDirection(g_stick, negative, negOn);
    SetDirection(g_stick, positive, posOn);
  };
  if (axis == SDL_CONTROLLER_AXIS_LEFTX) apply(kLeft, kRight);
  if (axis == SDL_CONTROLLER_AXIS_LEFTY) apply(kUp, kDown);
}

void Button(int button, bool down) {
  switch (button) {
    case SDL_CONTROLLER_BUTTON_DPAD_UP: SetDirection(g_dpad, kUp, down); break;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN: SetDirection(g_dpad, kDown, down); break;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT: SetDirection(g_dpad, kLeft, down); break;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: SetDirection(g_dpad, kRight, down); break;
    case SDL_CONTROLLER_BUTTON_A:
    case SDL_CONTROLLER_BUTTON_X: InjectKey(g_keys.attack, down); break;
    case SDL_CONTROLLER_BUTTON_B:
    case SDL_CONTROLLER_BUTTON_Y: InjectKey(g_keys.space, down); break;
    case SDL_CONTROLLER_BUTTON_START:
    case SDL_CONTROLLER_BUTTON_BACK:
      InjectKey(g_keys.escape, down);
      if (down) InjectChar(27);
      break;
    default: break;
  }
}

}  // namespace

void SetGamepadKeys(const GamepadKeys& keys) {
  // A binding changed while a direction is held: let go of the old key.
  for (int d = 0; d < kDirections; ++d)
    if ((g_stick[d] || g_dpad[d]) && KeyFor(d) != (d == kUp ? keys.up : d == kDown ? keys.down
                                                     : d == kLeft ? keys.left : keys.right)) {
      InjectKey(KeyFor(d), false);
      g_stick[d] = g_dpad[d] = false;
    }
  g_keys = keys;
}

void StartGamepads() {
  if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) return;
  for (int i = 0; i < SDL_NumJoysticks(); ++i) Open(i);
}

bool HandleGamepadEvent(const SDL_Event& e) {
  switch (e.type) {
    case SDL_CONTROLLERDEVICEADDED:
      if (!g_pads.count(SDL_JoystickGetDeviceInstanceID(e.cdevice.which))) Open(e.cdevice.which);
      return true;
    case SDL_CONTROLLERDEVICEREMOVED: {
      auto it = g_pads.find(e.cdevice.which);
      if (it != g_pads.end()) {
        SDL_GameControllerClose(it->second);
        g_pads.erase(it);
      }
      // A pad pulled out mid-press must not leave the hero steering.
      for (int d = 0; d < kDirections; ++d) {
        SetDirection(g_stick, d, false);
        SetDirection(g_dpad, d, false);
      }
      return true;
    }
    case SDL_CONTROLLERAXISMOTION: Axis(e.caxis.axis, e.caxis.value); return true;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
      Button(e.cbutton.button, e.type == SDL_CONTROLLERBUTTONDOWN);
      return true;
    default: return false;
  }
}
