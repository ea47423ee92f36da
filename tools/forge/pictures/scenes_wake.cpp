// Waking up in front of the TV: the stormy garden outside (dark, and lit by
// lightning), the hero's room at night (and in the lightning's flash), the
// glowing TV laid over the room, a close-up of the hero waking, and the strip
// of the hero himself: asleep on the rug, waking, tapping the fuzzy TV, leaning
// in, and startled when it flashes.
//
// The letterbox pictures are 800 x 450 and drawn at (0, 75). The hero strip's
// cells (175 x 172) are drawn at (215, 255), that is at (215, 180) inside the
// room picture, so the room puts the rug under his cell and the TV just right
// of it, where his tapping hand lands.
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

const char* const kDir = "Images\\Cutscene\\Intro_post\\";
constexpr Rgb kInk = Hex(0x1C1428);
constexpr Rgb kSkin = Hex(0xF6C9A0);
constexpr Rgb kCap = Hex(0xE0302A);
constexpr Rgb kShirt = Hex(0x2F7BE0);
constexpr Rgb kTrousers = Hex(0x34446E);
constexpr Rgb kStick = Hex(0xFFC61A);

// The hero's cell inside the room picture.
constexpr double kCellX = 215, kCellY = 255 - 75;
// The TV set in the room: body and screen.
constexpr double kTvX = 380, kTvY = 150, kTvW = 190, kTvH = 136;
constexpr double kScrX = kTvX + 16, kScrY = kTvY + 16, kScrW = 132, kScrH = 100;

void Save(const Context& ctx, const char* name, int w, int h, const std::function<void(cairo_t*)>& draw) {
  Canvas c(w, h);
  draw(c.cr());
  c.Save(ctx, std::string(kDir) + name + ".png");
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

// A small fixed-seed generator: rain and static look the same on every run.
struct Lcg {
  uint32_t s;
  double Next() {
    s = s * 1664525u + 1013904223u;
    return (s >> 8) / 16777216.0;
  }
};

void Rain(cairo_t* cr, double x0, double y0, double w, double h, int drops, Rgb c, double alpha) {
  Lcg r{12345};
  for (int i = 0; i < drops; ++i) {
    double x = x0 + r.Next() * w, y = y0 + r.Next() * h, len = 10 + r.Next() * 14;
    cairo_new_path(cr);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x - len * 0.25, y + len);
    Stroke(cr, c, 1.5, alpha);
  }
}

void Bolt(cairo_t* cr, double x, double y) {
  const double pts[][2] = {{0, 0}, {-18, 60}, {6, 64}, {-22, 140}, {-2, 142}, {-30, 230}};
  for (int pass = 0; pass < 2; ++pass) {
    cairo_new_path(cr);
    for (auto& p : pts) cairo_line_to(cr, x + p[0], y + p[1]);
    Stroke(cr, pass == 0 ? Hex(0xB8D0FF) : Hex(0xFFFFFF), pass == 0 ? 10 : 4, pass == 0 ? 0.6 : 1);
  }
}

// ------------------------------------------------------------------ garden

