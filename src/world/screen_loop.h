// The one loop every screen of the game runs in: the level, the menu level,
// the world map and the scenes are steps it calls once a frame.
//
// Each frame, in this order:
//   1. the input lock: InputLocked = 1 while the screen holds the keys;
//   2. the clear, then the screen's background;
//   3. the key snapshot (GatherKeys): every key flag of the frame is read
//      here, once, so nothing later in the frame can miss or repeat a hit;
//   4. the screen's step: its update and its drawing;
//   5. the fade-in, then the fade-out (FadeAlpha), black over everything;
//   6. Flip, which also ends the run when the --frames budget is spent;
// until the screen is done. The level's title card ends its step, so the
// level keeps its order: title card, fade-out, Flip.
//
// The fade-out is the shared FadeAlpha: anything that ends a screen (the
// pause menu, the hero's death, the level's end) starts it the same way.
#pragma once

// A black cover over the screen that lowers by `step` a frame down to 0.
struct ScreenFadeIn {
  float alpha = 0;
  float step = 0.05f;
};

class Screen {
 public:
  virtual ~Screen() = default;
  // Step 1: whether the keys belong to something else this frame (a message
  // box, the console). Returning false leaves the lock as it stands.
  virtual bool HoldsInput() const { return false; }
  // Step 2, after the clear.
  virtual void Background() {}
  // Step 4.
  virtual void Step() = 0;
  // Checked before every frame.
  virtual bool Running() const = 0;
  // FadeAlpha has passed 1: usually where the screen sets its next state.
  virtual void FadedOut() {}

  ScreenFadeIn fadeIn;
  float fadeOutStep = 0.05f;
};

void RunScreen(Screen& screen);

// Draws an 800 by 600 black cover at this alpha, in screen space.
void DrawBlackCover(float alpha);
