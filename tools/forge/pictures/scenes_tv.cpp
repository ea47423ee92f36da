// The channel-hopping intro: the TV set that frames the screen, its power
// lamp, the on-screen channel numbers, and the pictures of the six silly
// programmes the hero zaps through (a sizzling-bacon cookery show, the news,
// a trumpet fanfare, a game-show deal, an ice-cream advert and the AV input).
//
// Every programme is an 800 x 600 background drawn at (0, 0) with its moving
// parts as separate pictures; each part is sized and drawn so that it lands
// where the scene puts it (top-left positions, or centres for the centred
// ones) and stays inside the TV's screen hole.
#include <cairo.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <string>

#include "pictures/draw_kit.h"

namespace forge::art {
namespace {

const char* const kDir = "Images\\Cutscene\\Intro_Chan\\";
constexpr Rgb kInk = Hex(0x24182C);
constexpr Rgb kSkin = Hex(0xF4C39A);

// The screen hole of the TV frame; the programmes keep their important parts
// inside it.
constexpr double kHoleX = 30, kHoleY = 24, kHoleW = 740, kHoleH = 530, kHoleR = 46;

void Save(const Context& ctx, const char* name, int w, int h, const std::function<void(cairo_t*)>& draw) {
  Canvas c(w, h);
  draw(c.cr());
  c.Save(ctx, std::string(kDir) + name + ".png");
}

// Centred text with a dark outline, in the house's bold sans.
void Label(cairo_t* cr, const char* text, double cx, double cy, double size, Rgb fill, Rgb ink,
           double inkW = 4, bool italic = false) {
  cairo_select_font_face(cr, "DejaVu Sans", italic ? CAIRO_FONT_SLANT_OBLIQUE : CAIRO_FONT_SLANT_NORMAL,
                         CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, size);
  cairo_text_extents_t e;
  cairo_text_extents(cr, text, &e);
  double x = cx - e.width / 2 - e.x_bearing, y = cy - e.height / 2 - e.y_bearing;
  cairo_new_path(cr);
  cairo_move_to(cr, x, y);
  cairo_text_path(cr, text);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  if (inkW > 0) {
    SetRgb(cr, ink);
    cairo_set_line_width(cr, inkW);
    cairo_stroke_preserve(cr);
  }
  SetRgb(cr, fill);
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

void Stroke(cairo_t* cr, Rgb c, double w) {
  SetRgb(cr, c);
  cairo_set_line_width(cr, w);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}

// Sunburst rays around a centre, alternating two colours.
void Rays(cairo_t* cr, double cx, double cy, double r, int count, Rgb a, Rgb b, double alpha = 1.0) {
  for (int i = 0; i < count; ++i) {
    double a0 = 2 * M_PI * i / count, a1 = 2 * M_PI * (i + 1) / count;
    cairo_new_path(cr);
    cairo_move_to(cr, cx, cy);
    cairo_arc(cr, cx, cy, r, a0, a1);
    cairo_close_path(cr);
    SetRgb(cr, i % 2 ? a : b, alpha);
    cairo_fill(cr);
  }
}

// A cartoon face: round head, eyes, big grin; `hat` 0 none, 1 chef's hat.
void Face(cairo_t* cr, double cx, double cy, double r, Rgb skin, int hat, bool moustache, double look) {
  cairo_new_path(cr);
  Ellipse(cr, cx, cy, r, r * 1.02);
  FillGradientOutline(cr, cy - r, Lighter(skin, 0.2), cy + r, Darker(skin, 0.15), kInk, 4);
  Highlight(cr, cx - r * 0.4, cy - r * 0.5, r * 0.3, r * 0.16, 0.4);
  for (double dx : {-0.35, 0.35}) {
    cairo_new_path(cr);
    Ellipse(cr, cx + dx * r, cy - r * 0.15, r * 0.16, r * 0.2);
    FillOutline(cr, {1, 1, 1}, kInk, 3);
    cairo_new_path(cr);
    Ellipse(cr, cx + dx * r + look * r * 0.06, cy - r * 0.12, r * 0.08, r * 0.1);
    SetRgb(cr, kInk);
    cairo_fill(cr);
  }
  cairo_new_path(cr);  // the grin
  cairo_move_to(cr, cx - r * 0.45, cy + r * 0.25);
  cairo_curve_to(cr, cx - r * 0.3, cy + r * 0.8, cx + r * 0.3, cy + r * 0.8, cx + r * 0.45, cy + r * 0.25);
  cairo_close_path(cr);
  FillOutline(cr, Hex(0x8E2B3A), kInk, 3);
  cairo_new_path(cr);
  cairo_rectangle(cr, cx - r * 0.3, cy + r * 0.27, r * 0.6, r * 0.12);
  SetRgb(cr, {1, 1, 1});
  cairo_fill(cr);
  if (moustache) {
    cairo_new_path(cr);
    cairo_move_to(cr, cx, cy + r * 0.2);
    cairo_curve_to(cr, cx - r * 0.2, cy + r * 0.05, cx - r * 0.55, cy + r * 0.1, cx - r * 0.65, cy + r * 0.3);
    cairo_curve_to(cr, cx - r * 0.5, cy + r * 0.22, cx - r * 0.2, cy + r * 0.3, cx, cy + r * 0.2);
    cairo_curve_to(cr, cx + r * 0.2, cy + r * 0.3, cx + r * 0.5, cy + r * 0.22, cx + r * 0.65, cy + r * 0.3);
    cairo_curve_to(cr, cx + r * 0.55, cy + r * 0.1, cx + r * 0.2, cy + r * 0.05, cx, cy + r * 0.2);
    FillOutline(cr, Hex(0x4A2C1C), kInk, 2);
  }
  if (hat == 1) {
    cairo_new_path(cr);
    cairo_move_to(cr, cx - r * 0.7, cy - r * 0.7);
    cairo_curve_to(cr, cx - r * 1.2, cy - r * 1.3, cx - r * 0.6, cy - r * 1.8, cx - r * 0.2, cy - r * 1.45);
    cairo_curve_to(cr, cx, cy - r * 1.95, cx + r * 0.6, cy - r * 1.9, cx + r * 0.5, cy - r * 1.4);
    cairo_curve_to(cr, cx + r * 1.1, cy - r * 1.6, cx + r * 1.2, cy - r * 1.0, cx + r * 0.7, cy - r * 0.7);
    cairo_close_path(cr);
    FillGradientOutline(cr, cy - r * 1.9, {1, 1, 1}, cy - r * 0.7, Hex(0xD9DDE8), kInk, 4);
    cairo_new_path(cr);
    RoundRect(cr, cx - r * 0.75, cy - r * 0.95, r * 1.5, r * 0.35, 6);
    FillOutline(cr, Hex(0xF2F4F8), kInk, 4);
  }
}

// ---------------------------------------------------------------- the set

void MakeTvSet(const Context& ctx) {
  Save(ctx, "TV_Screen", 800, 600, [](cairo_t* cr) {
    // The cabinet, with the screen cut out of it.
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, 0, 800, 600);
    RoundRect(cr, kHoleX, kHoleY, kHoleW, kHoleH, kHoleR);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    VerticalFill(cr, 0, Hex(0x6E4B35), 600, Hex(0x3E2819));
    // Wood grain lines across the cabinet.
    for (int i = 0; i < 40; ++i) {
      double y = 6 + i * 15 + 4 * std::sin(i * 1.7);
      cairo_new_path(cr);
      cairo_move_to(cr, 0, y);
      cairo_curve_to(cr, 250, y + 6 * std::sin(i * 0.9), 550, y - 5 * std::cos(i * 1.3), 800, y + 3);
      cairo_set_source_rgba(cr, 0.15, 0.08, 0.04, 0.18);
      cairo_set_line_width(cr, 2);
      cairo_stroke(cr);
    }
    cairo_restore(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    // A dark bezel around the glass, with a lit upper-left edge.
    cairo_new_path(cr);
    RoundRect(cr, kHoleX - 8, kHoleY - 8, kHoleW + 16, kHoleH + 16, kHoleR + 8);
    Stroke(cr, Hex(0x1B1410), 12);
    cairo_new_path(cr);
    RoundRect(cr, kHoleX - 14, kHoleY - 14, kHoleW + 28, kHoleH + 28, kHoleR + 14);
    Stroke(cr, Hex(0x8A6446), 2);
    // The curved glass: dark at its rim, a gleam at the top left.
    cairo_save(cr);
    cairo_new_path(cr);
    RoundRect(cr, kHoleX, kHoleY, kHoleW, kHoleH, kHoleR);
    cairo_clip(cr);
    for (int i = 0; i < 14; ++i) {
      cairo_new_path(cr);
      RoundRect(cr, kHoleX + i, kHoleY + i, kHoleW - 2 * i, kHoleH - 2 * i, kHoleR - i * 0.5);
      cairo_set_source_rgba(cr, 0.02, 0.02, 0.05, 0.26 * (1 - i / 14.0));
      cairo_set_line_width(cr, 2);
      cairo_stroke(cr);
    }
    cairo_new_path(cr);
    cairo_move_to(cr, kHoleX + 40, kHoleY + 90);
    cairo_curve_to(cr, kHoleX + 40, kHoleY + 30, kHoleX + 90, kHoleY + 14, kHoleX + 200, kHoleY + 14);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.22);
    cairo_set_line_width(cr, 10);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    cairo_restore(cr);
    // The control strip: speaker slots, the maker's badge, two knobs, the lamp socket.
    for (int i = 0; i < 9; ++i) {
      cairo_new_path(cr);
      RoundRect(cr, 40 + i * 14, 568, 7, 24, 3.5);
      SetRgb(cr, Hex(0x1E140D));
      cairo_fill(cr);
    }
    cairo_new_path(cr);
    RoundRect(cr, 330, 568, 140, 22, 6);
    FillGradientOutline(cr, 568, Hex(0xE9D59A), 590, Hex(0xB08C46), Hex(0x2A1A10), 2);
    Label(cr, "KT VISION", 400, 579, 13, Hex(0x3A2414), Hex(0x3A2414), 0);
    for (double kx : {640.0, 690.0}) {
      cairo_new_path(cr);
      Ellipse(cr, kx, 578, 13, 13);
      FillGradientOutline(cr, 565, Hex(0xC9C2B8), 591, Hex(0x6D6359), Hex(0x1E140D), 2.5);
      cairo_new_path(cr);
      cairo_move_to(cr, kx, 578);
      cairo_line_to(cr, kx - 6, 569);
      Stroke(cr, Hex(0x1E140D), 3);
    }
    cairo_new_path(cr);
    RoundRect(cr, 733, 587, 30, 13, 5);
    SetRgb(cr, Hex(0x160E09));
    cairo_fill(cr);
  });
  // The power lamp sits in its socket at (736, 590).
  Save(ctx, "TV_Off", 24, 10, [](cairo_t* cr) {
    cairo_new_path(cr);
    RoundRect(cr, 1, 1, 22, 8, 4);
    FillGradientOutline(cr, 1, Hex(0x6A2420), 9, Hex(0x3A1210), Hex(0x120806), 1.5);
  });
  Save(ctx, "TV_On", 24, 10, [](cairo_t* cr) {
    cairo_new_path(cr);
    RoundRect(cr, 1, 1, 22, 8, 4);
    FillGradientOutline(cr, 1, Hex(0xB8FF9A), 9, Hex(0x2FD04A), Hex(0x0B3A12), 1.5);
    Highlight(cr, 8, 3.5, 5, 1.5, 0.7);
  });
  // On-screen channel numbers, shown at (50, 50).
  const char* numbers[][2] = {{"tv16", "16"}, {"tv01", "01"}, {"tv27", "27"},
                              {"tv04", "04"}, {"tv41", "41"}, {"tvav", "AV"}};
  for (auto& n : numbers) {
    const char* text = n[1];
    Save(ctx, n[0], 120, 72, [text](cairo_t* cr) {
      cairo_save(cr);
      cairo_translate(cr, 3, 3);
      Label(cr, text, 60, 36, 58, Hex(0x062A0C), Hex(0x062A0C), 6);
      cairo_restore(cr);
      Label(cr, text, 60, 36, 58, Hex(0x6CFF6A), Hex(0x0B4A14), 5);
    });
  }
}

// --------------------------------------------------------------- channel 16

void MakeBacon(const Context& ctx) {
  Save(ctx, "bacon_scene", 800, 600, [](cairo_t* cr) {
    cairo_rectangle(cr, 0, 0, 800, 600);
    VerticalFill(cr, 0, Hex(0xFFB04A), 600, Hex(0xE0482E));
    // A tiled kitchen wall and the counter the pan sits on.
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 17; ++x) {
        cairo_new_path(cr);
        cairo_rectangle(cr, x * 48 + 2, 330 + y * 48 + 2, 44, 44);
        SetRgb(cr, (x + y) % 2 ? Hex(0xFFF1D6) : Hex(0xF2D9B0), 0.9);
        cairo_fill(cr);
      }
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, 452, 800, 148);
    VerticalFill(cr, 452, Hex(0x9C5B32), 600, Hex(0x5E341C));
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, 446, 800, 12);
    FillOutline(cr, Hex(0xC98A56), Hex(0x3E2012), 3);
    // The frying pan below the dancing rasher.
    cairo_new_path(cr);
    Ellipse(cr, 400, 470, 170, 34);
    FillGradientOutline(cr, 436, Hex(0x545A66), 504, Hex(0x23262D), kInk, 5);
    cairo_new_path(cr);
    Ellipse(cr, 400, 466, 140, 22);
    SetRgb(cr, Hex(0x16181D));
    cairo_fill(cr);
    cairo_new_path(cr);
    RoundRect(cr, 566, 462, 160, 18, 9);
    FillOutline(cr, Hex(0x2D2320), kInk, 4);
    // The show's name on a banner.
    cairo_new_path(cr);
    RoundRect(cr, 220, 506, 360, 40, 14);
    FillGradientOutline(cr, 506, Hex(0xFFE27A), 546, Hex(0xF0A52A), kInk, 4);
    Label(cr, "SIZZLE TIME!", 400, 526, 28, Hex(0xC2311E), kInk, 0, true);
  });
  Save(ctx, "bacon_star", 800, 800, [](cairo_t* cr) {
    // Rays fading out towards the edge, and a fat star at the middle.
    cairo_push_group(cr);
    Rays(cr, 400, 400, 400, 24, Hex(0xFFF2A8), Hex(0xFFD04A), 1.0);
    cairo_pop_group_to_source(cr);
    cairo_pattern_t* mask = cairo_pattern_create_radial(400, 400, 60, 400, 400, 400);
    cairo_pattern_add_color_stop_rgba(mask, 0, 0, 0, 0, 0.6);
    cairo_pattern_add_color_stop_rgba(mask, 1, 0, 0, 0, 0);
    cairo_mask(cr, mask);
    cairo_pattern_destroy(mask);
    cairo_new_path(cr);
    for (int k = 0; k < 16; ++k) {
      double r = k % 2 ? 70 : 150, a = k * M_PI / 8 - M_PI / 2;
      if (k == 0) cairo_move_to(cr, 400 + r * std::cos(a), 400 + r * std::sin(a));
      else cairo_line_to(cr, 400 + r * std::cos(a), 400 + r * std::sin(a));
    }
    cairo_close_path(cr);
    FillGradientOutline(cr, 250, Hex(0xFFF6B0), 550, Hex(0xFFB52E), Hex(0x8A4A10), 5);
  });
  Save(ctx, "bacon_faces", 600, 220, [](cairo_t* cr) {
    // The two hosts, one either side of the pan.
    Face(cr, 90, 140, 62, kSkin, 1, true, 1);
    Face(cr, 510, 140, 62, Hex(0xD9A077), 1, false, -1);
  });
  Save(ctx, "bacon_bacon", 340, 140, [](cairo_t* cr) {
    // A wavy rasher: red meat with two stripes of fat, and sizzle marks.
    auto wave = [](cairo_t* c, double y, double amp) {
      cairo_move_to(c, 30, y);
      for (int i = 1; i <= 28; ++i) {
        double x = 30 + i * 10;
        cairo_line_to(c, x, y + amp * std::sin(i * M_PI / 7));
      }
    };
    cairo_new_path(cr);
    wave(cr, 50, 14);
    for (int i = 28; i >= 0; --i) cairo_line_to(cr, 30 + i * 10, 96 + 14 * std::sin(i * M_PI / 7));
    cairo_close_path(cr);
    FillGradientOutline(cr, 36, Hex(0xE8584A), 110, Hex(0xA82A26), kInk, 5);
    for (double y : {64.0, 82.0}) {
      cairo_new_path(cr);
      wave(cr, y, 14);
      Stroke(cr, Hex(0xFFE3CF), 6);
    }
    cairo_new_path(cr);
    wave(cr, 54, 14);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.35);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    for (int i = 0; i < 5; ++i) {  // sizzle squiggles
      double x = 60 + i * 55, y = 24 + 8 * std::sin(i * 2.0);
      cairo_new_path(cr);
      cairo_move_to(cr, x, y + 8);
      cairo_curve_to(cr, x - 6, y + 3, x + 6, y - 2, x, y - 8);
      Stroke(cr, Hex(0xFFFFFF), 3);
    }
  });
}

