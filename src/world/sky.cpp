#include "world/sky.h"

#include "present/present.h"

namespace {

// Sky top and bottom per area number, from the area palettes of the art
// direction; the menu and map areas are cosy dark rooms and parchment sea.
constexpr SkyColours kSkies[] = {
    {0x8FD3F4, 0xE8F7FF},  // 0 forest
    {0x5AA9E6, 0xD6EEFF},  // 1 air
    {0x1B1730, 0x4A3F6B},  // 2 ghost
    {0x4CC9F0, 0xBDEFFF},  // 3 beach
    {0x0B3C5D, 0x2E86AB},  // 4 sea
    {0x7DA7D9, 0xE3EEF9},  // 5 mountain
    {0x9BBC0F, 0x9BBC0F},  // 6 retro: the console's flat lightest green
    {0x2B0F0E, 0x7A2E1D},  // 7 volcano
    {0x2C2A3A, 0x5E5A70},  // 8 castle
    {0xF6C177, 0xFFE8C2},  // 9 desert
    {0x6A8F7D, 0xC9E4D1},  // 10 temple
    {0x3A2E5C, 0xF08A5D},  // 11 city
    {0xFFFFFF, 0xF5F5F5},  // 12 proto
    {0x240046, 0x5A189A},  // 13 wierd
    {0x432818, 0x99582A},  // 14 menu
    {0x4F8FC0, 0x4F8FC0},  // 15 map: the sea
    {0x8FD3F4, 0xE8F7FF},  // 16 tutorial, in the forest
};

constexpr int kBands = 24;

int Channel(unsigned c, int shift) { return static_cast<int>((c >> shift) & 0xff); }

}  // namespace

SkyColours SkyOf(int area) {
  if (area < 0 || area >= static_cast<int>(sizeof kSkies / sizeof kSkies[0])) return kSkies[0];
  return kSkies[area];
}

void DrawSky(int area) {
  SkyColours sky = SkyOf(area);
  const DrawState saved = CurrentDrawState();
  SetOrigin(0, 0);
  SetScale(1, 1);
  SetRotation(0);
  SetAlpha(1);
  SetBlend(BLEND_SOLID);
  constexpr float kBandHeight = 600.0f / kBands;
  for (int i = 0; i < kBands; ++i) {
    float t = (i + 0.5f) / kBands;
    auto mix = [&](int shift) {
      return static_cast<int>(Channel(sky.top, shift) + (Channel(sky.bottom, shift) - Channel(sky.top, shift)) * t);
    };
    SetColor(mix(16), mix(8), mix(0));
    DrawRect(0, i * kBandHeight, 800, kBandHeight + 1);
  }
  SetOrigin(saved.originX, saved.originY);
  SetScale(saved.scaleX, saved.scaleY);
  SetRotation(saved.rotation);
  SetAlpha(saved.alpha);
  SetBlend(saved.blend);
  SetColor(saved.r, saved.g, saved.b);
}
