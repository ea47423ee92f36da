// The world map's cells: an illustrated map of land, sea and coasts (opaque,
// the ground layer) and paths, bridges, nodes and landmarks drawn over any
// ground (clear around them, a layer above). Every sheet carries rows 5 and 6;
// the MAP sheet draws them in the map's own colours, the others in their
// area's. The MAP sheet's own rows 8 to 19 add concave coasts, path
// junctions, the map's frame, region grounds with their edges, and the
// landmarks (tilesets_map_landmarks.cpp).
#include <algorithm>
#include <cmath>
#include <tuple>
#include <utility>

#include "pictures/tilesets_map.h"

namespace forge::art::tiles {

MapColors MapColorsOf(const Style& s) {
  if (s.area == Area::Map)
    return {Hex(0x9DC183), Hex(0x4F8FC0), Hex(0xE9D8A6), Hex(0x5A4632), Hex(0xEAD69A),
            Hex(0xF4F7FA), Hex(0x4F8A3A), Hex(0x9A8F84), Hex(0xC8553D)};
  Rgb land = s.fill == FillKind::Cloud ? Hex(0xDDE8F0) : s.ground;
  return {land,
          s.liquidColor,
          s.area == Area::Retro ? s.accent : Lighter(s.accent, 0.2),
          s.ink,
          Mix(land, Hex(0xEAD69A), 0.6),
          Hex(0xF4F7FA),
          LeafOf(s),
          Mix(s.earth, Hex(0x9A9A9A), 0.5),
          s.area == Area::Retro ? s.groundDark : Hex(0xC8553D)};
}

void MapFill(cairo_t* cr, Rgb c, double alpha) {
  SetRgb(cr, c, alpha);
  cairo_fill(cr);
}

void MapShadow(cairo_t* cr, const MapColors& m, double x, double y, double rx, double ry) {
  Ellipse(cr, x, y, rx, ry);
  MapFill(cr, m.ink, 0.25);
}

void MapTree(cairo_t* cr, const MapColors& m, double x, double y, double r) {
  Rect(cr, x - 1, y + r * 0.6, 2, r * 0.9, Hex(0x6E4B2A));
  Ellipse(cr, x, y, r, r);
  FillOutline(cr, m.tree, m.ink, 1.2);
  Highlight(cr, x - r * 0.35, y - r * 0.35, r * 0.35, r * 0.25, 0.4);
}

namespace {

constexpr double kTau = 2 * M_PI;

// Ground with a faint stipple, kept inside the cell so neighbours join.
void Ground(cairo_t* cr, Rgb c, uint32_t seed, int marks) {
  Rect(cr, 0, 0, 32, 32, c);
  Rng rng(seed);
  for (int i = 0; i < marks; ++i) {
    double x = rng.Uniform(4, 28), y = rng.Uniform(4, 28);
    Ellipse(cr, x, y, 1.1, 0.8);
    SetRgb(cr, Darker(c, 0.12), 0.8);
    cairo_fill(cr);
  }
}

void Sea(cairo_t* cr, const MapColors& m, bool waves) {
  Rect(cr, 0, 0, 32, 32, m.sea);
  if (!waves) return;
  for (auto [x, y] : {std::pair{8.0, 10.0}, std::pair{20.0, 22.0}}) {
    cairo_new_path(cr);
    cairo_move_to(cr, x - 5, y);
    cairo_curve_to(cr, x - 3, y - 3, x - 1, y - 3, x, y);
    cairo_curve_to(cr, x + 1, y - 3, x + 3, y - 3, x + 5, y);
    Stroke(cr, Lighter(m.sea, 0.45), 1.2);
  }
}

// The sides of a cell on which something ends.
struct Sides {
  bool n, s, w, e;
};

// The line where land meets sea, or a region its surroundings: `base` pixels
// in from the open side, moved by a wave, by round bumps (clouds, tree tops)
// or by a zigzag. Periods divide 32, so neighbouring cells join.
enum class ShoreKind { Wave, Bumps, Zigzag };
struct Shore {
  double base, amp, period;
  ShoreKind kind;
  double Inset(double t) const {
    double u = std::fmod(t + 64, period) / period;
    switch (kind) {
      case ShoreKind::Bumps: return base - amp * std::sin(M_PI * u);
      case ShoreKind::Zigzag: return base + amp * (1 - 2 * std::abs(2 * u - 1));
      case ShoreKind::Wave: break;
    }
    return base + amp * std::sin(kTau * u);
  }
};

constexpr Shore kCoastShore{10, 1.6, 16, ShoreKind::Wave};

// Clips to the inside of a region that ends on the open sides, grown by
// `grow` pixels towards them; where two open sides meet the corner is round.
void ClipRegion(cairo_t* cr, Sides open, const Shore& shore, double grow) {
  auto side = [&](bool isOpen, auto point) {
    if (!isOpen) return;
    cairo_new_path(cr);
    for (double t = -1; t <= 33; t += 0.5) point(t, shore.Inset(t) - grow);
    cairo_close_path(cr);
    cairo_clip(cr);
  };
  side(open.n, [&](double t, double d) {
    if (t == -1) cairo_move_to(cr, -1, 40);
    cairo_line_to(cr, t, d);
    if (t == 33) cairo_line_to(cr, 33, 40);
  });
  side(open.s, [&](double t, double d) {
    if (t == -1) cairo_move_to(cr, -1, -8);
    cairo_line_to(cr, t, 32 - d);
    if (t == 33) cairo_line_to(cr, 33, -8);
  });
  side(open.w, [&](double t, double d) {
    if (t == -1) cairo_move_to(cr, 40, -1);
    cairo_line_to(cr, d, t);
    if (t == 33) cairo_line_to(cr, 40, 33);
  });
  side(open.e, [&](double t, double d) {
    if (t == -1) cairo_move_to(cr, -8, -1);
    cairo_line_to(cr, 32 - d, t);
    if (t == 33) cairo_line_to(cr, -8, 33);
  });
  if ((open.n || open.s) && (open.w || open.e)) {
    double r = std::max(0.0, 12 + grow), in = shore.base - grow;
    double x0 = open.w ? in : -20, x1 = open.e ? 32 - in : 52;
    double y0 = open.n ? in : -20, y1 = open.s ? 32 - in : 52;
    cairo_new_path(cr);
    RoundRect(cr, x0, y0, x1 - x0, y1 - y0, r);
    cairo_clip(cr);
  }
}

// The bands from open water to dry land: shallows, beach, outline, land.
template <typename PaintLand>
void ShoreBands(cairo_t* cr, const MapColors& m, PaintLand land) {
  land(4.5, Lighter(m.sea, 0.3));
  land(2.2, m.sand);
  land(0.9, m.ink);
  land(0, m.land);
}

// Land with sea beyond the given sides. The shore wobbles but meets the cell
// border 10 px in from the open side, so coast cells run into each other.
void Coast(cairo_t* cr, const MapColors& m, Sides open) {
  Rect(cr, 0, 0, 32, 32, m.sea);
  ShoreBands(cr, m, [&](double grow, Rgb c) {
    cairo_save(cr);
    ClipRegion(cr, open, kCoastShore, grow);
    Rect(cr, -1, -1, 34, 34, c);
    cairo_restore(cr);
  });
}

// Land with the sea reaching into one corner: the concave turn of a coast,
// meeting the coast cells beside it 10 px from the corner.
void Bay(cairo_t* cr, const MapColors& m, bool north, bool west) {
  Rect(cr, 0, 0, 32, 32, m.sea);
  double cx = west ? 0 : 32, cy = north ? 0 : 32;
  ShoreBands(cr, m, [&](double grow, Rgb c) {
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_rectangle(cr, -1, -1, 34, 34);
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, kCoastShore.base - grow, 0, kTau);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    MapFill(cr, c);
    cairo_restore(cr);
  });
}

// Dots along a path every 8 pixels, the first 4 pixels from the border, so
// paths of neighbouring cells keep the same rhythm.
void Dot(cairo_t* cr, const MapColors& m, double x, double y) {
  Ellipse(cr, x, y, 2.4, 2.4);
  FillOutline(cr, m.path, m.ink, 1.2);
}

void PathLine(cairo_t* cr, const MapColors& m, bool horizontal) {
  for (double t = 4; t < 32; t += 8) horizontal ? Dot(cr, m, t, 16) : Dot(cr, m, 16, t);
}

// A quarter-circle path joining the midpoints of two sides.
void PathCorner(cairo_t* cr, const MapColors& m, bool north, bool east) {
  double cx = east ? 32 : 0, cy = north ? 0 : 32;
  double a0 = north ? (east ? M_PI / 2 : 0) : (east ? M_PI : 1.5 * M_PI);
  for (int k = 0; k < 4; ++k) {
    double a = a0 + (k + 0.5) * (M_PI / 2) / 4;
    Dot(cr, m, cx + 16 * std::cos(a), cy + 16 * std::sin(a));
  }
}

void MapBridge(cairo_t* cr, const MapColors& m, bool horizontal) {
  cairo_save(cr);
  if (!horizontal) {
    cairo_translate(cr, 32, 0);
    cairo_rotate(cr, M_PI / 2);
  }
  Rgb wood = Hex(0xA57A4A);
  for (double x = 1; x < 32; x += 5) {
    cairo_new_path(cr);
    cairo_rectangle(cr, x, 10, 4, 12);
    FillOutline(cr, wood, m.ink, 1);
  }
  Rect(cr, -1, 9, 34, 1.8, m.ink);
  Rect(cr, -1, 21.2, 34, 1.8, m.ink);
  cairo_restore(cr);
}

void Node(cairo_t* cr, const MapColors& m) {
  Ellipse(cr, 16, 18, 11, 8);
  SetRgb(cr, m.ink, 0.3);
  cairo_fill(cr);
  Ellipse(cr, 16, 16, 10, 8);
  FillOutline(cr, m.path, m.ink, 1.6);
  Ellipse(cr, 16, 16, 5.5, 4);
  FillOutline(cr, Lighter(m.path, 0.4), m.ink, 1);
}

void Hill(cairo_t* cr, const MapColors& m) {
  cairo_new_path(cr);
  cairo_move_to(cr, 2, 27);
  cairo_curve_to(cr, 6, 8, 26, 8, 30, 27);
  cairo_close_path(cr);
  FillGradientOutline(cr, 10, Lighter(m.land, 0.2), 27, Darker(m.land, 0.2), m.ink, 1.4);
  cairo_new_path(cr);
  cairo_move_to(cr, 9, 18);
  cairo_curve_to(cr, 12, 14, 16, 13, 19, 14);
  Stroke(cr, Lighter(m.land, 0.5), 1.2, 0.8);
}

void Mountain(cairo_t* cr, const MapColors& m) {
  cairo_new_path(cr);
  cairo_move_to(cr, 1, 29);
  cairo_line_to(cr, 14, 4);
  cairo_line_to(cr, 31, 29);
  cairo_close_path(cr);
  FillGradientOutline(cr, 4, Lighter(m.rock, 0.15), 29, Darker(m.rock, 0.2), m.ink, 1.4);
  cairo_new_path(cr);
  cairo_move_to(cr, 14, 4);
  cairo_line_to(cr, 19, 11.7);
  cairo_line_to(cr, 16, 10.5);
  cairo_line_to(cr, 13, 12.5);
  cairo_line_to(cr, 10, 11.6);
  cairo_close_path(cr);
  FillOutline(cr, m.snow, m.ink, 1);
  cairo_new_path(cr);
  cairo_move_to(cr, 14, 5);
  cairo_line_to(cr, 22, 28);
  Stroke(cr, m.ink, 0.8, 0.4);
}

void House(cairo_t* cr, const MapColors& m) {
  cairo_new_path(cr);
  cairo_rectangle(cr, 8, 16, 16, 12);
  FillOutline(cr, Hex(0xF2E4C8), m.ink, 1.4);
  cairo_new_path(cr);
  cairo_move_to(cr, 5, 17);
  cairo_line_to(cr, 16, 6);
  cairo_line_to(cr, 27, 17);
  cairo_close_path(cr);
  FillOutline(cr, m.roof, m.ink, 1.4);
  Rect(cr, 14, 21, 4, 7, Hex(0x7A5230));
  Rect(cr, 19, 19, 3, 3, Hex(0x7FB7E0));
}

void Castle(cairo_t* cr, const MapColors& m) {
  Rgb stone = Hex(0xB9B3C4);
  for (double x : {4.0, 22.0}) {
    cairo_new_path(cr);
    cairo_rectangle(cr, x, 10, 6, 19);
    FillOutline(cr, stone, m.ink, 1.2);
    cairo_new_path(cr);
    cairo_move_to(cr, x - 1, 10);
    cairo_line_to(cr, x + 3, 4);
    cairo_line_to(cr, x + 7, 10);
    cairo_close_path(cr);
    FillOutline(cr, m.roof, m.ink, 1.2);
  }
  cairo_new_path(cr);
  cairo_rectangle(cr, 10, 15, 12, 14);
  FillOutline(cr, Darker(stone, 0.08), m.ink, 1.2);
  for (double x : {10.0, 14.5, 19.0}) Rect(cr, x, 13, 3, 2.5, Darker(stone, 0.08));
  cairo_new_path(cr);
  cairo_move_to(cr, 14, 29);
  cairo_line_to(cr, 14, 23);
  cairo_arc(cr, 16, 23, 2, M_PI, 2 * M_PI);
  cairo_line_to(cr, 18, 29);
  cairo_close_path(cr);
  MapFill(cr, m.ink);
  Rect(cr, 16, 2, 0.9, 7, m.ink);
  cairo_new_path(cr);
  cairo_move_to(cr, 16.9, 2);
  cairo_line_to(cr, 22, 3.5);
  cairo_line_to(cr, 16.9, 5);
  MapFill(cr, Hex(0xF2C14E));
}

void Volcano(cairo_t* cr, const MapColors& m) {
  for (auto [x, y, r] : {std::tuple{18.0, 5.0, 3.0}, std::tuple{21.0, 2.5, 2.2}}) {
    Ellipse(cr, x, y, r, r * 0.8);
    SetRgb(cr, Hex(0xBDB6B0), 0.85);
    cairo_fill(cr);
  }
  cairo_new_path(cr);
  cairo_move_to(cr, 1, 29);
  cairo_line_to(cr, 12, 9);
  cairo_line_to(cr, 20, 9);
  cairo_line_to(cr, 31, 29);
  cairo_close_path(cr);
  FillGradientOutline(cr, 9, Hex(0x8A5A44), 29, Hex(0x4E2E22), m.ink, 1.4);
  cairo_new_path(cr);
  cairo_move_to(cr, 12.5, 9.5);
  cairo_line_to(cr, 19.5, 9.5);
  cairo_line_to(cr, 17, 13);
  cairo_line_to(cr, 18, 20);
  cairo_line_to(cr, 15, 14);
  cairo_close_path(cr);
  MapFill(cr, Hex(0xFF7B00));
}

void Palm(cairo_t* cr, const MapColors& m) {
  cairo_new_path(cr);
  cairo_move_to(cr, 14, 29);
  cairo_curve_to(cr, 15, 22, 18, 16, 17, 10);
  Stroke(cr, m.ink, 3.6);
  cairo_move_to(cr, 14, 29);
  cairo_curve_to(cr, 15, 22, 18, 16, 17, 10);
  Stroke(cr, Hex(0xA77B4B), 2);
  for (double a : {-2.6, -1.9, -1.1, -0.4, 0.3}) {
    cairo_new_path(cr);
    double ex = 17 + 11 * std::cos(a), ey = 10 + 8 * std::sin(a) + 4;
    cairo_move_to(cr, 17, 10);
    QuadTo(cr, 17 + 8 * std::cos(a - 0.4), 10 + 8 * std::sin(a - 0.4), ex, ey);
    QuadTo(cr, 17 + 5 * std::cos(a + 0.3), 10 + 5 * std::sin(a + 0.3), 17, 10);
    FillOutline(cr, m.tree, m.ink, 1);
  }
  Ellipse(cr, 14, 29.5, 5, 1.5);
  SetRgb(cr, m.ink, 0.25);
  cairo_fill(cr);
}

// Three paths meeting: the straight one plus a branch to one side.
void PathJunction(cairo_t* cr, const MapColors& m, bool horizontal, double branchAt) {
  PathLine(cr, m, horizontal);
  horizontal ? Dot(cr, m, 16, branchAt) : Dot(cr, m, branchAt, 16);
  Dot(cr, m, 16, 16);
}

// The frame round the whole map, drawn along the top of the cell (turned for
// the other sides): a light rim against the night, a scale of light and dark
// bars every 16 px, and a shadow falling onto the map.
void FrameBand(cairo_t* cr, const MapColors& m) {
  Rect(cr, -1, 0, 34, 3.5, m.path);
  Rect(cr, -1, 3.5, 34, 1.5, m.ink);
  Rect(cr, -1, 5, 17, 5, Lighter(m.path, 0.35));
  Rect(cr, 16, 5, 17, 5, m.ink);
  Rect(cr, -1, 10, 34, 1.5, m.ink);
  Rect(cr, -1, 11.5, 34, 2.5, m.ink, 0.22);
}

// Turns the cell so that its top edge lies on the given side (0 north,
// 1 east, 2 south, 3 west) before calling draw.
template <typename Draw>
void Turned(cairo_t* cr, int quarter, Draw draw) {
  cairo_save(cr);
  cairo_translate(cr, 16, 16);
  cairo_rotate(cr, quarter * M_PI / 2);
  cairo_translate(cr, -16, -16);
  draw();
  cairo_restore(cr);
}

void FrameSide(cairo_t* cr, const MapColors& m, int quarter) {
  Turned(cr, quarter, [&] { FrameBand(cr, m); });
}

// A corner of the frame: both bands, and a square boss with a diamond where
// they meet. `quarter` turns the north-west corner clockwise.
void FrameCorner(cairo_t* cr, const MapColors& m, int quarter) {
  Turned(cr, quarter, [&] {
    FrameBand(cr, m);
    Turned(cr, 3, [&] { FrameBand(cr, m); });
    cairo_new_path(cr);
    cairo_rectangle(cr, 0.5, 0.5, 13, 13);
    FillOutline(cr, m.path, m.ink, 1.4);
    cairo_new_path(cr);
    cairo_move_to(cr, 7, 2.5);
    cairo_line_to(cr, 11.5, 7);
    cairo_line_to(cr, 7, 11.5);
    cairo_line_to(cr, 2.5, 7);
    cairo_close_path(cr);
    FillOutline(cr, Hex(0xC8553D), m.ink, 1);
  });
}

// A wide sandy beach over a coast cell: sand from the shore some pixels
// inland, then the coast's own plain land again, so only the beach changes.
constexpr double kBeachWidth = 15;

void Beach(cairo_t* cr, const MapColors& m, Sides open) {
  for (auto [grow, c] : {std::pair{0.0, m.sand}, std::pair{-kBeachWidth, m.land}}) {
    cairo_save(cr);
    ClipRegion(cr, open, kCoastShore, grow);
    Rect(cr, -1, -1, 34, 34, c);
    cairo_restore(cr);
  }
}

void BeachBay(cairo_t* cr, const MapColors& m, bool north, bool west) {
  double cx = west ? 0 : 32, cy = north ? 0 : 32;
  for (auto [radius, c] : {std::pair{kCoastShore.base, m.sand}, std::pair{kCoastShore.base + kBeachWidth, m.land}}) {
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_rectangle(cr, -1, -1, 34, 34);
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, radius, 0, kTau);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    MapFill(cr, c);
    cairo_restore(cr);
  }
}

