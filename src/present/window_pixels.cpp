#include "present/window_pixels.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

bool X11Of(SDL_Window* window, Display** display, ::Window* xwindow) {
  if (!window) return false;
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return false;
  *display = info.info.x11.display;
  *xwindow = info.info.x11.window;
  return *display != nullptr;
}

// The shift that brings a channel mask's top bit to bit 7.
int ShiftFor(unsigned long mask) {
  int top = 0;
  for (int b = 0; b < 32; ++b)
    if (mask & (1ul << b)) top = b;
  return top - 7;
}

// A window that is not on the screen (minimized, say) has nothing to read,
// and the default handler would end the program over it.
int IgnoreXError(Display*, XErrorEvent*) { return 0; }

uint8_t Channel(unsigned long pixel, unsigned long mask, int shift) {
  unsigned long v = pixel & mask;
  return static_cast<uint8_t>(shift >= 0 ? v >> shift : v << -shift);
}

}  // namespace

bool WindowPixelsReadable(SDL_Window* window) {
  Display* display = nullptr;
  ::Window xwindow = 0;
  return X11Of(window, &display, &xwindow);
}

bool ReadWindowPixels(SDL_Window* window, int w, int h, std::vector<uint8_t>* rgba) {
  Display* display = nullptr;
  ::Window xwindow = 0;
  if (w <= 0 || h <= 0 || !X11Of(window, &display, &xwindow)) return false;
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(display, xwindow, &attributes) || attributes.map_state != IsViewable ||
      attributes.width < w || attributes.height < h)
    return false;
  int (*previous)(Display*, XErrorEvent*) = XSetErrorHandler(IgnoreXError);
  XImage* image = XGetImage(display, xwindow, 0, 0, static_cast<unsigned>(w),
                            static_cast<unsigned>(h), AllPlanes, ZPixmap);
  XSync(display, False);
  XSetErrorHandler(previous);
  if (!image) return false;
  int rs = ShiftFor(image->red_mask), gs = ShiftFor(image->green_mask),
      bs = ShiftFor(image->blue_mask);
  rgba->resize(static_cast<size_t>(w) * h * 4);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      unsigned long p = XGetPixel(image, x, y);
      uint8_t* d = &(*rgba)[(static_cast<size_t>(y) * w + x) * 4];
      d[0] = Channel(p, image->red_mask, rs);
      d[1] = Channel(p, image->green_mask, gs);
      d[2] = Channel(p, image->blue_mask, bs);
      d[3] = 255;
    }
  XDestroyImage(image);
  return true;
}
