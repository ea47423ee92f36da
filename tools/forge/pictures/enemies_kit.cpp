#include "pictures/enemies_kit.h"

#include <algorithm>
#include <vector>

namespace forge::art::enemies {

double Smooth(double t) {
  t = std::clamp(t, 0.0, 1.0);
  return t * t * (3 - 2 * t);
}
double Lerp(double a, double b, double t) {
  return a + (b - a) * t;
}

Skin SkinOf(Rgb base, double shadeAmount, double inkAmount) {
  // Shadows lean towards a cool violet rather than grey, which keeps the
  // saturated bodies from going muddy.
  Rgb shade = Mix(Darker(base, shadeAmount), Hex(0x3A2E6E), 0.12);
  Rgb ink = Mix(Darker(base, inkAmount), Hex(0x1E1430), 0.35);
  return {base, shade, ink};
}

void Body(cairo_t* cr, const PathFn& path, const Skin& skin, double x, double y, double w, double h,
          double shadowShift, double highlight) {
  cairo_save(cr);
  cairo_new_path(cr);
  path(cr);
  cairo_clip(cr);
  SetRgb(cr, skin.shade);
  cairo_paint(cr);
  cairo_save(cr);
  cairo_translate(cr, -shadowShift, -shadowShift * 0.9);
  cairo_new_path(cr);
  path(cr);
  SetRgb(cr, skin.base);
  cairo_fill(cr);
  cairo_restore(cr);
  if (highlight > 0) {
    Ellipse(cr, x + w * 0.32, y + h * 0.26, std::max(1.0, w * 0.17), std::max(1.0, h * 0.11));
    cairo_set_source_rgba(cr, 1, 1, 1, highlight);
    cairo_fill(cr);
  }
  cairo_restore(cr);
  cairo_new_path(cr);
  path(cr);
  SetRgb(cr, skin.ink);
  cairo_set_line_width(cr, 2.0);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}

void Piece(cairo_t* cr, const PathFn& path, const Skin& skin, double shadowShift) {
  Body(cr, path, skin, 0, 0, 0, 0, shadowShift, 0.0);
}

static void PolyPath(cairo_t* cr, std::initializer_list<double> xy) {
  cairo_new_path(cr);
  const double* p = xy.begin();
  size_t n = xy.size() / 2;
  for (size_t i = 0; i < n; ++i) {
    if (i == 0)
      cairo_move_to(cr, p[0], p[1]);
    else
      cairo_line_to(cr, p[2 * i], p[2 * i + 1]);
  }
}

void LimbStroke(cairo_t* cr, std::initializer_list<double> xy, double w, Rgb colour) {
  PolyPath(cr, xy);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_width(cr, w);
  SetRgb(cr, colour);
  cairo_stroke(cr);
}

void Limb(cairo_t* cr, std::initializer_list<double> xy, double w, Rgb colour, Rgb ink) {
  LimbStroke(cr, xy, w + 4, ink);
  LimbStroke(cr, xy, w, colour);
}

void Eye(cairo_t* cr, double cx, double cy, double r, double lx, double ly, Rgb ink, double lid,
         Rgb lidColour) {
  Ellipse(cr, cx, cy, r, r * 1.1);
  FillOutline(cr, Hex(0xFBFBF6), ink, 1.5);
  double pr = r * 0.55;
  Ellipse(cr, cx + lx * (r - pr) * 0.8, cy + ly * (r - pr) * 0.8, pr, pr * 1.1);
  SetRgb(cr, ink);
  cairo_fill(cr);
  Ellipse(cr, cx + lx * (r - pr) * 0.8 - pr * 0.35, cy + ly * (r - pr) * 0.8 - pr * 0.4, pr * 0.3,
          pr * 0.3);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.9);
  cairo_fill(cr);
  if (lid > 0.01) {
    cairo_save(cr);
    Ellipse(cr, cx, cy, r, r * 1.1);
    cairo_clip(cr);
    double bottom = cy - r * 1.1 + 2.2 * r * 1.1 * std::min(1.0, lid);
    cairo_rectangle(cr, cx - r - 1, cy - r * 1.2, 2 * r + 2, bottom - (cy - r * 1.2));
    SetRgb(cr, lidColour);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_move_to(cr, cx - r, bottom);
    cairo_line_to(cr, cx + r, bottom);
    SetRgb(cr, ink);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    Ellipse(cr, cx, cy, r, r * 1.1);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
  }
}

void DotEye(cairo_t* cr, double cx, double cy, double r, Rgb ink) {
  Ellipse(cr, cx, cy, r, r * 1.15);
  SetRgb(cr, ink);
  cairo_fill(cr);
  Ellipse(cr, cx - r * 0.35, cy - r * 0.4, r * 0.35, r * 0.35);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.9);
  cairo_fill(cr);
}

