// Helpers shared by the enemy pictures: shaded bodies in the house style,
// outlined limbs, eyes, facing mirrors, cycle phases and the retro pixel look.
//
// Frame conventions of the enemy strips (the game indexes them this way):
//   two-facing strips hold the left-facing half first, then the right-facing
//   half (frame = direction * half + step, direction 0 = left); the bee is the
//   exception and shows facing 1 (towards the left) in its second half.
//   Each creature is drawn facing right once and mirrored about the handle.
#pragma once

#include <cairo.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <initializer_list>

#include "pictures/draw_kit.h"

namespace forge::art::enemies {

constexpr double kTau = 2 * M_PI;

// The phase angle of step `step` of a cycle of `count` steps.
inline double Phase(int step, int count) {
  return kTau * step / count;
}
// 0..1 progress through a sequence of `count` frames.
inline double Progress(int step, int count) {
  return count > 1 ? double(step) / (count - 1) : 0.0;
}
double Smooth(double t);  // smoothstep on [0, 1], clamped
double Lerp(double a, double b, double t);

// A palette for one creature: body colour, its shadow band, and the outline
// (the darkest colour of the creature, never pure black).
struct Skin {
  Rgb base, shade, ink;
};
Skin SkinOf(Rgb base, double shadeAmount = 0.28, double inkAmount = 0.78);

using PathFn = std::function<void(cairo_t*)>;

// Fills a shape in the house style: the body colour, a shadow band along the
// lower right (the shape shifted towards the light is kept in the body colour),
// one soft highlight near the upper left of the given box, and a 2-pixel
// outline. The box (x, y, w, h) is the shape's rough extent.
void Body(cairo_t* cr, const PathFn& path, const Skin& skin, double x, double y, double w, double h,
          double shadowShift = 3.0, double highlight = 0.35);
// Same without the highlight and with a thinner shadow: for small parts.
void Piece(cairo_t* cr, const PathFn& path, const Skin& skin, double shadowShift = 1.5);

// A rounded limb through the given points, outlined: ink stroke of width
// w + 4 under a colour stroke of width w.
void Limb(cairo_t* cr, std::initializer_list<double> xy, double w, Rgb colour, Rgb ink);
// The colour part only (for joining limbs drawn under one outline).
void LimbStroke(cairo_t* cr, std::initializer_list<double> xy, double w, Rgb colour);

// A white eye with a pupil looking towards (lx, ly) in -1..1; `lid` 0 open,
// 1 closed.
void Eye(cairo_t* cr, double cx, double cy, double r, double lx, double ly, Rgb ink,
         double lid = 0.0, Rgb lidColour = {0.5, 0.5, 0.5});
// A dot eye (small creatures) with a glint.
void DotEye(cairo_t* cr, double cx, double cy, double r, Rgb ink);
// An angry brow line above an eye, sloping down towards the nose side (+x).
void Brow(cairo_t* cr, double cx, double cy, double len, double slope, Rgb ink, double w = 2.0);
// A small soft ground shadow under the feet.
void GroundShadow(cairo_t* cr, double cx, double cy, double rx, double alpha = 0.18);

// Draws fn once facing right, or mirrored about x = handleX for the left.
void Facing(cairo_t* cr, bool faceLeft, double handleX, const std::function<void()>& fn);

// Rotates the drawing of fn by angle (radians) about (cx, cy).
void Rotated(cairo_t* cr, double cx, double cy, double angle, const std::function<void()>& fn);

// Walk-cycle geometry.
struct Pt {
  double x, y;
};
// The foot of a leg at cycle phase t: it swings forward (lifted) while
// cos t > 0 and pushes back along the ground otherwise. dy is negative (up).
Pt StepFoot(double t, double stride, double lift);
// The knee of a two-part leg from hip to foot (bend +1 puts the knee on the
// +x side of the hip-foot line, -1 on the other).
Pt Knee(Pt hip, Pt foot, double upper, double lower, double bend);
// A two-part limb hip, knee, foot with an outline.
void Leg(cairo_t* cr, Pt hip, Pt knee, Pt foot, double w, Rgb colour, Rgb ink);

// A smooth closed curve through points round (cx, cy): point k lies at angle
// turn + k * 2pi / n and at radius (rx, ry) scaled by bumps[k].
void LumpyPath(cairo_t* cr, double cx, double cy, double rx, double ry, const double* bumps, int n,
               double turn);

// A fixed-seed generator, so every run draws the same bytes.
class Rng {
 public:
  explicit Rng(uint32_t seed) : s_(seed ? seed : 1) {}
  uint32_t Next() {
    s_ ^= s_ << 13;
    s_ ^= s_ >> 17;
    s_ ^= s_ << 5;
    return s_;
  }
  double Uniform(double a, double b) { return a + (b - a) * (Next() % 100000) / 100000.0; }

 private:
  uint32_t s_;
};

// The retro area's look: square pixels in four greens, no outline.
// Draws a character map (rows of '.', '1', '2', '3', '4' from darkest to
// lightest) with each map pixel `px` canvas pixels wide, top left at (x, y).
void PixelMap(cairo_t* cr, const char* const* rows, int rowCount, double x, double y, int px);

// Draws the catalogued strip at `path`, one call of fn per frame.
void Strip(const Context& ctx, const char* path, const CellFn& fn);

// Handle of a catalogued strip (centre resolved to the cell's centre).
struct Handle {
  double x, y;
  int cellW, cellH, frames;
};
Handle HandleOf(const char* path);

}  // namespace forge::art::enemies