// The grounds of the regions, laid over the land: each has its colour, its
// texture and the shape of its edge.
enum class Region { Sand, Snow, Ash, Dusk, Jungle, Cloud, Weird };

Rgb RegionColor(const MapColors& m, Region r) {
  switch (r) {
    case Region::Sand: return m.sand;
    case Region::Snow: return m.snow;
    case Region::Ash: return Hex(0x735A4E);
    case Region::Dusk: return Hex(0x7E719C);
    case Region::Jungle: return Hex(0x5F9A45);
    case Region::Cloud: return Hex(0xD3EAFA);
    case Region::Weird: return Hex(0xC77DFF);
  }
  return m.land;
}

Shore RegionShore(Region r) {
  switch (r) {
    case Region::Sand: return {10, 1.5, 16, ShoreKind::Wave};
    case Region::Snow: return {10, 1.2, 32, ShoreKind::Wave};
    case Region::Ash: return {10, 1.8, 8, ShoreKind::Zigzag};
    case Region::Dusk: return {10, 2.0, 16, ShoreKind::Wave};
    case Region::Jungle: return {11, 3.0, 8, ShoreKind::Bumps};
    case Region::Cloud: return {12, 4.5, 16, ShoreKind::Bumps};
    case Region::Weird: return {10, 2.5, 32, ShoreKind::Wave};
  }
  return kCoastShore;
}

