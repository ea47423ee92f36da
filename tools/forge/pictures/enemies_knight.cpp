// The knight: armour and lance on a caparisoned horse that rears, then trots.
#include "pictures/enemies_kit.h"

namespace forge::art::enemies {
namespace {

const Rgb kInk = Hex(0x23202E);
const Skin kHorse = {Hex(0xF2EEF6), Hex(0xB9B2CC), kInk};
const Skin kCloth = {Hex(0xD8362A), Hex(0x9A2219), kInk};
const Skin kSteel = {Hex(0xC9D3E2), Hex(0x8390A8), kInk};
const Rgb kGold = Hex(0xF2C14E);
const Rgb kMane = Hex(0x6A5A8A);

struct KnightPose {
  double trot = 0;    // trot phase
  double stride = 1;  // 0 standing still
  double rear = 0;    // rearing angle (radians, front up)
  double paw = 0;     // phase of the front legs pawing while reared
};

// Facing right, hooves on (hx, gy).
void DrawKnight(cairo_t* cr, double hx, double gy, const KnightPose& p) {
  double t = p.trot;
  double bounce = p.stride * 2 * std::abs(std::cos(t));
  double bx = hx - 2, by = gy - 32 - bounce;
  double pivotX = hx - 20;
  cairo_save(cr);
  // Rearing turns the whole horse about its hind hooves.
  cairo_translate(cr, pivotX, gy);
  cairo_rotate(cr, -p.rear);
  cairo_translate(cr, -pivotX, -gy);

  auto leg = [&](double rootX, double phase, bool front, const Skin& skin, double pawLag) {
    double reach = p.stride * 7 * std::sin(phase);
    double up = p.stride * 6 * std::max(0.0, std::cos(phase));
    Pt root{rootX, by + 7};
    Pt foot{rootX + reach, gy - 2 - up};
    if (front && p.rear > 0.05) {
      // Forelegs tucked and pawing the air.
      double k = std::min(1.0, p.rear / 0.3);
      foot = {rootX + 8 * k + 3 * std::sin(p.paw + pawLag),
              Lerp(gy - 2, by + 14, k) - 3 * std::cos(p.paw)};
    }
    double len = gy - 2 - root.y;
    Pt knee = Knee(root, foot, len * 0.5, len * 0.55, front ? 1 : -1);
    Limb(cr, {root.x, root.y, knee.x, knee.y, foot.x, foot.y}, 5, skin.base, kInk);
    cairo_new_path(cr);
    RoundRect(cr, foot.x - 3, foot.y - 1.5, 6.5, 4, 1.2);
    FillOutline(cr, Hex(0x4A4058), kInk, 1.2);
  };
  Skin back = {kHorse.shade, Darker(kHorse.shade, 0.12), kInk};
  leg(bx - 17, t, false, back, 0);
  leg(bx + 16, t + M_PI, true, back, 1.5);

  // Tail.
  cairo_new_path(cr);
  cairo_move_to(cr, bx - 24, by - 5);
  cairo_curve_to(cr, bx - 34, by - 2, bx - 34, by + 10, bx - 30 - 2 * std::sin(t), by + 16);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_width(cr, 8);
  SetRgb(cr, kInk);
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, 4);
  SetRgb(cr, kMane);
  cairo_stroke(cr);

  // Neck and head, reaching forward.
  double nx = bx + 20, ny = by - 8;
  double hxp = bx + 33, hyp = by - 22 + 1.5 * std::sin(t);
  auto neck = [&](cairo_t* c) {
    cairo_new_path(c);
    cairo_move_to(c, nx - 8, ny + 6);
    cairo_curve_to(c, nx - 6, ny - 10, hxp - 10, hyp - 6, hxp - 4, hyp - 6);
    cairo_line_to(c, hxp + 2, hyp + 2);
    cairo_curve_to(c, hxp - 4, hyp + 4, nx + 6, ny, nx + 8, ny + 8);
    cairo_close_path(c);
  };
  Body(cr, neck, kHorse, nx - 8, hyp - 6, 22, 22, 2);
  // Mane.
  Limb(cr, {nx - 6, ny - 2, nx - 3, ny - 10, hxp - 9, hyp - 6}, 3, kMane, kInk);
  Rotated(cr, hxp, hyp, 0.5, [&] {
    Body(
        cr, [&](cairo_t* c) { RoundRect(c, hxp - 5, hyp - 5, 19, 10, 5); }, kHorse, hxp - 5,
        hyp - 5, 19, 10, 1.8);
    Ellipse(cr, hxp + 11, hyp + 1, 1.1, 1.1);
    SetRgb(cr, kInk);
    cairo_fill(cr);
    // Ear and eye.
    cairo_new_path(cr);
    cairo_move_to(cr, hxp - 3, hyp - 4);
    cairo_line_to(cr, hxp - 3, hyp - 10);
    cairo_line_to(cr, hxp + 1, hyp - 5);
    cairo_close_path(cr);
    FillOutline(cr, kHorse.base, kInk, 1.4);
    DotEye(cr, hxp + 2, hyp - 1.5, 1.5, kInk);
    // Bridle.
    SetRgb(cr, kCloth.shade);
    cairo_set_line_width(cr, 1.5);
    cairo_move_to(cr, hxp + 7, hyp - 5);
    cairo_line_to(cr, hxp + 7, hyp + 5);
    cairo_stroke(cr);
  });

