// The bee (flying, dying) and the hive that releases bees.
#include "pictures/enemies_kit.h"

namespace forge::art::enemies {
namespace {

const Skin kBeeYellow = SkinOf(Hex(0xFFC629), 0.25);
const Rgb kBeeInk = Hex(0x2A1C24);
const Rgb kStripe = Hex(0x3A2A30);

// A bee facing right, centred on (0, 0), about 32 pixels long. wing is the
// beat phase; dead turns the eyes into crosses and lets the wings droop.
void DrawBee(cairo_t* cr, double wing, bool dead) {
  Skin skin = kBeeYellow;
  skin.ink = kBeeInk;
  double bob = dead ? 0 : std::sin(wing) * 1.0;
  cairo_save(cr);
  cairo_translate(cr, 0, bob);

  // Back wing first, so the body covers its root.
  auto wingAt = [&](double rootX, double angle, double len, double alpha) {
    cairo_save(cr);
    cairo_translate(cr, rootX, -5);
    cairo_rotate(cr, angle);
    Ellipse(cr, 0, -len / 2, len * 0.36, len / 2);
    cairo_set_source_rgba(cr, 0.86, 0.95, 1.0, alpha);
    cairo_fill_preserve(cr);
    cairo_set_source_rgba(cr, 0.25, 0.3, 0.45, 0.9);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_restore(cr);
  };
  // The beat: tips sweep from high behind the body to low in front; the wing
  // looks shorter at the ends of the stroke, where it is seen edge-on.
  double beat = std::cos(wing);
  double angle = dead ? -2.2 : -0.55 + 0.75 * beat;
  double len = dead ? 10 : 13 - 3.5 * std::abs(std::sin(wing));
  wingAt(-3, angle - 0.35, len * 0.9, 0.55);

  // Stinger.
  cairo_new_path(cr);
  cairo_move_to(cr, -11, -2);
  cairo_line_to(cr, -17, 1);
  cairo_line_to(cr, -11, 4);
  cairo_close_path(cr);
  FillOutline(cr, kStripe, kBeeInk, 1.5);

  // Abdomen with stripes: the stripes are clipped into the shaded body.
  auto abdomen = [](cairo_t* c) { Ellipse(c, -2, 1, 11, 8.5); };
  Body(cr, abdomen, skin, -13, -7.5, 22, 17, 2.5);
  cairo_save(cr);
  abdomen(cr);
  cairo_clip(cr);
  for (double sx : {-8.5, -2.0}) {
    cairo_new_path(cr);
    cairo_move_to(cr, sx - 1.5, -9);
    cairo_curve_to(cr, sx - 3, -2, sx - 3, 4, sx - 1.5, 10);
    cairo_line_to(cr, sx + 2.5, 10);
    cairo_curve_to(cr, sx + 1, 4, sx + 1, -2, sx + 2.5, -9);
    cairo_close_path(cr);
    SetRgb(cr, kStripe, 0.95);
    cairo_fill(cr);
  }
  cairo_restore(cr);
  abdomen(cr);
  SetRgb(cr, kBeeInk);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);

  // Head.
  auto head = [](cairo_t* c) { Ellipse(c, 10, -1, 6.5, 6.5); };
  Body(cr, head, skin, 3.5, -7.5, 13, 13, 1.5);
  // Antennae.
  for (double dx : {0.0, 3.0}) {
    cairo_move_to(cr, 9 + dx, -7);
    cairo_curve_to(cr, 9 + dx, -11, 12 + dx, -12, 13 + dx, -13);
    SetRgb(cr, kBeeInk);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    Ellipse(cr, 13.5 + dx, -13.5, 1.4, 1.4);
    cairo_fill(cr);
  }
  if (dead) {
    SetRgb(cr, kBeeInk);
    cairo_set_line_width(cr, 1.5);
    cairo_move_to(cr, 10.5, -3.5);
    cairo_line_to(cr, 14.5, 0.5);
    cairo_move_to(cr, 14.5, -3.5);
    cairo_line_to(cr, 10.5, 0.5);
    cairo_stroke(cr);
  } else {
    Eye(cr, 12.5, -1.5, 2.6, 0.6, 0.1, kBeeInk);
    Brow(cr, 12.3, -5.2, 5, 1.6, kBeeInk, 1.5);
  }
  // Front wing over the body.
  wingAt(0, angle, len, 0.7);
  cairo_restore(cr);
}

void MakeBeeFlying(const Context& ctx) {
  const char* path = "Images\\Enemy\\Bee\\bee_flying.png";
  Handle h = HandleOf(path);
  // Frames 0-3: the bee left of the hero looks right; 4-7 the mirror.
  Strip(ctx, path, [&](cairo_t* cr, int f) {
    Facing(cr, f >= 4, h.x + 0.5, [&] {
      cairo_save(cr);
      cairo_translate(cr, h.x + 0.5, h.y + 2.5);
      DrawBee(cr, Phase(f % 4, 4), false);
      cairo_restore(cr);
    });
  });
}

void MakeBeeDying(const Context& ctx) {
  const char* path = "Images\\Enemy\\Bee\\bee_dying.png";
  Handle h = HandleOf(path);
  // A dizzy tumble: one full turn over the strip.
  Strip(ctx, path, [&](cairo_t* cr, int f) {
    cairo_save(cr);
    cairo_translate(cr, h.x, h.y);
    cairo_rotate(cr, M_PI + Phase(f, 8));
    cairo_scale(cr, 0.72, 0.72);
    DrawBee(cr, 0, true);
    cairo_restore(cr);
  });
}

void MakeBeeHive(const Context& ctx) {
  const char* path = "Images\\Enemy\\Bee\\bee_hive.png";
  Handle h = HandleOf(path);
  Skin wax = SkinOf(Hex(0xE8A33A), 0.3);
  wax.ink = Hex(0x4A2A14);
  Strip(ctx, path, [&](cairo_t* cr, int) {
    double cx = h.x;
    // The twig it hangs from.
    Limb(cr, {2, 5, 46, 3}, 3, Hex(0x8A5A32), wax.ink);
    Limb(cr, {cx, 4, cx, 9}, 3, Hex(0x8A5A32), wax.ink);
    // Rings from the bottom up, each a little narrower and overlapping.
    const double rings[][3] = {{46, 12, 6.5}, {37, 19, 7}, {28, 21, 7}, {19, 18, 6.5}, {11, 11, 5}};
    for (const auto& ring : rings) {
      double y = ring[0], rx = ring[1], ry = ring[2];
      Body(
          cr, [&](cairo_t* c) { Ellipse(c, cx, y, rx, ry); }, wax, cx - rx, y - ry, 2 * rx, 2 * ry,
          2.5, 0.3);
    }
    // Entrance.
    Ellipse(cr, cx + 2, 33, 4.5, 3.8);
    FillOutline(cr, Hex(0x3A2010), wax.ink, 1.5);
    // A honey drip at the bottom.
    cairo_new_path(cr);
    cairo_move_to(cr, cx - 6, 50);
    cairo_curve_to(cr, cx - 6, 53, cx - 4, 55, cx - 3, 55);
    cairo_curve_to(cr, cx - 2, 55, cx - 1, 53, cx - 1, 51);
    cairo_close_path(cr);
    FillOutline(cr, Hex(0xFFC629), wax.ink, 1.2);
  });
}

void MakeBees(const Context& ctx) {
  MakeBeeFlying(ctx);
  MakeBeeDying(ctx);
  MakeBeeHive(ctx);
}

FORGE_JOB("pictures", "enemy_bee", &MakeBees);

}  // namespace
}  // namespace forge::art::enemies
