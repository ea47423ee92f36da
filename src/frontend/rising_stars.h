// The stars that rise slowly behind the continue question and the credits,
// on a deep night-blue background.
#pragma once

#include <vector>

struct TRisingStar {
  float x = 0, y = 0;
  float rotation = 0;  // degrees
  float alpha = 0;
  float scale = 0;
  float speed = 0;
};

extern std::vector<TRisingStar> StarList;

// A scene's start: 50 stars spread over the whole screen.
void StartRisingStars();
// Once a frame: a new star from below the screen every 200 ms, every star
// one step up, those above the top gone.
void RisingStarsStep();
// The background and every star.
void DrawRisingStars();
