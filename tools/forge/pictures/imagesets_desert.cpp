// The desert's own scenery: a saguaro and a barrel cactus, a broken column
// and a fallen arch of the old sandstone ruins, a bleached skull, and far
// dunes with pyramids for the half-speed layer. The shared image set only
// has trees and bushes, which no desert grows.
#include <cmath>
#include <string>
#include <tuple>

#include "pictures/tilesets.h"

namespace forge::art::tiles {
namespace {

constexpr double kTau = 2 * M_PI;

std::string DesertFile(const char* file) { return std::string("Imagesets/Desert/") + file; }

// Wide stroke under, fill over: only the outer silhouette of overlapping
// shapes keeps its outline.
void FillSilhouette(cairo_t* cr, double y0, Rgb top, double y1, Rgb bottom, Rgb ink, double line) {
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  cairo_path_t* shape = cairo_copy_path(cr);
  Stroke(cr, ink, 2 * line);
  cairo_append_path(cr, shape);
  cairo_path_destroy(shape);
  FillGradientOutline(cr, y0, top, y1, bottom, top, 0.01);
}

// Ribs down a cactus limb: darker lines that follow its length.
void Ribs(cairo_t* cr, double x0, double y0, double x1, double y1, double spacing, Rgb c) {
  for (double x = x0 + spacing; x < x1 - spacing / 2; x += spacing) {
    cairo_new_path(cr);
    cairo_move_to(cr, x, y0 + 6);
    cairo_line_to(cr, x, y1 - 4);
    Stroke(cr, c, 1.5, 0.55);
  }
}

void Saguaro(const Context& ctx, const Style& s) {
  const int w = 112, h = 176;
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  // Paler than the walking cacti, so scenery never reads as a hazard.
  Rgb green = Mix(Desaturate(Mix(LeafOf(s), Hex(0x2F8F5B), 0.4), 0.35), s.skyBottom, 0.25);
  cairo_new_path(cr);
  RoundRect(cr, 40, 10, 32, h - 12, 16);         // trunk
  RoundRect(cr, 8, 60, 22, 62, 11);              // left arm, upright
  RoundRect(cr, 8, 100, 44, 20, 10);             // its elbow
  RoundRect(cr, 84, 38, 22, 56, 11);             // right arm
  RoundRect(cr, 62, 80, 44, 20, 10);
  FillSilhouette(cr, 10, Lighter(green, 0.2), h, Darker(green, 0.3), s.ink, 2);
  Ribs(cr, 40, 10, 72, h - 2, 8, Darker(green, 0.35));
  Ribs(cr, 8, 60, 30, 110, 7, Darker(green, 0.35));
  Ribs(cr, 84, 38, 106, 86, 7, Darker(green, 0.35));
  // A shadow band down the right of the trunk, light from the upper left.
  cairo_new_path(cr);
  cairo_rectangle(cr, 63, 20, 7, h - 30);
  SetRgb(cr, Darker(green, 0.3), 0.45);
  cairo_fill(cr);
  Highlight(cr, 49, 40, 4, 18, 0.35);
  // A pink flower on its crown.
  for (int k = 0; k < 5; ++k) {
    cairo_new_path(cr);
    double a = k * kTau / 5 - M_PI / 2;
    Ellipse(cr, 56 + 5 * std::cos(a), 10 + 5 * std::sin(a), 4, 4);
    FillOutline(cr, Hex(0xF27BA8), s.ink, 1.2);
  }
  cairo_new_path(cr);
  Ellipse(cr, 56, 10, 3, 3);
  FillOutline(cr, Hex(0xFFE066), s.ink, 1);
  c.Save(ctx, DesertFile("cactus_big.png"));
}

void BarrelCactus(const Context& ctx, const Style& s) {
  const int w = 64, h = 64;
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  Rgb green = Mix(Desaturate(Mix(LeafOf(s), Hex(0x3C9A6A), 0.5), 0.35), s.skyBottom, 0.2);
  cairo_new_path(cr);
  Ellipse(cr, 32, 38, 26, 24);
  FillGradientOutline(cr, 14, Lighter(green, 0.2), 62, Darker(green, 0.3), s.ink, 2);
  for (double dx : {-16.0, -8.0, 0.0, 8.0, 16.0}) {
    cairo_new_path(cr);
    cairo_move_to(cr, 32 + dx * 0.6, 16);
    cairo_curve_to(cr, 32 + dx * 1.3, 28, 32 + dx * 1.3, 48, 32 + dx * 0.7, 61);
    Stroke(cr, Darker(green, 0.35), 1.5, 0.6);
  }
  Highlight(cr, 22, 26, 6, 8, 0.35);
  // Spines: little pale ticks along the ribs.
  for (int k = 0; k < 14; ++k) {
    double a = -2.6 + k * 0.37;
    double x = 32 + 25 * std::cos(a), y = 38 + 23 * std::sin(a);
    cairo_new_path(cr);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + 5 * std::cos(a), y + 5 * std::sin(a));
    Stroke(cr, Hex(0xFFF2CC), 1.2);
  }
  cairo_new_path(cr);
  Ellipse(cr, 32, 14, 6, 4);
  FillOutline(cr, Hex(0xFFB347), s.ink, 1.2);
  c.Save(ctx, DesertFile("cactus_small.png"));
}

// Sandstone: the ground's colour, paler, with blocks cut into it.
Rgb Sandstone(const Style& s) { return Mix(s.ground, Hex(0xF3E0B5), 0.35); }

void BrokenColumn(const Context& ctx, const Style& s) {
  const int w = 64, h = 192;
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  Rgb stone = Sandstone(s);
  // The shaft, snapped off at a slant.
  cairo_new_path(cr);
  cairo_move_to(cr, 14, h - 16);
  cairo_line_to(cr, 14, 40);
  cairo_line_to(cr, 24, 30);
  cairo_line_to(cr, 32, 38);
  cairo_line_to(cr, 42, 22);
  cairo_line_to(cr, 50, 30);
  cairo_line_to(cr, 50, h - 16);
  cairo_close_path(cr);
  FillGradientOutline(cr, 20, Lighter(stone, 0.1), h, Darker(stone, 0.15), s.ink, 2);
  for (double x : {24.0, 32.0, 40.0}) {
    cairo_new_path(cr);
    cairo_move_to(cr, x, 44);
    cairo_line_to(cr, x, h - 18);
    Stroke(cr, Darker(stone, 0.25), 1.5, 0.6);
  }
  cairo_new_path(cr);
  cairo_rectangle(cr, 42, 36, 8, h - 54);
  SetRgb(cr, Darker(stone, 0.3), 0.4);
  cairo_fill(cr);
  // Its base.
  cairo_new_path(cr);
  cairo_rectangle(cr, 6, h - 18, 52, 16);
  FillGradientOutline(cr, h - 18, Lighter(stone, 0.05), h, Darker(stone, 0.2), s.ink, 2);
  // The broken-off piece at its foot.
  cairo_new_path(cr);
  cairo_move_to(cr, 44, h - 18);
  cairo_line_to(cr, 50, h - 30);
  cairo_line_to(cr, 62, h - 26);
  cairo_line_to(cr, 62, h - 18);
  cairo_close_path(cr);
  FillOutline(cr, Darker(stone, 0.05), s.ink, 2);
  Highlight(cr, 20, 70, 3, 20, 0.3);
  c.Save(ctx, DesertFile("ruin_column.png"));
}

void RuinedArch(const Context& ctx, const Style& s) {
  const int w = 192, h = 160;
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  Rgb stone = Sandstone(s);
  // Two piers and the half of the arch that still stands on the left.
  cairo_new_path(cr);
  cairo_move_to(cr, 8, h - 2);
  cairo_line_to(cr, 8, 40);
  cairo_line_to(cr, 100, 40);
  cairo_line_to(cr, 112, 56);
  cairo_line_to(cr, 104, 66);
  cairo_curve_to(cr, 84, 62, 60, 70, 56, 100);
  cairo_line_to(cr, 56, h - 2);
  cairo_close_path(cr);
  FillGradientOutline(cr, 40, Lighter(stone, 0.1), h, Darker(stone, 0.2), s.ink, 2);
  cairo_new_path(cr);
  cairo_move_to(cr, 136, h - 2);
  cairo_line_to(cr, 136, 92);
  cairo_line_to(cr, 150, 80);
  cairo_line_to(cr, 166, 86);
  cairo_line_to(cr, 184, 76);
  cairo_line_to(cr, 184, h - 2);
  cairo_close_path(cr);
  FillGradientOutline(cr, 76, Lighter(stone, 0.1), h, Darker(stone, 0.2), s.ink, 2);
  // Courses of blocks.
  for (double y = 56; y < h - 4; y += 18) {
    cairo_new_path(cr);
    cairo_move_to(cr, 10, y);
    cairo_line_to(cr, y < 64 ? 100 : 54, y);
    if (y > 96) {
      cairo_move_to(cr, 138, y);
      cairo_line_to(cr, 182, y);
    }
    Stroke(cr, Darker(stone, 0.25), 1.5, 0.6);
  }
  // The teal band of the old paint along the lintel.
  cairo_new_path(cr);
  cairo_rectangle(cr, 10, 44, 88, 6);
  SetRgb(cr, s.accent, 0.8);
  cairo_fill(cr);
  Highlight(cr, 24, 70, 6, 20, 0.3);
  c.Save(ctx, DesertFile("ruin_arch.png"));
}

void Skull(const Context& ctx, const Style& s) {
  Canvas c(64, 40);
  cairo_t* cr = c.cr();
  Rgb bone = Hex(0xF6EEDC);
  // A long bone behind the skull.
  cairo_new_path(cr);
  RoundRect(cr, 4, 28, 56, 8, 4);
  Ellipse(cr, 6, 28, 5, 5);
  Ellipse(cr, 6, 36, 5, 5);
  Ellipse(cr, 58, 28, 5, 5);
  Ellipse(cr, 58, 36, 5, 5);
  FillSilhouette(cr, 22, bone, 40, Darker(bone, 0.2), s.ink, 1.5);
  cairo_new_path(cr);
  Ellipse(cr, 30, 20, 16, 14);
  RoundRect(cr, 20, 22, 20, 16, 5);
  FillSilhouette(cr, 6, bone, 38, Darker(bone, 0.2), s.ink, 1.5);
  for (double ex : {24.0, 36.0}) {
    cairo_new_path(cr);
    Ellipse(cr, ex, 21, 4.5, 5);
    SetRgb(cr, s.ink);
    cairo_fill(cr);
  }
  Highlight(cr, 24, 12, 6, 3, 0.5);
  c.Save(ctx, DesertFile("skull.png"));
}

// Far dunes with two pyramids, periodic over 800 pixels like every backdrop.
void DunesFar(const Context& ctx, const Style& s) {
  const int w = 800, h = 480;
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  Rgb far = Mix(Desaturate(s.ground, 0.3), s.skyBottom, 0.55);
  for (auto [px, base, half] : {std::tuple{180.0, 150.0, 90.0}, {560.0, 170.0, 60.0}}) {
    cairo_new_path(cr);
    cairo_move_to(cr, px - half, base);
    cairo_line_to(cr, px, base - half * 0.9);
    cairo_line_to(cr, px + half, base);
    cairo_close_path(cr);
    FillGradientOutline(cr, base - half, Lighter(far, 0.1), base, far, Mix(far, s.ink, 0.3), 2);
    cairo_new_path(cr);
    cairo_move_to(cr, px, base - half * 0.9);
    cairo_line_to(cr, px + half, base);
    cairo_line_to(cr, px + half * 0.35, base);
    cairo_close_path(cr);
    SetRgb(cr, Darker(far, 0.15), 0.6);
    cairo_fill(cr);
  }
  for (int layer = 0; layer < 2; ++layer) {
    Rgb col = Mix(Desaturate(s.ground, 0.2), s.skyBottom, layer == 0 ? 0.45 : 0.2);
    double base = layer == 0 ? 150 : 215;
    cairo_new_path(cr);
    cairo_move_to(cr, -8, h + 8);
    for (int x = -8; x <= w + 8; x += 4) {
      double t = kTau * x / w;
      double y = base - 30 * std::sin(2 * t + layer * 2.1) - 14 * std::sin(3 * t + 0.7) - 6 * std::sin(7 * t);
      cairo_line_to(cr, x, y);
    }
    cairo_line_to(cr, w + 8, h + 8);
    cairo_close_path(cr);
    FillGradientOutline(cr, base - 50, Lighter(col, 0.15), base + 200, col, Mix(col, s.ink, 0.2), 2);
  }
  c.Save(ctx, DesertFile("dunes_far.png"));
}

void MakeDesertScenery(const Context& ctx) {
  const Style& s = StyleOf(Area::Desert);
  Saguaro(ctx, s);
  BarrelCactus(ctx, s);
  BrokenColumn(ctx, s);
  RuinedArch(ctx, s);
  Skull(ctx, s);
  DunesFar(ctx, s);
}

FORGE_JOB("pictures", "imageset_desert_scenery", &MakeDesertScenery);

}  // namespace
}  // namespace forge::art::tiles
