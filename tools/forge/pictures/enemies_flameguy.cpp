// The flame guy and the three little flames (ickles) he drops and bursts into.
#include "pictures/enemies_kit.h"

namespace forge::art::enemies {
namespace {

const Rgb kInk = Hex(0x7A1E08);
const Rgb kOuter = Hex(0xFF6A00);
const Rgb kMiddle = Hex(0xFFA51F);
const Rgb kCore = Hex(0xFFF06A);

// A flame standing on (cx, by), w wide and h tall; t flickers the tongues.
void FlamePath(cairo_t* cr, double cx, double by, double w, double h, double t) {
  double r = w / 2;
  cairo_new_path(cr);
  cairo_move_to(cr, cx - r, by - r);
  // Left side up into three tongues, then down the right side.
  double tipL = h * (0.62 + 0.06 * std::sin(t + 1.3));
  double tipM = h * (1.0 + 0.05 * std::sin(t));
  double tipR = h * (0.7 + 0.06 * std::sin(t + 2.6));
  double lean = 0.12 * w * std::sin(t + 0.7);
  cairo_curve_to(cr, cx - r, by - r - h * 0.25, cx - r * 0.9 + lean, by - tipL * 0.8,
                 cx - r * 0.75 + lean, by - tipL);
  cairo_curve_to(cr, cx - r * 0.55, by - tipL * 0.75, cx - r * 0.35, by - tipL * 0.7, cx - r * 0.3,
                 by - h * 0.55);
  cairo_curve_to(cr, cx - r * 0.25, by - tipM * 0.8, cx + lean * 1.5, by - tipM * 0.9,
                 cx + lean * 2, by - tipM);
  cairo_curve_to(cr, cx + r * 0.35, by - tipM * 0.75, cx + r * 0.35, by - h * 0.6, cx + r * 0.4,
                 by - h * 0.5);
  cairo_curve_to(cr, cx + r * 0.55, by - tipR * 0.8, cx + r * 0.7 + lean, by - tipR * 0.95,
                 cx + r * 0.8 + lean, by - tipR);
  cairo_curve_to(cr, cx + r * 1.05, by - tipR * 0.6, cx + r, by - r - h * 0.15, cx + r, by - r);
  cairo_arc(cr, cx, by - r, r, 0, M_PI);
  cairo_close_path(cr);
}

void Glow(cairo_t* cr, double cx, double cy, double r, double alpha) {
  cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r);
  cairo_pattern_add_color_stop_rgba(p, 0, 1.0, 0.75, 0.2, alpha);
  cairo_pattern_add_color_stop_rgba(p, 1, 1.0, 0.45, 0.0, 0);
  cairo_set_source(cr, p);
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  Ellipse(cr, cx, cy, r, r);
  cairo_fill(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  cairo_pattern_destroy(p);
}

// Layers of flame, outlined once round the outside.
void Flame(cairo_t* cr, double cx, double by, double w, double h, double t) {
  Glow(cr, cx, by - h * 0.4, std::max(w, h) * 0.75, 0.45);
  FlamePath(cr, cx, by, w, h, t);
  SetRgb(cr, kOuter);
  cairo_fill_preserve(cr);
  SetRgb(cr, kInk);
  cairo_set_line_width(cr, 2);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
  FlamePath(cr, cx + w * 0.03, by - w * 0.05, w * 0.72, h * 0.78, t + 0.9);
  SetRgb(cr, kMiddle);
  cairo_fill(cr);
  FlamePath(cr, cx + w * 0.04, by - w * 0.1, w * 0.42, h * 0.5, t + 1.8);
  SetRgb(cr, kCore);
  cairo_fill(cr);
}

void MakeFlameguy(const Context& ctx) {
  const char* path = "Images\\Enemy\\Flameguy\\flameguy_float.png";
  Handle h = HandleOf(path);
  // Two ten-frame flickers: glancing left, then right. Each half loops on
  // its own, and the whole strip plays as a look round.
  Strip(ctx, path, [&](cairo_t* cr, int f) {
    double t = Phase(f % 10, 10);
    double look = f < 10 ? -0.7 : 0.7;
    double bob = 2 * std::sin(t);
    double by = h.y - 6 + bob;
    // Heat shimmer under him.
    Glow(cr, h.x, h.y - 2, 16, 0.35);
    Flame(cr, h.x, by, 40, 62, t);
    // Face in the core.
    double fy = by - 22;
    Eye(cr, h.x - 6, fy, 4.2, look, 0.1, kInk);
    Eye(cr, h.x + 6, fy, 4.2, look, 0.1, kInk);
    Brow(cr, h.x - 6, fy - 6.5, 6, 2, kInk, 2);
    Brow(cr, h.x + 6, fy - 6.5, 6, -2, kInk, 2);
    cairo_new_path(cr);
    cairo_move_to(cr, h.x - 6, fy + 7);
    cairo_curve_to(cr, h.x - 3, fy + 11 + std::sin(2 * t), h.x + 3, fy + 11 + std::sin(2 * t),
                   h.x + 6, fy + 7);
    cairo_close_path(cr);
    FillOutline(cr, Hex(0xB8300A), kInk, 1.5);
  });
}

void MakeIckle(const Context& ctx, const char* path, double w, double hgt, double seed) {
  Handle h = HandleOf(path);
  Strip(ctx, path, [&](cairo_t* cr, int f) {
    double t = Phase(f, 4) + seed;
    Flame(cr, h.x, h.y - 1, w, hgt, t);
    double fy = h.y - 1 - w * 0.45;
    DotEye(cr, h.x - w * 0.16, fy, std::max(1.0, w * 0.07), kInk);
    DotEye(cr, h.x + w * 0.16, fy, std::max(1.0, w * 0.07), kInk);
  });
}

void MakeFlames(const Context& ctx) {
  MakeFlameguy(ctx);
  MakeIckle(ctx, "Images\\Enemy\\Flameguy\\Flameguy_Ickle_1.png", 17, 24, 0.0);
  MakeIckle(ctx, "Images\\Enemy\\Flameguy\\Flameguy_Ickle_2.png", 11, 22, 1.0);
  MakeIckle(ctx, "Images\\Enemy\\Flameguy\\Flameguy_Ickle_3.png", 12, 17, 2.0);
}

FORGE_JOB("pictures", "enemy_flameguy", &MakeFlames);

}  // namespace
}  // namespace forge::art::enemies
