// The sky's own pictures for Air/: kites on their strings and far floating
// islands. Up here the ground is cloud; these give the sky its landmarks.
#include <cmath>
#include <string>

#include "pictures/tilesets.h"

namespace forge::art::tiles {
namespace {

std::string AirPath(const char* file) { return std::string("Imagesets/Air/") + file; }

// A diamond kite, tilted into the wind, with crossed spars, a tail of bows
// and its string hanging down to the picture's bottom edge.
void KitePicture(const Context& ctx, const Style& s, const char* file, Rgb sail, Rgb panel) {
  constexpr int w = 96, h = 192;
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  // The string first, so the kite lies over it.
  cairo_new_path(cr);
  cairo_move_to(cr, 44, 70);
  cairo_curve_to(cr, 30, 110, 60, 150, 40, h);
  Stroke(cr, Mix(s.skyTop, s.ink, 0.6), 1.5);
  // The tail: a wavy line with bows.
  cairo_new_path(cr);
  cairo_move_to(cr, 50, 72);
  cairo_curve_to(cr, 70, 90, 58, 110, 76, 128);
  cairo_curve_to(cr, 88, 140, 80, 156, 90, 170);
  Stroke(cr, s.ink, 1.5);
  const double bows[3][2] = {{64, 98}, {74, 126}, {86, 156}};
  for (const auto& b : bows) {
    cairo_new_path(cr);
    cairo_move_to(cr, b[0], b[1]);
    cairo_line_to(cr, b[0] - 7, b[1] - 5);
    cairo_line_to(cr, b[0] - 7, b[1] + 5);
    cairo_close_path(cr);
    cairo_move_to(cr, b[0], b[1]);
    cairo_line_to(cr, b[0] + 7, b[1] - 5);
    cairo_line_to(cr, b[0] + 7, b[1] + 5);
    cairo_close_path(cr);
    FillOutline(cr, panel, s.ink, 1.5);
  }
  // The sail, tilted a little to the right.
  cairo_save(cr);
  cairo_translate(cr, 48, 40);
  cairo_rotate(cr, 0.25);
  cairo_new_path(cr);
  cairo_move_to(cr, 0, -36);
  cairo_line_to(cr, 26, -6);
  cairo_line_to(cr, 0, 34);
  cairo_line_to(cr, -26, -6);
  cairo_close_path(cr);
  FillGradientOutline(cr, -36, Lighter(sail, 0.2), 34, Darker(sail, 0.15), s.ink, 2);
  // Two opposite panels in the second colour.
  cairo_new_path(cr);
  cairo_move_to(cr, 0, -36);
  cairo_line_to(cr, 26, -6);
  cairo_line_to(cr, 0, -6);
  cairo_close_path(cr);
  cairo_move_to(cr, 0, -6);
  cairo_line_to(cr, -26, -6);
  cairo_line_to(cr, 0, 34);
  cairo_close_path(cr);
  SetRgb(cr, panel);
  cairo_fill(cr);
  cairo_new_path(cr);
  cairo_move_to(cr, 0, -36);
  cairo_line_to(cr, 0, 34);
  cairo_move_to(cr, -26, -6);
  cairo_line_to(cr, 26, -6);
  Stroke(cr, Darker(s.wood, 0.2), 2);
  Highlight(cr, -8, -16, 6, 8, 0.35);
  cairo_restore(cr);
  c.Save(ctx, AirPath(file));
}

// A far floating island: a grassy top, a rocky cone beneath with a few
// roots hanging from it, and a cloud wisp at its waist. It is scenery for
// the half-speed layer, so it is paler than the ground the hero stands on.
void FloatingIslandPicture(const Context& ctx, const Style& s, const char* file, int w, int h) {
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  cairo_scale(cr, w / 192.0, h / 160.0);
  Rgb earth = Mix(Hex(0x9C7A55), s.skyBottom, 0.35);
  Rgb grass = Mix(Hex(0x7CC36A), s.skyBottom, 0.3);
  Rgb ink = Mix(s.ink, s.skyBottom, 0.3);
  // Roots.
  for (double x : {70.0, 98.0, 124.0}) {
    cairo_new_path(cr);
    cairo_move_to(cr, x, 90);
    cairo_curve_to(cr, x - 6, 112, x + 6, 122, x - 2, 140);
    Stroke(cr, Darker(earth, 0.2), 2);
  }
  // The rocky cone.
  cairo_new_path(cr);
  cairo_move_to(cr, 8, 44);
  cairo_curve_to(cr, 40, 70, 70, 100, 96, 150);
  cairo_curve_to(cr, 124, 100, 152, 70, 184, 44);
  cairo_close_path(cr);
  FillGradientOutline(cr, 44, earth, 150, Darker(earth, 0.3), ink, 2);
  // Its grassy top.
  cairo_new_path(cr);
  RoundRect(cr, 4, 30, 184, 24, 12);
  FillGradientOutline(cr, 30, Lighter(grass, 0.15), 54, Darker(grass, 0.15), ink, 2);
  Highlight(cr, 60, 36, 30, 4, 0.35);
  // A wisp of cloud across its waist.
  cairo_new_path(cr);
  Ellipse(cr, 60, 84, 34, 10);
  Ellipse(cr, 92, 80, 30, 12);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  SetRgb(cr, Hex(0xFFFFFF), 0.8);
  cairo_fill(cr);
  // A little tree on top.
  cairo_new_path(cr);
  cairo_rectangle(cr, 138, 8, 6, 24);
  FillOutline(cr, s.wood, ink, 1.5);
  cairo_new_path(cr);
  Ellipse(cr, 141, 10, 14, 11);
  FillGradientOutline(cr, 0, Lighter(grass, 0.2), 22, grass, ink, 1.5);
  c.Save(ctx, AirPath(file));
}

void MakeAirExtras(const Context& ctx) {
  const Style& s = StyleOf(Area::Air);
  KitePicture(ctx, s, "kite_red.png", Hex(0xE8503A), Hex(0xFFD166));
  KitePicture(ctx, s, "kite_blue.png", Hex(0x3A7BE8), Hex(0xFFFFFF));
  FloatingIslandPicture(ctx, s, "island_far.png", 192, 160);
  FloatingIslandPicture(ctx, s, "island_far_small.png", 96, 80);
}

FORGE_JOB("pictures", "imageset_air_extras", &MakeAirExtras);

}  // namespace
}  // namespace forge::art::tiles
