// Where the game's fixed-size frame sits inside a window of any size: as large
// as fits with its shape kept, centred, with black bars on the spare sides.
#pragma once

#include <algorithm>
#include <cmath>

struct Letterbox {
  int x = 0, y = 0, w = 0, h = 0;  // in window units, y down

  static Letterbox Fit(int frameW, int frameH, int outW, int outH) {
    Letterbox b;
    if (frameW <= 0 || frameH <= 0 || outW <= 0 || outH <= 0) return b;
    // Compare in integers so a window of exactly the frame's shape fills it
    // without a stray one-pixel bar.
    if (static_cast<long>(outW) * frameH <= static_cast<long>(outH) * frameW) {
      b.w = outW;
      b.h = static_cast<int>(static_cast<long>(outW) * frameH / frameW);
    } else {
      b.h = outH;
      b.w = static_cast<int>(static_cast<long>(outH) * frameW / frameH);
    }
    b.x = (outW - b.w) / 2;
    b.y = (outH - b.h) / 2;
    return b;
  }

  // A window position to frame pixels, clamped onto the frame (the pointer on
  // a bar is at the frame's edge).
  void ToFrame(int frameW, int frameH, int wx, int wy, int* fx, int* fy) const {
    if (w <= 0 || h <= 0) {
      *fx = *fy = 0;
      return;
    }
    int x = static_cast<int>(std::floor((wx - this->x + 0.5) * frameW / w));
    int yy = static_cast<int>(std::floor((wy - this->y + 0.5) * frameH / h));
    *fx = std::clamp(x, 0, frameW - 1);
    *fy = std::clamp(yy, 0, frameH - 1);
  }

  // The window position at the centre of a frame pixel.
  void ToWindow(int frameW, int frameH, int fx, int fy, int* wx, int* wy) const {
    if (frameW <= 0 || frameH <= 0) {
      *wx = *wy = 0;
      return;
    }
    *wx = x + static_cast<int>(std::floor((fx + 0.5) * w / frameW));
    *wy = y + static_cast<int>(std::floor((fy + 0.5) * h / frameH));
  }
};
