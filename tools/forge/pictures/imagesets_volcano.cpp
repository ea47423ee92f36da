// The volcano's own pictures for Volcano/: a lava fall pouring from a lip of
// rock into a splash, a cluster of basalt columns, and a glowing vent with
// embers. The lava fall is the one hazard picture of the set: a level puts
// spikes (hurting, hidden) over it, so its glow must read as "don't touch".
#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>

#include "pictures/tilesets.h"

namespace forge::art::tiles {
namespace {

std::string VolcanoPath(const char* file) { return std::string("Imagesets/Volcano/") + file; }

const Rgb kLavaHot = Hex(0xFFE36B);
const Rgb kLavaMid = Hex(0xFF9A1F);
const Rgb kLavaDeep = Hex(0xD9430F);

// A stream 64 pixels wide, as tall as the picture: a lip at the top, a
// falling band with bright streaks, and a splash at the foot. Glowing things
// have no dark outline, only a darker rim, so they look lit from inside.
void LavaFallPicture(const Context& ctx, const Style& s, const char* file, int h) {
  constexpr int w = 64;
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  // A soft glow around the whole fall.
  cairo_new_path(cr);
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_pattern_t* glow = cairo_pattern_create_linear(0, 0, w, 0);
  cairo_pattern_add_color_stop_rgba(glow, 0, kLavaMid.r, kLavaMid.g, kLavaMid.b, 0);
  cairo_pattern_add_color_stop_rgba(glow, 0.5, kLavaMid.r, kLavaMid.g, kLavaMid.b, 0.35);
  cairo_pattern_add_color_stop_rgba(glow, 1, kLavaMid.r, kLavaMid.g, kLavaMid.b, 0);
  cairo_set_source(cr, glow);
  cairo_fill(cr);
  cairo_pattern_destroy(glow);
  // The band, a little wider towards the foot.
  cairo_new_path(cr);
  cairo_move_to(cr, 18, 6);
  cairo_line_to(cr, 46, 6);
  cairo_curve_to(cr, 48, h * 0.4, 50, h * 0.7, 52, h - 14);
  cairo_line_to(cr, 12, h - 14);
  cairo_curve_to(cr, 14, h * 0.7, 16, h * 0.4, 18, 6);
  cairo_close_path(cr);
  cairo_pattern_t* band = cairo_pattern_create_linear(12, 0, 52, 0);
  cairo_pattern_add_color_stop_rgb(band, 0, kLavaDeep.r, kLavaDeep.g, kLavaDeep.b);
  cairo_pattern_add_color_stop_rgb(band, 0.35, kLavaHot.r, kLavaHot.g, kLavaHot.b);
  cairo_pattern_add_color_stop_rgb(band, 0.7, kLavaMid.r, kLavaMid.g, kLavaMid.b);
  cairo_pattern_add_color_stop_rgb(band, 1, kLavaDeep.r, kLavaDeep.g, kLavaDeep.b);
  cairo_set_source(cr, band);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(band);
  Stroke(cr, Darker(kLavaDeep, 0.3), 2);
  // Streaks running down.
  Rng rng(0x1A7A);
  for (int k = 0; k < 9; ++k) {
    double x = 20 + rng.Uniform(0, 24), y0 = rng.Uniform(8, h * 0.6), len = rng.Uniform(30, 90);
    cairo_new_path(cr);
    cairo_move_to(cr, x, y0);
    cairo_line_to(cr, x + 1.5, std::min(y0 + len, h - 18.0));
    Stroke(cr, k % 3 ? kLavaHot : Hex(0xFFF6C8), 2, 0.8);
  }
  // The lip of rock it pours over.
  cairo_new_path(cr);
  RoundRect(cr, 8, 0, 48, 10, 4);
  FillGradientOutline(cr, 0, Lighter(s.ground, 0.1), 10, s.groundDark, s.ink, 2);
  // The splash at the foot.
  cairo_new_path(cr);
  cairo_move_to(cr, 2, h - 1);
  cairo_curve_to(cr, 4, h - 20, 16, h - 24, 22, h - 14);
  cairo_curve_to(cr, 28, h - 26, 38, h - 26, 42, h - 14);
  cairo_curve_to(cr, 48, h - 24, 60, h - 20, 62, h - 1);
  cairo_close_path(cr);
  FillGradientOutline(cr, h - 26, kLavaHot, h, kLavaMid, Darker(kLavaDeep, 0.3), 2);
  for (auto [dx, dy, r] : {std::tuple{10.0, 34.0, 3.0}, {54.0, 30.0, 2.5}, {32.0, 38.0, 2.0}}) {
    cairo_new_path(cr);
    Ellipse(cr, dx, h - dy, r, r);
    SetRgb(cr, kLavaHot);
    cairo_fill(cr);
  }
  c.Save(ctx, VolcanoPath(file));
}

// Basalt columns: hexagonal pillars of different heights side by side, their
// cut tops lit from the upper left.
void BasaltPicture(const Context& ctx, const Style& s, const char* file) {
  constexpr int w = 160, h = 192;
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  const Rgb rock = Mix(s.earth, Hex(0x3A3436), 0.4);
  const double tops[] = {70, 30, 96, 50, 120, 78};
  for (int k = 0; k < 6; ++k) {
    double x = 4 + k * 25.5, cw = 26, top = tops[k];
    cairo_new_path(cr);
    cairo_move_to(cr, x, top + 6);
    cairo_line_to(cr, x, h - 1);
    cairo_line_to(cr, x + cw, h - 1);
    cairo_line_to(cr, x + cw, top + 6);
    cairo_close_path(cr);
    Rgb side = k % 2 ? Darker(rock, 0.08) : rock;
    cairo_pattern_t* p = cairo_pattern_create_linear(x, 0, x + cw, 0);
    Rgb lit = Lighter(side, 0.12), dark = Darker(side, 0.3);
    cairo_pattern_add_color_stop_rgb(p, 0, lit.r, lit.g, lit.b);
    cairo_pattern_add_color_stop_rgb(p, 1, dark.r, dark.g, dark.b);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    Stroke(cr, s.ink, 2);
    // The hexagonal top, seen a little from above.
    cairo_new_path(cr);
    cairo_move_to(cr, x, top + 6);
    cairo_line_to(cr, x + 6, top);
    cairo_line_to(cr, x + cw - 6, top);
    cairo_line_to(cr, x + cw, top + 6);
    cairo_line_to(cr, x + cw - 6, top + 12);
    cairo_line_to(cr, x + 6, top + 12);
    cairo_close_path(cr);
    FillOutline(cr, Lighter(side, 0.3), s.ink, 2);
    // A crack or two across the column.
    for (double cy = top + 40 + k * 7; cy < h - 20; cy += 46) {
      cairo_new_path(cr);
      cairo_move_to(cr, x + 2, cy);
      cairo_line_to(cr, x + cw * 0.5, cy + 4);
      cairo_line_to(cr, x + cw - 2, cy + 1);
      Stroke(cr, Darker(side, 0.45), 1.5);
    }
  }
  c.Save(ctx, VolcanoPath(file));
}

// A crack in the rock that glows, with embers drifting up from it.
void VentPicture(const Context& ctx, const Style& s, const char* file) {
  constexpr int w = 96, h = 112;
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  // The glow rising from the crack.
  cairo_new_path(cr);
  Ellipse(cr, 48, h - 14, 44, 26);
  cairo_pattern_t* g = cairo_pattern_create_radial(48, h - 10, 2, 48, h - 10, 44);
  cairo_pattern_add_color_stop_rgba(g, 0, kLavaMid.r, kLavaMid.g, kLavaMid.b, 0.6);
  cairo_pattern_add_color_stop_rgba(g, 1, kLavaMid.r, kLavaMid.g, kLavaMid.b, 0);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  // The rock mound with its crack.
  cairo_new_path(cr);
  cairo_move_to(cr, 6, h - 1);
  cairo_curve_to(cr, 14, h - 26, 34, h - 30, 48, h - 28);
  cairo_curve_to(cr, 64, h - 30, 84, h - 24, 90, h - 1);
  cairo_close_path(cr);
  FillGradientOutline(cr, h - 30, Lighter(s.ground, 0.1), h, s.groundDark, s.ink, 2);
  cairo_new_path(cr);
  cairo_move_to(cr, 30, h - 1);
  cairo_line_to(cr, 40, h - 14);
  cairo_line_to(cr, 46, h - 10);
  cairo_line_to(cr, 52, h - 27);
  cairo_line_to(cr, 56, h - 12);
  cairo_line_to(cr, 62, h - 16);
  cairo_line_to(cr, 68, h - 1);
  cairo_close_path(cr);
  FillGradientOutline(cr, h - 27, kLavaHot, h, kLavaDeep, Darker(kLavaDeep, 0.3), 1.5);
  // Embers: small bright specks, fewer and fainter higher up.
  Rng rng(0xE3B);
  for (int k = 0; k < 14; ++k) {
    double y = rng.Uniform(6, h - 34), x = 48 + rng.Uniform(-26, 26) * (1 - y / h);
    double r = 1.2 + 2.2 * y / h;
    cairo_new_path(cr);
    Ellipse(cr, x, y, r, r);
    SetRgb(cr, k % 3 ? kLavaHot : kLavaMid, 0.35 + 0.6 * y / h);
    cairo_fill(cr);
  }
  c.Save(ctx, VolcanoPath(file));
}

void MakeVolcanoExtras(const Context& ctx) {
  const Style& s = StyleOf(Area::Volcano);
  LavaFallPicture(ctx, s, "lavafall.png", 256);
  LavaFallPicture(ctx, s, "lavafall_short.png", 160);
  BasaltPicture(ctx, s, "basalt.png");
  VentPicture(ctx, s, "vent.png");
}

FORGE_JOB("pictures", "imageset_volcano_extras", &MakeVolcanoExtras);

}  // namespace
}  // namespace forge::art::tiles
