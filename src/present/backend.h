// What a drawing backend must do. The common layer (draw.cpp) turns every
// draw call into screen-space quads with the full drawing state applied; a
// backend only stores textures, fills quads and shows frames.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "present/present.h"

struct QuadVertex {
  float x, y;  // screen pixels of the 800 by 600 frame
  float u, v;  // texel coordinates in the image's sheet (pixels, not 0..1)
};

class Backend {
 public:
  virtual ~Backend() = default;

  virtual const char* Name() const = 0;
  virtual void SetTitle(const std::string& title) = 0;
  // depth 0: a window of that client size; otherwise full screen.
  virtual bool OpenGraphics(int width, int height, bool fullscreen) = 0;
  virtual void CloseGraphics() = 0;
  virtual int DesktopWidth() = 0;
  virtual int DesktopHeight() = 0;
  virtual int DesktopDepth() = 0;
  virtual void ShowPointer(bool show) = 0;
  virtual void MovePointer(int x, int y) = 0;

  // The image's pixels are final (loaded or created); upload them once.
  virtual void UploadImage(Image& img) = 0;
  virtual void ReleaseImage(Image& img) = 0;

  // One quad, corners clockwise from the top-left of the source rectangle.
  // img == nullptr fills with the colour alone. rgba is straight alpha.
  virtual void Quad(const Image* img, const QuadVertex v[4], uint8_t r, uint8_t g, uint8_t b,
                    float alpha, int blend) = 0;
  virtual void SetViewport(int x, int y, int w, int h) = 0;  // w or h 0: whole frame
  virtual void Clear(uint8_t r, uint8_t g, uint8_t b) = 0;
  // Copies the frame's pixels at (x, y) into the image's cell.
  virtual void Grab(Image& img, int frame, int x, int y) = 0;
  // Shows the frame (letterboxed into the window). sync: wait for the retrace.
  virtual void Present(bool sync) = 0;
  // Shows the last frame again without any new drawing.
  virtual void PresentAgain() = 0;
  virtual bool Screenshot(const std::string& pngPath) = 0;
  // Feeds window events to the input layer (InjectKey ...). Returns false when
  // the window was closed by the user.
  virtual bool PumpEvents() = 0;
  // True when Present already waits for a 60 Hz retrace (no limiter needed).
  virtual bool PacedByDisplay() const = 0;
};

std::unique_ptr<Backend> MakeHeadlessBackend();
std::unique_ptr<Backend> MakeGLBackend();  // nullptr when SDL video cannot start

Backend& CurrentBackend();
