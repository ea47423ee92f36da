// Image sets: free-standing decorative pictures per area folder (a far
// backdrop for half-speed layers, a big object, a rock, a sign) and a few
// shared ones in Global/. Backdrops repeat every 800 pixels so they can be
// laid side by side.
#include <cmath>
#include <string>
#include <tuple>

#include "pictures/tilesets.h"

namespace forge::art::tiles {
namespace {

constexpr double kTau = 2 * M_PI;

std::string In(const Style& s, const char* file) { return std::string("Imagesets/") + s.folder + "/" + file; }

// Two rows of rolling hills, the farther one paler. Tall enough that its foot
// stays below the view when the camera looks down into a pit, and periodic
// over its 800 pixels (the outline runs on past both sides) so that copies
// placed 800 apart at one height join without a seam.
constexpr int kBackdropHeight = 480;

void Backdrop(const Context& ctx, const Style& s, const char* file) {
  Canvas c(800, kBackdropHeight);
  cairo_t* cr = c.cr();
  for (int layer = 0; layer < 2; ++layer) {
    Rgb col = Mix(Desaturate(s.ground, 0.4), s.skyBottom, layer == 0 ? 0.55 : 0.3);
    double base = layer == 0 ? 120 : 190;
    bool peaks = s.area == Area::Mountain || s.area == Area::Volcano || s.area == Area::Castle;
    cairo_new_path(cr);
    cairo_move_to(cr, -8, kBackdropHeight + 8);
    for (int x = -8; x <= 808; x += 4) {
      double t = kTau * x / 800;
      double h = peaks ? 60 * std::abs(std::sin(3 * t + layer)) + 20 * std::sin(7 * t)
                       : 35 * std::sin(2 * t + layer * 1.7) + 20 * std::sin(5 * t + 0.5) + 10 * std::sin(9 * t);
      cairo_line_to(cr, x, base - h);
    }
    cairo_line_to(cr, 808, kBackdropHeight + 8);
    cairo_close_path(cr);
    FillGradientOutline(cr, base - 80, Lighter(col, 0.12), 300, col, Mix(col, s.ink, 0.25), 2);
  }
  c.Save(ctx, In(s, file));
}

// A round-crowned tree (or a cloud, a coral, a cactus in its area's colours),
// drawn on a 160 by 224 design and scaled to the picture's size.
void BigObject(const Context& ctx, const Style& s, const char* file, int w = 160, int h = 224) {
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  cairo_scale(cr, w / 160.0, h / 224.0);
  Rgb leaf = s.area == Area::Air ? Hex(0xFFFFFF) : LeafOf(s);
  cairo_new_path(cr);
  cairo_move_to(cr, 70, 222);
  cairo_curve_to(cr, 74, 180, 72, 140, 76, 100);
  cairo_line_to(cr, 88, 100);
  cairo_curve_to(cr, 88, 140, 86, 180, 94, 222);
  cairo_close_path(cr);
  FillGradientOutline(cr, 100, Lighter(s.wood, 0.1), 222, Darker(s.wood, 0.25), s.ink, 2);
  cairo_new_path(cr);
  Ellipse(cr, 80, 70, 62, 56);
  Ellipse(cr, 44, 100, 34, 28);
  Ellipse(cr, 118, 98, 36, 28);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  // Stroke wide, then fill over it, so only the outer silhouette keeps a line.
  cairo_path_t* crown = cairo_copy_path(cr);
  Stroke(cr, s.ink, 4);
  cairo_append_path(cr, crown);
  cairo_path_destroy(crown);
  FillGradientOutline(cr, 14, Lighter(leaf, 0.2), 128, Darker(leaf, 0.2), Lighter(leaf, 0.2), 0.01);
  Highlight(cr, 60, 44, 22, 14, 0.3);
  c.Save(ctx, In(s, file));
}

void RockPicture(const Context& ctx, const Style& s, const char* file) {
  Canvas c(128, 80);
  cairo_t* cr = c.cr();
  Rgb col = Mix(s.earth, Hex(0x8A8A8A), 0.45);
  cairo_new_path(cr);
  cairo_move_to(cr, 4, 78);
  cairo_curve_to(cr, 6, 30, 40, 6, 70, 10);
  cairo_curve_to(cr, 100, 14, 124, 40, 124, 78);
  cairo_close_path(cr);
  FillGradientOutline(cr, 8, Lighter(col, 0.2), 78, Darker(col, 0.25), s.ink, 2);
  Highlight(cr, 44, 26, 18, 8, 0.35);
  c.Save(ctx, In(s, file));
}

void SignPicture(const Context& ctx, const Style& s, const char* file) {
  Canvas c(96, 96);
  cairo_t* cr = c.cr();
  cairo_new_path(cr);
  cairo_rectangle(cr, 42, 40, 12, 54);
  FillOutline(cr, s.wood, s.ink, 2);
  cairo_new_path(cr);
  RoundRect(cr, 6, 8, 84, 40, 6);
  FillGradientOutline(cr, 8, Lighter(s.wood, 0.2), 48, Darker(s.wood, 0.1), s.ink, 2);
  cairo_new_path(cr);
  cairo_move_to(cr, 22, 28);
  cairo_line_to(cr, 66, 28);
  cairo_move_to(cr, 56, 18);
  cairo_line_to(cr, 70, 28);
  cairo_line_to(cr, 56, 38);
  Stroke(cr, s.ink, 5);
  c.Save(ctx, In(s, file));
}

// A puffy cloud: overlapping round lumps, white with a cool shadow below.
void CloudPicture(const Context& ctx, const Style& s, const char* file, int w, int h) {
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  cairo_new_path(cr);
  Ellipse(cr, w * 0.30, h * 0.62, w * 0.22, h * 0.32);
  Ellipse(cr, w * 0.52, h * 0.45, w * 0.24, h * 0.40);
  Ellipse(cr, w * 0.74, h * 0.62, w * 0.20, h * 0.30);
  Ellipse(cr, w * 0.50, h * 0.70, w * 0.40, h * 0.24);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  cairo_path_t* shape = cairo_copy_path(cr);
  Stroke(cr, Mix(s.skyTop, s.ink, 0.35), 3);
  cairo_append_path(cr, shape);
  cairo_path_destroy(shape);
  FillGradientOutline(cr, 0, Hex(0xFFFFFF), h, Mix(Hex(0xFFFFFF), s.skyTop, 0.35), Hex(0xFFFFFF), 0.01);
  Highlight(cr, w * 0.45, h * 0.3, w * 0.12, h * 0.1, 0.4);
  c.Save(ctx, In(s, file));
}

// A low round bush of three lumps standing on the picture's bottom edge.
void BushPicture(const Context& ctx, const Style& s, const char* file, int w, int h) {
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  Rgb leaf = LeafOf(s);
  cairo_new_path(cr);
  Ellipse(cr, w * 0.28, h * 0.66, w * 0.24, h * 0.34);
  Ellipse(cr, w * 0.52, h * 0.50, w * 0.26, h * 0.48);
  Ellipse(cr, w * 0.76, h * 0.68, w * 0.22, h * 0.32);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  cairo_path_t* shape = cairo_copy_path(cr);
  Stroke(cr, s.ink, 4);
  cairo_append_path(cr, shape);
  cairo_path_destroy(shape);
  FillGradientOutline(cr, 0, Lighter(leaf, 0.2), h, Darker(leaf, 0.25), Lighter(leaf, 0.2), 0.01);
  Highlight(cr, w * 0.45, h * 0.3, w * 0.12, h * 0.12, 0.3);
  c.Save(ctx, In(s, file));
}

// A big spotted mushroom.
void MushroomPicture(const Context& ctx, const Style& s, const char* file, int w, int h) {
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  cairo_new_path(cr);
  RoundRect(cr, w * 0.38, h * 0.45, w * 0.24, h * 0.53, w * 0.08);
  FillOutline(cr, Hex(0xF4E9D8), s.ink, 2);
  cairo_new_path(cr);
  cairo_move_to(cr, w * 0.06, h * 0.55);
  cairo_curve_to(cr, w * 0.06, h * 0.05, w * 0.94, h * 0.05, w * 0.94, h * 0.55);
  cairo_close_path(cr);
  FillGradientOutline(cr, 0, Hex(0xE8563F), h * 0.55, Hex(0xB8332A), s.ink, 2);
  for (auto [sx, sy, r] : {std::tuple{0.32, 0.30, 0.08}, {0.62, 0.24, 0.07}, {0.74, 0.42, 0.06}, {0.45, 0.45, 0.05}}) {
    cairo_new_path(cr);
    Ellipse(cr, w * sx, h * sy, w * r, w * r);
    SetRgb(cr, Hex(0xFFF6E6));
    cairo_fill(cr);
  }
  c.Save(ctx, In(s, file));
}

// A fallen log with a ringed end.
void LogPicture(const Context& ctx, const Style& s, const char* file, int w, int h) {
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  cairo_new_path(cr);
  RoundRect(cr, 2, h * 0.2, w - 16, h * 0.76, h * 0.3);
  FillGradientOutline(cr, h * 0.2, Lighter(s.wood, 0.15), h, Darker(s.wood, 0.3), s.ink, 2);
  cairo_new_path(cr);
  Ellipse(cr, w - 16, h * 0.58, h * 0.22, h * 0.38);
  FillOutline(cr, Lighter(s.wood, 0.45), s.ink, 2);
  cairo_new_path(cr);
  Ellipse(cr, w - 16, h * 0.58, h * 0.1, h * 0.18);
  Stroke(cr, Darker(s.wood, 0.2), 1.5);
  c.Save(ctx, In(s, file));
}

template <Area A>
void MakeSet(const Context& ctx) {
  const Style& s = StyleOf(A);
  Backdrop(ctx, s, "hills_far.png");
  BigObject(ctx, s, A == Area::Air ? "cloud_tree.png" : "tree_big.png");
  RockPicture(ctx, s, "rock.png");
  SignPicture(ctx, s, "sign.png");
  BigObject(ctx, s, A == Area::Air ? "cloud_tree_small.png" : "tree_small.png", 96, 144);
  CloudPicture(ctx, s, "cloud_big.png", 192, 80);
  CloudPicture(ctx, s, "cloud_small.png", 112, 48);
  BushPicture(ctx, s, "bush_big.png", 128, 64);
  MushroomPicture(ctx, s, "mushroom_big.png", 64, 64);
  LogPicture(ctx, s, "log.png", 96, 48);
}

void MakeGlobal(const Context& ctx) {
  const Style& s = StyleOf(Area::Forest);
  for (int dir = 0; dir < 4; ++dir) {
    Canvas c(64, 64);
    cairo_t* cr = c.cr();
    cairo_translate(cr, 32, 32);
    cairo_rotate(cr, dir * M_PI / 2);
    cairo_new_path(cr);
    cairo_move_to(cr, -24, -9);
    cairo_line_to(cr, 2, -9);
    cairo_line_to(cr, 2, -22);
    cairo_line_to(cr, 26, 0);
    cairo_line_to(cr, 2, 22);
    cairo_line_to(cr, 2, 9);
    cairo_line_to(cr, -24, 9);
    cairo_close_path(cr);
    FillGradientOutline(cr, -22, Hex(0xFFD36E), 22, Hex(0xE09A2A), Hex(0x5A3A10), 2);
    const char* names[] = {"arrow_right.png", "arrow_down.png", "arrow_left.png", "arrow_up.png"};
    c.Save(ctx, std::string("Imagesets/Global/") + names[dir]);
  }
  {
    Canvas c(160, 80);
    cairo_t* cr = c.cr();
    cairo_new_path(cr);
    Ellipse(cr, 50, 50, 36, 24);
    Ellipse(cr, 88, 36, 40, 30);
    Ellipse(cr, 122, 52, 30, 22);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    cairo_path_t* puff = cairo_copy_path(cr);
    Stroke(cr, Hex(0x7F98AE), 4);
    cairo_append_path(cr, puff);
    cairo_path_destroy(puff);
    FillGradientOutline(cr, 6, Hex(0xFFFFFF), 76, Hex(0xD6E4EE), Hex(0xFFFFFF), 0.01);
    c.Save(ctx, "Imagesets/Global/cloud.png");
  }
  Canvas c(96, 96);
  cairo_t* cr = c.cr();
  cairo_new_path(cr);
  cairo_rectangle(cr, 42, 40, 12, 54);
  FillOutline(cr, s.wood, s.ink, 2);
  cairo_new_path(cr);
  RoundRect(cr, 6, 8, 84, 40, 6);
  FillGradientOutline(cr, 8, Lighter(s.wood, 0.2), 48, Darker(s.wood, 0.1), s.ink, 2);
  c.Save(ctx, "Imagesets/Global/sign_wood.png");
}

FORGE_JOB("pictures", "imageset_forest", &MakeSet<Area::Forest>);
FORGE_JOB("pictures", "imageset_air", &MakeSet<Area::Air>);
FORGE_JOB("pictures", "imageset_ghost", &MakeSet<Area::Ghost>);
FORGE_JOB("pictures", "imageset_beach", &MakeSet<Area::Beach>);
FORGE_JOB("pictures", "imageset_sea", &MakeSet<Area::Sea>);
FORGE_JOB("pictures", "imageset_mountain", &MakeSet<Area::Mountain>);
FORGE_JOB("pictures", "imageset_retro", &MakeSet<Area::Retro>);
FORGE_JOB("pictures", "imageset_volcano", &MakeSet<Area::Volcano>);
FORGE_JOB("pictures", "imageset_castle", &MakeSet<Area::Castle>);
FORGE_JOB("pictures", "imageset_desert", &MakeSet<Area::Desert>);
FORGE_JOB("pictures", "imageset_temple", &MakeSet<Area::Temple>);
FORGE_JOB("pictures", "imageset_city", &MakeSet<Area::City>);
FORGE_JOB("pictures", "imageset_proto", &MakeSet<Area::Proto>);
FORGE_JOB("pictures", "imageset_wierd", &MakeSet<Area::Wierd>);
FORGE_JOB("pictures", "imageset_menu", &MakeSet<Area::Menu>);
FORGE_JOB("pictures", "imageset_map", &MakeSet<Area::Map>);
FORGE_JOB("pictures", "imageset_global", &MakeGlobal);

}  // namespace
}  // namespace forge::art::tiles
