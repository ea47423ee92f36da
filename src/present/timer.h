// Timers: every wait of the game is "more than its length in milliseconds
// has passed since its stamp", measured on the game clock (the virtual clock
// in headless runs).
#pragma once

#include "present/present.h"

// More than `length` ms lie between `stamp` and `now`.
inline bool MsPassed(int stamp, int length, int now) { return now - stamp > length; }
inline bool MsPassed(int stamp, int length) { return MsPassed(stamp, length, Millisecs()); }

// A stamp with its length, for waits that belong to one object.
struct Timer {
  int stamp = 0;
  int length = 0;
  // Starts the wait now (with a new length, or the one it has).
  void Start(int ms) {
    length = ms;
    stamp = Millisecs();
  }
  void Restart() { stamp = Millisecs(); }
  bool Passed() const { return MsPassed(stamp, length); }
  bool Passed(int now) const { return MsPassed(stamp, length, now); }
};
