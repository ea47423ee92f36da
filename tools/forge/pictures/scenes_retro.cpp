// The retro teaser: the handheld console's start-up screen that appears on
// the TV, the 8-bit game's title screen, its blinking "PRESS SPACE" and the
// "LEVEL 1-1" card. Like the retro area itself these use only the four
// greens, square pixels and no outlines; text is set in a 5 x 7 pixel font.
#include <cairo.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <string>

#include "pictures/draw_kit.h"

namespace forge::art {
namespace {

const char* const kDir = "Images\\Cutscene\\Intro_Retro\\";
constexpr Rgb kG0 = Hex(0x0F380F), kG1 = Hex(0x306230), kG2 = Hex(0x8BAC0F), kG3 = Hex(0x9BBC0F);

struct Glyph {
  char c;
  const char* rows[7];
};
const Glyph kFont[] = {
    {'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'B', {"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."}},
    {'C', {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."}},
    {'D', {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."}},
    {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    {'F', {"#####", "#....", "#....", "####.", "#....", "#....", "#...."}},
    {'G', {".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".####"}},
    {'H', {"#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'I', {".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'K', {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"}},
    {'L', {"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},
    {'M', {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}},
    {'N', {"#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"}},
    {'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'P', {"####.", "#...#", "#...#", "####.", "#....", "#....", "#...."}},
    {'Q', {".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"}},
    {'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
    {'S', {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
    {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
    {'U', {"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'V', {"#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."}},
    {'W', {"#...#", "#...#", "#...#", "#.#.#", "#.#.#", "##.##", "#...#"}},
    {'Y', {"#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."}},
    {'0', {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."}},
    {'1', {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'2', {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"}},
    {'5', {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."}},
    {'8', {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."}},
    {'-', {".....", ".....", ".....", "#####", ".....", ".....", "....."}},
    {'!', {"..#..", "..#..", "..#..", "..#..", "..#..", ".....", "..#.."}},
    {'.', {".....", ".....", ".....", ".....", ".....", ".....", "..#.."}},
    {'\'', {"..#..", "..#..", ".#...", ".....", ".....", ".....", "....."}},
    {'(', {"...#.", "..#..", ".#...", ".#...", ".#...", "..#..", "...#."}},
    {')', {".#...", "..#..", "...#.", "...#.", "...#.", "..#..", ".#..."}},
};

const Glyph* GlyphOf(char c) {
  for (const Glyph& g : kFont)
    if (g.c == c) return &g;
  return nullptr;  // a space
}

void Px(cairo_t* cr, double x, double y, double s, Rgb c) {
  cairo_rectangle(cr, x, y, s, s);
  SetRgb(cr, c);
  cairo_fill(cr);
}

// Width in pixels of a text at pixel size s: 6 font pixels a character.
double TextWidth(const char* text, double s) { return (6 * std::strlen(text) - 1) * s; }

void PixelText(cairo_t* cr, const char* text, double x, double y, double s, Rgb c) {
  for (size_t i = 0; text[i]; ++i) {
    const Glyph* g = GlyphOf(text[i]);
    if (!g) continue;
    for (int r = 0; r < 7; ++r)
      for (int k = 0; k < 5; ++k)
        if (g->rows[r][k] == '#') Px(cr, x + (i * 6 + k) * s, y + r * s, s, c);
  }
}

// Centred text with a drop shadow one pixel down and right.
void PixelTitle(cairo_t* cr, const char* text, double cx, double y, double s, Rgb c, Rgb shadow) {
  double x = cx - TextWidth(text, s) / 2;
  x = static_cast<int>(x / s) * s;
  PixelText(cr, text, x + s, y + s, s, shadow);
  PixelText(cr, text, x, y, s, c);
}

// A pixel picture from rows of characters: '#' kG0, '+' kG1, 'o' kG2, '-' kG3.
void PixelArt(cairo_t* cr, const char* const* rows, int count, double x, double y, double s) {
  for (int r = 0; r < count; ++r)
    for (int k = 0; rows[r][k]; ++k) {
      char ch = rows[r][k];
      if (ch == '.') continue;
      Px(cr, x + k * s, y + r * s, s, ch == '#' ? kG0 : ch == '+' ? kG1 : ch == 'o' ? kG2 : kG3);
    }
}

// The hero on his stick, as the 8-bit game shows him.
const char* const kHeroRows[] = {
    "...####....", "..######...", "..##++++#..", "..#+o+o+...", "...++++....", "....##.....",
    "..#####....", ".+.###.+...", "..######...", "....#.#....", "...##.##...", ".....#.....",
    ".....#.....", "....+#+....", "....+#+....", "....+#+....", ".....#.....",
};

void Save(const Context& ctx, const char* name, int w, int h, const std::function<void(cairo_t*)>& draw) {
  Canvas c(w, h);
  cairo_set_antialias(c.cr(), CAIRO_ANTIALIAS_NONE);
  draw(c.cr());
  c.Save(ctx, std::string(kDir) + name + ".png");
}

void MakeRetro(const Context& ctx) {
  // The console's start-up screen, centred on the TV.
  Save(ctx, "spoof", 480, 360, [](cairo_t* cr) {
    cairo_rectangle(cr, 0, 0, 480, 360);
    SetRgb(cr, kG3);
    cairo_fill(cr);
    // A frame of dark pixels inset from the edge.
    for (int x = 8; x < 472; x += 8) {
      Px(cr, x, 8, 8, kG1);
      Px(cr, x, 344, 8, kG1);
    }
    for (int y = 8; y < 352; y += 8) {
      Px(cr, 8, y, 8, kG1);
      Px(cr, 464, y, 8, kG1);
    }
    PixelTitle(cr, "POGO-BOY", 240, 110, 8, kG0, kG2);
    PixelArt(cr, kHeroRows, 17, 240 - 5.5 * 6, 190, 6);
    PixelTitle(cr, "(C) KT508", 240, 310, 3, kG1, kG2);
  });
  // The 8-bit game's title screen.
  Save(ctx, "retro_title", 800, 600, [](cairo_t* cr) {
    // Sky in bands, far hills, near ground.
    const Rgb bands[4] = {kG3, kG2, kG3, kG2};
    for (int i = 0; i < 4; ++i) {
      cairo_rectangle(cr, 0, i * 10, 800, 10);
      SetRgb(cr, bands[i]);
      cairo_fill(cr);
    }
    cairo_rectangle(cr, 0, 40, 800, 560);
    SetRgb(cr, kG3);
    cairo_fill(cr);
    for (int x = 0; x < 800; x += 10) {  // rolling hills, stepped in pixels
      int h = 60 + static_cast<int>(40 * (0.5 + 0.5 * std::sin(x * 0.012)) +
                                    20 * (0.5 + 0.5 * std::sin(x * 0.031 + 1.0)));
      h = h / 10 * 10;
      cairo_rectangle(cr, x, 460 - h, 10, h);
      SetRgb(cr, kG2);
      cairo_fill(cr);
    }
    cairo_rectangle(cr, 0, 460, 800, 140);
    SetRgb(cr, kG1);
    cairo_fill(cr);
    for (int x = 0; x < 800; x += 40) {  // brick ground
      for (int y = 460; y < 600; y += 20) {
        int off = ((y - 460) / 20) % 2 ? 20 : 0;
        cairo_rectangle(cr, x + off, y, 36, 16);
        SetRgb(cr, kG0);
        cairo_fill(cr);
      }
    }
    cairo_rectangle(cr, 0, 456, 800, 8);
    SetRgb(cr, kG2);
    cairo_fill(cr);
    // Clouds.
    for (auto [cx, cy] : {std::pair{140, 120}, {620, 90}, {420, 170}}) {
      for (int k = -3; k <= 3; ++k) {
        int h = (4 - (k < 0 ? -k : k)) * 10;
        cairo_rectangle(cr, cx + k * 10, cy - h / 2, 10, h);
        SetRgb(cr, kG2);
        cairo_fill(cr);
      }
    }
    // Title in a dark panel.
    cairo_rectangle(cr, 130, 150, 540, 170);
    SetRgb(cr, kG0);
    cairo_fill(cr);
    cairo_rectangle(cr, 140, 160, 520, 150);
    SetRgb(cr, kG1);
    cairo_fill(cr);
    PixelTitle(cr, "BOINGLE", 400, 174, 12, kG3, kG0);
    PixelTitle(cr, "QUEST FOR THE SPRING", 400, 268, 4, kG2, kG0);
    PixelArt(cr, kHeroRows, 17, 120, 456 - 17 * 4, 4);
    PixelTitle(cr, "(C) KT508", 400, 570, 2, kG2, kG0);
  });
  // Blinks under the title: sized to the words, centred at (400, 470).
  Save(ctx, "pressspace", 280, 36, [](cairo_t* cr) {
    cairo_rectangle(cr, 0, 0, 280, 36);
    SetRgb(cr, kG0);
    cairo_fill(cr);
    PixelTitle(cr, "PRESS SPACE", 140, 4, 4, kG3, kG1);
  });
  // The level card, centred on the screen.
  Save(ctx, "level11", 440, 160, [](cairo_t* cr) {
    cairo_rectangle(cr, 0, 0, 440, 160);
    SetRgb(cr, kG0);
    cairo_fill(cr);
    cairo_rectangle(cr, 8, 8, 424, 144);
    SetRgb(cr, kG1);
    cairo_fill(cr);
    PixelTitle(cr, "LEVEL 1-1", 220, 36, 7, kG3, kG0);
    PixelTitle(cr, "READY!", 220, 106, 4, kG2, kG0);
  });
}

FORGE_JOB("pictures", "scene_retro", &MakeRetro);

}  // namespace
}  // namespace forge::art
