// The asset catalogue: every picture the game keeps for the whole run, one
// global handle per file (named after it), and the three sizes of the font.
// A handle is null when its file was missing; drawing it then draws nothing.
#pragma once

#include <string>
#include <vector>

#include "world/asset_table.h"
#include "present/present.h"

#define BOINGLE_DECLARE_IMAGE(name, path, cw, ch, frames, hx, hy) extern Image* name;
BOINGLE_ALL_IMAGES(BOINGLE_DECLARE_IMAGE)
#undef BOINGLE_DECLARE_IMAGE

extern Font* FontLarge;  // 28 pixels: title card, "Press Space", scenes
extern Font* FontSmall;  // 14 pixels: HUD, pause menu, messages, map
extern Font* FontTiny;   // 2 pixels: selected when the main menu starts

// Item kinds (0 coin, 1 statue, 2 small health, 3 big health): the size of
// their strips' frames, taken as they load.
extern int ItemKindWidth[4], ItemKindHeight[4];

// Loads one catalogued picture by its table row (a strip or a plain picture
// with the row's handle). Records the path in `missing` when it fails.
Image* LoadCataloguedImage(const char* path, int cellW, int cellH, int frames, int handleX, int handleY,
                           std::vector<std::string>* missing);

// The whole start-up load of the catalogue, in its order, with the save
// slots and the fonts (the start-up adds what belongs to the layers above).
// Returns the notices to show (missing files, "Font not loaded").
std::vector<std::string> LoadCatalogue();

// Shows notices on screen for two seconds or until a key (and on standard
// error): what start-up found missing, a level that is not there.
void ShowNotices(const std::vector<std::string>& notices);
// The same, on screen only.
void ShowNoticesOnScreen(const std::vector<std::string>& notices);
