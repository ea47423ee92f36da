// The world map's landmarks: one small picture a region can be told by, or a
// big one of 2 by 2 cells, drawn over the ground with a clear background. Light
// comes from the upper left; everything has the map's brown outline.
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <tuple>
#include <utility>

#include "pictures/tilesets_map.h"

namespace forge::art::tiles {
namespace {

constexpr double kTau = 2 * M_PI;

void Poly(cairo_t* cr, std::initializer_list<std::pair<double, double>> points) {
  cairo_new_path(cr);
  bool first = true;
  for (auto [x, y] : points) {
    if (first)
      cairo_move_to(cr, x, y);
    else
      cairo_line_to(cr, x, y);
    first = false;
  }
  cairo_close_path(cr);
}

void Line(cairo_t* cr, double x0, double y0, double x1, double y1, Rgb c, double w, double a = 1) {
  cairo_new_path(cr);
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1, y1);
  Stroke(cr, c, w, a);
}

// Little arcs on the water round something standing in the sea.
void Ripples(cairo_t* cr, const MapColors& m, double x, double y, double w) {
  for (double dx : {-w, w}) {
    cairo_new_path(cr);
    cairo_move_to(cr, x + dx - 3, y);
    cairo_curve_to(cr, x + dx - 1, y - 1.5, x + dx + 1, y - 1.5, x + dx + 3, y);
    Stroke(cr, Lighter(m.sea, 0.6), 1.2);
  }
}

// ---- single cells -------------------------------------------------------

void Eye(cairo_t* cr, const MapColors& m) {
  MapShadow(cr, m, 16, 29, 6, 1.8);
  cairo_new_path(cr);
  cairo_move_to(cr, 13, 29);
  cairo_curve_to(cr, 12, 24, 18, 20, 15.5, 15);
  cairo_line_to(cr, 18.5, 15);
  cairo_curve_to(cr, 21, 20, 16, 24, 18, 29);
  cairo_close_path(cr);
  FillOutline(cr, Hex(0x9D4EDD), m.ink, 1.2);
  Ellipse(cr, 17, 10.5, 8, 6);
  FillOutline(cr, Hex(0xFFFFFF), m.ink, 1.3);
  Ellipse(cr, 18, 11, 3.6, 3.6);
  MapFill(cr, Hex(0x72EFDD));
  Ellipse(cr, 18.4, 11.2, 1.8, 1.8);
  MapFill(cr, Hex(0x240046));
  Ellipse(cr, 16.6, 9.6, 1, 0.8);
  MapFill(cr, Hex(0xFFFFFF));
  for (double a : {-2.4, -1.9, -1.4, -0.9})
    Line(cr, 17 + 8 * std::cos(a), 10.5 + 6 * std::sin(a), 17 + 10.5 * std::cos(a),
         10.5 + 8.5 * std::sin(a), m.ink, 1);
}

void Swirl(cairo_t* cr, const MapColors& m) {
  auto spiral = [&] {
    cairo_new_path(cr);
    for (double a = 0; a < 3.2 * M_PI; a += 0.1) {
      double r = 1.5 + a * 1.15;
      double x = 16 + r * std::cos(a), y = 16 + r * std::sin(a) * 0.8;
      a == 0 ? cairo_move_to(cr, x, y) : cairo_line_to(cr, x, y);
    }
  };
  spiral();
  Stroke(cr, m.ink, 4.6);
  spiral();
  Stroke(cr, Hex(0x72EFDD), 2.6);
  Ellipse(cr, 16, 16, 1.6, 1.6);
  MapFill(cr, Hex(0xFF7BD5));
}

void Serpent(cairo_t* cr, const MapColors& m) {
  Rgb skin = Hex(0x5FA36A);
  for (auto [x, r] : {std::pair{7.0, 4.5}, std::pair{17.0, 5.5}}) {
    cairo_new_path(cr);
    cairo_arc(cr, x, 21, r, M_PI, 0);
    cairo_arc_negative(cr, x, 21, r - 3.2, 0, M_PI);
    cairo_close_path(cr);
    FillOutline(cr, skin, m.ink, 1.2);
    Ripples(cr, m, x, 22, r + 1.5);
  }
  // The head rising on the right.
  cairo_new_path(cr);
  cairo_move_to(cr, 24, 22);
  cairo_curve_to(cr, 24, 14, 25, 9, 28, 8);
  cairo_curve_to(cr, 31.5, 8, 31.5, 12, 29, 12.5);
  cairo_curve_to(cr, 28, 15, 28, 19, 28, 22);
  cairo_close_path(cr);
  FillOutline(cr, skin, m.ink, 1.2);
  Ellipse(cr, 28.2, 9.8, 0.9, 0.9);
  MapFill(cr, m.ink);
  Poly(cr, {{25, 10}, {23, 6.5}, {26.5, 8.5}});
  FillOutline(cr, Hex(0xFFB347), m.ink, 0.8);
  Ripples(cr, m, 26, 22.5, 3);
}

void Mushroom(cairo_t* cr, const MapColors& m) {
  MapShadow(cr, m, 16, 28, 8, 2);
  cairo_new_path(cr);
  cairo_rectangle(cr, 13, 16, 6, 12);
  FillOutline(cr, Hex(0xF4E9D4), m.ink, 1.2);
  cairo_new_path(cr);
  cairo_move_to(cr, 4, 18);
  cairo_curve_to(cr, 4, 5, 28, 5, 28, 18);
  cairo_close_path(cr);
  FillOutline(cr, Hex(0xD9483B), m.ink, 1.4);
  for (auto [x, y, r] :
       {std::tuple{10.0, 13.0, 2.0}, std::tuple{17.0, 9.5, 2.2}, std::tuple{23.0, 14.0, 1.6}}) {
    Ellipse(cr, x, y, r, r * 0.8);
    MapFill(cr, Hex(0xFFF6E8));
  }
}

void DeadTree(cairo_t* cr, const MapColors& m) {
  MapShadow(cr, m, 15, 29, 7, 1.8);
  Rgb bark = Hex(0x4A4058);
  auto branch = [&](double x0, double y0, double x1, double y1, double cx, double cy, double w) {
    cairo_new_path(cr);
    cairo_move_to(cr, x0, y0);
    QuadTo(cr, cx, cy, x1, y1);
    Stroke(cr, m.ink, w + 1.6);
    cairo_new_path(cr);
    cairo_move_to(cr, x0, y0);
    QuadTo(cr, cx, cy, x1, y1);
    Stroke(cr, bark, w);
  };
  branch(15, 29, 16, 10, 12, 20, 3.2);
  branch(15, 17, 6, 9, 9, 16, 1.6);
  branch(16, 13, 25, 6, 22, 13, 1.6);
  branch(8, 11, 5, 5, 5, 9, 1);
  branch(22, 9, 26, 12, 25, 9, 1);
  branch(16, 11, 18, 3, 15, 6, 1.2);
}

void Tombstone(cairo_t* cr, const MapColors& m, double x, double y, double w, double h) {
  cairo_new_path(cr);
  cairo_move_to(cr, x - w / 2, y);
  cairo_line_to(cr, x - w / 2, y - h + w / 2);
  cairo_arc(cr, x, y - h + w / 2, w / 2, M_PI, 0);
  cairo_line_to(cr, x + w / 2, y);
  cairo_close_path(cr);
  FillGradientOutline(cr, y - h, Hex(0xC4C0D2), y, Hex(0x8C879E), m.ink, 1.2);
  Line(cr, x - w / 4, y - h + w / 2 + 1.5, x + w / 4, y - h + w / 2 + 1.5, Hex(0x6E6884), 0.9);
}

void Graves(cairo_t* cr, const MapColors& m) {
  Ellipse(cr, 16, 27, 13, 3.2);
  MapFill(cr, Hex(0x5B4F75), 0.6);
  Tombstone(cr, m, 9, 26, 8, 13);
  Tombstone(cr, m, 21, 28, 7, 10);
  // A leaning cross.
  cairo_save(cr);
  cairo_translate(cr, 27, 24);
  cairo_rotate(cr, 0.2);
  cairo_new_path(cr);
  cairo_rectangle(cr, -1.3, -10, 2.6, 12);
  cairo_rectangle(cr, -4, -7.5, 8, 2.4);
  FillOutline(cr, Hex(0x8C7A6A), m.ink, 1);
  cairo_restore(cr);
}

void Cactus(cairo_t* cr, const MapColors& m) {
  MapShadow(cr, m, 16, 29, 7, 1.8);
  Rgb green = Hex(0x4F9A5A);
  cairo_new_path(cr);
  RoundRect(cr, 12.5, 4, 7, 25, 3.5);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 13, 19);
  cairo_line_to(cr, 8, 19);
  cairo_arc(cr, 8, 15, 3, M_PI / 2, M_PI);
  cairo_line_to(cr, 5, 10);
  cairo_arc(cr, 7.5, 10, 2.5, M_PI, 0);
  cairo_line_to(cr, 10, 15.5);
  cairo_line_to(cr, 13, 15.5);
  cairo_close_path(cr);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 19, 16);
  cairo_line_to(cr, 23, 16);
  cairo_arc_negative(cr, 23, 12, 3, M_PI / 2, 0);
  cairo_line_to(cr, 26, 7);
  cairo_arc_negative(cr, 23.5, 7, 2.5, 0, M_PI);
  cairo_line_to(cr, 21, 12.5);
  cairo_line_to(cr, 19, 12.5);
  cairo_close_path(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  FillOutline(cr, green, m.ink, 1.3);
  Line(cr, 16, 7, 16, 27, Darker(green, 0.25), 1);
  Highlight(cr, 14.5, 9, 1, 3, 0.35);
}

