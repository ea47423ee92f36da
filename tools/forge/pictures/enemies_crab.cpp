// The crab: scuttles sideways on six legs, claws up and snapping.
#include "pictures/enemies_kit.h"

namespace forge::art::enemies {
namespace {

const Rgb kInk = Hex(0x3A1010);
const Skin kShell = {Hex(0xFF5A3C), Hex(0xC2361F), kInk};

void Claw(cairo_t* cr, double bx, double by, double side, double open) {
  // Arm from the shell up to the pincer.
  double px = bx + side * 9, py = by - 8;
  Limb(cr, {bx, by, bx + side * 7, by - 3, px, py}, 3.5, kShell.shade, kInk);
  // Lower (fixed) jaw and upper jaw that opens.
  cairo_save(cr);
  cairo_translate(cr, px, py);
  cairo_scale(cr, side * 0.9, 0.9);
  auto lower = [](cairo_t* c) {
    cairo_new_path(c);
    cairo_move_to(c, -5, 2);
    cairo_curve_to(c, -5, -4, 2, -6, 8, -5);
    cairo_curve_to(c, 5, -2, 2, 3, -5, 2);
    cairo_close_path(c);
  };
  Piece(cr, lower, kShell, 1.2);
  cairo_rotate(cr, -0.15 - 0.55 * open);
  auto upper = [](cairo_t* c) {
    cairo_new_path(c);
    cairo_move_to(c, -4, -2);
    cairo_curve_to(c, -3, -9, 4, -11, 8, -7);
    cairo_curve_to(c, 4, -6, 0, -4, -4, -2);
    cairo_close_path(c);
  };
  Piece(cr, upper, kShell, 1.2);
  cairo_restore(cr);
}

void DrawCrab(cairo_t* cr, double hx, double gy, double t) {
  double bob = 1.0 * std::cos(2 * t);
  double cy = gy - 12 - bob;
  // Legs: three a side, neighbours out of step, tips on the ground.
  for (int side = -1; side <= 1; side += 2) {
    for (int k = 0; k < 3; ++k) {
      double phase = t + k * 2.1 + (side > 0 ? M_PI : 0);
      double lift = 3.5 * std::max(0.0, std::sin(phase));
      double rootX = hx + side * (6 + k * 4), rootY = cy + 3;
      double tipX = hx + side * (19 + k * 4.5) + 2 * std::cos(phase), tipY = gy - lift;
      Limb(cr, {rootX, rootY, rootX + side * 10, cy - 5 - lift * 0.4, tipX, tipY}, 2.2,
           k == 1 ? kShell.base : kShell.shade, kInk);
    }
  }
  // Eye stalks, then the shell over their roots.
  double look = 1.0;
  for (double ex : {hx - 4, hx + 5}) {
    Limb(cr, {ex, cy - 6, ex + 0.5, cy - 14}, 2, kShell.base, kInk);
    Eye(cr, ex + 0.5, cy - 16, 3.3, look, 0.1, kInk);
  }
  auto shell = [&](cairo_t* c) {
    cairo_new_path(c);
    cairo_move_to(c, hx - 18, cy + 1);
    cairo_curve_to(c, hx - 18, cy - 11, hx + 18, cy - 11, hx + 18, cy + 1);
    cairo_curve_to(c, hx + 16, cy + 8, hx - 16, cy + 8, hx - 18, cy + 1);
    cairo_close_path(c);
  };
  Body(cr, shell, kShell, hx - 18, cy - 9, 36, 16, 2.5);
  // A little grin and spots.
  cairo_new_path(cr);
  cairo_move_to(cr, hx + 1, cy + 1.5);
  cairo_curve_to(cr, hx + 3, cy + 4, hx + 7, cy + 4, hx + 9, cy + 1);
  SetRgb(cr, kInk);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  for (auto [sx, sy] : {std::pair{-11.0, -3.0}, {-7.0, 1.0}, {12.0, -2.0}}) {
    Ellipse(cr, hx + sx, cy + sy, 1.5, 1.2);
    SetRgb(cr, Hex(0xFFB08A));
    cairo_fill(cr);
  }
  // Claws snap twice per cycle, the two out of step.
  double open1 = 0.5 + 0.5 * std::sin(2 * t), open2 = 0.5 + 0.5 * std::sin(2 * t + M_PI);
  Claw(cr, hx - 14, cy - 3, -1, open1);
  Claw(cr, hx + 14, cy - 3, 1, open2);
}

void MakeCrab(const Context& ctx) {
  const char* path = "Images\\Enemy\\Crab\\Crab_walk.png";
  Handle h = HandleOf(path);
  Strip(ctx, path, [&](cairo_t* cr, int f) {
    GroundShadow(cr, h.x, h.y, 20);
    Facing(cr, f < 16, h.x, [&] { DrawCrab(cr, h.x, h.y, Phase(f % 16, 16)); });
  });
}

FORGE_JOB("pictures", "enemy_crab", &MakeCrab);

}  // namespace
}  // namespace forge::art::enemies
