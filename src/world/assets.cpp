#include "world/assets.h"

#include <iostream>

#include "world/message_table.h"
#include "world/save_game.h"
#include "world/sound_effects.h"
#include "world/settings.h"

#define BOINGLE_DEFINE_IMAGE(name, path, cw, ch, frames, hx, hy) Image* name = nullptr;
BOINGLE_ALL_IMAGES(BOINGLE_DEFINE_IMAGE)
#undef BOINGLE_DEFINE_IMAGE

Font* FontLarge = nullptr;
Font* FontSmall = nullptr;
Font* FontTiny = nullptr;
int ItemKindWidth[4] = {0, 0, 0, 0};
int ItemKindHeight[4] = {0, 0, 0, 0};

Image* LoadCataloguedImage(const char* path, int cellW, int cellH, int frames, int handleX, int handleY,
                           std::vector<std::string>* missing) {
  Image* img = frames > 0 ? LoadAnimImage(path, cellW, cellH, 0, frames) : LoadImage(path);
  if (!img) {
    if (missing) missing->push_back(path);
    return nullptr;
  }
  if (handleX == HANDLE_CENTRE || handleY == HANDLE_CENTRE)
    MidHandleImage(img);
  else
    SetImageHandle(img, static_cast<float>(handleX), static_cast<float>(handleY));
  return img;
}

namespace {

#define BOINGLE_LOAD_IMAGE(name, path, cw, ch, frames, hx, hy) \
  name = LoadCataloguedImage(path, cw, ch, frames, hx, hy, missing);

void LoadHero(std::vector<std::string>* missing) { BOINGLE_IMAGES_HERO(BOINGLE_LOAD_IMAGE) }
void LoadPointer(std::vector<std::string>* missing) { BOINGLE_IMAGES_POINTER(BOINGLE_LOAD_IMAGE) }
void LoadHud(std::vector<std::string>* missing) { BOINGLE_IMAGES_HUD(BOINGLE_LOAD_IMAGE) }
void LoadParticles(std::vector<std::string>* missing) { BOINGLE_IMAGES_PARTICLES(BOINGLE_LOAD_IMAGE) }
void LoadActive(std::vector<std::string>* missing) { BOINGLE_IMAGES_ACTIVE(BOINGLE_LOAD_IMAGE) }
void LoadMessage(std::vector<std::string>* missing) { BOINGLE_IMAGES_MESSAGE(BOINGLE_LOAD_IMAGE) }
void LoadTv(std::vector<std::string>* missing) { BOINGLE_IMAGES_TV(BOINGLE_LOAD_IMAGE) }
void LoadSpikes(std::vector<std::string>* missing) { BOINGLE_IMAGES_SPIKES(BOINGLE_LOAD_IMAGE) }
void LoadItems(std::vector<std::string>* missing) { BOINGLE_IMAGES_ITEMS(BOINGLE_LOAD_IMAGE) }
void LoadBlocks(std::vector<std::string>* missing) { BOINGLE_IMAGES_BLOCKS(BOINGLE_LOAD_IMAGE) }
void LoadEnemies(std::vector<std::string>* missing) { BOINGLE_IMAGES_ENEMIES(BOINGLE_LOAD_IMAGE) }
void LoadWorldMap(std::vector<std::string>* missing) { BOINGLE_IMAGES_WORLDMAP(BOINGLE_LOAD_IMAGE) }
void LoadMenu(std::vector<std::string>* missing) { BOINGLE_IMAGES_MENU(BOINGLE_LOAD_IMAGE) }
void LoadExtra(std::vector<std::string>* missing) { BOINGLE_IMAGES_EXTRA(BOINGLE_LOAD_IMAGE) }

#undef BOINGLE_LOAD_IMAGE

void StoreItemSize(int kind, const Image* img) {
  ItemKindWidth[kind] = ImageWidth(img);
  ItemKindHeight[kind] = ImageHeight(img);
}

Font* LoadGameFont(int size, std::vector<std::string>* notices) {
  Font* f = LoadFont(BOINGLE_FONT_PATH, size, 4);
  // "Font not loaded" for each size; the first names the file.
  if (!f) {
    bool named = false;
    for (const auto& n : *notices) named = named || n.find(BOINGLE_FONT_PATH) != std::string::npos;
    notices->push_back(named ? "Font not loaded"
                             : std::string("Font not loaded: ") + BOINGLE_FONT_PATH + " is missing or broken");
  }
  return f;
}

// The tunes are read when they first play, which may be an hour into the
// game: a missing one is named now, with the rest.
void CheckMusicFiles(std::vector<std::string>* missing) {
#define BOINGLE_CHECK_TUNE(n, name, path) \
  if (FileType(path) != 1) missing->push_back(path);
  BOINGLE_MUSIC(BOINGLE_CHECK_TUNE)
#undef BOINGLE_CHECK_TUNE
}

}  // namespace

