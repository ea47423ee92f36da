// Window focus. A player who clicks into another window has left the game
// for a moment: the level pauses (the frame loop asks TakeFocusLoss) and the
// sound holds where it is until the window has the focus again.
#include "present/mixer.h"
#include "present/present_internal.h"

namespace {

bool g_focused = true;
int g_losses = 0;

}  // namespace

void InjectFocus(bool focused) {
  if (focused == g_focused) return;
  g_focused = focused;
  if (!focused) {
    ++g_losses;
    ReleaseHeldKeys();
  }
  TheMixer().SetHeld(!focused);
}

bool WindowFocused() {
  return g_focused;
}

bool TakeFocusLoss() {
  bool lost = g_losses > 0;
  g_losses = 0;
  return lost;
}

void ResetFocus() {
  g_focused = true;
  g_losses = 0;
  TheMixer().SetHeld(false);
}
