// The course logo: five chunky letters that drop in and bounce on the same
// baseline, and the "presents" line that fades in below them.
//
// The letters stand in a row from x 300 with 5 pixels between them, so their
// widths are kept narrow enough for the row to end well inside the screen.
// Each is drawn as a thick stroked skeleton: a dark outline stroke, the
// letter's colour, a darker band along the lower right and a gloss stroke
// towards the light.
#include <cairo.h>

#include <cmath>
#include <functional>
#include <string>

#include "pictures/draw_kit.h"

namespace forge::art {
namespace {

constexpr Rgb kInk = Hex(0x1E1430);
constexpr double kStroke = 19;  // the letters' body width
constexpr int kLetterH = 86;

using PathFn = std::function<void(cairo_t*)>;

void StrokeLetter(cairo_t* cr, const PathFn& path, Rgb colour) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  // A soft drop shadow, the outline, the body, the shadow band, the gloss.
  cairo_save(cr);
  cairo_translate(cr, 3, 4);
  path(cr);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.25);
  cairo_set_line_width(cr, kStroke + 5);
  cairo_stroke(cr);
  cairo_restore(cr);
  path(cr);
  SetRgb(cr, kInk);
  cairo_set_line_width(cr, kStroke + 5);
  cairo_stroke(cr);
  path(cr);
  SetRgb(cr, colour);
  cairo_set_line_width(cr, kStroke);
  cairo_stroke(cr);
  cairo_save(cr);
  cairo_translate(cr, 2.5, 3);
  path(cr);
  SetRgb(cr, Darker(colour, 0.25));
  cairo_set_line_width(cr, kStroke * 0.45);
  cairo_stroke(cr);
  cairo_restore(cr);
  cairo_save(cr);
  cairo_translate(cr, -2.5, -3);
  path(cr);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.55);
  cairo_set_line_width(cr, kStroke * 0.22);
  cairo_stroke(cr);
  cairo_restore(cr);
}

struct Letter {
  const char* file;
  int width;
  Rgb colour;
  PathFn path;  // in a box inset by half a stroke plus the outline
};

void MakeLetter(const Context& ctx, const Letter& l) {
  Canvas c(l.width, kLetterH);
  cairo_t* cr = c.cr();
  StrokeLetter(cr, l.path, l.colour);
  c.Save(ctx, std::string("Images\\Cutscene\\KT508\\") + l.file);
}

constexpr double m = kStroke / 2 + 3;  // inset from the picture's edges
constexpr double top = m, bottom = kLetterH - m - 3;

void MakeLetters(const Context& ctx) {
  const Letter letters[] = {
      {"K.png", 64, Hex(0xF25C3B),
       [](cairo_t* cr) {
         cairo_new_path(cr);
         cairo_move_to(cr, m, top);
         cairo_line_to(cr, m, bottom);
         cairo_move_to(cr, 64 - m - 2, top);
         cairo_line_to(cr, m + 4, (top + bottom) / 2 + 2);
         cairo_line_to(cr, 64 - m - 1, bottom);
       }},
      {"T.png", 62, Hex(0xFFC83A),
       [](cairo_t* cr) {
         cairo_new_path(cr);
         cairo_move_to(cr, m, top);
         cairo_line_to(cr, 62 - m - 1, top);
         cairo_move_to(cr, 31 - 1, top);
         cairo_line_to(cr, 31 - 1, bottom);
       }},
      {"5.png", 58, Hex(0x6CCB4B),
       [](cairo_t* cr) {
         double r = (bottom - 40) / 2 + 4;
         cairo_new_path(cr);
         cairo_move_to(cr, 58 - m - 2, top);
         cairo_line_to(cr, m + 1, top);
         cairo_line_to(cr, m, 40);
         cairo_curve_to(cr, m + 8, 34, 58 - m, 36, 58 - m - 1, 40 + r);
         cairo_curve_to(cr, 58 - m - 1, bottom + 2, m + 6, bottom + 3, m - 1, bottom - 6);
       }},
      {"0.png", 58, Hex(0x45A7F5),
       [](cairo_t* cr) {
         cairo_new_path(cr);
         Ellipse(cr, 29 - 1, (top + bottom) / 2, 29 - m - 1, (bottom - top) / 2);
       }},
      {"8.png", 58, Hex(0xB36AF2),
       [](cairo_t* cr) {
         double mid = top + (bottom - top) * 0.44;
         cairo_new_path(cr);
         Ellipse(cr, 28, (top + mid) / 2, 29 - m - 5, (mid - top) / 2);
         Ellipse(cr, 28, (mid + bottom) / 2, 29 - m - 1, (bottom - mid) / 2);
       }},
  };
  for (const Letter& l : letters) MakeLetter(ctx, l);
}

// "presents", as wide as the row of letters above it.
void MakePresents(const Context& ctx) {
  Canvas c(312, 48);
  cairo_t* cr = c.cr();
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, 34);
  const char* text = "presents";
  cairo_text_extents_t e;
  cairo_text_extents(cr, text, &e);
  double x = (312 - e.width) / 2 - e.x_bearing, y = 24 - e.height / 2 - e.y_bearing;
  cairo_new_path(cr);
  cairo_move_to(cr, x + 2, y + 3);
  cairo_text_path(cr, text);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.3);
  cairo_fill(cr);
  cairo_new_path(cr);
  cairo_move_to(cr, x, y);
  cairo_text_path(cr, text);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  SetRgb(cr, kInk);
  cairo_set_line_width(cr, 5);
  cairo_stroke_preserve(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y + e.y_bearing, 0, y);
  cairo_pattern_add_color_stop_rgb(p, 0, 1, 1, 1);
  cairo_pattern_add_color_stop_rgb(p, 1, 0.78, 0.86, 1);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  c.Save(ctx, "Images\\Cutscene\\KT508\\presents.png");
}

FORGE_JOB("pictures", "scene_logo_letters", &MakeLetters);
FORGE_JOB("pictures", "scene_logo_presents", &MakePresents);

}  // namespace
}  // namespace forge::art
