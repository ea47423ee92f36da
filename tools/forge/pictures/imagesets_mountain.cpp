// The mountain's own pictures for Mountain/: snow-laden pines in two sizes
// and a far snowy peak for the half-speed layer. The set's round-crowned
// tree reads as a forest; up here the trees are pointed and white-tipped.
#include <cmath>
#include <string>

#include "pictures/tilesets.h"

namespace forge::art::tiles {
namespace {

std::string MountainPath(const char* file) { return std::string("Imagesets/Mountain/") + file; }

const Rgb kNeedles = Hex(0x2F6B4F);
const Rgb kSnow = Hex(0xFFFFFF);
const Rgb kSnowShade = Hex(0xC9D8EA);

// A pine of three stacked tiers on a short trunk, each tier's upper edge
// under a cap of snow. Drawn on a 96 by 192 design and scaled.
void PinePicture(const Context& ctx, const Style& s, const char* file, int w, int h) {
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  cairo_scale(cr, w / 96.0, h / 192.0);
  cairo_new_path(cr);
  cairo_rectangle(cr, 40, 160, 16, 30);
  FillGradientOutline(cr, 160, Lighter(s.wood, 0.1), 190, Darker(s.wood, 0.3), s.ink, 2);
  // Tiers from the bottom up: (top y, bottom y, half width at the bottom).
  const double tiers[3][3] = {{84, 166, 46}, {44, 118, 36}, {6, 72, 26}};
  for (const auto& t : tiers) {
    double top = t[0], bottom = t[1], half = t[2];
    cairo_new_path(cr);
    cairo_move_to(cr, 48, top);
    cairo_curve_to(cr, 56, top + 20, 48 + half * 0.7, bottom - 14, 48 + half, bottom - 4);
    cairo_curve_to(cr, 48 + half * 0.4, bottom + 2, 48 - half * 0.4, bottom + 2, 48 - half, bottom - 4);
    cairo_curve_to(cr, 48 - half * 0.7, bottom - 14, 40, top + 20, 48, top);
    cairo_close_path(cr);
    FillGradientOutline(cr, top, Lighter(kNeedles, 0.15), bottom, Darker(kNeedles, 0.3), s.ink, 2);
    // The snow cap: the tier's upper third, with a wavy lower edge.
    double capY = top + (bottom - top) * 0.42;
    double capHalf = half * 0.55;
    cairo_new_path(cr);
    cairo_move_to(cr, 48, top + 1);
    cairo_curve_to(cr, 52, top + 10, 48 + capHalf * 0.8, capY - 8, 48 + capHalf, capY);
    cairo_curve_to(cr, 48 + capHalf * 0.5, capY - 5, 48 + capHalf * 0.3, capY + 6, 48, capY);
    cairo_curve_to(cr, 48 - capHalf * 0.3, capY + 6, 48 - capHalf * 0.5, capY - 5, 48 - capHalf, capY);
    cairo_curve_to(cr, 48 - capHalf * 0.8, capY - 8, 44, top + 10, 48, top + 1);
    cairo_close_path(cr);
    FillGradientOutline(cr, top, kSnow, capY, kSnowShade, Mix(kSnowShade, s.ink, 0.4), 1.5);
  }
  Highlight(cr, 40, 30, 6, 10, 0.35);
  c.Save(ctx, MountainPath(file));
}

// A lone snowy peak, far away: pale rock, a white top with ragged edges and
// a shaded right flank (light from the upper left). It stands on the
// picture's bottom edge, so it can be set behind the hills of the backdrop.
void PeakPicture(const Context& ctx, const Style& s, const char* file) {
  constexpr int w = 480, h = 300;
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  Rgb rock = Mix(Desaturate(s.ground, 0.3), s.skyBottom, 0.35);
  cairo_new_path(cr);
  cairo_move_to(cr, 0, h);
  cairo_line_to(cr, 120, 150);
  cairo_line_to(cr, 170, 170);
  cairo_line_to(cr, 250, 20);
  cairo_line_to(cr, 300, 90);
  cairo_line_to(cr, 340, 70);
  cairo_line_to(cr, w, h);
  cairo_close_path(cr);
  FillGradientOutline(cr, 20, Lighter(rock, 0.15), h, rock, Mix(rock, s.ink, 0.45), 2);
  // The shaded flank.
  cairo_new_path(cr);
  cairo_move_to(cr, 250, 20);
  cairo_line_to(cr, 300, 90);
  cairo_line_to(cr, 340, 70);
  cairo_line_to(cr, w, h);
  cairo_line_to(cr, 300, h);
  cairo_line_to(cr, 270, 160);
  cairo_close_path(cr);
  SetRgb(cr, Darker(rock, 0.2), 0.55);
  cairo_fill(cr);
  // Snow on the top, ragged along its foot.
  cairo_new_path(cr);
  cairo_move_to(cr, 250, 20);
  cairo_line_to(cr, 300, 90);
  cairo_line_to(cr, 286, 96);
  cairo_line_to(cr, 272, 84);
  cairo_line_to(cr, 258, 110);
  cairo_line_to(cr, 244, 92);
  cairo_line_to(cr, 226, 112);
  cairo_line_to(cr, 212, 96);
  cairo_line_to(cr, 196, 104);
  cairo_close_path(cr);
  FillOutline(cr, kSnow, Mix(kSnowShade, s.ink, 0.3), 1.5);
  cairo_new_path(cr);
  cairo_move_to(cr, 120, 150);
  cairo_line_to(cr, 170, 170);
  cairo_line_to(cr, 150, 178);
  cairo_line_to(cr, 136, 168);
  cairo_line_to(cr, 112, 162);
  cairo_close_path(cr);
  FillOutline(cr, kSnow, Mix(kSnowShade, s.ink, 0.3), 1.5);
  c.Save(ctx, MountainPath(file));
}

void MakeMountainExtras(const Context& ctx) {
  const Style& s = StyleOf(Area::Mountain);
  PinePicture(ctx, s, "pine_big.png", 96, 192);
  PinePicture(ctx, s, "pine_small.png", 64, 128);
  PeakPicture(ctx, s, "peak_far.png");
}

FORGE_JOB("pictures", "imageset_mountain_extras", &MakeMountainExtras);

}  // namespace
}  // namespace forge::art::tiles
