// What the world map's cell painters share: the map's colours and the small
// drawing pieces that both the ground cells and the landmarks use.
#pragma once

#include "pictures/tilesets.h"

namespace forge::art::tiles {

struct MapColors {
  Rgb land, sea, path, ink, sand, snow, tree, rock, roof;
};

MapColors MapColorsOf(const Style& s);

// Fills the current path and clears it.
void MapFill(cairo_t* cr, Rgb c, double alpha = 1.0);
// A round tree crown on a short trunk, centred at (x, y).
void MapTree(cairo_t* cr, const MapColors& m, double x, double y, double r);
// A soft dark oval under something standing on the map.
void MapShadow(cairo_t* cr, const MapColors& m, double x, double y, double rx, double ry);

// The landmark cells of the MAP sheet's own rows (205 to 207, 208 to 255).
void DrawMapLandmark(cairo_t* cr, const MapColors& m, int cell);

}  // namespace forge::art::tiles