void Brow(cairo_t* cr, double cx, double cy, double len, double slope, Rgb ink, double w) {
  cairo_move_to(cr, cx - len / 2, cy - slope / 2);
  cairo_line_to(cr, cx + len / 2, cy + slope / 2);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_width(cr, w);
  SetRgb(cr, ink);
  cairo_stroke(cr);
}

void GroundShadow(cairo_t* cr, double cx, double cy, double rx, double alpha) {
  Ellipse(cr, cx, cy, rx, std::max(1.0, rx * 0.18));
  cairo_set_source_rgba(cr, 0.12, 0.08, 0.2, alpha);
  cairo_fill(cr);
}

Pt StepFoot(double t, double stride, double lift) {
  return {stride * std::sin(t), -lift * std::max(0.0, std::cos(t))};
}

Pt Knee(Pt hip, Pt foot, double upper, double lower, double bend) {
  double dx = foot.x - hip.x, dy = foot.y - hip.y;
  double d = std::max(1e-6, std::hypot(dx, dy));
  double reach = std::min(d, upper + lower - 1e-6);
  // Distance along the hip-foot line to the knee's foot point, and out from it.
  double a = (upper * upper - lower * lower + reach * reach) / (2 * reach);
  double h = std::sqrt(std::max(0.0, upper * upper - a * a));
  double ux = dx / d, uy = dy / d;
  // The perpendicular pointing towards +x for a leg that hangs downwards.
  double px = -uy, py = ux;
  if (px < 0) px = -px, py = -py;
  return {hip.x + ux * a + px * h * bend, hip.y + uy * a + py * h * bend};
}

void Leg(cairo_t* cr, Pt hip, Pt knee, Pt foot, double w, Rgb colour, Rgb ink) {
  Limb(cr, {hip.x, hip.y, knee.x, knee.y, foot.x, foot.y}, w, colour, ink);
}

void LumpyPath(cairo_t* cr, double cx, double cy, double rx, double ry, const double* bumps, int n,
               double turn) {
  std::vector<Pt> pts(n);
  for (int k = 0; k < n; ++k) {
    double a = turn + k * kTau / n;
    pts[k] = {cx + rx * bumps[k] * std::cos(a), cy + ry * bumps[k] * std::sin(a)};
  }
  // Catmull-Rom through the points, as cubic Bezier pieces.
  cairo_new_path(cr);
  cairo_move_to(cr, pts[0].x, pts[0].y);
  for (int k = 0; k < n; ++k) {
    const Pt& p0 = pts[(k + n - 1) % n];
    const Pt& p1 = pts[k];
    const Pt& p2 = pts[(k + 1) % n];
    const Pt& p3 = pts[(k + 2) % n];
    cairo_curve_to(cr, p1.x + (p2.x - p0.x) / 6, p1.y + (p2.y - p0.y) / 6, p2.x - (p3.x - p1.x) / 6,
                   p2.y - (p3.y - p1.y) / 6, p2.x, p2.y);
  }
  cairo_close_path(cr);
}

void Facing(cairo_t* cr, bool faceLeft, double handleX, const std::function<void()>& fn) {
  cairo_save(cr);
  if (faceLeft) {
    cairo_translate(cr, handleX, 0);
    cairo_scale(cr, -1, 1);
    cairo_translate(cr, -handleX, 0);
  }
  fn();
  cairo_restore(cr);
}

void Rotated(cairo_t* cr, double cx, double cy, double angle, const std::function<void()>& fn) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, angle);
  cairo_translate(cr, -cx, -cy);
  fn();
  cairo_restore(cr);
}

void PixelMap(cairo_t* cr, const char* const* rows, int rowCount, double x, double y, int px) {
  static const Rgb greens[4] = {Hex(0x0F380F), Hex(0x306230), Hex(0x8BAC0F), Hex(0x9BBC0F)};
  cairo_save(cr);
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  for (int r = 0; r < rowCount; ++r) {
    for (int c = 0; rows[r][c]; ++c) {
      char ch = rows[r][c];
      if (ch < '1' || ch > '4') continue;
      SetRgb(cr, greens[ch - '1']);
      cairo_rectangle(cr, x + c * px, y + r * px, px, px);
      cairo_fill(cr);
    }
  }
  cairo_restore(cr);
}

void Strip(const Context& ctx, const char* path, const CellFn& fn) {
  DrawCatalogued(ctx, path, fn);
}

Handle HandleOf(const char* path) {
  const ImageSpec& s = ImageOf(path);
  Handle h{double(s.handleX), double(s.handleY), s.cellW, s.cellH, s.frames};
  if (s.handleX == -1) h.x = s.cellW / 2.0;
  if (s.handleY == -1) h.y = s.cellH / 2.0;
  return h;
}

}  // namespace forge::art::enemies