  // Barrel under a red cloth with a golden hem.
  Body(
      cr, [&](cairo_t* c) { Ellipse(c, bx, by, 26, 12); }, kHorse, bx - 26, by - 12, 52, 24, 2.5);
  auto cloth = [&](cairo_t* c) {
    cairo_new_path(c);
    cairo_move_to(c, bx - 22, by - 9);
    cairo_curve_to(c, bx - 10, by - 13, bx + 10, by - 13, bx + 20, by - 9);
    cairo_line_to(c, bx + 18, by + 9);
    for (int i = 0; i < 5; ++i) {
      double x0 = bx + 18 - i * 8;
      cairo_curve_to(c, x0 - 2, by + 12, x0 - 6, by + 12, x0 - 8, by + 9);
    }
    cairo_close_path(c);
  };
  Body(cr, cloth, kCloth, bx - 22, by - 12, 42, 22, 2.5);
  cairo_save(cr);
  cloth(cr);
  cairo_clip(cr);
  cairo_rectangle(cr, bx - 24, by + 6, 46, 2.5);
  SetRgb(cr, kGold);
  cairo_fill(cr);
  cairo_restore(cr);

  leg(bx - 15, t + M_PI, false, kHorse, 0);
  leg(bx + 18, t, true, kHorse, 0);

  // The rider.
  double rx = bx - 2, ry = by - 12;
  // Plume streaming back.
  cairo_new_path(cr);
  cairo_move_to(cr, rx + 1, ry - 26);
  cairo_curve_to(cr, rx - 6, ry - 30, rx - 12, ry - 26, rx - 15 - std::sin(t), ry - 20);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_width(cr, 7);
  SetRgb(cr, kInk);
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, 3.5);
  SetRgb(cr, kCloth.base);
  cairo_stroke(cr);
  // Leg over the cloth.
  Limb(cr, {rx + 1, ry, rx + 5, ry + 8, rx + 3, ry + 13}, 5, kSteel.base, kInk);
  Body(
      cr, [&](cairo_t* c) { RoundRect(c, rx - 6, ry - 15, 13, 16, 4); }, kSteel, rx - 6, ry - 15,
      13, 16, 2);
  // Helmet with a visor slit.
  Body(
      cr, [&](cairo_t* c) { RoundRect(c, rx - 5, ry - 27, 12, 13, 5); }, kSteel, rx - 5, ry - 27,
      12, 13, 2);
  cairo_rectangle(cr, rx - 1, ry - 22.5, 8, 2);
  SetRgb(cr, kInk);
  cairo_fill(cr);
  // Shield on the near side.
  auto shield = [&](cairo_t* c) {
    cairo_new_path(c);
    cairo_move_to(c, rx - 7, ry - 12);
    cairo_line_to(c, rx + 3, ry - 12);
    cairo_curve_to(c, rx + 3, ry - 3, rx, ry + 1, rx - 2, ry + 3);
    cairo_curve_to(c, rx - 4, ry + 1, rx - 7, ry - 3, rx - 7, ry - 12);
    cairo_close_path(c);
  };
  Body(cr, shield, kCloth, rx - 7, ry - 12, 10, 15, 1.5);
  cairo_rectangle(cr, rx - 3, ry - 11, 2, 12);
  SetRgb(cr, kGold);
  cairo_fill(cr);
  // Lance, couched under the arm and levelled ahead.
  double lanceTip = rx + 44, lanceY = ry - 14 + 1.5 * std::sin(t);
  cairo_new_path(cr);
  cairo_move_to(cr, rx - 8, ry - 4);
  cairo_line_to(cr, lanceTip, lanceY);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_width(cr, 5);
  SetRgb(cr, kInk);
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, 2.2);
  SetRgb(cr, Hex(0xE8C98A));
  cairo_stroke(cr);
  // Hand guard.
  Piece(
      cr, [&](cairo_t* c) { Ellipse(c, rx + 7, ry - 7.5, 3.5, 4); }, kSteel, 1);
  Limb(cr, {rx + 1, ry - 11, rx + 7, ry - 7}, 3.5, kSteel.base, kInk);
  cairo_restore(cr);
}

void MakeKnight(const Context& ctx) {
  {
    const char* path = "Images\\Enemy\\Knight\\Knight_trot.png";
    Handle h = HandleOf(path);
    // The trot cycle is 14 steps; the last two cells of each half continue it.
    Strip(ctx, path, [&](cairo_t* cr, int f) {
      KnightPose p;
      p.trot = Phase(f % 16, 14);
      GroundShadow(cr, h.x - 2, h.y - 1, 28);
      Facing(cr, f < 16, h.x, [&] {
        cairo_translate(cr, h.x, h.y);
        cairo_scale(cr, 0.84, 0.84);
        cairo_translate(cr, -h.x, -h.y);
        DrawKnight(cr, h.x, h.y, p);
      });
    });
  }
  {
    const char* path = "Images\\Enemy\\Knight\\Knight_getup.png";
    Handle h = HandleOf(path);
    // Standing, rearing with a kick of the forelegs, and down into the trot.
    Strip(ctx, path, [&](cairo_t* cr, int f) {
      int s = f % 16;
      KnightPose p;
      double u = s / 15.0;
      p.rear = 0.34 * std::pow(std::sin(M_PI * std::min(1.0, u * 1.15)), 0.8);
      p.paw = Phase(s, 5);
      p.stride = Smooth((u - 0.8) / 0.2);
      p.trot = 0;
      GroundShadow(cr, h.x - 2, h.y - 1, 28);
      Facing(cr, f < 16, h.x, [&] {
        cairo_translate(cr, h.x, h.y);
        cairo_scale(cr, 0.84, 0.84);
        cairo_translate(cr, -h.x, -h.y);
        DrawKnight(cr, h.x, h.y, p);
      });
    });
  }
}

FORGE_JOB("pictures", "enemy_knight", &MakeKnight);

}  // namespace
}  // namespace forge::art::enemies
