// The blowfish: a small fish that swims about, and puffs itself up into a
// huge spiky ball when the hero comes near.
#include <algorithm>

#include "pictures/enemies_kit.h"

namespace forge::art::enemies {
namespace {

const Rgb kInk = Hex(0x1A2A40);
const Skin kScales = {Hex(0xFFC83A), Hex(0xD8902A), kInk};
const Skin kBelly = {Hex(0xFFF2C0), Hex(0xE8D090), kInk};
const Skin kFin = {Hex(0xFF8A4A), Hex(0xD05A2A), kInk};

// Swimming, facing right, centred on (cx, cy).
void DrawSwimmer(cairo_t* cr, double cx, double cy, double t) {
  double wag = 0.35 * std::sin(t);
  // Tail.
  Rotated(cr, cx - 12, cy, wag, [&] {
    Piece(
        cr,
        [&](cairo_t* c) {
          cairo_new_path(c);
          cairo_move_to(c, cx - 11, cy);
          cairo_line_to(c, cx - 22, cy - 7);
          cairo_curve_to(c, cx - 19, cy - 2, cx - 19, cy + 2, cx - 22, cy + 7);
          cairo_close_path(c);
        },
        kFin, 1);
  });
  Body(
      cr, [&](cairo_t* c) { Ellipse(c, cx, cy, 14, 8.5); }, kScales, cx - 14, cy - 8.5, 28, 17, 2);
  cairo_save(cr);
  Ellipse(cr, cx, cy, 14, 8.5);
  cairo_clip(cr);
  Ellipse(cr, cx + 2, cy + 6, 11, 4.5);
  SetRgb(cr, kBelly.base);
  cairo_fill(cr);
  // A few spines lying flat.
  SetRgb(cr, kScales.shade);
  cairo_set_line_width(cr, 1);
  for (int k = 0; k < 4; ++k) {
    cairo_move_to(cr, cx - 8 + k * 4, cy - 5);
    cairo_line_to(cr, cx - 10 + k * 4, cy - 7);
  }
  cairo_stroke(cr);
  cairo_restore(cr);
  Ellipse(cr, cx, cy, 14, 8.5);
  SetRgb(cr, kInk);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  // Side fin paddling.
  Rotated(cr, cx - 1, cy + 1, 0.5 * std::sin(t + 1), [&] {
    Piece(
        cr, [&](cairo_t* c) { Ellipse(c, cx - 4, cy + 1, 4, 2.5); }, kFin, 0.8);
  });
  Eye(cr, cx + 7, cy - 2, 3, 0.6, 0, kInk);
  // Pursed lips.
  Ellipse(cr, cx + 13.5, cy + 2, 1.8, 1.5);
  FillOutline(cr, Hex(0xFF7A8A), kInk, 1);
}

// Puffed up, seen from the front, centred on (cx, cy): size 0 is about the
// swimmer's size, 1 the full ball.
void DrawPuffed(cairo_t* cr, double cx, double cy, double size, double pulse) {
  double rx = Lerp(16, 66, size) * (1 + 0.03 * pulse), ry = Lerp(10, 47, size) * (1 - 0.03 * pulse);
  // Spikes all round, longer once it is fully blown.
  double spike = Lerp(1, 12, size) * (1 + 0.12 * pulse);
  int n = 22;
  cairo_new_path(cr);
  for (int k = 0; k < n; ++k) {
    double a = k * kTau / n, a1 = a + kTau / n / 2;
    double x = cx + rx * std::cos(a) * 0.96, y = cy + ry * std::sin(a) * 0.96;
    double tx = cx + (rx + spike) * std::cos(a1), ty = cy + (ry + spike) * std::sin(a1);
    double x2 = cx + rx * std::cos(a + kTau / n) * 0.96,
           y2 = cy + ry * std::sin(a + kTau / n) * 0.96;
    if (k == 0) cairo_move_to(cr, x, y);
    cairo_line_to(cr, tx, ty);
    cairo_line_to(cr, x2, y2);
  }
  cairo_close_path(cr);
  FillOutline(cr, Hex(0xFFF0C8), kInk, 2);
  // Side fins and a tail peeking out behind.
  for (double side : {-1.0, 1.0}) {
    double fa = 0.4 * std::sin(pulse * M_PI + (side > 0 ? 0 : M_PI));
    Rotated(cr, cx + side * rx * 0.95, cy + ry * 0.1, side * fa, [&] {
      Piece(
          cr,
          [&](cairo_t* c) {
            Ellipse(c, cx + side * (rx * 0.95 + 5 * (0.4 + size)), cy + ry * 0.1, 6 * (0.4 + size),
                    4 * (0.4 + size));
          },
          kFin, 1);
    });
  }
  auto ball = [&](cairo_t* c) { Ellipse(c, cx, cy, rx, ry); };
  Body(cr, ball, kScales, cx - rx, cy - ry, 2 * rx, 2 * ry, 2 + 6 * size, 0.4);
  cairo_save(cr);
  ball(cr);
  cairo_clip(cr);
  Ellipse(cr, cx, cy + ry * 0.55, rx * 0.75, ry * 0.5);
  SetRgb(cr, kBelly.base);
  cairo_fill(cr);
  // Spots.
  for (auto [sx, sy] :
       {std::pair{-0.55, -0.45}, {0.5, -0.5}, {-0.2, -0.7}, {0.75, 0.0}, {-0.78, 0.05}}) {
    Ellipse(cr, cx + sx * rx, cy + sy * ry, rx * 0.07 + 0.5, rx * 0.07 + 0.5);
    SetRgb(cr, kScales.shade);
    cairo_fill(cr);
  }
  cairo_restore(cr);
  ball(cr);
  SetRgb(cr, kInk);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  // Furious face: bulging eyes, a tiny "o" mouth with cheeks puffed.
  double er = Lerp(3, 11, size);
  Eye(cr, cx - rx * 0.3, cy - ry * 0.2, er, 0, 0.25, kInk);
  Eye(cr, cx + rx * 0.3, cy - ry * 0.2, er, 0, 0.25, kInk);
  Brow(cr, cx - rx * 0.3, cy - ry * 0.2 - er * 1.5, er * 1.8, er * 0.6, kInk, 1.5 + size * 2);
  Brow(cr, cx + rx * 0.3, cy - ry * 0.2 - er * 1.5, er * 1.8, -er * 0.6, kInk, 1.5 + size * 2);
  Ellipse(cr, cx, cy + ry * 0.3, er * 0.55, er * 0.5 * (1 + 0.15 * pulse));
  FillOutline(cr, Hex(0xC8304A), kInk, 1.5);
}

void MakeBlowfishSwim(const Context& ctx) {
  const char* path = "Images\\Enemy\\Blowfish\\Blowfish_swim.png";
  Handle h = HandleOf(path);
  Strip(ctx, path, [&](cairo_t* cr, int f) {
    Facing(cr, f < 8, h.x, [&] { DrawSwimmer(cr, h.x + 2, h.y, Phase(f % 8, 8)); });
  });
}

void MakeBlowfishBlow(const Context& ctx) {
  const char* path = "Images\\Enemy\\Blowfish\\Blowfish_blow.png";
  Handle h = HandleOf(path);
  // 0-10 swelling up (played backwards to shrink); 11-27 the blown-up ball
  // throbbing, a loop whose last frame leads back into frame 11.
  Strip(ctx, path, [&](cairo_t* cr, int f) {
    if (f <= 10) {
      double u = f / 10.0;
      // A little overshoot as it pops to full size.
      double size = std::min(1.05, Smooth(u) * 1.05);
      DrawPuffed(cr, h.x, h.y, size, 0);
    } else {
      double pulse = std::sin(Phase(f - 11, 17));
      DrawPuffed(cr, h.x, h.y, 1.0 + 0.02 * pulse, pulse);
    }
  });
}

void MakeBlowfish(const Context& ctx) {
  MakeBlowfishSwim(ctx);
  MakeBlowfishBlow(ctx);
}

FORGE_JOB("pictures", "enemy_blowfish", &MakeBlowfish);

}  // namespace
}  // namespace forge::art::enemies
