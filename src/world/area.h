// Tilesets, image sets and areas. The area number on line 3 of a level file
// picks the tileset sheet and a few rules other parts test (water everywhere,
// retro movement, harmless spikes). Image sets are free-standing pictures of
// any size, one per PNG file in the level's folder under "Imagesets/" and in
// "Imagesets/Global/".
#pragma once

#include <memory>
#include <string>
#include <vector>

struct Image;

// The area numbers of level files (line 3). Some carry rules of their own:
// Sea is under water everywhere, Retro has the step-wise hero and no HUD, the
// Tutorial's spikes do not hurt and it has no HUD; finishing a level of Air,
// Volcano or Temple opens the level after next as well.
namespace Area {
constexpr int Forest = 0;
constexpr int Air = 1;
constexpr int Ghost = 2;
constexpr int Beach = 3;
constexpr int Sea = 4;
constexpr int Mountain = 5;
constexpr int Retro = 6;
constexpr int Volcano = 7;
constexpr int Castle = 8;
constexpr int Desert = 9;
constexpr int Temple = 10;
constexpr int City = 11;
constexpr int Proto = 12;
constexpr int Wierd = 13;
constexpr int Menu = 14;
constexpr int Map = 15;
constexpr int Tutorial = 16;
}  // namespace Area

struct TImageSet {
  int sequence = 0;           // 0 for the first set loaded for the level
  Image* image = nullptr;     // none when the picture failed to load
  std::string fileName;       // as the folder listing gives it
  std::string folder;         // the level's folder text, or "Global/"
  int width = 0, height = 0;  // 0 by 0 without a picture
};

extern std::vector<std::unique_ptr<TImageSet>> ImageSets;
extern std::string ImageSetRoot;    // "Imagesets/"
extern std::string ImageSetFolder;  // e.g. "Forest/"
extern int ImageSetSequence;

// The area number of the loaded level.
extern int AreaIndex;

// The tileset: the area's sheet cut into 32 by 32 cells, numbered left to
// right, top to bottom.
extern Image* Tileset;
extern int TilesetWidth, TilesetHeight;

// Loads the image sets of ImageSetFolder, then of "Global/", appending them
// to ImageSets.
void LoadImageSets();
// Empties ImageSets and gives their pictures back.
void ClearImageSets();

// Picks tileset, area folder and area rules for area n; numbers without a row
// in the table use FOREST.
void SelectArea(int n);
// The sheet name an area uses ("FOREST" for any number without a row).
std::string AreaTilesetName(int n);

// Frame 0 of the set's picture with its top-left at (x, y).
void DrawImageSet(const TImageSet& set, float x, float y);

// The hero's part of selecting an area: his normal or retro sprite. The game
// wires the hero's drawing code in at start-up.
using PlayerSpriteFn = void (*)(bool retro);
void SetPlayerSpriteHook(PlayerSpriteFn fn);

// The level reset's part: root "Imagesets/", folder "Forest/", counter 0.
void ResetAreaState();
