// The program's icon: the hero's head in his red cap on top of the yellow
// pogo stick, on a round patch of Forest sky and grass. Desktops ask for it
// at fixed sizes and show it as it is, so every size is drawn for itself:
// outlines and the stick's edges fall on whole pixels, and details that would
// only be mud at that size (the spring's coils, the stick's face, cheeks,
// highlights) appear where there is room for them.
#include <algorithm>
#include <cmath>
#include <string>

#include "pictures/draw_kit.h"

namespace forge::art {
namespace {

constexpr Rgb kInk = Hex(0x2B1D16);
constexpr Rgb kSkin = Hex(0xF6C9A0);
constexpr Rgb kCap = Hex(0xE0302A);
constexpr Rgb kStick = Hex(0xFFC61A);
constexpr Rgb kSpring = Hex(0xB8C2CC);
constexpr Rgb kSkyTop = Hex(0x8FD3F4);
constexpr Rgb kSkyBottom = Hex(0xE8F7FF);
constexpr Rgb kGrass = Hex(0x5DA130);
constexpr Rgb kGrassDark = Hex(0x3B6B1F);

constexpr int kSizes[] = {16, 32, 48, 64, 128, 256};

// A whole number of pixels, at least `least`.
double Px(double v, double least = 1) {
  return std::max(least, std::round(v));
}

void DrawIcon(cairo_t* cr, int n) {
  const double s = n;
  const double line = Px(s / 32);  // the outline: 1 pixel at 16 and 32, 8 at 256
  const bool roomy = n >= 48;      // faces, coils, cheeks and highlights
  const double half = line / 2;    // strokes centred on a pixel edge stay crisp

  // Backdrop: a disc of morning sky with a hill of grass across its foot.
  const double cx = s / 2, r = s / 2 - half;
  cairo_new_path(cr);
  cairo_arc(cr, cx, cx, r, 0, 2 * M_PI);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, s);
  cairo_pattern_add_color_stop_rgb(sky, 0, kSkyTop.r, kSkyTop.g, kSkyTop.b);
  cairo_pattern_add_color_stop_rgb(sky, 1, kSkyBottom.r, kSkyBottom.g, kSkyBottom.b);
  cairo_set_source(cr, sky);
  cairo_fill(cr);
  cairo_pattern_destroy(sky);
  cairo_new_path(cr);
  Ellipse(cr, cx, s * 1.18, s * 0.75, s * 0.34);
  FillGradientOutline(cr, s * 0.84, kGrass, s, kGrassDark, kGrassDark, line);
  cairo_restore(cr);
  cairo_new_path(cr);
  cairo_arc(cr, cx, cx, r, 0, 2 * M_PI);
  SetRgb(cr, kInk);
  cairo_set_line_width(cr, line);
  cairo_stroke(cr);

  // The stick, bottom up: the tip on the grass, the spring, the foot bar,
  // the shaft up to the handle bar under the chin.
  const double shaftW = Px(s * 0.15, 3), shaftX = std::round(cx - shaftW / 2);
  const double tipBottom = std::round(s * 0.95), tipTop = std::round(s * 0.88);
  const double footY = std::round(s * 0.78), barY = std::round(s * 0.53);
  const double tipW = Px(s * 0.07, 2);
  cairo_new_path(cr);
  RoundRect(cr, std::round(cx - tipW / 2), tipTop, tipW, tipBottom - tipTop, tipW / 3);
  FillOutline(cr, Hex(0x4A3A30), kInk, line);
  const double springW = Px(s * 0.15, 2);
  if (roomy) {
    for (int pass = 0; pass < 2; ++pass) {
      cairo_new_path(cr);
      const int zigs = 6;
      for (int i = 0; i <= zigs; ++i) {
        double y = tipTop + (footY - tipTop) * i / zigs;
        double x = cx + (i % 2 == 0 ? -springW / 2 : springW / 2);
        if (i == 0)
          cairo_move_to(cr, x, y);
        else
          cairo_line_to(cr, x, y);
      }
      SetRgb(cr, pass == 0 ? kInk : kSpring);
      cairo_set_line_width(cr, pass == 0 ? line * 2.2 : line);
      cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
      cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
      cairo_stroke(cr);
    }
  } else {
    cairo_new_path(cr);  // a grey block reads as the spring when coils cannot
    cairo_rectangle(cr, std::round(cx - springW / 2) + half, footY + half, springW - line,
                    tipTop - footY - line);
    FillOutline(cr, kSpring, kInk, line);
  }
  const double footW = Px(s * 0.36, 6), footH = Px(s * 0.05, 2);
  cairo_new_path(cr);
  RoundRect(cr, std::round(cx - footW / 2) + half, footY - footH + half, footW - line, footH,
            footH / 2);
  FillOutline(cr, Hex(0x5E6A76), kInk, line);
  cairo_new_path(cr);
  RoundRect(cr, shaftX + half, barY + half, shaftW - line, footY - footH - barY, shaftW / 3);
  FillGradientOutline(cr, barY, Lighter(kStick, 0.25), footY, Darker(kStick, 0.12), kInk, line);
  if (roomy) {  // the light down the shaft's left edge, and the stick's face
    cairo_new_path(cr);
    RoundRect(cr, shaftX + line * 1.5, barY + s * 0.06, std::max(1.0, shaftW * 0.18), s * 0.09,
              0.5);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.5);
    cairo_fill(cr);
    const double fy = barY + s * 0.11, eye = s * 0.013;
    for (double ex : {-1.0, 1.0}) {
      cairo_new_path(cr);
      Ellipse(cr, cx + ex * shaftW * 0.2, fy, eye, eye * 1.4);
      SetRgb(cr, kInk);
      cairo_fill(cr);
    }
    cairo_new_path(cr);
    cairo_arc(cr, cx, fy + s * 0.018, shaftW * 0.22, 0.2, M_PI - 0.2);
    SetRgb(cr, kInk);
    cairo_set_line_width(cr, std::max(1.0, line * 0.5));
    cairo_stroke(cr);
  }
  const double handleW = Px(s * 0.66, 10), handleH = Px(s * 0.1, 4);
  const double handleX = std::round(cx - handleW / 2), handleY = barY - std::round(handleH / 2);
  cairo_new_path(cr);
  RoundRect(cr, handleX + half, handleY + half, handleW - line, handleH - line, handleH / 2);
  FillOutline(cr, kStick, kInk, line);
  const double gripW = Px(handleW * 0.16, 2);
  for (double gx : {handleX, handleX + handleW - gripW}) {
    cairo_new_path(cr);
    RoundRect(cr, gx + half, handleY + half, gripW - line, handleH - line, handleH / 2);
    FillOutline(cr, Hex(0x3C3C46), kInk, line);
  }

