// Shared drawing tools of the picture stage: canvases, strips laid out the way
// the game cuts them, the catalogue's sizes, and a few shape helpers for the
// house style (bold shapes, 2-pixel dark outline, one highlight, one shadow).
#pragma once

#include <cairo.h>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "forge.h"

namespace forge::art {

struct Rgb {
  double r, g, b;
};
constexpr Rgb Hex(uint32_t v) {
  return {((v >> 16) & 255) / 255.0, ((v >> 8) & 255) / 255.0, (v & 255) / 255.0};
}
Rgb Mix(Rgb a, Rgb b, double t);  // t = 0 gives a
Rgb Lighter(Rgb c, double t);     // towards white
Rgb Darker(Rgb c, double t);      // towards black
void SetRgb(cairo_t* cr, Rgb c, double alpha = 1.0);

// An ARGB32 canvas, cleared to transparent.
class Canvas {
 public:
  Canvas(int width, int height);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  cairo_t* cr() const { return cr_; }
  cairo_surface_t* surface() const { return surface_; }
  int width() const { return width_; }
  int height() const { return height_; }
  // Encodes as PNG and writes it under the game path (only if changed).
  void Save(const Context& ctx, std::string_view gamePath) const;
  std::string EncodePng() const;

 private:
  int width_, height_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

// The catalogue's row for a path (asset_table.h), or nullptr.
struct ImageSpec {
  const char* name;
  const char* path;
  int cellW, cellH, frames;
  int handleX, handleY;  // HANDLE_CENTRE (-1) for the centre
};
const ImageSpec* FindImage(std::string_view gamePath);
// Same, but stops the forge when the path is not catalogued.
const ImageSpec& ImageOf(std::string_view gamePath);

// Columns a strip sheet uses: as many cells per row as fit in 2048 pixels.
int StripColumns(int cellW, int frames);

// Draws an animation strip: drawCell is called once per frame with the
// context translated to the cell's top-left corner and clipped to it.
using CellFn = std::function<void(cairo_t* cr, int frame)>;
void DrawStrip(const Context& ctx, std::string_view gamePath, int cellW, int cellH, int frames,
               const CellFn& drawCell);
// Draws a catalogued picture: a strip with the table's cells, or a plain
// picture of the table's size (drawCell gets frame 0).
void DrawCatalogued(const Context& ctx, std::string_view gamePath, const CellFn& drawCell);

// Shape helpers. Each builds a path; FillOutline fills and strokes it.
void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry);
void RoundRect(cairo_t* cr, double x, double y, double w, double h, double r);
// Fills the current path with a vertical gradient from top to bottom colour,
// then strokes it with the outline colour (width in pixels).
void FillOutline(cairo_t* cr, Rgb fill, Rgb outline, double width = 2.0);
void FillGradientOutline(cairo_t* cr, double y0, Rgb top, double y1, Rgb bottom, Rgb outline,
                         double width = 2.0);
// A soft highlight ellipse (upper left light) in white at the given alpha.
void Highlight(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha = 0.35);

}  // namespace forge::art
