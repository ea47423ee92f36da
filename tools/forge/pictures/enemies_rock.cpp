// The rolling rock: a huge boulder; its cracks and moss turn with the roll
// while the light stays put.
#include "pictures/enemies_kit.h"

namespace forge::art::enemies {
namespace {

const Rgb kInk = Hex(0x2A2420);
const Skin kStone = {Hex(0xA8988A), Hex(0x6E6258), kInk};
const Rgb kMoss = Hex(0x6FAF3A);

void MakeRock(const Context& ctx) {
  const char* path = "Images\\Enemy\\Rock\\Rock_Roll.png";
  Handle h = HandleOf(path);
  double bumps[14];
  Rng rng(52);
  for (double& b : bumps) b = rng.Uniform(0.93, 1.04);
  // Features in the boulder's own frame: (x, y, size) before the turn.
  struct Spot {
    double x, y, r;
  };
  Spot moss[4], pits[7];
  for (Spot& s : moss) s = {rng.Uniform(-55, 55), rng.Uniform(-55, 55), rng.Uniform(7, 13)};
  for (Spot& s : pits) s = {rng.Uniform(-60, 60), rng.Uniform(-60, 60), rng.Uniform(3, 7)};
  // One turn over the strip, rolling to the right (clockwise).
  Strip(ctx, path, [&](cairo_t* cr, int f) {
    double cx = h.x, cy = h.y, turn = Phase(f, 8);
    auto shape = [&](cairo_t* c) { LumpyPath(c, cx, cy, 86, 86, bumps, 14, turn); };
    // The shadow band and highlight are lit from the upper left whatever the turn.
    Body(cr, shape, kStone, cx - 86, cy - 86, 172, 172, 14, 0.0);
    cairo_save(cr);
    cairo_new_path(cr);
    shape(cr);
    cairo_clip(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, turn);
    for (const Spot& s : pits) {
      Ellipse(cr, s.x, s.y, s.r, s.r * 0.8);
      SetRgb(cr, kStone.shade, 0.8);
      cairo_fill(cr);
      Ellipse(cr, s.x + s.r * 0.25, s.y + s.r * 0.25, s.r * 0.6, s.r * 0.45);
      SetRgb(cr, Darker(kStone.shade, 0.25), 0.7);
      cairo_fill(cr);
    }
    for (const Spot& s : moss) {
      double b[7] = {1, 0.8, 1.1, 0.9, 1.05, 0.85, 1};
      LumpyPath(cr, s.x, s.y, s.r * 1.4, s.r, b, 7, 0.3);
      SetRgb(cr, kMoss, 0.9);
      cairo_fill(cr);
    }
    // Cracks.
    SetRgb(cr, kInk, 0.75);
    cairo_set_line_width(cr, 3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_move_to(cr, -70, -20);
    cairo_line_to(cr, -40, -12);
    cairo_line_to(cr, -30, 8);
    cairo_line_to(cr, -8, 14);
    cairo_move_to(cr, -40, -12);
    cairo_line_to(cr, -34, -34);
    cairo_move_to(cr, 30, 50);
    cairo_line_to(cr, 42, 30);
    cairo_line_to(cr, 66, 26);
    cairo_stroke(cr);
    cairo_restore(cr);
    Highlight(cr, cx - 34, cy - 42, 30, 17, 0.28);
    Highlight(cr, cx - 40, cy - 48, 12, 7, 0.3);
    cairo_new_path(cr);
    shape(cr);
    SetRgb(cr, kInk);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
  });
}

FORGE_JOB("pictures", "enemy_rock", &MakeRock);

}  // namespace
}  // namespace forge::art::enemies
