// Ground cells: solid blocks and their edges, corners, steps, one-way
// platforms, columns, the background wall and the spare variations.
//
// Every pattern repeats every 32 pixels and every speckle stays clear of the
// cell's border, so any two cells that are both "inside" meet without a seam;
// edges are drawn only on the sides a cell says are open.
#include <cmath>

#include "pictures/tilesets.h"

namespace forge::art::tiles {
namespace {

constexpr double kTau = 2 * M_PI;

struct Open {
  bool t = false, b = false, l = false, r = false;
};

// The lower edge of the cover at x: the same wobble in every cell, so covers
// of neighbouring tops continue into each other.
double CoverEdge(const Style& s, double x) {
  return s.cover.depth +
         s.cover.wave * (0.55 * std::sin(kTau * x / 16) + 0.45 * std::sin(kTau * x / 32 * 3 + 1.3));
}

// The block's outline: a rectangle whose closed sides lie outside the cell
// (so their stroke is clipped away) and whose open corners are rounded.
void BlockPath(cairo_t* cr, Open o, double top = 1, double bottom = 31, double rTop = 7,
               double rBottom = 7) {
  double x0 = o.l ? 1 : -6, x1 = o.r ? 31 : 38, y0 = o.t ? top : -6, y1 = o.b ? bottom : 38;
  double tl = (o.t && o.l) ? rTop : 0, tr = (o.t && o.r) ? rTop : 0;
  double bl = (o.b && o.l) ? rBottom : 0, br = (o.b && o.r) ? rBottom : 0;
  cairo_new_path(cr);
  cairo_move_to(cr, x0 + tl, y0);
  cairo_line_to(cr, x1 - tr, y0);
  if (tr > 0) cairo_arc(cr, x1 - tr, y0 + tr, tr, -M_PI / 2, 0);
  cairo_line_to(cr, x1, y1 - br);
  if (br > 0) cairo_arc(cr, x1 - br, y1 - br, br, 0, M_PI / 2);
  cairo_line_to(cr, x0 + bl, y1);
  if (bl > 0) cairo_arc(cr, x0 + bl, y1 - bl, bl, M_PI / 2, M_PI);
  cairo_line_to(cr, x0, y0 + tl);
  if (tl > 0) cairo_arc(cr, x0 + tl, y0 + tl, tl, M_PI, 1.5 * M_PI);
  cairo_close_path(cr);
}

void Specks(cairo_t* cr, const Style& s, Rng& rng, int n, double size) {
  for (int i = 0; i < n; ++i) {
    double x = rng.Uniform(3, 29), y = rng.Uniform(3, 29);
    bool dark = rng.Int(3) != 0;
    Ellipse(cr, x, y, size, size * 0.8);
    SetRgb(cr, dark ? Mix(s.earth, s.ink, 0.3) : Lighter(s.earth, 0.25), 0.8);
    cairo_fill(cr);
  }
}

void Pebble(cairo_t* cr, const Style& s, double x, double y, double rx, double ry) {
  Ellipse(cr, x, y, rx, ry);
  SetRgb(cr, Mix(s.earth, s.groundDark, 0.45));
  cairo_fill_preserve(cr);
  Stroke(cr, Mix(s.earth, s.ink, 0.55), 1);
  Ellipse(cr, x - rx * 0.3, y - ry * 0.35, rx * 0.4, ry * 0.3);
  SetRgb(cr, Lighter(s.earth, 0.35), 0.7);
  cairo_fill(cr);
}

// The body of the ground, over the whole cell.
void PaintFill(cairo_t* cr, const Style& s, int variant, uint32_t seed) {
  Rgb e = s.earth;
  Rgb mortar = Mix(e, s.ink, 0.45);
  Rng rng(seed);
  Rect(cr, 0, 0, 32, 32, e);
  switch (s.fill) {
    case FillKind::Dirt:
      Specks(cr, s, rng, 9, 0.9);
      for (int i = 0; i < 2; ++i)
        Pebble(cr, s, rng.Uniform(7, 25), rng.Uniform(7, 25), rng.Uniform(2, 3.2), rng.Uniform(1.6, 2.4));
      break;
    case FillKind::Rock:
      for (int i = 0; i < 3; ++i) {
        double x = rng.Uniform(8, 24), y = rng.Uniform(8, 24);
        RoundRect(cr, x - 5, y - 3.5, rng.Uniform(7, 10), rng.Uniform(5, 7), 2.5);
        SetRgb(cr, Mix(e, s.groundDark, 0.5));
        cairo_fill_preserve(cr);
        Stroke(cr, Mix(e, s.ink, 0.5), 1);
      }
      Specks(cr, s, rng, 6, 0.8);
      break;
    case FillKind::Cloud:
      for (int i = 0; i < 4; ++i) {
        double x = rng.Uniform(8, 24), y = rng.Uniform(8, 24), r = rng.Uniform(3, 5);
        Ellipse(cr, x, y, r, r * 0.8);
        SetRgb(cr, Mix(e, s.groundDark, 0.35), 0.45);
        cairo_fill(cr);
        Ellipse(cr, x - r * 0.3, y - r * 0.35, r * 0.55, r * 0.4);
        SetRgb(cr, {1, 1, 1}, 0.7);
        cairo_fill(cr);
      }
      break;
    case FillKind::Bricks:
      Rect(cr, 0, 0, 32, 32, mortar);
      for (int row = 0; row < 4; ++row) {
        double off = (row % 2) * 8;
        for (int k = -1; k < 3; ++k) {
          double x = off + k * 16;
          // The shade depends on the brick's place in the 32-pixel period only,
          // so a brick cut by the cell border has the same shade on both sides.
          int id = ((static_cast<int>(x) + 32) % 32) / 8 + row * 4;
          double t = ((id * 7) % 5) / 5.0;
          Rect(cr, x + 1, row * 8 + 1, 14, 6, Mix(e, Lighter(e, 0.2), t));
          Rect(cr, x + 1, row * 8 + 1, 14, 1.2, Lighter(e, 0.3), 0.6);
        }
      }
      break;
    case FillKind::Blocks:
      Rect(cr, 0, 0, 32, 32, mortar);
      for (int row = 0; row < 2; ++row) {
        double off = row * 8;
        for (int k = -1; k < 2; ++k) {
          double x = off + k * 16, y = row * 16;
          int id = ((static_cast<int>(x) + 32) % 32) / 8 + row * 4;
          double t = ((id * 3) % 4) / 4.0;
          Rgb c = Mix(e, Lighter(e, 0.15), t);
          cairo_new_path(cr);
          RoundRect(cr, x + 1, y + 1, 14, 14, 1.5);
          SetRgb(cr, c);
          cairo_fill(cr);
          Rect(cr, x + 1.5, y + 1.5, 13, 1.5, Lighter(c, 0.3), 0.7);
          Rect(cr, x + 1.5, y + 13, 13, 1.5, Darker(c, 0.2), 0.7);
        }
      }
      if (s.area == Area::Temple && variant == 0) {
        // A carved spiral on one stone.
        cairo_new_path(cr);
        for (double a = 0; a < 14; a += 0.2) {
          double r = 0.35 * a;
          cairo_line_to(cr, 24 + r * std::cos(a), 8 + r * std::sin(a));
        }
        Stroke(cr, Mix(e, s.ink, 0.4), 1);
      }
      break;
    case FillKind::Strata:
      for (double y0 : {10.0, 23.0}) {
        cairo_new_path(cr);
        for (double x = 0; x <= 32; x += 2) cairo_line_to(cr, x, y0 + 1.6 * std::sin(kTau * x / 32 + y0));
        for (double x = 32; x >= 0; x -= 2)
          cairo_line_to(cr, x, y0 + 3 + 1.6 * std::sin(kTau * x / 32 + y0 + 0.6));
        cairo_close_path(cr);
        SetRgb(cr, Mix(e, s.groundDark, 0.35));
        cairo_fill(cr);
      }
      Specks(cr, s, rng, 8, 0.7);
      if (s.area == Area::Beach && variant == 0) {
        // A little shell in the sand.
        cairo_new_path(cr);
        cairo_move_to(cr, 20, 18);
        cairo_arc(cr, 20, 18, 3.5, M_PI, 2 * M_PI);
        cairo_close_path(cr);
        SetRgb(cr, Hex(0xFFD9C9));
        cairo_fill_preserve(cr);
        Stroke(cr, Mix(e, s.ink, 0.5), 0.8);
      }
      break;
    case FillKind::Basalt:
      for (int col = 0; col < 2; ++col) {
        double x = col * 16;
        cairo_pattern_t* p = cairo_pattern_create_linear(x, 0, x + 16, 0);
        Rgb a = Lighter(e, 0.12), b = Darker(e, 0.2);
        cairo_pattern_add_color_stop_rgb(p, 0, a.r, a.g, a.b);
        cairo_pattern_add_color_stop_rgb(p, 1, b.r, b.g, b.b);
        cairo_rectangle(cr, x, 0, 16, 32);
        cairo_set_source(cr, p);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
        Rect(cr, x, 0, 1.5, 32, s.ink, 0.8);
        Rect(cr, x + 2, col ? 25 : 11, 12, 1.2, s.ink, 0.6);
      }
      if (variant != 3) {
        // A faint glowing seam.
        cairo_new_path(cr);
        cairo_move_to(cr, rng.Uniform(4, 12), 3);
        cairo_line_to(cr, rng.Uniform(5, 11), 16);
        cairo_line_to(cr, rng.Uniform(4, 12), 29);
        Stroke(cr, s.accent, 1, 0.35);
      }
      break;
    case FillKind::Graph:
      for (int k = 0; k < 4; ++k) {
        Rect(cr, k * 8, 0, 0.8, 32, Hex(0xB9D3EE), k == 0 ? 1.0 : 0.7);
        Rect(cr, 0, k * 8, 32, 0.8, Hex(0xB9D3EE), k == 0 ? 1.0 : 0.7);
      }
      break;
    case FillKind::Checker:
      for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x)
          if ((x + y) % 2) Rect(cr, x * 16, y * 16, 16, 16, Mix(e, s.groundDark, 0.55));
      Specks(cr, s, rng, 3, 0.8);
      break;
    case FillKind::Planks:
      for (int row = 0; row < 4; ++row) {
        double y = row * 8;
        Rgb c = row % 2 ? Darker(e, 0.08) : e;
        Rect(cr, 0, y, 32, 8, c);
        Rect(cr, 0, y, 32, 1, Mix(e, s.ink, 0.5));
        Rect(cr, 0, y + 1, 32, 1, Lighter(c, 0.2), 0.6);
        double seam = (row * 13 + 5) % 32;
        Rect(cr, seam, y, 1, 8, Mix(e, s.ink, 0.5));
        // Grain: short lines, kept inside the cell.
        Rect(cr, (seam + 8 > 28) ? 4 : seam + 6, y + 4, 7, 0.7, Darker(c, 0.2), 0.7);
      }
      break;
  }
  // Variations add a feature over the base pattern.
  if (variant == 1) {
    if (s.fill == FillKind::Dirt || s.fill == FillKind::Strata || s.fill == FillKind::Rock)
      Pebble(cr, s, 16, 17, 6, 4.5);
    else {
      cairo_new_path(cr);
      cairo_move_to(cr, 9, 5);
      cairo_line_to(cr, 13, 12);
      cairo_line_to(cr, 11, 18);
      cairo_line_to(cr, 16, 25);
      Stroke(cr, Mix(e, s.ink, 0.6), 1.1);
    }
  } else if (variant == 2) {
    // Roots, or a darker patch where there are none.
    cairo_new_path(cr);
    cairo_move_to(cr, 6, 4);
    cairo_curve_to(cr, 12, 12, 8, 18, 16, 26);
    cairo_move_to(cr, 11, 13);
    cairo_curve_to(cr, 18, 12, 22, 16, 26, 14);
    Stroke(cr, s.fill == FillKind::Dirt ? Mix(s.wood, s.ink, 0.3) : Mix(e, s.ink, 0.35), 1.3, 0.8);
  } else if (variant == 3) {
    Specks(cr, s, rng, 5, 1.2);
  }
}

// The ground's top: grass, snow, sand... along the surface at y = top.
void PaintCover(cairo_t* cr, const Style& s, double top, bool wrapL, bool wrapR, uint32_t seed) {
  const Cover& c = s.cover;
  Rgb edge = Mix(c.color, s.ink, 0.4);
  cairo_new_path(cr);
  cairo_move_to(cr, -2, top - 3);
  cairo_line_to(cr, 34, top - 3);
  for (double x = 34; x >= -2; x -= 1) cairo_line_to(cr, x, top + CoverEdge(s, x));
  cairo_close_path(cr);
  if (wrapL) RoundRect(cr, -4, top - 3, 8, c.depth + 9, 3.5);
  if (wrapR) RoundRect(cr, 28, top - 3, 8, c.depth + 9, 3.5);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  SetRgb(cr, c.color);
  cairo_fill(cr);
  // A shaded lower lip, then the light on the surface.
  cairo_new_path(cr);
  for (double x = -2; x <= 34; x += 1) cairo_line_to(cr, x, top + CoverEdge(s, x) - 0.6);
  Stroke(cr, edge, 1.4, 0.9);
  Rect(cr, 0, top + 1, 32, 1.5, Lighter(c.color, 0.45), 0.8);
  if (c.drips) {
    for (double x : {7.0, 21.0, 28.0}) {
      double y = top + CoverEdge(s, x);
      double r = x == 21.0 ? 2.6 : 1.8;
      cairo_new_path(cr);
      cairo_move_to(cr, x - r, y - 1);
      cairo_line_to(cr, x - r, y + r);
      cairo_arc_negative(cr, x, y + r, r, M_PI, 0);
      cairo_line_to(cr, x + r, y - 1);
      cairo_close_path(cr);
      SetRgb(cr, c.color);
      cairo_fill_preserve(cr);
      Stroke(cr, edge, 1, 0.8);
    }
  }
  if (c.blades) {
    Rng rng(seed);
    for (double x = 2; x < 31; x += 4) {
      double bx = x + rng.Uniform(-1, 1), h = rng.Uniform(2.5, 4.5);
      double by = top + CoverEdge(s, bx) - 1;
      cairo_new_path(cr);
      cairo_move_to(cr, bx - 1, by);
      cairo_line_to(cr, bx + 0.4, by - h);
      cairo_line_to(cr, bx + 1, by);
      SetRgb(cr, Darker(c.color, 0.22));
      cairo_fill(cr);
    }
  }
  if (c.joint > 0) {
    for (double x = 0; x < 32; x += c.joint) Rect(cr, x, top, 1.2, c.depth, edge, 0.8);
  }
  if (c.cracks) {
    cairo_new_path(cr);
    cairo_move_to(cr, 3, top + 3);
    cairo_line_to(cr, 9, top + 5);
    cairo_line_to(cr, 14, top + 3);
    cairo_move_to(cr, 18, top + 5);
    cairo_line_to(cr, 24, top + 2.5);
    cairo_line_to(cr, 29, top + 5);
    Stroke(cr, s.accent, 1.3, 0.9);
  }
}

// A solid block: body, shading on the open sides, cover on an open top, and
// the outline on the open sides.
void Block(cairo_t* cr, const Style& s, Open o, int variant, uint32_t seed, double top = 1,
           double bottom = 31, double rBottom = 7) {
  BlockPath(cr, o, top, bottom, 7, rBottom);
  cairo_save(cr);
  cairo_clip(cr);
  PaintFill(cr, s, variant, seed);
  if (o.l) Rect(cr, 0, 0, 4, 32, {1, 1, 1}, 0.14);
  if (o.r) Rect(cr, 27, 0, 5, 32, s.ink, 0.16);
  if (o.b) Rect(cr, 0, bottom - 6, 32, 6, s.ink, 0.18);
  if (o.t) PaintCover(cr, s, top, o.l, o.r, seed + 7);
  cairo_restore(cr);
  if (s.outlines) {
    BlockPath(cr, o, top, bottom, 7, rBottom);
    Stroke(cr, s.ink, 2);
  }
}

// The concave corner where a lower top meets a wall rising from it (or, at the
// bottom, where a ceiling meets a wall). The neighbour's cover or underside
// runs a few pixels into this cell; the corner pixel joins the outlines.
void InnerCorner(cairo_t* cr, const Style& s, bool atTop, bool atLeft, uint32_t seed) {
  Block(cr, s, {}, 0, seed);
  cairo_save(cr);
  if (!atLeft) {
    cairo_translate(cr, 32, 0);
    cairo_scale(cr, -1, 1);
  }
  if (atTop) {
    cairo_new_path(cr);
    cairo_move_to(cr, -1, 0);
    cairo_line_to(cr, 6, 0);
    cairo_curve_to(cr, 11, 0, 11, s.cover.depth + 2, 4, s.cover.depth + 2);
    cairo_line_to(cr, -1, s.cover.depth + 2);
    cairo_close_path(cr);
    cairo_save(cr);
    cairo_clip(cr);
    if (!atLeft) {
      // Undo the mirror inside so the cover's wobble matches the neighbour.
      cairo_translate(cr, 32, 0);
      cairo_scale(cr, -1, 1);
    }
    PaintCover(cr, s, 1, false, false, seed);
    cairo_restore(cr);
    if (s.outlines) Rect(cr, 0, 0, 2.2, 2.2, s.ink);
  } else {
    cairo_new_path(cr);
    cairo_move_to(cr, -1, 25);
    cairo_line_to(cr, 5, 25);
    cairo_curve_to(cr, 10, 25, 10, 32, 10, 32);
    cairo_line_to(cr, -1, 32);
    cairo_close_path(cr);
    SetRgb(cr, s.ink, 0.18);
    cairo_fill(cr);
    if (s.outlines) Rect(cr, 0, 29.8, 2.2, 2.2, s.ink);
  }
  cairo_restore(cr);
}

// A stair: the outer half of the cell is a tread 16 pixels lower.
void Step(cairo_t* cr, const Style& s, bool lowLeft, uint32_t seed) {
  cairo_save(cr);
  if (!lowLeft) {
    cairo_translate(cr, 32, 0);
    cairo_scale(cr, -1, 1);
  }
  auto path = [&] {
    cairo_new_path(cr);
    cairo_move_to(cr, 1, 24);
    cairo_arc(cr, 8, 24, 7, M_PI, 1.5 * M_PI);
    cairo_line_to(cr, 14, 17);
    cairo_line_to(cr, 16, 17);
    cairo_line_to(cr, 16, 8);
    cairo_arc(cr, 23, 8, 7, M_PI, 1.5 * M_PI);
    cairo_line_to(cr, 38, 1);
    cairo_line_to(cr, 38, 38);
    cairo_line_to(cr, 1, 38);
    cairo_close_path(cr);
  };
  path();
  cairo_save(cr);
  cairo_clip(cr);
  PaintFill(cr, s, 0, seed);
  Rect(cr, 0, 0, 4, 32, {1, 1, 1}, 0.14);
  Rect(cr, 16, 0, 3, 17, {1, 1, 1}, 0.12);
  cairo_save(cr);
  cairo_rectangle(cr, 0, 16, 17, 16);
  cairo_clip(cr);
  PaintCover(cr, s, 17, true, false, seed + 3);
  cairo_restore(cr);
  cairo_rectangle(cr, 15, 0, 17, 32);
  cairo_clip(cr);
  PaintCover(cr, s, 1, true, false, seed + 5);
  cairo_restore(cr);
  if (s.outlines) {
    path();
    Stroke(cr, s.ink, 2);
  }
  cairo_restore(cr);
}

// A one-way ledge: thin, so the eye reads "stand on it, jump through it".
void Platform(cairo_t* cr, const Style& s, bool endL, bool endR) {
  const double h = 10;
  double x0 = endL ? 2 : -4, x1 = endR ? 30 : 36;
  bool cloud = s.area == Area::Air;
  bool stone = s.area == Area::Castle || s.area == Area::Temple || s.area == Area::City ||
               s.area == Area::Volcano || s.area == Area::Mountain;
  Rgb body = cloud ? Hex(0xFFFFFF) : stone ? Lighter(s.earth, 0.1) : s.wood;
  // Brackets under the ends.
  if (!cloud) {
    for (int k = 0; k < 2; ++k) {
      bool here = k ? endR : endL;
      if (!here) continue;
      double bx = k ? 22 : 6;
      cairo_new_path(cr);
      cairo_move_to(cr, bx, h);
      cairo_line_to(cr, bx + 4, h);
      cairo_line_to(cr, bx + 2, h + 7);
      cairo_close_path(cr);
      SetRgb(cr, Darker(body, 0.25));
      cairo_fill_preserve(cr);
      if (s.outlines) Stroke(cr, s.ink, 1.2);
      else cairo_new_path(cr);
    }
  }
  cairo_new_path(cr);
  if (cloud) {
    RoundRect(cr, x0, 1, x1 - x0, h, 5);
    for (double x = endL ? 8 : 4; x < (endR ? 26 : 32); x += 8) Ellipse(cr, x, h + 0.5, 4.5, 3);
  } else {
    RoundRect(cr, x0, 1, x1 - x0, h, stone ? 1.5 : 3);
  }
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  cairo_path_t* path = cairo_copy_path(cr);
  FillGradientOutline(cr, 1, Lighter(body, 0.15), h + 1, Darker(body, 0.12), s.outlines ? s.ink : body,
                      s.outlines ? 2 : 0.01);
  cairo_new_path(cr);
  cairo_append_path(cr, path);
  cairo_path_destroy(path);
  cairo_save(cr);
  cairo_clip(cr);
  Rect(cr, 0, 2, 32, 2, Lighter(body, 0.4), 0.8);
  if (!cloud && !stone) {
    // Plank seams and nails.
    for (double x : {16.0}) Rect(cr, x, 1, 1.2, h, Mix(body, s.ink, 0.5));
    for (double x : {5.0, 12.0, 20.0, 27.0}) {
      Ellipse(cr, x, 6, 0.9, 0.9);
      SetRgb(cr, Mix(body, s.ink, 0.6));
      cairo_fill(cr);
    }
  }
  if (s.cover.blades && !cloud) {
    // A little grass on the ledge, kept thin.
    Rect(cr, 0, 1, 32, 2.2, s.cover.color);
  }
  cairo_restore(cr);
}

void Column(cairo_t* cr, const Style& s, int part) {  // 0 top, 1 shaft, 2 foot
  bool wooden = s.area == Area::Forest || s.area == Area::Ghost || s.area == Area::Menu ||
                s.area == Area::Beach;
  Rgb c = wooden ? s.wood : Lighter(s.earth, 0.18);
  if (s.area == Area::Air || s.area == Area::Proto) c = Hex(0xEDEDF2);
  auto shaft = [&](double y0, double y1) {
    cairo_new_path(cr);
    cairo_rectangle(cr, 9, y0, 14, y1 - y0);
    cairo_pattern_t* p = cairo_pattern_create_linear(9, 0, 23, 0);
    Rgb a = Lighter(c, 0.25), b = Darker(c, 0.25);
    cairo_pattern_add_color_stop_rgb(p, 0, a.r, a.g, a.b);
    cairo_pattern_add_color_stop_rgb(p, 1, b.r, b.g, b.b);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    for (double x : {13.0, 17.0}) Rect(cr, x, y0, 1, y1 - y0, Darker(c, 0.25), 0.7);
    if (s.outlines) {
      Rect(cr, 8, y0, 2, y1 - y0, s.ink);
      Rect(cr, 22, y0, 2, y1 - y0, s.ink);
    }
  };
  if (part == 0) {
    shaft(8, 33);
    cairo_new_path(cr);
    RoundRect(cr, 4, 1, 24, 8, 2);
    FillOutline(cr, c, s.outlines ? s.ink : c, s.outlines ? 2 : 0.01);
    Rect(cr, 5, 2, 22, 1.5, Lighter(c, 0.4), 0.8);
  } else if (part == 1) {
    shaft(-1, 33);
  } else {
    shaft(-1, 24);
    cairo_new_path(cr);
    RoundRect(cr, 5, 23, 22, 8, 2);
    FillOutline(cr, c, s.outlines ? s.ink : c, s.outlines ? 2 : 0.01);
  }
}

// A ceiling: the ground's underside with teeth hanging from it.
void Ceiling(cairo_t* cr, const Style& s, Open o, uint32_t seed) {
  Rgb tooth = s.area == Area::Mountain || s.area == Area::Air ? Hex(0xDDF1FF)
              : s.area == Area::Volcano ? s.accent
              : Mix(s.earth, s.groundDark, 0.3);
  Rng rng(seed);
  for (double x = o.l ? 8 : 3; x < (o.r ? 25 : 31); x += 7) {
    double len = rng.Uniform(5, 10);
    cairo_new_path(cr);
    cairo_move_to(cr, x - 3, 20);
    cairo_line_to(cr, x, 21 + len);
    cairo_line_to(cr, x + 3, 20);
    cairo_close_path(cr);
    FillOutline(cr, tooth, s.outlines ? s.ink : tooth, s.outlines ? 1.5 : 0.01);
  }
  Block(cr, s, o, 0, seed, 1, 23);
}

// Roots, icicles, webs or drips hanging from the ceiling above.
void Hanging(cairo_t* cr, const Style& s, double x0, double x1, uint32_t seed) {
  Rng rng(seed);
  bool ice = s.area == Area::Mountain || s.area == Area::Air;
  bool drip = s.area == Area::Volcano || s.area == Area::Wierd;
  for (double x = x0 + 3; x < x1 - 2; x += rng.Uniform(5, 8)) {
    double len = rng.Uniform(10, 26);
    cairo_new_path(cr);
    if (ice) {
      cairo_move_to(cr, x - 2.5, -1);
      cairo_line_to(cr, x, len);
      cairo_line_to(cr, x + 2.5, -1);
      cairo_close_path(cr);
      FillOutline(cr, Hex(0xE4F4FF), s.ink, 1.2);
    } else if (drip) {
      Rgb c = s.area == Area::Volcano ? s.accent : s.cover.color;
      cairo_move_to(cr, x - 1.5, -1);
      cairo_line_to(cr, x - 1.2, len - 3);
      cairo_arc_negative(cr, x, len - 3, 1.8, M_PI, 0);
      cairo_line_to(cr, x + 1.5, -1);
      cairo_close_path(cr);
      FillOutline(cr, c, s.outlines ? s.ink : c, s.outlines ? 1 : 0.01);
    } else {
      cairo_move_to(cr, x, -1);
      cairo_curve_to(cr, x + 3, len * 0.3, x - 3, len * 0.6, x + 1, len);
      Stroke(cr, s.outlines ? s.ink : LeafOf(s), 2.6);
      cairo_move_to(cr, x, -1);
      cairo_curve_to(cr, x + 3, len * 0.3, x - 3, len * 0.6, x + 1, len);
      Stroke(cr, LeafOf(s), 1.4);
      Ellipse(cr, x + 2.5, len * 0.5, 2.2, 1.3);
      FillOutline(cr, Lighter(LeafOf(s), 0.15), s.outlines ? s.ink : LeafOf(s), 0.8);
    }
  }
}

// Moss creeping down an open side.
void Moss(cairo_t* cr, const Style& s, bool left) {
  Rgb m = s.cover.blades || s.area == Area::Temple ? LeafOf(s) : s.cover.color;
  double x = left ? 0 : 32;
  Rng rng(left ? 11 : 13);
  for (double y = 2; y < 30; y += 6) {
    double r = rng.Uniform(2.5, 4.5);
    Ellipse(cr, x + (left ? 2 : -2), y + 2, r, r * 1.3);
    SetRgb(cr, m);
    cairo_fill(cr);
    Ellipse(cr, x + (left ? 1.5 : -1.5), y + 1, r * 0.4, r * 0.4);
    SetRgb(cr, Lighter(m, 0.35), 0.8);
    cairo_fill(cr);
  }
}

void Window(cairo_t* cr, const Style& s) {
  bool lit = s.area == Area::City || s.area == Area::Ghost || s.area == Area::Menu;
  Rgb glass = lit ? s.accent : s.skyTop;
  cairo_new_path(cr);
  cairo_move_to(cr, 8, 28);
  cairo_line_to(cr, 8, 13);
  cairo_arc(cr, 16, 13, 8, M_PI, 2 * M_PI);
  cairo_line_to(cr, 24, 28);
  cairo_close_path(cr);
  FillGradientOutline(cr, 5, Lighter(glass, 0.2), 28, Darker(glass, 0.3), s.outlines ? s.ink : s.groundDark, 2);
  Rect(cr, 15.2, 5, 1.6, 23, s.outlines ? s.ink : s.groundDark);
  Rect(cr, 8, 17, 16, 1.6, s.outlines ? s.ink : s.groundDark);
  Rect(cr, 6, 27, 20, 3, s.wood);
}

void Arch(cairo_t* cr, const Style& s, bool left) {
  cairo_save(cr);
  if (!left) {
    cairo_translate(cr, 32, 0);
    cairo_scale(cr, -1, 1);
  }
  // The opening is 32 pixels wide, centred on the seam between the two cells.
  cairo_new_path(cr);
  cairo_move_to(cr, 16, 33);
  cairo_line_to(cr, 16, 18);
  cairo_arc(cr, 32, 18, 16, M_PI, 1.5 * M_PI);
  cairo_line_to(cr, 34, 2);
  cairo_line_to(cr, 34, 33);
  cairo_close_path(cr);
  cairo_path_t* path = cairo_copy_path(cr);
  Rgb stone = Lighter(s.earth, 0.15);
  SetRgb(cr, stone);
  cairo_set_line_width(cr, 7);
  cairo_stroke(cr);
  cairo_append_path(cr, path);
  SetRgb(cr, Darker(s.skyTop, 0.75));
  cairo_fill_preserve(cr);
  Stroke(cr, s.outlines ? s.ink : s.groundDark, 1.5);
  cairo_path_destroy(path);
  // Joints between the arch stones.
  for (double a : {1.15, 1.35}) {
    double ca = std::cos(a * M_PI), sa = std::sin(a * M_PI);
    cairo_move_to(cr, 32 + 16 * ca, 18 + 16 * sa);
    cairo_line_to(cr, 32 + 20 * ca, 18 + 20 * sa);
    Stroke(cr, s.ink, 1);
  }
  cairo_restore(cr);
}

void Banner(cairo_t* cr, const Style& s) {
  Rect(cr, 6, 3, 20, 2.5, s.wood);
  cairo_new_path(cr);
  cairo_move_to(cr, 9, 5);
  cairo_line_to(cr, 23, 5);
  cairo_line_to(cr, 23, 29);
  cairo_line_to(cr, 16, 24);
  cairo_line_to(cr, 9, 29);
  cairo_close_path(cr);
  FillGradientOutline(cr, 5, Lighter(s.accent, 0.1), 29, Darker(s.accent, 0.3), s.outlines ? s.ink : s.groundDark, 1.5);
  Ellipse(cr, 16, 13, 3.5, 3.5);
  FillOutline(cr, Lighter(s.accent, 0.6), s.outlines ? s.ink : s.groundDark, 1);
}

void Emblem(cairo_t* cr, const Style& s) {
  Ellipse(cr, 16, 16, 11, 11);
  FillOutline(cr, Lighter(s.earth, 0.12), s.outlines ? s.ink : s.groundDark, 2);
  Ellipse(cr, 16, 16, 7, 7);
  FillOutline(cr, Mix(s.earth, s.accent, 0.5), s.outlines ? s.ink : s.groundDark, 1.2);
  if (s.area == Area::Wierd || s.area == Area::Ghost) {
    Ellipse(cr, 16, 16, 3, 3);
    SetRgb(cr, s.ink);
    cairo_fill(cr);
  } else {
    cairo_new_path(cr);
    cairo_move_to(cr, 16, 11);
    cairo_line_to(cr, 20, 16);
    cairo_line_to(cr, 16, 21);
    cairo_line_to(cr, 12, 16);
    cairo_close_path(cr);
    FillOutline(cr, s.accent, s.outlines ? s.ink : s.groundDark, 1);
  }
}

void BackPillar(cairo_t* cr, const Style& s) {
  Rgb c = Lighter(s.earth, 0.12);
  cairo_rectangle(cr, 8, -1, 16, 34);
  cairo_pattern_t* p = cairo_pattern_create_linear(8, 0, 24, 0);
  Rgb a = Lighter(c, 0.25), b = Darker(c, 0.3);
  cairo_pattern_add_color_stop_rgb(p, 0, a.r, a.g, a.b);
  cairo_pattern_add_color_stop_rgb(p, 1, b.r, b.g, b.b);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  Rect(cr, 12, 0, 1, 32, Darker(c, 0.3), 0.6);
  Rect(cr, 18, 0, 1, 32, Darker(c, 0.3), 0.6);
  Rect(cr, 7, 0, 1.5, 32, s.ink, 0.9);
  Rect(cr, 23.5, 0, 1.5, 32, s.ink, 0.9);
}

void Sky(cairo_t* cr, const Style& s) {
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, 32);
  cairo_pattern_add_color_stop_rgb(p, 0, s.skyTop.r, s.skyTop.g, s.skyTop.b);
  cairo_pattern_add_color_stop_rgb(p, 1, s.skyBottom.r, s.skyBottom.g, s.skyBottom.b);
  cairo_rectangle(cr, 0, 0, 32, 32);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

}  // namespace

