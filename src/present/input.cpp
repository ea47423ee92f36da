// Keyboard, typed characters and mouse: down flags and hit counters that the
// backends and the input script feed, and the game's queries read.
#include <deque>

#include "present/backend.h"
#include "present/present_internal.h"

namespace {

int g_down[256];
int g_hits[256];
std::deque<int> g_chars;
int g_mouseX = 0, g_mouseY = 0;
int g_mouseDown[8];
int g_mouseHits[8];

bool ValidKey(int key) { return key >= 1 && key <= 255; }
bool ValidButton(int b) { return b >= 1 && b < 8; }

}  // namespace

void InjectKey(int key, bool down) {
  if (!ValidKey(key)) return;
  if (key == VK_F12) {
    if (down) NoteScreenshotKey();
    return;
  }
  if (down) {
    g_down[key] = 1;
    ++g_hits[key];
  } else {
    g_down[key] = 0;
  }
}

void InjectChar(int c) {
  if (c <= 0 || c > 255) return;
  // A long-forgotten queue must not grow without bound.
  if (g_chars.size() < 1024) g_chars.push_back(c);
}

void InjectMouseMove(int x, int y) {
  g_mouseX = x;
  g_mouseY = y;
}

void InjectMouseButton(int button, bool down) {
  if (!ValidButton(button)) return;
  g_mouseDown[button] = down ? 1 : 0;
  if (down) ++g_mouseHits[button];
}

void PumpEvents() {
  if (!CurrentBackend().PumpEvents()) EndRun(0);  // the window was closed
}

int KeyHeld(int key) {
  PumpEvents();
  return ValidKey(key) ? g_down[key] : 0;
}

int KeyHit(int key) {
  PumpEvents();
  if (!ValidKey(key)) return 0;
  int n = g_hits[key];
  g_hits[key] = 0;
  return n;
}

void FlushKeys() {
  PumpEvents();
  for (int k = 0; k < 256; ++k) g_down[k] = g_hits[k] = 0;
  g_chars.clear();
}

void ResetInput() {
  for (int k = 0; k < 256; ++k) g_down[k] = g_hits[k] = 0;
  for (int b = 0; b < 8; ++b) g_mouseDown[b] = g_mouseHits[b] = 0;
  g_chars.clear();
  ResetFocus();
  ForgetScreenshotKey();
}

void ReleaseHeldKeys() {
  for (int k = 0; k < 256; ++k) g_down[k] = 0;
  for (int b = 0; b < 8; ++b) g_mouseDown[b] = 0;
}

int WaitKey() {
  FlushKeys();
  while (true) {
    PumpEvents();
    for (int k = 1; k < 256; ++k) {
      if (g_hits[k] > 0) {
        g_hits[k] = 0;
        // The character the key typed is part of this answer: left queued, a
        // prompt that reads characters next would take it as its own.
        g_chars.clear();
        return k;
      }
    }
    WaitFrame();
  }
}

int GetKey() {
  PumpEvents();
  if (g_chars.empty()) return 0;
  int c = g_chars.front();
  g_chars.pop_front();
  return c;
}

int WaitChar() {
  while (true) {
    int c = GetKey();
    if (c) return c;
    WaitFrame();
  }
}

int MouseX() {
  PumpEvents();
  return g_mouseX;
}
int MouseY() {
  PumpEvents();
  return g_mouseY;
}
int MouseHeld(int button) {
  PumpEvents();
  return ValidButton(button) ? g_mouseDown[button] : 0;
}
int MouseHit(int button) {
  PumpEvents();
  if (!ValidButton(button)) return 0;
  int n = g_mouseHits[button];
  g_mouseHits[button] = 0;
  return n;
}