// The garden behind the house in the storm; `flash` lights it up.
void Garden(cairo_t* cr, double flash) {
  auto tone = [flash](Rgb night, Rgb lit) { return Mix(night, lit, flash); };
  cairo_rectangle(cr, 0, 0, 800, 450);
  VerticalFill(cr, 0, tone(Hex(0x141838), Hex(0xC8D8FF)), 300, tone(Hex(0x2E3466), Hex(0xEEF2FF)));
  // Heavy clouds.
  for (int i = 0; i < 7; ++i) {
    cairo_new_path(cr);
    Ellipse(cr, 60 + i * 120, 40 + 18 * std::sin(i * 1.7), 110, 46);
    Fill(cr, tone(Hex(0x22264A), Hex(0xA8B4E0)));
  }
  if (flash > 0.5) Bolt(cr, 560, 20);
  // Hills, a tree, the shed and the fence.
  cairo_new_path(cr);
  cairo_move_to(cr, 0, 300);
  cairo_curve_to(cr, 200, 250, 500, 280, 800, 240);
  cairo_line_to(cr, 800, 450);
  cairo_line_to(cr, 0, 450);
  cairo_close_path(cr);
  FillOutline(cr, tone(Hex(0x1E3A2A), Hex(0x6FBF5A)), tone(Hex(0x0E1C14), Hex(0x2E5A26)), 3);
  cairo_new_path(cr);
  RoundRect(cr, 150, 170, 22, 150, 8);
  FillOutline(cr, tone(Hex(0x2E2018), Hex(0x8A5A36)), kInk, 3);
  for (auto [dx, dy, r] : {std::tuple{0.0, 0.0, 62.0}, {-46.0, 30.0, 44.0}, {48.0, 26.0, 46.0}}) {
    cairo_new_path(cr);
    Ellipse(cr, 161 + dx, 150 + dy, r, r * 0.9);
    FillOutline(cr, tone(Hex(0x17301F), Hex(0x5DA130)), kInk, 3);
  }
  cairo_new_path(cr);
  cairo_rectangle(cr, 540, 200, 150, 110);
  FillOutline(cr, tone(Hex(0x3A2A22), Hex(0xB07A4E)), kInk, 3);
  cairo_new_path(cr);
  cairo_move_to(cr, 526, 204);
  cairo_line_to(cr, 615, 150);
  cairo_line_to(cr, 704, 204);
  cairo_close_path(cr);
  FillOutline(cr, tone(Hex(0x3A1E22), Hex(0xC0392B)), kInk, 3);
  cairo_new_path(cr);
  cairo_rectangle(cr, 600, 240, 36, 70);
  FillOutline(cr, tone(Hex(0x24160F), Hex(0x6E4428)), kInk, 2);
  for (int x = -10; x < 820; x += 34) {
    cairo_new_path(cr);
    cairo_move_to(cr, x, 400);
    cairo_line_to(cr, x, 336);
    cairo_line_to(cr, x + 11, 326);
    cairo_line_to(cr, x + 22, 336);
    cairo_line_to(cr, x + 22, 400);
    cairo_close_path(cr);
    FillOutline(cr, tone(Hex(0x4A4460), Hex(0xF2EEE6)), kInk, 2.5);
  }
  cairo_new_path(cr);
  cairo_rectangle(cr, 0, 352, 800, 10);
  cairo_rectangle(cr, 0, 380, 800, 10);
  FillOutline(cr, tone(Hex(0x3E3A54), Hex(0xDEDAD2)), kInk, 2);
  cairo_new_path(cr);
  cairo_rectangle(cr, 0, 400, 800, 50);
  Fill(cr, tone(Hex(0x142A1C), Hex(0x4C8A2A)));
  Rain(cr, 0, -20, 820, 470, 260, tone(Hex(0x9AB0E0), Hex(0xFFFFFF)), 0.55);
}

// ------------------------------------------------------------------ room