std::vector<std::string> LoadCatalogue() {
  std::vector<std::string> missing, notices;
  LoadHero(&missing);
  LoadPointer(&missing);
  LoadHud(&missing);
  for (auto& path : LoadSoundEffects()) missing.push_back(path);
  LoadParticles(&missing);
  LoadActive(&missing);
  LoadMessage(&missing);
  if (!LoadMessageTable(BOINGLE_MESSAGES_PATH)) missing.push_back(BOINGLE_MESSAGES_PATH);
  LoadTv(&missing);
  LoadSpikes(&missing);
  LoadItems(&missing);
  StoreItemSize(0, ImgItemCoin);
  StoreItemSize(1, ImgItemStatue);
  StoreItemSize(2, ImgMediSmall);
  StoreItemSize(3, ImgMediBig);
  LoadBlocks(&missing);
  LoadEnemies(&missing);
  EnsureSlots();
  LoadWorldMap(&missing);
  LoadExtra(&missing);
  FontLarge = LoadGameFont(28, &notices);
  FontSmall = LoadGameFont(14, &notices);
  FontTiny = LoadGameFont(2, &notices);
  if (FontLarge) SetImageFont(FontLarge);
  LoadMenu(&missing);
  CheckMusicFiles(&missing);
  // One line a file, so each can be read (and found) on its own.
  std::vector<std::string> named;
  for (auto& m : missing) named.push_back("Missing or broken content: " + m);
  notices.insert(notices.begin(), named.begin(), named.end());
  return notices;
}

void ShowNotices(const std::vector<std::string>& notices) {
  for (auto& n : notices) std::cerr << "boingle: " << n << "\n";
  ShowNoticesOnScreen(notices);
}

void ShowNoticesOnScreen(const std::vector<std::string>& notices) {
  if (notices.empty()) return;
  // On screen for two seconds (or until a key), then the game goes on.
  std::vector<std::string> lines;
  for (auto& n : notices) {
    size_t start = 0;
    while (start <= n.size()) {
      size_t nl = n.find('\n', start);
      lines.push_back(n.substr(start, nl == std::string::npos ? std::string::npos : nl - start));
      if (nl == std::string::npos) break;
      start = nl + 1;
    }
  }
  Font* keep = CurrentDrawState().font;
  SetImageFont(FontSmall);
  FlushKeys();
  for (int frame = 0; frame < 120; ++frame) {
    Cls();
    SetBlend(BLEND_ALPHA);
    SetAlpha(1);
    SetColor(255, 255, 255);
    float y = 8;
    for (auto& l : lines) {
      if (y > 580) break;
      DrawText(l, 8, y);
      y += 16;
    }
    Flip(1);
    bool anyKey = false;
    for (int k = 1; k < 256 && !anyKey; ++k) anyKey = KeyHit(k) > 0;
    if (anyKey) break;
  }
  SetImageFont(keep);
}
