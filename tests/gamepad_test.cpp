// Gamepad events press the bound keys: d-pad and stick share a direction, the
// stick has a dead zone with hysteresis, and a pulled pad lets go of all.
#include <gtest/gtest.h>

#include <SDL.h>

#include "present/gamepad.h"
#include "present/present.h"
#include "support/test_support.h"

namespace {

SDL_Event Axis(int axis, int value) {
  SDL_Event e{};
  e.type = SDL_CONTROLLERAXISMOTION;
  e.caxis.axis = static_cast<Uint8>(axis);
  e.caxis.value = static_cast<Sint16>(value);
  return e;
}

SDL_Event Button(int button, bool down) {
  SDL_Event e{};
  e.type = down ? SDL_CONTROLLERBUTTONDOWN : SDL_CONTROLLERBUTTONUP;
  e.cbutton.button = static_cast<Uint8>(button);
  return e;
}

TEST(GamepadTest, DirectionsAndButtonsPressTheBoundKeys) {
  test::TempDir dir;
  test::StartHeadless(dir.str());
  GamepadKeys keys;
  keys.left = 65;  // a player who steers with A and D
  keys.right = 68;
  SetGamepadKeys(keys);
  HandleGamepadEvent(Axis(SDL_CONTROLLER_AXIS_LEFTX, -20000));
  EXPECT_EQ(KeyHeld(65), 1);
  HandleGamepadEvent(Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true));
  HandleGamepadEvent(Axis(SDL_CONTROLLER_AXIS_LEFTX, -8000));  // inside the hysteresis: still held
  EXPECT_EQ(KeyHeld(65), 1);
  HandleGamepadEvent(Axis(SDL_CONTROLLER_AXIS_LEFTX, 0));
  EXPECT_EQ(KeyHeld(65), 1);  // the d-pad still holds it
  HandleGamepadEvent(Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, false));
  EXPECT_EQ(KeyHeld(65), 0);
  EXPECT_EQ(KeyHit(65), 1);  // one press for the whole hold
  HandleGamepadEvent(Axis(SDL_CONTROLLER_AXIS_LEFTX, 8000));  // below the press point
  EXPECT_EQ(KeyHeld(68), 0);

  HandleGamepadEvent(Button(SDL_CONTROLLER_BUTTON_A, true));
  HandleGamepadEvent(Button(SDL_CONTROLLER_BUTTON_START, true));
  HandleGamepadEvent(Button(SDL_CONTROLLER_BUTTON_B, true));
  EXPECT_EQ(KeyHit(83), 1);
  EXPECT_EQ(KeyHit(VK_ESCAPE), 1);
  EXPECT_EQ(KeyHit(VK_SPACE), 1);

  HandleGamepadEvent(Axis(SDL_CONTROLLER_AXIS_LEFTY, 30000));
  EXPECT_EQ(KeyHeld(VK_DOWN), 1);
  SDL_Event removed{};
  removed.type = SDL_CONTROLLERDEVICEREMOVED;
  removed.cdevice.which = 12345;
  HandleGamepadEvent(removed);
  EXPECT_EQ(KeyHeld(VK_DOWN), 0);
}

}  // namespace