// The hero's room at night; `flash` is the lightning through the window.
void Room(cairo_t* cr, double flash) {
  auto tone = [flash](Rgb night, Rgb lit) { return Mix(night, lit, flash * 0.85); };
  // Wall with a stripe paper, skirting, floorboards.
  cairo_rectangle(cr, 0, 0, 800, 300);
  VerticalFill(cr, 0, tone(Hex(0x262A52), Hex(0xDDE4FF)), 300, tone(Hex(0x363C6E), Hex(0xEEF0FF)));
  for (int x = 0; x < 800; x += 40) {
    cairo_new_path(cr);
    cairo_rectangle(cr, x, 0, 16, 300);
    Fill(cr, tone(Hex(0x2E3360), Hex(0xE4EAFF)), 0.7);
  }
  cairo_new_path(cr);
  cairo_rectangle(cr, 0, 300, 800, 150);
  VerticalFill(cr, 300, tone(Hex(0x4A3228), Hex(0xD8B894)), 450, tone(Hex(0x2A1A14), Hex(0xA8845C)));
  for (int i = 0; i < 9; ++i) {
    cairo_new_path(cr);
    cairo_move_to(cr, 400 + (i - 4) * 110, 300);
    cairo_line_to(cr, 400 + (i - 4) * 260, 450);
    Stroke(cr, kInk, 2, 0.35);
  }
  cairo_new_path(cr);
  cairo_rectangle(cr, 0, 290, 800, 14);
  FillOutline(cr, tone(Hex(0x5A4A70), Hex(0xFFFFFF)), kInk, 2.5);
  // The window with the storm outside, curtains either side.
  cairo_new_path(cr);
  cairo_rectangle(cr, 40, 50, 170, 170);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  VerticalFill(cr, 50, tone(Hex(0x101430), Hex(0xFFFFFF)), 220, tone(Hex(0x2A3060), Hex(0xD0DCFF)));
  if (flash > 0.5) Bolt(cr, 150, 50);
  Rain(cr, 40, 40, 180, 190, 40, tone(Hex(0x8A9ED0), Hex(0xA0B0E0)), 0.6);
  cairo_restore(cr);
  cairo_new_path(cr);
  cairo_rectangle(cr, 40, 50, 170, 170);
  cairo_move_to(cr, 125, 50);
  cairo_line_to(cr, 125, 220);
  cairo_move_to(cr, 40, 135);
  cairo_line_to(cr, 210, 135);
  Stroke(cr, tone(Hex(0xC8C0D8), Hex(0xFFFFFF)), 7);
  cairo_new_path(cr);
  cairo_rectangle(cr, 40, 50, 170, 170);
  Stroke(cr, kInk, 2);
  for (int side = 0; side < 2; ++side) {
    double x = side == 0 ? 14 : 196;
    cairo_new_path(cr);
    cairo_move_to(cr, x, 36);
    cairo_line_to(cr, x + 40, 36);
    cairo_curve_to(cr, x + 30, 120, x + 46, 200, x + 34, 250);
    cairo_line_to(cr, x + 4, 250);
    cairo_curve_to(cr, x - 4, 180, x + 8, 110, x, 36);
    cairo_close_path(cr);
    FillOutline(cr, tone(Hex(0x6E2A3A), Hex(0xFF9AAA)), kInk, 2.5);
  }
  cairo_new_path(cr);
  RoundRect(cr, 6, 30, 248, 10, 5);
  FillOutline(cr, tone(Hex(0x5A3A28), Hex(0xC08A5A)), kInk, 2);
  // A poster of a pogo champion, a shelf with books.
  cairo_new_path(cr);
  cairo_rectangle(cr, 270, 60, 90, 120);
  FillOutline(cr, tone(Hex(0x6A5A2A), Hex(0xFFE27A)), kInk, 3);
  cairo_new_path(cr);
  RoundRect(cr, 311, 86, 8, 70, 3);
  FillOutline(cr, tone(Hex(0x5A2A22), Hex(0xE0302A)), kInk, 2);
  cairo_new_path(cr);
  Ellipse(cr, 315, 80, 12, 12);
  FillOutline(cr, tone(Hex(0x6A5040), Hex(0xF6C9A0)), kInk, 2);
  cairo_new_path(cr);
  cairo_rectangle(cr, 620, 100, 140, 10);
  FillOutline(cr, tone(Hex(0x4A3020), Hex(0xB07A4E)), kInk, 2);
  const Rgb books[5] = {Hex(0xC0392B), Hex(0x2A9D8F), Hex(0xF2C14E), Hex(0x5A4FCF), Hex(0xE07A2A)};
  for (int i = 0; i < 5; ++i) {
    cairo_new_path(cr);
    cairo_rectangle(cr, 630 + i * 20, 60 + (i % 2) * 8, 16, 40 - (i % 2) * 8);
    FillOutline(cr, Mix(Darker(books[i], 0.55), books[i], flash), kInk, 2);
  }
  // The pogo stick leaning against the wall.
  cairo_save(cr);
  cairo_translate(cr, 700, 350);
  cairo_rotate(cr, -0.22);
  cairo_new_path(cr);
  RoundRect(cr, -5, -170, 10, 150, 4);
  FillOutline(cr, tone(Darker(kStick, 0.5), kStick), kInk, 2.5);
  cairo_new_path(cr);
  RoundRect(cr, -24, -178, 48, 12, 6);
  FillOutline(cr, tone(Darker(kStick, 0.5), kStick), kInk, 2.5);
  for (int i = 0; i < 4; ++i) {
    cairo_new_path(cr);
    cairo_move_to(cr, -10, -22 + i * 5);
    cairo_line_to(cr, 10, -19 + i * 5);
    Stroke(cr, tone(Hex(0x5A6270), Hex(0xD0D8E0)), 3);
  }
  cairo_new_path(cr);
  RoundRect(cr, -18, -26, 36, 6, 3);
  FillOutline(cr, tone(Hex(0x3A4048), Hex(0x8A96A2)), kInk, 2);
  cairo_restore(cr);
  // The rug the hero sleeps on.
  cairo_new_path(cr);
  Ellipse(cr, kCellX + 90, kCellY + 166, 130, 26);
  FillOutline(cr, tone(Hex(0x4A2A4E), Hex(0xE07AA8)), kInk, 3);
  cairo_new_path(cr);
  Ellipse(cr, kCellX + 90, kCellY + 166, 100, 17);
  Stroke(cr, tone(Hex(0x6A3A6E), Hex(0xFFB0D0)), 4);
  // The TV on its cabinet (its glowing screen is a separate picture).
  cairo_new_path(cr);
  cairo_rectangle(cr, kTvX - 10, kTvY + kTvH, kTvW + 20, 64);
  FillOutline(cr, tone(Hex(0x3A2418), Hex(0xB07A4E)), kInk, 3);
  cairo_new_path(cr);
  cairo_rectangle(cr, kTvX + 6, kTvY + kTvH + 14, kTvW - 12, 36);
  Stroke(cr, kInk, 2, 0.6);
  cairo_new_path(cr);
  RoundRect(cr, kTvX, kTvY, kTvW, kTvH, 14);
  FillGradientOutline(cr, kTvY, tone(Hex(0x4A3A34), Hex(0xA88A74)), kTvY + kTvH, tone(Hex(0x2A1E1A), Hex(0x6A5448)),
                      kInk, 3);
  cairo_new_path(cr);
  RoundRect(cr, kScrX, kScrY, kScrW, kScrH, 12);
  FillOutline(cr, tone(Hex(0x1A2024), Hex(0x5A6A70)), kInk, 3);
  for (int i = 0; i < 2; ++i) {
    cairo_new_path(cr);
    Ellipse(cr, kTvX + kTvW - 20, kTvY + 40 + i * 30, 7, 7);
    FillOutline(cr, tone(Hex(0x8A8078), Hex(0xE0D8D0)), kInk, 2);
  }
  cairo_new_path(cr);  // rabbit-ear aerial
  cairo_move_to(cr, kTvX + 70, kTvY - 40);
  cairo_line_to(cr, kTvX + 95, kTvY);
  cairo_line_to(cr, kTvX + 130, kTvY - 50);
  Stroke(cr, tone(Hex(0x8A8A9A), Hex(0xFFFFFF)), 3);
}

