// The story scenes: the new world where the hero lands in the rain beside his
// talking pogo stick, and the villains' castle where the servant reports to
// his master.
//
// In the new world the hero's picture starts at (387, 372) and hops right to
// (620, 372); the stick stands at (595, 381). The scene picture lies at
// (0, 75), so its ground line sits at y 352 in the picture (427 on the screen),
// right under both. The dialogue boxes cover (200, 80)-(600, 280) on the
// screen, so the top of the scene is kept to sky.
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <tuple>

#include "pictures/draw_kit.h"

namespace forge::art {
namespace {

constexpr Rgb kInk = Hex(0x1C1428);
constexpr Rgb kSkin = Hex(0xF6C9A0);
constexpr Rgb kCap = Hex(0xE0302A);
constexpr Rgb kShirt = Hex(0x2F7BE0);
constexpr Rgb kTrousers = Hex(0x34446E);
constexpr Rgb kStick = Hex(0xFFC61A);
constexpr double kGroundY = 427 - 75;

void Save(const Context& ctx, const std::string& path, int w, int h, const std::function<void(cairo_t*)>& draw) {
  Canvas c(w, h);
  draw(c.cr());
  c.Save(ctx, path);
}

void Stroke(cairo_t* cr, Rgb c, double w, double alpha = 1) {
  SetRgb(cr, c, alpha);
  cairo_set_line_width(cr, w);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}

void Fill(cairo_t* cr, Rgb c, double alpha = 1) {
  SetRgb(cr, c, alpha);
  cairo_fill(cr);
}

void VerticalFill(cairo_t* cr, double y0, Rgb top, double y1, Rgb bottom) {
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
  cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(p, 1, bottom.r, bottom.g, bottom.b);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void Glow(cairo_t* cr, double cx, double cy, double r, Rgb c, double alpha) {
  cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r);
  cairo_pattern_add_color_stop_rgba(p, 0, c.r, c.g, c.b, alpha);
  cairo_pattern_add_color_stop_rgba(p, 1, c.r, c.g, c.b, 0);
  cairo_set_source(cr, p);
  cairo_new_path(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

struct Lcg {
  uint32_t s;
  double Next() {
    s = s * 1664525u + 1013904223u;
    return (s >> 8) / 16777216.0;
  }
};

void Rain(cairo_t* cr, double w, double h, int drops, Rgb c, double alpha, uint32_t seed) {
  Lcg r{seed};
  for (int i = 0; i < drops; ++i) {
    double x = r.Next() * (w + 40), y = r.Next() * h - 20, len = 10 + r.Next() * 16;
    cairo_new_path(cr);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x - len * 0.3, y + len);
    Stroke(cr, c, 1.5, alpha);
  }
}

void Bolt(cairo_t* cr, double x, double y, double s) {
  const double pts[][2] = {{0, 0}, {-18, 60}, {6, 64}, {-22, 140}, {-2, 142}, {-30, 230}};
  for (int pass = 0; pass < 2; ++pass) {
    cairo_new_path(cr);
    for (auto& p : pts) cairo_line_to(cr, x + p[0] * s, y + p[1] * s);
    Stroke(cr, pass == 0 ? Hex(0xB8D0FF) : Hex(0xFFFFFF), pass == 0 ? 9 * s : 3.5 * s, pass == 0 ? 0.6 : 1);
  }
}

// ------------------------------------------------------------ the new world

void RoundTree(cairo_t* cr, double x, double ground, double h, Rgb leaf) {
  cairo_new_path(cr);
  RoundRect(cr, x - h * 0.07, ground - h * 0.55, h * 0.14, h * 0.56, h * 0.05);
  FillGradientOutline(cr, ground - h * 0.55, Hex(0x7A5434), ground, Hex(0x4A3020), kInk, 3);
  for (auto [dx, dy, r] : {std::tuple{0.0, -0.72, 0.3}, {-0.22, -0.55, 0.22}, {0.22, -0.56, 0.23}}) {
    cairo_new_path(cr);
    Ellipse(cr, x + dx * h, ground + dy * h, r * h, r * h * 0.92);
    FillGradientOutline(cr, ground + (dy - r) * h, Lighter(leaf, 0.15), ground + (dy + r) * h, Darker(leaf, 0.2),
                        kInk, 3);
  }
  Highlight(cr, x - h * 0.1, ground - h * 0.88, h * 0.1, h * 0.05, 0.25);
}

void Mushroom(cairo_t* cr, double x, double ground, double s) {
  cairo_new_path(cr);
  RoundRect(cr, x - 5 * s, ground - 14 * s, 10 * s, 14 * s, 3 * s);
  FillOutline(cr, Hex(0xF2E6D0), kInk, 2.5);
  cairo_new_path(cr);
  cairo_arc(cr, x, ground - 13 * s, 14 * s, M_PI, 2 * M_PI);
  cairo_close_path(cr);
  FillGradientOutline(cr, ground - 27 * s, Hex(0xF2564A), ground - 13 * s, Hex(0xB8302A), kInk, 2.5);
  for (double dx : {-6.0, 5.0}) {
    cairo_new_path(cr);
    Ellipse(cr, x + dx * s, ground - 19 * s, 2.5 * s, 2 * s);
    Fill(cr, Hex(0xFFFFFF));
  }
}

void NewWorld(cairo_t* cr) {
  cairo_rectangle(cr, 0, 0, 800, 450);
  VerticalFill(cr, 0, Hex(0x2A3A5E), 330, Hex(0x6A86A8));
  for (int i = 0; i < 8; ++i) {  // rain clouds
    cairo_new_path(cr);
    Ellipse(cr, i * 115, 30 + 14 * std::sin(i * 2.1), 100, 44);
    Fill(cr, Hex(0x3A4A6E));
  }
  Bolt(cr, 720, 10, 0.6);
  // Far hills, lighter and bluer with distance; "over that hill" is the practice course.
  cairo_new_path(cr);
  cairo_move_to(cr, 0, 290);
  cairo_curve_to(cr, 150, 230, 300, 250, 420, 280);
  cairo_curve_to(cr, 560, 210, 700, 200, 800, 250);
  cairo_line_to(cr, 800, 450);
  cairo_line_to(cr, 0, 450);
  cairo_close_path(cr);
  FillOutline(cr, Hex(0x5E8A7A), Hex(0x3E6458), 3);
  for (double x : {60.0, 240.0, 700.0}) RoundTree(cr, x, 300, 120, Hex(0x4E7E52));
  // The clearing.
  cairo_new_path(cr);
  cairo_move_to(cr, 0, kGroundY - 6);
  cairo_curve_to(cr, 200, kGroundY - 14, 500, kGroundY + 4, 800, kGroundY - 8);
  cairo_line_to(cr, 800, 450);
  cairo_line_to(cr, 0, 450);
  cairo_close_path(cr);
  FillGradientOutline(cr, kGroundY - 14, Hex(0x4E8A2A), 450, Hex(0x2E5418), kInk, 3);
  cairo_new_path(cr);
  cairo_rectangle(cr, 0, kGroundY + 12, 800, 90);
  Fill(cr, Hex(0x6B4A2C), 0.5);
  for (int i = 0; i < 30; ++i) {  // grass tufts
    double x = 10 + i * 27 + 9 * std::sin(i * 3.1);
    cairo_new_path(cr);
    cairo_move_to(cr, x - 5, kGroundY + 2);
    cairo_line_to(cr, x - 3, kGroundY - 7);
    cairo_line_to(cr, x, kGroundY + 1);
    cairo_line_to(cr, x + 4, kGroundY - 9);
    cairo_line_to(cr, x + 5, kGroundY + 2);
    Stroke(cr, Hex(0x7CC24A), 2);
  }
  RoundTree(cr, 120, kGroundY + 4, 260, Hex(0x3E8A2E));
  // A log to sit on, mushrooms, a puddle and the signpost to the course.
  cairo_new_path(cr);
  RoundRect(cr, 190, kGroundY - 20, 130, 28, 14);
  FillGradientOutline(cr, kGroundY - 20, Hex(0x9A6A40), kGroundY + 8, Hex(0x5A3A22), kInk, 3);
  cairo_new_path(cr);
  Ellipse(cr, 306, kGroundY - 6, 11, 13);
  FillOutline(cr, Hex(0xD8B080), kInk, 2.5);
  Mushroom(cr, 350, kGroundY + 4, 1.0);
  Mushroom(cr, 372, kGroundY + 6, 0.7);
  Mushroom(cr, 690, kGroundY + 6, 0.9);
  cairo_new_path(cr);
  Ellipse(cr, 500, kGroundY + 30, 60, 9);
  Fill(cr, Hex(0x9AB8D8), 0.6);
  cairo_new_path(cr);
  RoundRect(cr, 742, kGroundY - 80, 10, 84, 3);
  FillOutline(cr, Hex(0x8A5A36), kInk, 2.5);
  cairo_new_path(cr);
  cairo_move_to(cr, 700, kGroundY - 80);
  cairo_line_to(cr, 780, kGroundY - 80);
  cairo_line_to(cr, 796, kGroundY - 66);
  cairo_line_to(cr, 780, kGroundY - 52);
  cairo_line_to(cr, 700, kGroundY - 52);
  cairo_close_path(cr);
  FillGradientOutline(cr, kGroundY - 80, Hex(0xE9C88A), kGroundY - 52, Hex(0xB08C56), kInk, 2.5);
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, 13);
  cairo_move_to(cr, 708, kGroundY - 61);
  SetRgb(cr, Hex(0x4A2E16));
  cairo_show_text(cr, "PRACTICE");
  Rain(cr, 800, 450, 320, Hex(0xC8D8F0), 0.5, 4242);
}

// The hero on foot, in his socks, facing right; 40 x 54 with his feet on the
// bottom edge.
void HeroOnFoot(cairo_t* cr) {
  auto limb = [cr](double x0, double y0, double x1, double y1, double x2, double y2, double w, Rgb c) {
    for (int pass = 0; pass < 2; ++pass) {
      cairo_new_path(cr);
      cairo_move_to(cr, x0, y0);
      cairo_line_to(cr, x1, y1);
      cairo_line_to(cr, x2, y2);
      Stroke(cr, pass == 0 ? kInk : c, pass == 0 ? w + 2.6 : w);
    }
  };
  limb(17, 37, 15, 44, 15, 50, 4, Darker(kTrousers, 0.2));
  limb(16, 27, 12, 33, 12, 39, 3.2, Darker(kShirt, 0.2));
  cairo_new_path(cr);
  RoundRect(cr, 13, 25, 14, 15, 5);
  FillGradientOutline(cr, 25, Lighter(kShirt, 0.25), 40, Darker(kShirt, 0.2), kInk, 1.6);
  limb(22, 37, 24, 44, 23, 50, 4, kTrousers);
  for (double sx : {15.5, 24.0}) {
    cairo_new_path(cr);
    Ellipse(cr, sx + 1.5, 51, 4, 2.3);
    FillOutline(cr, Hex(0xFFFFFF), kInk, 1.2);
  }
  limb(23, 27, 27, 33, 28, 38, 3.2, kShirt);
  cairo_new_path(cr);
  Ellipse(cr, 28, 39, 2.4, 2.4);
  FillOutline(cr, kSkin, kInk, 1.1);
  // Head with a worried look: he has just landed here.
  double hx = 20.5, hy = 15.5;
  cairo_new_path(cr);
  Ellipse(cr, hx, hy, 10.5, 10);
  FillGradientOutline(cr, hy - 10, Lighter(kSkin, 0.2), hy + 10, Darker(kSkin, 0.12), kInk, 1.7);
  for (double dx : {0.5, 6.5}) {
    cairo_new_path(cr);
    Ellipse(cr, hx + dx, hy + 0.5, 2.6, 3.4);
    FillOutline(cr, {1, 1, 1}, kInk, 1.1);
    cairo_new_path(cr);
    Ellipse(cr, hx + dx + 0.8, hy + 0.8, 1.3, 1.8);
    Fill(cr, kInk);
  }
  cairo_new_path(cr);
  cairo_move_to(cr, hx + 2.5, hy + 6);
  cairo_curve_to(cr, hx + 4, hy + 5, hx + 5, hy + 7, hx + 6.5, hy + 6);
  Stroke(cr, kInk, 1.1);
  cairo_new_path(cr);
  cairo_arc(cr, hx, hy - 2.8, 10.6, M_PI * 1.02, M_PI * 1.98);
  cairo_close_path(cr);
  FillGradientOutline(cr, hy - 14, Lighter(kCap, 0.2), hy - 3, Darker(kCap, 0.15), kInk, 1.6);
  cairo_new_path(cr);
  RoundRect(cr, hx + 6, hy - 4.8, 10, 3.2, 1.5);
  FillOutline(cr, Darker(kCap, 0.2), kInk, 1.2);
  Highlight(cr, hx - 4, hy - 9, 3.4, 1.6, 0.45);
}

// The talking pogo stick standing on its tip, 26 x 48.
void TalkingStick(cairo_t* cr) {
  cairo_new_path(cr);
  RoundRect(cr, 10.5, 41, 5, 6.5, 2);
  FillOutline(cr, Hex(0x4A3A30), kInk, 1.3);
  for (int pass = 0; pass < 2; ++pass) {
    cairo_new_path(cr);
    for (int i = 0; i <= 6; ++i) cairo_line_to(cr, i % 2 ? 17.5 : 8.5, 41 - i * 1.8);
    Stroke(cr, pass == 0 ? kInk : Hex(0xB8C2CC), pass == 0 ? 3.4 : 1.5);
  }
  cairo_new_path(cr);
  RoundRect(cr, 4, 28, 18, 3.5, 1.6);
  FillOutline(cr, Hex(0x5E6A76), kInk, 1.3);
  cairo_new_path(cr);
  RoundRect(cr, 8, 6, 10, 23, 4);
  FillGradientOutline(cr, 6, Lighter(kStick, 0.3), 29, Darker(kStick, 0.15), kInk, 1.6);
  cairo_new_path(cr);
  RoundRect(cr, 1.5, 2, 23, 5, 2.5);
  FillOutline(cr, kStick, kInk, 1.4);
  for (double gx : {1.5, 19.5}) {
    cairo_new_path(cr);
    RoundRect(cr, gx, 2, 5, 5, 2.2);
    FillOutline(cr, Hex(0x3C3C46), kInk, 1.1);
  }
  // Its face: a friendly pair of eyes and an open, chatty mouth.
  for (double ex : {11.0, 15.5}) {
    cairo_new_path(cr);
    Ellipse(cr, ex, 13, 1.9, 2.5);
    FillOutline(cr, {1, 1, 1}, kInk, 0.9);
    cairo_new_path(cr);
    Ellipse(cr, ex + 0.4, 13.4, 0.9, 1.3);
    Fill(cr, kInk);
  }
  cairo_new_path(cr);
  cairo_move_to(cr, 10.5, 18.5);
  cairo_curve_to(cr, 11.5, 22.5, 15, 22.5, 16, 18.5);
  cairo_close_path(cr);
  FillOutline(cr, Hex(0x8E2B3A), kInk, 0.9);
  Highlight(cr, 10, 9, 1.2, 2.6, 0.5);
}

void MakeNewWorld(const Context& ctx) {
  const std::string dir = "Images\\Cutscene\\Intro_newworld\\";
  Save(ctx, dir + "f_scene.png", 800, 450, NewWorld);
  Save(ctx, dir + "quon.png", 40, 54, HeroOnFoot);
  Save(ctx, dir + "stick.png", 26, 48, TalkingStick);
}

// ------------------------------------------------------------ the castle

constexpr Rgb kStone = Hex(0x8C8A93), kStoneDark = Hex(0x4E4C55), kBanner = Hex(0xC0392B);
constexpr Rgb kNight = Hex(0x2C2A3A), kNightLow = Hex(0x5E5A70);

void Castle(cairo_t* cr) {
  cairo_rectangle(cr, 0, 0, 800, 450);
  VerticalFill(cr, 0, Hex(0x14121E), 450, kNightLow);
  Glow(cr, 640, 90, 120, Hex(0xE8E6F8), 0.35);
  cairo_new_path(cr);
  Ellipse(cr, 640, 90, 40, 40);
  Fill(cr, Hex(0xE8E6F8));
  cairo_new_path(cr);
  Ellipse(cr, 626, 84, 36, 38);
  Fill(cr, Hex(0x24222F));  // a thin crescent: the rest hides in cloud
  Bolt(cr, 160, 20, 0.9);
  // The crag.
  cairo_new_path(cr);
  cairo_move_to(cr, 180, 450);
  cairo_line_to(cr, 260, 330);
  cairo_line_to(cr, 300, 300);
  cairo_line_to(cr, 520, 296);
  cairo_line_to(cr, 560, 340);
  cairo_line_to(cr, 640, 450);
  cairo_close_path(cr);
  FillGradientOutline(cr, 296, Hex(0x3A3846), 450, Hex(0x1A1822), Hex(0x0E0C14), 3);
  // Towers, walls and battlements, with a few lit windows.
  struct T {
    double x, w, top;
  };
  const T towers[] = {{300, 50, 150}, {360, 90, 110}, {460, 50, 170}, {505, 30, 200}};
  cairo_new_path(cr);
  cairo_rectangle(cr, 300, 230, 235, 70);
  FillGradientOutline(cr, 230, kStone, 300, kStoneDark, kInk, 3);
  for (const T& t : towers) {
    cairo_new_path(cr);
    cairo_rectangle(cr, t.x, t.top, t.w, 300 - t.top);
    FillGradientOutline(cr, t.top, Lighter(kStone, 0.1), 300, kStoneDark, kInk, 3);
    cairo_new_path(cr);
    cairo_move_to(cr, t.x - 6, t.top);
    cairo_line_to(cr, t.x + t.w / 2, t.top - t.w * 0.9);
    cairo_line_to(cr, t.x + t.w + 6, t.top);
    cairo_close_path(cr);
    FillGradientOutline(cr, t.top - t.w, Lighter(kBanner, 0.1), t.top, Darker(kBanner, 0.3), kInk, 3);
    for (int k = 0; k < 2; ++k) {
      double wy = t.top + 24 + k * 40;
      if (wy > 280) break;
      cairo_new_path(cr);
      RoundRect(cr, t.x + t.w / 2 - 5, wy, 10, 16, 5);
      Fill(cr, Hex(0xFFD36A));
      Glow(cr, t.x + t.w / 2, wy + 8, 18, Hex(0xFFB040), 0.35);
    }
  }
  cairo_new_path(cr);  // flag on the keep
  cairo_move_to(cr, 405, 30);
  cairo_line_to(cr, 405, 4);
  Stroke(cr, kInk, 3);
  cairo_new_path(cr);
  cairo_move_to(cr, 405, 5);
  cairo_line_to(cr, 436, 12);
  cairo_line_to(cr, 405, 20);
  cairo_close_path(cr);
  FillOutline(cr, kBanner, kInk, 2);
  // Nearer hills in silhouette and rain.
  cairo_new_path(cr);
  cairo_move_to(cr, 0, 380);
  cairo_curve_to(cr, 200, 340, 600, 420, 800, 360);
  cairo_line_to(cr, 800, 450);
  cairo_line_to(cr, 0, 450);
  cairo_close_path(cr);
  Fill(cr, Hex(0x100E18));
  Rain(cr, 800, 450, 240, Hex(0x9A98B8), 0.4, 99);
}

// Where the throne room's lights are, shared by the room and its overlays.
constexpr double kTorchX[2] = {110, 690}, kTorchY = 150;
constexpr double kBannerX[2] = {250, 750};
constexpr double kMasterX = 540, kMasterHeadY = 150;
constexpr double kBallX = 360, kBallY = 282;

void ThroneRoom(cairo_t* cr) {
  cairo_rectangle(cr, 0, 0, 800, 450);
  VerticalFill(cr, 0, Hex(0x3A3848), 450, Hex(0x24222E));
  // Stone blocks.
  for (int r = 0; r < 10; ++r)
    for (int c = 0; c < 11; ++c) {
      double x = c * 80 - (r % 2) * 40, y = r * 36;
      cairo_new_path(cr);
      RoundRect(cr, x + 2, y + 2, 76, 32, 4);
      SetRgb(cr, kStoneDark, 0.45 + 0.1 * ((r * 7 + c * 3) % 3));
      cairo_fill(cr);
    }
  // A tall arch behind the throne and two banners.
  cairo_new_path(cr);
  cairo_move_to(cr, kMasterX - 120, 360);
  cairo_line_to(cr, kMasterX - 120, 120);
  cairo_arc(cr, kMasterX, 120, 120, M_PI, 2 * M_PI);
  cairo_line_to(cr, kMasterX + 120, 360);
  cairo_close_path(cr);
  FillGradientOutline(cr, 0, Hex(0x17151F), 360, Hex(0x2A2636), kInk, 4);
  for (double bx : kBannerX) {
    cairo_new_path(cr);
    cairo_move_to(cr, bx - 34, 20);
    cairo_line_to(cr, bx + 34, 20);
    cairo_line_to(cr, bx + 34, 220);
    cairo_line_to(cr, bx, 190);
    cairo_line_to(cr, bx - 34, 220);
    cairo_close_path(cr);
    FillGradientOutline(cr, 20, Lighter(kBanner, 0.1), 220, Darker(kBanner, 0.35), kInk, 3);
    cairo_new_path(cr);
    Ellipse(cr, bx, 90, 16, 16);
    Stroke(cr, Hex(0xE0B040), 4);
  }
  // Floor with a red carpet running to the throne.
  cairo_new_path(cr);
  cairo_rectangle(cr, 0, 360, 800, 90);
  VerticalFill(cr, 360, Hex(0x4E4C55), 450, Hex(0x2A2832));
  cairo_new_path(cr);
  cairo_move_to(cr, kMasterX - 70, 360);
  cairo_line_to(cr, kMasterX + 70, 360);
  cairo_line_to(cr, kMasterX + 160, 450);
  cairo_line_to(cr, kMasterX - 260, 450);
  cairo_close_path(cr);
  Fill(cr, Darker(kBanner, 0.2));
  // Torch brackets (their flames are the flickering picture).
  for (double tx : kTorchX) {
    cairo_new_path(cr);
    cairo_move_to(cr, tx - 10, kTorchY);
    cairo_line_to(cr, tx + 10, kTorchY);
    cairo_line_to(cr, tx + 4, kTorchY + 40);
    cairo_line_to(cr, tx - 4, kTorchY + 40);
    cairo_close_path(cr);
    FillOutline(cr, Hex(0x5A4030), kInk, 3);
  }
  // The throne.
  cairo_new_path(cr);
  cairo_move_to(cr, kMasterX - 80, 380);
  cairo_line_to(cr, kMasterX - 80, 110);
  cairo_line_to(cr, kMasterX - 50, 70);
  cairo_line_to(cr, kMasterX, 96);
  cairo_line_to(cr, kMasterX + 50, 70);
  cairo_line_to(cr, kMasterX + 80, 110);
  cairo_line_to(cr, kMasterX + 80, 380);
  cairo_close_path(cr);
  FillGradientOutline(cr, 70, Hex(0x7A3A6E), 380, Hex(0x3A1834), kInk, 4);
  cairo_new_path(cr);
  cairo_rectangle(cr, kMasterX - 96, 300, 192, 24);
  FillOutline(cr, Hex(0xC8A040), kInk, 3);
  // The master: a broad purple cloak, a pale long face, a pointed crown.
  cairo_new_path(cr);
  cairo_move_to(cr, kMasterX - 70, 380);
  cairo_curve_to(cr, kMasterX - 74, 250, kMasterX - 50, 190, kMasterX, 186);
  cairo_curve_to(cr, kMasterX + 50, 190, kMasterX + 74, 250, kMasterX + 70, 380);
  cairo_close_path(cr);
  FillGradientOutline(cr, 186, Hex(0x5A2A8A), 380, Hex(0x2A0E44), kInk, 4);
  cairo_new_path(cr);
  cairo_move_to(cr, kMasterX - 30, 200);
  cairo_line_to(cr, kMasterX, 330);
  cairo_line_to(cr, kMasterX + 30, 200);
  cairo_close_path(cr);
  FillOutline(cr, Hex(0x1E0A30), kInk, 2);
  for (int side = -1; side <= 1; side += 2) {  // hands on the armrests
    cairo_new_path(cr);
    Ellipse(cr, kMasterX + side * 78, 300, 12, 10);
    FillOutline(cr, Hex(0xB8C8A8), kInk, 3);
  }
  cairo_new_path(cr);
  cairo_move_to(cr, kMasterX - 32, kMasterHeadY - 20);
  cairo_curve_to(cr, kMasterX - 36, kMasterHeadY + 30, kMasterX - 12, kMasterHeadY + 60, kMasterX, kMasterHeadY + 70);
  cairo_curve_to(cr, kMasterX + 12, kMasterHeadY + 60, kMasterX + 36, kMasterHeadY + 30, kMasterX + 32,
                 kMasterHeadY - 20);
  cairo_close_path(cr);
  FillGradientOutline(cr, kMasterHeadY - 20, Hex(0xD8E4C8), kMasterHeadY + 70, Hex(0x98A888), kInk, 3.5);
  for (int side = -1; side <= 1; side += 2) {  // sunken eye sockets and brows
    cairo_new_path(cr);
    Ellipse(cr, kMasterX + side * 13, kMasterHeadY + 8, 9, 6);
    Fill(cr, Hex(0x1A1424));
    cairo_new_path(cr);
    cairo_move_to(cr, kMasterX + side * 26, kMasterHeadY - 6);
    cairo_line_to(cr, kMasterX + side * 4, kMasterHeadY + 4);
    Stroke(cr, kInk, 4);
  }
  cairo_new_path(cr);
  cairo_move_to(cr, kMasterX - 12, kMasterHeadY + 36);
  cairo_curve_to(cr, kMasterX - 4, kMasterHeadY + 32, kMasterX + 4, kMasterHeadY + 32, kMasterX + 12,
                 kMasterHeadY + 38);
  Stroke(cr, kInk, 3);
  cairo_new_path(cr);
  cairo_move_to(cr, kMasterX - 34, kMasterHeadY - 16);
  for (int k = 0; k <= 4; ++k) {
    double x = kMasterX - 34 + k * 17;
    cairo_line_to(cr, x, kMasterHeadY - (k % 2 == 0 ? 52 : 28));
    if (k < 4) cairo_line_to(cr, x + 8.5, kMasterHeadY - 30);
  }
  cairo_line_to(cr, kMasterX + 34, kMasterHeadY - 16);
  cairo_close_path(cr);
  FillGradientOutline(cr, kMasterHeadY - 52, Hex(0xFFE27A), kMasterHeadY - 16, Hex(0xC08A20), kInk, 3);
  // The crystal ball on its stand.
  cairo_new_path(cr);
  cairo_move_to(cr, kBallX - 14, kBallY + 30);
  cairo_line_to(cr, kBallX + 14, kBallY + 30);
  cairo_line_to(cr, kBallX + 24, 380);
  cairo_line_to(cr, kBallX - 24, 380);
  cairo_close_path(cr);
  FillGradientOutline(cr, kBallY + 30, Hex(0xC8A040), 380, Hex(0x7A5A18), kInk, 3);
  cairo_new_path(cr);
  Ellipse(cr, kBallX, kBallY, 34, 34);
  FillGradientOutline(cr, kBallY - 34, Hex(0x7A9AC8), kBallY + 34, Hex(0x2A3A6A), kInk, 3);
  Highlight(cr, kBallX - 12, kBallY - 14, 10, 6, 0.5);
  // The servant: small, hunched and bowing, a scroll in his hands.
  const double sx = 200, sy = 380;
  cairo_new_path(cr);
  cairo_move_to(cr, sx - 40, sy);
  cairo_curve_to(cr, sx - 44, sy - 60, sx - 10, sy - 90, sx + 30, sy - 80);
  cairo_curve_to(cr, sx + 44, sy - 60, sx + 40, sy - 20, sx + 36, sy);
  cairo_close_path(cr);
  FillGradientOutline(cr, sy - 90, Hex(0x6A8A4A), sy, Hex(0x3A5A2A), kInk, 3.5);
  cairo_new_path(cr);
  Ellipse(cr, sx + 40, sy - 80, 22, 20);
  FillGradientOutline(cr, sy - 100, Hex(0xA8C878), sy - 60, Hex(0x6A8A48), kInk, 3.5);
  cairo_new_path(cr);  // long pointed ears
  cairo_move_to(cr, sx + 24, sy - 92);
  cairo_line_to(cr, sx - 4, sy - 112);
  cairo_line_to(cr, sx + 30, sy - 84);
  cairo_close_path(cr);
  FillOutline(cr, Hex(0x8AAA60), kInk, 3);
  cairo_new_path(cr);
  Ellipse(cr, sx + 50, sy - 84, 6, 7);
  FillOutline(cr, {1, 1, 1}, kInk, 2);
  cairo_new_path(cr);
  Ellipse(cr, sx + 52, sy - 83, 2.5, 3.5);
  Fill(cr, kInk);
  cairo_new_path(cr);
  cairo_move_to(cr, sx + 46, sy - 70);
  cairo_curve_to(cr, sx + 52, sy - 66, sx + 56, sy - 68, sx + 58, sy - 72);
  Stroke(cr, kInk, 2.5);
  cairo_new_path(cr);
  RoundRect(cr, sx + 40, sy - 52, 36, 14, 6);
  FillGradientOutline(cr, sy - 52, Hex(0xFFF2D0), sy - 38, Hex(0xD8C090), kInk, 2.5);
}

void MakeCastle(const Context& ctx) {
  const std::string dir = "Images\\Cutscene\\Cut_1\\";
  Save(ctx, dir + "1_1_A.png", 800, 450, Castle);
  Save(ctx, dir + "1_2_A.png", 800, 450, ThroneRoom);
  // The flickering light: torch flames and their warm glow on the walls.
  Save(ctx, dir + "1_2_C.png", 800, 450, [](cairo_t* cr) {
    for (double tx : kTorchX) {
      Glow(cr, tx, kTorchY - 20, 190, Hex(0xFFA040), 0.35);
      cairo_new_path(cr);
      cairo_move_to(cr, tx, kTorchY - 50);
      cairo_curve_to(cr, tx + 20, kTorchY - 24, tx + 16, kTorchY, tx, kTorchY);
      cairo_curve_to(cr, tx - 16, kTorchY, tx - 20, kTorchY - 24, tx, kTorchY - 50);
      FillGradientOutline(cr, kTorchY - 50, Hex(0xFFF0A0), kTorchY, Hex(0xFF6A10), Hex(0xA83A08), 2.5);
      cairo_new_path(cr);
      Ellipse(cr, tx, kTorchY - 12, 6, 9);
      Fill(cr, Hex(0xFFFFE0));
    }
  });
  // The pulse: the master's eyes and the crystal ball, glowing together.
  Save(ctx, dir + "1_2_B.png", 800, 450, [](cairo_t* cr) {
    for (int side = -1; side <= 1; side += 2) {
      Glow(cr, kMasterX + side * 13, kMasterHeadY + 8, 26, Hex(0xFF3040), 0.8);
      cairo_new_path(cr);
      Ellipse(cr, kMasterX + side * 13, kMasterHeadY + 8, 5, 3.5);
      Fill(cr, Hex(0xFFE0E0));
    }
    Glow(cr, kBallX, kBallY, 90, Hex(0x9AE8FF), 0.6);
    cairo_new_path(cr);
    Ellipse(cr, kBallX, kBallY, 32, 32);
    Fill(cr, Hex(0xC8F4FF), 0.55);
    // The hero on his stick, seen in the ball.
    cairo_new_path(cr);
    RoundRect(cr, kBallX - 1.5, kBallY - 6, 3, 22, 1.5);
    Fill(cr, kStick);
    cairo_new_path(cr);
    Ellipse(cr, kBallX + 1, kBallY - 10, 6, 6);
    Fill(cr, kSkin);
    cairo_new_path(cr);
    cairo_arc(cr, kBallX + 1, kBallY - 11, 6, M_PI, 2 * M_PI);
    Fill(cr, kCap);
    cairo_new_path(cr);
    RoundRect(cr, kBallX - 4, kBallY - 4, 8, 9, 3);
    Fill(cr, kShirt);
  });
}

FORGE_JOB("pictures", "scene_story_newworld", &MakeNewWorld);
FORGE_JOB("pictures", "scene_story_castle", &MakeCastle);

}  // namespace
}  // namespace forge::art
