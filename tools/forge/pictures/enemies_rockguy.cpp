// The rock guy: a stone golem that plods, then leaps and lands with a thump.
#include "pictures/enemies_kit.h"

namespace forge::art::enemies {
namespace {

const Rgb kInk = Hex(0x262028);
const Skin kStone = {Hex(0xB07A52), Hex(0x7A5038), kInk};
const Skin kDark = {Hex(0x8A5E40), Hex(0x5E3E2A), kInk};

struct GolemPose {
  double step = 0, stride = 0;  // walk
  double squash = 0;            // + squashed down, - stretched up
  double tuck = 0;              // feet drawn up (in the air)
  double arms = 0;              // 0 hanging, 1 thrown up
};

const double kBodyBumps[10] = {1, 0.94, 1.04, 0.97, 1.02, 0.95, 1.05, 0.96, 1.02, 0.98};
const double kHeadBumps[7] = {1, 0.92, 1.05, 0.95, 1.02, 0.9, 1};

// Facing right, feet on (hx, gy).
void DrawGolem(cairo_t* cr, double hx, double gy, const GolemPose& p) {
  double bob = p.stride > 0 ? 2 * std::abs(std::sin(p.step)) : 0;
  double sy = 1 - 0.18 * p.squash, sx = 1 + 0.14 * p.squash;
  double hip = gy - 14 + 8 * p.tuck;
  auto leg = [&](double phase, const Skin& skin, double side) {
    Pt d = StepFoot(phase, p.stride, p.stride * 0.6);
    double fx = hx + side * 8 + d.x, fy = gy - 5 + d.y - 6 * p.tuck;
    Limb(cr, {hx + side * 6, hip - 2, fx, fy}, 9, skin.base, kInk);
    Piece(
        cr, [&](cairo_t* c) { RoundRect(c, fx - 7, fy - 2, 15, 7, 3); }, skin, 1.2);
  };
  auto arm = [&](double side, const Skin& skin, double swing) {
    double shX = hx + side * 19 * sx, shY = gy - 50 * sy - bob;
    double a = Lerp(M_PI / 2, -M_PI / 2, p.arms);  // down when hanging, up when thrown
    double ex = shX + side * 5 + 4 * swing, ey = shY + 12 * std::sin(a);
    double hx2 = ex + side * 2 + 3 * swing, hy2 = ey + 10 * std::sin(a);
    Limb(cr, {shX, shY, ex, ey, hx2, hy2}, 8, skin.base, kInk);
    Piece(
        cr, [&](cairo_t* c) { LumpyPath(c, hx2, hy2, 7, 6.5, kHeadBumps, 7, 0.4); }, skin, 1.5);
  };
  double swing = std::sin(p.step) * (p.stride > 0);
  arm(-1, kDark, -swing);
  leg(p.step + M_PI, kDark, -1);
  leg(p.step, kStone, 1);
  // Torso: one big lumpy boulder.
  double cy = gy - 40 * sy - bob;
  Body(
      cr, [&](cairo_t* c) { LumpyPath(c, hx, cy, 24 * sx, 22 * sy, kBodyBumps, 10, 0.3); }, kStone,
      hx - 24, cy - 22, 48, 44, 4, 0.3);
  // Cracks and a pebble belt.
  SetRgb(cr, kInk, 0.6);
  cairo_set_line_width(cr, 1.6);
  cairo_move_to(cr, hx - 14, cy - 8);
  cairo_line_to(cr, hx - 8, cy - 2);
  cairo_line_to(cr, hx - 10, cy + 6);
  cairo_move_to(cr, hx + 10, cy + 10);
  cairo_line_to(cr, hx + 15, cy + 4);
  cairo_stroke(cr);
  // Head, sunk between the shoulders.
  double hy = cy - 22 * sy - 4;
  Body(
      cr, [&](cairo_t* c) { LumpyPath(c, hx + 6, hy, 12, 10, kHeadBumps, 7, 0.1); }, kStone, hx - 6,
      hy - 10, 24, 20, 2.5);
  Eye(cr, hx + 6, hy - 1, 3, 0.7, 0, kInk);
  Eye(cr, hx + 13, hy - 1, 2.6, 0.7, 0, kInk);
  cairo_new_path(cr);
  cairo_move_to(cr, hx + 1, hy - 5);
  cairo_line_to(cr, hx + 16, hy - 4);
  cairo_line_to(cr, hx + 16, hy - 6.5);
  cairo_line_to(cr, hx + 1, hy - 8);
  cairo_close_path(cr);
  FillOutline(cr, kDark.shade, kInk, 1.2);
  cairo_move_to(cr, hx + 6, hy + 5);
  cairo_line_to(cr, hx + 14, hy + 4.5);
  SetRgb(cr, kInk);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  arm(1, kStone, swing);
}

// The golem is drawn a little over its modelled size, to fill the cell.
void DrawGolemScaled(cairo_t* cr, double hx, double gy, const GolemPose& p) {
  cairo_save(cr);
  cairo_translate(cr, hx, gy);
  cairo_scale(cr, 1.05, 1.05);
  cairo_translate(cr, -hx, -gy);
  DrawGolem(cr, hx, gy, p);
  cairo_restore(cr);
}

void MakeRockGuy(const Context& ctx) {
  {
    const char* path = "Images\\Enemy\\RockGuy\\RockGuy_walk.png";
    Handle h = HandleOf(path);
    Strip(ctx, path, [&](cairo_t* cr, int f) {
      GolemPose p;
      p.step = Phase(f % 16, 16);
      p.stride = 7;
      GroundShadow(cr, h.x, h.y - 1, 26);
      Facing(cr, f < 16, h.x, [&] { DrawGolemScaled(cr, h.x, h.y, p); });
    });
  }
  {
    const char* path = "Images\\Enemy\\RockGuy\\RockGuy_jump.png";
    Handle h = HandleOf(path);
    // Crouch (0-4), spring up (5-7), in the air (8-14), land squashed
    // (15-17), stand up again (18-20).
    Strip(ctx, path, [&](cairo_t* cr, int f) {
      int s = f % 21;
      GolemPose p;
      if (s <= 4) {
        p.squash = Smooth(s / 4.0);
        p.arms = -0.2 * p.squash;
      } else if (s <= 7) {
        double u = (s - 4) / 3.0;
        p.squash = Lerp(1, -0.4, Smooth(u));
        p.arms = 0.8 * Smooth(u);
      } else if (s <= 14) {
        double u = (s - 7) / 7.0;
        p.squash = Lerp(-0.4, 0, Smooth(u));
        p.tuck = std::sin(M_PI * u);
        p.arms = 0.8 - 0.2 * Smooth(u);
      } else if (s <= 17) {
        double u = (s - 14) / 3.0;
        p.squash = 1.3 * std::sin(M_PI * 0.5 * u + 0.2);
        p.arms = 0.6 * (1 - u) - 0.3 * u;
      } else {
        double u = (s - 17) / 3.0;
        p.squash = 1.3 * (1 - Smooth(u));
        p.arms = -0.3 * (1 - Smooth(u));
      }
      GroundShadow(cr, h.x, h.y - 1, 26 * (1 - 0.4 * p.tuck));
      Facing(cr, f < 21, h.x, [&] { DrawGolemScaled(cr, h.x, h.y, p); });
    });
  }
}

FORGE_JOB("pictures", "enemy_rockguy", &MakeRockGuy);

}  // namespace
}  // namespace forge::art::enemies