// --------------------------------------------------------------- channel 01

// The newsreader's head sits at (542, 174); the mouth strip is drawn over it
// at (582, 305), so the face keeps that patch (40..80, 131..146 in the face)
// plain skin.

void MakeNews(const Context& ctx) {
  Save(ctx, "news_scene", 800, 600, [](cairo_t* cr) {
    cairo_rectangle(cr, 0, 0, 800, 600);
    VerticalFill(cr, 0, Hex(0x1D3A7A), 600, Hex(0x0E1C40));
    // A globe of rings behind the desk.
    for (int i = 0; i < 6; ++i) {
      cairo_new_path(cr);
      Ellipse(cr, 600, 260, 200 - i * 10, 200);
      Ellipse(cr, 600, 260, 200, 40 + i * 30);
      cairo_set_source_rgba(cr, 0.5, 0.7, 1, 0.12);
      cairo_set_line_width(cr, 3);
      cairo_stroke(cr);
    }
    // The headline screen on the left, with a pogo stick and a question mark.
    cairo_new_path(cr);
    RoundRect(cr, 70, 110, 330, 220, 14);
    FillGradientOutline(cr, 110, Hex(0x5CC3F2), 330, Hex(0x2A74C4), kInk, 6);
    cairo_new_path(cr);
    RoundRect(cr, 202, 150, 14, 120, 6);
    FillOutline(cr, Hex(0xFFC61A), kInk, 4);
    cairo_new_path(cr);
    RoundRect(cr, 176, 146, 66, 16, 8);
    FillOutline(cr, Hex(0xFFC61A), kInk, 4);
    for (int i = 0; i < 4; ++i) {
      cairo_new_path(cr);
      cairo_move_to(cr, 194, 276 + i * 9);
      cairo_line_to(cr, 224, 271 + i * 9);
      Stroke(cr, Hex(0xC8D0D8), 5);
    }
    Label(cr, "?", 320, 220, 110, Hex(0xFFFFFF), kInk, 6);
    // The newsreader's shoulders and tie behind the desk.
    cairo_new_path(cr);
    cairo_move_to(cr, 520, 470);
    cairo_curve_to(cr, 520, 360, 540, 330, 602, 326);
    cairo_curve_to(cr, 664, 330, 684, 360, 684, 470);
    cairo_close_path(cr);
    FillGradientOutline(cr, 326, Hex(0x4A4F66), 470, Hex(0x262A3A), kInk, 5);
    cairo_new_path(cr);
    cairo_move_to(cr, 584, 328);
    cairo_line_to(cr, 602, 380);
    cairo_line_to(cr, 620, 328);
    cairo_close_path(cr);
    FillOutline(cr, Hex(0xF4F4F4), kInk, 3);
    cairo_new_path(cr);
    cairo_move_to(cr, 596, 334);
    cairo_line_to(cr, 608, 334);
    cairo_line_to(cr, 606, 372);
    cairo_line_to(cr, 602, 380);
    cairo_line_to(cr, 598, 372);
    cairo_close_path(cr);
    FillOutline(cr, Hex(0xD8352A), kInk, 2);
    // The desk.
    cairo_new_path(cr);
    cairo_move_to(cr, 0, 420);
    cairo_line_to(cr, 800, 420);
    cairo_line_to(cr, 800, 600);
    cairo_line_to(cr, 0, 600);
    cairo_close_path(cr);
    FillGradientOutline(cr, 420, Hex(0x9FB6D6), 600, Hex(0x52698E), kInk, 5);
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, 420, 800, 10);
    SetRgb(cr, Hex(0xDDE8F6));
    cairo_fill(cr);
    // The ticker.
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, 476, 800, 44);
    SetRgb(cr, Hex(0xC8221A));
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, 476, 190, 44);
    SetRgb(cr, Hex(0xFFFFFF));
    cairo_fill(cr);
    Label(cr, "BREAKING", 110, 498, 24, Hex(0xC8221A), kInk, 0);
    Label(cr, "SPRINGS GO MISSING ALL OVER TOWN", 500, 498, 21, Hex(0xFFFFFF), kInk, 0);
  });
  Save(ctx, "news_face", 124, 170, [](cairo_t* cr) {
    double cx = 60, cy = 100;
    // Ears, head, hair; the skin stays one flat colour round the mouth patch.
    for (double ex : {cx - 52, cx + 52}) {
      cairo_new_path(cr);
      Ellipse(cr, ex, cy + 4, 9, 14);
      FillOutline(cr, kSkin, kInk, 3);
    }
    cairo_new_path(cr);
    Ellipse(cr, cx, cy, 52, 64);
    FillOutline(cr, kSkin, kInk, 4);
    cairo_save(cr);
    cairo_new_path(cr);
    Ellipse(cr, cx, cy, 50, 62);
    cairo_clip(cr);
    cairo_new_path(cr);
    cairo_rectangle(cr, cx + 34, 0, 40, 170);
    SetRgb(cr, Darker(kSkin, 0.12));
    cairo_fill(cr);
    cairo_restore(cr);
    Highlight(cr, cx - 22, cy - 38, 14, 7, 0.4);
    cairo_new_path(cr);  // slick side parting
    cairo_move_to(cr, cx - 54, cy - 6);
    cairo_curve_to(cr, cx - 60, cy - 70, cx + 40, cy - 86, cx + 54, cy - 20);
    cairo_curve_to(cr, cx + 30, cy - 46, cx - 10, cy - 50, cx - 40, cy - 30);
    cairo_curve_to(cr, cx - 46, cy - 24, cx - 48, cy - 14, cx - 54, cy - 6);
    cairo_close_path(cr);
    FillGradientOutline(cr, cy - 80, Hex(0x5A3A22), cy - 10, Hex(0x2E1C10), kInk, 3);
    // Serious eyes and brows.
    for (double dx : {-20.0, 20.0}) {
      cairo_new_path(cr);
      Ellipse(cr, cx + dx, cy - 4, 9, 10);
      FillOutline(cr, {1, 1, 1}, kInk, 3);
      cairo_new_path(cr);
      Ellipse(cr, cx + dx + 2, cy - 3, 4, 5);
      SetRgb(cr, kInk);
      cairo_fill(cr);
      cairo_new_path(cr);
      cairo_move_to(cr, cx + dx - 10, cy - 20 + (dx < 0 ? -2 : 2));
      cairo_line_to(cr, cx + dx + 10, cy - 20 + (dx < 0 ? 2 : -2));
      Stroke(cr, Hex(0x2E1C10), 4);
    }
    cairo_new_path(cr);  // nose
    cairo_move_to(cr, cx + 2, cy + 2);
    cairo_curve_to(cr, cx + 10, cy + 18, cx + 4, cy + 22, cx - 4, cy + 20);
    Stroke(cr, Darker(kSkin, 0.35), 3);
  });
  // Six mouth shapes, shut to wide open, on a patch of the face's skin.
  Canvas strip(240, 15);
  cairo_t* cr = strip.cr();
  for (int f = 0; f < 6; ++f) {
    cairo_save(cr);
    cairo_translate(cr, f * 40, 0);
    cairo_rectangle(cr, 0, 0, 40, 15);
    SetRgb(cr, kSkin);
    cairo_fill(cr);
    double open = f / 5.0, w = 14 - 2 * open;
    cairo_new_path(cr);
    if (f == 0) {
      cairo_move_to(cr, 20 - w, 7.5);
      cairo_curve_to(cr, 20 - w / 2, 9, 20 + w / 2, 9, 20 + w, 7.5);
      Stroke(cr, Hex(0x8E3A3A), 2.5);
    } else {
      Ellipse(cr, 20, 7.5, w, 1.5 + 5 * open);
      FillOutline(cr, Hex(0x5A1E26), Hex(0x8E3A3A), 2);
      if (open > 0.3) {
        cairo_new_path(cr);
        cairo_rectangle(cr, 20 - w * 0.6, 7.5 - 1.5 - 5 * open + 1, w * 1.2, 2);
        SetRgb(cr, {1, 1, 1});
        cairo_fill(cr);
      }
    }
    cairo_restore(cr);
  }
  strip.Save(ctx, std::string(kDir) + "news_mouth.png");
}