// ------------------------------------------------------------------ the hero

struct Sit {
  double headUp = 1;  // 0 drooped asleep, 1 upright
  double eyes = 1;    // 0 shut, 1 open, more is wide with surprise
  double lean = 0;    // 0 upright, 1 leaning right up to the screen
  double handX = 0, handY = 0;  // front hand, in cell pixels; 0, 0 rests on the knee
  bool stretch = false;         // both arms up in a yawn
  bool startled = false;        // hands up, cap jumping off
  bool zzz = false;
  bool tapLines = false;
};

void Limb(cairo_t* cr, double x0, double y0, double x1, double y1, double x2, double y2, double w, Rgb c) {
  for (int pass = 0; pass < 2; ++pass) {
    cairo_new_path(cr);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_line_to(cr, x2, y2);
    Stroke(cr, pass == 0 ? kInk : c, pass == 0 ? w + 5 : w);
  }
}

void Hand(cairo_t* cr, double x, double y, double r = 8) {
  cairo_new_path(cr);
  Ellipse(cr, x, y, r, r * 0.9);
  FillGradientOutline(cr, y - r, Lighter(kSkin, 0.2), y + r, Darker(kSkin, 0.15), kInk, 2.5);
}

// The big round head, facing right, centred at (0, 0) with radius r.
void BigHead(cairo_t* cr, double r, double eyes, bool capOff, bool asleep) {
  cairo_new_path(cr);
  Ellipse(cr, -r * 0.95, r * 0.1, r * 0.18, r * 0.24);  // ear
  FillOutline(cr, kSkin, kInk, r * 0.07);
  cairo_new_path(cr);
  Ellipse(cr, 0, 0, r, r * 0.96);
  FillGradientOutline(cr, -r, Lighter(kSkin, 0.2), r, Darker(kSkin, 0.12), kInk, r * 0.08);
  cairo_new_path(cr);
  Ellipse(cr, r * 0.55, r * 0.38, r * 0.16, r * 0.1);
  cairo_set_source_rgba(cr, 0.95, 0.45, 0.4, 0.45);
  cairo_fill(cr);
  for (double ex : {0.2, 0.62}) {
    double x = ex * r, y = 0.02 * r;
    if (eyes < 0.15) {
      cairo_new_path(cr);
      cairo_move_to(cr, x - r * 0.14, y);
      cairo_curve_to(cr, x - r * 0.05, y + r * 0.1, x + r * 0.05, y + r * 0.1, x + r * 0.14, y);
      Stroke(cr, kInk, r * 0.06);
      continue;
    }
    double open = std::min(eyes, 1.4);
    cairo_new_path(cr);
    Ellipse(cr, x, y, r * 0.14 * (0.85 + 0.15 * open), r * 0.19 * open);
    FillOutline(cr, {1, 1, 1}, kInk, r * 0.05);
    double pr = open > 1.1 ? 0.05 : 0.08;  // pupils shrink with surprise
    cairo_new_path(cr);
    Ellipse(cr, x + r * 0.05, y + r * 0.02, r * pr, r * pr * 1.2 * std::min(1.0, open));
    Fill(cr, kInk);
    if (open < 0.9) {  // heavy lids
      cairo_new_path(cr);
      cairo_move_to(cr, x - r * 0.16, y - r * 0.19 * open);
      cairo_line_to(cr, x + r * 0.16, y - r * 0.19 * open);
      Stroke(cr, kInk, r * 0.05);
    }
  }
  cairo_new_path(cr);  // mouth: a yawn when sleepy, an "o" when startled, else a line
  if (asleep) {
    cairo_move_to(cr, r * 0.3, r * 0.55);
    cairo_curve_to(cr, r * 0.4, r * 0.6, r * 0.5, r * 0.6, r * 0.58, r * 0.52);
    Stroke(cr, kInk, r * 0.05);
  } else if (eyes > 1.1) {
    Ellipse(cr, r * 0.45, r * 0.58, r * 0.1, r * 0.13);
    FillOutline(cr, Hex(0x7A2A34), kInk, r * 0.04);
  } else {
    cairo_move_to(cr, r * 0.3, r * 0.55);
    cairo_curve_to(cr, r * 0.4, r * 0.62, r * 0.5, r * 0.62, r * 0.6, r * 0.52);
    Stroke(cr, kInk, r * 0.05);
  }
  cairo_save(cr);
  if (capOff) {
    cairo_translate(cr, -r * 0.12, -r * 0.28);
    cairo_rotate(cr, -0.35);
  }
  cairo_new_path(cr);
  cairo_arc(cr, 0, -r * 0.22, r * 1.0, M_PI * 1.02, M_PI * 1.98);
  cairo_close_path(cr);
  FillGradientOutline(cr, -r * 1.25, Lighter(kCap, 0.2), -r * 0.2, Darker(kCap, 0.15), kInk, r * 0.08);
  cairo_new_path(cr);
  RoundRect(cr, r * 0.55, -r * 0.38, r * 0.85, r * 0.26, r * 0.12);
  FillOutline(cr, Darker(kCap, 0.2), kInk, r * 0.07);
  Highlight(cr, -r * 0.35, -r * 0.8, r * 0.3, r * 0.13, 0.45);
  cairo_restore(cr);
  if (capOff) {  // hair standing on end
    for (int i = 0; i < 5; ++i) {
      double a = -M_PI * 0.85 + i * M_PI * 0.17;
      cairo_new_path(cr);
      cairo_move_to(cr, r * 0.9 * std::cos(a), r * 0.9 * std::sin(a));
      cairo_line_to(cr, r * 1.25 * std::cos(a), r * 1.25 * std::sin(a));
      Stroke(cr, Hex(0x6A3E20), r * 0.1);
    }
  }
}

