// The cactus: a prickly column on stubby feet, arms up, a flower on top.
#include "pictures/enemies_kit.h"

namespace forge::art::enemies {
namespace {

const Rgb kInk = Hex(0x12301E);
const Skin kGreen = {Hex(0x3DBB5A), Hex(0x24843E), kInk};
const Rgb kSpine = Hex(0xFFF6D0);

void Spines(cairo_t* cr, double x0, double y0, double x1, double y1, int n) {
  SetRgb(cr, kSpine);
  cairo_set_line_width(cr, 1.1);
  for (int k = 0; k < n; ++k) {
    double u = (k + 0.5) / n;
    double x = Lerp(x0, x1, u), y = Lerp(y0, y1, u);
    cairo_move_to(cr, x - 1.5, y - 1.5);
    cairo_line_to(cr, x + 1.5, y + 1.5);
    cairo_move_to(cr, x + 1.5, y - 1.5);
    cairo_line_to(cr, x - 1.5, y + 1.5);
  }
  cairo_stroke(cr);
}

// Facing right, feet on (hx, gy).
void DrawCactus(cairo_t* cr, double hx, double gy, double t) {
  double bob = 1.5 * std::cos(2 * t);
  double lean = 0.06 * std::sin(t);
  for (int k = 0; k < 2; ++k) {
    Pt d = StepFoot(t + k * M_PI, 5, 3);
    Piece(
        cr, [&](cairo_t* c) { Ellipse(c, hx + (k ? -6 : 6) + d.x, gy - 3 + d.y, 6.5, 3.5); },
        {Hex(0xC2703A), Hex(0x8A4A22), kInk}, 1);
  }
  Rotated(cr, hx, gy - 6, lean, [&] {
    double top = gy - 50 - bob, bottom = gy - 5;
    // Arms: the back one high, the front one lower, waving with the step.
    auto arm = [&](double side, double y, double h, const Skin& skin, double wave) {
      double x = hx + side * 12;
      cairo_new_path(cr);
      Piece(
          cr,
          [&](cairo_t* c) {
            cairo_new_path(c);
            cairo_move_to(c, x, y + 5);
            cairo_line_to(c, x + side * 8, y + 5);
            cairo_curve_to(c, x + side * 13, y + 5, x + side * 13, y + 2, x + side * 13 + wave,
                           y - h);
            cairo_curve_to(c, x + side * 13 + wave, y - h - 6, x + side * 7 + wave, y - h - 6,
                           x + side * 7 + wave, y - h);
            cairo_line_to(c, x + side * 7, y - 2);
            cairo_line_to(c, x, y - 2);
            cairo_close_path(c);
          },
          skin, 1.5);
    };
    arm(-1, top + 24, 12, {kGreen.shade, Darker(kGreen.shade, 0.15), kInk}, -1.5 * std::sin(t));
    auto trunk = [&](cairo_t* c) { RoundRect(c, hx - 13, top, 26, bottom - top, 12); };
    Body(cr, trunk, kGreen, hx - 13, top, 26, bottom - top, 3.5);
    // Ribs.
    SetRgb(cr, kGreen.shade, 0.8);
    cairo_set_line_width(cr, 1.5);
    for (double rx : {-5.0, 5.0}) {
      cairo_move_to(cr, hx + rx, top + 6);
      cairo_line_to(cr, hx + rx, bottom - 4);
    }
    cairo_stroke(cr);
    Spines(cr, hx - 9, top + 8, hx - 9, bottom - 6, 5);
    Spines(cr, hx + 9, top + 12, hx + 9, bottom - 6, 4);
    // Flower on top.
    for (int k = 0; k < 5; ++k) {
      double a = k * kTau / 5 - M_PI / 2;
      Ellipse(cr, hx - 2 + 4 * std::cos(a), top - 1 + 4 * std::sin(a), 3.2, 3.2);
      FillOutline(cr, Hex(0xFF5FA0), kInk, 1.2);
    }
    Ellipse(cr, hx - 2, top - 1, 2.2, 2.2);
    FillOutline(cr, Hex(0xFFD23F), kInk, 1);
    // Grumpy face.
    double fy = top + 16;
    Eye(cr, hx + 3, fy, 3.5, 0.7, 0.1, kInk);
    Eye(cr, hx + 10, fy, 3.1, 0.7, 0.1, kInk);
    Brow(cr, hx + 3, fy - 5, 5.5, 2, kInk, 1.8);
    Brow(cr, hx + 10, fy - 5, 5, 2, kInk, 1.8);
    cairo_move_to(cr, hx + 3, fy + 9);
    cairo_curve_to(cr, hx + 6, fy + 7, hx + 9, fy + 7, hx + 12, fy + 9);
    SetRgb(cr, kInk);
    cairo_set_line_width(cr, 1.8);
    cairo_stroke(cr);
    arm(1, top + 30, 9, kGreen, 1.5 * std::sin(t));
  });
}

void MakeCactus(const Context& ctx) {
  const char* path = "Images\\Enemy\\Cactus\\Cactus_walk.png";
  Handle h = HandleOf(path);
  Strip(ctx, path, [&](cairo_t* cr, int f) {
    GroundShadow(cr, h.x, h.y - 1, 17);
    Facing(cr, f < 8, h.x, [&] { DrawCactus(cr, h.x, h.y, Phase(f % 8, 8)); });
  });
}

FORGE_JOB("pictures", "enemy_cactus", &MakeCactus);

}  // namespace
}  // namespace forge::art::enemies
