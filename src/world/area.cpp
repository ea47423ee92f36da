#include "world/area.h"

#include <cctype>

#include "world/level_lists.h"
#include "world/player_state.h"
#include "present/present.h"
#include "world/tile_map.h"

std::vector<std::unique_ptr<TImageSet>> ImageSets;
std::string ImageSetRoot = "Imagesets/";
std::string ImageSetFolder = "Forest/";
int ImageSetSequence = 0;
int AreaIndex = 0;
Image* Tileset = nullptr;
int TilesetWidth = 0, TilesetHeight = 0;

namespace {

[[maybe_unused]] const int kImageSetsJoined = RegisterLevelList(&ClearImageSets);

PlayerSpriteFn g_playerSprite = nullptr;

struct AreaRow {
  const char* tileset;
  const char* folder;
};

// Indexed by area number.
constexpr AreaRow kAreas[] = {
    {"FOREST", "Forest/"}, {"AIR", "Air/"},         {"GHOST", "Ghost/"},
    {"BEACH", "Beach/"},   {"SEA", "Sea/"},         {"MOUNTAIN", "Mountain/"},
    {"RETRO", "Retro/"},   {"VOLCANO", "Volcano/"}, {"CASTLE", "Castle/"},
    {"DESERT", "Desert/"}, {"TEMPLE", "Temple/"},   {"CITY", "City/"},
    {"PROTO", "Proto/"},   {"WIERD", "Wierd/"},     {"MENU", "Menu/"},
    {"MAP", "Map/"},       {"FOREST", "Forest/"},
};
constexpr int kAreaRows = static_cast<int>(sizeof kAreas / sizeof kAreas[0]);

// The retro hero starts already falling at this speed.
constexpr float kRetroStartYSpeed = 4;

bool EndsInPng(const std::string& name) {
  if (name.size() < 3) return false;
  std::string tail = name.substr(name.size() - 3);
  for (char& c : tail) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return tail == "PNG";
}

void LoadImageSetsOf(const std::string& folder) {
  std::string dir = ImageSetRoot + folder;
  for (const std::string& name : ReadDir(dir)) {
    if (!EndsInPng(name)) continue;
    std::string path = dir + name;
    if (FileType(path) != 1) continue;  // a sub-folder named like a picture
    auto set = std::make_unique<TImageSet>();
    set->sequence = ImageSetSequence++;
    set->image = LoadImage(path, IMG_FILTERED);
    if (!set->image) NameBrokenContent(path, "the level draws nothing where it stands");
    set->fileName = name;
    set->folder = folder;
    set->width = ImageWidth(set->image);
    set->height = ImageHeight(set->image);
    ImageSets.push_back(std::move(set));
  }
}

}  // namespace

void LoadImageSets() {
  LoadImageSetsOf(ImageSetFolder);
  LoadImageSetsOf("Global/");
}

void ClearImageSets() {
  // Every level load reads its pictures from disk again, so the old ones are
  // given back rather than piling up level after level.
  for (auto& set : ImageSets) FreeImage(set->image);
  ImageSets.clear();
}

std::string AreaTilesetName(int n) {
  return n >= 0 && n < kAreaRows ? kAreas[n].tileset : "FOREST";
}

void SelectArea(int n) {
  if (g_playerSprite) g_playerSprite(false);
  const AreaRow& row = n >= 0 && n < kAreaRows ? kAreas[n] : kAreas[0];
  if (n == Area::Retro) {
    P_YS = kRetroStartYSpeed;
    if (g_playerSprite) g_playerSprite(true);
  }
  ImageSetFolder = row.folder;
  AreaIndex = n;

  FreeImage(Tileset);
  Tileset = nullptr;
  TilesetWidth = TilesetHeight = 0;
  std::string path = std::string("Tilesets/TILES_") + row.tileset + ".PNG";
  Image* sheet = LoadImage(path, IMG_FILTERED);
  if (!sheet) {
    // No sheet, no tileset: tiles draw nothing, the level still plays.
    NameBrokenContent(path, "the level's tiles are not drawn");
    return;
  }
  TilesetWidth = ImageWidth(sheet);
  TilesetHeight = ImageHeight(sheet);
  FreeImage(sheet);
  int cells = (TilesetWidth / kTileSize) * (TilesetHeight / kTileSize);
  Tileset = LoadAnimImage(path, kTileSize, kTileSize, 0, cells, IMG_FILTERED);
}

void DrawImageSet(const TImageSet& set, float x, float y) {
  DrawImage(set.image, x, y, 0);
}

void SetPlayerSpriteHook(PlayerSpriteFn fn) {
  g_playerSprite = fn;
}

void ResetAreaState() {
  ImageSetRoot = "Imagesets/";
  ImageSetFolder = "Forest/";
  ImageSetSequence = 0;
}

#include "present/state_dump.h"
BOINGLE_STATE_VALUE(AreaIndex, AreaIndex);
