// The hero: a round-headed boy in a red cap riding a yellow pogo stick with a
// face on its handle. Every strip stands on the stick's tip at the handle;
// the first half of a strip faces right, the second half mirrors it.
//
// The figure is built tip-up from (0, 0): tip, spring, foot pegs, shaft,
// handle bar, and the boy standing on the pegs with both hands on the bar.
// It is 46 pixels tall at rest so that the stretch frames still fit the
// 50-pixel cells.
#include <algorithm>
#include <cmath>
#include <functional>

#include "world/asset_table.h"
#include "pictures/draw_kit.h"

namespace forge::art {
namespace {

constexpr Rgb kInk = Hex(0x2B1D16);
constexpr Rgb kSkin = Hex(0xF6C9A0);
constexpr Rgb kCap = Hex(0xE0302A);
constexpr Rgb kShirt = Hex(0x2F7BE0);
constexpr Rgb kTrousers = Hex(0x34446E);
constexpr Rgb kStick = Hex(0xFFC61A);
constexpr Rgb kSpring = Hex(0xB8C2CC);

struct Pose {
  double squashX = 1, squashY = 1;  // of the whole figure, about the pivot
  double pivotY = 0;                // height of the squash pivot above the tip
  double lean = 0;                  // degrees, towards the facing
  double spin = 0;                  // degrees, the whole figure about its middle
  double blink = 0;                 // 0 open, 1 shut
  double spring = 1;                // 1 at rest, smaller when compressed
  double tuck = 0;                  // 0 standing, 1 knees up (the dash)
  double armsUp = 0;                // 0 hands on the bar, 1 flung up (wall hit)
  bool dizzyStick = false;
};

void Stroke(cairo_t* cr, Rgb c, double w) {
  SetRgb(cr, c);
  cairo_set_line_width(cr, w);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}

// An outlined limb: a wide ink stroke under a narrower colour stroke.
void Limb(cairo_t* cr, double x0, double y0, double x1, double y1, double x2, double y2, double w,
          Rgb c) {
  for (int pass = 0; pass < 2; ++pass) {
    cairo_new_path(cr);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_line_to(cr, x2, y2);
    Stroke(cr, pass == 0 ? kInk : c, pass == 0 ? w + 2.4 : w);
  }
}

void Eyes(cairo_t* cr, double cx, double cy, double blink) {
  for (double dx : {-3.6, 3.2}) {
    double x = cx + dx;
    if (blink > 0.75) {
      cairo_new_path(cr);  // shut: a lash curve
      cairo_move_to(cr, x - 2.6, cy - 0.3);
      cairo_curve_to(cr, x - 1, cy + 1.6, x + 1, cy + 1.6, x + 2.6, cy - 0.3);
      Stroke(cr, kInk, 1.4);
      continue;
    }
    double open = 1 - blink;
    cairo_new_path(cr);
    Ellipse(cr, x, cy, 2.7, 3.5 * open + 0.4);
    FillOutline(cr, {1, 1, 1}, kInk, 1.1);
    cairo_new_path(cr);
    Ellipse(cr, x + 0.9, cy + 0.2, 1.35, 2.0 * open + 0.2);
    SetRgb(cr, kInk);
    cairo_fill(cr);
    if (open > 0.6) {
      cairo_new_path(cr);
      Ellipse(cr, x + 0.3, cy - 1.0, 0.6, 0.6);
      SetRgb(cr, {1, 1, 1});
      cairo_fill(cr);
    }
    if (blink > 0.2) {  // the lid coming down
      cairo_new_path(cr);
      cairo_move_to(cr, x - 3, cy - 3.5 * open);
      cairo_line_to(cr, x + 3, cy - 3.5 * open);
      Stroke(cr, kInk, 1.2);
    }
  }
}

// The pogo stick, tip at (0, 0) pointing down, in two parts: the lower one
// (tip, spring, foot pegs) goes behind the boy, the shaft and handle in front
// of him so the yellow stick reads even at the small size.
double StickTop(const Pose& p) { return -9 - 3 * p.spring; }  // the spring's top
double BarY(const Pose& p) { return StickTop(p) - 18; }

void StickLower(cairo_t* cr, const Pose& p) {
  double top = StickTop(p);
  cairo_new_path(cr);
  RoundRect(cr, -2.2, -4.5, 4.4, 5, 1.8);
  FillOutline(cr, Hex(0x4A3A30), kInk, 1.2);
  // Spring coils between the tip and the foot pegs.
  const int coils = 3;
  for (int pass = 0; pass < 2; ++pass) {
    cairo_new_path(cr);
    for (int i = 0; i <= coils * 2; ++i) {
      double y = -4 + (top + 4) * i / (coils * 2.0);
      double x = (i % 2 == 0) ? -3.6 : 3.6;
      if (i == 0) cairo_move_to(cr, x, y);
      else cairo_line_to(cr, x, y);
    }
    Stroke(cr, pass == 0 ? kInk : kSpring, pass == 0 ? 3.2 : 1.4);
  }
  cairo_new_path(cr);
  RoundRect(cr, -7.5, top - 2.5, 15, 3.2, 1.5);
  FillOutline(cr, Hex(0x5E6A76), kInk, 1.2);
}

void StickUpper(cairo_t* cr, const Pose& p) {
  double top = StickTop(p), bar = BarY(p);
  cairo_new_path(cr);
  RoundRect(cr, -3, bar, 6, top - bar, 2.5);
  FillGradientOutline(cr, bar, Lighter(kStick, 0.25), top, Darker(kStick, 0.12), kInk, 1.4);
  cairo_new_path(cr);
  RoundRect(cr, -1.8, bar + 3, 1.3, top - bar - 6, 0.6);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.5);
  cairo_fill(cr);
  // Handle bar with dark rubber grips.
  cairo_new_path(cr);
  RoundRect(cr, -8.5, bar - 2.2, 17, 4.4, 2.2);
  FillOutline(cr, kStick, kInk, 1.3);
  for (double gx : {-8.5, 4.5}) {
    cairo_new_path(cr);
    RoundRect(cr, gx, bar - 2.2, 4, 4.4, 2);
    FillOutline(cr, Hex(0x3C3C46), kInk, 1.0);
  }
  // The stick's face: two dot eyes and a smile (or dizzy crosses).
  double fy = bar + 6;
  if (p.dizzyStick) {
    cairo_new_path(cr);
    for (double ex : {-1.4, 1.4}) {
      cairo_move_to(cr, ex - 0.9, fy - 0.9);
      cairo_line_to(cr, ex + 0.9, fy + 0.9);
      cairo_move_to(cr, ex + 0.9, fy - 0.9);
      cairo_line_to(cr, ex - 0.9, fy + 0.9);
    }
    Stroke(cr, kInk, 0.8);
  } else {
    cairo_new_path(cr);
    Ellipse(cr, -1.1, fy, 0.8, 1.1);
    Ellipse(cr, 1.5, fy, 0.8, 1.1);
    SetRgb(cr, kInk);
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_arc(cr, 0.2, fy + 2.0, 1.6, 0.2, M_PI - 0.2);
    Stroke(cr, kInk, 0.8);
  }
}

void Stick(cairo_t* cr, const Pose& p) {
  StickLower(cr, p);
  StickUpper(cr, p);
}

// The boy, feet on the pegs at height `pegY` (negative, above the tip).
void Boy(cairo_t* cr, double pegY, const Pose& p) {
  double hipY = pegY - 8 + 3 * p.tuck;
  double kneeX = 4.5 + 3 * p.tuck, kneeY = pegY - 5 - 1.5 * p.tuck;
  double neckY = hipY - 8;
  double headY = neckY - 6;
  double barY = BarY(p);
  // Back leg, back arm, body, front leg, front arm, head: drawn back to front.
  Limb(cr, -1.5, hipY, kneeX - 3, kneeY, -3.5, pegY - 0.5, 3.2, Darker(kTrousers, 0.2));
  double handX = 6, handY = barY + 1;
  double upX = -7 - 2 * p.armsUp, upY = neckY - 7 * p.armsUp;
  Limb(cr, -1.5, neckY + 2, -5 + 0.5 * (handX + 5), (neckY + handY) / 2 + 3 - 6 * p.armsUp,
       p.armsUp > 0.5 ? upX : -5.5, p.armsUp > 0.5 ? upY : handY, 2.6, Darker(kShirt, 0.2));
  // Body.
  cairo_new_path(cr);
  RoundRect(cr, -5, neckY, 10, hipY - neckY + 2, 3.5);
  FillGradientOutline(cr, neckY, Lighter(kShirt, 0.25), hipY + 2, Darker(kShirt, 0.2), kInk, 1.4);
  StickUpper(cr, p);
  Limb(cr, 1.5, hipY, kneeX + 1, kneeY, 3.5, pegY - 0.5, 3.2, kTrousers);
  // Shoes on the pegs.
  for (double sx : {-3.5, 3.5}) {
    cairo_new_path(cr);
    Ellipse(cr, sx + 1, pegY - 1, 2.6, 1.6);
    FillOutline(cr, Hex(0xF2F2F2), kInk, 1.0);
  }
  // Front arm to the handle grip (or flung up).
  Limb(cr, 2, neckY + 2, 6, (neckY + handY) / 2 + 2 - 5 * p.armsUp,
       p.armsUp > 0.5 ? 9 : handX + 1, p.armsUp > 0.5 ? neckY - 6 : handY, 2.6, kShirt);
  cairo_new_path(cr);
  Ellipse(cr, p.armsUp > 0.5 ? 9 : handX + 1, p.armsUp > 0.5 ? neckY - 6 : handY, 1.9, 1.9);
  FillOutline(cr, kSkin, kInk, 1.0);
  // Head: big and round, cap with the peak where he looks.
  cairo_new_path(cr);
  Ellipse(cr, 0.5, headY, 8.2, 7.8);
  FillGradientOutline(cr, headY - 8, Lighter(kSkin, 0.2), headY + 8, Darker(kSkin, 0.12), kInk, 1.5);
  cairo_new_path(cr);  // cheek
  Ellipse(cr, 5.5, headY + 3.2, 1.6, 1.0);
  cairo_set_source_rgba(cr, 0.95, 0.45, 0.4, 0.5);
  cairo_fill(cr);
  Eyes(cr, 3.2, headY + 0.2, p.blink);
  cairo_new_path(cr);
  cairo_arc(cr, 0.5, headY - 2.2, 8.3, M_PI * 1.02, M_PI * 1.98);
  cairo_close_path(cr);
  FillGradientOutline(cr, headY - 10, Lighter(kCap, 0.2), headY - 2, Darker(kCap, 0.15), kInk, 1.4);
  cairo_new_path(cr);
  RoundRect(cr, 5, headY - 3.6, 7.5, 2.6, 1.2);
  FillOutline(cr, Darker(kCap, 0.2), kInk, 1.1);
  Highlight(cr, -2.5, headY - 6.5, 2.8, 1.4, 0.45);
}

// Draws rider and stick facing right, tip at (tx, ty).
void Rider(cairo_t* cr, double tx, double ty, const Pose& p) {
  cairo_save(cr);
  cairo_translate(cr, tx, ty);
  // Spin about the middle of the figure.
  cairo_translate(cr, 0, -22);
  cairo_rotate(cr, p.spin * M_PI / 180);
  cairo_translate(cr, 0, 22);
  cairo_translate(cr, 0, -p.pivotY);
  cairo_scale(cr, p.squashX, p.squashY);
  cairo_translate(cr, 0, p.pivotY);
  cairo_rotate(cr, p.lean * M_PI / 180);
  StickLower(cr, p);
  double pegY = StickTop(p) - 1;
  Boy(cr, pegY, p);
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
    // Both facings centre on the middle of the handle's pixel.
    Facing(cr, left, s.handleX + 0.5, [&] { Rider(cr, s.handleX + 0.5, s.handleY - 0.5, p); });
  });
}