// The hero is drawn a little larger than his sketch below, about the point
// where he sits; hand positions are given in cell pixels and mapped back.
constexpr double kSitScale = 1.1, kSeatX = 80, kSeatY = 168;

// The hero sitting cross-legged on the rug, facing the TV on his right.
void SittingHero(cairo_t* cr, Sit s) {
  cairo_save(cr);
  cairo_translate(cr, kSeatX, kSeatY);
  cairo_scale(cr, kSitScale, kSitScale);
  cairo_translate(cr, -kSeatX, -kSeatY);
  if (s.handX > 0) {
    s.handX = kSeatX + (s.handX - kSeatX) / kSitScale;
    s.handY = kSeatY + (s.handY - kSeatY) / kSitScale;
  }
  const double hipX = 78, hipY = 148;
  double ang = (0.35 * s.lean + (1 - s.headUp) * 0.25);
  auto rot = [&](double x, double y, double& ox, double& oy) {  // about the hips
    double dx = x - hipX, dy = y - hipY;
    ox = hipX + dx * std::cos(ang) - dy * std::sin(ang);
    oy = hipY + dx * std::sin(ang) + dy * std::cos(ang);
  };
  double shX, shY, neckX, neckY, backShX, backShY;
  rot(84, 100, shX, shY);
  rot(72, 100, backShX, backShY);
  rot(80, 88, neckX, neckY);
  // The back arm.
  if (s.stretch || s.startled) {
    Limb(cr, backShX, backShY, backShX - 16, backShY - 24, backShX - 10, backShY - 50, 9, Darker(kShirt, 0.2));
    Hand(cr, backShX - 10, backShY - 52);
  } else {
    Limb(cr, backShX, backShY, backShX - 10, backShY + 24, 62, 146, 9, Darker(kShirt, 0.2));
  }
  // Crossed legs and socks.
  cairo_new_path(cr);
  Ellipse(cr, 84, 154, 48, 15);
  FillGradientOutline(cr, 139, Lighter(kTrousers, 0.2), 169, Darker(kTrousers, 0.2), kInk, 3);
  for (double sx : {126.0, 44.0}) {
    cairo_new_path(cr);
    Ellipse(cr, sx, 158, 11, 8);
    FillGradientOutline(cr, 150, Hex(0xFFFFFF), 166, Hex(0xC8CED8), kInk, 2.5);
  }
  // Body.
  cairo_save(cr);
  cairo_translate(cr, hipX, hipY);
  cairo_rotate(cr, ang);
  cairo_new_path(cr);
  RoundRect(cr, -20, -56, 42, 60, 16);
  FillGradientOutline(cr, -56, Lighter(kShirt, 0.25), 4, Darker(kShirt, 0.2), kInk, 3);
  cairo_new_path(cr);
  Ellipse(cr, 2, -28, 8, 8);  // a star on the shirt
  Fill(cr, Hex(0xFFE14D), 0.9);
  cairo_restore(cr);
  // Head.
  cairo_save(cr);
  double headX = neckX + 6 + 10 * (1 - s.headUp), headY = neckY - 26 + 22 * (1 - s.headUp);
  cairo_translate(cr, headX, headY);
  cairo_rotate(cr, 0.35 * (1 - s.headUp) + 0.1 * s.lean);
  BigHead(cr, 32, s.eyes, s.startled, s.headUp < 0.3);
  cairo_restore(cr);
  // The front arm: resting, stretched, reaching or tapping.
  if (s.startled) {
    Limb(cr, shX, shY, shX + 22, shY - 22, shX + 30, shY - 52, 9, kShirt);
    Hand(cr, shX + 30, shY - 54);
  } else if (s.stretch) {
    Limb(cr, shX, shY, shX + 10, shY - 30, shX + 4, shY - 58, 9, kShirt);
    Hand(cr, shX + 4, shY - 60);
  } else if (s.handX > 0) {
    double ex = (shX + s.handX) / 2, ey = std::max(shY, s.handY) + 12;
    Limb(cr, shX, shY, ex, ey, s.handX, s.handY, 9, kShirt);
    Hand(cr, s.handX, s.handY);
  } else {
    Limb(cr, shX, shY, shX + 14, shY + 26, 112, 146, 9, kShirt);
    Hand(cr, 114, 146);
  }
  if (s.tapLines) {
    for (int i = -1; i <= 1; ++i) {
      cairo_new_path(cr);
      cairo_move_to(cr, s.handX + 4, s.handY + i * 12);
      cairo_line_to(cr, s.handX - 6, s.handY + i * 18);
      Stroke(cr, Hex(0xFFFFFF), 3, 0.9);
    }
  }
  if (s.zzz) {
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    for (int i = 0; i < 3; ++i) {
      cairo_set_font_size(cr, 12 + i * 5);
      cairo_new_path(cr);
      cairo_move_to(cr, 118 + i * 14, 56 - i * 18);
      cairo_text_path(cr, "z");
      SetRgb(cr, kInk);
      cairo_set_line_width(cr, 3);
      cairo_stroke_preserve(cr);
      Fill(cr, Hex(0xFFFFFF));
    }
  }
  cairo_restore(cr);
}

