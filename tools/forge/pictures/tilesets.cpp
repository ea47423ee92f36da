// The sixteen tileset sheets: the look of each area, and the sheet assembly.
#include "pictures/tilesets.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "tile_layout.h"

namespace forge::art::tiles {

namespace {

constexpr Style kStyles[] = {
    {Area::Forest, "FOREST", "Forest", Hex(0x5DA130), Hex(0x3B6B1F), Hex(0xF2C14E), Hex(0x8FD3F4),
     Hex(0xE8F7FF), Hex(0x9A6A3A), Hex(0x2E2A16), {Hex(0x5DA130), 9, 2.5, true, false, 0, false},
     FillKind::Dirt, LiquidKind::Water, Hex(0x3FA7D6), Hex(0xA0703C), true},
    {Area::Air, "AIR", "Air", Hex(0xE9F1F7), Hex(0x9FB7C9), Hex(0xFFB347), Hex(0x5AA9E6),
     Hex(0xD6EEFF), Hex(0xE9F1F7), Hex(0x4F6A80), {Hex(0xFFFFFF), 8, 3, false, false, 0, false},
     FillKind::Cloud, LiquidKind::Water, Hex(0x7CC4F0), Hex(0xC98B4B), true},
    {Area::Ghost, "GHOST", "Ghost", Hex(0x5B4F75), Hex(0x2E2740), Hex(0x9FE870), Hex(0x1B1730),
     Hex(0x4A3F6B), Hex(0x4A405F), Hex(0x161222), {Hex(0x6F7A5C), 8, 2.5, true, false, 0, false},
     FillKind::Dirt, LiquidKind::Slime, Hex(0x9FE870), Hex(0x6B5848), true},
    {Area::Beach, "BEACH", "Beach", Hex(0xF4D58D), Hex(0xC9A45C), Hex(0xFF6F59), Hex(0x4CC9F0),
     Hex(0xBDEFFF), Hex(0xE6BF78), Hex(0x6B4E22), {Hex(0xF8E4AE), 7, 1.5, false, false, 0, false},
     FillKind::Strata, LiquidKind::Water, Hex(0x4CC9F0), Hex(0xB07A45), true},
    {Area::Sea, "SEA", "Sea", Hex(0x2A7F91), Hex(0x17515E), Hex(0xFFD166), Hex(0x0B3C5D),
     Hex(0x2E86AB), Hex(0x2F6F7A), Hex(0x0A2E36), {Hex(0xB9B184), 6, 2, false, false, 0, false},
     FillKind::Rock, LiquidKind::Water, Hex(0x2E86AB), Hex(0x7A5C3A), true},
    {Area::Mountain, "MOUNTAIN", "Mountain", Hex(0xA9B4C2), Hex(0x5C6773), Hex(0xFFFFFF),
     Hex(0x7DA7D9), Hex(0xE3EEF9), Hex(0x98A3B2), Hex(0x2E3540),
     {Hex(0xFAFCFF), 10, 2, false, true, 0, false}, FillKind::Blocks, LiquidKind::Water,
     Hex(0x8FC8E8), Hex(0x8A6240), true},
    {Area::Retro, "RETRO", "Retro", Hex(0x8BAC0F), Hex(0x306230), Hex(0x9BBC0F), Hex(0x9BBC0F),
     Hex(0x8BAC0F), Hex(0x306230), Hex(0x0F380F), {Hex(0x8BAC0F), 8, 0, true, false, 0, false},
     FillKind::Bricks, LiquidKind::Water, Hex(0x8BAC0F), Hex(0x306230), false},
    {Area::Volcano, "VOLCANO", "Volcano", Hex(0x6B3A2A), Hex(0x3A1F17), Hex(0xFF7B00),
     Hex(0x2B0F0E), Hex(0x7A2E1D), Hex(0x4E2C22), Hex(0x1E0E0A),
     {Hex(0x3A1F17), 7, 1.5, false, false, 0, true}, FillKind::Basalt, LiquidKind::Lava,
     Hex(0xFF7B00), Hex(0x5A3A28), true},
    {Area::Castle, "CASTLE", "Castle", Hex(0x8C8A93), Hex(0x4E4C55), Hex(0xC0392B), Hex(0x2C2A3A),
     Hex(0x5E5A70), Hex(0x7C7A84), Hex(0x24222C), {Hex(0xA9A7B0), 7, 0, false, false, 16, false},
     FillKind::Blocks, LiquidKind::Water, Hex(0x3E6B5A), Hex(0x7A5232), true},
    {Area::Desert, "DESERT", "Desert", Hex(0xE8B96A), Hex(0xB07D3B), Hex(0x2A9D8F), Hex(0xF6C177),
     Hex(0xFFE8C2), Hex(0xD9A45A), Hex(0x5E3E18), {Hex(0xF1CF8E), 7, 2.5, false, false, 0, false},
     FillKind::Strata, LiquidKind::Water, Hex(0x2A9D8F), Hex(0x9C6B3A), true},
    {Area::Temple, "TEMPLE", "Temple", Hex(0x7E9A6B), Hex(0x4B5E40), Hex(0xE0B040), Hex(0x6A8F7D),
     Hex(0xC9E4D1), Hex(0x9A9478), Hex(0x25301F), {Hex(0x6F9A4E), 8, 3, false, true, 0, false},
     FillKind::Blocks, LiquidKind::Water, Hex(0x5FA39A), Hex(0x7D6440), true},
    {Area::City, "CITY", "City", Hex(0x7A7F8C), Hex(0x464A54), Hex(0xF9C80E), Hex(0x3A2E5C),
     Hex(0xF08A5D), Hex(0x8E5A4A), Hex(0x22242B), {Hex(0x9A9FAA), 7, 0, false, false, 16, false},
     FillKind::Bricks, LiquidKind::Water, Hex(0x3F5F7A), Hex(0x6E5A48), true},
    {Area::Proto, "PROTO", "Proto", Hex(0xE0E0E0), Hex(0x9E9E9E), Hex(0xFF4081), Hex(0xFFFFFF),
     Hex(0xF5F5F5), Hex(0xF4F4F4), Hex(0x6A6A6A), {Hex(0xE0E0E0), 5, 1, false, false, 0, false},
     FillKind::Graph, LiquidKind::Ink, Hex(0x8FB8E8), Hex(0xCFCFCF), true},
    {Area::Wierd, "WIERD", "Wierd", Hex(0xC77DFF), Hex(0x7B2CBF), Hex(0x72EFDD), Hex(0x240046),
     Hex(0x5A189A), Hex(0x9D4EDD), Hex(0x1E003A), {Hex(0x72EFDD), 8, 3, false, true, 0, false},
     FillKind::Checker, LiquidKind::Goo, Hex(0x72EFDD), Hex(0xB5838D), true},
    {Area::Menu, "MENU", "Menu", Hex(0xA47148), Hex(0x6F4518), Hex(0xFFE6A7), Hex(0x432818),
     Hex(0x99582A), Hex(0x8B5E34), Hex(0x2E1A0A), {Hex(0xC08552), 6, 0, false, false, 0, false},
     FillKind::Planks, LiquidKind::Water, Hex(0x5A7FA0), Hex(0xA47148), true},
    {Area::Map, "MAP", "Map", Hex(0x9DC183), Hex(0x5A4632), Hex(0xE9D8A6), Hex(0x080820),
     Hex(0x182040), Hex(0xB89A6A), Hex(0x5A4632), {Hex(0x9DC183), 8, 2, true, false, 0, false},
     FillKind::Dirt, LiquidKind::Water, Hex(0x4F8FC0), Hex(0x8A6A45), true},
};

// The console's four greens, darkest first.
constexpr uint32_t kRetroGreens[4] = {0x0F380F, 0x306230, 0x8BAC0F, 0x9BBC0F};

double Luma(double r, double g, double b) { return 0.3 * r + 0.59 * g + 0.11 * b; }

// Snaps every pixel to one of the four greens (by brightness) and to fully
// opaque or fully clear, so the sheet holds exactly the console's colours.
void QuantizeRetro(cairo_surface_t* surface) {
  cairo_surface_flush(surface);
  unsigned char* data = cairo_image_surface_get_data(surface);
  int w = cairo_image_surface_get_width(surface), h = cairo_image_surface_get_height(surface);
  int stride = cairo_image_surface_get_stride(surface);
  double lumas[4];
  for (int k = 0; k < 4; ++k) {
    Rgb c = Hex(kRetroGreens[k]);
    lumas[k] = Luma(c.r, c.g, c.b);
  }
  for (int y = 0; y < h; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(data + y * stride);
    for (int x = 0; x < w; ++x) {
      uint32_t p = row[x];
      uint32_t a = p >> 24;
      if (a < 128) {
        row[x] = 0;
        continue;
      }
      // Premultiplied: undo before measuring.
      double r = ((p >> 16) & 255) / static_cast<double>(a), g = ((p >> 8) & 255) / static_cast<double>(a),
             b = (p & 255) / static_cast<double>(a);
      double l = Luma(r, g, b);
      int best = 0;
      for (int k = 1; k < 4; ++k)
        if (std::abs(lumas[k] - l) < std::abs(lumas[best] - l)) best = k;
      row[x] = 0xFF000000u | kRetroGreens[best];
    }
  }
  cairo_surface_mark_dirty(surface);
}

// Background cells stand behind the play: darker, greyer, a little towards
// the sky's colour so they recede.
void Recede(cairo_surface_t* surface, int x0, int y0, int size, const Style& s, double amount) {
  cairo_surface_flush(surface);
  unsigned char* data = cairo_image_surface_get_data(surface);
  int stride = cairo_image_surface_get_stride(surface);
  Rgb haze = Darker(Desaturate(s.skyTop, 0.5), 0.35);
  for (int y = y0; y < y0 + size; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(data + y * stride);
    for (int x = x0; x < x0 + size; ++x) {
      uint32_t p = row[x];
      double a = (p >> 24) / 255.0;
      if (a <= 0) continue;
      Rgb c{((p >> 16) & 255) / 255.0 / a, ((p >> 8) & 255) / 255.0 / a, (p & 255) / 255.0 / a};
      c = Desaturate(c, 0.45 * amount);
      c = Mix(Darker(c, 0.38 * amount), haze, 0.18 * amount);
      auto ch = [&](double v) {
        return static_cast<uint32_t>(std::clamp(v, 0.0, 1.0) * a * 255.0 + 0.5);
      };
      row[x] = (p & 0xFF000000u) | (ch(c.r) << 16) | (ch(c.g) << 8) | ch(c.b);
    }
  }
  cairo_surface_mark_dirty(surface);
}

bool IsBackWall(int cell) { return cell >= 32 && cell <= 46; }

void DrawCell(cairo_t* cr, const Style& s, int cell) {
  if (cell >= 48 && cell < 80)
    DrawDecoCell(cr, s, cell);
  else if ((cell >= 80 && cell < 112) || cell >= kSheetColumns * kSheetRows)
    DrawMapCell(cr, s, cell);
  else
    DrawGroundCell(cr, s, cell);
}

void MakeSheet(const Context& ctx, Area area) {
  const Style& s = StyleOf(area);
  // The world map's sheet carries rows of its own below the shared ones.
  const int rows = area == Area::Map ? kMapSheetRows : kSheetRows;
  const int w = kSheetColumns * kTileSize, h = rows * kTileSize;
  // The console look is drawn at half size without smoothing, snapped to its
  // four greens and doubled, which gives square 2-pixel pixels throughout.
  const double scale = s.outlines ? 1.0 : 0.5;
  Canvas work(static_cast<int>(w * scale), static_cast<int>(h * scale));
  cairo_t* cr = work.cr();
  if (!s.outlines) cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  for (int cell = 0; cell < kSheetColumns * rows; ++cell) {
    cairo_save(cr);
    cairo_scale(cr, scale, scale);
    cairo_translate(cr, (cell % kSheetColumns) * kTileSize, (cell / kSheetColumns) * kTileSize);
    cairo_rectangle(cr, 0, 0, kTileSize, kTileSize);
    cairo_clip(cr);
    cairo_new_path(cr);
    DrawCell(cr, s, cell);
    cairo_restore(cr);
  }
  if (s.outlines) {
    for (int cell = 0; cell < kSheetColumns * kSheetRows; ++cell)
      if (IsBackWall(cell))
        Recede(work.surface(), (cell % kSheetColumns) * kTileSize, (cell / kSheetColumns) * kTileSize, kTileSize, s,
               cell == 41 ? 1.6 : 1.0);
    work.Save(ctx, std::string("Tilesets/TILES_") + s.name + ".PNG");
    return;
  }
  for (int cell = 0; cell < kSheetColumns * kSheetRows; ++cell)
    if (IsBackWall(cell))
      Recede(work.surface(), (cell % kSheetColumns) * kTileSize / 2, (cell / kSheetColumns) * kTileSize / 2, kTileSize / 2, s,
             0.5);
  QuantizeRetro(work.surface());
  Canvas sheet(w, h);
  cairo_t* out = sheet.cr();
  cairo_scale(out, 2, 2);
  cairo_set_source_surface(out, work.surface(), 0, 0);
  cairo_pattern_set_filter(cairo_get_source(out), CAIRO_FILTER_NEAREST);
  cairo_paint(out);
  sheet.Save(ctx, std::string("Tilesets/TILES_") + s.name + ".PNG");
}

template <Area A>
void MakeSheetOf(const Context& ctx) {
  MakeSheet(ctx, A);
}

FORGE_JOB("pictures", "tiles_forest", &MakeSheetOf<Area::Forest>);
FORGE_JOB("pictures", "tiles_air", &MakeSheetOf<Area::Air>);
FORGE_JOB("pictures", "tiles_ghost", &MakeSheetOf<Area::Ghost>);
FORGE_JOB("pictures", "tiles_beach", &MakeSheetOf<Area::Beach>);
FORGE_JOB("pictures", "tiles_sea", &MakeSheetOf<Area::Sea>);
FORGE_JOB("pictures", "tiles_mountain", &MakeSheetOf<Area::Mountain>);
FORGE_JOB("pictures", "tiles_retro", &MakeSheetOf<Area::Retro>);
FORGE_JOB("pictures", "tiles_volcano", &MakeSheetOf<Area::Volcano>);
FORGE_JOB("pictures", "tiles_castle", &MakeSheetOf<Area::Castle>);
FORGE_JOB("pictures", "tiles_desert", &MakeSheetOf<Area::Desert>);
FORGE_JOB("pictures", "tiles_temple", &MakeSheetOf<Area::Temple>);
FORGE_JOB("pictures", "tiles_city", &MakeSheetOf<Area::City>);
FORGE_JOB("pictures", "tiles_proto", &MakeSheetOf<Area::Proto>);
FORGE_JOB("pictures", "tiles_wierd", &MakeSheetOf<Area::Wierd>);
FORGE_JOB("pictures", "tiles_menu", &MakeSheetOf<Area::Menu>);
FORGE_JOB("pictures", "tiles_map", &MakeSheetOf<Area::Map>);

}  // namespace

const Style& StyleOf(Area area) {
  for (const Style& s : kStyles)
    if (s.area == area) return s;
  return kStyles[0];
}

Rgb Desaturate(Rgb c, double t) {
  double l = Luma(c.r, c.g, c.b);
  return Mix(c, {l, l, l}, t);
}

void Rect(cairo_t* cr, double x, double y, double w, double h, Rgb c, double alpha) {
  cairo_rectangle(cr, x, y, w, h);
  SetRgb(cr, c, alpha);
  cairo_fill(cr);
}

void Stroke(cairo_t* cr, Rgb c, double width, double alpha) {
  SetRgb(cr, c, alpha);
  cairo_set_line_width(cr, width);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
}

void QuadTo(cairo_t* cr, double cx, double cy, double x, double y) {
  double x0 = x, y0 = y;
  if (cairo_has_current_point(cr)) cairo_get_current_point(cr, &x0, &y0);
  cairo_curve_to(cr, x0 + 2.0 / 3 * (cx - x0), y0 + 2.0 / 3 * (cy - y0), x + 2.0 / 3 * (cx - x),
                 y + 2.0 / 3 * (cy - y), x, y);
}

Rgb LeafOf(const Style& s) {
  switch (s.area) {
    case Area::Forest: return Hex(0x4E9A2A);
    case Area::Air: return Hex(0x7CC36A);
    case Area::Ghost: return Hex(0x5E6B4C);
    case Area::Beach: return Hex(0x6DAE3C);
    case Area::Sea: return Hex(0x3FA35A);
    case Area::Mountain: return Hex(0x3E7D5A);
    case Area::Retro: return Hex(0x306230);
    case Area::Volcano: return Hex(0x6A5A34);
    case Area::Castle: return Hex(0x5E7D4A);
    case Area::Desert: return Hex(0x5FA55A);
    case Area::Temple: return Hex(0x5F9A45);
    case Area::City: return Hex(0x5E8A4A);
    case Area::Proto: return Hex(0xBDBDBD);
    case Area::Wierd: return Hex(0x72EFDD);
    case Area::Menu: return Hex(0x6F9A4E);
    case Area::Map: return Hex(0x5D9040);
  }
  return s.ground;
}

}  // namespace forge::art::tiles