void Dunes(cairo_t* cr, const MapColors& m) {
  auto dune = [&](double x0, double x1, double top, double y) {
    double peak = x0 + (x1 - x0) * 0.4;
    cairo_new_path(cr);
    cairo_move_to(cr, x0, y);
    cairo_curve_to(cr, x0 + 3, y - 2, peak - 4, top, peak, top);
    cairo_curve_to(cr, peak + 4, top, x1 - 3, y - 2, x1, y);
    cairo_close_path(cr);
    FillOutline(cr, Hex(0xE9C37C), m.ink, 1.2);
    // The shaded lee side.
    cairo_new_path(cr);
    cairo_move_to(cr, peak, top + 0.6);
    cairo_curve_to(cr, peak + 4, top, x1 - 3, y - 2, x1 - 0.6, y - 0.6);
    cairo_line_to(cr, peak + 2, y - 0.6);
    cairo_close_path(cr);
    MapFill(cr, Hex(0xC79A55), 0.8);
  };
  dune(9, 31, 15, 26);
  dune(1, 21, 12, 28);
}

void Ruin(cairo_t* cr, const MapColors& m) {
  Rgb stone = Hex(0xDCCFAF);
  MapShadow(cr, m, 16, 28.5, 13, 2);
  cairo_new_path(cr);
  cairo_rectangle(cr, 5, 8, 6, 20);
  FillGradientOutline(cr, 8, Lighter(stone, 0.2), 28, Darker(stone, 0.15), m.ink, 1.2);
  cairo_new_path(cr);
  cairo_rectangle(cr, 3.5, 5, 9, 3.5);
  FillOutline(cr, stone, m.ink, 1.2);
  Poly(cr, {{18, 28}, {18, 15}, {20, 13}, {22, 16}, {24, 14}, {24, 28}});
  FillGradientOutline(cr, 13, Lighter(stone, 0.2), 28, Darker(stone, 0.15), m.ink, 1.2);
  cairo_save(cr);
  cairo_translate(cr, 26, 25);
  cairo_rotate(cr, -0.3);
  cairo_new_path(cr);
  cairo_rectangle(cr, -4, -2.5, 8, 5);
  FillOutline(cr, Darker(stone, 0.08), m.ink, 1.1);
  cairo_restore(cr);
  for (double y : {12.0, 17.0, 22.0}) Line(cr, 7, y, 9, y, Darker(stone, 0.3), 0.8);
}

