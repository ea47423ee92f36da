// The generic enemy picture: a horned purple blob, for anything without a
// picture of its own.
#include "pictures/enemies_kit.h"

namespace forge::art::enemies {
namespace {

const Rgb kInk = Hex(0x24103A);
const Skin kBlob = {Hex(0xA04AE0), Hex(0x6E2AA8), kInk};
const Skin kHorn = {Hex(0xFFE9B0), Hex(0xD8B878), kInk};

void MakeGenericEnemy(const Context& ctx) {
  const char* path = "Images\\Enemy\\enemy.png";
  Handle h = HandleOf(path);
  Strip(ctx, path, [&](cairo_t* cr, int) {
    double cx = h.x, cy = h.y + 4;
    for (double side : {-1.0, 1.0}) {
      Piece(
          cr,
          [&](cairo_t* c) {
            cairo_new_path(c);
            cairo_move_to(c, cx + side * 10, cy - 19);
            cairo_curve_to(c, cx + side * 14, cy - 28, cx + side * 20, cy - 30, cx + side * 22,
                           cy - 31);
            cairo_curve_to(c, cx + side * 22, cy - 24, cx + side * 21, cy - 18, cx + side * 17,
                           cy - 14);
            cairo_close_path(c);
          },
          kHorn, 1);
    }
    double bumps[9] = {1, 0.96, 1.02, 0.95, 1.03, 0.97, 1.01, 0.95, 1.02};
    Body(
        cr, [&](cairo_t* c) { LumpyPath(c, cx, cy, 25, 23, bumps, 9, -M_PI / 2); }, kBlob, cx - 25,
        cy - 23, 50, 46, 4);
    Eye(cr, cx - 8, cy - 4, 6, 0.2, 0.3, kInk);
    Eye(cr, cx + 8, cy - 4, 6, 0.2, 0.3, kInk);
    Brow(cr, cx - 8, cy - 12, 10, 4, kInk, 2.5);
    Brow(cr, cx + 8, cy - 12, 10, -4, kInk, 2.5);
    cairo_new_path(cr);
    cairo_move_to(cr, cx - 10, cy + 8);
    cairo_curve_to(cr, cx - 4, cy + 14, cx + 4, cy + 14, cx + 10, cy + 8);
    cairo_close_path(cr);
    FillOutline(cr, Hex(0x3A1050), kInk, 1.5);
    // Two fangs.
    SetRgb(cr, Hex(0xFFFFF4));
    for (double fx : {cx - 5, cx + 5}) {
      cairo_move_to(cr, fx - 2, cy + 9);
      cairo_line_to(cr, fx + 2, cy + 9);
      cairo_line_to(cr, fx, cy + 13);
      cairo_close_path(cr);
    }
    cairo_fill(cr);
  });
}

FORGE_JOB("pictures", "enemy_generic", &MakeGenericEnemy);

}  // namespace
}  // namespace forge::art::enemies