// --------------------------------------------------------------- channel 27

void MakeToot(const Context& ctx) {
  Save(ctx, "toot_scene", 800, 600, [](cairo_t* cr) {
    cairo_rectangle(cr, 0, 0, 800, 600);
    VerticalFill(cr, 0, Hex(0x5A1A6E), 600, Hex(0x24082E));
    // Stage curtains at both sides and a wooden floor.
    for (int side = 0; side < 2; ++side) {
      for (int i = 0; i < 4; ++i) {
        double x = side == 0 ? i * 36 : 800 - (i + 1) * 36;
        cairo_new_path(cr);
        RoundRect(cr, x, -20, 40, 520, 18);
        FillGradientOutline(cr, 0, Hex(0xE0323A), 500, Hex(0x7A1020), kInk, 3);
      }
    }
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, 470, 800, 130);
    VerticalFill(cr, 470, Hex(0xC88A4E), 600, Hex(0x7A4A24));
    for (int i = 0; i < 12; ++i) {
      cairo_new_path(cr);
      cairo_move_to(cr, 400 + (i - 6) * 40, 470);
      cairo_line_to(cr, 400 + (i - 6) * 140, 600);
      cairo_set_source_rgba(cr, 0.2, 0.1, 0.05, 0.4);
      cairo_set_line_width(cr, 2);
      cairo_stroke(cr);
    }
    Glow(cr, 400, 300, 320, Hex(0xFFE9A8), 0.35);
  });
  Save(ctx, "toot_spiral", 1000, 1000, [](cairo_t* cr) {
    // Six swirling arms, see-through so the stage shows between them; large
    // enough to cover the screen at every angle.
    for (int arm = 0; arm < 6; ++arm) {
      cairo_new_path(cr);
      double a0 = arm * M_PI / 3;
      for (int i = 0; i <= 60; ++i) {
        double t = i / 60.0, r = 720 * t, a = a0 + 3.2 * t;
        double x = 500 + r * std::cos(a), y = 500 + r * std::sin(a);
        if (i == 0) cairo_move_to(cr, x, y);
        else cairo_line_to(cr, x, y);
      }
      for (int i = 60; i >= 0; --i) {
        double t = i / 60.0, r = 720 * t, a = a0 + 3.2 * t + 0.45 * t + 0.05;
        cairo_line_to(cr, 500 + r * std::cos(a), 500 + r * std::sin(a));
      }
      cairo_close_path(cr);
      SetRgb(cr, arm % 2 ? Hex(0xFFD23F) : Hex(0xFF7A3D), 0.55);
      cairo_fill(cr);
    }
  });
  Save(ctx, "toot_trumpet", 400, 200, [](cairo_t* cr) {
    Rgb brass = Hex(0xF2B632), dark = Hex(0x9A6410), edge = Hex(0x4A2C08);
    // Tube from the mouthpiece (right) to the bell (left).
    cairo_new_path(cr);
    cairo_move_to(cr, 370, 104);
    cairo_line_to(cr, 110, 104);
    Stroke(cr, edge, 22);
    cairo_new_path(cr);
    cairo_move_to(cr, 370, 104);
    cairo_line_to(cr, 110, 104);
    Stroke(cr, brass, 15);
    cairo_new_path(cr);  // the loop under the valves
    RoundRect(cr, 170, 104, 150, 50, 25);
    Stroke(cr, edge, 18);
    cairo_new_path(cr);
    RoundRect(cr, 170, 104, 150, 50, 25);
    Stroke(cr, brass, 11);
    cairo_new_path(cr);  // the bell
    cairo_move_to(cr, 140, 96);
    cairo_curve_to(cr, 90, 92, 50, 60, 22, 30);
    cairo_line_to(cr, 22, 178);
    cairo_curve_to(cr, 50, 148, 90, 116, 140, 112);
    cairo_close_path(cr);
    FillGradientOutline(cr, 30, Lighter(brass, 0.35), 178, dark, edge, 5);
    cairo_new_path(cr);
    Ellipse(cr, 22, 104, 12, 74);
    FillGradientOutline(cr, 30, Hex(0xC98A1A), 178, Hex(0x6A400A), edge, 5);
    // Valves and the mouthpiece.
    for (int i = 0; i < 3; ++i) {
      double x = 210 + i * 34;
      cairo_new_path(cr);
      RoundRect(cr, x - 9, 56, 18, 56, 5);
      FillGradientOutline(cr, 56, Lighter(brass, 0.3), 112, dark, edge, 4);
      cairo_new_path(cr);
      RoundRect(cr, x - 12, 44, 24, 14, 6);
      FillOutline(cr, Hex(0xFFF1C8), edge, 4);
    }
    cairo_new_path(cr);
    RoundRect(cr, 362, 94, 30, 20, 8);
    FillOutline(cr, Lighter(brass, 0.2), edge, 4);
    cairo_new_path(cr);
    cairo_move_to(cr, 120, 100);
    cairo_line_to(cr, 360, 100);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.55);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
  });
  Save(ctx, "toot_out", 240, 200, [](cairo_t* cr) {
    // A blast of sound: a spiky burst with notes flying out of it.
    cairo_new_path(cr);
    for (int k = 0; k < 24; ++k) {
      double r = k % 2 ? 62 : 96, a = k * M_PI / 12;
      double x = 120 + r * std::cos(a), y = 100 + r * 0.82 * std::sin(a);
      if (k == 0) cairo_move_to(cr, x, y);
      else cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
    FillGradientOutline(cr, 20, Hex(0xFFFFFF), 180, Hex(0xFFE27A), kInk, 5);
    for (int i = 0; i < 3; ++i) {
      double x = 80 + i * 40, y = 110 - (i % 2) * 22;
      cairo_new_path(cr);
      Ellipse(cr, x, y + 18, 9, 7);
      SetRgb(cr, kInk);
      cairo_fill(cr);
      cairo_new_path(cr);
      cairo_move_to(cr, x + 8, y + 17);
      cairo_line_to(cr, x + 8, y - 18);
      cairo_line_to(cr, x + 20, y - 10);
      Stroke(cr, kInk, 4);
    }
  });
  Save(ctx, "toot_100", 140, 150, [](cairo_t* cr) {
    // A prize rosette: "100% BRASS".
    for (int side = -1; side <= 1; side += 2) {
      cairo_new_path(cr);
      cairo_move_to(cr, 70 + side * 10, 90);
      cairo_line_to(cr, 70 + side * 40, 146);
      cairo_line_to(cr, 70 + side * 22, 136);
      cairo_line_to(cr, 70 + side * 10, 148);
      cairo_line_to(cr, 70 - side * 6, 96);
      cairo_close_path(cr);
      FillOutline(cr, Hex(0x2F6FD6), kInk, 4);
    }
    cairo_new_path(cr);
    for (int k = 0; k < 32; ++k) {
      double r = k % 2 ? 56 : 64, a = k * M_PI / 16;
      if (k == 0) cairo_move_to(cr, 70 + r * std::cos(a), 68 + r * std::sin(a));
      else cairo_line_to(cr, 70 + r * std::cos(a), 68 + r * std::sin(a));
    }
    cairo_close_path(cr);
    FillGradientOutline(cr, 4, Hex(0xFFE27A), 132, Hex(0xE09A1E), kInk, 4);
    cairo_new_path(cr);
    Ellipse(cr, 70, 68, 44, 44);
    FillOutline(cr, Hex(0xFFF6D0), Hex(0xB07814), 3);
    Label(cr, "100%", 70, 60, 26, Hex(0xC2311E), kInk, 0);
    Label(cr, "BRASS", 70, 86, 15, Hex(0x5A3A10), kInk, 0);
  });
  Save(ctx, "toot_toot", 440, 240, [](cairo_t* cr) {
    // The caption sits low in this picture so it clears the trumpet above it.
    cairo_save(cr);
    cairo_translate(cr, 220, 196);
    cairo_rotate(cr, -0.06);
    Label(cr, "TOOT TOOT!", 4, 5, 56, Hex(0x2A0A30), Hex(0x2A0A30), 12, true);
    Label(cr, "TOOT TOOT!", 0, 0, 56, Hex(0xFFE14D), kInk, 8, true);
    cairo_restore(cr);
  });
}