  // The head, big and round, resting on the handle bar.
  // His chin rests on the bar; the grips stay in sight on both sides.
  const double headR = s * 0.19, headX = cx, headY = handleY - headR * 0.88;
  cairo_new_path(cr);
  Ellipse(cr, headX, headY, headR * 1.04, headR);
  FillGradientOutline(cr, headY - headR, Lighter(kSkin, 0.2), headY + headR, Darker(kSkin, 0.12),
                      kInk, line);
  if (roomy) {
    cairo_new_path(cr);
    Ellipse(cr, headX + headR * 0.62, headY + headR * 0.42, headR * 0.17, headR * 0.1);
    cairo_set_source_rgba(cr, 0.95, 0.45, 0.4, 0.55);
    cairo_fill(cr);
  }
  // Eyes: big, looking the way he rides (right). At 16 pixels each eye is a
  // dark block two pixels tall, which is all an eye can be there.
  const double eyeY = headY + headR * 0.12;
  for (double dx : {-0.08, 0.42}) {
    double ex = headX + headR * dx;
    if (n <= 16) {
      cairo_rectangle(cr, std::round(ex) - 0.5, std::round(eyeY) - 1, 1.5, 2);
      SetRgb(cr, kInk);
      cairo_fill(cr);
      continue;
    }
    cairo_new_path(cr);
    Ellipse(cr, ex, eyeY, headR * 0.2, headR * 0.27);
    FillOutline(cr, {1, 1, 1}, kInk, std::max(1.0, line * 0.6));
    cairo_new_path(cr);
    Ellipse(cr, ex + headR * 0.07, eyeY + headR * 0.03, headR * 0.1, headR * 0.15);
    SetRgb(cr, kInk);
    cairo_fill(cr);
    if (roomy) {
      cairo_new_path(cr);
      Ellipse(cr, ex + headR * 0.03, eyeY - headR * 0.07, headR * 0.045, headR * 0.045);
      SetRgb(cr, {1, 1, 1});
      cairo_fill(cr);
    }
  }
  // The cap: a dome over the top half of the head, its peak pointing ahead.
  cairo_new_path(cr);
  cairo_arc(cr, headX, headY - headR * 0.2, headR * 1.02, M_PI * 1.02, M_PI * 1.98);
  cairo_close_path(cr);
  FillGradientOutline(cr, headY - headR * 1.25, Lighter(kCap, 0.2), headY - headR * 0.2,
                      Darker(kCap, 0.15), kInk, line);
  cairo_new_path(cr);
  RoundRect(cr, headX + headR * 0.55, headY - headR * 0.42, headR * 0.85, Px(headR * 0.28, 2),
            headR * 0.12);
  FillOutline(cr, Darker(kCap, 0.2), kInk, line);
  if (roomy)
    Highlight(cr, headX - headR * 0.35, headY - headR * 0.85, headR * 0.32, headR * 0.14, 0.45);
}

void MakeIcons(const Context& ctx) {
  for (int n : kSizes) {
    Canvas c(n, n);
    DrawIcon(c.cr(), n);
    c.Save(ctx, "Icons\\boingle_" + std::to_string(n) + ".png");
  }
}

FORGE_JOB("pictures", "icon", &MakeIcons);

}  // namespace
}  // namespace forge::art