// Clouds end in a broad white rim, the others in a thin line.
double RegionEdgeWidth(Region r) { return r == Region::Cloud ? 3.2 : 1.3; }

Rgb RegionEdgeColor(const MapColors& m, Region r) {
  if (r == Region::Weird) return Hex(0x72EFDD);
  if (r == Region::Cloud) return Hex(0xFFFFFF);
  return Mix(RegionColor(m, r), m.ink, 0.45);
}

void RegionGround(cairo_t* cr, const MapColors& m, Region r, uint32_t seed) {
  Rgb c = RegionColor(m, r);
  Rng rng(seed);
  switch (r) {
    case Region::Sand: Ground(cr, c, seed, 6); break;
    case Region::Snow:
      Ground(cr, c, seed, 0);
      for (auto [x, y] : {std::pair{8.0, 9.0}, std::pair{22.0, 14.0}, std::pair{13.0, 24.0}}) {
        cairo_new_path(cr);
        cairo_move_to(cr, x - 3, y);
        cairo_curve_to(cr, x - 1, y - 2, x + 1, y - 2, x + 3, y);
        Stroke(cr, Hex(0xB9CDE0), 1.1);
      }
      break;
    case Region::Ash:
      Ground(cr, c, seed, 6);
      for (int i = 0; i < 2; ++i) {
        Ellipse(cr, rng.Uniform(5, 27), rng.Uniform(5, 27), 1.1, 1.1);
        MapFill(cr, Hex(0xFF9A2E), 0.9);
      }
      break;
    case Region::Dusk:
      Ground(cr, c, seed, 4);
      for (int i = 0; i < 2; ++i) {
        double x = rng.Uniform(6, 26), y = rng.Uniform(8, 28);
        cairo_new_path(cr);
        cairo_move_to(cr, x - 2, y);
        cairo_line_to(cr, x - 1, y - 3);
        cairo_move_to(cr, x + 1, y);
        cairo_line_to(cr, x + 2, y - 3);
        Stroke(cr, Darker(c, 0.3), 1);
      }
      break;
    case Region::Jungle:
      Ground(cr, c, seed, 0);
      for (int i = 0; i < 4; ++i) {
        double x = rng.Uniform(5, 27), y = rng.Uniform(5, 27);
        Ellipse(cr, x, y, 3.2, 2.4);
        MapFill(cr, Darker(c, 0.18));
        Ellipse(cr, x - 0.8, y - 0.8, 1.6, 1.0);
        MapFill(cr, Lighter(c, 0.25));
      }
      break;
    case Region::Cloud:
      // Pale sky with white wisps drifting through it.
      Ground(cr, c, seed, 0);
      for (int i = 0; i < 2; ++i) {
        double x = rng.Uniform(9, 23), y = rng.Uniform(7, 25);
        cairo_new_path(cr);
        cairo_move_to(cr, x - 7, y + 1);
        cairo_curve_to(cr, x - 4, y - 2, x - 1, y - 2, x + 1, y);
        cairo_curve_to(cr, x + 3, y + 2, x + 5, y + 1, x + 7, y - 1);
        Stroke(cr, Hex(0xFFFFFF), 1.8, 0.85);
      }
      break;
    case Region::Weird:
      for (int j = 0; j < 4; ++j)
        for (int i = 0; i < 4; ++i) Rect(cr, i * 8, j * 8, 8, 8, (i + j) % 2 ? Hex(0xB565F5) : c);
      break;
  }
}

