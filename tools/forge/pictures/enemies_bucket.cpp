// The bucket: a beach pail on little feet that pulls spades out of itself and
// throws them; and the spinning spade.
#include "pictures/enemies_kit.h"

namespace forge::art::enemies {
namespace {

const Rgb kInk = Hex(0x14283A);
const Skin kPail = {Hex(0x2FA6E8), Hex(0x1C72B0), kInk};
const Skin kBand = {Hex(0xFFD23F), Hex(0xD8A420), kInk};
const Skin kSand = {Hex(0xF4D58D), Hex(0xC9A45C), kInk};
const Skin kSpadeBlade = {Hex(0xFF6F59), Hex(0xC8453A), Hex(0x3A1410)};
const Skin kSpadeHandle = {Hex(0xFFE066), Hex(0xD8B030), Hex(0x3A1410)};

// A toy spade along +x from its middle, blade at +x.
void DrawSpade(cairo_t* cr, double cx, double cy, double angle, double scale) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, angle);
  cairo_scale(cr, scale, scale);
  Piece(
      cr, [](cairo_t* c) { RoundRect(c, -18, -2.5, 22, 5, 2.5); }, kSpadeHandle, 1);
  Piece(
      cr, [](cairo_t* c) { RoundRect(c, -22, -5, 6, 10, 3); }, kSpadeHandle, 1);
  auto blade = [](cairo_t* c) {
    cairo_new_path(c);
    cairo_move_to(c, 3, -7);
    cairo_curve_to(c, 12, -9, 19, -6, 21, 0);
    cairo_curve_to(c, 19, 6, 12, 9, 3, 7);
    cairo_close_path(c);
  };
  Body(cr, blade, kSpadeBlade, 3, -8, 18, 16, 2, 0.35);
  cairo_restore(cr);
}

// Facing right, feet on (hx, gy). armAngle points the throwing arm (pi/2
// hanging, 0 forward, -pi/2 up); holding puts a spade in its hand; squash
// above 0 crouches, below 0 stretches.
void DrawBucket(cairo_t* cr, double hx, double gy, double squash, double armAngle, bool holding,
                double look) {
  double sy = 1 - 0.1 * squash, sx = 1 + 0.08 * squash;
  for (double side : {-1.0, 1.0}) {
    Piece(
        cr, [&](cairo_t* c) { Ellipse(c, hx + side * 8 + 2, gy - 3, 6, 3.5); }, kBand, 1);
  }
  double top = gy - 42 * sy, bottom = gy - 5;
  double wt = 17 * sx, wb = 13 * sx;
  // Back of the handle.
  cairo_new_path(cr);
  cairo_arc_negative(cr, hx, top + 2, wt - 2, M_PI, 0);
  SetRgb(cr, kInk);
  cairo_set_line_width(cr, 4);
  cairo_stroke_preserve(cr);
  SetRgb(cr, Hex(0xE8EEF4));
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  auto pail = [&](cairo_t* c) {
    cairo_new_path(c);
    cairo_move_to(c, hx - wt, top);
    cairo_line_to(c, hx + wt, top);
    cairo_line_to(c, hx + wb, bottom);
    cairo_curve_to(c, hx + wb * 0.5, bottom + 2, hx - wb * 0.5, bottom + 2, hx - wb, bottom);
    cairo_close_path(c);
  };
  Body(cr, pail, kPail, hx - wt, top, 2 * wt, bottom - top, 3, 0.35);
  cairo_save(cr);
  cairo_new_path(cr);
  pail(cr);
  cairo_clip(cr);
  cairo_rectangle(cr, hx - 20, top + 4, 40, 5);
  SetRgb(cr, kBand.base);
  cairo_fill(cr);
  cairo_restore(cr);
  // Sand heaped in the rim.
  Piece(
      cr, [&](cairo_t* c) { Ellipse(c, hx, top, wt, 3.5); }, kSand, 1);
  // Face.
  double fy = top + 18 * sy;
  Eye(cr, hx + 1 + 2 * look, fy, 4, look, 0.1, kInk);
  Eye(cr, hx + 10 + 2 * look, fy, 3.6, look, 0.1, kInk);
  cairo_new_path(cr);
  cairo_move_to(cr, hx + 2, fy + 8);
  cairo_curve_to(cr, hx + 5, fy + 12, hx + 10, fy + 12, hx + 13, fy + 7);
  SetRgb(cr, kInk);
  cairo_set_line_width(cr, 1.8);
  cairo_stroke(cr);
  // The throwing arm, from the side of the pail.
  double shX = hx + wt - 3, shY = top + 12;
  double hxp = shX + 13 * std::cos(armAngle), hyp = shY + 13 * std::sin(armAngle);
  if (holding) DrawSpade(cr, hxp, hyp, armAngle - 0.3, 0.8);
  Limb(cr, {shX, shY, hxp, hyp}, 3.5, kPail.base, kInk);
  Piece(
      cr, [&](cairo_t* c) { Ellipse(c, hxp, hyp, 3.3, 3.3); }, kBand, 0.8);
}

void MakeBucketThrow(const Context& ctx) {
  const char* path = "Images\\Enemy\\Bucket\\Bucket_throw.png";
  Handle h = HandleOf(path);
  // 0 at rest; 1-7 drawing a spade from the pail and winding up behind; 8
  // the throw; 9-13 the arm swinging back down.
  Strip(ctx, path, [&](cairo_t* cr, int f) {
    int s = f % 14;
    double arm, squash = 0;
    bool holding = false;
    if (s == 0) {
      arm = 1.4;
    } else if (s <= 7) {
      double u = Smooth((s - 1) / 6.0);
      arm = Lerp(1.4, -2.3, u);  // up and over towards the back
      holding = s >= 2;
      squash = 0.5 * u;
    } else if (s == 8) {
      arm = -0.3;
      squash = -0.6;
    } else {
      double u = Smooth((s - 8) / 5.0);
      arm = Lerp(-0.3, 1.4, u);
      squash = -0.6 * (1 - u);
    }
    GroundShadow(cr, h.x, h.y - 1, 16);
    Facing(cr, f < 14, h.x, [&] {
      DrawBucket(cr, h.x, h.y, squash, arm, holding, 0.6);
      if (s == 8) {
        // Swoosh of the throw.
        cairo_new_path(cr);
        cairo_arc(cr, h.x + 14, h.y - 30, 16, -2.4, -0.6);
        SetRgb(cr, Hex(0xFFFFFF), 0.85);
        cairo_set_line_width(cr, 2.5);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
      }
    });
  });
}

void MakeBucketSpade(const Context& ctx) {
  const char* path = "Images\\Enemy\\Bucket\\bucket_Spade.png";
  Handle h = HandleOf(path);
  // One turn over eight frames.
  Strip(ctx, path, [&](cairo_t* cr, int f) { DrawSpade(cr, h.x, h.y, Phase(f, 8), 1.05); });
}

void MakeBucket(const Context& ctx) {
  MakeBucketThrow(ctx);
  MakeBucketSpade(ctx);
}

FORGE_JOB("pictures", "enemy_bucket", &MakeBucket);

}  // namespace
}  // namespace forge::art::enemies