void DrawGroundCell(cairo_t* cr, const Style& s, int cell) {
  uint32_t seed = static_cast<uint32_t>(static_cast<int>(s.area) * 1000 + cell);
  const Open T{true, false, false, false};
  switch (cell) {
    case 0: Block(cr, s, {true, false, true, false}, 0, seed); break;
    case 1: Block(cr, s, T, 0, seed); break;
    case 2: Block(cr, s, {true, false, false, true}, 0, seed); break;
    case 3: Block(cr, s, {true, false, true, true}, 0, seed); break;
    case 4: Block(cr, s, T, 3, seed); break;
    case 5: Block(cr, s, T, 1, seed); break;
    case 6: Block(cr, s, {}, 0, seed); break;
    case 7: Block(cr, s, {}, 1, seed); break;
    case 8: Block(cr, s, {}, 2, seed); break;
    case 9: Block(cr, s, {false, false, true, false}, 0, seed); break;
    case 10: Block(cr, s, {false, false, false, true}, 0, seed); break;
    case 11: Block(cr, s, {false, true, true, false}, 0, seed); break;
    case 12: Block(cr, s, {false, true, false, false}, 0, seed); break;
    case 13: Block(cr, s, {false, true, false, true}, 0, seed); break;
    case 14: Block(cr, s, {false, true, true, true}, 0, seed); break;
    case 15: Block(cr, s, {false, false, true, true}, 0, seed); break;
    case 16: InnerCorner(cr, s, true, true, seed); break;
    case 17: InnerCorner(cr, s, true, false, seed); break;
    case 18: InnerCorner(cr, s, false, true, seed); break;
    case 19: InnerCorner(cr, s, false, false, seed); break;
    case 20: Step(cr, s, true, seed); break;
    case 21: Step(cr, s, false, seed); break;
    case 22: Platform(cr, s, true, false); break;
    case 23: Platform(cr, s, false, false); break;
    case 24: Platform(cr, s, false, true); break;
    case 25: Platform(cr, s, true, true); break;
    case 26: Column(cr, s, 0); break;
    case 27: Column(cr, s, 1); break;
    case 28: Column(cr, s, 2); break;
    case 29: Ceiling(cr, s, {false, true, true, false}, seed); break;
    case 30: Ceiling(cr, s, {false, true, false, false}, seed); break;
    case 31: Ceiling(cr, s, {false, true, false, true}, seed); break;
    // The background wall: the same ground, made to recede by the sheet.
    case 32: Block(cr, s, {}, 0, seed); break;
    case 33: Block(cr, s, {}, 3, seed); break;
    case 34: Block(cr, s, {true, false, true, false}, 0, seed); break;
    case 35: Block(cr, s, T, 0, seed); break;
    case 36: Block(cr, s, {true, false, false, true}, 0, seed); break;
    case 37: Block(cr, s, {false, false, true, false}, 0, seed); break;
    case 38: Block(cr, s, {false, false, false, true}, 0, seed); break;
    case 39: Block(cr, s, {false, true, false, false}, 0, seed); break;
    case 40: Block(cr, s, {}, 0, seed); Window(cr, s); break;
    case 41: Block(cr, s, {}, 0, seed); break;
    case 42: Block(cr, s, {}, 0, seed); Arch(cr, s, true); break;
    case 43: Block(cr, s, {}, 0, seed); Arch(cr, s, false); break;
    case 44: Block(cr, s, {}, 0, seed); BackPillar(cr, s); break;
    case 45: Block(cr, s, {}, 0, seed); Banner(cr, s); break;
    case 46: Block(cr, s, {}, 0, seed); Emblem(cr, s); break;
    case 47: Sky(cr, s); break;
    // Spare variations.
    case 112: Block(cr, s, T, 2, seed); break;
    case 113: Block(cr, s, T, 4, seed); break;
    case 114: Block(cr, s, {}, 3, seed); break;
    case 115: Block(cr, s, {}, 4, seed); break;
    case 116: Block(cr, s, {false, false, true, false}, 0, seed); Moss(cr, s, true); break;
    case 117: Block(cr, s, {false, false, false, true}, 0, seed); Moss(cr, s, false); break;
    case 118: Block(cr, s, {}, 0, seed); Rect(cr, 0, 0, 32, 32, s.ink, 0.3); break;
    case 119: Block(cr, s, {}, 0, seed); Rect(cr, 0, 0, 32, 32, {1, 1, 1}, 0.18); break;
    case 120: Block(cr, s, {true, true, true, false}, 0, seed, 1, 30, 12); break;
    case 121: Block(cr, s, {true, true, false, false}, 0, seed, 1, 30, 12); break;
    case 122: Block(cr, s, {true, true, false, true}, 0, seed, 1, 30, 12); break;
    case 123: Block(cr, s, {true, true, true, true}, 0, seed, 1, 30, 13); break;
    case 124: Hanging(cr, s, 10, 32, seed); break;
    case 125: Hanging(cr, s, 0, 32, seed); break;
    case 126: Hanging(cr, s, 0, 22, seed); break;
    case 127: Hanging(cr, s, 7, 25, seed); break;
    default: break;
  }
}

}  // namespace forge::art::tiles
