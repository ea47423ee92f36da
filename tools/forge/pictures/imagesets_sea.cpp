// The sea floor's own pictures for Sea/: kelp that sways up from the sand,
// coral heads, a sunken hull's planks and the shafts of light that come down
// from the surface. The shared set (imagesets.cpp) has hills and trees that
// read as land; these make the place read as under water at a glance.
#include <cmath>
#include <string>
#include <utility>

#include "pictures/tilesets.h"

namespace forge::art::tiles {
namespace {

constexpr double kTau = 2 * M_PI;

std::string SeaPath(const char* file) { return std::string("Imagesets/Sea/") + file; }

// One kelp strand: a thin stem that sways from the bottom edge upwards, with
// long blades on alternating sides and a gas bladder at each blade's foot.
void KelpStrand(cairo_t* cr, const Style& s, double x0, double bottom, double height, double phase, Rgb leaf) {
  auto stemX = [&](double t) { return x0 + 7 * std::sin(kTau * t * 1.3 + phase) * t; };
  cairo_new_path(cr);
  cairo_move_to(cr, x0, bottom);
  for (int k = 1; k <= 24; ++k) {
    double t = k / 24.0;
    cairo_line_to(cr, stemX(t), bottom - t * height);
  }
  Stroke(cr, s.ink, 5);
  cairo_move_to(cr, x0, bottom);
  for (int k = 1; k <= 24; ++k) {
    double t = k / 24.0;
    cairo_line_to(cr, stemX(t), bottom - t * height);
  }
  Stroke(cr, Darker(leaf, 0.15), 2.5);
  int blades = static_cast<int>(height / 26);
  for (int b = 0; b < blades; ++b) {
    double t = (b + 0.7) / (blades + 0.5);
    double bx = stemX(t), by = bottom - t * height;
    double side = b % 2 == 0 ? 1 : -1;
    double len = 22 + 8 * std::sin(b * 1.7 + phase);
    cairo_new_path(cr);
    cairo_move_to(cr, bx, by);
    cairo_curve_to(cr, bx + side * len * 0.4, by - 14, bx + side * len * 0.9, by - 10, bx + side * len, by - 20);
    cairo_curve_to(cr, bx + side * len * 0.7, by - 2, bx + side * len * 0.3, by + 2, bx, by);
    cairo_close_path(cr);
    FillGradientOutline(cr, by - 20, Lighter(leaf, 0.18), by + 2, Darker(leaf, 0.18), s.ink, 2);
    cairo_new_path(cr);
    Ellipse(cr, bx + side * 3, by - 2, 3.5, 3.5);
    FillOutline(cr, Mix(leaf, s.accent, 0.55), s.ink, 1.5);
  }
}

void KelpPicture(const Context& ctx, const Style& s, const char* file, int w, int h, int strands) {
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  const Rgb leaf = Hex(0x6E9A3A);
  for (int k = 0; k < strands; ++k) {
    double x0 = w * (k + 0.5) / strands + (k % 2 ? 4 : -4);
    double height = (h - 14) * (k % 2 ? 0.72 : 0.98);
    KelpStrand(cr, s, x0, h - 1, height, k * 2.1, k % 2 ? Darker(leaf, 0.12) : leaf);
  }
  c.Save(ctx, SeaPath(file));
}

// A branching coral: thick stroked limbs, an outline under a fill colour.
void CoralBranch(cairo_t* cr, double x, double y, double angle, double len, int depth) {
  double x1 = x + std::sin(angle) * len, y1 = y - std::cos(angle) * len;
  cairo_move_to(cr, x, y);
  cairo_line_to(cr, x1, y1);
  if (depth > 0) {
    CoralBranch(cr, x1, y1, angle - 0.45, len * 0.72, depth - 1);
    CoralBranch(cr, x1, y1, angle + 0.4, len * 0.68, depth - 1);
  }
}

void CoralPicture(const Context& ctx, const Style& s, const char* file) {
  constexpr int w = 160, h = 112;
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  // A fan coral at the back, a lattice in purple.
  const Rgb fan = Hex(0xB06AB3);
  cairo_new_path(cr);
  cairo_move_to(cr, 112, 108);
  cairo_curve_to(cr, 80, 70, 92, 14, 124, 10);
  cairo_curve_to(cr, 156, 14, 160, 70, 120, 108);
  cairo_close_path(cr);
  FillGradientOutline(cr, 10, Lighter(fan, 0.2), 108, Darker(fan, 0.2), s.ink, 2);
  for (int k = -3; k <= 3; ++k) {
    cairo_move_to(cr, 116, 106);
    cairo_line_to(cr, 122 + k * 10, 20 + std::abs(k) * 6);
  }
  Stroke(cr, Darker(fan, 0.35), 1.5);
  // The branching coral in front, in coral red.
  const Rgb red = Hex(0xFF7F6B);
  cairo_new_path(cr);
  CoralBranch(cr, 52, 110, -0.15, 34, 3);
  Stroke(cr, s.ink, 11);
  CoralBranch(cr, 52, 110, -0.15, 34, 3);
  Stroke(cr, red, 7);
  CoralBranch(cr, 50, 104, -0.15, 30, 2);
  Stroke(cr, Lighter(red, 0.35), 2);
  // A brain coral dome at the foot, in the sea's warm accent.
  cairo_new_path(cr);
  cairo_move_to(cr, 66, 111);
  cairo_curve_to(cr, 66, 76, 118, 76, 118, 111);
  cairo_close_path(cr);
  FillGradientOutline(cr, 80, Lighter(s.accent, 0.2), 111, Darker(s.accent, 0.25), s.ink, 2);
  for (int k = 0; k < 3; ++k) {
    cairo_new_path(cr);
    double yy = 92 + k * 6;
    cairo_move_to(cr, 74 + k * 3, yy);
    for (int x = 74 + k * 3; x <= 110 - k * 3; x += 4) cairo_line_to(cr, x, yy + (x / 4 % 2 ? 2 : -2));
    Stroke(cr, Darker(s.accent, 0.35), 1.5);
  }
  Highlight(cr, 84, 86, 8, 4, 0.35);
  c.Save(ctx, SeaPath(file));
}

// Planks of a sunken boat: a broken piece of hull on its side, a stump of a
// mast and a loose plank, grey-green where the sea has had them for years.
void WreckPicture(const Context& ctx, const Style& s, const char* file) {
  constexpr int w = 192, h = 96;
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  const Rgb wood = Mix(s.wood, Hex(0x4F7F76), 0.35);
  // The mast stump, leaning, behind the hull.
  cairo_save(cr);
  cairo_translate(cr, 120, 70);
  cairo_rotate(cr, 0.5);
  cairo_new_path(cr);
  cairo_rectangle(cr, -6, -66, 12, 70);
  FillGradientOutline(cr, -66, Lighter(wood, 0.15), 0, Darker(wood, 0.2), s.ink, 2);
  cairo_restore(cr);
  // The hull: a curved slab of planks with a jagged broken end.
  cairo_new_path(cr);
  cairo_move_to(cr, 8, 94);
  cairo_curve_to(cr, 10, 60, 40, 40, 92, 38);
  cairo_line_to(cr, 104, 46);
  cairo_line_to(cr, 114, 40);
  cairo_line_to(cr, 126, 52);
  cairo_line_to(cr, 138, 48);
  cairo_curve_to(cr, 150, 70, 150, 86, 148, 94);
  cairo_close_path(cr);
  cairo_path_t* hull = cairo_copy_path(cr);
  FillGradientOutline(cr, 38, Lighter(wood, 0.12), 94, Darker(wood, 0.3), s.ink, 2);
  cairo_save(cr);
  cairo_append_path(cr, hull);
  cairo_clip(cr);
  for (int k = 0; k < 5; ++k) {
    cairo_new_path(cr);
    double yy = 50 + k * 10;
    cairo_move_to(cr, 0, yy + 8);
    cairo_curve_to(cr, 50, yy - 6, 100, yy - 6, 160, yy + 2);
    Stroke(cr, Darker(wood, 0.4), 1.5);
  }
  for (auto [nx, ny] : {std::pair{40.0, 64.0}, {70.0, 56.0}, {100.0, 60.0}, {128.0, 70.0}}) {
    cairo_new_path(cr);
    Ellipse(cr, nx, ny, 1.8, 1.8);
    SetRgb(cr, Darker(wood, 0.55));
    cairo_fill(cr);
  }
  cairo_restore(cr);
  cairo_path_destroy(hull);
  // A porthole, and a loose plank lying in front.
  cairo_new_path(cr);
  Ellipse(cr, 60, 74, 9, 9);
  FillOutline(cr, Mix(s.skyTop, s.ink, 0.4), s.ink, 2);
  cairo_new_path(cr);
  Ellipse(cr, 60, 74, 9, 9);
  Stroke(cr, Hex(0xC9A66B), 2.5);
  cairo_save(cr);
  cairo_translate(cr, 166, 88);
  cairo_rotate(cr, -0.18);
  cairo_new_path(cr);
  cairo_rectangle(cr, -26, -5, 52, 9);
  FillGradientOutline(cr, -5, Lighter(wood, 0.2), 4, Darker(wood, 0.2), s.ink, 2);
  cairo_restore(cr);
  Highlight(cr, 56, 50, 16, 4, 0.25);
  c.Save(ctx, SeaPath(file));
}

// Soft shafts of light from the surface, for a half-speed layer: pale and
// mostly clear, so the ground and the hero stay the brightest things.
// Periodic over its 800 pixels like the backdrops.
void RaysPicture(const Context& ctx, const Style& s, const char* file) {
  constexpr int w = 800, h = 480;
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  const double starts[] = {60, 230, 350, 540, 690};
  const double widths[] = {50, 80, 36, 70, 44};
  for (int k = 0; k < 5; ++k) {
    for (int copy = -1; copy <= 1; ++copy) {
      double x = starts[k] + copy * w;
      cairo_new_path(cr);
      cairo_move_to(cr, x, 0);
      cairo_line_to(cr, x + widths[k], 0);
      cairo_line_to(cr, x + widths[k] * 2.2 + 120, h);
      cairo_line_to(cr, x + 120, h);
      cairo_close_path(cr);
      cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, h);
      Rgb light = Lighter(s.skyBottom, 0.7);
      cairo_pattern_add_color_stop_rgba(p, 0, light.r, light.g, light.b, 0.22);
      cairo_pattern_add_color_stop_rgba(p, 1, light.r, light.g, light.b, 0.0);
      cairo_set_source(cr, p);
      cairo_fill(cr);
      cairo_pattern_destroy(p);
    }
  }
  c.Save(ctx, SeaPath(file));
}

void MakeSeaExtras(const Context& ctx) {
  const Style& s = StyleOf(Area::Sea);
  KelpPicture(ctx, s, "kelp_tall.png", 96, 288, 3);
  KelpPicture(ctx, s, "kelp_small.png", 64, 160, 2);
  CoralPicture(ctx, s, "coral.png");
  WreckPicture(ctx, s, "wreck.png");
  RaysPicture(ctx, s, "rays_far.png");
}

FORGE_JOB("pictures", "imageset_sea_extras", &MakeSeaExtras);

}  // namespace
}  // namespace forge::art::tiles