// A region's concave corner: the region everywhere but in one corner, where
// its edge turns round the land, meeting the edge cells beside it.
void RegionInnerCorner(cairo_t* cr, const MapColors& m, Region r, bool north, bool west, uint32_t seed) {
  double cx = west ? 0 : 32, cy = north ? 0 : 32, radius = RegionShore(r).Inset(0);
  auto outside = [&](double grow) {
    cairo_new_path(cr);
    cairo_rectangle(cr, -1, -1, 34, 34);
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, radius - grow, 0, kTau);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  };
  cairo_save(cr);
  outside(RegionEdgeWidth(r));
  MapFill(cr, RegionEdgeColor(m, r));
  outside(0);
  cairo_clip(cr);
  RegionGround(cr, m, r, seed);
  cairo_restore(cr);
}

constexpr Sides kEdgeSides[8] = {{true, false, true, false},  {true, false, false, false},
                                 {true, false, false, true},  {false, false, true, false},
                                 {false, false, false, true}, {false, true, true, false},
                                 {false, true, false, false}, {false, true, false, true}};

// A region's edge over the land: the region's ground inside, an outline
// along its shore, and nothing beyond, so the land shows through.
void RegionEdge(cairo_t* cr, const MapColors& m, Region r, int which, uint32_t seed) {
  Sides open = kEdgeSides[which];
  Shore shore = RegionShore(r);
  cairo_save(cr);
  ClipRegion(cr, open, shore, RegionEdgeWidth(r));
  Rect(cr, -1, -1, 34, 34, RegionEdgeColor(m, r));
  cairo_restore(cr);
  cairo_save(cr);
  ClipRegion(cr, open, shore, 0);
  RegionGround(cr, m, r, seed);
  cairo_restore(cr);
}

}  // namespace

