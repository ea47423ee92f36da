#include "world/level_list.h"

#include <algorithm>
#include <cctype>

#include "present/present.h"
#include "world/assets.h"
#include "world/screen_loop.h"
#include "world/settings.h"

std::string LevelListSlot[kLevelListSlots];
int LevelListFirst = 0;
int LevelListKept = 0;

namespace {

constexpr const char* kLevelFolder = "Levels/";
constexpr size_t kRowChars = 40;
// The clickable strip: 8 pixels in from both sides of the box.
constexpr int kRowsLeft = LevelListBox::x + 8;
constexpr int kRowsRight = LevelListBox::x + LevelListBox::w - 8;
constexpr int kRowsBottom = LevelListBox::firstRowY + kLevelListShownRows * LevelListBox::rowH;
// The hover bar stops 8 pixels short of the click strip's right end.
constexpr int kHoverRight = 440;

bool IsLevelFile(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  if (name.size() < 4) return false;
  std::string ext = name.substr(name.size() - 4);
  for (char& c : ext) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (ext != ".DOY") return false;
  // A folder is no level, whatever its name.
  return FileType(std::string(kLevelFolder) + name) != 2;
}

// The row (from the top of the frame, counted so the box's first row is 0)
// that a frame y lies in.
int RowOfY(int my) {
  return (my - my % LevelListBox::rowH) / LevelListBox::rowH -
         LevelListBox::firstRowY / LevelListBox::rowH;
}

void Scroll(int by) {
  int last = std::max(0, LevelListKept - kLevelListShownRows);
  int first = std::clamp(LevelListFirst + by, 0, last);
  if (first == LevelListFirst) return;
  LevelListFirst = first;
  FillLevelList();
}

void DrawLevelList(int mx, int my) {
  using B = LevelListBox;
  SetOrigin(0, 0);
  SetScale(1, 1);
  SetRotation(0);
  SetBlend(BLEND_ALPHA);
  SetAlpha(1);
  SetColor(0, 0, 0);
  DrawRect(B::x, B::y, B::w, B::h);
  SetImageFont(FontSmall);
  SetColor(60, 0, 0);
  if (mx >= kRowsLeft && mx < kHoverRight && my >= B::firstRowY && my < kRowsBottom) {
    DrawRect(kRowsLeft, static_cast<float>(my - my % B::rowH), 384, B::rowH);
    DrawText(std::to_string(RowOfY(my)), 0, 0);
  }
  SetColor(102, 0, 0);
  DrawBox(B::x, B::y, B::w, B::h);
  DrawBox(64, 80, 384, 468);
  DrawText(" Load Level", B::x, 58);
  DrawLine(B::x, 72, B::x + B::w, 72);
  SetColor(255, 255, 255);
  for (int i = 0; i < kLevelListShownRows; ++i)
    DrawText(LevelListSlot[i].substr(0, kRowChars), 66, 82.0f + B::rowH * i);
}

class LevelListScreen : public Screen {
 public:
  bool Running() const override { return chosen.empty(); }

  void Step() override {
    // The window maps the pointer through its letterbox, so MouseX and
    // MouseY are already frame pixels in a resized or full-screen window.
    int mx = MouseX(), my = MouseY();
    if (MouseHit(1)) {
      int row = LevelListRowAt(mx, my);
      if (row >= 0) chosen = LevelListSlot[row];
    }
    if (UpHit) Scroll(-1);
    if (DownHit) Scroll(1);
    DrawLevelList(mx, my);
    SetAlpha(1);
    SetColor(255, 255, 255);
    DrawImage(ImgCursorMouse, static_cast<float>(mx), static_cast<float>(my), 0);
    if (EscapeHit) EndRun(0);
  }

  std::string chosen;
};

}  // namespace

void FillLevelList() {
  for (std::string& slot : LevelListSlot) slot.clear();
  int count = 0;
  for (const std::string& name : ReadDir(kLevelFolder)) {
    if (!IsLevelFile(name)) continue;
    int slot = count - LevelListFirst;
    if (slot >= 0 && slot < kLevelListSlots) LevelListSlot[slot] = name;
    ++count;
  }
  LevelListKept = count;
}

int LevelListRowAt(int mx, int my) {
  if (mx < kRowsLeft || mx >= kRowsRight) return -1;
  if (my < LevelListBox::firstRowY || my >= kRowsBottom) return -1;
  return RowOfY(my);
}

std::string ChooseLevelFromFolder() {
  FillLevelList();
  MouseHit(1);  // a click made in the level just played chooses nothing here
  LevelListScreen list;
  RunScreen(list);
  return list.chosen;
}
