// What a window shows on the screen, read back from the display server: the
// one copy of the shown picture when it was drawn straight into the window
// and the back buffer has been drawn on since.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <vector>

// Whether ReadWindowPixels can work for this window (an X11 window).
bool WindowPixelsReadable(SDL_Window* window);

// The top left w by h pixels of the window as RGBA, top row first, alpha 255.
bool ReadWindowPixels(SDL_Window* window, int w, int h, std::vector<uint8_t>* rgba);
