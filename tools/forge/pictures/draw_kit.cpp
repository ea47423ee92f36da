#include "pictures/draw_kit.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "world/asset_table.h"

namespace forge::art {

Rgb Mix(Rgb a, Rgb b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
Rgb Lighter(Rgb c, double t) { return Mix(c, {1, 1, 1}, t); }
Rgb Darker(Rgb c, double t) { return Mix(c, {0, 0, 0}, t); }
void SetRgb(cairo_t* cr, Rgb c, double alpha) { cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha); }

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {
  cairo_set_operator(cr_, CAIRO_OPERATOR_CLEAR);
  cairo_paint(cr_);
  cairo_set_operator(cr_, CAIRO_OPERATOR_OVER);
}

Canvas::~Canvas() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

static cairo_status_t AppendBytes(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

std::string Canvas::EncodePng() const {
  cairo_surface_flush(surface_);
  std::string bytes;
  cairo_surface_write_to_png_stream(surface_, AppendBytes, &bytes);
  return bytes;
}

void Canvas::Save(const Context& ctx, std::string_view gamePath) const {
  WriteFileIfChanged(OutPath(ctx, gamePath), EncodePng());
}

namespace {
const std::vector<ImageSpec>& Table() {
  static const std::vector<ImageSpec> table = {
#define FORGE_IMAGE_ROW(name, path, cw, ch, frames, hx, hy) {#name, path, cw, ch, frames, hx, hy},
      BOINGLE_ALL_IMAGES(FORGE_IMAGE_ROW)
#undef FORGE_IMAGE_ROW
  };
  return table;
}
}  // namespace

const ImageSpec* FindImage(std::string_view gamePath) {
  for (const auto& row : Table())
    if (gamePath == row.path) return &row;
  return nullptr;
}

const ImageSpec& ImageOf(std::string_view gamePath) {
  const ImageSpec* s = FindImage(gamePath);
  if (!s) Fail("picture not in the catalogue: " + std::string(gamePath));
  return *s;
}

int StripColumns(int cellW, int frames) {
  return std::max(1, std::min(frames, 2048 / std::max(1, cellW)));
}

void DrawStrip(const Context& ctx, std::string_view gamePath, int cellW, int cellH, int frames,
               const CellFn& drawCell) {
  int cols = StripColumns(cellW, frames);
  int rows = (frames + cols - 1) / cols;
  Canvas canvas(cols * cellW, rows * cellH);
  cairo_t* cr = canvas.cr();
  for (int f = 0; f < frames; ++f) {
    cairo_save(cr);
    cairo_translate(cr, (f % cols) * cellW, (f / cols) * cellH);
    cairo_rectangle(cr, 0, 0, cellW, cellH);
    cairo_clip(cr);
    drawCell(cr, f);
    cairo_restore(cr);
  }
  canvas.Save(ctx, gamePath);
}

void DrawCatalogued(const Context& ctx, std::string_view gamePath, const CellFn& drawCell) {
  const ImageSpec& s = ImageOf(gamePath);
  DrawStrip(ctx, gamePath, s.cellW, s.cellH, std::max(1, s.frames), drawCell);
}

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, std::max(rx, 1e-3), std::max(ry, 1e-3));
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
}

void RoundRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  r = std::min({r, w / 2, h / 2});
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

void FillOutline(cairo_t* cr, Rgb fill, Rgb outline, double width) {
  SetRgb(cr, fill);
  cairo_fill_preserve(cr);
  SetRgb(cr, outline);
  cairo_set_line_width(cr, width);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}

void FillGradientOutline(cairo_t* cr, double y0, Rgb top, double y1, Rgb bottom, Rgb outline,
                         double width) {
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
  cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(p, 1, bottom.r, bottom.g, bottom.b);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  SetRgb(cr, outline);
  cairo_set_line_width(cr, width);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}

void Highlight(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha) {
  Ellipse(cr, cx, cy, rx, ry);
  cairo_set_source_rgba(cr, 1, 1, 1, alpha);
  cairo_fill(cr);
}

}  // namespace forge::art
