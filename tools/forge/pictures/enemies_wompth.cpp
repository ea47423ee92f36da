// The wompth: a heavy stone block that watches from above and drops.
#include "pictures/enemies_kit.h"

namespace forge::art::enemies {
namespace {

const Rgb kInk = Hex(0x1F2233);
const Skin kStone = {Hex(0x8E9AC0), Hex(0x5E6890), kInk};

// The block standing on (hx, gy); look -1..1, lid 0..1, fury 0..1.
void DrawWompth(cairo_t* cr, double hx, double gy, double look, double lid, double fury,
                double squash) {
  double w = 58 * (1 + 0.06 * squash), hgt = 54 * (1 - 0.08 * squash);
  double x = hx - w / 2, y = gy - hgt - 1;
  auto block = [&](cairo_t* c) { RoundRect(c, x, y, w, hgt, 9); };
  Body(cr, block, kStone, x, y, w, hgt, 4, 0.3);
  // Cracks and a chipped corner.
  SetRgb(cr, kInk, 0.55);
  cairo_set_line_width(cr, 1.4);
  cairo_move_to(cr, x + 8, y + 10);
  cairo_line_to(cr, x + 13, y + 15);
  cairo_line_to(cr, x + 11, y + 21);
  cairo_move_to(cr, x + w - 10, y + hgt - 6);
  cairo_line_to(cr, x + w - 15, y + hgt - 12);
  cairo_stroke(cr);
  // Studs along the bottom edge.
  for (int k = 0; k < 4; ++k) {
    Ellipse(cr, x + 10 + k * (w - 20) / 3, y + hgt - 6, 2.4, 2.0);
    SetRgb(cr, kStone.shade);
    cairo_fill(cr);
  }
  // Big eyes under heavy brows.
  double ey = y + 22;
  for (double side : {-1.0, 1.0}) {
    double ex = hx + side * 11;
    Eye(cr, ex, ey, 7, look, fury * 0.5, kInk, lid, kStone.shade);
    double slope = side * (2 + 5 * fury);
    cairo_new_path(cr);
    cairo_move_to(cr, ex - 9, ey - 9 - slope / 2 * -1);
    cairo_line_to(cr, ex + 9, ey - 9 + slope / 2 * -1);
    cairo_line_to(cr, ex + 9, ey - 13 + slope / 2 * -1);
    cairo_line_to(cr, ex - 9, ey - 13 - slope / 2 * -1);
    cairo_close_path(cr);
    FillOutline(cr, Darker(kStone.shade, 0.2), kInk, 1.5);
  }
  // Mouth: a flat line while waiting, gritted teeth when it falls.
  double my = y + 40;
  if (fury > 0.5) {
    cairo_new_path(cr);
    RoundRect(cr, hx - 13, my - 4, 26, 9, 2);
    FillOutline(cr, Hex(0xF4F2E8), kInk, 1.6);
    SetRgb(cr, kInk);
    cairo_set_line_width(cr, 1.2);
    for (int k = 1; k < 5; ++k) {
      cairo_move_to(cr, hx - 13 + k * 5.2, my - 4);
      cairo_line_to(cr, hx - 13 + k * 5.2, my + 5);
    }
    cairo_move_to(cr, hx - 13, my + 0.5);
    cairo_line_to(cr, hx + 13, my + 0.5);
    cairo_stroke(cr);
  } else {
    cairo_move_to(cr, hx - 8, my);
    cairo_curve_to(cr, hx - 3, my + 1.5, hx + 3, my - 1.5, hx + 8, my);
    SetRgb(cr, kInk);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  }
}

void MakeWompth(const Context& ctx) {
  {
    const char* path = "Images\\Enemy\\Wompth\\wompth_look.png";
    Handle h = HandleOf(path);
    // Eyes wander from side to side, with a blink at the turn.
    Strip(ctx, path, [&](cairo_t* cr, int f) {
      double look = std::sin(Phase(f, 9));
      double lid = f == 4 ? 0.9 : (f == 3 || f == 5) ? 0.35 : 0.0;
      DrawWompth(cr, h.x, h.y, look * 0.9, lid, 0, 0);
    });
  }
  {
    const char* path = "Images\\Enemy\\Wompth\\wompth_fall.png";
    Handle h = HandleOf(path);
    // Falling, furious; the air streaks past above it.
    Strip(ctx, path, [&](cairo_t* cr, int f) {
      double t = Phase(f, 6);
      DrawWompth(cr, h.x, h.y, 0, 0, 1, 0.5 + 0.5 * std::sin(t));
      SetRgb(cr, Hex(0xFFFFFF), 0.85);
      cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
      cairo_set_line_width(cr, 2);
      for (int k = 0; k < 3; ++k) {
        double x = h.x - 18 + k * 18, y = 2 + std::fmod(f * 2.0 + k * 3, 6);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x, y + 5);
      }
      cairo_stroke(cr);
    });
  }
}

FORGE_JOB("pictures", "enemy_wompth", &MakeWompth);

}  // namespace
}  // namespace forge::art::enemies
