// The sky behind a level: a vertical gradient in its area's colours, drawn
// before the tile layers so that a level without background tiles does not
// stand on a blank screen. Anything a level maker puts on layer 0 covers it.
#pragma once

struct SkyColours {
  unsigned top, bottom;  // 0xRRGGBB
};

SkyColours SkyOf(int area);
// Fills the 800 by 600 frame (in screen space, whatever the origin) with the
// sky of the area.
void DrawSky(int area);