void Idol(cairo_t* cr, const MapColors& m) {
  MapShadow(cr, m, 16, 29, 9, 2);
  Rgb stone = Hex(0x9A9478);
  cairo_new_path(cr);
  cairo_move_to(cr, 8, 29);
  cairo_line_to(cr, 9, 8);
  cairo_curve_to(cr, 9, 3, 23, 3, 23, 8);
  cairo_line_to(cr, 24, 29);
  cairo_close_path(cr);
  FillGradientOutline(cr, 4, Lighter(stone, 0.15), 29, Darker(stone, 0.2), m.ink, 1.3);
  // Moss on the crown.
  cairo_new_path(cr);
  cairo_move_to(cr, 9, 8);
  cairo_curve_to(cr, 9, 3, 23, 3, 23, 8);
  cairo_curve_to(cr, 20, 10, 17, 7.5, 14, 9.5);
  cairo_curve_to(cr, 12, 10.5, 10, 9, 9, 8);
  cairo_close_path(cr);
  FillOutline(cr, Hex(0x6F9A4E), m.ink, 1);
  Rect(cr, 10.5, 13, 4, 2.2, m.ink);
  Rect(cr, 17.5, 13, 4, 2.2, m.ink);
  Poly(cr, {{16, 15}, {14.5, 21}, {17.5, 21}});
  MapFill(cr, Darker(stone, 0.3));
  Rect(cr, 12, 23.5, 8, 1.6, m.ink);
  Ellipse(cr, 12.5, 14, 0.7, 0.7);
  MapFill(cr, Hex(0xE0B040));
  Ellipse(cr, 19.5, 14, 0.7, 0.7);
  MapFill(cr, Hex(0xE0B040));
}

void Parasol(cairo_t* cr, const MapColors& m) {
  cairo_save(cr);
  cairo_translate(cr, 11, 26);
  cairo_rotate(cr, -0.2);
  cairo_new_path(cr);
  cairo_rectangle(cr, -6, -3, 12, 6);
  FillOutline(cr, Hex(0x4CC9F0), m.ink, 1);
  Rect(cr, -6, -0.7, 12, 1.4, Hex(0xFFFFFF));
  cairo_restore(cr);
  Line(cr, 18, 28, 15, 10, m.ink, 2.4);
  Line(cr, 18, 28, 15, 10, Hex(0xB07A45), 1.2);
  // The canopy: red and white gores.
  double cx = 15, cy = 11;
  for (int k = 0; k < 5; ++k) {
    double a0 = M_PI + k * M_PI / 5, a1 = a0 + M_PI / 5;
    cairo_new_path(cr);
    cairo_move_to(cr, cx, cy - 0.5);
    cairo_arc(cr, cx, cy, 11, a0, a1);
    cairo_close_path(cr);
    MapFill(cr, k % 2 ? Hex(0xFFFFFF) : Hex(0xFF6F59));
  }
  cairo_new_path(cr);
  cairo_arc(cr, cx, cy, 11, M_PI, 0);
  cairo_close_path(cr);
  Stroke(cr, m.ink, 1.3);
}

void Ship(cairo_t* cr, const MapColors& m) {
  Ripples(cr, m, 16, 26, 11);
  cairo_new_path(cr);
  cairo_move_to(cr, 4, 19);
  cairo_line_to(cr, 28, 19);
  cairo_line_to(cr, 24, 25);
  cairo_line_to(cr, 8, 25);
  cairo_close_path(cr);
  FillGradientOutline(cr, 19, Hex(0xA57A4A), 25, Hex(0x6E4B2A), m.ink, 1.3);
  Line(cr, 16, 19, 16, 3, m.ink, 1.5);
  cairo_new_path(cr);
  cairo_move_to(cr, 17, 4);
  cairo_curve_to(cr, 24, 8, 24, 13, 17, 17);
  cairo_close_path(cr);
  FillOutline(cr, Hex(0xFFF8EC), m.ink, 1.2);
  cairo_new_path(cr);
  cairo_move_to(cr, 15, 6);
  cairo_curve_to(cr, 10, 10, 9, 14, 15, 17);
  cairo_close_path(cr);
  FillOutline(cr, Hex(0xF2E4C8), m.ink, 1.2);
  Poly(cr, {{16, 3}, {21, 4.2}, {16, 5.4}});
  MapFill(cr, Hex(0xC8553D));
}

void Whirl(cairo_t* cr, const MapColors& m) {
  for (int ring = 0; ring < 3; ++ring) {
    cairo_new_path(cr);
    double r = 4 + ring * 4.2;
    cairo_arc(cr, 16, 16, r, ring * 1.3, ring * 1.3 + 1.5 * M_PI);
    cairo_scale(cr, 1, 1);
    Stroke(cr, ring % 2 ? Lighter(m.sea, 0.55) : Darker(m.sea, 0.25), 1.6);
  }
  Ellipse(cr, 16, 16, 2, 2);
  MapFill(cr, Darker(m.sea, 0.45));
}

