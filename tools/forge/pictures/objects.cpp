// Everything small the hero meets or the screen shows: HUD icons, the mouse
// pointer, particles, springs, fans, pads, blocks, water, spikes, buttons,
// items, message portraits, TV interference, world-map and menu pieces.
#include <cmath>
#include <algorithm>
#include <cstdint>
#include <functional>

#include "world/asset_table.h"
#include "pictures/draw_kit.h"

namespace forge::art {
namespace {

constexpr Rgb kInk = Hex(0x2B1D16);
constexpr Rgb kGold = Hex(0xF2C14E);
constexpr Rgb kRed = Hex(0xD8352A);
constexpr Rgb kSteel = Hex(0x8C96A3);
constexpr Rgb kWood = Hex(0xA47148);
constexpr Rgb kStone = Hex(0x9E9A92);
constexpr Rgb kWater = Hex(0x3FA7D6);

// A deterministic generator for noise and sparkle positions.
uint32_t g_seed = 1;
double Noise() {
  g_seed = g_seed * 1664525u + 1013904223u;
  return (g_seed >> 8) / 16777216.0;
}

void Star(cairo_t* cr, double cx, double cy, double r, double inner, int points = 5, double turn = 0) {
  cairo_new_path(cr);
  for (int i = 0; i < points * 2; ++i) {
    double a = turn - M_PI / 2 + i * M_PI / points;
    double rr = i % 2 ? r * inner : r;
    if (i == 0)
      cairo_move_to(cr, cx + rr * std::cos(a), cy + rr * std::sin(a));
    else
      cairo_line_to(cr, cx + rr * std::cos(a), cy + rr * std::sin(a));
  }
  cairo_close_path(cr);
}

void HeartPath(cairo_t* cr, double cx, double cy, double s) {
  cairo_new_path(cr);
  cairo_move_to(cr, cx, cy + s * 0.9);
  cairo_curve_to(cr, cx - s * 1.2, cy + s * 0.1, cx - s * 0.9, cy - s * 0.9, cx, cy - s * 0.35);
  cairo_curve_to(cr, cx + s * 0.9, cy - s * 0.9, cx + s * 1.2, cy + s * 0.1, cx, cy + s * 0.9);
  cairo_close_path(cr);
}

void Coin(cairo_t* cr, double cx, double cy, double rx, double ry) {
  cairo_new_path(cr);
  Ellipse(cr, cx, cy, std::max(rx, 1.0), ry);
  FillGradientOutline(cr, cy - ry, Lighter(kGold, 0.3), cy + ry, Darker(kGold, 0.2), Darker(kGold, 0.6), 1.5);
  if (rx > 3) {
    cairo_new_path(cr);
    Ellipse(cr, cx, cy, rx * 0.55, ry * 0.6);
    SetRgb(cr, Darker(kGold, 0.15));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
  }
}

void Statue(cairo_t* cr, double w, double h) {
  cairo_new_path(cr);
  RoundRect(cr, w * 0.18, h * 0.78, w * 0.64, h * 0.2, 2);
  FillOutline(cr, Darker(kGold, 0.25), kInk, 1.5);
  cairo_new_path(cr);
  Ellipse(cr, w / 2, h * 0.28, w * 0.22, h * 0.2);
  FillGradientOutline(cr, 0, Lighter(kGold, 0.3), h * 0.5, kGold, kInk, 1.5);
  cairo_new_path(cr);
  cairo_move_to(cr, w * 0.28, h * 0.78);
  cairo_curve_to(cr, w * 0.28, h * 0.5, w * 0.72, h * 0.5, w * 0.72, h * 0.78);
  cairo_close_path(cr);
  FillGradientOutline(cr, h * 0.45, Lighter(kGold, 0.2), h * 0.8, Darker(kGold, 0.1), kInk, 1.5);
  Highlight(cr, w * 0.42, h * 0.22, w * 0.07, h * 0.05, 0.5);
}

void Glow(cairo_t* cr, double cx, double cy, double r, Rgb c) {
  cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r);
  cairo_pattern_add_color_stop_rgba(p, 0, c.r, c.g, c.b, 1);
  cairo_pattern_add_color_stop_rgba(p, 1, c.r, c.g, c.b, 0);
  cairo_set_source(cr, p);
  cairo_new_path(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void MakeHud(const Context& ctx) {
  DrawCatalogued(ctx, "Images\\Misc\\Heart_full.png", [](cairo_t* cr, int) {
    HeartPath(cr, 8, 8, 7);
    FillGradientOutline(cr, 1, Lighter(kRed, 0.25), 15, Darker(kRed, 0.15), kInk, 1.5);
    Highlight(cr, 5, 5, 2, 1.4, 0.5);
  });
  DrawCatalogued(ctx, "Images\\Misc\\Heart_empty.png", [](cairo_t* cr, int) {
    HeartPath(cr, 8, 8, 7);
    FillOutline(cr, Hex(0x5A4A4A), kInk, 1.5);
  });
  DrawCatalogued(ctx, "Images\\Misc\\coin.png", [](cairo_t* cr, int) { Coin(cr, 7, 7, 6, 6); });
  DrawCatalogued(ctx, "Images\\Misc\\pogo_icon.png", [](cairo_t* cr, int) {
    cairo_new_path(cr);
    RoundRect(cr, 6.5, 6, 3, 16, 1.5);
    FillOutline(cr, Hex(0xF5C518), kInk, 1.2);
    cairo_new_path(cr);
    RoundRect(cr, 2, 3, 12, 4, 2);
    FillOutline(cr, Hex(0xF5C518), kInk, 1.2);
  });
  DrawCatalogued(ctx, "Images\\Misc\\icon_watch.png", [](cairo_t* cr, int) {
    cairo_new_path(cr);
    Ellipse(cr, 7, 7.5, 6, 6);
    FillOutline(cr, Hex(0xF4F1E8), kInk, 1.5);
    cairo_new_path(cr);
    cairo_move_to(cr, 7, 7.5);
    cairo_line_to(cr, 7, 3.5);
    cairo_move_to(cr, 7, 7.5);
    cairo_line_to(cr, 10, 7.5);
    SetRgb(cr, kInk);
    cairo_set_line_width(cr, 1.3);
    cairo_stroke(cr);
  });
  DrawCatalogued(ctx, "Images\\Misc\\statue.png", [](cairo_t* cr, int) { Statue(cr, 24, 28); });
  DrawCatalogued(ctx, "Images\\Item\\statue.png", [](cairo_t* cr, int) { Statue(cr, 28, 32); });
  DrawCatalogued(ctx, "Images/cursor_mouse.png", [](cairo_t* cr, int) {
    cairo_new_path(cr);
    cairo_move_to(cr, 1, 1);
    cairo_line_to(cr, 1, 14);
    cairo_line_to(cr, 5, 10);
    cairo_line_to(cr, 8, 15);
    cairo_line_to(cr, 10, 14);
    cairo_line_to(cr, 7, 9);
    cairo_line_to(cr, 12, 9);
    cairo_close_path(cr);
    FillOutline(cr, {1, 1, 1}, kInk, 1.2);
  });
}

void MakeParticles(const Context& ctx) {
  DrawCatalogued(ctx, "Images\\Particle\\particle_orb.png",
                 [](cairo_t* cr, int) { Glow(cr, 8, 8, 8, {1, 1, 1}); });
  DrawCatalogued(ctx, "Images\\Particle\\particle_star.png", [](cairo_t* cr, int) {
    Glow(cr, 8, 8, 7, {1, 1, 1});
    Star(cr, 8, 8, 7.5, 0.35, 4);
    SetRgb(cr, {1, 1, 1});
    cairo_fill(cr);
  });
  DrawCatalogued(ctx, "Images\\Particle\\particle_cloud.png", [](cairo_t* cr, int) {
    Glow(cr, 9, 13, 8, {1, 1, 1});
    Glow(cr, 15, 11, 8, {1, 1, 1});
    Glow(cr, 12, 9, 7, {1, 1, 1});
  });
  DrawCatalogued(ctx, "Images\\Particle\\particle_bubble.png", [](cairo_t* cr, int) {
    cairo_new_path(cr);
    Ellipse(cr, 6, 6, 5, 5);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.25);
    cairo_fill_preserve(cr);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.9);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    Highlight(cr, 4.5, 4, 1.5, 1.2, 0.9);
  });
  DrawCatalogued(ctx, "Images\\Particle\\particle_heart.png", [](cairo_t* cr, int) {
    HeartPath(cr, 8, 8, 6.5);
    SetRgb(cr, {1, 1, 1});
    cairo_fill(cr);
  });
}

// A spring pad: a plate on a coil. The game draws frame direction * 8 + step,
// so each eight frames are one facing (up, down, right, left: the way it
// throws the hero), at rest and then one jump-and-settle.
void MakeActive(const Context& ctx) {
  DrawCatalogued(ctx, "Images\\Active\\spring.png", [](cairo_t* cr, int f) {
    const double kTurn[4] = {0, M_PI, M_PI / 2, -M_PI / 2};
    int step = f % 8;
    cairo_translate(cr, 16, 16);
    cairo_rotate(cr, kTurn[(f / 8) % 4]);
    cairo_translate(cr, -16, -16);
    double phase = step * 31.0 / 7.0;
    double t = step == 0 ? 0 : std::sin(M_PI * phase / 31.0) * std::exp(-phase / 14.0);
    double top = 14 - 10 * t;  // the plate jumps up, then settles
    cairo_new_path(cr);
    for (int i = 0; i < 5; ++i) {
      double y = 30 - (30 - top - 4) * i / 4.0;
      cairo_move_to(cr, 8, y);
      cairo_line_to(cr, 24, y - (30 - top) / 10.0);
    }
    SetRgb(cr, kSteel);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_new_path(cr);
    RoundRect(cr, 3, top, 26, 6, 2);
    FillGradientOutline(cr, top, Lighter(kRed, 0.2), top + 6, Darker(kRed, 0.1), kInk, 1.5);
    cairo_new_path(cr);
    RoundRect(cr, 5, 28, 22, 4, 1);
    FillOutline(cr, Darker(kSteel, 0.3), kInk, 1);
  });
  DrawCatalogued(ctx, "Images\\Active\\fan.png", [](cairo_t* cr, int f) {
    cairo_new_path(cr);
    RoundRect(cr, 1, 1, 30, 30, 4);
    FillGradientOutline(cr, 0, Lighter(kSteel, 0.2), 32, Darker(kSteel, 0.2), kInk, 1.5);
    // The game draws frame direction * 4 + step: each four frames turn the
    // three blades by a third of a turn, so the cycle has no jump, and an
    // arrow on the housing shows the way the air goes (up, down, right, left).
    double a = (f % 4) * (2 * M_PI / 3) / 4;
    for (int b = 0; b < 3; ++b) {
      double ang = a + b * 2 * M_PI / 3;
      cairo_save(cr);
      cairo_translate(cr, 16, 16);
      cairo_rotate(cr, ang);
      cairo_new_path(cr);
      Ellipse(cr, 7, 0, 7, 3.2);
      FillOutline(cr, Hex(0xE9F1F7), kInk, 1);
      cairo_restore(cr);
    }
    cairo_new_path(cr);
    Ellipse(cr, 16, 16, 3, 3);
    FillOutline(cr, kInk, kInk, 1);
    const double kTurn[4] = {0, M_PI, M_PI / 2, -M_PI / 2};
    cairo_save(cr);
    cairo_translate(cr, 16, 16);
    cairo_rotate(cr, kTurn[(f / 4) % 4]);
    cairo_new_path(cr);
    cairo_move_to(cr, -5, -10.5);
    cairo_line_to(cr, 0, -15);
    cairo_line_to(cr, 5, -10.5);
    cairo_close_path(cr);
    FillOutline(cr, Hex(0xFFD23F), kInk, 1);
    cairo_restore(cr);
  });
  DrawCatalogued(ctx, "Images\\Active\\teleport.png", [](cairo_t* cr, int) {
    Glow(cr, 16, 20, 14, Hex(0x9FE8FF));
    cairo_new_path(cr);
    Ellipse(cr, 16, 27, 14, 4.5);
    FillGradientOutline(cr, 22, Hex(0xB48CFF), 32, Hex(0x6A3FBF), kInk, 1.5);
    cairo_new_path(cr);
    Ellipse(cr, 16, 26, 8, 2);
    SetRgb(cr, {1, 1, 1}, 0.8);
    cairo_fill(cr);
  });
  // Nine slices of a metal block: corners, edges, middle (row by row).
  DrawCatalogued(ctx, "Images\\Active\\Moving_Block.png", [](cairo_t* cr, int f) {
    int col = f % 3, row = f / 3;
    cairo_rectangle(cr, 0, 0, 32, 32);
    SetRgb(cr, Hex(0x7E8AA0));
    cairo_fill(cr);
    SetRgb(cr, Hex(0x3C4456));
    cairo_set_line_width(cr, 4);
    if (row == 0) {
      cairo_move_to(cr, 0, 2);
      cairo_line_to(cr, 32, 2);
    }
    if (row == 2) {
      cairo_move_to(cr, 0, 30);
      cairo_line_to(cr, 32, 30);
    }
    if (col == 0) {
      cairo_move_to(cr, 2, 0);
      cairo_line_to(cr, 2, 32);
    }
    if (col == 2) {
      cairo_move_to(cr, 30, 0);
      cairo_line_to(cr, 30, 32);
    }
    cairo_stroke(cr);
    if (row == 0) {
      cairo_rectangle(cr, 0, 4, 32, 3);
      SetRgb(cr, Hex(0xB7C2D6));
      cairo_fill(cr);
    }
    if (f == 4) {
      cairo_new_path(cr);
      Ellipse(cr, 16, 16, 3, 3);
      SetRgb(cr, Hex(0x3C4456));
      cairo_fill(cr);
    }
  });
  auto water = [](cairo_t* cr, int f, bool top) {
    double phase = f * 2 * M_PI / 32;
    cairo_rectangle(cr, 0, top ? 8 : 0, 32, top ? 24 : 32);
    SetRgb(cr, kWater, 0.75);
    cairo_fill(cr);
    if (top) {
      cairo_new_path(cr);
      cairo_move_to(cr, 0, 8);
      for (int x = 0; x <= 32; x += 2) cairo_line_to(cr, x, 7 + 2.5 * std::sin(phase + x * 2 * M_PI / 32));
      cairo_line_to(cr, 32, 12);
      cairo_line_to(cr, 0, 12);
      cairo_close_path(cr);
      SetRgb(cr, Lighter(kWater, 0.5));
      cairo_fill(cr);
    } else {
      for (int k = 0; k < 3; ++k) {
        double y = std::fmod(28 - f - k * 11 + 64, 32.0);
        cairo_new_path(cr);
        Ellipse(cr, 6 + k * 9 + 2 * std::sin(phase + k), y, 1.6, 1.6);
        SetRgb(cr, Lighter(kWater, 0.6), 0.6);
        cairo_fill(cr);
      }
    }
  };
  DrawCatalogued(ctx, "Images\\Active\\water.png", [&](cairo_t* cr, int f) { water(cr, f, false); });
  DrawCatalogued(ctx, "Images\\Active\\water_top.png", [&](cairo_t* cr, int f) { water(cr, f, true); });
  DrawCatalogued(ctx, "Images\\Active\\button.png", [](cairo_t* cr, int f) {
    double h = f == 0 ? 10 : 4;  // up, pressed
    cairo_new_path(cr);
    RoundRect(cr, 2, 27, 28, 5, 1.5);
    FillOutline(cr, kSteel, kInk, 1.5);
    cairo_new_path(cr);
    RoundRect(cr, 7, 27 - h, 18, h + 1, 3);
    FillGradientOutline(cr, 27 - h, Lighter(kRed, 0.3), 28, kRed, kInk, 1.5);
  });
  DrawCatalogued(ctx, "Images\\Active\\block_bit.png", [](cairo_t* cr, int f) {
    cairo_save(cr);
    cairo_translate(cr, 8, 8);
    cairo_rotate(cr, f * M_PI / 8);
    cairo_new_path(cr);
    cairo_move_to(cr, -6, -4);
    cairo_line_to(cr, 5, -6);
    cairo_line_to(cr, 6, 5);
    cairo_line_to(cr, -4, 6);
    cairo_close_path(cr);
    FillGradientOutline(cr, -6, Lighter(kStone, 0.2), 6, Darker(kStone, 0.2), kInk, 1.2);
    cairo_restore(cr);
  });
}

// Spikes point up, down, left and right (frames 0-3).
void MakeSpikesAndBlocks(const Context& ctx) {
  DrawCatalogued(ctx, "Images\\Active\\spikes.png", [](cairo_t* cr, int f) {
    cairo_save(cr);
    cairo_translate(cr, 16, 16);
    const double turns[4] = {0, M_PI, -M_PI / 2, M_PI / 2};
    cairo_rotate(cr, turns[f]);
    cairo_new_path(cr);
    for (int i = 0; i < 4; ++i) {
      double x = -16 + i * 8;
      cairo_move_to(cr, x, 16);
      cairo_line_to(cr, x + 4, -12);
      cairo_line_to(cr, x + 8, 16);
    }
    cairo_close_path(cr);
    FillGradientOutline(cr, -12, Hex(0xE6E9EE), 16, Hex(0x7A8290), kInk, 1.5);
    cairo_restore(cr);
  });
  // Breakable blocks: sixteen styles of cracked stone and crate.
  DrawCatalogued(ctx, "Images\\Active\\block.png", [](cairo_t* cr, int f) {
    Rgb base = f % 2 ? kWood : Mix(kStone, Hex(0xC9A45C), (f % 8) / 10.0);
    cairo_new_path(cr);
    RoundRect(cr, 1, 1, 30, 30, 3);
    FillGradientOutline(cr, 0, Lighter(base, 0.2), 32, Darker(base, 0.2), kInk, 2);
    cairo_new_path(cr);
    cairo_move_to(cr, 8, 6);
    cairo_line_to(cr, 14, 14);
    cairo_line_to(cr, 11, 22);
    cairo_move_to(cr, 14, 14);
    cairo_line_to(cr, 24, 12);
    SetRgb(cr, Darker(base, 0.45));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
  });
  DrawCatalogued(ctx, "Images\\Active\\falling_block.png", [](cairo_t* cr, int) {
    cairo_new_path(cr);
    RoundRect(cr, 1, 2, 94, 20, 4);
    FillGradientOutline(cr, 2, Lighter(kWood, 0.25), 22, Darker(kWood, 0.2), kInk, 2);
    for (int x = 24; x < 96; x += 24) {
      cairo_move_to(cr, x, 4);
      cairo_line_to(cr, x, 20);
    }
    SetRgb(cr, Darker(kWood, 0.4));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_new_path(cr);
    RoundRect(cr, 38, 22, 20, 8, 2);
    FillOutline(cr, Darker(kWood, 0.3), kInk, 1.5);
  });
}

void MakeItems(const Context& ctx) {
  DrawCatalogued(ctx, "Images\\Item\\Item.png", [](cairo_t* cr, int) {
    cairo_new_path(cr);
    RoundRect(cr, 8, 8, 48, 48, 8);
    FillOutline(cr, kGold, kInk, 2);
  });
  // The coin spins: its width follows a cosine over the ten frames.
  DrawCatalogued(ctx, "Images\\Item\\coin.png", [](cairo_t* cr, int f) {
    double rx = 10 * std::fabs(std::cos(f * M_PI / 10));
    Coin(cr, 11.5, 12, std::max(rx, 1.5), 10.5);
  });
  auto pack = [](cairo_t* cr, int f, double w, double h) {
    double squash = f == 1 ? 0.8 : 1.0;  // frame 1: squashed after a hop
    double ph = h * squash, top = h - ph;
    cairo_new_path(cr);
    RoundRect(cr, 1, top + 1, w - 2, ph - 2, 3);
    FillGradientOutline(cr, top, Hex(0xFFFFFF), h, Hex(0xD9DEE6), kInk, 1.5);
    double cx = w / 2, cy = top + ph / 2, a = std::min(w, ph) * 0.3;
    cairo_new_path(cr);
    cairo_rectangle(cr, cx - a / 3, cy - a, a * 2 / 3, a * 2);
    cairo_rectangle(cr, cx - a, cy - a / 3, a * 2, a * 2 / 3);
    SetRgb(cr, kRed);
    cairo_fill(cr);
  };
  DrawCatalogued(ctx, "Images\\Item\\medi_small.png", [&](cairo_t* cr, int f) { pack(cr, f, 19, 18); });
  DrawCatalogued(ctx, "Images\\Item\\medi_big.png", [&](cairo_t* cr, int f) { pack(cr, f, 27, 26); });
}

// Speaker portraits: 0 a plain bubble, 1 the hero, 2 the pogo stick, 3 and 4
// the villains, 5 a found secret, 6-7 spare.
void MakeMessage(const Context& ctx) {
  DrawCatalogued(ctx, "Images\\Misc\\icons.png", [](cairo_t* cr, int f) {
    cairo_new_path(cr);
    RoundRect(cr, 1, 1, 30, 30, 5);
    const Rgb backs[8] = {Hex(0x6F6F6F), Hex(0x3A7BD5), Hex(0xF5C518), Hex(0x6B2E8F),
                          Hex(0x8F2E2E), Hex(0x2A9D8F), Hex(0x555555), Hex(0x555555)};
    FillGradientOutline(cr, 0, Lighter(backs[f], 0.3), 32, backs[f], kInk, 1.5);
    switch (f) {
      case 1:  // the boy with his red cap
        cairo_new_path(cr);
        Ellipse(cr, 16, 18, 9, 9);
        FillOutline(cr, Hex(0xF6C9A0), kInk, 1.5);
        cairo_new_path(cr);
        cairo_arc(cr, 16, 15, 9, M_PI, 2 * M_PI);
        cairo_close_path(cr);
        FillOutline(cr, kRed, kInk, 1.5);
        break;
      case 2:  // the stick's face
        cairo_new_path(cr);
        RoundRect(cr, 10, 5, 12, 24, 4);
        FillOutline(cr, Hex(0xF5C518), kInk, 1.5);
        cairo_new_path(cr);
        Ellipse(cr, 13.5, 13, 1.6, 1.6);
        Ellipse(cr, 18.5, 13, 1.6, 1.6);
        SetRgb(cr, kInk);
        cairo_fill(cr);
        cairo_new_path(cr);
        cairo_arc(cr, 16, 18, 3.5, 0.2, M_PI - 0.2);
        cairo_stroke(cr);
        break;
      case 3:
      case 4:  // a hooded villain, and a horned one
        cairo_new_path(cr);
        Ellipse(cr, 16, 18, 9, 10);
        FillOutline(cr, Hex(0x3A3040), kInk, 1.5);
        cairo_new_path(cr);
        Ellipse(cr, 12.5, 17, 1.8, 1.2);
        Ellipse(cr, 19.5, 17, 1.8, 1.2);
        SetRgb(cr, Hex(0xFFE066));
        cairo_fill(cr);
        if (f == 4) {
          cairo_new_path(cr);
          cairo_move_to(cr, 9, 10);
          cairo_line_to(cr, 7, 3);
          cairo_line_to(cr, 12, 8);
          cairo_move_to(cr, 23, 10);
          cairo_line_to(cr, 25, 3);
          cairo_line_to(cr, 20, 8);
          FillOutline(cr, Hex(0xEDEDED), kInk, 1);
        }
        break;
      case 5:  // a found secret: a star
        Star(cr, 16, 16, 11, 0.45);
        FillOutline(cr, kGold, kInk, 1.5);
        break;
      default:
        cairo_new_path(cr);
        RoundRect(cr, 7, 9, 18, 12, 4);
        FillOutline(cr, {1, 1, 1}, kInk, 1.2);
        break;
    }
  });
  DrawCatalogued(ctx, "Images\\Misc\\msg_space.png", [](cairo_t* cr, int) {
    cairo_new_path(cr);
    RoundRect(cr, 1, 1, 62, 14, 4);
    FillOutline(cr, Hex(0xF4F1E8), kInk, 1.2);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, 9);
    SetRgb(cr, kInk);
    cairo_move_to(cr, 11, 11.5);
    cairo_show_text(cr, "SPACE");
  });
  // TV interference: grey snow with rolling bands, three frames.
  DrawCatalogued(ctx, "Images\\Misc\\TV_Interference.png", [](cairo_t* cr, int f) {
    g_seed = 77 + f;
    for (int y = 0; y < 300; y += 2)
      for (int x = 0; x < 400; x += 2) {
        double v = Noise();
        double band = 0.2 * std::sin((y + f * 37) * 0.08);
        cairo_rectangle(cr, x, y, 2, 2);
        cairo_set_source_rgba(cr, v, v, v, std::clamp(0.55 + band, 0.0, 1.0));
        cairo_fill(cr);
      }
  });
}

