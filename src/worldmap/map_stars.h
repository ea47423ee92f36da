// Stars drifting left across the night sky behind the world map, in screen
// pixels: they do not move with the map.
#pragma once

#include <vector>

struct TMapStar {
  float x = 0, y = 0;
  float rotation = 0;  // degrees
  float alpha = 0;
  float scale = 0;
  float speed = 0;  // pixels a frame, leftwards

  void Update();
  void Draw() const;
  // Past the left edge by 100 pixels: gone.
  bool Gone() const { return x < -100; }
};

extern std::vector<TMapStar> MapStars;

// A new star anywhere across the screen (the opening's sky) or just beyond
// its right edge (one drifting in later).
void AddMapStar(bool enteringFromRight);
// Each star moves, then is drawn; the ones that drifted off leave the list.
void MapStarsStep();