void SeaRocks(cairo_t* cr, const MapColors& m) {
  for (auto [x, y, r] :
       {std::tuple{10.0, 19.0, 6.0}, std::tuple{21.0, 22.0, 4.5}, std::tuple{17.0, 11.0, 3.5}}) {
    Ellipse(cr, x, y + r * 0.55, r + 2.5, r * 0.45 + 1.5);
    MapFill(cr, Hex(0xFFFFFF), 0.7);
    cairo_new_path(cr);
    cairo_move_to(cr, x - r, y + r * 0.55);
    cairo_curve_to(cr, x - r, y - r * 0.9, x + r * 0.6, y - r, x + r, y + r * 0.55);
    cairo_close_path(cr);
    FillGradientOutline(cr, y - r, Hex(0xB4ACA2), y + r * 0.6, Hex(0x7A716A), m.ink, 1.2);
  }
}

void LavaPool(cairo_t* cr, const MapColors& m) {
  Ellipse(cr, 16, 18, 13, 8);
  FillOutline(cr, Hex(0x3A1F17), m.ink, 1.3);
  Ellipse(cr, 16, 18, 10, 5.6);
  cairo_pattern_t* p = cairo_pattern_create_radial(15, 17, 1, 16, 18, 10);
  cairo_pattern_add_color_stop_rgb(p, 0, 1.0, 0.9, 0.45);
  cairo_pattern_add_color_stop_rgb(p, 1, 1.0, 0.42, 0.0);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  for (auto [x, y] : {std::pair{11.0, 17.0}, std::pair{19.0, 20.0}}) {
    Ellipse(cr, x, y, 2, 1.2);
    MapFill(cr, Hex(0xFFE28A));
  }
  for (auto [x, y] : {std::pair{9.0, 7.0}, std::pair{22.0, 5.0}, std::pair{15.0, 3.0}}) {
    Ellipse(cr, x, y, 1, 1);
    MapFill(cr, Hex(0xFF9A2E), 0.9);
  }
}

void Pine(cairo_t* cr, const MapColors& m) {
  MapShadow(cr, m, 16, 29, 6, 1.6);
  Rect(cr, 14.8, 24, 2.4, 5, Hex(0x6E4B2A));
  Rgb needle = Hex(0x3E7D5A);
  for (auto [top, bottom, half] :
       {std::tuple{13.0, 25.0, 8.0}, std::tuple{8.0, 19.0, 6.5}, std::tuple{3.0, 13.0, 5.0}}) {
    Poly(cr, {{16, top}, {16 + half, bottom}, {16 - half, bottom}});
    FillOutline(cr, needle, m.ink, 1.2);
  }
  Poly(cr, {{16, 3}, {18.6, 7.2}, {13.4, 7.2}});
  MapFill(cr, m.snow);
}

void CloudShape(cairo_t* cr, double x, double y, double s) {
  cairo_new_path(cr);
  cairo_move_to(cr, x - 12 * s, y + 4 * s);
  cairo_curve_to(cr, x - 15 * s, y + 4 * s, x - 15 * s, y - 3 * s, x - 10 * s, y - 2 * s);
  cairo_curve_to(cr, x - 10 * s, y - 8 * s, x - 2 * s, y - 10 * s, x + 1 * s, y - 5 * s);
  cairo_curve_to(cr, x + 4 * s, y - 10 * s, x + 12 * s, y - 8 * s, x + 11 * s, y - 1 * s);
  cairo_curve_to(cr, x + 16 * s, y - 1 * s, x + 16 * s, y + 4 * s, x + 12 * s, y + 4 * s);
  cairo_close_path(cr);
}

void CloudPuff(cairo_t* cr, const MapColors&) {
  CloudShape(cr, 16, 20, 0.95);
  SetRgb(cr, Hex(0x9FB7C9), 0.35);
  cairo_save(cr);
  cairo_translate(cr, 1, 2);
  cairo_fill(cr);
  cairo_restore(cr);
  CloudShape(cr, 16, 18, 0.95);
  FillGradientOutline(cr, 8, Hex(0xFFFFFF), 22, Hex(0xDCE8F3), Hex(0x7D93A8), 1.2);
}

void FloatIsle(cairo_t* cr, const MapColors& m) {
  cairo_new_path(cr);
  cairo_move_to(cr, 4, 15);
  cairo_line_to(cr, 28, 15);
  cairo_curve_to(cr, 26, 21, 20, 24, 16, 30);
  cairo_curve_to(cr, 12, 24, 6, 21, 4, 15);
  cairo_close_path(cr);
  FillGradientOutline(cr, 15, Hex(0xA0703C), 30, Hex(0x5E4226), m.ink, 1.3);
  Ellipse(cr, 16, 15, 12.5, 3.2);
  FillOutline(cr, Hex(0x7CC36A), m.ink, 1.2);
  MapTree(cr, m, 20, 8, 4.2);
  Line(cr, 9, 22, 10, 25, Hex(0x3E2A16), 0.9, 0.7);
}

