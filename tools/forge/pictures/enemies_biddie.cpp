// The biddie: a plump hen that looks about, pecks, and then takes a stride
// (the game moves her only on the stride frames, 21 to 28).
#include "pictures/enemies_kit.h"

namespace forge::art::enemies {
namespace {

const Rgb kInk = Hex(0x3A1A0C);
const Skin kFeather = {Hex(0xE07A34), Hex(0xA8501E), kInk};
const Skin kChest = {Hex(0xFFE2B0), Hex(0xE8B878), kInk};
const Skin kComb = {Hex(0xFF3B3B), Hex(0xC01E2A), kInk};
const Skin kBeak = {Hex(0xFFC629), Hex(0xD89A10), kInk};
const Rgb kLeg = Hex(0xFFA22E);

struct HenPose {
  double peck = 0;    // 0 upright, 1 beak at the ground
  double look = 0;    // head turn bob
  double stride = 0;  // 0..1 through a step: the front foot swings ahead
  double bob = 0;
};

// Facing right, feet on (hx, gy).
void DrawHen(cairo_t* cr, double hx, double gy, const HenPose& p) {
  double cy = gy - 33 - p.bob;
  // Legs: the back foot stays put, the front one swings forward in a stride.
  double swing = std::sin(M_PI * p.stride);
  // In a stride the front foot lifts and swings ahead while the body moves
  // over it; at the end the feet are back in their standing places.
  Pt backFoot{hx - 4 + 3 * swing, gy - 1};
  Pt frontFoot{hx + 4 + 9 * swing, gy - 1 - 6 * swing};
  for (int k = 0; k < 2; ++k) {
    Pt foot = k ? frontFoot : backFoot;
    Pt hip{hx + (k ? 3 : -3), cy + 12};
    Pt knee{(hip.x + foot.x) / 2 - 2, (hip.y + foot.y) / 2};
    Rgb c = k ? kLeg : Darker(kLeg, 0.2);
    Limb(cr, {hip.x, hip.y, knee.x, knee.y, foot.x, foot.y}, 2.2, c, kInk);
    // Toes.
    cairo_move_to(cr, foot.x - 3, foot.y);
    cairo_line_to(cr, foot.x + 5, foot.y);
    cairo_move_to(cr, foot.x, foot.y);
    cairo_line_to(cr, foot.x + 3, foot.y - 2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    SetRgb(cr, kInk);
    cairo_set_line_width(cr, 4);
    cairo_stroke_preserve(cr);
    SetRgb(cr, c);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  }
  // Tail feathers.
  auto tail = [&](cairo_t* c) {
    cairo_new_path(c);
    cairo_move_to(c, hx - 12, cy - 2);
    cairo_curve_to(c, hx - 20, cy - 8, hx - 24, cy - 20, hx - 20, cy - 26);
    cairo_curve_to(c, hx - 16, cy - 20, hx - 12, cy - 16, hx - 6, cy - 10);
    cairo_close_path(c);
  };
  Piece(cr, tail, {Hex(0x8A3A1A), Darker(Hex(0x8A3A1A), 0.2), kInk}, 1.5);
  // Body tips forward as she pecks.
  Rotated(cr, hx, cy + 8, 0.55 * p.peck, [&] {
    auto body = [&](cairo_t* c) {
      cairo_new_path(c);
      cairo_move_to(c, hx - 18, cy - 4);
      cairo_curve_to(c, hx - 18, cy - 16, hx + 2, cy - 16, hx + 8, cy - 14);
      cairo_curve_to(c, hx + 18, cy - 10, hx + 18, cy + 14, hx + 2, cy + 15);
      cairo_curve_to(c, hx - 12, cy + 15, hx - 18, cy + 8, hx - 18, cy - 4);
      cairo_close_path(c);
    };
    Body(cr, body, kFeather, hx - 18, cy - 16, 36, 31, 3);
    Piece(
        cr, [&](cairo_t* c) { Ellipse(c, hx + 8, cy + 4, 8, 9); }, kChest, 1.5);
    // Wing.
    auto wing = [&](cairo_t* c) {
      cairo_new_path(c);
      cairo_move_to(c, hx - 10, cy - 6);
      cairo_curve_to(c, hx - 2, cy - 9, hx + 6, cy - 4, hx + 5, cy + 3);
      cairo_curve_to(c, hx, cy + 8, hx - 8, cy + 6, hx - 12, cy + 2);
      cairo_close_path(c);
    };
    Piece(cr, wing, {kFeather.shade, Darker(kFeather.shade, 0.2), kInk}, 1.2);
    // Neck and head.
    double nx = hx + 8, ny = cy - 12;
    double headX = hx + 12 + 1.5 * p.look, headY = cy - 26;
    Limb(cr, {nx, ny, headX, headY + 3}, 8, kFeather.base, kInk);
    Piece(
        cr,
        [&](cairo_t* c) {
          cairo_new_path(c);
          for (int k = 0; k < 3; ++k) {
            cairo_new_sub_path(c);
            cairo_arc(c, headX - 4 + k * 3.5, headY - 7 - (k == 1 ? 1.5 : 0), 2.6, 0, kTau);
          }
        },
        kComb, 0.8);
    Body(
        cr, [&](cairo_t* c) { Ellipse(c, headX, headY, 7, 6.5); }, kFeather, headX - 7, headY - 6.5,
        14, 13, 1.5);
    auto beak = [&](cairo_t* c) {
      cairo_new_path(c);
      cairo_move_to(c, headX + 5, headY - 2);
      cairo_line_to(c, headX + 12, headY + 0.5);
      cairo_line_to(c, headX + 5, headY + 3);
      cairo_close_path(c);
    };
    Piece(cr, beak, kBeak, 0.8);
    Piece(
        cr, [&](cairo_t* c) { Ellipse(c, headX + 5, headY + 5.5, 2, 3); }, kComb, 0.6);
    DotEye(cr, headX + 2.5, headY - 1.5, 1.8, kInk);
  });
}

void MakeBiddie(const Context& ctx) {
  const char* path = "Images\\Enemy\\Biddie\\Biddie_walk.png";
  Handle h = HandleOf(path);
  // Per facing: 0-8 looking about, 9-18 a peck, 19-20 gathering, 21-28 the
  // stride, 29-31 settling back to the first pose.
  Strip(ctx, path, [&](cairo_t* cr, int f) {
    int s = f % 32;
    HenPose p;
    if (s <= 8) {
      p.look = std::sin(Phase(s, 9) * 2);
    } else if (s <= 18) {
      p.peck = std::sin(M_PI * (s - 8) / 10.0);
      p.peck = p.peck * p.peck;
    } else if (s <= 20) {
      p.bob = -1.5 * (s - 18) / 2.0;
    } else if (s <= 28) {
      p.stride = (s - 20) / 8.0;
      p.bob = -1.5 + 1.5 * std::sin(M_PI * p.stride);
    } else {
      p.bob = -1.5 * (31 - s) / 3.0 * 0.3;
    }
    GroundShadow(cr, h.x, h.y - 1, 16);
    Facing(cr, f < 32, h.x, [&] {
      cairo_translate(cr, h.x, h.y);
      cairo_scale(cr, 1.2, 1.2);
      cairo_translate(cr, -h.x, -h.y);
      DrawHen(cr, h.x, h.y, p);
    });
  });
}

FORGE_JOB("pictures", "enemy_biddie", &MakeBiddie);

}  // namespace
}  // namespace forge::art::enemies
