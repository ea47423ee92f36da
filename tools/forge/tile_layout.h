// The one cell layout every tileset sheet shares, so that level sources name
// cells ("top", "fill", "plat_l") instead of numbers. A sheet is 16 cells wide
// and 8 cells tall (512 by 256 pixels); cell k sits at column k % 16, row k / 16.
// The MAP sheet alone goes on for twelve more rows (cells 128 to 319, 512 by
// 640 pixels): the world map's own coasts, regions and landmarks.
// content/tiles.md describes each cell for level makers.
#pragma once

#include <string_view>

namespace forge {

constexpr int kTileSize = 32;
constexpr int kSheetColumns = 16;
constexpr int kSheetRows = 8;
constexpr int kMapSheetRows = 20;

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
  // Rows 8 to 19: on the MAP sheet only. Row 8: concave coasts (sea in one
  // corner), path junctions, the frame around the whole map.
  {"map_bay_nw", 128}, {"map_bay_ne", 129}, {"map_bay_sw", 130}, {"map_bay_se", 131},
  {"map_path_t_n", 132}, {"map_path_t_s", 133}, {"map_path_t_w", 134}, {"map_path_t_e", 135},
  {"map_frame_nw", 136}, {"map_frame_n", 137}, {"map_frame_ne", 138}, {"map_frame_w", 139},
  {"map_frame_e", 140}, {"map_frame_sw", 141}, {"map_frame_s", 142}, {"map_frame_se", 143},
  // Rows 9 to 12: the edges of region grounds laid over land, eight a ground
  // (the side or corner where the region ends), then the grounds themselves.
  {"map_sand_nw", 144}, {"map_sand_n", 145}, {"map_sand_ne", 146}, {"map_sand_w", 147},
  {"map_sand_e", 148}, {"map_sand_sw", 149}, {"map_sand_s", 150}, {"map_sand_se", 151},
  {"map_snow_nw", 152}, {"map_snow_n", 153}, {"map_snow_ne", 154}, {"map_snow_w", 155},
  {"map_snow_e", 156}, {"map_snow_sw", 157}, {"map_snow_s", 158}, {"map_snow_se", 159},
  {"map_ash_nw", 160}, {"map_ash_n", 161}, {"map_ash_ne", 162}, {"map_ash_w", 163},
  {"map_ash_e", 164}, {"map_ash_sw", 165}, {"map_ash_s", 166}, {"map_ash_se", 167},
  {"map_dusk_nw", 168}, {"map_dusk_n", 169}, {"map_dusk_ne", 170}, {"map_dusk_w", 171},
  {"map_dusk_e", 172}, {"map_dusk_sw", 173}, {"map_dusk_s", 174}, {"map_dusk_se", 175},
  {"map_jungle_nw", 176}, {"map_jungle_n", 177}, {"map_jungle_ne", 178}, {"map_jungle_w", 179},
  {"map_jungle_e", 180}, {"map_jungle_sw", 181}, {"map_jungle_s", 182}, {"map_jungle_se", 183},
  {"map_cloud_nw", 184}, {"map_cloud_n", 185}, {"map_cloud_ne", 186}, {"map_cloud_w", 187},
  {"map_cloud_e", 188}, {"map_cloud_sw", 189}, {"map_cloud_s", 190}, {"map_cloud_se", 191},
  {"map_weird_nw", 192}, {"map_weird_n", 193}, {"map_weird_ne", 194}, {"map_weird_w", 195},
  {"map_weird_e", 196}, {"map_weird_sw", 197}, {"map_weird_s", 198}, {"map_weird_se", 199},
  {"map_ash", 200}, {"map_dusk", 201}, {"map_jungle", 202}, {"map_cloud", 203},
  {"map_weird", 204}, {"map_eye", 205}, {"map_swirl", 206}, {"map_serpent", 207},
  // Row 13: small landmarks, one cell each.
  {"map_mushroom", 208}, {"map_dead_tree", 209}, {"map_graves", 210}, {"map_cactus", 211},
  {"map_dunes", 212}, {"map_ruin", 213}, {"map_idol", 214}, {"map_parasol", 215},
  {"map_ship", 216}, {"map_whirl", 217}, {"map_sea_rocks", 218}, {"map_lava", 219},
  {"map_pine", 220}, {"map_cloud_puff", 221}, {"map_float_isle", 222}, {"map_balloon", 223},
  // Rows 14 and 15: big landmarks of 2 by 2 cells (top-left, top-right in row
  // 14, bottom-left, bottom-right under them in row 15).
  {"map_haunt_tl", 224}, {"map_haunt_tr", 225}, {"map_haunt_bl", 240}, {"map_haunt_br", 241},
  {"map_pyramid_tl", 226}, {"map_pyramid_tr", 227}, {"map_pyramid_bl", 242}, {"map_pyramid_br", 243},
  {"map_temple_tl", 228}, {"map_temple_tr", 229}, {"map_temple_bl", 244}, {"map_temple_br", 245},
  {"map_crater_tl", 230}, {"map_crater_tr", 231}, {"map_crater_bl", 246}, {"map_crater_br", 247},
  {"map_peak_tl", 232}, {"map_peak_tr", 233}, {"map_peak_bl", 248}, {"map_peak_br", 249},
  {"map_fort_tl", 234}, {"map_fort_tr", 235}, {"map_fort_bl", 250}, {"map_fort_br", 251},
  {"map_compass_tl", 236}, {"map_compass_tr", 237}, {"map_compass_bl", 252}, {"map_compass_br", 253},
  {"map_dream_tl", 238}, {"map_dream_tr", 239}, {"map_dream_bl", 254}, {"map_dream_br", 255},
  // Rows 16 and 17: the concave corners of the region grounds: the region
  // fills the cell but for one corner, where the land shows.
  {"map_sand_in_nw", 256}, {"map_sand_in_ne", 257}, {"map_sand_in_sw", 258}, {"map_sand_in_se", 259},
  {"map_snow_in_nw", 260}, {"map_snow_in_ne", 261}, {"map_snow_in_sw", 262}, {"map_snow_in_se", 263},
  {"map_ash_in_nw", 264}, {"map_ash_in_ne", 265}, {"map_ash_in_sw", 266}, {"map_ash_in_se", 267},
  {"map_dusk_in_nw", 268}, {"map_dusk_in_ne", 269}, {"map_dusk_in_sw", 270}, {"map_dusk_in_se", 271},
  {"map_jungle_in_nw", 272}, {"map_jungle_in_ne", 273}, {"map_jungle_in_sw", 274}, {"map_jungle_in_se", 275},
  {"map_cloud_in_nw", 276}, {"map_cloud_in_ne", 277}, {"map_cloud_in_sw", 278}, {"map_cloud_in_se", 279},
  {"map_weird_in_nw", 280}, {"map_weird_in_ne", 281}, {"map_weird_in_sw", 282}, {"map_weird_in_se", 283},
  // Row 18: sandy beaches, laid over the coast cells of the same name (the
  // coast, corner or bay keeps its water; the beach widens its sand).
  {"map_beach_nw", 288}, {"map_beach_n", 289}, {"map_beach_ne", 290}, {"map_beach_w", 291},
  {"map_beach_e", 292}, {"map_beach_sw", 293}, {"map_beach_s", 294}, {"map_beach_se", 295},
  {"map_beach_in_nw", 296}, {"map_beach_in_ne", 297}, {"map_beach_in_sw", 298}, {"map_beach_in_se", 299},
};
// clang-format on

// The cell number of a name, or -1.
constexpr int TileCell(std::string_view name) {
  for (const auto& c : kTileCells)
    if (name == c.name) return c.cell;
  return -1;
}

}  // namespace forge