void Balloon(cairo_t* cr, const MapColors& m) {
  Line(cr, 12, 19, 14, 25, m.ink, 0.9);
  Line(cr, 20, 19, 18, 25, m.ink, 0.9);
  cairo_new_path(cr);
  cairo_rectangle(cr, 13, 24.5, 6, 5);
  FillOutline(cr, Hex(0xA57A4A), m.ink, 1.1);
  cairo_new_path(cr);
  cairo_move_to(cr, 12, 20);
  cairo_curve_to(cr, 2, 13, 6, 1, 16, 1);
  cairo_curve_to(cr, 26, 1, 30, 13, 20, 20);
  cairo_close_path(cr);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  SetRgb(cr, Hex(0xFFB347));
  cairo_fill_preserve(cr);
  cairo_new_path(cr);
  cairo_rectangle(cr, 12.5, 0, 7, 21);
  MapFill(cr, Hex(0xE4553F));
  cairo_restore(cr);
  cairo_new_path(cr);
  cairo_move_to(cr, 12, 20);
  cairo_curve_to(cr, 2, 13, 6, 1, 16, 1);
  cairo_curve_to(cr, 26, 1, 30, 13, 20, 20);
  cairo_close_path(cr);
  Stroke(cr, m.ink, 1.3);
  Highlight(cr, 10, 7, 2.2, 3.2, 0.45);
}

// ---- big landmarks, 64 by 64 --------------------------------------------

void HauntedHouse(cairo_t* cr, const MapColors& m) {
  Ellipse(cr, 32, 57, 28, 6);
  MapFill(cr, Hex(0x4A3F6B), 0.7);
  Rgb wall = Hex(0x6B5E86), roof = Hex(0x3B3252), glow = Hex(0x9FE870);
  // The tower on the right, leaning.
  Poly(cr, {{40, 58}, {41, 22}, {52, 21}, {54, 58}});
  FillGradientOutline(cr, 21, Lighter(wall, 0.1), 58, Darker(wall, 0.2), m.ink, 1.6);
  Poly(cr, {{38.5, 23}, {48, 4}, {55, 22}});
  FillOutline(cr, roof, m.ink, 1.6);
  // The crooked house.
  Poly(cr, {{10, 58}, {12, 30}, {42, 28}, {43, 58}});
  FillGradientOutline(cr, 28, Lighter(wall, 0.15), 58, Darker(wall, 0.15), m.ink, 1.6);
  Poly(cr, {{6, 32}, {24, 11}, {46, 30}});
  FillOutline(cr, roof, m.ink, 1.6);
  Poly(cr, {{30, 16}, {30, 8}, {35, 8.5}, {35, 21}});
  FillOutline(cr, Darker(wall, 0.25), m.ink, 1.3);
  // Lit windows and a door.
  for (auto [x, y] : {std::pair{16.0, 36.0}, std::pair{31.0, 35.0}, std::pair{45.0, 30.0}}) {
    cairo_new_path(cr);
    cairo_rectangle(cr, x, y, 6, 7);
    FillOutline(cr, glow, m.ink, 1.2);
    Line(cr, x + 3, y, x + 3, y + 7, m.ink, 0.9);
  }
  cairo_new_path(cr);
  cairo_move_to(cr, 22, 58);
  cairo_line_to(cr, 22, 50);
  cairo_arc(cr, 25.5, 50, 3.5, M_PI, 0);
  cairo_line_to(cr, 29, 58);
  cairo_close_path(cr);
  FillOutline(cr, Hex(0x2E2740), m.ink, 1.2);
  Line(cr, 18, 22, 13, 24, Darker(roof, 0.3), 1);
  Line(cr, 26, 20, 32, 24, Darker(roof, 0.3), 1);
  // A ghost drifting by.
  cairo_new_path(cr);
  cairo_move_to(cr, 2, 22);
  cairo_curve_to(cr, 1, 10, 13, 8, 13, 18);
  cairo_curve_to(cr, 13, 22, 11, 21, 10, 24);
  cairo_curve_to(cr, 8, 21, 6, 25, 5, 22);
  cairo_curve_to(cr, 4, 24, 2, 24, 2, 22);
  cairo_close_path(cr);
  FillOutline(cr, Hex(0xEAF2FF), m.ink, 1.2);
  Ellipse(cr, 6, 15, 0.9, 1.3);
  MapFill(cr, m.ink);
  Ellipse(cr, 9.5, 15, 0.9, 1.3);
  MapFill(cr, m.ink);
}

void Pyramid(cairo_t* cr, const MapColors& m) {
  Ellipse(cr, 33, 57, 30, 5);
  MapFill(cr, Hex(0xC9A45C), 0.55);
  Rgb lit = Hex(0xF0CF8A), shade = Hex(0xC1904F);
  Poly(cr, {{3, 57}, {28, 7}, {38, 58}});
  MapFill(cr, lit);
  Poly(cr, {{38, 58}, {28, 7}, {61, 53}});
  MapFill(cr, shade);
  for (double y = 15; y < 57; y += 7) {
    double t = (y - 7) / 50;
    Line(cr, 28 - 25 * t, y, 28 + 10 * t, y + t, Darker(lit, 0.18), 0.9);
    Line(cr, 28 + 10 * t, y + t, 28 + 33 * t, y - 4 * t, Darker(shade, 0.2), 0.9);
  }
  Poly(cr, {{3, 57}, {28, 7}, {61, 53}, {38, 58}});
  Stroke(cr, m.ink, 1.6);
  Line(cr, 28, 7, 38, 58, m.ink, 1.2);
  cairo_new_path(cr);
  cairo_move_to(cr, 30, 57.5);
  cairo_line_to(cr, 30, 50);
  cairo_arc(cr, 32.5, 50, 2.5, M_PI, 0);
  cairo_line_to(cr, 35, 57.8);
  cairo_close_path(cr);
  FillOutline(cr, Hex(0x5E3E18), m.ink, 1);
  Poly(cr, {{28, 7}, {30.5, 12}, {26, 12}});
  MapFill(cr, Hex(0xE0B040));
}

