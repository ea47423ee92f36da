// The forge's tilesets and image sets: every area's sheet is there at the
// shared layout's size, every named cell of the ground sheets shows something,
// every area folder has pictures, and the layout's names are unique.
#include <cairo.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "tile_layout.h"

namespace fs = std::filesystem;

namespace {

const char* const kTilesets[] = {"FOREST", "AIR",    "GHOST",  "BEACH",  "SEA",   "MOUNTAIN",
                                 "RETRO",  "VOLCANO", "CASTLE", "DESERT", "TEMPLE", "CITY",
                                 "PROTO",  "WIERD",  "MENU",   "MAP"};
const char* const kFolders[] = {"Forest", "Air",    "Ghost",  "Beach",  "Sea",   "Mountain",
                                "Retro",  "Volcano", "Castle", "Desert", "Temple", "City",
                                "Proto",  "Wierd",  "Menu",   "Map",    "Global"};

fs::path GameDir() { return fs::path(BOINGLE_GAME_DIR); }

struct Sheet {
  cairo_surface_t* s;
  explicit Sheet(const fs::path& p) : s(cairo_image_surface_create_from_png(p.c_str())) {}
  ~Sheet() { cairo_surface_destroy(s); }
  bool ok() const { return cairo_surface_status(s) == CAIRO_STATUS_SUCCESS; }
  int w() const { return cairo_image_surface_get_width(s); }
  int h() const { return cairo_image_surface_get_height(s); }
  // Whether any pixel of the cell has some opacity.
  bool CellShows(int cell) const {
    cairo_surface_flush(s);
    const unsigned char* d = cairo_image_surface_get_data(s);
    int stride = cairo_image_surface_get_stride(s);
    int x0 = (cell % forge::kSheetColumns) * forge::kTileSize, y0 = (cell / forge::kSheetColumns) * forge::kTileSize;
    for (int y = y0; y < y0 + forge::kTileSize; ++y)
      for (int x = x0; x < x0 + forge::kTileSize; ++x)
        if (reinterpret_cast<const uint32_t*>(d + y * stride)[x] >> 24) return true;
    return false;
  }
};

TEST(ForgeTilesets, EverySheetHasTheSharedLayoutAndShowsEveryNamedCell) {
  for (const char* name : kTilesets) {
    fs::path p = GameDir() / "Tilesets" / (std::string("TILES_") + name + ".PNG");
    ASSERT_TRUE(fs::exists(p)) << p;
    Sheet sheet(p);
    ASSERT_TRUE(sheet.ok()) << p;
    EXPECT_EQ(sheet.w(), forge::kSheetColumns * forge::kTileSize) << name;
    EXPECT_EQ(sheet.h(), forge::kSheetRows * forge::kTileSize) << name;
    if (std::string(name) == "MAP") continue;
    for (const auto& c : forge::kTileCells)
      EXPECT_TRUE(sheet.CellShows(c.cell)) << name << " " << c.name;
  }
}

TEST(ForgeTilesets, RetroSheetUsesOnlyTheFourGreens) {
  Sheet sheet(GameDir() / "Tilesets" / "TILES_RETRO.PNG");
  ASSERT_TRUE(sheet.ok());
  const std::set<uint32_t> greens = {0xFF0F380F, 0xFF306230, 0xFF8BAC0F, 0xFF9BBC0F};
  cairo_surface_flush(sheet.s);
  const unsigned char* d = cairo_image_surface_get_data(sheet.s);
  int stride = cairo_image_surface_get_stride(sheet.s);
  for (int y = 0; y < sheet.h(); ++y)
    for (int x = 0; x < sheet.w(); ++x) {
      uint32_t p = reinterpret_cast<const uint32_t*>(d + y * stride)[x];
      if (p >> 24) {
        ASSERT_TRUE(greens.count(p)) << x << "," << y << " " << std::hex << p;
      }
    }
}

TEST(ForgeTilesets, EveryAreaFolderHasAtLeastThreePictures) {
  for (const char* folder : kFolders) {
    fs::path dir = GameDir() / "Imagesets" / folder;
    ASSERT_TRUE(fs::is_directory(dir)) << dir;
    int pngs = 0;
    for (auto& e : fs::directory_iterator(dir)) {
      if (e.path().extension() != ".png") continue;
      Sheet pic(e.path());
      EXPECT_TRUE(pic.ok()) << e.path();
      ++pngs;
    }
    EXPECT_GE(pngs, 3) << folder;
  }
}

TEST(ForgeTilesets, LayoutNamesAndCellsAreUniqueAndOnTheSheet) {
  std::set<std::string> names;
  std::set<int> cells;
  for (const auto& c : forge::kTileCells) {
    EXPECT_TRUE(names.insert(c.name).second) << c.name;
    EXPECT_TRUE(cells.insert(c.cell).second) << c.cell;
    EXPECT_GE(c.cell, 0);
    EXPECT_LT(c.cell, forge::kSheetColumns * forge::kSheetRows);
    EXPECT_EQ(forge::TileCell(c.name), c.cell);
  }
  EXPECT_EQ(forge::TileCell("no_such_cell"), -1);
}

}  // namespace
