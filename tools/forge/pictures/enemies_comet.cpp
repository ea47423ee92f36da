// The comet: a burning lump of rock in a ring of flame. The game turns it
// as it falls, so it has no tail of its own.
#include "pictures/enemies_kit.h"

namespace forge::art::enemies {
namespace {

const Rgb kInk = Hex(0x3A1408);

void MakeComet(const Context& ctx) {
  const char* path = "Images\\Enemy\\Comet\\comet.png";
  Handle h = HandleOf(path);
  Strip(ctx, path, [&](cairo_t* cr, int) {
    double cx = h.x, cy = h.y;
    cairo_pattern_t* glow = cairo_pattern_create_radial(cx, cy, 20, cx, cy, 58);
    cairo_pattern_add_color_stop_rgba(glow, 0, 1.0, 0.6, 0.1, 0.7);
    cairo_pattern_add_color_stop_rgba(glow, 1, 1.0, 0.3, 0.0, 0);
    cairo_set_source(cr, glow);
    cairo_paint(cr);
    cairo_pattern_destroy(glow);
    // Flame tongues all round, long and short by turns, each a teardrop
    // pointing outwards with a hotter core.
    auto tongue = [&](double angle, double len, double width, Rgb colour, bool outline) {
      cairo_save(cr);
      cairo_translate(cr, cx, cy);
      cairo_rotate(cr, angle);
      cairo_new_path(cr);
      cairo_move_to(cr, -width, -22);
      cairo_curve_to(cr, -width, -22 - len * 0.45, -width * 0.2, -len * 0.8, width * 0.25, -len);
      cairo_curve_to(cr, width * 0.4, -len * 0.75, width, -22 - len * 0.4, width, -22);
      cairo_arc(cr, 0, -22, width, 0, M_PI);
      cairo_close_path(cr);
      SetRgb(cr, colour);
      if (outline) {
        cairo_fill_preserve(cr);
        SetRgb(cr, Hex(0x8A2A06));
        cairo_set_line_width(cr, 2);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(cr);
      } else {
        cairo_fill(cr);
      }
      cairo_restore(cr);
    };
    const int kTongues = 11;
    for (int k = 0; k < kTongues; ++k) {
      double a = k * kTau / kTongues, len = (k % 2) ? 46 : 55;
      tongue(a, len, 10, Hex(0xFF5A00), true);
    }
    Ellipse(cr, cx, cy, 33, 33);
    SetRgb(cr, Hex(0xFF5A00));
    cairo_fill(cr);
    for (int k = 0; k < kTongues; ++k) {
      double a = k * kTau / kTongues, len = (k % 2) ? 38 : 45;
      tongue(a, len, 6.5, Hex(0xFFA51F), false);
    }
    for (int k = 0; k < kTongues; ++k) {
      double a = k * kTau / kTongues, len = (k % 2) ? 31 : 36;
      tongue(a, len, 4, Hex(0xFFF06A), false);
    }
    // The rock in the middle.
    double bumps[9] = {1, 0.9, 1.05, 0.95, 1.08, 0.9, 1, 1.04, 0.92};
    Skin rock = {Hex(0x7A4A3A), Hex(0x4E2A20), kInk};
    Body(
        cr, [&](cairo_t* c) { LumpyPath(c, cx, cy, 27, 27, bumps, 9, 0.2); }, rock, cx - 27,
        cy - 27, 54, 54, 5, 0.25);
    // Glowing craters.
    const double craters[][3] = {{-8, -6, 5}, {9, 4, 6}, {-4, 12, 3.5}, {10, -12, 3}};
    for (const auto& c : craters) {
      Ellipse(cr, cx + c[0], cy + c[1], c[2], c[2] * 0.85);
      SetRgb(cr, Hex(0xFF8A1F));
      cairo_fill_preserve(cr);
      SetRgb(cr, kInk);
      cairo_set_line_width(cr, 1.5);
      cairo_stroke(cr);
    }
  });
}

FORGE_JOB("pictures", "enemy_comet", &MakeComet);

}  // namespace
}  // namespace forge::art::enemies