void SteppedTemple(cairo_t* cr, const MapColors& m) {
  Ellipse(cr, 32, 58, 30, 5);
  MapFill(cr, m.ink, 0.25);
  Rgb stone = Hex(0xA9A283), moss = Hex(0x6F9A4E), gold = Hex(0xE0B040);
  const double widths[] = {58, 46, 34, 22};
  double y = 58;
  for (double w : widths) {
    cairo_new_path(cr);
    cairo_rectangle(cr, 32 - w / 2, y - 9, w, 9);
    FillGradientOutline(cr, y - 9, Lighter(stone, 0.15), y, Darker(stone, 0.2), m.ink, 1.4);
    Rect(cr, 32 + w / 2 - 6, y - 8.3, 5.3, 7.6, Darker(stone, 0.15), 0.6);
    y -= 9;
  }
  // The stair up the middle.
  cairo_new_path(cr);
  cairo_rectangle(cr, 27, 22, 10, 36);
  FillOutline(cr, Lighter(stone, 0.25), m.ink, 1.2);
  for (double s = 25; s < 58; s += 3) Line(cr, 27.5, s, 36.5, s, Darker(stone, 0.3), 0.8);
  // The shrine on top.
  cairo_new_path(cr);
  cairo_rectangle(cr, 23, 10, 18, 12);
  FillOutline(cr, stone, m.ink, 1.4);
  Rect(cr, 21, 7, 22, 4, gold);
  cairo_new_path(cr);
  cairo_rectangle(cr, 21, 7, 22, 4);
  Stroke(cr, m.ink, 1.2);
  cairo_new_path(cr);
  cairo_rectangle(cr, 29, 14, 6, 8);
  FillOutline(cr, Hex(0x25301F), m.ink, 1);
  // Moss and vines.
  for (auto [x, y0, len] : {std::tuple{10.0, 49.5, 7.0}, std::tuple{48.0, 40.5, 9.0},
                            std::tuple{18.0, 31.5, 6.0}, std::tuple{44.0, 49.5, 6.0}}) {
    Ellipse(cr, x, y0, 3.5, 1.6);
    MapFill(cr, moss);
    cairo_new_path(cr);
    cairo_move_to(cr, x, y0);
    cairo_curve_to(cr, x + 2, y0 + len / 3, x - 2, y0 + len * 2 / 3, x, y0 + len);
    Stroke(cr, moss, 1.3);
  }
}

void Crater(cairo_t* cr, const MapColors& m) {
  for (auto [x, y, r] :
       {std::tuple{36.0, 10.0, 5.0}, std::tuple{42.0, 5.0, 4.0}, std::tuple{48.0, 2.5, 3.0}}) {
    Ellipse(cr, x, y, r, r * 0.8);
    MapFill(cr, Hex(0xBDB6B0), 0.9);
  }
  Ellipse(cr, 32, 59, 30, 4.5);
  MapFill(cr, m.ink, 0.3);
  Poly(cr, {{2, 59}, {23, 17}, {41, 17}, {62, 59}});
  FillGradientOutline(cr, 17, Hex(0x8A5A44), 59, Hex(0x4E2E22), m.ink, 1.6);
  // The shaded right flank.
  Poly(cr, {{36, 18}, {41, 17}, {62, 59}, {44, 59}});
  MapFill(cr, Hex(0x2E1A12), 0.35);
  Ellipse(cr, 32, 17.5, 9.5, 3);
  FillOutline(cr, Hex(0xFF7B00), m.ink, 1.3);
  Ellipse(cr, 31, 17, 5, 1.4);
  MapFill(cr, Hex(0xFFE28A));
  Rgb lava = Hex(0xFF7B00);
  auto flow = [&](std::initializer_list<std::pair<double, double>> pts, double w) {
    cairo_new_path(cr);
    bool first = true;
    double px = 0, py = 0;
    for (auto [x, y] : pts) {
      if (first)
        cairo_move_to(cr, x, y);
      else
        cairo_curve_to(cr, px, (py + y) / 2, x, (py + y) / 2, x, y);
      px = x;
      py = y;
      first = false;
    }
    Stroke(cr, Hex(0x3A1F17), w + 1.8);
    cairo_new_path(cr);
    first = true;
    for (auto [x, y] : pts) {
      if (first)
        cairo_move_to(cr, x, y);
      else
        cairo_curve_to(cr, px, (py + y) / 2, x, (py + y) / 2, x, y);
      px = x;
      py = y;
      first = false;
    }
    Stroke(cr, lava, w);
  };
  flow({{27, 19}, {22, 32}, {24, 44}, {18, 57}}, 2.6);
  flow({{37, 19}, {40, 30}, {38, 40}, {44, 55}}, 2.2);
  flow({{32, 20}, {31, 30}}, 1.8);
}

void Peak(cairo_t* cr, const MapColors& m) {
  Rgb rock = m.rock, snow = m.snow;
  auto mountain = [&](double x0, double xTop, double yTop, double x1, double y) {
    Poly(cr, {{x0, y}, {xTop, yTop}, {x1, y}});
    FillGradientOutline(cr, yTop, Lighter(rock, 0.18), y, Darker(rock, 0.22), m.ink, 1.6);
    Poly(cr, {{xTop, yTop + 1}, {x1, y}, {xTop + (x1 - xTop) * 0.25, y}});
    MapFill(cr, m.ink, 0.18);
    double t = 0.32;
    double lx = xTop + (x0 - xTop) * t, rx = xTop + (x1 - xTop) * t, sy = yTop + (y - yTop) * t;
    cairo_new_path(cr);
    cairo_move_to(cr, xTop, yTop);
    cairo_line_to(cr, rx, sy);
    cairo_line_to(cr, xTop + (rx - xTop) * 0.55, sy - 3);
    cairo_line_to(cr, xTop, sy + 1.5);
    cairo_line_to(cr, xTop - (xTop - lx) * 0.5, sy - 2.5);
    cairo_line_to(cr, lx, sy);
    cairo_close_path(cr);
    FillOutline(cr, snow, m.ink, 1.2);
  };
  Ellipse(cr, 32, 60, 30, 3.5);
  MapFill(cr, m.ink, 0.25);
  mountain(10, 36, 3, 63, 60);
  mountain(0, 16, 26, 36, 61);
}

