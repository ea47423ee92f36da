// TrueType text: every byte 0-255 (read as Latin-1) is rendered once at load
// into a glyph atlas, which is an image like any other, so text goes through
// the same quad batch as sprites.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>

#include "present/present_internal.h"

namespace {

std::vector<std::unique_ptr<Font>> g_fonts;

FT_Library Library() {
  static FT_Library lib = nullptr;
  static bool tried = false;
  if (!tried) {
    tried = true;
    if (FT_Init_FreeType(&lib) != 0) lib = nullptr;
  }
  return lib;
}

struct Bitmap {
  int w = 0, h = 0;
  std::vector<uint8_t> coverage;
};

}  // namespace

Font* LoadFont(const std::string& path, int size, int style) {
  (void)style;  // every font of the game is smooth
  FT_Library lib = Library();
  if (!lib || size <= 0) return nullptr;
  std::vector<uint8_t> bytes;
  if (!ReadWholeFile(path, &bytes) || bytes.empty()) return nullptr;
  FT_Face face = nullptr;
  if (FT_New_Memory_Face(lib, bytes.data(), static_cast<FT_Long>(bytes.size()), 0, &face) != 0) return nullptr;
  if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(size)) != 0) {
    FT_Done_Face(face);
    return nullptr;
  }
  auto font = std::make_unique<Font>();
  font->path = path;
  font->size = size;
  int ascender = static_cast<int>(std::lround(face->size->metrics.ascender / 64.0));
  int descender = static_cast<int>(std::lround(face->size->metrics.descender / 64.0));
  font->height = std::max(1, ascender - descender);

  std::vector<Bitmap> bitmaps(256);
  for (int ch = 0; ch < 256; ++ch) {
    Glyph& g = font->glyphs[ch];
    FT_UInt index = FT_Get_Char_Index(face, static_cast<FT_ULong>(ch));
    if (ch < 32 || index == 0) {
      g.advance = 0;
      continue;
    }
    if (FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL) != 0) continue;
    FT_GlyphSlot slot = face->glyph;
    // Whole-pixel advances keep text widths whole numbers, as the game expects.
    g.advance = static_cast<float>(std::lround(slot->advance.x / 64.0));
    const FT_Bitmap& bm = slot->bitmap;
    if (bm.width == 0 || bm.rows == 0 || bm.pixel_mode != FT_PIXEL_MODE_GRAY) continue;
    Bitmap& b = bitmaps[ch];
    b.w = static_cast<int>(bm.width);
    b.h = static_cast<int>(bm.rows);
    b.coverage.resize(static_cast<size_t>(b.w) * b.h);
    for (int y = 0; y < b.h; ++y)
      std::copy_n(bm.buffer + y * bm.pitch, b.w, b.coverage.begin() + static_cast<size_t>(y) * b.w);
    g.offX = static_cast<float>(slot->bitmap_left);
    g.offY = static_cast<float>(ascender - slot->bitmap_top);
  }
  FT_Done_Face(face);

  // Shelf-pack the glyphs into one sheet.
  constexpr int kPad = 1;
  int sheetW = std::clamp(size * 16, 64, 2048), x = kPad, y = kPad, rowH = 0;
  std::vector<CellRect> rects(256, CellRect{0, 0, 0, 0});
  for (int ch = 0; ch < 256; ++ch) {
    const Bitmap& b = bitmaps[ch];
    if (b.w == 0) continue;
    if (x + b.w + kPad > sheetW) {
      x = kPad;
      y += rowH + kPad;
      rowH = 0;
    }
    rects[ch] = {x, y, b.w, b.h};
    x += b.w + kPad;
    rowH = std::max(rowH, b.h);
  }
  int sheetH = y + rowH + kPad;
  auto atlas = std::make_unique<Image>();
  atlas->path = path + " (glyphs)";
  atlas->flags = IMG_FILTERED;
  atlas->sheetW = sheetW;
  atlas->sheetH = sheetH;
  atlas->width = sheetW;
  atlas->height = sheetH;
  atlas->pixels.assign(static_cast<size_t>(sheetW) * sheetH * 4, 0);
  atlas->pixelsLoaded = true;
  for (int ch = 0; ch < 256; ++ch) {
    const Bitmap& b = bitmaps[ch];
    if (b.w == 0) continue;
    const CellRect& r = rects[ch];
    for (int yy = 0; yy < b.h; ++yy)
      for (int xx = 0; xx < b.w; ++xx) {
        uint8_t* p = &atlas->pixels[(static_cast<size_t>(r.y + yy) * sheetW + r.x + xx) * 4];
        p[0] = p[1] = p[2] = 255;
        p[3] = b.coverage[static_cast<size_t>(yy) * b.w + xx];
      }
    font->glyphs[ch].cell = static_cast<int>(atlas->cells.size());
    atlas->cells.push_back(r);
  }
  if (atlas->cells.empty()) atlas->cells.push_back({0, 0, 1, 1});
  font->atlas = RegisterImage(std::move(atlas));
  g_fonts.push_back(std::move(font));
  return g_fonts.back().get();
}
