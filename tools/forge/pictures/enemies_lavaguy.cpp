// The lava guy: a molten blob under a cracked black crust, waddling.
#include "pictures/enemies_kit.h"

namespace forge::art::enemies {
namespace {

const Rgb kInk = Hex(0x2A0E08);
const Skin kMolten = {Hex(0xFF6A1A), Hex(0xD0380A), kInk};
const Skin kCrust = {Hex(0x4A3A3A), Hex(0x2E2424), kInk};
const Rgb kHot = Hex(0xFFD23F);

// Facing right, feet on (hx, gy).
void DrawLavaguy(cairo_t* cr, double hx, double gy, double t) {
  // A waddle: the body rocks from foot to foot and squashes as it lands.
  double rock = 0.12 * std::sin(t);
  double squash = 0.06 * std::cos(2 * t);
  for (int k = 0; k < 2; ++k) {
    double phase = t + k * M_PI;
    double lift = 4 * std::max(0.0, std::sin(phase));
    double fx = hx + (k ? -9 : 9) + 3 * std::cos(phase);
    Piece(
        cr, [&](cairo_t* c) { Ellipse(c, fx, gy - 4 - lift, 7, 4.5); }, k ? kCrust : kMolten, 1.2);
  }
  Rotated(cr, hx, gy - 6, rock, [&] {
    double w = 25 * (1 + squash), hgt = 44 * (1 - squash);
    double by = gy - 6;
    auto blob = [&](cairo_t* c) {
      cairo_new_path(c);
      cairo_move_to(c, hx - w, by);
      cairo_curve_to(c, hx - w - 2, by - hgt * 0.6, hx - w * 0.5, by - hgt, hx + 2, by - hgt);
      cairo_curve_to(c, hx + w * 0.6, by - hgt, hx + w + 2, by - hgt * 0.55, hx + w, by);
      cairo_curve_to(c, hx + w * 0.5, by + 3, hx - w * 0.5, by + 3, hx - w, by);
      cairo_close_path(c);
    };
    // Glow round the molten body.
    cairo_pattern_t* g = cairo_pattern_create_radial(hx, by - hgt / 2, 10, hx, by - hgt / 2, 40);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.5, 0.1, 0.45);
    cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.3, 0, 0);
    cairo_set_source(cr, g);
    Ellipse(cr, hx, by - hgt / 2, 40, 36);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    Body(cr, blob, kMolten, hx - w, by - hgt, 2 * w, hgt, 3.5, 0.3);
    // Crust plates on the crown and shoulders, glowing seams between.
    cairo_save(cr);
    cairo_new_path(cr);
    blob(cr);
    cairo_clip(cr);
    const double plates[][4] = {
        {-14, -38, 10, 7}, {4, -42, 11, 6}, {-22, -20, 6, 8}, {20, -24, 6, 9}, {-4, -30, 6, 4}};
    for (const auto& pl : plates) {
      double pb[6] = {1, 0.85, 1.05, 0.9, 1, 0.88};
      Piece(
          cr,
          [&](cairo_t* c) {
            LumpyPath(c, hx + pl[0], by + pl[1] * (1 - squash) + 6, pl[2], pl[3], pb, 6, 0.5);
          },
          kCrust, 1.2);
    }
    cairo_restore(cr);
    cairo_new_path(cr);
    blob(cr);
    SetRgb(cr, kInk);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // A drip running down the front.
    double drip = 2 + 2 * (0.5 + 0.5 * std::sin(t));
    Piece(
        cr, [&](cairo_t* c) { Ellipse(c, hx + w - 4, by - 12 + drip, 2.5, 3.5); }, kMolten, 0.8);
    // Glowing eyes and a wide grin.
    double ey = by - hgt * 0.52;
    for (double ex : {hx + 5, hx + 15}) {
      Ellipse(cr, ex, ey, 3.8, 4.5);
      FillOutline(cr, kHot, kInk, 1.5);
      Ellipse(cr, ex + 1.2, ey + 0.5, 1.6, 2.2);
      SetRgb(cr, kInk);
      cairo_fill(cr);
    }
    cairo_new_path(cr);
    cairo_move_to(cr, hx + 2, ey + 8);
    cairo_curve_to(cr, hx + 6, ey + 14, hx + 16, ey + 14, hx + 20, ey + 7);
    cairo_close_path(cr);
    FillOutline(cr, kHot, kInk, 1.5);
  });
}

void MakeLavaguy(const Context& ctx) {
  const char* path = "Images\\Enemy\\Lavaguy\\Lavaguy_Waddle.png";
  Handle h = HandleOf(path);
  Strip(ctx, path, [&](cairo_t* cr, int f) {
    GroundShadow(cr, h.x, h.y - 1, 22);
    Facing(cr, f < 16, h.x, [&] { DrawLavaguy(cr, h.x, h.y, Phase(f % 16, 16)); });
  });
}

FORGE_JOB("pictures", "enemy_lavaguy", &MakeLavaguy);

}  // namespace
}  // namespace forge::art::enemies
