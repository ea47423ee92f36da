// The world map's cells: an illustrated map of land, sea and coasts (opaque,
// the ground layer) and paths, bridges, nodes and landmarks drawn over any
// ground (clear around them, a layer above). Every sheet carries them; the
// MAP sheet in the map's own colours, the others in their area's.
#include <cmath>
#include <tuple>
#include <utility>

#include "pictures/tilesets.h"

namespace forge::art::tiles {
namespace {

constexpr double kTau = 2 * M_PI;

struct MapColors {
  Rgb land, sea, path, ink, sand, snow, tree, rock, roof;
};

MapColors ColorsOf(const Style& s) {
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

void Fill(cairo_t* cr, Rgb c) {
  SetRgb(cr, c);
  cairo_fill(cr);
}

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

// Land with sea beyond the given sides. The shore wobbles but meets the cell
// border 10 px in from the open side, so coast cells run into each other.
void Coast(cairo_t* cr, const MapColors& m, bool n, bool s, bool w, bool e) {
  Rect(cr, 0, 0, 32, 32, m.sea);
  auto shore = [](double t) { return 10 + 1.6 * std::sin(kTau * t / 16); };
  // Paints the land grown by `grow` pixels towards the sea.
  auto land = [&](double grow, Rgb c) {
    cairo_save(cr);
    auto side = [&](bool open, auto point) {
      if (!open) return;
      cairo_new_path(cr);
      for (double t = -1; t <= 33; t += 1) point(t, shore(t) - grow);
      cairo_close_path(cr);
      cairo_clip(cr);
    };
    side(n, [&](double t, double d) {
      if (t == -1) cairo_move_to(cr, -1, 40);
      cairo_line_to(cr, t, d);
      if (t == 33) cairo_line_to(cr, 33, 40);
    });
    side(s, [&](double t, double d) {
      if (t == -1) cairo_move_to(cr, -1, -8);
      cairo_line_to(cr, t, 32 - d);
      if (t == 33) cairo_line_to(cr, 33, -8);
    });
    side(w, [&](double t, double d) {
      if (t == -1) cairo_move_to(cr, 40, -1);
      cairo_line_to(cr, d, t);
      if (t == 33) cairo_line_to(cr, 40, 33);
    });
    side(e, [&](double t, double d) {
      if (t == -1) cairo_move_to(cr, -8, -1);
      cairo_line_to(cr, 32 - d, t);
      if (t == 33) cairo_line_to(cr, -8, 33);
    });
    if ((n || s) && (w || e)) {
      // The outer corner of the land is round.
      double r = 12 + grow;
      double x0 = w ? 10 - grow : -20, x1 = e ? 22 + grow : 52;
      double y0 = n ? 10 - grow : -20, y1 = s ? 22 + grow : 52;
      cairo_new_path(cr);
      RoundRect(cr, x0, y0, x1 - x0, y1 - y0, r);
      cairo_clip(cr);
    }
    Rect(cr, -1, -1, 34, 34, c);
    cairo_restore(cr);
  };
  land(4.5, Lighter(m.sea, 0.3));
  land(2.2, m.sand);
  land(0.9, m.ink);
  land(0, m.land);
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

void Tree(cairo_t* cr, const MapColors& m, double x, double y, double r) {
  Rect(cr, x - 1, y + r * 0.6, 2, r * 0.9, Hex(0x6E4B2A));
  Ellipse(cr, x, y, r, r);
  FillOutline(cr, m.tree, m.ink, 1.2);
  Highlight(cr, x - r * 0.35, y - r * 0.35, r * 0.35, r * 0.25, 0.4);
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
  Fill(cr, m.ink);
  Rect(cr, 16, 2, 0.9, 7, m.ink);
  cairo_new_path(cr);
  cairo_move_to(cr, 16.9, 2);
  cairo_line_to(cr, 22, 3.5);
  cairo_line_to(cr, 16.9, 5);
  Fill(cr, Hex(0xF2C14E));
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
  Fill(cr, Hex(0xFF7B00));
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

}  // namespace

void DrawMapCell(cairo_t* cr, const Style& s, int cell) {
  MapColors m = ColorsOf(s);
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
    case 84: Coast(cr, m, true, false, false, false); break;
    case 85: Coast(cr, m, false, true, false, false); break;
    case 86: Coast(cr, m, false, false, true, false); break;
    case 87: Coast(cr, m, false, false, false, true); break;
    case 88: Coast(cr, m, true, false, true, false); break;
    case 89: Coast(cr, m, true, false, false, true); break;
    case 90: Coast(cr, m, false, true, true, false); break;
    case 91: Coast(cr, m, false, true, false, true); break;
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
    case 102: Tree(cr, m, 16, 15, 8); break;
    case 103:
      Tree(cr, m, 10, 11, 6);
      Tree(cr, m, 22, 12, 6.5);
      Tree(cr, m, 15, 20, 6.5);
      break;
    case 104: Hill(cr, m); break;
    case 105: Mountain(cr, m); break;
    case 106: House(cr, m); break;
    case 107: Castle(cr, m); break;
    case 108: Volcano(cr, m); break;
    case 109: Palm(cr, m); break;
    case 110: Ground(cr, m.sand, seed, 6); break;
    case 111:
      Ground(cr, m.snow, seed, 0);
      for (auto [x, y] : {std::pair{8.0, 9.0}, std::pair{22.0, 14.0}, std::pair{13.0, 24.0}}) {
        cairo_new_path(cr);
        cairo_move_to(cr, x - 3, y);
        cairo_curve_to(cr, x - 1, y - 2, x + 1, y - 2, x + 3, y);
        Stroke(cr, Hex(0xB9CDE0), 1.1);
      }
      break;
    default: break;
  }
}

}  // namespace forge::art::tiles
