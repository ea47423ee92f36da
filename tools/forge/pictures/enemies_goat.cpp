// The goat: gallops with its horns down, and skids on braced legs when the
// hero slips behind it.
#include "pictures/enemies_kit.h"

namespace forge::art::enemies {
namespace {

const Rgb kInk = Hex(0x33210F);
const Skin kCoat = {Hex(0xD08A45), Hex(0x9C5F2A), kInk};
const Skin kCream = {Hex(0xFFF1D6), Hex(0xE0C9A0), kInk};
const Skin kHorn = {Hex(0xE9DCC0), Hex(0xB8A27C), kInk};
const Rgb kHoof = Hex(0x4A3424);

// Facing right, hooves on gy. t is the gallop phase; skid 0..1 braces the legs
// forward and rears the body back.
void DrawGoat(cairo_t* cr, double hx, double gy, double t, double skid) {
  double lift = (1 - skid) * 3 * std::abs(std::sin(t));
  double pitch = (1 - skid) * 0.08 * std::sin(t) - 0.2 * skid;
  double bx = hx - 3 - 3 * skid, by = gy - 31 - lift + 4 * skid;
  auto leg = [&](double rootX, double phase, bool front, const Skin& skin) {
    double reach = (1 - skid) * 8 * std::cos(phase);
    double up = (1 - skid) * 6 * std::max(0.0, std::sin(phase));
    // Skidding: the front legs stiffen ahead, the hind legs fold under.
    if (front)
      reach += 10 * skid;
    else
      reach += 3 * skid;
    Pt root{rootX, by + 8};
    Pt foot{rootX + reach, gy - 2 - up};
    double len = gy - 2 - (by + 8);
    Pt knee = Knee(root, foot, len * 0.52, len * 0.52, front ? -0.4 : 1 - skid * 0.6);
    Limb(cr, {root.x, root.y, knee.x, knee.y, foot.x, foot.y}, 5, skin.base, kInk);
    cairo_new_path(cr);
    RoundRect(cr, foot.x - 2.5, foot.y - 1, 5.5, 3.5, 1);
    FillOutline(cr, kHoof, kInk, 1.2);
  };
  Skin back = {kCoat.shade, Darker(kCoat.shade, 0.15), kInk};
  leg(bx - 11, t + M_PI + 0.5, false, back);
  leg(bx + 11, t + 0.5, true, back);
  Rotated(cr, bx, by, pitch, [&] {
    // Tail.
    Limb(cr, {bx - 18, by - 6, bx - 22, by - 12}, 3, kCoat.base, kInk);
    auto body = [&](cairo_t* c) { Ellipse(c, bx, by, 19, 12.5); };
    Body(cr, body, kCoat, bx - 19, by - 12.5, 38, 25, 3);
    Piece(
        cr, [&](cairo_t* c) { Ellipse(c, bx + 2, by + 6.5, 12, 4.5); }, kCream, 1);
    // Neck and head: lowered for the charge, thrown up in the skid.
    double nx = bx + 14, ny = by - 4;
    double headX = bx + 22 - 3 * skid, headY = by - 12 - 10 * skid;
    Limb(cr, {nx, ny, headX - 2, headY + 2}, 7, kCoat.base, kInk);
    Rotated(cr, headX, headY, 0.45 - 0.7 * skid, [&] {
      cairo_translate(cr, headX, headY);
      cairo_scale(cr, 1.25, 1.25);
      cairo_translate(cr, -headX, -headY);
      // Horns sweep back over the head.
      cairo_new_path(cr);
      cairo_move_to(cr, headX - 1, headY - 4);
      cairo_curve_to(cr, headX - 6, headY - 14, headX - 14, headY - 11, headX - 13, headY - 4);
      cairo_curve_to(cr, headX - 11, headY - 8, headX - 6, headY - 8, headX + 2, headY - 3);
      cairo_close_path(cr);
      FillOutline(cr, kHorn.base, kInk, 1.5);
      auto head = [&](cairo_t* c) {
        cairo_new_path(c);
        cairo_move_to(c, headX - 5, headY - 4);
        cairo_curve_to(c, headX, headY - 8, headX + 8, headY - 4, headX + 10, headY + 2);
        cairo_curve_to(c, headX + 11, headY + 6, headX + 6, headY + 7, headX + 2, headY + 6);
        cairo_curve_to(c, headX - 3, headY + 5, headX - 7, headY + 1, headX - 5, headY - 4);
        cairo_close_path(c);
      };
      Body(cr, head, kCoat, headX - 6, headY - 7, 16, 14, 1.8);
      // Beard.
      cairo_new_path(cr);
      cairo_move_to(cr, headX + 2, headY + 5);
      cairo_line_to(cr, headX + 1, headY + 11);
      cairo_line_to(cr, headX + 5, headY + 6);
      cairo_close_path(cr);
      FillOutline(cr, kCream.base, kInk, 1.2);
      // Ear flopping back.
      Limb(cr, {headX - 3, headY - 2, headX - 9, headY + 1}, 3, kCoat.shade, kInk);
      Eye(cr, headX + 2.5, headY - 1.5, 2.6, 0.6, 0.1, kInk);
      Brow(cr, headX + 2.5, headY - 4.8, 4.5, 1.6, kInk, 1.6);
      Ellipse(cr, headX + 9, headY + 2, 0.9, 0.8);
      SetRgb(cr, kInk);
      cairo_fill(cr);
    });
  });
  leg(bx - 9, t + M_PI, false, kCoat);
  leg(bx + 13, t, true, kCoat);
}

// Dust kicked up ahead of the skidding hooves.
void Dust(cairo_t* cr, double hx, double gy, double amount, double phase) {
  for (int k = 0; k < 3; ++k) {
    double a = amount * (0.7 + 0.3 * std::sin(phase + k * 2.1));
    double x = hx + 14 + k * 6, y = gy - 3 - k * 2.5;
    Ellipse(cr, x, y, 4 * a + 0.5, 3 * a + 0.5);
    cairo_set_source_rgba(cr, 0.86, 0.78, 0.62, 0.8 * amount);
    cairo_fill_preserve(cr);
    cairo_set_source_rgba(cr, 0.45, 0.35, 0.25, 0.6 * amount);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
  }
}

void MakeGoat(const Context& ctx) {
  {
    const char* path = "Images\\Enemy\\Goat\\Goat_run.png";
    Handle h = HandleOf(path);
    Strip(ctx, path, [&](cairo_t* cr, int f) {
      GroundShadow(cr, h.x - 2, h.y - 1, 18);
      Facing(cr, f < 16, h.x, [&] { DrawGoat(cr, h.x, h.y, Phase(f % 16, 16), 0); });
    });
  }
  {
    const char* path = "Images\\Enemy\\Goat\\Goat_skid.png";
    Handle h = HandleOf(path);
    // Frames 0-3 brace into the skid; the game then alternates 4 and 5.
    Strip(ctx, path, [&](cairo_t* cr, int f) {
      int s = f % 6;
      double skid = Smooth(std::min(1.0, s / 3.0));
      GroundShadow(cr, h.x, h.y - 1, 18);
      Facing(cr, f < 6, h.x, [&] {
        Dust(cr, h.x, h.y, skid, s * M_PI);
        DrawGoat(cr, h.x, h.y, Phase(s, 16), skid);
      });
    });
  }
}

FORGE_JOB("pictures", "enemy_goat", &MakeGoat);

}  // namespace
}  // namespace forge::art::enemies
