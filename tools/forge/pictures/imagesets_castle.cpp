// The castle's own pictures, beside the shared set every area folder gets:
// far towers for the half-speed layer, a hanging banner, a suit of armour
// and the villain's throne. Grey stone, the area's red for cloth, gold trim.
#include <algorithm>
#include <cmath>
#include <string>

#include "pictures/tilesets.h"

namespace forge::art::tiles {
namespace {

constexpr double kTau = 2 * M_PI;
constexpr Rgb kGold = Hex(0xE0B040);

std::string In(const Style& s, const char* file) { return std::string("Imagesets/") + s.folder + "/" + file; }

// One tower: a shaft with battlements or a pointed roof, and a lit slit.
void Tower(cairo_t* cr, double x, double w, double top, double bottom, bool roof, Rgb stone, Rgb roofCol, Rgb ink,
           Rgb glow) {
  cairo_new_path(cr);
  if (roof) {
    cairo_move_to(cr, x - 6, top);
    cairo_line_to(cr, x + w / 2, top - w * 1.1);
    cairo_line_to(cr, x + w + 6, top);
    cairo_close_path(cr);
    FillGradientOutline(cr, top - w * 1.1, Lighter(roofCol, 0.1), top, Darker(roofCol, 0.2), ink, 2);
  }
  cairo_new_path(cr);
  cairo_move_to(cr, x, bottom);
  cairo_line_to(cr, x, top);
  if (!roof) {
    // Merlons along the top.
    int n = std::max(2, static_cast<int>(w / 14));
    double step = w / (2 * n - 1);
    for (int k = 0; k < 2 * n - 1; ++k) {
      double y = k % 2 == 0 ? top - 10 : top;
      cairo_line_to(cr, x + k * step, y);
      cairo_line_to(cr, x + (k + 1) * step, y);
    }
  }
  cairo_line_to(cr, x + w, top);
  cairo_line_to(cr, x + w, bottom);
  cairo_close_path(cr);
  FillGradientOutline(cr, top, Lighter(stone, 0.08), bottom, Darker(stone, 0.15), ink, 2);
  cairo_new_path(cr);
  RoundRect(cr, x + w / 2 - 4, top + 24, 8, 18, 4);
  FillOutline(cr, glow, ink, 1.5);
}

// Towers and a curtain wall against the sky, periodic over 800 pixels so
// copies laid side by side join.
void CastleBackdrop(const Context& ctx, const Style& s) {
  Canvas c(800, 480);
  cairo_t* cr = c.cr();
  Rgb far = Mix(Desaturate(s.ground, 0.3), s.skyBottom, 0.5);
  Rgb near = Mix(Desaturate(s.ground, 0.3), s.skyBottom, 0.25);
  Rgb ink = Mix(s.ink, s.skyBottom, 0.3);
  Rgb glow = Mix(Hex(0xFFC860), s.skyBottom, 0.2);
  // The far wall: a low band with merlons all along.
  cairo_new_path(cr);
  cairo_move_to(cr, -8, 480);
  for (int x = -8; x <= 808; x += 16) {
    cairo_line_to(cr, x, 200);
    cairo_line_to(cr, x + 8, 200);
    cairo_line_to(cr, x + 8, 190);
    cairo_line_to(cr, x + 16, 190);
  }
  cairo_line_to(cr, 808, 480);
  cairo_close_path(cr);
  FillGradientOutline(cr, 190, far, 480, Darker(far, 0.1), ink, 2);
  struct T {
    double x, w, top;
    bool roof;
  };
  for (T t : {T{40, 60, 110, true}, T{250, 44, 140, false}, T{420, 70, 80, true}, T{610, 50, 130, false},
              T{700, 40, 150, true}}) {
    for (double shift : {0.0, -800.0, 800.0})
      if (t.x + shift > -120 && t.x + shift < 900)
        Tower(cr, t.x + shift, t.w, t.top, 480, t.roof, near, Mix(s.accent, s.skyBottom, 0.35), ink, glow);
  }
  // A flag on the tallest tower.
  cairo_new_path(cr);
  cairo_move_to(cr, 455, 3);
  cairo_line_to(cr, 455, 28);
  Stroke(cr, ink, 2);
  cairo_new_path(cr);
  cairo_move_to(cr, 456, 4);
  cairo_curve_to(cr, 470, 0, 476, 12, 490, 8);
  cairo_line_to(cr, 488, 20);
  cairo_curve_to(cr, 474, 24, 468, 12, 456, 16);
  cairo_close_path(cr);
  FillOutline(cr, Mix(s.accent, s.skyBottom, 0.2), ink, 1.5);
  c.Save(ctx, In(s, "castle_far.png"));
}

// A long banner on a gold rod: red cloth, a gold border and a crest,
// swallow-tailed at the foot.
void Banner(const Context& ctx, const Style& s) {
  const int w = 64, h = 160;
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  cairo_new_path(cr);
  cairo_move_to(cr, 10, 10);
  cairo_line_to(cr, 54, 10);
  cairo_line_to(cr, 54, 150);
  cairo_line_to(cr, 32, 132);
  cairo_line_to(cr, 10, 150);
  cairo_close_path(cr);
  FillGradientOutline(cr, 10, Lighter(s.accent, 0.12), 150, Darker(s.accent, 0.3), s.ink, 2);
  cairo_new_path(cr);
  cairo_move_to(cr, 16, 14);
  cairo_line_to(cr, 16, 138);
  cairo_move_to(cr, 48, 14);
  cairo_line_to(cr, 48, 138);
  Stroke(cr, kGold, 2);
  // The crest: a coiled spring, the villain's mark.
  cairo_new_path(cr);
  for (int k = 0; k <= 48; ++k) {
    double t = k / 48.0;
    double x = 32 + 10 * std::sin(t * kTau * 3);
    double y = 44 + 44 * t;
    if (k == 0)
      cairo_move_to(cr, x, y);
    else
      cairo_line_to(cr, x, y);
  }
  Stroke(cr, s.ink, 5);
  cairo_new_path(cr);
  for (int k = 0; k <= 48; ++k) {
    double t = k / 48.0;
    double x = 32 + 10 * std::sin(t * kTau * 3);
    double y = 44 + 44 * t;
    if (k == 0)
      cairo_move_to(cr, x, y);
    else
      cairo_line_to(cr, x, y);
  }
  Stroke(cr, kGold, 3);
  Highlight(cr, 24, 30, 6, 14, 0.2);
  // The rod with its knobs.
  cairo_new_path(cr);
  RoundRect(cr, 2, 5, 60, 8, 4);
  FillGradientOutline(cr, 5, Lighter(kGold, 0.3), 13, Darker(kGold, 0.25), s.ink, 2);
  c.Save(ctx, In(s, "banner.png"));
}

// A suit of armour on a stand, holding a halberd.
void Armour(const Context& ctx, const Style& s) {
  const int w = 64, h = 112;
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  Rgb steel = Hex(0xB8BCC8);
  // The halberd behind him.
  cairo_new_path(cr);
  cairo_rectangle(cr, 50, 6, 4, 104);
  FillOutline(cr, s.wood, s.ink, 1.5);
  cairo_new_path(cr);
  cairo_move_to(cr, 52, 4);
  cairo_line_to(cr, 62, 16);
  cairo_line_to(cr, 52, 26);
  cairo_line_to(cr, 46, 16);
  cairo_close_path(cr);
  FillOutline(cr, steel, s.ink, 1.5);
  // Legs, body, arms, helmet.
  cairo_new_path(cr);
  RoundRect(cr, 18, 66, 10, 38, 3);
  RoundRect(cr, 32, 66, 10, 38, 3);
  FillGradientOutline(cr, 66, steel, 104, Darker(steel, 0.3), s.ink, 2);
  cairo_new_path(cr);
  cairo_move_to(cr, 14, 38);
  cairo_curve_to(cr, 14, 30, 46, 30, 46, 38);
  cairo_line_to(cr, 42, 70);
  cairo_line_to(cr, 18, 70);
  cairo_close_path(cr);
  FillGradientOutline(cr, 32, Lighter(steel, 0.2), 70, Darker(steel, 0.25), s.ink, 2);
  cairo_new_path(cr);
  RoundRect(cr, 6, 36, 9, 28, 4);
  RoundRect(cr, 45, 36, 9, 24, 4);
  FillGradientOutline(cr, 36, steel, 64, Darker(steel, 0.3), s.ink, 2);
  cairo_new_path(cr);
  Ellipse(cr, 30, 22, 12, 14);
  FillGradientOutline(cr, 8, Lighter(steel, 0.25), 36, Darker(steel, 0.25), s.ink, 2);
  cairo_new_path(cr);
  cairo_move_to(cr, 21, 22);
  cairo_line_to(cr, 39, 22);
  Stroke(cr, s.ink, 3);
  // A red plume and a belt.
  cairo_new_path(cr);
  cairo_move_to(cr, 30, 9);
  cairo_curve_to(cr, 36, -2, 48, 2, 50, 10);
  cairo_curve_to(cr, 42, 6, 36, 8, 32, 12);
  cairo_close_path(cr);
  FillOutline(cr, s.accent, s.ink, 1.5);
  Rect(cr, 18, 58, 24, 4, Darker(s.accent, 0.2));
  Highlight(cr, 25, 16, 4, 5, 0.5);
  // The stand.
  cairo_new_path(cr);
  cairo_rectangle(cr, 10, 104, 40, 7);
  FillOutline(cr, Darker(s.wood, 0.1), s.ink, 2);
  c.Save(ctx, In(s, "armour.png"));
}

// The villain's throne: a tall red-cushioned seat with gold finials and a
// spring coiled on its back.
void Throne(const Context& ctx, const Style& s) {
  const int w = 96, h = 128;
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  cairo_new_path(cr);
  cairo_move_to(cr, 16, 126);
  cairo_line_to(cr, 16, 20);
  cairo_curve_to(cr, 16, 4, 80, 4, 80, 20);
  cairo_line_to(cr, 80, 126);
  cairo_close_path(cr);
  FillGradientOutline(cr, 4, Lighter(kGold, 0.15), 126, Darker(kGold, 0.35), s.ink, 2);
  cairo_new_path(cr);
  cairo_move_to(cr, 26, 80);
  cairo_line_to(cr, 26, 26);
  cairo_curve_to(cr, 26, 16, 70, 16, 70, 26);
  cairo_line_to(cr, 70, 80);
  cairo_close_path(cr);
  FillGradientOutline(cr, 16, Lighter(s.accent, 0.1), 80, Darker(s.accent, 0.3), s.ink, 2);
  // Seat and arms.
  cairo_new_path(cr);
  RoundRect(cr, 8, 78, 80, 16, 5);
  FillGradientOutline(cr, 78, Lighter(s.accent, 0.2), 94, Darker(s.accent, 0.2), s.ink, 2);
  cairo_new_path(cr);
  RoundRect(cr, 4, 66, 14, 30, 4);
  RoundRect(cr, 78, 66, 14, 30, 4);
  FillGradientOutline(cr, 66, kGold, 96, Darker(kGold, 0.3), s.ink, 2);
  for (double fx : {16.0, 80.0}) {
    cairo_new_path(cr);
    Ellipse(cr, fx, 10, 6, 6);
    FillOutline(cr, Lighter(kGold, 0.2), s.ink, 1.5);
  }
  // The spring on the back, his pride.
  cairo_new_path(cr);
  for (int k = 0; k <= 40; ++k) {
    double t = k / 40.0;
    double x = 48 + 9 * std::sin(t * kTau * 3);
    double y = 30 + 40 * t;
    if (k == 0)
      cairo_move_to(cr, x, y);
    else
      cairo_line_to(cr, x, y);
  }
  Stroke(cr, kGold, 3);
  Highlight(cr, 34, 32, 6, 12, 0.25);
  c.Save(ctx, In(s, "throne.png"));
}

void MakeCastleExtras(const Context& ctx) {
  const Style& s = StyleOf(Area::Castle);
  CastleBackdrop(ctx, s);
  Banner(ctx, s);
  Armour(ctx, s);
  Throne(ctx, s);
}

FORGE_JOB("pictures", "imageset_castle_extras", &MakeCastleExtras);

}  // namespace
}  // namespace forge::art::tiles
