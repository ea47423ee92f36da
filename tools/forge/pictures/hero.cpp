// The hero: a round-headed boy in a red cap riding a yellow pogo stick with a
// face on its handle. Every strip stands on the stick's tip at the handle;
// the first half of a strip faces right, the second half mirrors it.
#include <algorithm>
#include <cmath>
#include <functional>

#include "frame/asset_table.h"
#include "pictures/draw_kit.h"

namespace forge::art {
namespace {

constexpr Rgb kInk = Hex(0x2B1D16);
constexpr Rgb kSkin = Hex(0xF6C9A0);
constexpr Rgb kCap = Hex(0xD8352A);
constexpr Rgb kShirt = Hex(0x3A7BD5);
constexpr Rgb kStick = Hex(0xF5C518);
constexpr Rgb kSpring = Hex(0x9AA4AE);

struct Pose {
  double squashX = 1, squashY = 1;  // of the whole figure, about the tip
  double lean = 0;                   // degrees, towards the facing
  double stickAngle = 0;             // the stick's own turn (the dash spin)
  double blink = 0;                  // 0 open, 1 shut
  bool tucked = false;               // knees up for the dash
};

void Eyes(cairo_t* cr, double cx, double cy, double blink) {
  for (double dx : {-4.0, 4.0}) {
    if (blink > 0.5) {
      cairo_new_path(cr);
      cairo_move_to(cr, cx + dx - 3, cy);
      cairo_line_to(cr, cx + dx + 3, cy);
      SetRgb(cr, kInk);
      cairo_set_line_width(cr, 1.5);
      cairo_stroke(cr);
    } else {
      cairo_new_path(cr);
      Ellipse(cr, cx + dx, cy, 3, 3.6 * (1 - blink));
      FillOutline(cr, {1, 1, 1}, kInk, 1);
      cairo_new_path(cr);
      Ellipse(cr, cx + dx + 1, cy, 1.4, 1.6 * (1 - blink) + 0.2);
      SetRgb(cr, kInk);
      cairo_fill(cr);
    }
  }
}

// Draws the rider and stick, facing right, tip at (tx, ty).
void Rider(cairo_t* cr, double tx, double ty, const Pose& p) {
  cairo_save(cr);
  cairo_translate(cr, tx, ty);
  cairo_scale(cr, p.squashX, p.squashY);
  cairo_rotate(cr, p.lean * M_PI / 180);
  // The stick: tip, spring, shaft, handle with a face.
  cairo_save(cr);
  cairo_translate(cr, 0, -20);
  cairo_rotate(cr, p.stickAngle * M_PI / 180);
  cairo_translate(cr, 0, 20);
  cairo_new_path(cr);
  RoundRect(cr, -2, -8, 4, 8, 1.5);
  FillOutline(cr, kInk, kInk, 1);
  cairo_new_path(cr);
  for (int i = 0; i < 3; ++i) {
    cairo_move_to(cr, -4, -9 - i * 2.5);
    cairo_line_to(cr, 4, -10.5 - i * 2.5);
  }
  SetRgb(cr, kSpring);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  cairo_new_path(cr);
  RoundRect(cr, -2.5, -36, 5, 22, 2);
  FillOutline(cr, kStick, kInk, 1.5);
  cairo_new_path(cr);
  RoundRect(cr, -8, -40, 16, 5, 2.5);
  FillOutline(cr, kStick, kInk, 1.5);
  cairo_new_path(cr);  // the stick's little face
  Ellipse(cr, -1.5, -31, 0.9, 0.9);
  Ellipse(cr, 1.5, -31, 0.9, 0.9);
  SetRgb(cr, kInk);
  cairo_fill(cr);
  cairo_restore(cr);
  // The boy: legs on the foot pegs, body, head with a cap.
  double knee = p.tucked ? -22 : -16;
  cairo_new_path(cr);
  cairo_move_to(cr, -3, -26);
  cairo_line_to(cr, -6, knee);
  cairo_line_to(cr, -3, -12);
  cairo_move_to(cr, 3, -26);
  cairo_line_to(cr, 6, knee);
  cairo_line_to(cr, 3, -12);
  SetRgb(cr, kInk);
  cairo_set_line_width(cr, 4);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke_preserve(cr);
  SetRgb(cr, Hex(0x3B4F7A));
  cairo_set_line_width(cr, 2.2);
  cairo_stroke(cr);
  cairo_new_path(cr);
  RoundRect(cr, -6, -34, 12, 10, 4);
  FillGradientOutline(cr, -34, Lighter(kShirt, 0.2), -24, Darker(kShirt, 0.2), kInk, 1.5);
  cairo_new_path(cr);
  Ellipse(cr, 1, -40.5, 8, 7.5);
  FillGradientOutline(cr, -48, Lighter(kSkin, 0.15), -33, Darker(kSkin, 0.1), kInk, 1.5);
  Eyes(cr, 3, -41, p.blink);
  cairo_new_path(cr);
  cairo_arc(cr, 1, -43.5, 8, M_PI, 2 * M_PI);
  cairo_close_path(cr);
  FillOutline(cr, kCap, kInk, 1.5);
  cairo_new_path(cr);
  RoundRect(cr, 4, -45, 8, 2.5, 1.2);  // the peak points where he looks
  FillOutline(cr, Darker(kCap, 0.15), kInk, 1);
  Highlight(cr, -2, -46, 3, 1.5, 0.35);
  cairo_restore(cr);
}

void Facing(cairo_t* cr, bool left, double handleX, const std::function<void()>& draw) {
  cairo_save(cr);
  if (left) {
    cairo_translate(cr, 2 * handleX, 0);
    cairo_scale(cr, -1, 1);
  }
  draw();
  cairo_restore(cr);
}

// A strip of `perSide` poses for each facing.
void HeroStrip(const Context& ctx, const char* path, int perSide, const std::function<Pose(int)>& pose) {
  const ImageSpec& s = ImageOf(path);
  DrawStrip(ctx, path, s.cellW, s.cellH, s.frames, [&](cairo_t* cr, int f) {
    bool left = f >= perSide;
    Pose p = pose(f % perSide);
    Facing(cr, left, s.handleX, [&] { Rider(cr, s.handleX, s.handleY - 0.5, p); });
  });
}

void MakeHero(const Context& ctx) {
  // Bounce: compress (0-1), stretch upward (2-3), relax (4-5).
  const double squash[6] = {0.78, 0.86, 1.10, 1.06, 1.02, 1.0};
  HeroStrip(ctx, "Images\\Quon\\quon_bounce.png", 6, [&](int i) {
    Pose p;
    p.squashY = squash[i];
    p.squashX = 1.0 / std::sqrt(squash[i]);
    return p;
  });
  // Wall: squashed sideways against it, then easing back.
  HeroStrip(ctx, "Images\\Quon\\quon_wall.png", 5, [](int i) {
    Pose p;
    p.squashX = 0.72 + 0.07 * i;
    p.squashY = 1.0 / std::sqrt(p.squashX);
    p.lean = -6 + i;
    return p;
  });
  // Dash: tucked, the stick spinning once over the eight frames.
  HeroStrip(ctx, "Images\\Quon\\quon_dash.png", 8, [](int i) {
    Pose p;
    p.tucked = true;
    p.stickAngle = 45.0 * i;
    p.squashY = 0.92;
    return p;
  });
  // Blink: the eyes close in the middle frames.
  HeroStrip(ctx, "Images\\Quon\\quon_blink.png", 8, [](int i) {
    Pose p;
    p.blink = std::max(0.0, 1.0 - std::fabs(i - 3.5) / 2.0);
    return p;
  });
  // The plain sprite: two frames, right and left.
  HeroStrip(ctx, "Images\\Quon\\pogo_sprite.png", 1, [](int) { return Pose(); });
  // Death: the boy and the stick apart, dizzy.
  DrawCatalogued(ctx, "Images\\Quon\\quon_dead.png", [](cairo_t* cr, int) {
    Pose p;
    p.blink = 1;
    cairo_save(cr);
    cairo_translate(cr, 20, 20);
    cairo_scale(cr, 0.85, 0.85);
    cairo_new_path(cr);
    Ellipse(cr, 0, 0, 11, 10.5);
    FillGradientOutline(cr, -10, Lighter(kSkin, 0.15), 10, Darker(kSkin, 0.1), kInk, 1.5);
    cairo_new_path(cr);
    cairo_arc(cr, 0, -3, 11, M_PI, 2 * M_PI);
    cairo_close_path(cr);
    FillOutline(cr, kCap, kInk, 1.5);
    for (double dx : {-4.5, 4.5}) {  // dizzy crosses for eyes
      cairo_new_path(cr);
      cairo_move_to(cr, dx - 2, 1);
      cairo_line_to(cr, dx + 2, 5);
      cairo_move_to(cr, dx + 2, 1);
      cairo_line_to(cr, dx - 2, 5);
      SetRgb(cr, kInk);
      cairo_set_line_width(cr, 1.5);
      cairo_stroke(cr);
    }
    cairo_restore(cr);
  });
  DrawCatalogued(ctx, "Images\\Quon\\stick_dead.png", [](cairo_t* cr, int) {
    Pose p;
    Rider(cr, 8, 46, p);  // only the stick shows in this narrow cell
  });
  // The retro area's sprite: the same shapes in four greens, square pixels.
  const ImageSpec& r = ImageOf("Images\\Quon\\pogo_retro.png");
  DrawStrip(ctx, r.path, r.cellW, r.cellH, 1, [&](cairo_t* cr, int) {
    const char* rows[] = {
        "....###....", "...#####...", "..##.#.##..", "..#######..", "...#####...", "....###....",
        "...#####...", "..#.###.#..", "....#.#....", "....#.#....", ".....#.....", ".....#.....",
        ".....#.....", ".....#.....", "....###....", ".....#.....", ".....#.....",
    };
    int px = 2;
    double x0 = r.handleX - 5.5 * px, y0 = r.handleY - 17 * px;
    for (int y = 0; y < 17; ++y)
      for (int x = 0; x < 11; ++x)
        if (rows[y][x] == '#') {
          cairo_rectangle(cr, x0 + x * px, y0 + y * px, px, px);
          SetRgb(cr, Hex(0x0F380F));
          cairo_fill(cr);
        }
  });
}

FORGE_JOB("pictures", "hero", &MakeHero);

}  // namespace
}  // namespace forge::art
