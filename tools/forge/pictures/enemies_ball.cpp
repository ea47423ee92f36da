// The ball: a rubbery striped ball with a cross face; the stripes roll
// round while the face stays upright.
#include "pictures/enemies_kit.h"

namespace forge::art::enemies {
namespace {

const Rgb kInk = Hex(0x3A1024);
const Skin kRubber = {Hex(0xFF4F6E), Hex(0xC22E50), kInk};

void MakeBall(const Context& ctx) {
  const char* path = "Images\\Enemy\\Ball\\Ball_spin.png";
  Handle h = HandleOf(path);
  // One full turn over the strip; the pattern repeats every half turn, so
  // the stripes never seem to jump.
  Strip(ctx, path, [&](cairo_t* cr, int f) {
    double cx = h.x, cy = h.y, r = 19;
    double spin = Phase(f, 10);
    auto ball = [&](cairo_t* c) { Ellipse(c, cx, cy, r, r); };
    cairo_save(cr);
    ball(cr);
    cairo_clip(cr);
    SetRgb(cr, kRubber.base);
    cairo_paint(cr);
    // Two broad yellow bands through the middle, turning with the roll.
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, spin);
    for (int k = 0; k < 2; ++k) {
      cairo_save(cr);
      cairo_rotate(cr, k * M_PI / 2);
      cairo_rectangle(cr, -r - 2, -4.5, 2 * r + 4, 9);
      SetRgb(cr, Hex(0xFFD23F));
      cairo_fill(cr);
      cairo_restore(cr);
    }
    cairo_restore(cr);
    // Shadow band and highlight stay with the light, not the roll.
    cairo_set_operator(cr, CAIRO_OPERATOR_MULTIPLY);
    cairo_new_path(cr);
    ball(cr);
    cairo_new_sub_path(cr);
    Ellipse(cr, cx - 3.5, cy - 3.5, r, r);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_set_source_rgba(cr, 0.55, 0.4, 0.7, 0.8);
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    Highlight(cr, cx - 7, cy - 9, 6, 3.5, 0.5);
    cairo_restore(cr);
    ball(cr);
    SetRgb(cr, kInk);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // Face: angry eyes and a clenched mouth.
    Eye(cr, cx - 6, cy - 3, 4, 0, 0.3, kInk);
    Eye(cr, cx + 6, cy - 3, 4, 0, 0.3, kInk);
    Brow(cr, cx - 6, cy - 8, 7, 2.5, kInk, 2);
    Brow(cr, cx + 6, cy - 8, 7, -2.5, kInk, 2);
    cairo_new_path(cr);
    RoundRect(cr, cx - 5, cy + 5, 10, 4, 1.5);
    FillOutline(cr, Hex(0xFFF6F0), kInk, 1.4);
    cairo_move_to(cr, cx, cy + 5);
    cairo_line_to(cr, cx, cy + 9);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  });
}

FORGE_JOB("pictures", "enemy_ball", &MakeBall);

}  // namespace
}  // namespace forge::art::enemies
