// The bear: strolls upright (tall enough for the hero to stand on its head),
// charges on all fours once it has been hurt, and tumbles dizzily when beaten.
#include "pictures/enemies_kit.h"

namespace forge::art::enemies {
namespace {

const Rgb kInk = Hex(0x2E1A0E);
const Skin kFur = {Hex(0xB0682C), Hex(0x7E4520), kInk};
const Skin kTan = {Hex(0xF0C78A), Hex(0xCF9E62), kInk};
const Rgb kPad = Hex(0x4A2C1A);

void Head(cairo_t* cr, double cx, double cy, double r, bool dizzy) {
  for (double ex : {-0.62, 0.55}) {
    Piece(
        cr, [&](cairo_t* c) { Ellipse(c, cx + ex * r, cy - 0.8 * r, r * 0.36, r * 0.36); }, kFur,
        1.2);
    Ellipse(cr, cx + ex * r, cy - 0.8 * r, r * 0.17, r * 0.17);
    SetRgb(cr, kTan.shade);
    cairo_fill(cr);
  }
  Body(
      cr, [&](cairo_t* c) { Ellipse(c, cx, cy, r, r * 0.95); }, kFur, cx - r, cy - r, 2 * r, 2 * r,
      2.5);
  // Snout pointing right.
  Piece(
      cr, [&](cairo_t* c) { Ellipse(c, cx + r * 0.72, cy + r * 0.22, r * 0.48, r * 0.36); }, kTan,
      1.2);
  Ellipse(cr, cx + r * 1.08, cy + r * 0.08, r * 0.17, r * 0.13);
  SetRgb(cr, kInk);
  cairo_fill(cr);
  if (dizzy) {
    SetRgb(cr, kInk);
    cairo_set_line_width(cr, 1.6);
    for (double ex : {cx + r * 0.1, cx + r * 0.5}) {
      double ey = cy - r * 0.25, s = r * 0.13;
      cairo_move_to(cr, ex - s, ey - s);
      cairo_line_to(cr, ex + s, ey + s);
      cairo_move_to(cr, ex + s, ey - s);
      cairo_line_to(cr, ex - s, ey + s);
    }
    cairo_stroke(cr);
  } else {
    Eye(cr, cx + r * 0.38, cy - r * 0.28, r * 0.2, 0.5, 0.1, kInk);
    Brow(cr, cx + r * 0.36, cy - r * 0.55, r * 0.45, r * 0.12, kInk, 1.8);
  }
}

// Upright, facing right, feet on (hx, gy).
void DrawBearWalking(cairo_t* cr, double hx, double gy, double t) {
  double bob = 1.5 * std::cos(2 * t);
  double swing = std::sin(t);
  auto arm = [&](double s, const Skin& skin) {
    Pt sh{hx + 1, gy - 48 - bob};
    Pt hand{hx + 4 + 9 * s, gy - 30 - bob - 2 * std::abs(s)};
    Limb(cr, {sh.x, sh.y, (sh.x + hand.x) / 2 + 1, (sh.y + hand.y) / 2, hand.x, hand.y}, 8,
         skin.base, kInk);
    Ellipse(cr, hand.x, hand.y + 1, 4.5, 4);
    FillOutline(cr, skin.base, kInk, 1.5);
  };
  auto leg = [&](double phase, const Skin& skin) {
    Pt d = StepFoot(phase, 6, 4);
    Pt hip{hx - 1, gy - 16 - bob};
    Pt foot{hx + d.x, gy - 4 + d.y};
    Limb(cr, {hip.x, hip.y, foot.x, foot.y}, 9, skin.base, kInk);
    Ellipse(cr, foot.x + 2, foot.y + 1, 6.5, 3.5);
    FillOutline(cr, skin.base, kInk, 1.5);
    Ellipse(cr, foot.x + 2.5, foot.y + 1.5, 3.5, 1.6);
    SetRgb(cr, kPad);
    cairo_fill(cr);
  };
  Skin back = {kFur.shade, Darker(kFur.shade, 0.15), kInk};
  arm(-swing, back);
  leg(t + M_PI, back);
  double cy = gy - 33 - bob;
  Body(
      cr, [&](cairo_t* c) { Ellipse(c, hx, cy, 17, 22); }, kFur, hx - 17, cy - 22, 34, 44, 3);
  Piece(
      cr, [&](cairo_t* c) { Ellipse(c, hx + 5, cy + 2, 9, 14); }, kTan, 1.5);
  leg(t, kFur);
  Head(cr, hx + 2, gy - 62 - bob * 1.2, 12.5, false);
  arm(swing, kFur);
}

// On all fours, facing right: a bounding gallop, feet on (hx, gy).
void DrawBearRunning(cairo_t* cr, double hx, double gy, double t) {
  double lift = 3.5 * std::abs(std::sin(t));
  double pitch = 0.09 * std::sin(t);
  double cy = gy - 27 - lift;
  auto leg = [&](double rootX, double phase, const Skin& skin, bool front) {
    // Reach forward while lifted, sweep back along the ground otherwise.
    double reach = 9 * std::cos(phase);
    double up = 5 * std::max(0.0, std::sin(phase));
    Pt root{rootX, cy + 4};
    Pt foot{rootX + reach, gy - 3 - up};
    Pt knee{(root.x + foot.x) / 2 + (front ? -2 : 3), (root.y + foot.y) / 2};
    Limb(cr, {root.x, root.y, knee.x, knee.y, foot.x, foot.y}, 8, skin.base, kInk);
    Ellipse(cr, foot.x + 1.5, foot.y + 0.5, 5, 3);
    FillOutline(cr, skin.base, kInk, 1.5);
  };
  Skin back = {kFur.shade, Darker(kFur.shade, 0.15), kInk};
  leg(hx - 11, t + M_PI + 0.6, back, false);
  leg(hx + 10, t + 0.6, back, true);
  Rotated(cr, hx, cy, pitch, [&] {
    auto body = [&](cairo_t* c) {
      cairo_new_path(c);
      cairo_move_to(c, hx - 20, cy + 2);
      cairo_curve_to(c, hx - 21, cy - 10, hx - 10, cy - 14, hx, cy - 14);
      // The shoulder hump.
      cairo_curve_to(c, hx + 6, cy - 18, hx + 16, cy - 14, hx + 16, cy - 4);
      cairo_curve_to(c, hx + 16, cy + 8, hx + 6, cy + 10, hx - 4, cy + 10);
      cairo_curve_to(c, hx - 14, cy + 10, hx - 20, cy + 9, hx - 20, cy + 2);
      cairo_close_path(c);
    };
    Body(cr, body, kFur, hx - 20, cy - 16, 36, 26, 3);
    // Stubby tail.
    Piece(
        cr, [&](cairo_t* c) { Ellipse(c, hx - 20, cy - 4, 3, 3); }, kFur, 1);
  });
  leg(hx - 9, t + M_PI, kFur, false);
  leg(hx + 12, t, kFur, true);
  Head(cr, hx + 13, cy - 6 + 1.5 * std::sin(t + 0.8), 9.5, false);
}

// Beaten: facing out, reeling on its back legs, stars round its head.
void DrawBearDying(cairo_t* cr, double hx, double gy, int f) {
  double t = Phase(f, 4);
  double tilt = 0.12 * std::sin(t);
  Rotated(cr, hx, gy, tilt, [&] {
    for (double side : {-1.0, 1.0}) {
      double kick = side * 3 * std::sin(t);
      Limb(cr, {hx + side * 8, gy - 18, hx + side * 12 + kick, gy - 5}, 9, kFur.base, kInk);
      Ellipse(cr, hx + side * 12 + kick, gy - 3, 6, 3.5);
      FillOutline(cr, kFur.base, kInk, 1.5);
    }
    double cy = gy - 33;
    Body(
        cr, [&](cairo_t* c) { Ellipse(c, hx, cy, 18, 21); }, kFur, hx - 18, cy - 21, 36, 42, 3);
    Piece(
        cr, [&](cairo_t* c) { Ellipse(c, hx, cy + 3, 10, 13); }, kTan, 1.5);
    // Arms flung up, flapping.
    for (double side : {-1.0, 1.0}) {
      double flap = 4 * std::sin(t + (side > 0 ? M_PI / 2 : 0));
      Pt hand{hx + side * 21, gy - 66 + flap};
      Limb(cr, {hx + side * 13, gy - 45, hx + side * 20, gy - 55 + flap / 2, hand.x, hand.y}, 7,
           kFur.base, kInk);
      Ellipse(cr, hand.x, hand.y, 4.5, 4);
      FillOutline(cr, kFur.base, kInk, 1.5);
    }
    // Head, seen from the front.
    double hy = gy - 62;
    for (double side : {-1.0, 1.0}) {
      Piece(
          cr, [&](cairo_t* c) { Ellipse(c, hx + side * 9, hy - 9, 4.5, 4.5); }, kFur, 1.2);
    }
    Body(
        cr, [&](cairo_t* c) { Ellipse(c, hx, hy, 12.5, 12); }, kFur, hx - 12.5, hy - 12, 25, 24,
        2.5);
    Piece(
        cr, [&](cairo_t* c) { Ellipse(c, hx, hy + 5, 6.5, 4.5); }, kTan, 1);
    Ellipse(cr, hx, hy + 3, 2.5, 1.8);
    SetRgb(cr, kInk);
    cairo_fill(cr);
    cairo_set_line_width(cr, 1.6);
    for (double ex : {hx - 5, hx + 5}) {
      double ey = hy - 3, s = 2;
      cairo_move_to(cr, ex - s, ey - s);
      cairo_line_to(cr, ex + s, ey + s);
      cairo_move_to(cr, ex + s, ey - s);
      cairo_line_to(cr, ex - s, ey + s);
    }
    cairo_stroke(cr);
    // Tongue out.
    Ellipse(cr, hx + 1.5, hy + 9.5, 2, 2.5);
    FillOutline(cr, Hex(0xFF7A8A), kInk, 1.2);
  });
  // Stars circling the head: a quarter turn a frame, so the loop is seamless.
  for (int k = 0; k < 3; ++k) {
    double a = t / 3 + k * kTau / 3;
    double sx = hx + 16 * std::cos(a), sy = gy - 76 + 3 * std::sin(a);
    cairo_new_path(cr);
    for (int p = 0; p < 10; ++p) {
      double rr = (p % 2) ? 1.6 : 3.8, aa = -M_PI / 2 + p * M_PI / 5;
      cairo_line_to(cr, sx + rr * std::cos(aa), sy + rr * std::sin(aa));
    }
    cairo_close_path(cr);
    FillOutline(cr, Hex(0xFFE04A), kInk, 1.2);
  }
}

void MakeBear(const Context& ctx) {
  {
    const char* path = "Images\\Enemy\\Bear\\bear_walking.png";
    Handle h = HandleOf(path);
    Strip(ctx, path, [&](cairo_t* cr, int f) {
      GroundShadow(cr, h.x, h.y, 15);
      Facing(cr, f < 8, h.x, [&] { DrawBearWalking(cr, h.x, h.y, Phase(f % 8, 8)); });
    });
  }
  {
    const char* path = "Images\\Enemy\\Bear\\bear_running.png";
    Handle h = HandleOf(path);
    Strip(ctx, path, [&](cairo_t* cr, int f) {
      GroundShadow(cr, h.x, h.y, 18);
      Facing(cr, f < 8, h.x, [&] {
        // Slightly smaller than the walker, so both facings fit beside the
        // handle, which sits left of the cell's middle.
        cairo_translate(cr, h.x, h.y);
        cairo_scale(cr, 0.9, 0.9);
        cairo_translate(cr, -h.x - 2, -h.y);
        DrawBearRunning(cr, h.x, h.y, Phase(f % 8, 8));
      });
    });
  }
  {
    const char* path = "Images\\Enemy\\Bear\\bear_dying.png";
    Handle h = HandleOf(path);
    Strip(ctx, path, [&](cairo_t* cr, int f) {
      cairo_translate(cr, h.x + 5, h.y);
      cairo_scale(cr, 0.9, 0.9);
      cairo_translate(cr, -h.x, -h.y);
      DrawBearDying(cr, h.x, h.y, f);
    });
  }
}

FORGE_JOB("pictures", "enemy_bear", &MakeBear);

}  // namespace
}  // namespace forge::art::enemies
