// The mummy: wrapped in bandages, stiff-armed, one loose strip trailing.
#include "pictures/enemies_kit.h"

namespace forge::art::enemies {
namespace {

const Rgb kInk = Hex(0x3A2A1E);
const Skin kWrap = {Hex(0xEFE2B8), Hex(0xC2AE7E), kInk};

// Diagonal bandage seams across whatever path is current (clipped to it).
void Wraps(cairo_t* cr, const PathFn& path, double x0, double y0, double x1, double y1,
           double slope, double gap) {
  cairo_save(cr);
  cairo_new_path(cr);
  path(cr);
  cairo_clip(cr);
  SetRgb(cr, Darker(kWrap.shade, 0.15), 0.9);
  cairo_set_line_width(cr, 1.2);
  for (double y = y0 - (x1 - x0) * std::abs(slope); y < y1 + gap; y += gap) {
    cairo_move_to(cr, x0, y);
    cairo_line_to(cr, x1, y + (x1 - x0) * slope);
  }
  cairo_stroke(cr);
  cairo_restore(cr);
}

void DrawMummy(cairo_t* cr, double hx, double gy, double t) {
  double bob = 1.2 * std::cos(2 * t);
  double sway = 1.5 * std::sin(t);
  Pt hip{hx - 1, gy - 22 - bob};
  Pt shoulder{hx + 3, gy - 42 - bob};

  // A loose bandage end trailing from the back of the head.
  cairo_new_path(cr);
  cairo_move_to(cr, hx - 4, gy - 58 - bob);
  for (int i = 1; i <= 5; ++i) {
    double px = hx - 4 - i * 4, py = gy - 58 - bob + i * 1.8 + 2.2 * std::sin(t + i * 1.1);
    cairo_line_to(cr, px, py);
  }
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_width(cr, 5.5);
  SetRgb(cr, kInk);
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, 2.5);
  SetRgb(cr, kWrap.shade);
  cairo_stroke(cr);

  auto leg = [&](double phase, Rgb colour) {
    Pt d = StepFoot(phase, 8, 4);
    Pt foot{hx + d.x, gy - 3 + d.y};
    Pt knee = Knee(hip, foot, 11, 11, 1);
    Leg(cr, hip, knee, foot, 7, colour, kInk);
    Ellipse(cr, foot.x + 2, foot.y + 0.5, 5, 3);
    FillOutline(cr, colour, kInk, 1.5);
  };
  auto arm = [&](double lift, Rgb colour) {
    Pt hand{hx + 26, gy - 42 - bob + lift};
    Limb(cr, {shoulder.x, shoulder.y, hand.x, hand.y}, 6, colour, kInk);
    Ellipse(cr, hand.x + 1.5, hand.y, 3.5, 3);
    FillOutline(cr, colour, kInk, 1.5);
  };

  arm(1 - sway, kWrap.shade);
  leg(t + M_PI, kWrap.shade);

  auto torso = [&](cairo_t* c) { RoundRect(c, hx - 9, gy - 46 - bob, 19, 27, 6); };
  Body(cr, torso, kWrap, hx - 9, gy - 46 - bob, 19, 27, 3);
  Wraps(cr, torso, hx - 10, gy - 47 - bob, hx + 11, gy - 18 - bob, 0.35, 5);

  leg(t, kWrap.base);

  // Head with a dark eye slit and two glowing eyes.
  double cx = hx + 4, cy = gy - 55 - bob;
  auto head = [&](cairo_t* c) { Ellipse(c, cx, cy, 10, 10.5); };
  Body(cr, head, kWrap, cx - 10, cy - 10.5, 20, 21, 2.5);
  Wraps(cr, head, cx - 11, cy - 11, cx + 11, cy + 11, -0.3, 4.5);
  cairo_new_path(cr);
  RoundRect(cr, cx - 5, cy - 3.5, 15, 6, 3);
  FillOutline(cr, Hex(0x2A1C14), kInk, 1.2);
  double glow = 0.8 + 0.2 * std::cos(t);
  for (double ex : {cx + 1, cx + 6.5}) {
    Ellipse(cr, ex, cy - 0.5, 3.2, 2.6);
    cairo_set_source_rgba(cr, 1.0, 0.85, 0.2, 0.35 * glow);
    cairo_fill(cr);
    Ellipse(cr, ex, cy - 0.5, 1.6, 1.5);
    cairo_set_source_rgba(cr, 1.0, 0.93, 0.4, glow);
    cairo_fill(cr);
  }

  arm(-1 + sway, kWrap.base);
  // The wrap over the front arm.
  Wraps(
      cr, [&](cairo_t* c) { RoundRect(c, shoulder.x, shoulder.y - 4, 24, 8, 4); }, shoulder.x,
      shoulder.y - 5, shoulder.x + 25, shoulder.y + 5, 1.4, 5);
}

void MakeMummy(const Context& ctx) {
  const char* path = "Images\\Enemy\\Mummy\\Mummy_walk.png";
  Handle h = HandleOf(path);
  Strip(ctx, path, [&](cairo_t* cr, int f) {
    GroundShadow(cr, h.x, h.y, 15);
    Facing(cr, f < 16, h.x, [&] { DrawMummy(cr, h.x, h.y, Phase(f % 16, 16)); });
  });
}

FORGE_JOB("pictures", "enemy_mummy", &MakeMummy);

}  // namespace
}  // namespace forge::art::enemies
