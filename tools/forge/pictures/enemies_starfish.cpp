// The starfish: waddles on two arms, kicks itself at the hero, and spins
// dizzily after striking a wall.
#include <algorithm>

#include "pictures/enemies_kit.h"

namespace forge::art::enemies {
namespace {

const Rgb kInk = Hex(0x4A1A12);
const Skin kStar = {Hex(0xFF8A3D), Hex(0xD0582A), kInk};
constexpr double kArm = 33;

void StarPath(cairo_t* cr, double cx, double cy, double r, double angle) {
  cairo_new_path(cr);
  for (int k = 0; k < 10; ++k) {
    double a = angle - M_PI / 2 + k * M_PI / 5;
    double rr = (k % 2) ? r * 0.46 : r;
    double x = cx + rr * std::cos(a), y = cy + rr * std::sin(a);
    if (k == 0) {
      cairo_move_to(cr, x, y);
    } else {
      // Bow the sides outwards a little so the arms look plump.
      double pa = angle - M_PI / 2 + (k - 0.5) * M_PI / 5;
      double pr = r * 0.7;
      cairo_curve_to(cr, cx + pr * std::cos(pa), cy + pr * std::sin(pa), cx + pr * std::cos(pa),
                     cy + pr * std::sin(pa), x, y);
    }
  }
  double pa = angle - M_PI / 2 + 9.5 * M_PI / 5, pr = r * 0.7;
  cairo_curve_to(cr, cx + pr * std::cos(pa), cy + pr * std::sin(pa), cx + pr * std::cos(pa),
                 cy + pr * std::sin(pa), cx + r * std::cos(angle - M_PI / 2),
                 cy + r * std::sin(angle - M_PI / 2));
  cairo_close_path(cr);
}

enum class Mood { Happy, Fierce, Dizzy };

// A starfish turned by `angle`, centred on (cx, cy), its face turned right.
void DrawStar(cairo_t* cr, double cx, double cy, double angle, Mood mood) {
  Body(
      cr, [&](cairo_t* c) { StarPath(c, cx, cy, kArm, angle); }, kStar, cx - kArm, cy - kArm,
      2 * kArm, 2 * kArm, 3.5, 0.3);
  // Bumps along the arms turn with the body.
  for (int k = 0; k < 5; ++k) {
    double a = angle - M_PI / 2 + k * 2 * M_PI / 5;
    for (double d : {0.55, 0.78}) {
      Ellipse(cr, cx + kArm * d * std::cos(a), cy + kArm * d * std::sin(a), 1.8, 1.8);
      SetRgb(cr, Hex(0xFFD08A));
      cairo_fill(cr);
    }
  }
  // The face stays upright.
  if (mood == Mood::Dizzy) {
    SetRgb(cr, kInk);
    cairo_set_line_width(cr, 1.6);
    for (double ex : {cx - 5, cx + 5}) {
      cairo_new_path(cr);
      for (int i = 0; i <= 16; ++i) {
        double a = i * 0.8, r = 0.25 * i;
        cairo_line_to(cr, ex + r * std::cos(a), cy - 4 + r * std::sin(a));
      }
      cairo_stroke(cr);
    }
    Ellipse(cr, cx, cy + 5, 3, 2.2);
    FillOutline(cr, Hex(0x7A2A2A), kInk, 1.2);
    return;
  }
  Eye(cr, cx - 2, cy - 4, 3.8, 0.6, 0.1, kInk);
  Eye(cr, cx + 7, cy - 4, 3.8, 0.6, 0.1, kInk);
  if (mood == Mood::Fierce) {
    Brow(cr, cx - 2, cy - 9, 6, 2.5, kInk, 2);
    Brow(cr, cx + 7, cy - 9, 6, 2.5, kInk, 2);
    cairo_new_path(cr);
    RoundRect(cr, cx - 1, cy + 3, 10, 4, 1.5);
    FillOutline(cr, Hex(0xFFF6EA), kInk, 1.3);
  } else {
    cairo_new_path(cr);
    cairo_move_to(cr, cx - 1, cy + 3);
    cairo_curve_to(cr, cx + 1, cy + 7, cx + 7, cy + 7, cx + 9, cy + 3);
    SetRgb(cr, kInk);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
  }
}

// The lowest point of the turned star below its centre, so it can stand.
double Reach(double angle) {
  double low = 0;
  for (int k = 0; k < 5; ++k)
    low = std::max(low, kArm * std::sin(angle - M_PI / 2 + k * 0.4 * kTau));
  return low - 2;
}

void MakeStarfish(const Context& ctx) {
  {
    const char* path = "Images\\Enemy\\Starfish\\Starfish_walk.png";
    Handle h = HandleOf(path);
    // A waddle: it rocks from one lower arm to the other.
    Strip(ctx, path, [&](cairo_t* cr, int f) {
      double t = Phase(f % 16, 16);
      double angle = 0.2 * std::sin(t);
      GroundShadow(cr, h.x, h.y - 1, 20);
      Facing(cr, f < 16, h.x,
             [&] { DrawStar(cr, h.x + 2 * std::sin(t), h.y - Reach(angle), angle, Mood::Happy); });
    });
  }
  {
    const char* path = "Images\\Enemy\\Starfish\\Starfish_kick.png";
    Handle h = HandleOf(path);
    // Flying at the hero: a forward tumble, a fifth of a turn per cycle.
    Strip(ctx, path, [&](cairo_t* cr, int f) {
      int s = f % 6;
      double angle = Phase(s, 6) / 5;
      Facing(cr, f < 6, h.x, [&] {
        // Speed lines behind.
        SetRgb(cr, Hex(0xFFFFFF), 0.8);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_width(cr, 2);
        for (int k = 0; k < 3; ++k) {
          double y = h.y - 44 + k * 12, x0 = h.x - 40 + ((s + k) % 3) * 2;
          cairo_move_to(cr, x0, y);
          cairo_line_to(cr, x0 + 9, y);
        }
        cairo_stroke(cr);
        DrawStar(cr, h.x + 4, h.y - 36, angle - 0.25, Mood::Fierce);
      });
    });
  }
  {
    const char* path = "Images\\Enemy\\Starfish\\Starfish_spin.png";
    Handle h = HandleOf(path);
    // A twentieth of a turn a frame: four frames are exactly one arm's
    // spacing, so the whole strip and either half of it loop without a jump.
    Strip(ctx, path, [&](cairo_t* cr, int f) {
      DrawStar(cr, h.x, h.y - kArm - 2, f * 0.1 * M_PI, Mood::Dizzy);
    });
  }
}

FORGE_JOB("pictures", "enemy_starfish", &MakeStarfish);

}  // namespace
}  // namespace forge::art::enemies
