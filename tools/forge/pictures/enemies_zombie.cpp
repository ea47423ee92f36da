// The zombie: a green shambler, arms out in front, one foot dragging.
#include "pictures/enemies_kit.h"

namespace forge::art::enemies {
namespace {

const Skin kSkin = SkinOf(Hex(0x8CCB4A), 0.3);
const Skin kShirt = SkinOf(Hex(0x8A4FC0), 0.3);
const Rgb kPants = Hex(0x46609A);
const Rgb kInk = Hex(0x1F2A1A);

// Facing right, feet on (hx, gy).
void DrawZombie(cairo_t* cr, double hx, double gy, double t) {
  Skin skin = kSkin, shirt = kShirt;
  skin.ink = shirt.ink = kInk;
  double bob = 1.5 * std::cos(2 * t);
  double sway = 2.0 * std::sin(t);
  Pt hip{hx - 2, gy - 19 - bob};
  Pt shoulder{hx + 2, gy - 37 - bob};

  auto leg = [&](double phase, Rgb colour) {
    // The back stroke drags: the foot lifts only a little.
    Pt d = StepFoot(phase, 7, 3.5);
    Pt foot{hx + d.x, gy - 3 + d.y};
    Pt knee = Knee(hip, foot, 10, 10, 1);
    Leg(cr, hip, knee, foot, 6, colour, kInk);
    cairo_new_path(cr);
    RoundRect(cr, foot.x - 3, foot.y - 1, 9, 4.5, 2);
    FillOutline(cr, Hex(0x5A3A2A), kInk, 1.5);
  };
  auto arm = [&](double lift, Rgb colour) {
    Pt hand{hx + 23, gy - 37 - bob + lift};
    Limb(cr, {shoulder.x, shoulder.y, hx + 13, gy - 37 - bob + lift * 0.5, hand.x, hand.y}, 5,
         colour, kInk);
    Ellipse(cr, hand.x + 1, hand.y, 3, 2.6);
    FillOutline(cr, colour, kInk, 1.5);
  };

  arm(-2 - sway, kSkin.shade);
  leg(t + M_PI, Darker(kPants, 0.25));

  // Torso: a ragged shirt leaning forward.
  Rotated(cr, hx, gy - 28 - bob, 0.12, [&] {
    auto torso = [&](cairo_t* c) {
      double x = hx - 8, y = gy - 41 - bob, w = 17, h = 24;
      cairo_new_path(c);
      cairo_move_to(c, x + 3, y);
      cairo_line_to(c, x + w - 3, y);
      cairo_curve_to(c, x + w, y, x + w, y + 3, x + w, y + 5);
      cairo_line_to(c, x + w, y + h - 2);
      cairo_line_to(c, x + w - 3, y + h + 1);
      cairo_line_to(c, x + w - 6, y + h - 2);
      cairo_line_to(c, x + w - 10, y + h + 2);
      cairo_line_to(c, x + 3, y + h - 1);
      cairo_line_to(c, x, y + h);
      cairo_line_to(c, x, y + 5);
      cairo_curve_to(c, x, y + 2, x + 1, y, x + 3, y);
      cairo_close_path(c);
    };
    Body(cr, torso, shirt, hx - 8, gy - 41 - bob, 17, 24, 2.5);
    // A patch.
    cairo_new_path(cr);
    cairo_rectangle(cr, hx - 4, gy - 30 - bob, 5, 5);
    FillOutline(cr, Hex(0xC9A04A), kInk, 1.2);
  });

  leg(t, kPants);

  // Head, lolling with the step.
  double tilt = 0.15 + 0.06 * std::sin(t);
  Rotated(cr, hx + 3, gy - 41 - bob, tilt, [&] {
    double cx = hx + 5, cy = gy - 49 - bob;
    Body(
        cr, [&](cairo_t* c) { Ellipse(c, cx, cy, 9.5, 9); }, skin, cx - 9.5, cy - 9, 19, 18, 2.5);
    // Tufts of hair.
    Limb(cr, {cx - 6, cy - 7, cx - 8, cy - 11}, 1.5, Hex(0x3A3A28), kInk);
    Limb(cr, {cx - 2, cy - 8.5, cx - 1, cy - 13}, 1.5, Hex(0x3A3A28), kInk);
    // Mismatched eyes.
    Eye(cr, cx + 4, cy - 2, 3.6, 0.5, 0.2, kInk, 0.35, kSkin.shade);
    Eye(cr, cx - 2.5, cy - 1.5, 2.6, 0.6, 0.3, kInk);
    // Groaning mouth with a tooth.
    cairo_new_path(cr);
    Ellipse(cr, cx + 3, cy + 4.5, 3.2, 2 + 0.6 * std::cos(2 * t));
    FillOutline(cr, Hex(0x3A1420), kInk, 1.2);
    cairo_rectangle(cr, cx + 2.2, cy + 2.8, 1.8, 1.6);
    SetRgb(cr, Hex(0xF4F0D8));
    cairo_fill(cr);
  });

  arm(-sway, kSkin.base);
}

void MakeZombie(const Context& ctx) {
  const char* path = "Images\\Enemy\\Zombie\\Zombie_walk.png";
  Handle h = HandleOf(path);
  Strip(ctx, path, [&](cairo_t* cr, int f) {
    GroundShadow(cr, h.x, h.y, 14);
    Facing(cr, f < 16, h.x, [&] { DrawZombie(cr, h.x, h.y, Phase(f % 16, 16)); });
  });
}

FORGE_JOB("pictures", "enemy_zombie", &MakeZombie);

}  // namespace
}  // namespace forge::art::enemies