Sit WakeFrame(int f) {
  Sit s;
  // The TV's left side is at x 380 in the room, 165 in the cell: taps land there.
  const double tapX = kTvX - kCellX + 1, tapY = 48;
  switch (f) {
    case 0: s.headUp = 0; s.eyes = 0; s.zzz = true; break;
    case 1: s.headUp = 0.25; s.eyes = 0; break;
    case 2: s.headUp = 0.55; s.eyes = 0.35; break;
    case 3: s.headUp = 0.85; s.eyes = 0.6; s.stretch = true; break;
    case 4: s.headUp = 1; s.eyes = 1; break;
    case 5: s.handX = 130; s.handY = 62; break;  // hand drawn back
    case 6: s.handX = tapX; s.handY = tapY; s.tapLines = true; break;
    case 7: s.lean = 0.2; s.handX = 134; s.handY = 58; break;
    case 8: s.lean = 0.4; s.eyes = 1.05; s.handX = 142; s.handY = 52; break;
    case 9: s.lean = 0.6; s.eyes = 1.1; s.handX = 148; s.handY = 46; break;
    case 10: s.lean = 0.75; s.eyes = 1.15; s.handX = 136; s.handY = 34; break;
    case 11: s.lean = 0.8; s.eyes = 1.2; s.handX = tapX; s.handY = 36; s.tapLines = true; break;
    default: s.lean = 0.1; s.eyes = 1.45; s.startled = true; break;
  }
  return s;
}