// --------------------------------------------------------------- channel 04

// The host stands behind a podium with his box on it; his arms and the box
// are separate pictures placed over his body.
constexpr double kHostX = 402;

void Hand(cairo_t* cr, double x, double y, double r) {
  cairo_new_path(cr);
  Ellipse(cr, x, y, r, r * 0.9);
  FillGradientOutline(cr, y - r, Lighter(kSkin, 0.15), y + r, Darker(kSkin, 0.15), kInk, 4);
}

void Sleeve(cairo_t* cr, double x0, double y0, double x1, double y1, double x2, double y2) {
  for (int pass = 0; pass < 2; ++pass) {
    cairo_new_path(cr);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_line_to(cr, x2, y2);
    Stroke(cr, pass == 0 ? kInk : Hex(0xE8E2F0), pass == 0 ? 30 : 22);
  }
  cairo_new_path(cr);
  cairo_move_to(cr, x0 - 4, y0 - 4);
  cairo_line_to(cr, x1 - 4, y1 - 4);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.6);
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
}

void Box(cairo_t* cr, double x, double y, double w, double h) {
  cairo_new_path(cr);
  RoundRect(cr, x, y, w, h, 6);
  FillGradientOutline(cr, y, Hex(0xE8493C), y + h, Hex(0x9E1F22), kInk, 5);
  cairo_new_path(cr);
  cairo_rectangle(cr, x + w / 2 - 10, y + 2, 20, h - 4);
  SetRgb(cr, Hex(0xFFCB3A));
  cairo_fill(cr);
}