void DrawMapCell(cairo_t* cr, const Style& s, int cell) {
  MapColors m = MapColorsOf(s);
  uint32_t seed = static_cast<uint32_t>(static_cast<int>(s.area) * 1000 + cell);
  switch (cell) {
    case 80: Ground(cr, m.land, seed, 3); break;
    case 81:
      Ground(cr, m.land, seed, 2);
      for (auto [x, y] : {std::pair{9.0, 12.0}, std::pair{21.0, 22.0}}) {
        cairo_new_path(cr);
        cairo_move_to(cr, x - 3, y);
        cairo_line_to(cr, x - 1.5, y - 4);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x, y - 5);
        cairo_move_to(cr, x + 3, y);
        cairo_line_to(cr, x + 1.5, y - 4);
        Stroke(cr, Darker(m.land, 0.3), 1.1);
      }
      break;
    case 82: Sea(cr, m, false); break;
    case 83: Sea(cr, m, true); break;
    case 84: Coast(cr, m, {true, false, false, false}); break;
    case 85: Coast(cr, m, {false, true, false, false}); break;
    case 86: Coast(cr, m, {false, false, true, false}); break;
    case 87: Coast(cr, m, {false, false, false, true}); break;
    case 88: Coast(cr, m, {true, false, true, false}); break;
    case 89: Coast(cr, m, {true, false, false, true}); break;
    case 90: Coast(cr, m, {false, true, true, false}); break;
    case 91: Coast(cr, m, {false, true, false, true}); break;
    case 92: PathLine(cr, m, true); break;
    case 93: PathLine(cr, m, false); break;
    case 94:
      PathLine(cr, m, true);
      for (double t : {4.0, 12.0, 20.0, 28.0})
        if (t != 12.0 && t != 20.0) Dot(cr, m, 16, t);
      Dot(cr, m, 16, 16);
      break;
    case 95: Node(cr, m); break;
    case 96: PathCorner(cr, m, true, true); break;
    case 97: PathCorner(cr, m, true, false); break;
    case 98: PathCorner(cr, m, false, true); break;
    case 99: PathCorner(cr, m, false, false); break;
    case 100: MapBridge(cr, m, true); break;
    case 101: MapBridge(cr, m, false); break;
    case 102: MapTree(cr, m, 16, 15, 8); break;
    case 103:
      MapTree(cr, m, 10, 11, 6);
      MapTree(cr, m, 22, 12, 6.5);
      MapTree(cr, m, 15, 20, 6.5);
      break;
    case 104: Hill(cr, m); break;
    case 105: Mountain(cr, m); break;
    case 106: House(cr, m); break;
    case 107: Castle(cr, m); break;
    case 108: Volcano(cr, m); break;
    case 109: Palm(cr, m); break;
    case 110: Ground(cr, m.sand, seed, 6); break;
    case 111: RegionGround(cr, m, Region::Snow, seed); break;
    case 128: Bay(cr, m, true, true); break;
    case 129: Bay(cr, m, true, false); break;
    case 130: Bay(cr, m, false, true); break;
    case 131: Bay(cr, m, false, false); break;
    case 132: PathJunction(cr, m, true, 4); break;
    case 133: PathJunction(cr, m, true, 28); break;
    case 134: PathJunction(cr, m, false, 4); break;
    case 135: PathJunction(cr, m, false, 28); break;
    case 136: FrameCorner(cr, m, 0); break;
    case 137: FrameSide(cr, m, 0); break;
    case 138: FrameCorner(cr, m, 1); break;
    case 139: FrameSide(cr, m, 3); break;
    case 140: FrameSide(cr, m, 1); break;
    case 141: FrameCorner(cr, m, 3); break;
    case 142: FrameSide(cr, m, 2); break;
    case 143: FrameCorner(cr, m, 2); break;
    default:
      if (cell >= 144 && cell < 200) {
        RegionEdge(cr, m, static_cast<Region>((cell - 144) / 8), (cell - 144) % 8, seed);
      } else if (cell >= 200 && cell < 205) {
        constexpr Region kGrounds[] = {Region::Ash, Region::Dusk, Region::Jungle, Region::Cloud,
                                       Region::Weird};
        RegionGround(cr, m, kGrounds[cell - 200], seed);
      } else if (cell >= 205 && cell < 256) {
        DrawMapLandmark(cr, m, cell);
      } else if (cell >= 256 && cell < 284) {
        int corner = (cell - 256) % 4;
        RegionInnerCorner(cr, m, static_cast<Region>((cell - 256) / 4), corner < 2, corner % 2 == 0, seed);
      } else if (cell >= 288 && cell < 296) {
        Beach(cr, m, kEdgeSides[cell - 288]);
      } else if (cell >= 296 && cell < 300) {
        BeachBay(cr, m, cell < 298, cell % 2 == 0);
      }
      break;
  }
}

}  // namespace forge::art::tiles