void Fort(cairo_t* cr, const MapColors& m) {
  Rgb stone = Hex(0xB9B3C4), roof = Hex(0xC0392B);
  Ellipse(cr, 32, 59, 30, 4.5);
  MapFill(cr, m.ink, 0.28);
  auto battlement = [&](double x, double y, double w, double h, Rgb c) {
    cairo_new_path(cr);
    cairo_move_to(cr, x, y + h);
    cairo_line_to(cr, x, y);
    for (double bx = x; bx < x + w - 0.1; bx += 5) {
      double e = std::min(bx + 2.5, x + w);
      cairo_line_to(cr, bx, y - 3);
      cairo_line_to(cr, e, y - 3);
      cairo_line_to(cr, e, y);
      cairo_line_to(cr, std::min(bx + 5, x + w), y);
    }
    cairo_line_to(cr, x + w, y + h);
    cairo_close_path(cr);
    FillGradientOutline(cr, y - 3, Lighter(c, 0.12), y + h, Darker(c, 0.18), m.ink, 1.4);
  };
  // The keep behind, the wall in front, a round tower at each end.
  battlement(21, 17, 22, 40, Darker(stone, 0.06));
  Rect(cr, 30, 24, 4, 6, Hex(0x2C2A3A));
  battlement(9, 36, 46, 22, stone);
  for (double x : {4.0, 48.0}) {
    cairo_new_path(cr);
    cairo_rectangle(cr, x, 26, 12, 32);
    FillGradientOutline(cr, 26, Lighter(stone, 0.12), 58, Darker(stone, 0.2), m.ink, 1.4);
    Poly(cr, {{x - 2, 27}, {x + 6, 12}, {x + 14, 27}});
    FillOutline(cr, roof, m.ink, 1.4);
    Rect(cr, x + 4.5, 33, 3, 5, Hex(0x2C2A3A));
  }
  cairo_new_path(cr);
  cairo_move_to(cr, 27, 58);
  cairo_line_to(cr, 27, 48);
  cairo_arc(cr, 32, 48, 5, M_PI, 0);
  cairo_line_to(cr, 37, 58);
  cairo_close_path(cr);
  FillOutline(cr, Hex(0x2C2A3A), m.ink, 1.3);
  for (double x : {30.0, 34.0}) Line(cr, x, 44, x, 58, Hex(0x8C7A6A), 0.8);
  // Banners and a flag.
  for (double x : {15.0, 44.0}) {
    Poly(cr, {{x, 40}, {x + 5, 40}, {x + 5, 49}, {x + 2.5, 47}, {x, 49}});
    FillOutline(cr, roof, m.ink, 1);
  }
  Line(cr, 32, 14, 32, 2, m.ink, 1.3);
  Poly(cr, {{32.6, 2}, {41, 4.5}, {32.6, 7}});
  FillOutline(cr, Hex(0xF2C14E), m.ink, 0.9);
}

void Compass(cairo_t* cr, const MapColors& m) {
  const double cx = 32, cy = 32;
  Ellipse(cr, cx, cy, 21, 21);
  SetRgb(cr, m.path, 0.55);
  cairo_fill_preserve(cr);
  Stroke(cr, m.ink, 1.4);
  Ellipse(cr, cx, cy, 17.5, 17.5);
  Stroke(cr, m.ink, 0.9);
  for (int k = 0; k < 32; ++k) {
    double a = k * kTau / 32, r0 = k % 4 ? 19.3 : 17.8;
    Line(cr, cx + r0 * std::cos(a), cy + r0 * std::sin(a), cx + 21 * std::cos(a),
         cy + 21 * std::sin(a), m.ink, 0.8);
  }
  // Eight points: the short diagonals first, then the four long ones, each
  // with a light and a dark half; north in red.
  auto point = [&](double a, double len, double half, Rgb light, Rgb dark) {
    double tx = cx + len * std::cos(a), ty = cy + len * std::sin(a);
    double lx = cx + half * std::cos(a - M_PI / 2), ly = cy + half * std::sin(a - M_PI / 2);
    double rx = cx + half * std::cos(a + M_PI / 2), ry = cy + half * std::sin(a + M_PI / 2);
    Poly(cr, {{cx, cy}, {tx, ty}, {lx, ly}});
    FillOutline(cr, light, m.ink, 1);
    Poly(cr, {{cx, cy}, {tx, ty}, {rx, ry}});
    FillOutline(cr, dark, m.ink, 1);
  };
  for (int k = 0; k < 4; ++k)
    point(M_PI / 4 + k * M_PI / 2, 15, 3.5, Lighter(m.path, 0.4), Mix(m.path, m.ink, 0.5));
  for (int k = 0; k < 4; ++k) {
    double a = -M_PI / 2 + k * M_PI / 2;
    bool north = k == 0;
    point(a, north ? 30 : 26, 5, north ? Hex(0xE4705A) : Lighter(m.path, 0.5),
          north ? Hex(0xB03A2A) : m.ink);
  }
  Ellipse(cr, cx, cy, 3, 3);
  FillOutline(cr, Hex(0xE0B040), m.ink, 1);
}

