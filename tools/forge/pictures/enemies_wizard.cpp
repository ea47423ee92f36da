// The wizard (walking, casting) and the bouncing shot he casts.
#include "pictures/enemies_kit.h"

namespace forge::art::enemies {
namespace {

const Rgb kInk = Hex(0x1C1640);
const Skin kRobe = {Hex(0x4D5BE0), Hex(0x3140A8), kInk};
const Skin kFace = {Hex(0xFFD1A6), Hex(0xE0A47A), kInk};
const Skin kBeard = {Hex(0xF7F7FF), Hex(0xC8C8E0), kInk};
const Rgb kGold = Hex(0xFFD24A);
const Rgb kMagic = Hex(0xE070FF);

void Sparkle(cairo_t* cr, double x, double y, double r, Rgb c, double alpha = 1.0) {
  cairo_new_path(cr);
  for (int k = 0; k < 8; ++k) {
    double a = k * M_PI / 4, rr = (k % 2) ? r * 0.3 : r;
    cairo_line_to(cr, x + rr * std::cos(a), y + rr * std::sin(a));
  }
  cairo_close_path(cr);
  SetRgb(cr, c, alpha);
  cairo_fill(cr);
}

void Orb(cairo_t* cr, double x, double y, double r, double glow) {
  if (glow > 0) {
    cairo_pattern_t* p = cairo_pattern_create_radial(x, y, 0, x, y, r * (2 + glow));
    cairo_pattern_add_color_stop_rgba(p, 0, kMagic.r, kMagic.g, kMagic.b, 0.7 * glow);
    cairo_pattern_add_color_stop_rgba(p, 1, kMagic.r, kMagic.g, kMagic.b, 0);
    cairo_set_source(cr, p);
    Ellipse(cr, x, y, r * (2 + glow), r * (2 + glow));
    cairo_fill(cr);
    cairo_pattern_destroy(p);
  }
  Body(
      cr, [&](cairo_t* c) { Ellipse(c, x, y, r, r); }, {kMagic, Hex(0x9A3AC8), kInk}, x - r, y - r,
      2 * r, 2 * r, r * 0.3, 0.6);
}

struct WizardPose {
  double step = 0, stride = 0;  // walk phase and foot swing
  double staff = -M_PI / 2;     // staff direction from the hand (up = -pi/2)
  double raise = 0;             // 0 hand at the side, 1 hand up high
  double orb = 3.5, glow = 0;   // orb size and its glow
};

// Facing right, feet on (hx, gy); gives back where the orb is.
Pt DrawWizard(cairo_t* cr, double hx, double gy, const WizardPose& p) {
  double bob = p.stride > 0 ? 1.2 * std::cos(2 * p.step) : 0;
  double sway = 1.5 * std::sin(p.step) * (p.stride > 0);
  // Feet peeping out under the hem.
  for (int k = 0; k < 2; ++k) {
    Pt d = StepFoot(p.step + k * M_PI, p.stride, p.stride * 0.5);
    cairo_new_path(cr);
    Ellipse(cr, hx + d.x + 3, gy - 2.5 + d.y, 5.5, 2.8);
    FillOutline(cr, k ? Hex(0x6A3A1E) : Hex(0x8A4E2A), kInk, 1.5);
  }
  double top = gy - 44 - bob;
  auto robe = [&](cairo_t* c) {
    cairo_new_path(c);
    cairo_move_to(c, hx - 7, top);
    cairo_line_to(c, hx + 9, top);
    cairo_curve_to(c, hx + 12, top + 16, hx + 16 + sway, gy - 14, hx + 17 + sway, gy - 4);
    cairo_curve_to(c, hx + 6, gy - 1, hx - 6, gy - 1, hx - 16 + sway, gy - 4);
    cairo_curve_to(c, hx - 14 + sway, gy - 16, hx - 10, top + 14, hx - 7, top);
    cairo_close_path(c);
  };
  Body(cr, robe, kRobe, hx - 16, top, 33, gy - top, 3.5);
  // Golden stars and moon on the robe.
  Sparkle(cr, hx - 6, gy - 14 - bob, 3, kGold);
  Sparkle(cr, hx + 6, gy - 24 - bob, 2.5, kGold);
  Sparkle(cr, hx - 1, gy - 33 - bob, 2, kGold);
  // Head, beard and nose.
  double cx = hx + 2, cy = top - 5;
  Body(
      cr, [&](cairo_t* c) { Ellipse(c, cx, cy, 8, 8); }, kFace, cx - 8, cy - 8, 16, 16, 1.5);
  auto beard = [&](cairo_t* c) {
    cairo_new_path(c);
    cairo_move_to(c, cx - 6, cy + 1);
    cairo_curve_to(c, cx - 4, cy + 10, cx + 2, cy + 17, cx + 6 + sway * 0.5, cy + 21);
    cairo_curve_to(c, cx + 8, cy + 14, cx + 10, cy + 7, cx + 9, cy + 1);
    cairo_curve_to(c, cx + 5, cy + 4, cx - 2, cy + 4, cx - 6, cy + 1);
    cairo_close_path(c);
  };
  Body(cr, beard, kBeard, cx - 6, cy + 1, 16, 20, 1.5);
  Piece(
      cr, [&](cairo_t* c) { Ellipse(c, cx + 8, cy + 0.5, 3, 2.5); }, kFace, 0.8);
  Eye(cr, cx + 4, cy - 2.5, 2.2, 0.7, 0, kInk);
  Brow(cr, cx + 4, cy - 5.5, 5, 1.2, kBeard.shade, 2);
  // The tall hat, its tip flopping back.
  auto hat = [&](cairo_t* c) {
    cairo_new_path(c);
    cairo_move_to(c, cx - 11, cy - 5);
    cairo_curve_to(c, cx - 6, cy - 14, cx - 4, cy - 26, cx - 10, cy - 34 - bob);
    cairo_curve_to(c, cx - 1, cy - 30, cx + 6, cy - 18, cx + 12, cy - 5);
    cairo_close_path(c);
  };
  Body(cr, hat, kRobe, cx - 11, cy - 34, 23, 29, 2.5);
  Body(
      cr, [&](cairo_t* c) { Ellipse(c, cx + 0.5, cy - 5, 14, 3.2); }, kRobe, cx - 13, cy - 8, 27, 6,
      1.5, 0);
  Sparkle(cr, cx - 2, cy - 16, 2.5, kGold);

  // Arm and staff: the staff passes through the hand.
  Pt shoulder{hx + 5, top + 6};
  Pt hand{hx + 13 + 3 * p.raise, top + 16 - 20 * p.raise};
  double ux = std::cos(p.staff), uy = std::sin(p.staff);
  Pt tip{hand.x + 20 * ux, hand.y + 20 * uy}, butt{hand.x - 30 * ux, hand.y - 30 * uy};
  Limb(cr, {butt.x, butt.y, tip.x, tip.y}, 3, Hex(0x9A6234), kInk);
  Orb(cr, tip.x, tip.y, p.orb, p.glow);
  Limb(cr, {shoulder.x, shoulder.y, hand.x, hand.y}, 5.5, kRobe.base, kInk);
  Piece(
      cr, [&](cairo_t* c) { Ellipse(c, hand.x, hand.y, 3.2, 3.2); }, kFace, 0.8);
  return tip;
}

void MakeWizardWalk(const Context& ctx) {
  const char* path = "Images\\Enemy\\Wizard\\Wizard_walk.png";
  Handle h = HandleOf(path);
  Strip(ctx, path, [&](cairo_t* cr, int f) {
    WizardPose p;
    p.step = Phase(f % 8, 8);
    p.stride = 5;
    p.staff = -M_PI / 2 + 0.08 * std::sin(p.step);
    GroundShadow(cr, h.x, h.y - 1, 16);
    Facing(cr, f < 8, h.x, [&] { DrawWizard(cr, h.x, h.y, p); });
  });
}

// The cast: staff raised and charging (0-14), swung at the hero as the shot
// leaves it (15), then lowered again (16-23).
void MakeWizardShoot(const Context& ctx) {
  const char* path = "Images\\Enemy\\Wizard\\Wizard_shoot.png";
  Handle h = HandleOf(path);
  Strip(ctx, path, [&](cairo_t* cr, int f) {
    int s = f % 24;
    WizardPose p;
    double charge = Smooth(s / 14.0);
    if (s <= 14) {
      p.raise = Smooth(s / 5.0);
      p.staff = -M_PI / 2 - 0.45 * p.raise;
      p.orb = 3.5 + 3.5 * charge;
      p.glow = charge;
    } else if (s == 15) {
      p.raise = 0.15;
      p.staff = 0.5;
      p.orb = 4;
      p.glow = 1.2;
    } else {
      double back = Smooth((s - 15) / 8.0);
      p.raise = 0.15 * (1 - back);
      p.staff = Lerp(0.5, -M_PI / 2, back);
      p.orb = 3.5;
      p.glow = 0.4 * (1 - back);
    }
    GroundShadow(cr, h.x, h.y - 1, 16);
    Facing(cr, f < 24, h.x, [&] {
      Pt orb = DrawWizard(cr, h.x, h.y, p);
      // Sparks gathering round the orb while it charges.
      if (s <= 14 && s > 2) {
        double ox = orb.x, oy = orb.y;
        for (int k = 0; k < 3; ++k) {
          double a = s * 0.9 + k * kTau / 3, r = 14 - 0.6 * s;
          Sparkle(cr, ox + r * std::cos(a), oy + r * std::sin(a), 2.5, Hex(0xFFF0FF));
        }
      }
      if (s == 15) {
        Ellipse(cr, orb.x, orb.y, 10, 10);
        SetRgb(cr, Hex(0xFFFFFF), 0.9);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
      }
    });
  });
}

void MakeWizardShot(const Context& ctx) {
  const char* path = "Images\\Enemy\\Wizard\\wizard_shot.png";
  Handle h = HandleOf(path);
  Strip(ctx, path, [&](cairo_t* cr, int) {
    cairo_pattern_t* p = cairo_pattern_create_radial(h.x, h.y, 0, h.x, h.y, 16);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 0.9, 1, 0.9);
    cairo_pattern_add_color_stop_rgba(p, 0.45, kMagic.r, kMagic.g, kMagic.b, 0.6);
    cairo_pattern_add_color_stop_rgba(p, 1, kMagic.r, kMagic.g, kMagic.b, 0);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
    Orb(cr, h.x, h.y, 7, 0);
    Sparkle(cr, h.x, h.y, 12, Hex(0xFFFFFF), 0.85);
    Ellipse(cr, h.x, h.y, 2.5, 2.5);
    SetRgb(cr, Hex(0xFFFFFF));
    cairo_fill(cr);
  });
}

void MakeWizard(const Context& ctx) {
  MakeWizardWalk(ctx);
  MakeWizardShoot(ctx);
  MakeWizardShot(ctx);
}

FORGE_JOB("pictures", "enemy_wizard", &MakeWizard);

}  // namespace
}  // namespace forge::art::enemies
