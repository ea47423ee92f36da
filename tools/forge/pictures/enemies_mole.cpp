// The mole (walking, leaping out, diving in) and the hills it leaves behind.
#include "pictures/enemies_kit.h"

namespace forge::art::enemies {
namespace {

const Rgb kInk = Hex(0x231A2E);
const Skin kVelvet = {Hex(0x7C6A9E), Hex(0x54467A), kInk};
const Skin kPink = {Hex(0xFF9EB5), Hex(0xE0708E), kInk};
const Skin kDirt = {Hex(0x9A6636), Hex(0x6E4422), Hex(0x3A2414)};

struct MolePose {
  double stretch = 1.0;  // vertical scale of the body
  double arms = 0.0;     // 0 paws at the chest, 1 paws up over the head
  double step = 0.0;     // walk phase of the feet
  double stride = 0.0;   // how far the feet swing
  double paddle = 0.0;   // phase of paddling paws in the air
};

// Facing right, feet on (hx, gy).
void DrawMole(cairo_t* cr, double hx, double gy, const MolePose& p) {
  double bob = p.stride > 0 ? 1.2 * std::cos(2 * p.step) : 0;
  double h = 36 * p.stretch;
  double cy = gy - 4 - h / 2 - bob;
  auto foot = [&](double phase, const Skin& skin) {
    Pt d = StepFoot(phase, p.stride, p.stride * 0.5);
    Piece(
        cr, [&](cairo_t* c) { Ellipse(c, hx + d.x + 2, gy - 3 + d.y, 5.5, 3); }, skin, 1);
  };
  auto paw = [&](double side, const Skin& skin) {
    double a = p.arms + 0.25 * std::sin(p.paddle + (side > 0 ? 0 : M_PI));
    double px = hx + 12 - 5 * a - (side > 0 ? 0 : 3),
           py = cy + 4 - a * (h * 0.55) + (side > 0 ? 0 : 2);
    Limb(cr, {hx + 4, cy - 2, px, py}, 4.5, kVelvet.base, kInk);
    cairo_save(cr);
    cairo_translate(cr, px + 2, py);
    cairo_rotate(cr, -a * 1.4);
    Piece(
        cr, [](cairo_t* c) { Ellipse(c, 0, 0, 5, 3.8); }, skin, 1);
    // Digging claws.
    SetRgb(cr, Hex(0xFFF4E0));
    for (int k = -1; k <= 1; ++k) {
      cairo_move_to(cr, 4, k * 2.2);
      cairo_line_to(cr, 7.5, k * 2.6);
    }
    cairo_set_line_width(cr, 1.4);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    cairo_restore(cr);
  };
  Skin backPink = {kPink.shade, Darker(kPink.shade, 0.15), kInk};
  foot(p.step + M_PI, backPink);
  paw(-1, backPink);
  Body(
      cr, [&](cairo_t* c) { Ellipse(c, hx - 1, cy, 13.5, h / 2); }, kVelvet, hx - 14.5, cy - h / 2,
      27, h, 3);
  // Belly.
  Piece(
      cr, [&](cairo_t* c) { Ellipse(c, hx + 4, cy + h * 0.12, 8, h * 0.3); },
      {Hex(0xA596C4), Hex(0x8A7AAE), kInk}, 1);
  foot(p.step, kPink);
  // Face: tiny squinting eyes and a big pink nose, near the top.
  double fy = cy - h * 0.26;
  // A pointed snout with a pink nose at its tip.
  Piece(
      cr,
      [&](cairo_t* c) {
        cairo_new_path(c);
        cairo_move_to(c, hx + 6, fy - 4);
        cairo_curve_to(c, hx + 11, fy - 4, hx + 15, fy - 1, hx + 17, fy + 1);
        cairo_curve_to(c, hx + 15, fy + 4, hx + 11, fy + 7, hx + 6, fy + 7);
        cairo_close_path(c);
      },
      kVelvet, 1.2);
  Piece(
      cr, [&](cairo_t* c) { Ellipse(c, hx + 17, fy + 1.5, 3.6, 3.2); }, kPink, 1);
  Ellipse(cr, hx + 16, fy + 0.3, 1.2, 0.9);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.7);
  cairo_fill(cr);
  SetRgb(cr, kInk);
  cairo_set_line_width(cr, 1.6);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (double ex : {hx + 1, hx + 6}) {
    cairo_move_to(cr, ex - 1.8, fy - 4);
    cairo_curve_to(cr, ex - 0.8, fy - 5.5, ex + 0.8, fy - 5.5, ex + 1.8, fy - 4);
  }
  cairo_stroke(cr);
  // Whiskers.
  cairo_set_line_width(cr, 1);
  for (int k = -1; k <= 1; ++k) {
    cairo_move_to(cr, hx + 13, fy + 3 + k);
    cairo_line_to(cr, hx + 19.5, fy + 4 + k * 2.5);
  }
  cairo_stroke(cr);
  paw(1, kPink);
}

// Clods of earth thrown up round the feet.
void Clods(cairo_t* cr, double hx, double gy, double spread, double rise) {
  const double xs[] = {-12, -6, 0, 7, 13}, lifts[] = {0.6, 1.0, 0.8, 1.0, 0.5};
  for (int k = 0; k < 5; ++k) {
    double x = hx + xs[k] * spread, y = gy + 6 - rise * lifts[k];
    Piece(
        cr, [&](cairo_t* c) { Ellipse(c, x, y, 2.8, 2.3); }, kDirt, 0.8);
  }
}

void MakeMoleWalking(const Context& ctx) {
  const char* path = "Images\\Enemy\\Mole\\mole_walking.png";
  Handle h = HandleOf(path);
  Strip(ctx, path, [&](cairo_t* cr, int f) {
    GroundShadow(cr, h.x, h.y - 1, 12);
    MolePose p;
    p.step = Phase(f % 8, 8);
    p.stride = 5;
    p.arms = 0.25;
    p.paddle = p.step;
    Facing(cr, f < 8, h.x, [&] { DrawMole(cr, h.x, h.y, p); });
  });
}

// Rising: two frames bursting out of the earth, then four paddling in the air
// (the game loops those).
void MakeMoleJumpingUp(const Context& ctx) {
  const char* path = "Images\\Enemy\\Mole\\mole_jumping_up.png";
  Handle h = HandleOf(path);
  Strip(ctx, path, [&](cairo_t* cr, int f) {
    int s = f % 6;
    MolePose p;
    if (s < 2) {
      p.stretch = 1.0 + 0.12 * (s + 1);
      p.arms = 0.9 + 0.1 * s;
      Clods(cr, h.x, h.y, 1.0 + 0.3 * s, 2 + 5 * s);
    } else {
      p.stretch = 1.1;
      p.arms = 0.85;
      p.paddle = Phase(s - 2, 4);
      p.step = p.paddle;
      p.stride = 2.5;
    }
    Facing(cr, f < 6, h.x, [&] { DrawMole(cr, h.x, h.y, p); });
  });
}

// Falling: it turns nose down and dives, paws together to dig.
void MakeMoleJumpingDown(const Context& ctx) {
  const char* path = "Images\\Enemy\\Mole\\mole_jumping_down.png";
  Handle h = HandleOf(path);
  Strip(ctx, path, [&](cairo_t* cr, int f) {
    int s = f % 6;
    double turn = s < 2 ? 0.4 + 0.6 * s : 1.0;
    MolePose p;
    p.stretch = 1.1;
    p.arms = 1.0;
    p.paddle = s < 2 ? 0 : Phase(s - 2, 4);
    Facing(cr, f < 6, h.x, [&] {
      // Turn about the body's middle so the nose ends at the feet's place.
      double cy = h.y - 24;
      cairo_save(cr);
      cairo_translate(cr, h.x, cy);
      cairo_rotate(cr, M_PI * 0.85 * turn);
      cairo_translate(cr, -h.x, -cy);
      DrawMole(cr, h.x, h.y, p);
      cairo_restore(cr);
    });
  });
}

// A mound of earth of the given height (0..1) standing on (hx, gy).
void DrawHill(cairo_t* cr, double hx, double gy, double height, double bits) {
  if (height <= 0.01) return;
  double top = gy - 12 * height;
  double rx = 11 + 12 * std::sqrt(height);
  auto mound = [&](cairo_t* c) {
    cairo_new_path(c);
    cairo_move_to(c, hx - rx, gy + 2);
    cairo_curve_to(c, hx - rx * 0.6, gy + 1, hx - rx * 0.5, top, hx, top);
    cairo_curve_to(c, hx + rx * 0.5, top, hx + rx * 0.6, gy + 1, hx + rx, gy + 2);
    cairo_curve_to(c, hx + rx * 0.5, gy + 5, hx - rx * 0.5, gy + 5, hx - rx, gy + 2);
    cairo_close_path(c);
  };
  Body(cr, mound, kDirt, hx - rx, top, 2 * rx, gy - top + 4, 2, 0.25);
  // Pebbles and crumbs.
  const double px[] = {-0.45, 0.1, 0.5, -0.15}, py[] = {0.55, 0.35, 0.7, 0.8};
  for (int k = 0; k < 4; ++k) {
    Ellipse(cr, hx + px[k] * rx, top + (gy - top) * py[k], 1.6 * height + 0.4, 1.2 * height + 0.3);
    SetRgb(cr, kDirt.ink, 0.7);
    cairo_fill(cr);
  }
  for (int k = 0; k < 3; ++k) {
    if (bits <= 0) break;
    double x = hx + (k - 1) * 9 * (0.5 + bits), y = top - 2 - 4 * bits * (k == 1 ? 1.3 : 1);
    Piece(
        cr, [&](cairo_t* c) { Ellipse(c, x, y, 1.8, 1.6); }, kDirt, 0.6);
  }
}

void MakeMoleHills(const Context& ctx) {
  {
    const char* path = "Images\\Enemy\\Mole\\mole_hill_form.png";
    Handle h = HandleOf(path);
    // Heaves up with a spray of crumbs, then settles as a full hill.
    Strip(ctx, path, [&](cairo_t* cr, int f) {
      double t = Progress(f, 10);
      double height = Smooth(t * 1.25) * (1 + 0.12 * std::sin(M_PI * std::min(1.0, t * 1.25)));
      double bits = f < 7 ? std::sin(M_PI * f / 7.0) : 0;
      DrawHill(cr, h.x, h.y, height, bits);
    });
  }
  {
    const char* path = "Images\\Enemy\\Mole\\mole_hill_subside.png";
    Handle h = HandleOf(path);
    Strip(ctx, path,
          [&](cairo_t* cr, int f) { DrawHill(cr, h.x, h.y, 1.0 - Smooth((f + 1) / 5.5), 0); });
  }
}

void MakeMole(const Context& ctx) {
  MakeMoleWalking(ctx);
  MakeMoleJumpingUp(ctx);
  MakeMoleJumpingDown(ctx);
  MakeMoleHills(ctx);
}

FORGE_JOB("pictures", "enemy_mole", &MakeMole);

}  // namespace
}  // namespace forge::art::enemies
