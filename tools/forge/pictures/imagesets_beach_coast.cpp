// The beach's own pictures for Beach/: a leaning palm with coconuts, a
// striped parasol and a far strip of sea with an island, so a beach level
// says "seaside" before the first crab does.
#include <cmath>
#include <string>

#include "pictures/tilesets.h"

namespace forge::art::tiles {
namespace {

std::string BeachPath(const char* file) { return std::string("Imagesets/Beach/") + file; }

// One frond: a drooping leaf from the crown, with a few cuts along its edge.
void Frond(cairo_t* cr, const Style& s, double x, double y, double angle, double len, Rgb leaf) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  cairo_new_path(cr);
  cairo_move_to(cr, 0, 0);
  cairo_curve_to(cr, len * 0.3, -18, len * 0.75, -14, len, 10);
  cairo_curve_to(cr, len * 0.7, 2, len * 0.35, 6, 0, 6);
  cairo_close_path(cr);
  FillGradientOutline(cr, -16, Lighter(leaf, 0.2), 10, Darker(leaf, 0.2), s.ink, 2);
  cairo_new_path(cr);
  cairo_move_to(cr, 2, 2);
  cairo_curve_to(cr, len * 0.35, -10, len * 0.7, -6, len * 0.96, 8);
  Stroke(cr, Darker(leaf, 0.35), 1.5);
  cairo_restore(cr);
}

void PalmPicture(const Context& ctx, const Style& s, const char* file) {
  constexpr int w = 192, h = 288;
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  const Rgb bark = Hex(0xB0824A);
  const Rgb leaf = Hex(0x4FA83A);
  // The trunk leans right and curves back up: segments of bark, each a ring.
  auto trunkX = [](double t) { return 70 + 46 * t * t - 10 * t; };
  const double topY = 62;
  for (int k = 0; k < 12; ++k) {
    double t0 = k / 12.0, t1 = (k + 1) / 12.0;
    double y0 = h - 2 - t0 * (h - 2 - topY), y1 = h - 2 - t1 * (h - 2 - topY);
    double w0 = 13 - 5 * t0, w1 = 13 - 5 * t1;
    cairo_new_path(cr);
    cairo_move_to(cr, trunkX(t0) - w0, y0);
    cairo_line_to(cr, trunkX(t1) - w1 - 2, y1);
    cairo_line_to(cr, trunkX(t1) + w1 + 2, y1);
    cairo_line_to(cr, trunkX(t0) + w0, y0);
    cairo_close_path(cr);
    FillGradientOutline(cr, y1, Lighter(bark, k % 2 ? 0.05 : 0.15), y0, Darker(bark, 0.2), s.ink, 2);
  }
  double cx = trunkX(1), cy = topY;
  // Fronds behind, then the coconuts, then the fronds in front.
  Frond(cr, s, cx, cy, -2.7, 70, Darker(leaf, 0.15));
  Frond(cr, s, cx, cy, -0.45, 74, Darker(leaf, 0.15));
  Frond(cr, s, cx, cy, -1.6, 50, Darker(leaf, 0.1));
  for (auto [dx, dy] : {std::pair{-7.0, 8.0}, {6.0, 9.0}, {0.0, 15.0}}) {
    cairo_new_path(cr);
    Ellipse(cr, cx + dx, cy + dy, 7, 7);
    FillGradientOutline(cr, cy + dy - 7, Hex(0x8A5A2E), cy + dy + 7, Hex(0x5A3818), s.ink, 2);
  }
  Frond(cr, s, cx, cy - 2, -3.3, 78, leaf);
  Frond(cr, s, cx, cy - 2, 0.25, 82, leaf);
  Frond(cr, s, cx, cy - 2, -2.2, 62, Lighter(leaf, 0.08));
  Frond(cr, s, cx, cy - 2, -0.95, 64, Lighter(leaf, 0.08));
  c.Save(ctx, BeachPath(file));
}

void ParasolPicture(const Context& ctx, const Style& s, const char* file) {
  constexpr int w = 112, h = 144;
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  cairo_new_path(cr);
  cairo_move_to(cr, 52, h - 1);
  cairo_line_to(cr, 60, 30);
  Stroke(cr, s.ink, 6);
  cairo_move_to(cr, 52, h - 1);
  cairo_line_to(cr, 60, 30);
  Stroke(cr, Hex(0xEDE3D0), 3);
  // The canopy: a dome of eight stripes, accent and white.
  const double cx = 60, cy = 40, rx = 54, ry = 30;
  for (int k = 0; k < 8; ++k) {
    double a0 = M_PI + k * M_PI / 8, a1 = M_PI + (k + 1) * M_PI / 8;
    cairo_new_path(cr);
    cairo_move_to(cr, cx, cy - ry);
    cairo_line_to(cr, cx + rx * std::cos(a0), cy + 8);
    cairo_curve_to(cr, cx + rx * std::cos(a0), cy + 14, cx + rx * std::cos(a1), cy + 14, cx + rx * std::cos(a1),
                   cy + 8);
    cairo_close_path(cr);
    Rgb col = k % 2 ? Hex(0xFFF8EC) : s.accent;
    FillGradientOutline(cr, cy - ry, Lighter(col, 0.1), cy + 14, Darker(col, 0.12), s.ink, 2);
  }
  cairo_new_path(cr);
  Ellipse(cr, cx, cy - ry, 4, 4);
  FillOutline(cr, s.accent, s.ink, 2);
  Highlight(cr, cx - 20, cy - 14, 12, 5, 0.3);
  c.Save(ctx, BeachPath(file));
}

// The open sea out to the horizon with a far island and a sail: for a
// half-speed layer, pale and periodic over 800 pixels.
void SeaFarPicture(const Context& ctx, const Style& s, const char* file) {
  constexpr int w = 800, h = 480;
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  const double horizon = 150;
  // A far island with two palms.
  Rgb island = Mix(Desaturate(s.ground, 0.3), s.skyBottom, 0.45);
  cairo_new_path(cr);
  cairo_move_to(cr, 470, horizon + 2);
  cairo_curve_to(cr, 500, horizon - 40, 600, horizon - 44, 640, horizon + 2);
  cairo_close_path(cr);
  FillOutline(cr, island, Mix(island, s.ink, 0.25), 2);
  for (double px : {540.0, 580.0}) {
    cairo_new_path(cr);
    cairo_move_to(cr, px, horizon - 30);
    cairo_curve_to(cr, px + 4, horizon - 50, px + 8, horizon - 64, px + 12, horizon - 76);
    Stroke(cr, Mix(island, s.ink, 0.35), 3);
    for (double a : {-2.6, -1.9, -1.1, -0.4}) {
      cairo_move_to(cr, px + 12, horizon - 76);
      cairo_line_to(cr, px + 12 + 18 * std::cos(a), horizon - 76 - 12 * std::sin(a) + 6);
    }
    Stroke(cr, Mix(Hex(0x4FA83A), s.skyBottom, 0.5), 3);
  }
  // The water: a band from the horizon down, with pale wave dashes.
  Rgb sea = Mix(s.skyTop, Hex(0x2A7F91), 0.35);
  cairo_new_path(cr);
  cairo_rectangle(cr, 0, horizon, w, h - horizon);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, horizon, 0, h);
  Rgb top = Lighter(sea, 0.25);
  cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(p, 1, sea.r, sea.g, sea.b);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  Rect(cr, 0, horizon, w, 2, Lighter(sea, 0.6));
  for (int row = 0; row < 9; ++row) {
    double y = horizon + 16 + row * row * 5 + row * 8;
    for (int k = 0; k < 10; ++k) {
      double x = std::fmod(k * 83 + row * 47, w);
      double len = 14 + row * 3;
      cairo_new_path(cr);
      for (double cx = x - 800; cx <= x; cx += 800) {
        cairo_move_to(cr, cx, y);
        cairo_curve_to(cr, cx + len / 3, y - 3, cx + 2 * len / 3, y - 3, cx + len, y);
      }
      Stroke(cr, Lighter(sea, 0.55), 1.5 + row * 0.2, 0.7);
    }
  }
  // A small sail boat on the horizon.
  cairo_new_path(cr);
  cairo_move_to(cr, 200, horizon - 2);
  cairo_line_to(cr, 232, horizon - 2);
  cairo_line_to(cr, 226, horizon + 4);
  cairo_line_to(cr, 206, horizon + 4);
  cairo_close_path(cr);
  FillOutline(cr, Mix(s.wood, s.skyBottom, 0.3), Mix(s.ink, s.skyBottom, 0.3), 1.5);
  cairo_new_path(cr);
  cairo_move_to(cr, 216, horizon - 4);
  cairo_line_to(cr, 216, horizon - 30);
  cairo_line_to(cr, 232, horizon - 6);
  cairo_close_path(cr);
  FillOutline(cr, Hex(0xFFFFFF), Mix(s.ink, s.skyBottom, 0.3), 1.5);
  c.Save(ctx, BeachPath(file));
}

void MakeBeachExtras(const Context& ctx) {
  const Style& s = StyleOf(Area::Beach);
  PalmPicture(ctx, s, "palm_coast.png");
  ParasolPicture(ctx, s, "parasol_coast.png");
  SeaFarPicture(ctx, s, "sea_deep.png");
}

FORGE_JOB("pictures", "imageset_beach_coast", &MakeBeachExtras);

}  // namespace
}  // namespace forge::art::tiles
