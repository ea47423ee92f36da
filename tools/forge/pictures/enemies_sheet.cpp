// The sheet: somebody under a striped bedsheet, only the feet showing.
#include "pictures/enemies_kit.h"

namespace forge::art::enemies {
namespace {

const Rgb kInk = Hex(0x2E2740);
const Skin kCloth = {Hex(0xF6F1FF), Hex(0xC4B8E6), kInk};
const Rgb kStripe = Hex(0xFF7FA8);

void DrawSheet(cairo_t* cr, double hx, double gy, double t) {
  double bob = 1.2 * std::cos(2 * t);
  double lean = 1.5 + 1.0 * std::cos(2 * t);

  // Feet under the hem.
  for (int k = 0; k < 2; ++k) {
    Pt d = StepFoot(t + k * M_PI, 5, 3);
    double fx = hx - 1 + d.x + (k ? -3 : 3), fy = gy - 2 + d.y;
    cairo_new_path(cr);
    RoundRect(cr, fx - 3, fy - 3, 9, 5, 2.5);
    FillOutline(cr, k ? Hex(0x7A5AA8) : Hex(0x9A7AD0), kInk, 1.5);
  }

  double top = gy - 45 - bob, hem = gy - 6 - bob * 0.3;
  auto sheet = [&](cairo_t* c) {
    cairo_new_path(c);
    cairo_move_to(c, hx - 17, hem);
    cairo_curve_to(c, hx - 17, hem - 18, hx - 14 + lean, top, hx + lean, top);
    cairo_curve_to(c, hx + 14 + lean, top, hx + 17 + lean * 0.5, hem - 18, hx + 18, hem);
    // Wavy hem: four scallops whose depth ripples along with the step.
    for (int i = 3; i >= 0; --i) {
      double x0 = hx - 17 + i * 8.75;
      double dip = 3.2 + 1.5 * std::sin(t * 2 + i * 1.4);
      cairo_curve_to(c, x0 + 8.75 - 2, hem + dip, x0 + 2, hem + dip, x0, hem);
    }
    cairo_close_path(c);
  };
  Body(cr, sheet, kCloth, hx - 17, top, 35, hem - top, 3);
  // Two stripes across the lower sheet.
  cairo_save(cr);
  cairo_new_path(cr);
  sheet(cr);
  cairo_clip(cr);
  for (double sy : {hem - 12, hem - 7}) {
    cairo_rectangle(cr, hx - 20, sy - 1.3 - bob * 0.2, 40, 2.6);
    SetRgb(cr, kStripe, 0.85);
    cairo_fill(cr);
  }
  cairo_restore(cr);
  // Re-stroke so the stripes sit under the outline.
  cairo_new_path(cr);
  sheet(cr);
  SetRgb(cr, kInk);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);

  // Eye holes, looking ahead.
  double ey = top + 13;
  for (double ex : {hx + 2 + lean, hx + 10 + lean}) {
    Ellipse(cr, ex, ey, 2.8, 3.8);
    FillOutline(cr, Hex(0x1B1730), kInk, 1.0);
    Ellipse(cr, ex + 0.8, ey - 1, 0.9, 0.9);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.8);
    cairo_fill(cr);
  }
}

void MakeSheet(const Context& ctx) {
  const char* path = "Images\\Enemy\\Sheet\\Sheet_walk.png";
  Handle h = HandleOf(path);
  Strip(ctx, path, [&](cairo_t* cr, int f) {
    GroundShadow(cr, h.x, h.y, 14);
    Facing(cr, f < 16, h.x, [&] { DrawSheet(cr, h.x, h.y, Phase(f % 16, 16)); });
  });
}

FORGE_JOB("pictures", "enemy_sheet", &MakeSheet);

}  // namespace
}  // namespace forge::art::enemies