void MakeDeal(const Context& ctx) {
  Save(ctx, "deal_scene", 800, 600, [](cairo_t* cr) {
    cairo_rectangle(cr, 0, 0, 800, 600);
    VerticalFill(cr, 0, Hex(0x2A1D6A), 600, Hex(0x0E0A2A));
    Rays(cr, 400, 600, 800, 20, Hex(0x3E2E8E), Hex(0x2A1D6A), 0.6);
    // A ring of bulbs round the stage.
    for (int i = 0; i < 26; ++i) {
      double a = M_PI + i * M_PI / 25;
      double x = 400 + 350 * std::cos(a), y = 400 + 340 * std::sin(a);
      Glow(cr, x, y, 16, Hex(0xFFE08A), 0.6);
      cairo_new_path(cr);
      Ellipse(cr, x, y, 6, 6);
      FillOutline(cr, Hex(0xFFF6C8), Hex(0x7A5A10), 2);
    }
    // The host: suit, bow tie, shiny hair and a big grin, his head high
    // enough to stay clear of the box when it springs open.
    const double neck = 166, head = 120;
    cairo_new_path(cr);
    cairo_move_to(cr, kHostX - 110, 470);
    cairo_curve_to(cr, kHostX - 110, neck + 48, kHostX - 80, neck + 4, kHostX, neck);
    cairo_curve_to(cr, kHostX + 80, neck + 4, kHostX + 110, neck + 48, kHostX + 110, 470);
    cairo_close_path(cr);
    FillGradientOutline(cr, neck, Hex(0xE8E2F0), 470, Hex(0x9E96B8), kInk, 5);
    cairo_new_path(cr);
    cairo_move_to(cr, kHostX - 20, neck + 4);
    cairo_line_to(cr, kHostX, neck + 68);
    cairo_line_to(cr, kHostX + 20, neck + 4);
    cairo_close_path(cr);
    FillOutline(cr, Hex(0x2C244A), kInk, 3);
    Face(cr, kHostX, head, 42, kSkin, 0, false, 0);
    cairo_new_path(cr);  // quiff
    cairo_move_to(cr, kHostX - 42, head - 10);
    cairo_curve_to(cr, kHostX - 48, head - 64, kHostX + 28, head - 74, kHostX + 44, head - 18);
    cairo_curve_to(cr, kHostX + 20, head - 40, kHostX - 10, head - 36, kHostX - 28, head - 26);
    cairo_close_path(cr);
    FillGradientOutline(cr, head - 66, Hex(0x3A3A48), head - 10, Hex(0x14141C), kInk, 3);
    cairo_new_path(cr);  // bow tie
    cairo_move_to(cr, kHostX, neck + 4);
    cairo_line_to(cr, kHostX - 22, neck - 8);
    cairo_line_to(cr, kHostX - 22, neck + 16);
    cairo_close_path(cr);
    cairo_move_to(cr, kHostX, neck + 4);
    cairo_line_to(cr, kHostX + 22, neck - 8);
    cairo_line_to(cr, kHostX + 22, neck + 16);
    cairo_close_path(cr);
    FillOutline(cr, Hex(0xD8352A), kInk, 3);
    // The podium the box stands on.
    cairo_new_path(cr);
    cairo_move_to(cr, 280, 360);
    cairo_line_to(cr, 524, 360);
    cairo_line_to(cr, 500, 560);
    cairo_line_to(cr, 304, 560);
    cairo_close_path(cr);
    FillGradientOutline(cr, 360, Hex(0x5AC8F0), 560, Hex(0x1E6AA8), kInk, 5);
    cairo_new_path(cr);
    cairo_rectangle(cr, 272, 352, 260, 16);
    FillOutline(cr, Hex(0xFFD23F), kInk, 4);
    Label(cr, "OPEN", kHostX, 420, 40, Hex(0xFFD23F), kInk, 6, true);
    Label(cr, "THE BOX!", kHostX, 474, 36, Hex(0xFFD23F), kInk, 6, true);
  });
  // Arms down: from behind the box out to the elbows, hands on its sides.
  Save(ctx, "deal_arms_down", 330, 150, [](cairo_t* cr) {
    // (236, 204) is this picture's corner on the screen.
    Sleeve(cr, 112, 60, 34, 106, 84, 128);
    Sleeve(cr, 222, 60, 298, 106, 248, 128);
    Hand(cr, 90, 126, 13);
    Hand(cr, 244, 126, 13);
  });
  Save(ctx, "deal_box_closed", 150, 130, [](cairo_t* cr) {
    Box(cr, 4, 26, 142, 100);
    cairo_new_path(cr);
    RoundRect(cr, 0, 14, 150, 24, 6);
    FillGradientOutline(cr, 14, Hex(0xF36A5A), 38, Hex(0xB52A2A), kInk, 5);
    cairo_new_path(cr);
    cairo_rectangle(cr, 65, 16, 20, 20);
    SetRgb(cr, Hex(0xFFCB3A));
    cairo_fill(cr);
    // The ribbon's bow on top.
    for (int side = -1; side <= 1; side += 2) {
      cairo_new_path(cr);
      cairo_move_to(cr, 75, 14);
      cairo_curve_to(cr, 75 + side * 10, -4, 75 + side * 34, 0, 75 + side * 26, 14);
      cairo_close_path(cr);
      FillOutline(cr, Hex(0xFFCB3A), kInk, 3);
    }
    Highlight(cr, 30, 50, 16, 8, 0.3);
  });
  // Arms up: cheering, hands high either side of the opening box.
  Save(ctx, "deal_arms_up", 280, 130, [](cairo_t* cr) {
    // (263, 151) is this picture's corner on the screen.
    Sleeve(cr, 84, 118, 36, 66, 30, 24);
    Sleeve(cr, 196, 118, 244, 66, 250, 24);
    Hand(cr, 30, 18, 14);
    Hand(cr, 250, 18, 14);
  });
  Save(ctx, "deal_box_open", 142, 197, [](cairo_t* cr) {
    // Light pours out of the box; its lid has flipped back.
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, 8, 74);
    cairo_line_to(cr, -30, 0);
    cairo_line_to(cr, 172, 0);
    cairo_line_to(cr, 134, 74);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 74, 0, 0);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 0.95, 0.6, 0.9);
    cairo_pattern_add_color_stop_rgba(p, 1, 1, 0.95, 0.6, 0);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, 6, 68);
    cairo_line_to(cr, 18, 30);
    cairo_line_to(cr, 128, 30);
    cairo_line_to(cr, 136, 68);
    cairo_close_path(cr);
    FillGradientOutline(cr, 30, Hex(0xB52A2A), 68, Hex(0x7A1618), kInk, 5);
    Box(cr, 2, 70, 134, 124);
    // A golden spring jumping out: the prize.
    for (int pass = 0; pass < 2; ++pass) {
      cairo_new_path(cr);
      for (int i = 0; i <= 8; ++i) {
        double x = 69 + (i % 2 ? 14 : -14), y = 74 - i * 7;
        if (i == 0) cairo_move_to(cr, x, y);
        else cairo_line_to(cr, x, y);
      }
      Stroke(cr, pass == 0 ? kInk : Hex(0xFFE14D), pass == 0 ? 9 : 5);
    }
    for (int i = 0; i < 5; ++i) {  // sparkles
      double x = 20 + i * 26, y = 14 + 10 * std::sin(i * 1.9);
      cairo_new_path(cr);
      cairo_move_to(cr, x, y - 6);
      cairo_line_to(cr, x, y + 6);
      cairo_move_to(cr, x - 6, y);
      cairo_line_to(cr, x + 6, y);
      Stroke(cr, Hex(0xFFFFFF), 2.5);
    }
  });
}