void MakeMapAndMenu(const Context& ctx) {
  DrawCatalogued(ctx, "Images\\worldmap\\map_star.png", [](cairo_t* cr, int) {
    Star(cr, 12, 12.5, 10.5, 0.45);
    FillGradientOutline(cr, 2, Lighter(kGold, 0.3), 22, Darker(kGold, 0.1), kInk, 1.5);
  });
  DrawCatalogued(ctx, "Images\\worldmap\\marker.png", [](cairo_t* cr, int) {
    cairo_new_path(cr);
    Ellipse(cr, 16, 16, 13, 13);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.25);
    cairo_fill_preserve(cr);
    SetRgb(cr, kRed);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
  });
  DrawCatalogued(ctx, "Images\\worldmap\\map_gui.png", [](cairo_t* cr, int) {
    cairo_new_path(cr);
    RoundRect(cr, 4, 4, 792, 92, 10);
    FillGradientOutline(cr, 4, Hex(0xE9D8A6), 96, Hex(0xC9B27C), Hex(0x5A4632), 3);
  });
  DrawCatalogued(ctx, "Images\\Menu\\slider_mark.png", [](cairo_t* cr, int) {
    cairo_new_path(cr);
    RoundRect(cr, 2, 1, 12, 22, 3);
    FillGradientOutline(cr, 1, Lighter(kRed, 0.3), 23, Darker(kRed, 0.1), kInk, 1.5);
  });
  DrawCatalogued(ctx, "Images\\Menu\\slider_bar.png", [](cairo_t* cr, int) {
    cairo_new_path(cr);
    RoundRect(cr, 1, 5, 306, 6, 3);
    FillOutline(cr, Hex(0x6F4518), kInk, 1.5);
  });
  DrawCatalogued(ctx, "Images\\Menu\\menu_barrier.png", [](cairo_t* cr, int) {
    cairo_new_path(cr);
    cairo_rectangle(cr, 2, 0, 28, 32);
    FillGradientOutline(cr, 0, Hex(0xFFE6A7), 32, Hex(0xA47148), kInk, 2);
    cairo_new_path(cr);
    for (int y = -16; y < 32; y += 12) {
      cairo_move_to(cr, 2, y + 16);
      cairo_line_to(cr, 30, y + 4);
    }
    SetRgb(cr, kRed);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
  });
  // The menu's keys lie in the floor, flush with it, so the hero bounces on
  // their caps: a dark wooden socket filling the cell, the cap on top, the
  // symbol on the cap.
  constexpr double kCapMid = 12;
  auto button = [](cairo_t* cr, bool lit, const std::function<void()>& symbol) {
    cairo_new_path(cr);
    cairo_rectangle(cr, 0.75, 0.75, 30.5, 30.5);
    FillOutline(cr, Hex(0x6F4518), kInk, 1.5);
    cairo_new_path(cr);
    RoundRect(cr, 3, 1.5, 26, 22, 5);
    FillGradientOutline(cr, 1.5, lit ? Hex(0xFFE066) : Hex(0xFFE6A7), 23.5, lit ? Hex(0xE0A800) : Hex(0xC9A46A),
                        kInk, 1.5);
    SetRgb(cr, kInk);
    cairo_set_line_width(cr, 3);
    symbol();
  };
  DrawCatalogued(ctx, "Images\\Menu\\but_minus.png", [&](cairo_t* cr, int) {
    button(cr, false, [&] {
      cairo_move_to(cr, 10, kCapMid);
      cairo_line_to(cr, 22, kCapMid);
      cairo_stroke(cr);
    });
  });
  DrawCatalogued(ctx, "Images\\Menu\\but_plus.png", [&](cairo_t* cr, int) {
    button(cr, false, [&] {
      cairo_move_to(cr, 10, kCapMid);
      cairo_line_to(cr, 22, kCapMid);
      cairo_move_to(cr, 16, kCapMid - 6);
      cairo_line_to(cr, 16, kCapMid + 6);
      cairo_stroke(cr);
    });
  });
  // Frame 0 is the picked slot's key, lit; frame 1 the others.
  DrawCatalogued(ctx, "Images\\Menu\\but_tog.png", [&](cairo_t* cr, int f) {
    button(cr, f == 0, [&] {
      cairo_new_path(cr);
      Ellipse(cr, 16, kCapMid, 4, 4);
      cairo_fill(cr);
    });
  });
  DrawCatalogued(ctx, "Images\\Menu\\but_delete.png", [&](cairo_t* cr, int) {
    button(cr, false, [&] {
      cairo_move_to(cr, 11, kCapMid - 5);
      cairo_line_to(cr, 21, kCapMid + 5);
      cairo_move_to(cr, 21, kCapMid - 5);
      cairo_line_to(cr, 11, kCapMid + 5);
      cairo_stroke(cr);
    });
  });
}

FORGE_JOB("pictures", "hud", &MakeHud);
FORGE_JOB("pictures", "particles", &MakeParticles);
FORGE_JOB("pictures", "active", &MakeActive);
FORGE_JOB("pictures", "spikes_blocks", &MakeSpikesAndBlocks);
FORGE_JOB("pictures", "items", &MakeItems);
FORGE_JOB("pictures", "message", &MakeMessage);
FORGE_JOB("pictures", "map_menu", &MakeMapAndMenu);

}  // namespace
}  // namespace forge::art
