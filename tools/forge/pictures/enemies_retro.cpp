// The three harmless sprites of the retro area (scruff, mushroom, invader):
// the 8-bit game inside the TV, so square pixels in its four greens and no
// outline, unlike every other enemy.
#include <cmath>
#include <string>
#include <vector>

#include "pictures/enemies_kit.h"

namespace forge::art::enemies {
namespace {

void DrawMap(cairo_t* cr, const std::vector<std::string>& rows, double x, double y, int px) {
  std::vector<const char*> ptrs;
  for (const auto& r : rows) ptrs.push_back(r.c_str());
  PixelMap(cr, ptrs.data(), int(ptrs.size()), x, y, px);
}

// A ball of fluff whose fringe ripples round it; 16 by 16 map pixels.
void MakeScruff(const Context& ctx) {
  Strip(ctx, "Images\\Enemy\\scruff.png", [](cairo_t* cr, int f) {
    std::vector<std::string> rows(16, std::string(16, '.'));
    double turn = Phase(f, 4) / 9.0;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) {
        double dx = x + 0.5 - 8, dy = y + 0.5 - 8.5;
        double a = std::atan2(dy, dx);
        double r = std::hypot(dx, dy);
        double fringe = 6.4 + 0.8 * std::sin(9 * (a + turn)) + 0.3 * std::sin(4 * a - turn * 9);
        if (r > fringe) continue;
        char c = '2';
        if (dx + dy > 4.5 && r > fringe - 2.2)
          c = '1';  // shadow side
        else if (dx + dy < -6 && r > fringe - 2.5)
          c = '3';  // lit side
        rows[y][x] = c;
      }
    // Eyes, blinking on the last frame.
    for (int ex : {5, 9}) {
      if (f == 3) {
        rows[8][ex] = rows[8][ex + 1] = '1';
      } else {
        rows[7][ex] = rows[7][ex + 1] = '4';
        rows[8][ex] = '4';
        rows[8][ex + 1] = '1';
      }
    }
    DrawMap(cr, rows, 0, 0, 2);
  });
}

// A walking toadstool; the feet take turns.
void MakeMushroom(const Context& ctx) {
  static const char* const kTop[] = {
      "................",  //
      "......2222......",  //
      "....22442222....",  //
      "...2244422442...",  //
      "..222442224442..",  //
      ".22222222224422.",  //
      ".22442222222221.",  //
      ".12222222222211.",  //
      "..111111111111..",  //
      "....44444443....",  //
      "....41444143....",  //
      "....41444143....",  //
      "....44444433....",  //
      ".....444433.....",  //
  };
  static const char* const kFeet[4][2] = {
      {"....11...11.....", "...111...111...."},
      {"...11.....11....", "..........111..."},
      {"....11...11.....", "...111...111...."},
      {".....11...11....", "...111.........."},
  };
  Strip(ctx, "Images\\Enemy\\Mushroom.png", [](cairo_t* cr, int f) {
    std::vector<std::string> rows(std::begin(kTop), std::end(kTop));
    rows.push_back(kFeet[f][0]);
    rows.push_back(kFeet[f][1]);
    DrawMap(cr, rows, 0, 0, 2);
  });
}

// A little dome-headed alien whose tentacles wiggle between two poses.
void MakeInvader(const Context& ctx) {
  static const char* const kHead[] = {
      "...22222...",  //
      "..2233222..",  //
      ".224122412.",  //
      "12222222221",  //
  };
  static const char* const kLegs[2][3] = {
      {".2.2.2.2.2.", ".2..2.2..2.", "2....2....2"},
      {"2.2.2.2.2.2", "2.2..2..2.2", ".2...2...2."},
  };
  Strip(ctx, "Images\\Enemy\\Invader.png", [](cairo_t* cr, int f) {
    std::vector<std::string> rows(std::begin(kHead), std::end(kHead));
    for (const char* r : kLegs[f]) rows.push_back(r);
    DrawMap(cr, rows, 0, 0, 2);
  });
}

void MakeRetroSprites(const Context& ctx) {
  MakeScruff(ctx);
  MakeMushroom(ctx);
  MakeInvader(ctx);
}

FORGE_JOB("pictures", "enemy_retro", &MakeRetroSprites);

}  // namespace
}  // namespace forge::art::enemies