// Little stars circling a dizzy head.
void DizzyStars(cairo_t* cr, double cx, double cy, double rx, double ry) {
  for (int i = 0; i < 3; ++i) {
    double a = i * 2 * M_PI / 3 + 0.4;
    double x = cx + rx * std::cos(a), y = cy + ry * std::sin(a);
    cairo_new_path(cr);
    for (int k = 0; k < 10; ++k) {
      double r = (k % 2 == 0) ? 3.2 : 1.3;
      double b = k * M_PI / 5 - M_PI / 2;
      if (k == 0) cairo_move_to(cr, x + r * std::cos(b), y + r * std::sin(b));
      else cairo_line_to(cr, x + r * std::cos(b), y + r * std::sin(b));
    }
    cairo_close_path(cr);
    FillOutline(cr, Hex(0xFFE14D), kInk, 0.9);
  }
}

void MakeHero(const Context& ctx) {
  // Bounce: the landing squashes him onto the spring (0-1), he shoots up
  // stretched (2-3) and settles back into shape (4-5).
  struct B {
    double sy, spring, tuck;
  };
  const B bounce[6] = {{0.80, 0.25, 0.6}, {0.88, 0.5, 0.35}, {1.06, 1.2, 0}, {1.04, 1.12, 0},
                       {1.01, 1.0, 0},    {1.0, 1.0, 0}};
  HeroStrip(ctx, "Images\\Quon\\quon_bounce.png", 6, [&](int i) {
    Pose p;
    p.squashY = bounce[i].sy;
    p.squashX = 1.0 / std::sqrt(bounce[i].sy);
    p.spring = bounce[i].spring;
    p.tuck = bounce[i].tuck;
    p.lean = i < 2 ? 0 : 4;
    return p;
  });
  // Wall: flattened sideways against it, arms flung up, then springing back.
  HeroStrip(ctx, "Images\\Quon\\quon_wall.png", 5, [](int i) {
    const double sx[5] = {0.62, 0.70, 0.82, 0.94, 1.02};
    Pose p;
    p.squashX = sx[i];
    p.squashY = std::min(1.08, 1.0 / std::sqrt(sx[i]));
    p.lean = -10 + 2.5 * i;
    p.blink = i < 2 ? 1.0 : (i == 2 ? 0.5 : 0.0);
    p.armsUp = i < 3 ? 1.0 : 0.0;
    p.spring = 0.8 + 0.05 * i;
    return p;
  });
  // Dash: tucked into a ball, the stick pointing down at the start, and the
  // whole figure turning once over the eight frames.
  HeroStrip(ctx, "Images\\Quon\\quon_dash.png", 8, [](int i) {
    Pose p;
    p.tuck = 1;
    p.spin = 45.0 * i;
    p.squashX = p.squashY = 0.8;
    p.pivotY = 22;
    p.spring = 0.7;
    return p;
  });
  // Blink: open, closing, shut in the middle frames, opening again.
  HeroStrip(ctx, "Images\\Quon\\quon_blink.png", 8, [](int i) {
    const double lid[8] = {0, 0, 0.5, 1, 1, 0.5, 0, 0};
    Pose p;
    p.blink = lid[i];
    return p;
  });
  // The plain sprite: two frames, right and left.
  HeroStrip(ctx, "Images\\Quon\\pogo_sprite.png", 1, [](int) {
    Pose p;  // a shade smaller: this cell is four pixels shorter
    p.squashX = p.squashY = 0.96;
    return p;
  });
  // Death: the boy tumbled off on his own, dizzy, his cap askew.
  DrawCatalogued(ctx, "Images\\Quon\\quon_dead.png", [](cairo_t* cr, int) {
    cairo_save(cr);
    cairo_translate(cr, 20, 23);
    cairo_rotate(cr, -0.35);
    // Body and limbs sprawled below the head.
    Limb(cr, -2, 6, -8, 12, -12, 10, 2.6, kShirt);
    Limb(cr, 2, 6, 8, 12, 12, 9, 2.6, kShirt);
    Limb(cr, -1, 11, -4, 15, -7, 16, 3, kTrousers);
    Limb(cr, 1, 11, 4, 15, 7, 16, 3, kTrousers);
    cairo_new_path(cr);
    RoundRect(cr, -4.5, 3, 9, 10, 3.5);
    FillOutline(cr, kShirt, kInk, 1.3);
    cairo_new_path(cr);
    Ellipse(cr, 0, -3, 10, 9.5);
    FillGradientOutline(cr, -12, Lighter(kSkin, 0.2), 7, Darker(kSkin, 0.1), kInk, 1.5);
    cairo_new_path(cr);
    cairo_arc(cr, -1.5, -6, 10, M_PI * 1.05, M_PI * 1.85);
    cairo_close_path(cr);
    FillOutline(cr, kCap, kInk, 1.4);
    for (double dx : {-3.8, 3.8}) {  // crosses for eyes
      cairo_new_path(cr);
      cairo_move_to(cr, dx - 1.8, -2.5);
      cairo_line_to(cr, dx + 1.8, 1.1);
      cairo_move_to(cr, dx + 1.8, -2.5);
      cairo_line_to(cr, dx - 1.8, 1.1);
      Stroke(cr, kInk, 1.4);
    }
    cairo_new_path(cr);  // a wobbly mouth
    cairo_move_to(cr, -3, 4);
    cairo_curve_to(cr, -1.5, 2.5, 0, 5.5, 1.5, 4);
    cairo_curve_to(cr, 2.3, 3.2, 3, 4.5, 3.5, 4);
    Stroke(cr, kInk, 1.1);
    cairo_restore(cr);
    DizzyStars(cr, 20, 8, 11, 4);
  });
  // The stick on its own, leaning and seeing stars.
  DrawCatalogued(ctx, "Images\\Quon\\stick_dead.png", [](cairo_t* cr, int) {
    Pose p;
    p.dizzyStick = true;
    cairo_save(cr);
    cairo_translate(cr, 8, 46);
    cairo_rotate(cr, 0.08);
    Stick(cr, p);
    cairo_restore(cr);
  });
  // The retro area's sprite: the same shapes in four greens, square pixels.
  const ImageSpec& r = ImageOf("Images\\Quon\\pogo_retro.png");
  DrawStrip(ctx, r.path, r.cellW, r.cellH, 1, [&](cairo_t* cr, int) {
    // '#' darkest, '+' dark, 'o' light green.
    const char* rows[] = {
        "...####....", "..######...", "..##++++#..", "..#+o+o+...", "...++++....", "....##.....",
        "..#####....", ".+.###.+...", "..######...", "....#.#....", "...##.##...", ".....#.....",
        ".....#.....", "....+#+....", "....+#+....", "....+#+....", ".....#.....",
    };
    int px = 2;
    double x0 = r.handleX - 5.5 * px, y0 = r.handleY - 17 * px;
    for (int y = 0; y < 17; ++y)
      for (int x = 0; x < 11; ++x) {
        char c = rows[y][x];
        if (c == '.') continue;
        cairo_rectangle(cr, x0 + x * px, y0 + y * px, px, px);
        SetRgb(cr, Hex(c == '#' ? 0x0F380F : c == '+' ? 0x306230 : 0x8BAC0F));
        cairo_fill(cr);
      }
  });
}

FORGE_JOB("pictures", "hero", &MakeHero);

}  // namespace
}  // namespace forge::art
