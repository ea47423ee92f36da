// The dream world's own pictures, beside the shared set every area folder
// gets: a far checkerboard land with drooping hills, a melting clock, an eye
// on a stalk, a candle-like melting pillar and the swirl that ends the
// story. Violet and purple with the area's teal for what matters.
#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "pictures/tilesets.h"

namespace forge::art::tiles {
namespace {

constexpr double kTau = 2 * M_PI;

std::string In(const Style& s, const char* file) { return std::string("Imagesets/") + s.folder + "/" + file; }

// A far land: hills whose undersides drip, over a checkerboard that runs
// into the distance, periodic over 800 pixels.
void DreamBackdrop(const Context& ctx, const Style& s) {
  Canvas c(800, 480);
  cairo_t* cr = c.cr();
  Rgb a = Mix(s.ground, s.skyBottom, 0.55);
  Rgb b = Mix(s.groundDark, s.skyBottom, 0.45);
  // The board: rows of squares, narrower towards the horizon.
  const double horizon = 230;
  for (int row = 0; row < 9; ++row) {
    double y0 = horizon + 250 * std::pow(row / 9.0, 1.6);
    double y1 = horizon + 250 * std::pow((row + 1) / 9.0, 1.6);
    double size = 25 + row * 5;  // 800 / size stays whole: 32 columns at most
    int cols = static_cast<int>(std::round(800 / size));
    double cw = 800.0 / cols;
    for (int k = 0; k < cols; ++k) Rect(cr, k * cw, y0, cw + 0.5, y1 - y0 + 0.5, (k + row) % 2 ? a : b);
  }
  // Drooping hills behind it.
  Rgb hill = Mix(s.groundDark, s.skyBottom, 0.35);
  Rgb ink = Mix(s.ink, s.skyBottom, 0.3);
  cairo_new_path(cr);
  cairo_move_to(cr, -8, horizon + 4);
  for (int x = -8; x <= 808; x += 4) {
    double t = kTau * x / 800;
    double h = 70 * std::abs(std::sin(2 * t)) + 18 * std::sin(5 * t + 1);
    cairo_line_to(cr, x, horizon - h);
  }
  cairo_line_to(cr, 808, horizon + 4);
  cairo_close_path(cr);
  FillGradientOutline(cr, horizon - 90, Lighter(hill, 0.1), horizon, hill, ink, 2);
  // Drips off the horizon line, at the same places every 800 pixels.
  for (int k = 0; k < 10; ++k) {
    double x = 40 + k * 80 + 17 * std::sin(k * 2.3);
    double len = 14 + 10 * (k % 3);
    cairo_new_path(cr);
    cairo_move_to(cr, x - 6, horizon);
    cairo_curve_to(cr, x - 6, horizon + len * 0.6, x - 5, horizon + len, x, horizon + len);
    cairo_curve_to(cr, x + 5, horizon + len, x + 6, horizon + len * 0.6, x + 6, horizon);
    cairo_close_path(cr);
    FillOutline(cr, hill, ink, 1.5);
  }
  // A far-off eye in the sky.
  cairo_new_path(cr);
  Ellipse(cr, 610, 80, 34, 18);
  FillOutline(cr, Mix(Hex(0xFFFFFF), s.skyBottom, 0.3), ink, 2);
  cairo_new_path(cr);
  Ellipse(cr, 614, 80, 10, 10);
  FillOutline(cr, Mix(s.accent, s.skyBottom, 0.2), ink, 1.5);
  c.Save(ctx, In(s, "dream_far.png"));
}

// A pocket watch draped over an unseen edge: the face sags into a drip.
void MeltingClock(const Context& ctx, const Style& s) {
  const int w = 96, h = 112;
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  Rgb face = Hex(0xFFF4D6);
  Rgb rim = Hex(0xE0B040);
  cairo_new_path(cr);
  cairo_move_to(cr, 8, 30);
  cairo_curve_to(cr, 8, 4, 88, 4, 88, 30);
  cairo_curve_to(cr, 88, 54, 70, 60, 62, 76);
  cairo_curve_to(cr, 56, 90, 58, 108, 48, 108);
  cairo_curve_to(cr, 38, 108, 42, 86, 34, 70);
  cairo_curve_to(cr, 26, 56, 8, 52, 8, 30);
  cairo_close_path(cr);
  FillGradientOutline(cr, 4, Lighter(rim, 0.2), 108, Darker(rim, 0.3), s.ink, 2);
  cairo_new_path(cr);
  cairo_move_to(cr, 16, 30);
  cairo_curve_to(cr, 16, 12, 80, 12, 80, 30);
  cairo_curve_to(cr, 80, 48, 64, 54, 57, 70);
  cairo_curve_to(cr, 52, 82, 52, 96, 48, 96);
  cairo_curve_to(cr, 44, 96, 44, 80, 38, 68);
  cairo_curve_to(cr, 32, 54, 16, 48, 16, 30);
  cairo_close_path(cr);
  FillOutline(cr, face, s.ink, 1.5);
  // Hour marks bending with the face, and two hands.
  for (int k = 0; k < 12; ++k) {
    double a = k * kTau / 12;
    double sag = std::max(0.0, std::cos(a)) * 10;
    double x = 48 + 26 * std::sin(a), y = 30 - 14 * std::cos(a) + sag;
    cairo_new_path(cr);
    Ellipse(cr, x, y, 1.8, 1.8);
    SetRgb(cr, s.groundDark);
    cairo_fill(cr);
  }
  cairo_new_path(cr);
  cairo_move_to(cr, 48, 32);
  cairo_line_to(cr, 48, 18);
  cairo_move_to(cr, 48, 32);
  cairo_curve_to(cr, 56, 40, 54, 54, 50, 62);
  Stroke(cr, s.ink, 2.5);
  // The crown and its ring.
  cairo_new_path(cr);
  RoundRect(cr, 42, 0, 12, 8, 3);
  FillOutline(cr, rim, s.ink, 1.5);
  Highlight(cr, 30, 16, 10, 5, 0.45);
  c.Save(ctx, In(s, "clock.png"));
}

// An eye on a bendy stalk, looking left and a little up.
void EyeStalk(const Context& ctx, const Style& s) {
  const int w = 64, h = 128;
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  cairo_new_path(cr);
  cairo_move_to(cr, 24, 126);
  cairo_curve_to(cr, 20, 96, 44, 80, 30, 44);
  cairo_line_to(cr, 40, 44);
  cairo_curve_to(cr, 54, 82, 32, 98, 38, 126);
  cairo_close_path(cr);
  FillGradientOutline(cr, 44, Lighter(s.ground, 0.1), 126, s.groundDark, s.ink, 2);
  cairo_new_path(cr);
  Ellipse(cr, 34, 28, 24, 22);
  FillGradientOutline(cr, 6, Hex(0xFFFFFF), 50, Hex(0xD8D0EE), s.ink, 2);
  cairo_new_path(cr);
  Ellipse(cr, 28, 25, 11, 11);
  FillOutline(cr, s.accent, s.ink, 1.5);
  cairo_new_path(cr);
  Ellipse(cr, 26, 24, 5, 5);
  SetRgb(cr, s.ink);
  cairo_fill(cr);
  Highlight(cr, 23, 20, 3, 3, 0.9);
  // A heavy lid.
  cairo_new_path(cr);
  cairo_move_to(cr, 10, 22);
  cairo_curve_to(cr, 14, 2, 54, 2, 58, 22);
  cairo_curve_to(cr, 46, 14, 22, 14, 10, 22);
  cairo_close_path(cr);
  FillOutline(cr, s.ground, s.ink, 1.5);
  c.Save(ctx, In(s, "eye.png"));
}

// A column softening like a candle: wax runs down its sides.
void MeltingPillar(const Context& ctx, const Style& s) {
  const int w = 64, h = 160;
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  cairo_new_path(cr);
  cairo_move_to(cr, 14, 158);
  cairo_line_to(cr, 14, 30);
  cairo_curve_to(cr, 14, 12, 26, 22, 32, 10);
  cairo_curve_to(cr, 38, 22, 50, 12, 50, 30);
  cairo_line_to(cr, 50, 158);
  cairo_close_path(cr);
  FillGradientOutline(cr, 10, Lighter(s.ground, 0.2), 158, s.groundDark, s.ink, 2);
  for (auto [x, len] : {std::pair{14.0, 50.0}, {50.0, 80.0}, {30.0, 36.0}}) {
    cairo_new_path(cr);
    cairo_move_to(cr, x - 5, 24);
    cairo_line_to(cr, x - 5, 24 + len);
    cairo_curve_to(cr, x - 5, 32 + len, x + 5, 32 + len, x + 5, 24 + len);
    cairo_line_to(cr, x + 5, 24);
    cairo_close_path(cr);
    FillOutline(cr, Lighter(s.accent, 0.2), s.ink, 1.5);
  }
  // Rings of a checker band.
  for (int k = 0; k < 4; ++k) Rect(cr, 16 + k * 8, 120, 8, 8, k % 2 ? s.skyTop : Hex(0xFFFFFF));
  Highlight(cr, 24, 60, 4, 22, 0.3);
  c.Save(ctx, In(s, "melt_pillar.png"));
}

// The swirl: a spiral of teal and violet arms round a bright middle, the
// way out of the dream.
void Swirl(const Context& ctx, const Style& s) {
  const int w = 128, h = 128;
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  cairo_new_path(cr);
  Ellipse(cr, 64, 64, 60, 60);
  FillGradientOutline(cr, 4, s.skyBottom, 124, s.skyTop, s.ink, 3);
  for (int arm = 0; arm < 3; ++arm) {
    cairo_new_path(cr);
    for (int k = 0; k <= 60; ++k) {
      double t = k / 60.0;
      double a = arm * kTau / 3 + t * kTau * 1.25;
      double r = 6 + 52 * t;
      double x = 64 + r * std::cos(a), y = 64 + r * std::sin(a);
      if (k == 0)
        cairo_move_to(cr, x, y);
      else
        cairo_line_to(cr, x, y);
    }
    Stroke(cr, arm == 1 ? s.ground : s.accent, 9 - arm);
  }
  cairo_new_path(cr);
  Ellipse(cr, 64, 64, 12, 12);
  FillOutline(cr, Hex(0xFFFFFF), s.accent, 3);
  Highlight(cr, 44, 40, 14, 9, 0.3);
  c.Save(ctx, In(s, "swirl.png"));
}

void MakeWierdExtras(const Context& ctx) {
  const Style& s = StyleOf(Area::Wierd);
  DreamBackdrop(ctx, s);
  MeltingClock(ctx, s);
  EyeStalk(ctx, s);
  MeltingPillar(ctx, s);
  Swirl(ctx, s);
}

FORGE_JOB("pictures", "imageset_wierd_extras", &MakeWierdExtras);

}  // namespace
}  // namespace forge::art::tiles
