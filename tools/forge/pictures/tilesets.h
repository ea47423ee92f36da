// The tileset sheets: one look per area, drawn cell by cell onto the shared
// layout of tile_layout.h. The look of an area is data (colours and a few
// shape choices); the cell painters read it, so sixteen sheets share one set
// of painters and still look like their places.
#pragma once

#include <cairo.h>

#include <cstdint>

#include "pictures/draw_kit.h"

namespace forge::art::tiles {

enum class Area {
  Forest, Air, Ghost, Beach, Sea, Mountain, Retro, Volcano,
  Castle, Desert, Temple, City, Proto, Wierd, Menu, Map,
};

// What lies on top of the ground.
struct Cover {
  Rgb color;
  double depth;   // pixels the cover reaches down from the surface
  double wave;    // how far its lower edge wobbles
  bool blades;    // grass blades poking up at the surface
  bool drips;     // rounded drips hanging from the lower edge (snow, goo)
  double joint;   // seams across the cover every so many pixels, 0 for none
  bool cracks;    // glowing cracks in the accent colour (lava crust)
};

enum class FillKind { Dirt, Cloud, Bricks, Blocks, Strata, Rock, Basalt, Graph, Checker, Planks };
enum class LiquidKind { Water, Lava, Slime, Goo, Ink };

struct Style {
  Area area;
  const char* name;    // TILES_<name>.PNG
  const char* folder;  // its image-set folder
  Rgb ground, groundDark, accent, skyTop, skyBottom;
  Rgb earth;  // the body of the ground
  Rgb ink;    // outline: the darkest colour of the palette
  Cover cover;
  FillKind fill;
  LiquidKind liquid;
  Rgb liquidColor;
  Rgb wood;       // planks, posts, signs, crates
  bool outlines;  // false for the 4-colour console look
};

const Style& StyleOf(Area area);

// A small deterministic generator: the same seed gives the same speckles on
// every run and every machine.
class Rng {
 public:
  explicit Rng(uint32_t seed) : s_(seed * 2654435761u + 0x9E3779B9u) { Next(); }
  uint32_t Next() {
    s_ ^= s_ << 13;
    s_ ^= s_ >> 17;
    s_ ^= s_ << 5;
    return s_;
  }
  double Uniform(double a, double b) { return a + (b - a) * (Next() % 100000) / 100000.0; }
  int Int(int n) { return static_cast<int>(Next() % static_cast<uint32_t>(n)); }

 private:
  uint32_t s_;
};

// Painters; each draws one cell with the context translated to the cell's
// top-left corner and clipped to its 32 by 32 square.
void DrawGroundCell(cairo_t* cr, const Style& s, int cell);  // rows 0, 1, 2 and 7
void DrawDecoCell(cairo_t* cr, const Style& s, int cell);    // rows 3 and 4
void DrawMapCell(cairo_t* cr, const Style& s, int cell);     // rows 5 and 6, and 8 to 15 of MAP

// Shared bits of the painters.
Rgb Desaturate(Rgb c, double t);
void Rect(cairo_t* cr, double x, double y, double w, double h, Rgb c, double alpha = 1.0);
void Stroke(cairo_t* cr, Rgb c, double width, double alpha = 1.0);
// A quadratic curve from the current point, as a cubic.
void QuadTo(cairo_t* cr, double cx, double cy, double x, double y);
// The colour of the cover's blades, bushes and leaves.
Rgb LeafOf(const Style& s);

}  // namespace forge::art::tiles
