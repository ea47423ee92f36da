// The beach's own scenery: palms big and small with coconuts, a striped
// parasol, a sandcastle with a flag, and the sea with far islands for the
// half-speed layer. The shared image set has only round trees.
#include <cmath>
#include <string>
#include <tuple>
#include <utility>

#include "pictures/tilesets.h"

namespace forge::art::tiles {
namespace {

std::string BeachFile(const char* file) { return std::string("Imagesets/Beach/") + file; }

// A palm on a w by h canvas: a trunk curving up from the bottom middle to
// the crown, rings across it, fronds fanning out and three coconuts.
void Palm(const Context& ctx, const Style& s, const char* file, int w, int h) {
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  cairo_scale(cr, w / 160.0, h / 256.0);
  Rgb bark = Mix(s.wood, Hex(0xC08A4A), 0.4);
  const double topX = 96, topY = 70;
  cairo_new_path(cr);
  cairo_move_to(cr, 62, 254);
  cairo_curve_to(cr, 64, 180, 80, 120, topX - 8, topY);
  cairo_line_to(cr, topX + 8, topY + 4);
  cairo_curve_to(cr, 96, 126, 82, 186, 88, 254);
  cairo_close_path(cr);
  FillGradientOutline(cr, topY, Lighter(bark, 0.15), 254, Darker(bark, 0.2), s.ink, 2.5);
  for (double t = 0.1; t < 0.95; t += 0.09) {
    double y = 254 - t * (254 - topY);
    double x = 62 + 13 * t + 20 * t * t;
    cairo_new_path(cr);
    cairo_move_to(cr, x + 1, y);
    cairo_line_to(cr, x + 24 - 10 * t, y - 4);
    Stroke(cr, Darker(bark, 0.35), 2, 0.7);
  }
  Rgb leaf = LeafOf(s);
  for (int k = 0; k < 7; ++k) {
    double a = M_PI * (1.05 + 0.9 * k / 6.0);  // from left round over the top to the right
    double len = 62 + 8 * std::cos(k * 1.7);
    double ex = topX + len * std::cos(a), ey = topY + len * std::sin(a) + 26;  // fronds droop
    double mx = topX + len * 0.55 * std::cos(a), my = topY + len * 0.55 * std::sin(a) - 6;
    cairo_new_path(cr);
    cairo_move_to(cr, topX, topY);
    cairo_curve_to(cr, mx - 8, my - 8, ex, ey - 10, ex, ey);
    cairo_curve_to(cr, ex - 4, ey - 2, mx + 8, my + 10, topX, topY + 6);
    cairo_close_path(cr);
    FillGradientOutline(cr, topY - 40, Lighter(leaf, 0.2), topY + 40, Darker(leaf, 0.25), s.ink, 2);
    cairo_new_path(cr);
    cairo_move_to(cr, topX, topY + 2);
    cairo_curve_to(cr, mx, my, ex, ey - 8, ex, ey);
    Stroke(cr, Darker(leaf, 0.35), 1.2, 0.8);
  }
  for (auto [cx, cy] : {std::pair{88.0, 80.0}, {100.0, 82.0}, {94.0, 90.0}}) {
    cairo_new_path(cr);
    Ellipse(cr, cx, cy, 7, 7);
    FillOutline(cr, Hex(0x7A4E2A), s.ink, 2);
    Highlight(cr, cx - 2, cy - 2, 2, 2, 0.4);
  }
  c.Save(ctx, BeachFile(file));
}

// A parasol h pixels tall; the tall one's canopy is a ledge to stand on.
void Parasol(const Context& ctx, const Style& s, const char* file, int h) {
  const int w = 128;
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  cairo_new_path(cr);
  cairo_rectangle(cr, 61, 30, 6, h - 32);
  FillOutline(cr, Hex(0xEDE3D0), s.ink, 2);
  // Canopy: six panels, red and white by turns.
  const double cx = 64, cy = 46, r = 58;
  for (int k = 0; k < 6; ++k) {
    double a0 = M_PI + k * M_PI / 6, a1 = M_PI + (k + 1) * M_PI / 6;
    cairo_new_path(cr);
    cairo_move_to(cr, cx, cy - 30);
    cairo_line_to(cr, cx + r * std::cos(a0), cy + 8);
    cairo_curve_to(cr, cx + r * std::cos(a0) + 4, cy + 14, cx + r * std::cos(a1) - 4, cy + 14, cx + r * std::cos(a1), cy + 8);
    cairo_close_path(cr);
    Rgb col = k % 2 ? Hex(0xFFF6EA) : s.accent;
    FillGradientOutline(cr, cy - 30, Lighter(col, 0.1), cy + 14, Darker(col, 0.15), s.ink, 2);
  }
  cairo_new_path(cr);
  Ellipse(cr, cx, cy - 31, 4, 4);
  FillOutline(cr, s.accent, s.ink, 1.5);
  Highlight(cr, 40, 30, 10, 5, 0.35);
  c.Save(ctx, BeachFile(file));
}

void Sandcastle(const Context& ctx, const Style& s) {
  const int w = 96, h = 80;
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  Rgb sand = Mix(s.ground, s.groundDark, 0.25);
  auto tower = [&](double x, double top, double tw) {
    cairo_new_path(cr);
    cairo_move_to(cr, x, h - 2);
    cairo_line_to(cr, x, top + 6);
    for (int k = 0; k < 3; ++k) {
      double bx = x + k * tw / 3;
      cairo_line_to(cr, bx, top);
      cairo_line_to(cr, bx + tw / 6, top);
      cairo_line_to(cr, bx + tw / 6, top + 6);
      cairo_line_to(cr, bx + tw / 3, top + 6);
    }
    cairo_line_to(cr, x + tw, top);
    cairo_line_to(cr, x + tw, h - 2);
    cairo_close_path(cr);
    FillGradientOutline(cr, top, Lighter(sand, 0.15), h, Darker(sand, 0.2), s.ink, 2);
  };
  tower(8, 40, 80);
  tower(30, 18, 36);
  cairo_new_path(cr);
  RoundRect(cr, 40, h - 20, 16, 18, 7);
  FillOutline(cr, Darker(sand, 0.45), s.ink, 2);
  cairo_new_path(cr);
  cairo_move_to(cr, 48, 18);
  cairo_line_to(cr, 48, 2);
  Stroke(cr, s.ink, 2);
  cairo_new_path(cr);
  cairo_move_to(cr, 48, 2);
  cairo_line_to(cr, 62, 6);
  cairo_line_to(cr, 48, 10);
  cairo_close_path(cr);
  FillOutline(cr, s.accent, s.ink, 1.5);
  Highlight(cr, 20, 52, 6, 8, 0.3);
  c.Save(ctx, BeachFile("sandcastle.png"));
}

// The sea to the horizon with two far islands, periodic over 800 pixels.
void SeaFar(const Context& ctx, const Style& s) {
  const int w = 800, h = 480;
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  const double horizon = 170;
  Rgb island = Mix(LeafOf(s), s.skyBottom, 0.5);
  for (auto [ix, half, rise] : {std::tuple{210.0, 90.0, 40.0}, {590.0, 50.0, 24.0}}) {
    cairo_new_path(cr);
    cairo_move_to(cr, ix - half, horizon + 2);
    cairo_curve_to(cr, ix - half * 0.5, horizon - rise, ix + half * 0.5, horizon - rise, ix + half, horizon + 2);
    cairo_close_path(cr);
    FillGradientOutline(cr, horizon - rise, Lighter(island, 0.1), horizon, island, Mix(island, s.ink, 0.3), 2);
  }
  Rgb sea = Mix(s.skyTop, Hex(0x2E86AB), 0.45);
  cairo_new_path(cr);
  cairo_rectangle(cr, -4, horizon, w + 8, h - horizon + 4);
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_pattern_t* grad = cairo_pattern_create_linear(0, horizon, 0, h);
  cairo_pattern_add_color_stop_rgb(grad, 0, Lighter(sea, 0.25).r, Lighter(sea, 0.25).g, Lighter(sea, 0.25).b);
  cairo_pattern_add_color_stop_rgb(grad, 1, Darker(sea, 0.1).r, Darker(sea, 0.1).g, Darker(sea, 0.1).b);
  cairo_set_source(cr, grad);
  cairo_fill(cr);
  cairo_pattern_destroy(grad);
  cairo_new_path(cr);
  cairo_move_to(cr, -4, horizon);
  cairo_line_to(cr, w + 4, horizon);
  Stroke(cr, Mix(sea, s.ink, 0.3), 2);
  // Glints on the water, evenly spaced so the picture repeats.
  for (int row = 0; row < 6; ++row)
    for (int k = 0; k < 8; ++k) {
      double x = k * 100 + (row % 2) * 50 + 20 * std::sin(row * 1.9);
      double y = horizon + 18 + row * 28;
      cairo_new_path(cr);
      cairo_move_to(cr, x, y);
      cairo_line_to(cr, x + 14 + row * 3, y);
      Stroke(cr, Hex(0xFFFFFF), 2, 0.45);
    }
  c.Save(ctx, BeachFile("sea_far.png"));
}

void MakeBeachScenery(const Context& ctx) {
  const Style& s = StyleOf(Area::Beach);
  Palm(ctx, s, "palm_big.png", 160, 256);
  Palm(ctx, s, "palm_small.png", 96, 160);
  Parasol(ctx, s, "parasol.png", 128);
  Parasol(ctx, s, "parasol_tall.png", 256);
  Sandcastle(ctx, s);
  SeaFar(ctx, s);
}

FORGE_JOB("pictures", "imageset_beach_scenery", &MakeBeachScenery);

}  // namespace
}  // namespace forge::art::tiles
