#include "frontend/menu_decorations.h"

#include <algorithm>
#include <string>
#include <vector>

#include "entities/text_wrap.h"
#include "frontend/menu_buttons.h"
#include "frontend/menu_door.h"
#include "frontend/text_page.h"
#include "present/present.h"
#include "world/assets.h"
#include "world/camera.h"
#include "world/music.h"
#include "world/sound_effects.h"
#include "world/tile_map.h"

namespace {

constexpr float kSliderX = 1040;
constexpr float kMusicSliderY = 288;
constexpr float kSoundSliderY = 352;
constexpr float kSoundSliderSpan = 300;  // a full sound volume of 1.0

// Notes are drawn half size in the large font, black on a paper card.
constexpr float kTextScale = 0.5f;
constexpr float kCardMargin = 6;
struct Rgb {
  int r, g, b;
};
constexpr Rgb kCard = {0xFF, 0xE6, 0xA7};
constexpr Rgb kCardEdge = {0x6F, 0x45, 0x18};

std::string g_greetings;

struct Note {
  float x, y;
  int width, lineHeight;
  const char* text;
};

// What each room's buttons do, in world pixels (x, y of the first line;
// width in unscaled font pixels, as the wrapping measures it).
constexpr Note kNotes[] = {
    // the start room
    {272, 116, 520, 22, "Welcome to Boingle!#Left and Right steer. Hold Up to bounce high, Down to bounce low. Escape quits."},
    {44, 300, 300, 20, "<- Play#Pick a game file in the slot room, then bounce through its door."},
    {592, 300, 300, 20, "Volume ->#Keys for the music and the sound."},
    // the volume room
    {888, 116, 760, 22, "Volume#Bounce on - and + to set the music and the sound."},
    {888, 280, 200, 20, "Music"},
    {888, 344, 200, 20, "Sound"},
    {1068, 500, 200, 20, "Music"},
    {1324, 500, 200, 20, "Sound"},
    // the slot room
    {-624, 500, 200, 20, "Game 1"},
    {-464, 500, 200, 20, "Game 2"},
    {-304, 500, 200, 20, "Game 3"},
    // the summary room
    {-1496, 214, 300, 20, "Bounce on the X up here to wipe this game file and start it anew."},
    {-1468, 362, 200, 20, "World map"},
};

void DrawCard(float x, float y, float w, float h) {
  SetScale(1, 1);
  SetAlpha(1);
  SetColor(kCard.r, kCard.g, kCard.b);
  DrawRect(x - CameraX, y - CameraY, w, h);
  SetColor(kCardEdge.r, kCardEdge.g, kCardEdge.b);
  DrawBox(x - CameraX, y - CameraY, w, h);
}

// A wrapped world text on its card; nothing when the card is out of view.
void DrawNote(float x, float y, int width, int lineHeight, const std::string& text) {
  SetImageFont(FontLarge);
  std::vector<std::string> lines = WrapText(text, width);
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  if (lines.empty()) return;
  int widest = 0;
  for (const std::string& line : lines) widest = std::max(widest, TextWidth(line));
  float w = widest * kTextScale + 2 * kCardMargin;
  float h = (lines.size() - 1) * lineHeight + TextHeight(lines.front()) * kTextScale + 2 * kCardMargin;
  float left = x - kCardMargin, top = y - kCardMargin;
  if (!OnScreen(left, top, static_cast<int>(w), static_cast<int>(h))) return;
  DrawCard(left, top, w, h);
  SetScale(kTextScale, kTextScale);
  SetColor(0, 0, 0);
  DrawWorldText(x, y, width, lineHeight, text);
  SetScale(1, 1);
}

// The slot room's note follows what the player has done there.
std::string SlotRoomNote() {
  if (PickedSlot == 0)
    return "Save games#Bounce on a key to pick a game file. The door on the left opens once one is picked.";
  if (PickedSlot == LoadedSlot)
    return "Save games#Game " + std::to_string(PickedSlot) + " is loaded. Through the door and left to the world map!";
  return "Save games#Game " + std::to_string(PickedSlot) + " is picked: bounce through the door on the left to load it.";
}

void DrawSliders() {
  SetScale(1, 1);
  SetAlpha(1);
  SetColor(255, 255, 255);
  DrawImage(ImgSliderBar, kSliderX - CameraX, kSoundSliderY - CameraY);
  DrawImage(ImgSliderMark, kSliderX + kSoundSliderSpan * SoundVolume - CameraX, kSoundSliderY - CameraY);
  DrawImage(ImgSliderBar, kSliderX - CameraX, kMusicSliderY - CameraY);
  DrawImage(ImgSliderMark, kSliderX + MusicVolume - CameraX, kMusicSliderY - CameraY);
}

void DrawBarrier() {
  if (!BarrierUp) return;
  for (int k = 0; k < kBarrierCells; ++k)
    DrawImage(ImgMenuBarrier, kBarrierX - CameraX, kBarrierTopY + k * kTileSize - CameraY);
}

}  // namespace

void LoadMenuTexts() {
  g_greetings = ReadTextPage(BOINGLE_GREETINGS_PATH);
}

void DrawMenuDecorations() {
  SetBlend(BLEND_ALPHA);
  SetRotation(0);
  DrawSliders();
  DrawBarrier();
  DrawNote(1720, 280, 840, 20, "Hey, Be sure to come back here... ;)");
  DrawNote(2742, 88, 560, 16, g_greetings);
  DrawNote(-1130, 140, 280, 30, MenuSummaryText());
  DrawNote(-688, 116, 760, 22, SlotRoomNote());
  for (const Note& n : kNotes) DrawNote(n.x, n.y, n.width, n.lineHeight, n.text);
  SetScale(1, 1);
  SetColor(255, 255, 255);
  SetAlpha(1);
}
