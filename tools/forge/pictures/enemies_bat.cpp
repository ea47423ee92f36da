// The bat: hangs wrapped in its wings, then swoops with a full wing beat.
#include "pictures/enemies_kit.h"

namespace forge::art::enemies {
namespace {

const Rgb kInk = Hex(0x1E1230);
const Skin kFur = {Hex(0x7C58B8), Hex(0x54388A), kInk};
const Skin kWing = {Hex(0x5E3F96), Hex(0x432A72), kInk};

void Ears(cairo_t* cr, double cx, double cy, double flip) {
  for (double side : {-1.0, 1.0}) {
    cairo_new_path(cr);
    cairo_move_to(cr, cx + side * 2, cy - flip * 4);
    cairo_line_to(cr, cx + side * 6.5, cy - flip * 11);
    cairo_line_to(cr, cx + side * 7.5, cy - flip * 2);
    cairo_close_path(cr);
    FillOutline(cr, kFur.base, kInk, 1.5);
  }
}

void Face(cairo_t* cr, double cx, double cy, double flip, double lid, double look) {
  Eye(cr, cx - 3.5, cy, 2.8, look, 0.2 * flip, kInk, lid, kFur.shade);
  Eye(cr, cx + 3.5, cy, 2.8, look, 0.2 * flip, kInk, lid, kFur.shade);
  // Fangs.
  SetRgb(cr, Hex(0xFFFFF0));
  for (double side : {-1.0, 1.0}) {
    double fx = cx + side * 1.8, fy = cy + flip * 4.5;
    cairo_move_to(cr, fx - 1, fy);
    cairo_line_to(cr, fx + 1, fy);
    cairo_line_to(cr, fx, fy + flip * 2.5);
    cairo_close_path(cr);
  }
  cairo_fill(cr);
}

// Hanging upside down from (hx, 0): wings folded, swaying a little.
void MakeBatHang(const Context& ctx) {
  const char* path = "Images\\Enemy\\Bat\\bat_hang.png";
  Handle h = HandleOf(path);
  Strip(ctx, path, [&](cairo_t* cr, int f) {
    double t = Phase(f, 10);
    double lid = (f == 6 || f == 7) ? 1.0 : (f == 5 || f == 8) ? 0.5 : 0.0;
    Rotated(cr, h.x, 1, 0.07 * std::sin(t), [&] {
      double cx = h.x;
      // Feet gripping the ceiling.
      Limb(cr, {cx - 3, 1, cx - 3, 7}, 1.8, kFur.shade, kInk);
      Limb(cr, {cx + 3, 1, cx + 3, 7}, 1.8, kFur.shade, kInk);
      // Folded wings form a cocoon.
      auto cocoon = [&](cairo_t* c) {
        cairo_new_path(c);
        cairo_move_to(c, cx, 5);
        cairo_curve_to(c, cx + 13, 6, cx + 13, 26, cx + 6, 33);
        cairo_line_to(c, cx, 30);
        cairo_line_to(c, cx - 6, 33);
        cairo_curve_to(c, cx - 13, 26, cx - 13, 6, cx, 5);
        cairo_close_path(c);
      };
      Body(cr, cocoon, kWing, cx - 12, 5, 24, 28, 2.5);
      // Wing ribs.
      SetRgb(cr, kInk, 0.6);
      cairo_set_line_width(cr, 1);
      cairo_move_to(cr, cx - 5, 9);
      cairo_curve_to(cr, cx - 7, 17, cx - 6, 25, cx - 4, 30);
      cairo_move_to(cr, cx + 5, 9);
      cairo_curve_to(cr, cx + 7, 17, cx + 6, 25, cx + 4, 30);
      cairo_stroke(cr);
      // Head, upside down, below the wings.
      double hy = 34;
      Ears(cr, cx, hy + 4, -1);
      Body(
          cr, [&](cairo_t* c) { Ellipse(c, cx, hy, 8, 7); }, kFur, cx - 8, hy - 7, 16, 14, 2);
      Face(cr, cx, hy + 1, -1, lid, 0);
    });
  });
}

// Flying, facing right, its feet near (hx, gy).
void DrawBatFlying(cairo_t* cr, double hx, double gy, double t) {
  double cx = hx, cy = gy - 22 + 2 * std::sin(t);
  // Wing angle: up at t = 0, down at t = pi; the tips trail the beat.
  double beat = std::cos(t);
  auto wing = [&](double side, const Skin& skin) {
    double root = cy - 2;
    double tipY = cy - 20 * beat - 2, tipX = cx + side * (27 - 5 * std::abs(beat));
    double midY = cy - 12 * std::cos(t - 0.5) - 2, midX = cx + side * 15;
    cairo_new_path(cr);
    cairo_move_to(cr, cx + side * 4, root - 3);
    cairo_line_to(cr, midX, midY - 3);
    cairo_line_to(cr, tipX, tipY);
    // Scalloped trailing edge back to the body.
    cairo_curve_to(cr, tipX - side * 3, tipY + 6, midX + side * 3, midY + 5, midX + side * 1,
                   midY + 8);
    cairo_curve_to(cr, midX - side * 2, midY + 4, cx + side * 8, root + 4, cx + side * 4, root + 5);
    cairo_close_path(cr);
    cairo_path_t* p = cairo_copy_path(cr);
    Body(
        cr, [p](cairo_t* c) { cairo_append_path(c, p); }, skin, std::min(cx, tipX),
        std::min(tipY, midY) - 3, std::abs(tipX - cx), 20, 2, 0.2);
    cairo_path_destroy(p);
  };
  wing(-1, kWing);
  // Body and head, tilted into the flight.
  Rotated(cr, cx, cy, 0.2, [&] {
    Body(
        cr, [&](cairo_t* c) { Ellipse(c, cx, cy + 3, 7, 9); }, kFur, cx - 7, cy - 6, 14, 18, 2);
    Limb(cr, {cx - 2, cy + 11, cx - 4, cy + 16}, 1.8, kFur.shade, kInk);
    Limb(cr, {cx + 2, cy + 11, cx + 1, cy + 16}, 1.8, kFur.shade, kInk);
    Ears(cr, cx + 2, cy - 8, 1);
    Body(
        cr, [&](cairo_t* c) { Ellipse(c, cx + 2, cy - 6, 7.5, 6.5); }, kFur, cx - 5.5, cy - 12.5,
        15, 13, 2);
    Face(cr, cx + 3, cy - 6.5, 1, 0, 0.7);
  });
  wing(1, kWing);
}

void MakeBatFly(const Context& ctx) {
  const char* path = "Images\\Enemy\\Bat\\bat_fly.png";
  Handle h = HandleOf(path);
  Strip(ctx, path, [&](cairo_t* cr, int f) {
    Facing(cr, f < 8, h.x, [&] { DrawBatFlying(cr, h.x, h.y, Phase(f % 8, 8)); });
  });
}

void MakeBat(const Context& ctx) {
  MakeBatHang(ctx);
  MakeBatFly(ctx);
}

FORGE_JOB("pictures", "enemy_bat", &MakeBat);

}  // namespace
}  // namespace forge::art::enemies
