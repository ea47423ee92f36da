// Decoration cells (things standing on a ground top, so they rest on the
// cell's bottom edge) and the row of liquids, ladders, crates, bridges,
// lights and arrows.
#include <cmath>

#include "pictures/tilesets.h"

namespace forge::art::tiles {
namespace {

constexpr double kTau = 2 * M_PI;

Rgb InkOf(const Style& s) { return s.outlines ? s.ink : s.groundDark; }

void Shape(cairo_t* cr, const Style& s, Rgb fill, double width = 2) {
  if (s.outlines)
    FillOutline(cr, fill, s.ink, width);
  else {
    SetRgb(cr, fill);
    cairo_fill(cr);
  }
}

void Tuft(cairo_t* cr, const Style& s, double cx, double h, uint32_t seed) {
  Rng rng(seed);
  Rgb g = s.cover.blades ? s.cover.color : LeafOf(s);
  for (int i = 0; i < 5; ++i) {
    double x = cx - 7 + i * 3.5 + rng.Uniform(-0.8, 0.8), top = 32 - h * rng.Uniform(0.6, 1.0);
    double lean = rng.Uniform(-3, 3);
    cairo_new_path(cr);
    cairo_move_to(cr, x - 2, 32);
    QuadTo(cr, x + lean * 0.3, 26, x + lean, top);
    QuadTo(cr, x + lean * 0.3 + 1, 26, x + 2, 32);
    cairo_close_path(cr);
    Shape(cr, s, i % 2 ? g : Lighter(g, 0.15), 1.2);
  }
}

void Flower(cairo_t* cr, const Style& s, double cx, double stem, Rgb petal) {
  cairo_new_path(cr);
  cairo_move_to(cr, cx, 32);
  cairo_curve_to(cr, cx - 2, 26, cx + 2, 22, cx, 32 - stem);
  Stroke(cr, InkOf(s), 3);
  cairo_move_to(cr, cx, 32);
  cairo_curve_to(cr, cx - 2, 26, cx + 2, 22, cx, 32 - stem);
  Stroke(cr, LeafOf(s), 1.6);
  Ellipse(cr, cx + 3.5, 27, 3, 1.5);
  Shape(cr, s, LeafOf(s), 1);
  double fy = 32 - stem;
  for (int k = 0; k < 5; ++k) {
    double a = k * kTau / 5 - M_PI / 2;
    Ellipse(cr, cx + 3.2 * std::cos(a), fy + 3.2 * std::sin(a), 2.6, 2.6);
    Shape(cr, s, petal, 1.2);
  }
  Ellipse(cr, cx, fy, 2, 2);
  Shape(cr, s, Hex(0xFFE27A), 1);
}

void Rock(cairo_t* cr, const Style& s, double cx, double w, double h) {
  Rgb c = s.area == Area::Air ? Hex(0xC9D6E2) : Mix(s.earth, Hex(0x8A8A8A), 0.45);
  if (s.area == Area::Proto || s.area == Area::Retro) c = s.groundDark;
  cairo_new_path(cr);
  cairo_move_to(cr, cx - w / 2, 31);
  cairo_curve_to(cr, cx - w / 2, 31 - h, cx - w / 4, 31 - h, cx, 31 - h);
  cairo_curve_to(cr, cx + w / 3, 31 - h, cx + w / 2, 31 - h * 0.7, cx + w / 2, 31);
  cairo_close_path(cr);
  if (s.outlines)
    FillGradientOutline(cr, 31 - h, Lighter(c, 0.2), 31, Darker(c, 0.2), s.ink, 2);
  else
    Shape(cr, s, c);
  Highlight(cr, cx - w / 5, 31 - h * 0.65, w / 6, h / 7, 0.4);
}

// "shroom": a mushroom in the woods, and each area's own small standing thing.
void Shroom(cairo_t* cr, const Style& s) {
  switch (s.area) {
    case Area::Beach:
    case Area::Sea: {  // a shell (Sea: a coral sprig)
      if (s.area == Area::Sea) {
        cairo_new_path(cr);
        cairo_move_to(cr, 16, 32);
        cairo_line_to(cr, 16, 18);
        cairo_line_to(cr, 10, 10);
        cairo_move_to(cr, 16, 22);
        cairo_line_to(cr, 23, 12);
        cairo_move_to(cr, 20, 17);
        cairo_line_to(cr, 24, 20);
        Stroke(cr, s.ink, 5);
        cairo_move_to(cr, 16, 32);
        cairo_line_to(cr, 16, 18);
        cairo_line_to(cr, 10, 10);
        cairo_move_to(cr, 16, 22);
        cairo_line_to(cr, 23, 12);
        cairo_move_to(cr, 20, 17);
        cairo_line_to(cr, 24, 20);
        Stroke(cr, Hex(0xFF7F7F), 3);
        return;
      }
      cairo_new_path(cr);
      cairo_move_to(cr, 7, 31);
      cairo_curve_to(cr, 7, 18, 25, 18, 25, 31);
      cairo_close_path(cr);
      Shape(cr, s, Hex(0xFFC2B0));
      for (double x : {11.0, 16.0, 21.0}) {
        cairo_move_to(cr, 16, 31);
        cairo_line_to(cr, x, 22);
        Stroke(cr, Hex(0xD9826E), 1);
      }
      return;
    }
    case Area::Desert: {  // a small cactus
      cairo_new_path(cr);
      RoundRect(cr, 12, 10, 8, 22, 4);
      Shape(cr, s, LeafOf(s));
      cairo_new_path(cr);
      RoundRect(cr, 5, 15, 5, 9, 2.5);
      Shape(cr, s, LeafOf(s), 1.5);
      Rect(cr, 8, 21, 5, 3, LeafOf(s));
      Rect(cr, 15, 12, 1.2, 18, Lighter(LeafOf(s), 0.3), 0.8);
      return;
    }
    case Area::Mountain: {  // a pine sapling
      for (int k = 0; k < 3; ++k) {
        double y = 8 + k * 6, w = 5 + k * 3;
        cairo_new_path(cr);
        cairo_move_to(cr, 16, y - 6);
        cairo_line_to(cr, 16 + w, y + 6);
        cairo_line_to(cr, 16 - w, y + 6);
        cairo_close_path(cr);
        Shape(cr, s, LeafOf(s), 1.5);
      }
      Rect(cr, 14.5, 26, 3, 6, s.wood);
      return;
    }
    case Area::Ghost: {  // a tombstone
      cairo_new_path(cr);
      cairo_move_to(cr, 8, 32);
      cairo_line_to(cr, 8, 16);
      cairo_arc(cr, 16, 16, 8, M_PI, 2 * M_PI);
      cairo_line_to(cr, 24, 32);
      cairo_close_path(cr);
      FillGradientOutline(cr, 8, Hex(0x9A93AE), 32, Hex(0x5F587A), s.ink, 2);
      Rect(cr, 15, 13, 2, 10, s.ink, 0.7);
      Rect(cr, 12, 16, 8, 2, s.ink, 0.7);
      return;
    }
    case Area::City: {  // a fire hydrant
      cairo_new_path(cr);
      RoundRect(cr, 11, 12, 10, 20, 3);
      Shape(cr, s, Hex(0xD94A3A));
      cairo_new_path(cr);
      RoundRect(cr, 8, 18, 16, 4, 2);
      Shape(cr, s, Hex(0xB8392C), 1.5);
      Ellipse(cr, 16, 11, 4, 3);
      Shape(cr, s, Hex(0xD94A3A), 1.5);
      return;
    }
    default: break;
  }
  Rgb cap = s.area == Area::Wierd ? s.accent : s.area == Area::Volcano ? Hex(0xE0A050) : Hex(0xE04A3A);
  if (s.area == Area::Proto) cap = s.accent;
  cairo_new_path(cr);
  RoundRect(cr, 12.5, 17, 7, 15, 3);
  Shape(cr, s, Hex(0xF3E6CF));
  cairo_new_path(cr);
  cairo_move_to(cr, 4, 19);
  cairo_curve_to(cr, 4, 5, 28, 5, 28, 19);
  cairo_close_path(cr);
  Shape(cr, s, cap);
  for (double x : {10.0, 17.0, 23.0}) {
    Ellipse(cr, x, x == 17.0 ? 11 : 15, 1.8, 1.5);
    SetRgb(cr, {1, 1, 1}, 0.9);
    cairo_fill(cr);
  }
}

void SignPost(cairo_t* cr, const Style& s) {
  Rect(cr, 14, 14, 4, 18, s.wood);
  if (s.outlines) {
    cairo_rectangle(cr, 14, 14, 4, 18);
    Stroke(cr, s.ink, 1.5);
  }
  cairo_new_path(cr);
  RoundRect(cr, 4, 4, 24, 13, 2);
  Shape(cr, s, Lighter(s.wood, 0.15));
  cairo_new_path(cr);
  cairo_move_to(cr, 8, 10.5);
  cairo_line_to(cr, 20, 10.5);
  cairo_move_to(cr, 17, 7.5);
  cairo_line_to(cr, 21, 10.5);
  cairo_line_to(cr, 17, 13.5);
  Stroke(cr, InkOf(s), 2);
}

void Fence(cairo_t* cr, const Style& s, bool postL, bool postR) {
  bool iron = s.area == Area::Castle || s.area == Area::City || s.area == Area::Ghost;
  Rgb c = iron ? Hex(0x3A3A46) : s.wood;
  if (s.area == Area::Ghost) c = Hex(0x2A2436);
  double x0 = postL ? 6 : -2, x1 = postR ? 26 : 34;
  for (double y : {14.0, 23.0}) {
    cairo_new_path(cr);
    cairo_rectangle(cr, x0, y, x1 - x0, iron ? 2.5 : 4);
    Shape(cr, s, c, 1.5);
  }
  auto post = [&](double x) {
    cairo_new_path(cr);
    if (iron) {
      cairo_rectangle(cr, x - 1.5, 10, 3, 22);
      Shape(cr, s, c, 1);
      cairo_new_path(cr);
      cairo_move_to(cr, x - 3, 10);
      cairo_line_to(cr, x, 4);
      cairo_line_to(cr, x + 3, 10);
      cairo_close_path(cr);
      Shape(cr, s, c, 1);
    } else {
      cairo_move_to(cr, x - 3, 32);
      cairo_line_to(cr, x - 3, 10);
      cairo_line_to(cr, x, 6);
      cairo_line_to(cr, x + 3, 10);
      cairo_line_to(cr, x + 3, 32);
      cairo_close_path(cr);
      Shape(cr, s, Lighter(c, 0.1), 1.5);
    }
  };
  if (iron) {
    for (double x = postL ? 6 : 2; x <= (postR ? 26 : 30); x += 8) post(x);
  } else {
    if (postL) post(6);
    post(16);
    if (postR) post(26);
  }
}

void Bush(cairo_t* cr, const Style& s, bool endL, bool endR) {
  Rgb g = s.area == Area::Air ? Hex(0xFFFFFF) : LeafOf(s);
  cairo_new_path(cr);
  // Bumps every 16 pixels, so a row of middles joins.
  if (endL) Ellipse(cr, 14, 22, 11, 10);
  if (endR) Ellipse(cr, 18, 22, 11, 10);
  if (!endL && !endR) {
    Ellipse(cr, 0, 20, 10, 12);
    Ellipse(cr, 16, 18, 10, 14);
    Ellipse(cr, 32, 20, 10, 12);
  }
  if (endL && !endR) {
    Ellipse(cr, 32, 20, 10, 12);
    cairo_rectangle(cr, 14, 22, 20, 10);
  }
  if (endR && !endL) {
    Ellipse(cr, 0, 20, 10, 12);
    cairo_rectangle(cr, -2, 22, 20, 10);
  }
  cairo_rectangle(cr, endL ? 14 : -2, 26, (endR ? 18 : 34) - (endL ? 14 : -2), 6);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  cairo_path_t* p = cairo_copy_path(cr);
  SetRgb(cr, g);
  cairo_fill(cr);
  // Outline only the outer silhouette: stroke, then repaint the inside.
  if (s.outlines) {
    cairo_append_path(cr, p);
    Stroke(cr, s.ink, 2.5);
    cairo_append_path(cr, p);
    SetRgb(cr, g);
    cairo_fill(cr);
  }
  cairo_path_destroy(p);
  Rng rng(endL * 2 + endR + 40);
  for (int i = 0; i < 4; ++i) {
    Ellipse(cr, rng.Uniform(endL ? 8 : 3, endR ? 24 : 29), rng.Uniform(14, 26), 2.2, 1.6);
    SetRgb(cr, Lighter(g, 0.3), 0.7);
    cairo_fill(cr);
  }
  Rect(cr, 0, 30, 32, 2, s.ink, 0.25);
}

void Vine(cairo_t* cr, const Style& s, bool end) {
  double len = end ? 22 : 33;
  cairo_new_path(cr);
  cairo_move_to(cr, 16, -1);
  cairo_curve_to(cr, 12, 8, 20, 18, 16, len);
  if (end) cairo_curve_to(cr, 14, len + 4, 10, len + 1, 12, len - 2);
  Stroke(cr, InkOf(s), 3.5);
  cairo_move_to(cr, 16, -1);
  cairo_curve_to(cr, 12, 8, 20, 18, 16, len);
  if (end) cairo_curve_to(cr, 14, len + 4, 10, len + 1, 12, len - 2);
  Stroke(cr, LeafOf(s), 2);
  for (double y : {6.0, 18.0}) {
    if (end && y > 20) continue;
    bool right = y > 10;
    cairo_new_path(cr);
    Ellipse(cr, 16 + (right ? 4.5 : -4.5), y, 4, 2.2);
    Shape(cr, s, Lighter(LeafOf(s), 0.1), 1.2);
  }
}

void Liquid(cairo_t* cr, const Style& s, bool top, double) {
  Rgb c = s.liquidColor;
  Rgb deep = s.liquid == LiquidKind::Lava ? Hex(0xC23A00) : Darker(c, 0.3);
  double y0 = top ? 8 : -1;
  cairo_new_path(cr);
  if (top) {
    cairo_move_to(cr, -1, 33);
    for (double x = -1; x <= 33; x += 1) cairo_line_to(cr, x, y0 + 2 * std::sin(kTau * x / 16));
    cairo_line_to(cr, 33, 33);
    cairo_close_path(cr);
  } else {
    cairo_rectangle(cr, -1, -1, 34, 34);
  }
  cairo_pattern_t* p = cairo_pattern_create_linear(0, top ? 6 : 0, 0, 32);
  double alpha = s.liquid == LiquidKind::Water || s.liquid == LiquidKind::Ink ? 0.85 : 1.0;
  Rgb a = top ? c : Mix(c, deep, 0.45), b = top ? Mix(c, deep, 0.45) : Mix(c, deep, 0.45);
  cairo_pattern_add_color_stop_rgba(p, 0, a.r, a.g, a.b, alpha);
  cairo_pattern_add_color_stop_rgba(p, 1, b.r, b.g, b.b, alpha);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  if (top) {
    cairo_new_path(cr);
    for (double x = -1; x <= 33; x += 1) cairo_line_to(cr, x, y0 + 2 * std::sin(kTau * x / 16));
    Stroke(cr, s.liquid == LiquidKind::Lava ? Hex(0xFFE066) : Lighter(c, 0.6), 2);
    for (double x : {6.0, 22.0}) {
      cairo_new_path(cr);
      cairo_move_to(cr, x, 16);
      cairo_line_to(cr, x + 5, 16);
      Stroke(cr, Lighter(c, 0.5), 1.2, 0.7);
    }
  } else {
    // Bubbles or glowing blobs, clear of the border so the body tiles.
    Rng rng(static_cast<uint32_t>(s.area) * 7 + 3);
    for (int i = 0; i < 3; ++i) {
      double x = rng.Uniform(6, 26), y = rng.Uniform(6, 26), r = rng.Uniform(1.2, 2.4);
      Ellipse(cr, x, y, r, r);
      SetRgb(cr, s.liquid == LiquidKind::Lava ? Hex(0xFFB000) : Lighter(c, 0.5), 0.6);
      cairo_fill(cr);
    }
  }
}

void Ladder(cairo_t* cr, const Style& s) {
  Rgb c = s.wood;
  for (double y = 4; y < 32; y += 8) {
    cairo_new_path(cr);
    cairo_rectangle(cr, 7, y, 18, 3);
    Shape(cr, s, Lighter(c, 0.1), 1.2);
  }
  for (double x : {5.0, 24.0}) {
    cairo_new_path(cr);
    cairo_rectangle(cr, x, -2, 3.5, 36);
    Shape(cr, s, c, 1.5);
  }
}

void Chain(cairo_t* cr, const Style& s) {
  Rgb c = Hex(0x8D8C99);
  for (double y = 0; y <= 32; y += 16) {
    cairo_new_path(cr);
    RoundRect(cr, 12, y - 6, 8, 12, 4);
    Stroke(cr, InkOf(s), 4.5);
    cairo_new_path(cr);
    RoundRect(cr, 12, y - 6, 8, 12, 4);
    Stroke(cr, c, 2.5);
  }
  for (double y = 8; y <= 32; y += 16) {
    Rect(cr, 14.5, y - 5, 3, 10, InkOf(s));
    Rect(cr, 15.2, y - 4, 1.6, 8, Lighter(c, 0.2));
  }
}

void Crate(cairo_t* cr, const Style& s, bool banded) {
  Rgb c = s.wood;
  cairo_new_path(cr);
  cairo_rectangle(cr, 1, 1, 30, 30);
  Shape(cr, s, c);
  cairo_new_path(cr);
  cairo_rectangle(cr, 5, 5, 22, 22);
  Stroke(cr, Mix(c, s.ink, 0.5), 1.5);
  if (banded) {
    Rect(cr, 2, 7, 28, 3, Hex(0x7D7F8A));
    Rect(cr, 2, 22, 28, 3, Hex(0x7D7F8A));
    for (double x : {5.0, 16.0, 27.0})
      for (double y : {8.5, 23.5}) {
        Ellipse(cr, x, y, 0.9, 0.9);
        SetRgb(cr, Hex(0x3A3A46));
        cairo_fill(cr);
      }
  } else {
    cairo_new_path(cr);
    cairo_move_to(cr, 6, 6);
    cairo_line_to(cr, 26, 26);
    Stroke(cr, Mix(c, s.ink, 0.45), 3);
  }
  Rect(cr, 2, 2, 28, 2, Lighter(c, 0.35), 0.7);
}

void Bridge(cairo_t* cr, const Style& s, bool endL, bool endR) {
  Rgb c = s.wood;
  // Ropes first so the planks sit over them.
  cairo_new_path(cr);
  cairo_move_to(cr, -1, 9);
  cairo_line_to(cr, 33, 9);
  Stroke(cr, Hex(0xC8A96A), 1.5);
  for (double x = 1; x < 32; x += 8) {
    cairo_new_path(cr);
    RoundRect(cr, x, 1, 6.5, 7, 1.2);
    Shape(cr, s, x == 9 || x == 25 ? Darker(c, 0.08) : c, 1.2);
    Rect(cr, x + 1, 2, 4.5, 1.2, Lighter(c, 0.3), 0.7);
  }
  for (int k = 0; k < 2; ++k) {
    if (!(k ? endR : endL)) continue;
    double x = k ? 27 : 1;
    cairo_new_path(cr);
    cairo_rectangle(cr, x, 0, 4, 26);
    Shape(cr, s, Darker(c, 0.15), 1.5);
  }
}

void Post(cairo_t* cr, const Style& s) {
  cairo_new_path(cr);
  cairo_move_to(cr, 11, 32);
  cairo_line_to(cr, 11, 6);
  cairo_arc(cr, 16, 6, 5, M_PI, 2 * M_PI);
  cairo_line_to(cr, 21, 32);
  cairo_close_path(cr);
  Shape(cr, s, s.wood);
  Rect(cr, 13, 4, 2, 27, Lighter(s.wood, 0.3), 0.6);
  Rect(cr, 10, 12, 12, 2, Darker(s.wood, 0.3));
}

void Lamp(cairo_t* cr, const Style& s) {
  Rgb glow = s.area == Area::Ghost ? s.accent : Hex(0xFFD76A);
  cairo_pattern_t* p = cairo_pattern_create_radial(16, 20, 1, 16, 20, 15);
  cairo_pattern_add_color_stop_rgba(p, 0, glow.r, glow.g, glow.b, 0.55);
  cairo_pattern_add_color_stop_rgba(p, 1, glow.r, glow.g, glow.b, 0);
  cairo_set_source(cr, p);
  cairo_paint(cr);
  cairo_pattern_destroy(p);
  Rect(cr, 15.2, 0, 1.6, 10, InkOf(s));
  cairo_new_path(cr);
  cairo_move_to(cr, 10, 12);
  cairo_line_to(cr, 22, 12);
  cairo_line_to(cr, 20, 27);
  cairo_line_to(cr, 12, 27);
  cairo_close_path(cr);
  Shape(cr, s, glow, 1.5);
  cairo_new_path(cr);
  cairo_move_to(cr, 9, 13);
  cairo_line_to(cr, 16, 8);
  cairo_line_to(cr, 23, 13);
  cairo_close_path(cr);
  Shape(cr, s, Hex(0x3A3A46), 1.5);
  Rect(cr, 11, 26, 10, 3, Hex(0x3A3A46));
}

void Torch(cairo_t* cr, const Style& s) {
  cairo_pattern_t* p = cairo_pattern_create_radial(16, 10, 1, 16, 10, 14);
  cairo_pattern_add_color_stop_rgba(p, 0, 1, 0.75, 0.3, 0.5);
  cairo_pattern_add_color_stop_rgba(p, 1, 1, 0.6, 0.2, 0);
  cairo_set_source(cr, p);
  cairo_paint(cr);
  cairo_pattern_destroy(p);
  cairo_new_path(cr);
  cairo_move_to(cr, 12, 16);
  cairo_line_to(cr, 20, 16);
  cairo_line_to(cr, 17.5, 30);
  cairo_line_to(cr, 14.5, 30);
  cairo_close_path(cr);
  Shape(cr, s, s.wood, 1.5);
  cairo_new_path(cr);
  cairo_move_to(cr, 16, 2);
  cairo_curve_to(cr, 22, 9, 22, 15, 16, 16);
  cairo_curve_to(cr, 10, 15, 10, 9, 16, 2);
  Shape(cr, s, Hex(0xFF8A1E), 1.5);
  cairo_new_path(cr);
  cairo_move_to(cr, 16, 7);
  cairo_curve_to(cr, 19, 11, 19, 14, 16, 15);
  cairo_curve_to(cr, 13, 14, 13, 11, 16, 7);
  SetRgb(cr, Hex(0xFFE27A));
  cairo_fill(cr);
}

void Arrow(cairo_t* cr, const Style& s, int dir) {  // 0 right, 1 left, 2 up, 3 down
  cairo_save(cr);
  cairo_translate(cr, 16, 16);
  cairo_rotate(cr, dir == 0 ? 0 : dir == 1 ? M_PI : dir == 2 ? -M_PI / 2 : M_PI / 2);
  cairo_new_path(cr);
  cairo_move_to(cr, -12, -5);
  cairo_line_to(cr, 1, -5);
  cairo_line_to(cr, 1, -11);
  cairo_line_to(cr, 13, 0);
  cairo_line_to(cr, 1, 11);
  cairo_line_to(cr, 1, 5);
  cairo_line_to(cr, -12, 5);
  cairo_close_path(cr);
  Rgb c = s.area == Area::Retro ? s.accent : s.area == Area::Mountain ? Hex(0xE0483A) : s.accent;
  Shape(cr, s, c);
  cairo_restore(cr);
}

}  // namespace

void DrawDecoCell(cairo_t* cr, const Style& s, int cell) {
  uint32_t seed = static_cast<uint32_t>(static_cast<int>(s.area) * 1000 + cell);
  switch (cell) {
    case 48: Tuft(cr, s, 16, 12, seed); break;
    case 49: Tuft(cr, s, 10, 9, seed); Tuft(cr, s, 22, 14, seed + 1); break;
    case 50: Flower(cr, s, 16, 16, s.accent); break;
    case 51:
      Flower(cr, s, 10, 12, Hex(0xF7F3FF));
      Flower(cr, s, 22, 18, s.area == Area::Forest ? Hex(0xE8607A) : Lighter(s.accent, 0.3));
      break;
    case 52: Rock(cr, s, 16, 20, 12); break;
    case 53: Rock(cr, s, 12, 16, 9); Rock(cr, s, 23, 12, 7); break;
    case 54: Shroom(cr, s); break;
    case 55: SignPost(cr, s); break;
    case 56: Fence(cr, s, true, false); break;
    case 57: Fence(cr, s, false, false); break;
    case 58: Fence(cr, s, false, true); break;
    case 59: Bush(cr, s, true, false); break;
    case 60: Bush(cr, s, false, false); break;
    case 61: Bush(cr, s, false, true); break;
    case 62: Vine(cr, s, false); break;
    case 63: Vine(cr, s, true); break;
    case 64: Liquid(cr, s, true, 0); break;
    case 65: Liquid(cr, s, false, 0); break;
    case 66: Ladder(cr, s); break;
    case 67: Chain(cr, s); break;
    case 68: Crate(cr, s, false); break;
    case 69: Crate(cr, s, true); break;
    case 70: Bridge(cr, s, true, false); break;
    case 71: Bridge(cr, s, false, false); break;
    case 72: Bridge(cr, s, false, true); break;
    case 73: Post(cr, s); break;
    case 74: Lamp(cr, s); break;
    case 75: Torch(cr, s); break;
    case 76: Arrow(cr, s, 0); break;
    case 77: Arrow(cr, s, 1); break;
    case 78: Arrow(cr, s, 2); break;
    case 79: Arrow(cr, s, 3); break;
    default: break;
  }
}

}  // namespace forge::art::tiles
