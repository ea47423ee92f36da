// The walking fan: a desk fan on little feet. It walks with its head facing
// ahead, presses its own switch while its head tips up, and then spins,
// blowing straight up.
#include "pictures/enemies_kit.h"

namespace forge::art::enemies {
namespace {

const Rgb kInk = Hex(0x1A2436);
const Skin kBody = {Hex(0x39C2B0), Hex(0x22887C), kInk};
const Skin kCage = {Hex(0xE6EEF6), Hex(0xA8B6C8), kInk};
const Rgb kBlade = Hex(0xFFB347);

struct FanPose {
  double step = 0, stride = 0;
  double tilt = 0;    // 0 head facing ahead (+x), 1 facing straight up
  double blades = 0;  // blade turn
  double blur = 0;    // 0 still blades, 1 a spinning blur
  double press = 0;   // 0..1 the front foot pushing the switch
};

// Facing right, feet on (hx, gy).
void DrawFan(cairo_t* cr, double hx, double gy, const FanPose& p) {
  double bob = p.stride > 0 ? 1.2 * std::cos(2 * p.step) : 0;
  // Feet.
  for (int k = 0; k < 2; ++k) {
    Pt d = StepFoot(p.step + k * M_PI, p.stride, p.stride * 0.6);
    double fx = hx + (k ? -6 : 6) + d.x, fy = gy - 3 + d.y;
    if (k == 0 && p.press > 0) {
      fx = hx + 5;
      fy = gy - 3 - 6 * std::sin(M_PI * p.press);
    }
    Piece(
        cr, [&](cairo_t* c) { Ellipse(c, fx + 1, fy, 5, 3); }, {Hex(0xFF6F59), Hex(0xC8453A), kInk},
        1);
  }
  // Base with its switch.
  double by = gy - 9 - bob;
  Body(
      cr, [&](cairo_t* c) { Ellipse(c, hx, by, 13, 4.5); }, kBody, hx - 13, by - 4.5, 26, 9, 1.5,
      0.3);
  double push = p.press > 0 ? 1.5 * std::sin(M_PI * p.press) : 0;
  Piece(
      cr, [&](cairo_t* c) { RoundRect(c, hx + 4, by - 6 + push, 5, 3, 1); },
      {Hex(0xFF4040), Hex(0xB02020), kInk}, 0.5);
  // Pole.
  double neckY = gy - 52 - bob;
  Limb(cr, {hx - 1, by - 2, hx - 1, neckY}, 4, kBody.base, kInk);
  // The head turns about the top of the pole.
  double angle = -M_PI / 2 * p.tilt;
  cairo_save(cr);
  cairo_translate(cr, hx - 1, neckY);
  cairo_rotate(cr, angle);
  // Motor housing behind the cage.
  Body(
      cr, [](cairo_t* c) { RoundRect(c, -9, -5, 10, 10, 4); }, kBody, -9, -5, 10, 10, 1.5);
  // Cage seen three-quarter: an ellipse facing +x.
  double cx = 5, r = 15;
  auto cage = [&](cairo_t* c) { Ellipse(c, cx, 0, r * 0.42, r); };
  Body(cr, cage, kCage, cx - r * 0.42, -r, r * 0.84, 2 * r, 1.5, 0.4);
  // Blades inside, squashed by the same view.
  cairo_save(cr);
  cairo_new_path(cr);
  cage(cr);
  cairo_clip(cr);
  cairo_translate(cr, cx, 0);
  cairo_scale(cr, 0.42, 1);
  if (p.blur > 0) {
    Ellipse(cr, 0, 0, r - 2, r - 2);
    SetRgb(cr, kBlade, 0.45 * p.blur);
    cairo_fill(cr);
  }
  for (int k = 0; k < 3; ++k) {
    cairo_save(cr);
    cairo_rotate(cr, p.blades + k * kTau / 3);
    Ellipse(cr, 0, -7, 4.5, 7);
    SetRgb(cr, kBlade, 1 - 0.5 * p.blur);
    cairo_fill_preserve(cr);
    SetRgb(cr, Darker(kBlade, 0.4), 1 - 0.5 * p.blur);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_restore(cr);
  }
  cairo_restore(cr);
  // Grille wires.
  SetRgb(cr, kInk, 0.5);
  cairo_set_line_width(cr, 0.8);
  for (double u : {-0.6, -0.2, 0.2, 0.6}) {
    cairo_move_to(cr, cx - r * 0.42 * std::sqrt(1 - u * u), u * r);
    cairo_line_to(cr, cx + r * 0.42 * std::sqrt(1 - u * u), u * r);
  }
  cairo_stroke(cr);
  cairo_new_path(cr);
  cage(cr);
  SetRgb(cr, kInk);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  Piece(
      cr, [&](cairo_t* c) { Ellipse(c, cx + 1, 0, 2, 2.5); }, kBody, 0.5);
  // Eyes on the housing.
  cairo_restore(cr);
  double ex = hx - 6 + 2 * p.tilt, ey = neckY - 2 + 3 * p.tilt;
  DotEye(cr, ex, ey, 1.6, kInk);
  DotEye(cr, ex + 3.5, ey + 0.5, 1.4, kInk);
}

// Air rising from the head once it blows upward.
void Wind(cairo_t* cr, double hx, double top, double phase, double alpha) {
  SetRgb(cr, Hex(0xFFFFFF), 0.85 * alpha);
  cairo_set_line_width(cr, 1.8);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int k = 0; k < 3; ++k) {
    double x = hx - 8 + k * 7, y = top - std::fmod(phase * 3 + k * 4, 12);
    cairo_move_to(cr, x, y);
    cairo_curve_to(cr, x + 2, y - 2, x - 2, y - 4, x, y - 6);
  }
  cairo_stroke(cr);
}

void MakeFanWalk(const Context& ctx) {
  const char* path = "Images\\Enemy\\Fan\\Fan_walk.png";
  Handle h = HandleOf(path);
  Strip(ctx, path, [&](cairo_t* cr, int f) {
    FanPose p;
    p.step = Phase(f % 16, 16);
    p.stride = 5;
    GroundShadow(cr, h.x, h.y - 1, 12);
    Facing(cr, f < 16, h.x, [&] { DrawFan(cr, h.x, h.y, p); });
  });
}

void MakeFanPress(const Context& ctx) {
  const char* path = "Images\\Enemy\\Fan\\Fan_press.png";
  Handle h = HandleOf(path);
  // 0-4 a foot presses the switch; 3-13 the head tips up while the blades
  // start to turn, ending as the spin strip begins.
  Strip(ctx, path, [&](cairo_t* cr, int f) {
    int s = f % 14;
    FanPose p;
    p.press = s <= 4 ? s / 4.0 : 0;
    double u = Smooth((s - 3) / 10.0);
    p.tilt = u;
    p.blades = 0.5 * u * u * 14;
    p.blur = u;
    GroundShadow(cr, h.x, h.y - 1, 12);
    Facing(cr, f < 14, h.x, [&] { DrawFan(cr, h.x, h.y, p); });
  });
}

void MakeFanSpin(const Context& ctx) {
  const char* path = "Images\\Enemy\\Fan\\Fan_spin.png";
  Handle h = HandleOf(path);
  // A quarter of a blade's spacing a frame, so four frames loop.
  Strip(ctx, path, [&](cairo_t* cr, int f) {
    FanPose p;
    p.tilt = 1;
    p.blur = 1;
    p.blades = f * kTau / 12;
    GroundShadow(cr, h.x, h.y - 1, 12);
    DrawFan(cr, h.x, h.y, p);
    Wind(cr, h.x, 12, f, 1);
  });
}

void MakeFan(const Context& ctx) {
  MakeFanWalk(ctx);
  MakeFanPress(ctx);
  MakeFanSpin(ctx);
}

FORGE_JOB("pictures", "enemy_fan", &MakeFan);

}  // namespace
}  // namespace forge::art::enemies
