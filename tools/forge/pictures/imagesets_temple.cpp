// The temple's own scenery: a great stone idol with golden eyes, a carved
// column wound with vines, a fern, and a stepped pyramid over the jungle
// for the half-speed layer. The shared image set has only round trees.
#include <cmath>
#include <string>

#include "pictures/tilesets.h"

namespace forge::art::tiles {
namespace {

constexpr double kTau = 2 * M_PI;

std::string TempleFile(const char* file) { return std::string("Imagesets/Temple/") + file; }

// Old grey-green stone, the mossy ground's colour worn pale.
Rgb CarvedStone(const Style& s) { return Mix(Desaturate(s.ground, 0.6), Hex(0xB8B8A8), 0.45); }

void Moss(cairo_t* cr, const Style& s, double x, double y, double w) {
  cairo_new_path(cr);
  cairo_move_to(cr, x, y);
  for (double t = 0; t <= w; t += 6) cairo_line_to(cr, x + t, y + 3 + 3 * std::sin(t * 0.9));
  cairo_line_to(cr, x + w, y - 3);
  cairo_line_to(cr, x, y - 3);
  cairo_close_path(cr);
  SetRgb(cr, LeafOf(s), 0.9);
  cairo_fill(cr);
}

void Idol(const Context& ctx, const Style& s) {
  const int w = 112, h = 144;
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  Rgb stone = CarvedStone(s);
  // Plinth.
  cairo_new_path(cr);
  cairo_rectangle(cr, 10, h - 26, w - 20, 24);
  FillGradientOutline(cr, h - 26, Lighter(stone, 0.05), h, Darker(stone, 0.25), s.ink, 2);
  // The head: a broad block with a rounded brow and a heavy jaw.
  cairo_new_path(cr);
  cairo_move_to(cr, 18, h - 26);
  cairo_line_to(cr, 16, 40);
  cairo_curve_to(cr, 16, 10, 96, 10, 96, 40);
  cairo_line_to(cr, 94, h - 26);
  cairo_close_path(cr);
  FillGradientOutline(cr, 12, Lighter(stone, 0.12), h - 26, Darker(stone, 0.2), s.ink, 2);
  // Shadow band down its right side.
  cairo_new_path(cr);
  cairo_rectangle(cr, 80, 36, 12, h - 64);
  SetRgb(cr, Darker(stone, 0.35), 0.45);
  cairo_fill(cr);
  // Brow, eyes of gold, nose and the grim mouth.
  cairo_new_path(cr);
  cairo_move_to(cr, 22, 50);
  cairo_line_to(cr, 90, 50);
  Stroke(cr, Darker(stone, 0.4), 3);
  for (double ex : {38.0, 74.0}) {
    cairo_new_path(cr);
    RoundRect(cr, ex - 10, 56, 20, 12, 4);
    FillOutline(cr, s.accent, s.ink, 2);
    Highlight(cr, ex - 4, 60, 4, 2, 0.6);
  }
  cairo_new_path(cr);
  cairo_move_to(cr, 56, 62);
  cairo_line_to(cr, 48, 86);
  cairo_line_to(cr, 64, 86);
  cairo_close_path(cr);
  FillOutline(cr, Darker(stone, 0.1), s.ink, 2);
  cairo_new_path(cr);
  RoundRect(cr, 34, 96, 44, 12, 3);
  FillOutline(cr, Darker(stone, 0.45), s.ink, 2);
  for (double tx = 40; tx < 76; tx += 8) {
    cairo_new_path(cr);
    cairo_move_to(cr, tx, 96);
    cairo_line_to(cr, tx, 108);
    Stroke(cr, Lighter(stone, 0.2), 1.5);
  }
  Moss(cr, s, 18, 24, 40);
  Moss(cr, s, 60, h - 30, 34);
  Highlight(cr, 34, 26, 14, 6, 0.3);
  c.Save(ctx, TempleFile("idol.png"));
}

void CarvedColumn(const Context& ctx, const Style& s) {
  const int w = 64, h = 224;
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  Rgb stone = CarvedStone(s);
  cairo_new_path(cr);
  cairo_rectangle(cr, 14, 20, 36, h - 36);
  FillGradientOutline(cr, 20, Lighter(stone, 0.1), h, Darker(stone, 0.2), s.ink, 2);
  // Capital and foot.
  for (double y : {8.0, double(h - 18)}) {
    cairo_new_path(cr);
    cairo_rectangle(cr, 6, y, 52, 14);
    FillGradientOutline(cr, y, Lighter(stone, 0.15), y + 14, Darker(stone, 0.15), s.ink, 2);
  }
  // Carved rings with gold inlay, a zigzag between them.
  for (double y = 44; y < h - 30; y += 44) {
    cairo_new_path(cr);
    cairo_rectangle(cr, 14, y, 36, 5);
    SetRgb(cr, s.accent, 0.85);
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, 16, y + 22);
    for (int k = 1; k <= 4; ++k) cairo_line_to(cr, 16 + 8 * k, y + (k % 2 ? 14 : 22));
    Stroke(cr, Darker(stone, 0.35), 2);
  }
  cairo_new_path(cr);
  cairo_rectangle(cr, 40, 22, 9, h - 40);
  SetRgb(cr, Darker(stone, 0.3), 0.4);
  cairo_fill(cr);
  // A vine winding down it.
  Rgb leaf = LeafOf(s);
  cairo_new_path(cr);
  for (double y = 14; y < h - 20; y += 2) {
    double x = 32 + 20 * std::sin(y * kTau / 90);
    if (y == 14) cairo_move_to(cr, x, y); else cairo_line_to(cr, x, y);
  }
  Stroke(cr, Darker(leaf, 0.35), 3);
  for (double y = 24; y < h - 30; y += 22) {
    double x = 32 + 20 * std::sin(y * kTau / 90);
    cairo_new_path(cr);
    Ellipse(cr, x + 5, y, 6, 3.5);
    FillOutline(cr, leaf, s.ink, 1.2);
  }
  Highlight(cr, 22, 60, 3, 24, 0.3);
  c.Save(ctx, TempleFile("temple_column.png"));
}

void Fern(const Context& ctx, const Style& s) {
  const int w = 96, h = 64;
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  Rgb leaf = LeafOf(s);
  for (int k = 0; k < 7; ++k) {
    double a = M_PI * (0.12 + 0.76 * k / 6.0);
    double len = 40 + 6 * std::sin(k * 2.3);
    double ex = 48 - len * std::cos(a), ey = h - 2 - len * std::sin(a);
    cairo_new_path(cr);
    cairo_move_to(cr, 48, h - 2);
    cairo_curve_to(cr, 48 - len * 0.4 * std::cos(a) - 6, h - 2 - len * 0.7 * std::sin(a), ex - 4, ey + 2, ex, ey);
    cairo_curve_to(cr, ex + 6, ey + 6, 48 - len * 0.3 * std::cos(a) + 6, h - 2 - len * 0.4 * std::sin(a), 50, h - 2);
    cairo_close_path(cr);
    FillGradientOutline(cr, ey, Lighter(leaf, 0.15 + 0.03 * k), h, Darker(leaf, 0.25), s.ink, 2);
  }
  c.Save(ctx, TempleFile("fern.png"));
}

// A stepped pyramid rising over the jungle canopy, periodic over 800 pixels.
void JungleFar(const Context& ctx, const Style& s) {
  const int w = 800, h = 480;
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  Rgb far = Mix(Desaturate(CarvedStone(s), 0.3), s.skyBottom, 0.5);
  cairo_new_path(cr);
  double cx = 420, base = 190;
  cairo_move_to(cr, cx - 150, base);
  for (int step = 0; step < 5; ++step) {
    double half = 150 - step * 26;
    cairo_line_to(cr, cx - half, base - step * 22 - 22);
    cairo_line_to(cr, cx - half + 26, base - step * 22 - 22);
  }
  cairo_line_to(cr, cx - 24, base - 132);
  cairo_line_to(cr, cx + 24, base - 132);
  for (int step = 4; step >= 0; --step) {
    double half = 150 - step * 26;
    cairo_line_to(cr, cx + half - 26, base - step * 22 - 22);
    cairo_line_to(cr, cx + half, base - step * 22 - 22);
  }
  cairo_line_to(cr, cx + 150, base);
  cairo_close_path(cr);
  FillGradientOutline(cr, base - 132, Lighter(far, 0.1), base, far, Mix(far, s.ink, 0.3), 2);
  cairo_new_path(cr);
  cairo_rectangle(cr, cx - 10, base - 128, 20, 14);
  SetRgb(cr, Mix(far, s.ink, 0.4));
  cairo_fill(cr);
  for (int layer = 0; layer < 2; ++layer) {
    Rgb col = Mix(LeafOf(s), s.skyBottom, layer == 0 ? 0.55 : 0.3);
    double base2 = layer == 0 ? 170 : 230;
    cairo_new_path(cr);
    cairo_move_to(cr, -8, h + 8);
    for (int x = -8; x <= w + 8; x += 4) {
      double t = kTau * x / w;
      // Bumpy treetops: the absolute sine makes round crowns.
      double y = base2 - 18 * std::abs(std::sin(10 * t + layer)) - 10 * std::sin(3 * t + layer * 1.3);
      cairo_line_to(cr, x, y);
    }
    cairo_line_to(cr, w + 8, h + 8);
    cairo_close_path(cr);
    FillGradientOutline(cr, base2 - 30, Lighter(col, 0.1), base2 + 200, Darker(col, 0.1), Mix(col, s.ink, 0.25), 2);
  }
  c.Save(ctx, TempleFile("jungle_far.png"));
}

void MakeTempleScenery(const Context& ctx) {
  const Style& s = StyleOf(Area::Temple);
  Idol(ctx, s);
  CarvedColumn(ctx, s);
  Fern(ctx, s);
  JungleFar(ctx, s);
}

FORGE_JOB("pictures", "imageset_temple_scenery", &MakeTempleScenery);

}  // namespace
}  // namespace forge::art::tiles