// --------------------------------------------------------------- channel 41

void MakeCream(const Context& ctx) {
  Save(ctx, "cream_scene", 800, 600, [](cairo_t* cr) {
    // Candy stripes, a counter, and the advert's slogan.
    for (int i = 0; i < 16; ++i) {
      cairo_new_path(cr);
      cairo_rectangle(cr, i * 50, 0, 50, 600);
      SetRgb(cr, i % 2 ? Hex(0xFFD6E4) : Hex(0xFFF3F7));
      cairo_fill(cr);
    }
    Glow(cr, 400, 280, 380, Hex(0xFFFFFF), 0.6);
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, 440, 800, 160);
    VerticalFill(cr, 440, Hex(0x8FE3D0), 600, Hex(0x3FA890));
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, 432, 800, 16);
    FillOutline(cr, Hex(0xFFFFFF), Hex(0x2A6A5C), 3);
    Label(cr, "SCOOPY'S", 400, 80, 52, Hex(0xFF5C8A), kInk, 7, true);
    Label(cr, "the creamiest cream in the world!", 400, 136, 26, Hex(0xFFFFFF), Hex(0xC23A6A), 5, true);
  });
  Save(ctx, "cream_arm", 240, 310, [](cairo_t* cr) {
    // An arm from below the screen, holding up a cone with three scoops.
    for (int pass = 0; pass < 2; ++pass) {
      cairo_new_path(cr);
      cairo_move_to(cr, 40, 320);
      cairo_curve_to(cr, 60, 260, 90, 230, 104, 196);
      Stroke(cr, pass == 0 ? kInk : Hex(0x5AA0F0), pass == 0 ? 44 : 36);
    }
    cairo_new_path(cr);  // the cone
    cairo_move_to(cr, 74, 120);
    cairo_line_to(cr, 156, 120);
    cairo_line_to(cr, 118, 230);
    cairo_close_path(cr);
    FillGradientOutline(cr, 120, Hex(0xF2C074), 230, Hex(0xC0823A), kInk, 5);
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, 74, 120);
    cairo_line_to(cr, 156, 120);
    cairo_line_to(cr, 118, 230);
    cairo_close_path(cr);
    cairo_clip(cr);
    for (int i = -4; i < 8; ++i) {
      cairo_new_path(cr);
      cairo_move_to(cr, 60 + i * 16, 120);
      cairo_line_to(cr, 130 + i * 16, 240);
      cairo_move_to(cr, 170 - i * 16, 120);
      cairo_line_to(cr, 100 - i * 16, 240);
      cairo_set_source_rgba(cr, 0.5, 0.3, 0.1, 0.5);
      cairo_set_line_width(cr, 2);
      cairo_stroke(cr);
    }
    cairo_restore(cr);
    Hand(cr, 112, 200, 22);
    const Rgb scoops[3] = {Hex(0xFFF2D8), Hex(0xFF9EC0), Hex(0x8A5A3A)};
    for (int i = 0; i < 3; ++i) {
      double cy = 104 - i * 36;
      cairo_new_path(cr);
      Ellipse(cr, 115, cy, 44 - i * 4, 30);
      FillGradientOutline(cr, cy - 30, Lighter(scoops[i], 0.3), cy + 30, Darker(scoops[i], 0.15), kInk, 5);
      Highlight(cr, 100, cy - 12, 14, 6, 0.5);
    }
    cairo_new_path(cr);  // the cherry
    Ellipse(cr, 118, 12, 10, 10);
    FillOutline(cr, Hex(0xE0202A), kInk, 4);
  });
  Save(ctx, "cream_slop", 200, 220, [](cairo_t* cr) {
    // A sundae glass with its melting dollop sliding down the sides.
    cairo_new_path(cr);
    cairo_move_to(cr, 30, 90);
    cairo_line_to(cr, 170, 90);
    cairo_curve_to(cr, 170, 150, 130, 170, 110, 172);
    cairo_line_to(cr, 110, 196);
    cairo_line_to(cr, 140, 212);
    cairo_line_to(cr, 60, 212);
    cairo_line_to(cr, 90, 196);
    cairo_line_to(cr, 90, 172);
    cairo_curve_to(cr, 70, 170, 30, 150, 30, 90);
    cairo_close_path(cr);
    FillGradientOutline(cr, 90, Hex(0xE8F8FF), 212, Hex(0xA8D8EA), kInk, 5);
    cairo_new_path(cr);
    cairo_move_to(cr, 20, 94);
    cairo_curve_to(cr, 10, 40, 60, 10, 100, 14);
    cairo_curve_to(cr, 150, 10, 196, 40, 180, 94);
    cairo_curve_to(cr, 176, 120, 168, 130, 166, 108);
    cairo_curve_to(cr, 160, 100, 150, 140, 142, 104);
    cairo_curve_to(cr, 120, 100, 90, 130, 80, 100);
    cairo_curve_to(cr, 60, 96, 50, 150, 40, 104);
    cairo_curve_to(cr, 34, 100, 26, 120, 20, 94);
    cairo_close_path(cr);
    FillGradientOutline(cr, 10, Hex(0xFFFFFF), 130, Hex(0xF2D4E0), kInk, 5);
    Highlight(cr, 70, 40, 26, 10, 0.7);
    for (int i = 0; i < 6; ++i) {  // sprinkles
      double x = 50 + i * 20, y = 44 + 14 * std::sin(i * 2.3);
      cairo_new_path(cr);
      cairo_move_to(cr, x - 4, y);
      cairo_line_to(cr, x + 4, y - 3);
      const Rgb c[3] = {Hex(0xFF5C8A), Hex(0x5AC8F0), Hex(0xFFD23F)};
      Stroke(cr, c[i % 3], 4);
    }
  });
}

