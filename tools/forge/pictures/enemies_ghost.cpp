// The ghost: pale blue-white, creeps up with a grin and, when looked at,
// hides its face and fades away.
#include "pictures/enemies_kit.h"

namespace forge::art::enemies {
namespace {

const Rgb kInk = Hex(0x2E2740);
const Skin kGlow = {Hex(0xEAF6FF), Hex(0xA8C6EC), kInk};

// Flying, facing right, centred on (cx, cy), the tail streaming behind.
void DrawGhostFlying(cairo_t* cr, double cx, double cy) {
  auto shape = [&](cairo_t* c) {
    cairo_new_path(c);
    cairo_move_to(c, cx + 16, cy + 2);
    cairo_curve_to(c, cx + 16, cy - 24, cx - 14, cy - 24, cx - 15, cy - 2);
    // The tail sweeps back to a curled tip.
    cairo_curve_to(c, cx - 18, cy + 6, cx - 24, cy + 8, cx - 27, cy + 4);
    cairo_curve_to(c, cx - 25, cy + 12, cx - 18, cy + 17, cx - 8, cy + 16);
    cairo_curve_to(c, cx - 2, cy + 19, cx + 4, cy + 14, cx + 8, cy + 15);
    cairo_curve_to(c, cx + 14, cy + 13, cx + 16, cy + 8, cx + 16, cy + 2);
    cairo_close_path(c);
  };
  // A faint halo of light.
  Ellipse(cr, cx - 2, cy - 1, 27, 22);
  cairo_set_source_rgba(cr, 0.8, 0.92, 1.0, 0.18);
  cairo_fill(cr);
  Body(cr, shape, kGlow, cx - 16, cy - 18, 32, 34, 3, 0.6);
  // Little arms reaching forward.
  Limb(cr, {cx + 8, cy + 4, cx + 17, cy + 1}, 3.5, kGlow.base, kInk);
  Limb(cr, {cx + 2, cy + 7, cx + 10, cy + 8}, 3.5, kGlow.shade, kInk);
  Eye(cr, cx + 4, cy - 7, 3.6, 0.7, 0.2, kInk);
  Eye(cr, cx + 12, cy - 7, 3.0, 0.7, 0.2, kInk);
  // A cheeky open grin with the tongue out.
  cairo_new_path(cr);
  cairo_move_to(cr, cx + 2, cy + 0.5);
  cairo_curve_to(cr, cx + 5, cy + 6, cx + 12, cy + 6, cx + 15, cy - 0.5);
  cairo_close_path(cr);
  FillOutline(cr, Hex(0x4A2A5A), kInk, 1.5);
  Ellipse(cr, cx + 9, cy + 3.5, 2.5, 1.6);
  SetRgb(cr, Hex(0xFF8AB0));
  cairo_fill(cr);
}

// Seen from the front, hands over its eyes by `shy` (0..1).
void DrawGhostShy(cairo_t* cr, double cx, double cy, double shy, double wobble) {
  auto shape = [&](cairo_t* c) {
    cairo_new_path(c);
    cairo_move_to(c, cx + 16, cy + 4);
    cairo_curve_to(c, cx + 16, cy - 23, cx - 16, cy - 23, cx - 16, cy + 4);
    // Wavy hem.
    for (int i = 0; i < 4; ++i) {
      double x0 = cx - 16 + i * 8;
      double dip = 5 + 2 * std::sin(wobble + i * 1.7);
      cairo_curve_to(c, x0 + 2, cy + 4 + dip, x0 + 6, cy + 4 + dip, x0 + 8,
                     cy + 4 + (i % 2 ? 0 : 1));
    }
    cairo_close_path(c);
  };
  Ellipse(cr, cx, cy - 1, 23, 22);
  cairo_set_source_rgba(cr, 0.8, 0.92, 1.0, 0.18);
  cairo_fill(cr);
  Body(cr, shape, kGlow, cx - 16, cy - 20, 32, 30, 3, 0.6);
  Eye(cr, cx - 5.5, cy - 6, 3.6, 0, 0.2, kInk, shy * 0.8, kGlow.shade);
  Eye(cr, cx + 5.5, cy - 6, 3.6, 0, 0.2, kInk, shy * 0.8, kGlow.shade);
  // Mouth: a grin that turns into a shy little "o".
  cairo_new_path(cr);
  Ellipse(cr, cx, cy + 3, 5 - 3 * shy, 2.5 + 0.3 * shy);
  FillOutline(cr, Hex(0x4A2A5A), kInk, 1.4);
  // Hands rise from the sides to cover the eyes.
  for (double side : {-1.0, 1.0}) {
    double hxp = cx + side * Lerp(17, 5.5, shy), hyp = Lerp(cy + 5, cy - 6, shy);
    Piece(
        cr, [&](cairo_t* c) { Ellipse(c, hxp, hyp, 4.2, 3.8); }, kGlow, 1);
  }
  // Blush.
  for (double side : {-1.0, 1.0}) {
    Ellipse(cr, cx + side * 10, cy + 1, 2.6, 1.4);
    cairo_set_source_rgba(cr, 1.0, 0.55, 0.7, 0.35 + 0.4 * shy);
    cairo_fill(cr);
  }
}

void MakeGhost(const Context& ctx) {
  {
    const char* path = "Images\\Enemy\\Ghost\\Ghost_fly.png";
    Handle h = HandleOf(path);
    Strip(ctx, path, [&](cairo_t* cr, int f) {
      Facing(cr, f == 0, h.x, [&] { DrawGhostFlying(cr, h.x + 3, h.y + 1); });
    });
  }
  {
    const char* path = "Images\\Enemy\\Ghost\\Ghost_fade.png";
    Handle h = HandleOf(path);
    // Frame 0 is the whole ghost, frame 9 almost nothing left.
    Strip(ctx, path, [&](cairo_t* cr, int f) {
      double t = Progress(f, 10);
      cairo_push_group(cr);
      DrawGhostShy(cr, h.x, h.y + 1, Smooth(t * 2.2), t * kTau);
      cairo_pop_group_to_source(cr);
      cairo_paint_with_alpha(cr, 1.0 - 0.9 * Smooth(t));
    });
  }
}

FORGE_JOB("pictures", "enemy_ghost", &MakeGhost);

}  // namespace
}  // namespace forge::art::enemies
