// The one cell layout every tileset sheet shares, so that level sources name
// cells ("top", "fill", "plat_l") instead of numbers. A sheet is 16 cells wide
// and 8 cells tall (512 by 256 pixels); cell k sits at column k % 16, row k / 16.
// content/tiles.md describes each cell for level makers.
#pragma once

#include <string_view>

namespace forge {

constexpr int kTileSize = 32;
constexpr int kSheetColumns = 16;
constexpr int kSheetRows = 8;

struct TileCellName {
  const char* name;
  int cell;
};

// clang-format off
constexpr TileCellName kTileCells[] = {
  // Row 0: solid ground, the edges around it.
  {"top_l", 0}, {"top", 1}, {"top_r", 2}, {"top_single", 3},
  {"top_b", 4}, {"top_c", 5}, {"fill", 6}, {"fill_b", 7},
  {"fill_c", 8}, {"left", 9}, {"right", 10}, {"bottom_l", 11},
  {"bottom", 12}, {"bottom_r", 13}, {"bottom_single", 14}, {"pillar", 15},
  // Row 1: inner corners, steps, one-way platforms, thin columns.
  {"inner_tl", 16}, {"inner_tr", 17}, {"inner_bl", 18}, {"inner_br", 19},
  {"step_l", 20}, {"step_r", 21}, {"plat_l", 22}, {"plat", 23},
  {"plat_r", 24}, {"plat_single", 25}, {"col_top", 26}, {"col", 27},
  {"col_bottom", 28}, {"ceil_l", 29}, {"ceil", 30}, {"ceil_r", 31},
  // Row 2: background wall (drawn behind, no collision), its edges.
  {"back_fill", 32}, {"back_fill_b", 33}, {"back_top_l", 34}, {"back_top", 35},
  {"back_top_r", 36}, {"back_left", 37}, {"back_right", 38}, {"back_bottom", 39},
  {"back_window", 40}, {"back_dark", 41}, {"back_arch_l", 42}, {"back_arch_r", 43},
  {"back_pillar", 44}, {"back_deco", 45}, {"back_deco_b", 46}, {"back_sky", 47},
  // Row 3: decoration standing on ground tops.
  {"grass", 48}, {"grass_b", 49}, {"flower", 50}, {"flower_b", 51},
  {"rock", 52}, {"rock_b", 53}, {"shroom", 54}, {"sign", 55},
  {"fence_l", 56}, {"fence", 57}, {"fence_r", 58}, {"bush_l", 59},
  {"bush", 60}, {"bush_r", 61}, {"vine", 62}, {"vine_end", 63},
  // Row 4: hazards and liquids drawn as tiles, ladders, chains.
  {"liquid_top", 64}, {"liquid", 65}, {"ladder", 66}, {"chain", 67},
  {"crate", 68}, {"crate_b", 69}, {"bridge_l", 70}, {"bridge", 71},
  {"bridge_r", 72}, {"post", 73}, {"lamp", 74}, {"torch", 75},
  {"arrow_r", 76}, {"arrow_l", 77}, {"arrow_u", 78}, {"arrow_d", 79},
  // Rows 5 and 6: the world map's own cells (every sheet has them; the MAP
  // sheet draws them as an illustrated map, the others as plain ground).
  {"map_land", 80}, {"map_land_b", 81}, {"map_sea", 82}, {"map_sea_b", 83},
  {"map_coast_n", 84}, {"map_coast_s", 85}, {"map_coast_w", 86}, {"map_coast_e", 87},
  {"map_coast_nw", 88}, {"map_coast_ne", 89}, {"map_coast_sw", 90}, {"map_coast_se", 91},
  {"map_path_h", 92}, {"map_path_v", 93}, {"map_path_x", 94}, {"map_node", 95},
  {"map_path_ne", 96}, {"map_path_nw", 97}, {"map_path_se", 98}, {"map_path_sw", 99},
  {"map_bridge_h", 100}, {"map_bridge_v", 101}, {"map_tree", 102}, {"map_trees", 103},
  {"map_hill", 104}, {"map_mountain", 105}, {"map_house", 106}, {"map_castle", 107},
  {"map_volcano", 108}, {"map_palm", 109}, {"map_sand", 110}, {"map_snow", 111},
  // Row 7: spare variations of the ground for breaking up repetition.
  {"top_d", 112}, {"top_e", 113}, {"fill_d", 114}, {"fill_e", 115},
  {"edge_moss", 116}, {"edge_moss_b", 117}, {"fill_dark", 118}, {"fill_light", 119},
  {"float_l", 120}, {"float", 121}, {"float_r", 122}, {"float_single", 123},
  {"hang_l", 124}, {"hang", 125}, {"hang_r", 126}, {"hang_single", 127},
};
// clang-format on

// The cell number of a name, or -1.
constexpr int TileCell(std::string_view name) {
  for (const auto& c : kTileCells)
    if (name == c.name) return c.cell;
  return -1;
}

}  // namespace forge