// ------------------------------------------------------------------ jobs

void MakeGarden(const Context& ctx) {
  Save(ctx, "garden", 800, 450, [](cairo_t* cr) { Garden(cr, 0); });
  Save(ctx, "garden_high2", 800, 450, [](cairo_t* cr) { Garden(cr, 1); });
}

void MakeRoom(const Context& ctx) {
  Save(ctx, "Room", 800, 450, [](cairo_t* cr) { Room(cr, 0); });
  Save(ctx, "Roomflash", 800, 450, [](cairo_t* cr) { Room(cr, 1); });
}

void MakeTvGlow(const Context& ctx) {
  Save(ctx, "tv", 800, 450, [](cairo_t* cr) {
    // The fuzzy screen's light over the room, then the screen itself.
    Glow(cr, kScrX + kScrW / 2, kScrY + kScrH / 2, 330, Hex(0xA8C8FF), 0.35);
    cairo_save(cr);
    cairo_new_path(cr);
    RoundRect(cr, kScrX + 1.5, kScrY + 1.5, kScrW - 3, kScrH - 3, 11);
    cairo_clip(cr);
    cairo_rectangle(cr, kScrX, kScrY, kScrW, kScrH);
    Fill(cr, Hex(0x8A96A8));
    Lcg r{777};
    for (double y = kScrY; y < kScrY + kScrH; y += 3)
      for (double x = kScrX; x < kScrX + kScrW; x += 3) {
        double v = r.Next();
        cairo_rectangle(cr, x, y, 3, 3);
        cairo_set_source_rgb(cr, 0.2 + 0.8 * v, 0.22 + 0.78 * v, 0.28 + 0.72 * v);
        cairo_fill(cr);
      }
    cairo_restore(cr);
    cairo_new_path(cr);
    RoundRect(cr, kScrX, kScrY, kScrW, kScrH, 12);
    Stroke(cr, kInk, 3);
  });
  Save(ctx, "quon_wakes", 800, 450, [](cairo_t* cr) {
    // A close-up: the hero wide awake, lit blue by the screen on his right.
    cairo_rectangle(cr, 0, 0, 800, 450);
    VerticalFill(cr, 0, Hex(0x1A1E40), 450, Hex(0x2A2E5A));
    Glow(cr, 800, 225, 620, Hex(0x9AC0FF), 0.55);
    cairo_new_path(cr);
    RoundRect(cr, 250, 330, 300, 200, 90);
    FillGradientOutline(cr, 330, Lighter(kShirt, 0.2), 530, Darker(kShirt, 0.3), kInk, 6);
    cairo_save(cr);
    cairo_translate(cr, 390, 210);
    BigHead(cr, 150, 1.3, false, false);
    cairo_restore(cr);
    Glow(cr, 700, 200, 300, Hex(0xC8E0FF), 0.25);
  });
}

void MakeHeroStrip(const Context& ctx) {
  DrawStrip(ctx, std::string(kDir) + "quon.png", 175, 172, 13,
            [](cairo_t* cr, int f) { SittingHero(cr, WakeFrame(f)); });
}

FORGE_JOB("pictures", "scene_wake_garden", &MakeGarden);
FORGE_JOB("pictures", "scene_wake_room", &MakeRoom);
FORGE_JOB("pictures", "scene_wake_tv", &MakeTvGlow);
FORGE_JOB("pictures", "scene_wake_hero", &MakeHeroStrip);

}  // namespace
}  // namespace forge::art