// --------------------------------------------------------------- AV input

void MakeAv(const Context& ctx) {
  Save(ctx, "av_scene", 800, 600, [](cairo_t* cr) {
    cairo_rectangle(cr, 0, 0, 800, 600);
    VerticalFill(cr, 0, Hex(0x1E3CC8), 600, Hex(0x0C1E8A));
    // Faint scan lines.
    for (int y = 0; y < 600; y += 4) {
      cairo_new_path(cr);
      cairo_rectangle(cr, 0, y, 800, 1.5);
      cairo_set_source_rgba(cr, 0, 0, 0.1, 0.18);
      cairo_fill(cr);
    }
    Label(cr, "AV 1", 660, 80, 40, Hex(0xFFFFFF), Hex(0x0A1460), 5);
    Label(cr, "NO SIGNAL", 400, 300, 56, Hex(0xFFFFFF), Hex(0x0A1460), 6);
    Label(cr, "connect a console to play", 400, 360, 22, Hex(0xB8C8FF), Hex(0x0A1460), 0);
  });
}

FORGE_JOB("pictures", "scene_tv_set", &MakeTvSet);
FORGE_JOB("pictures", "scene_tv_bacon", &MakeBacon);
FORGE_JOB("pictures", "scene_tv_news", &MakeNews);
FORGE_JOB("pictures", "scene_tv_toot", &MakeToot);
FORGE_JOB("pictures", "scene_tv_deal", &MakeDeal);
FORGE_JOB("pictures", "scene_tv_cream", &MakeCream);
FORGE_JOB("pictures", "scene_tv_av", &MakeAv);

}  // namespace
}  // namespace forge::art
