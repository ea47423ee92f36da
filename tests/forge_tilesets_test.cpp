// The forge's tilesets and image sets: every area's sheet is there at the
// shared layout's size (the MAP sheet with its own rows below), every named
// cell shows something where it should, every area folder has pictures, and
// the layout's names are unique.
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

constexpr int kSharedCells = forge::kSheetColumns * forge::kSheetRows;

bool IsMapCell(int cell) { return (cell >= 80 && cell < 112) || cell >= kSharedCells; }

TEST(ForgeTilesets, EverySheetHasTheSharedLayoutAndShowsEveryNamedCell) {
  for (const char* name : kTilesets) {
    fs::path p = GameDir() / "Tilesets" / (std::string("TILES_") + name + ".PNG");
    ASSERT_TRUE(fs::exists(p)) << p;
    Sheet sheet(p);
    ASSERT_TRUE(sheet.ok()) << p;
    bool map = std::string(name) == "MAP";
    EXPECT_EQ(sheet.w(), forge::kSheetColumns * forge::kTileSize) << name;
    EXPECT_EQ(sheet.h(), (map ? forge::kMapSheetRows : forge::kSheetRows) * forge::kTileSize) << name;
    for (const auto& c : forge::kTileCells) {
      // The MAP sheet is only ever drawn with its map cells; the others have
      // no rows beyond the shared ones.
      bool drawn = map ? IsMapCell(c.cell) : c.cell < kSharedCells;
      if (!drawn) continue;
      EXPECT_TRUE(sheet.CellShows(c.cell)) << name << " " << c.name;
    }
  }
}

TEST(ForgeTilesets, MapCellsOverTheGroundLeaveItShowingAndGroundCellsCoverTheirCell) {
  Sheet sheet(GameDir() / "Tilesets" / "TILES_MAP.PNG");
  ASSERT_TRUE(sheet.ok());
  cairo_surface_flush(sheet.s);
  const unsigned char* d = cairo_image_surface_get_data(sheet.s);
  int stride = cairo_image_surface_get_stride(sheet.s);
  auto clearPixels = [&](int cell) {
    int x0 = (cell % forge::kSheetColumns) * forge::kTileSize, y0 = (cell / forge::kSheetColumns) * forge::kTileSize;
    int clear = 0;
    for (int y = y0; y < y0 + forge::kTileSize; ++y)
      for (int x = x0; x < x0 + forge::kTileSize; ++x)
        if ((reinterpret_cast<const uint32_t*>(d + y * stride)[x] >> 24) == 0) ++clear;
    return clear;
  };
  for (const auto& c : forge::kTileCells) {
    if (!IsMapCell(c.cell)) continue;
    std::string n = c.name;
    // The ground layer: sea, land, coasts, bays and the region grounds fill
    // their whole cell, or the night sky would show through the map.
    bool ground = n == "map_land" || n == "map_land_b" || n == "map_sea" || n == "map_sea_b" ||
                  n.rfind("map_coast_", 0) == 0 || n.rfind("map_bay_", 0) == 0 || n == "map_sand" ||
                  n == "map_snow" || n == "map_ash" || n == "map_dusk" || n == "map_jungle" ||
                  n == "map_cloud" || n == "map_weird";
    // A region's edge is clear beyond the region, so the land shows there.
    bool edge = n.find("_in_") == std::string::npos && n != "map_cloud_puff" &&
                (n.rfind("map_sand_", 0) == 0 || n.rfind("map_snow_", 0) == 0 || n.rfind("map_ash_", 0) == 0 ||
                 n.rfind("map_dusk_", 0) == 0 || n.rfind("map_jungle_", 0) == 0 || n.rfind("map_cloud_", 0) == 0 ||
                 n.rfind("map_weird_", 0) == 0);
    if (ground) {
      EXPECT_EQ(clearPixels(c.cell), 0) << n;
    }
    if (edge) {
      EXPECT_GT(clearPixels(c.cell), 32 * 4) << n;
    }
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
    EXPECT_LT(c.cell, forge::kSheetColumns * forge::kMapSheetRows);
    EXPECT_EQ(forge::TileCell(c.name), c.cell);
  }
  EXPECT_EQ(forge::TileCell("no_such_cell"), -1);
}

}  // namespace