void Dream(cairo_t* cr, const MapColors& m) {
  Rgb purple = Hex(0x9D4EDD), teal = Hex(0x72EFDD);
  Ellipse(cr, 30, 59, 22, 4);
  MapFill(cr, Hex(0x240046), 0.35);
  // A tower that melts as it rises, striped round and round.
  cairo_new_path(cr);
  cairo_move_to(cr, 16, 59);
  cairo_curve_to(cr, 22, 50, 18, 40, 23, 30);
  cairo_line_to(cr, 39, 30);
  cairo_curve_to(cr, 42, 40, 38, 50, 45, 59);
  cairo_close_path(cr);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  SetRgb(cr, purple);
  cairo_fill(cr);
  for (double y = 30; y < 62; y += 8) {
    cairo_new_path(cr);
    cairo_move_to(cr, 10, y + 6);
    cairo_line_to(cr, 50, y - 2);
    cairo_line_to(cr, 50, y + 2);
    cairo_line_to(cr, 10, y + 10);
    cairo_close_path(cr);
    MapFill(cr, Hex(0xC77DFF));
  }
  cairo_restore(cr);
  cairo_new_path(cr);
  cairo_move_to(cr, 16, 59);
  cairo_curve_to(cr, 22, 50, 18, 40, 23, 30);
  cairo_line_to(cr, 39, 30);
  cairo_curve_to(cr, 42, 40, 38, 50, 45, 59);
  cairo_close_path(cr);
  Stroke(cr, m.ink, 1.6);
  // Goo dripping from the eye down the tower.
  cairo_new_path(cr);
  cairo_move_to(cr, 20, 29);
  for (auto [x, len] :
       {std::pair{24.0, 9.0}, std::pair{29.0, 5.0}, std::pair{34.0, 12.0}, std::pair{39.0, 6.0}}) {
    cairo_line_to(cr, x - 1.6, 29);
    cairo_line_to(cr, x - 1.6, 29 + len);
    cairo_arc_negative(cr, x, 29 + len, 1.6, M_PI, 0);
    cairo_line_to(cr, x + 1.6, 29);
  }
  cairo_line_to(cr, 42, 29);
  cairo_line_to(cr, 42, 26);
  cairo_line_to(cr, 20, 26);
  cairo_close_path(cr);
  FillOutline(cr, teal, m.ink, 1.2);
  // The eye on top, looking left.
  Ellipse(cr, 31, 16, 13, 11);
  FillGradientOutline(cr, 5, Hex(0xFFFFFF), 27, Hex(0xE4D4F4), m.ink, 1.6);
  Ellipse(cr, 27.5, 16.5, 6, 6);
  MapFill(cr, teal);
  Ellipse(cr, 26.5, 16.5, 3, 3.4);
  MapFill(cr, Hex(0x240046));
  Ellipse(cr, 25, 14.2, 1.3, 1.1);
  MapFill(cr, Hex(0xFFFFFF));
  // A little checkered cube floating by, and sparkles.
  cairo_save(cr);
  cairo_translate(cr, 53, 40);
  cairo_rotate(cr, 0.5);
  for (int j = 0; j < 2; ++j)
    for (int i = 0; i < 2; ++i)
      Rect(cr, -5 + i * 5, -5 + j * 5, 5, 5, (i + j) % 2 ? Hex(0x240046) : teal);
  cairo_new_path(cr);
  cairo_rectangle(cr, -5, -5, 10, 10);
  Stroke(cr, m.ink, 1.2);
  cairo_restore(cr);
  for (auto [x, y, r] :
       {std::tuple{9.0, 10.0, 3.0}, std::tuple{54.0, 12.0, 2.5}, std::tuple{8.0, 40.0, 2.0}}) {
    cairo_new_path(cr);
    cairo_move_to(cr, x, y - r);
    cairo_line_to(cr, x + r * 0.3, y - r * 0.3);
    cairo_line_to(cr, x + r, y);
    cairo_line_to(cr, x + r * 0.3, y + r * 0.3);
    cairo_line_to(cr, x, y + r);
    cairo_line_to(cr, x - r * 0.3, y + r * 0.3);
    cairo_line_to(cr, x - r, y);
    cairo_line_to(cr, x - r * 0.3, y - r * 0.3);
    cairo_close_path(cr);
    MapFill(cr, Hex(0xFFF3B0));
  }
}

using BigFn = void (*)(cairo_t*, const MapColors&);
constexpr BigFn kBig[8] = {HauntedHouse, Pyramid, SteppedTemple, Crater,
                           Peak,         Fort,    Compass,       Dream};

using SmallFn = void (*)(cairo_t*, const MapColors&);
constexpr SmallFn kSmall[] = {Eye,      Swirl, Serpent,   Mushroom,  DeadTree, Graves, Cactus,
                              Dunes,    Ruin,  Idol,      Parasol,   Ship,     Whirl,  SeaRocks,
                              LavaPool, Pine,  CloudPuff, FloatIsle, Balloon};

}  // namespace

void DrawMapLandmark(cairo_t* cr, const MapColors& m, int cell) {
  if (cell >= 205 && cell < 224) {
    kSmall[cell - 205](cr, m);
    return;
  }
  if (cell < 224 || cell > 255) return;
  // A big landmark: draw the whole 64 by 64 picture shifted so that this
  // cell's quarter of it falls into the cell.
  int column = cell % 16, lower = cell >= 240 ? 1 : 0;
  cairo_save(cr);
  cairo_translate(cr, -32.0 * (column % 2), -32.0 * lower);
  kBig[column / 2](cr, m);
  cairo_restore(cr);
}

}  // namespace forge::art::tiles
