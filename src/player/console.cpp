#include "player/console.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>

#include "world/assets.h"
#include "world/game_state.h"
#include "world/progress.h"
#include "world/settings.h"
#include "world/player_state.h"
#include "present/present.h"
#include "present/timer.h"

int ConsoleOpen = 0;
TInputLine ConsoleInput;

namespace {

constexpr int kBlinkMs = 400;
const std::string kRule = "---------------------------";

std::string g_log[kConsoleLogLines];

struct ConsoleVariable {
  const char* name;
  float* value;
  const char* label;
};
const ConsoleVariable kVariables[] = {
    {"P_X", &P_X, "P_X = "},
    {"P_Y", &P_Y, "P_Y = "},
    {"P_XS_MAX", &P_XS_MAX, "P_XS_MAX = "},
    {"P_YS_MIN", &P_YS_MIN, "P_YS_MIN = "},
    {"P_YS_MAX", &P_YS_MAX, "P_YS_MAX = "},
    {"P_XS_RATE", &P_XS_RATE, "P_XS_RATE = "},
    {"P_YS_RATE", &P_YS_RATE, "P_YS_RATE = "},
    {"P_XS_DECEL", &P_XS_DECEL, "P_XS_DECEL = "},
    {"P_X_BOUNCE_THRESH", &P_X_BOUNCE_THRESH, "P_BOUNCE_THRESH = "},
    {"P_NORMAL_BOUNCE", &P_NORMAL_BOUNCE, "P_NORMAL_BOUNCE = "},
    {"P_HIGH_BOUNCE", &P_HIGH_BOUNCE, "P_HIGH_BOUNCE = "},
    {"P_HIGH_DOUBLE", &P_HIGH_DOUBLE, "P_HIGH_DOUBLE = "},
    {"P_DASH_SPEED", &P_DASH_SPEED, "P_DASH_SPEED = "},
    {"P_LOW_BOUNCE", &P_LOW_BOUNCE, "P_LOW_BOUNCE = "},
};

std::string Valued(const ConsoleVariable& v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%#.9g", static_cast<double>(*v.value));
  return std::string(v.label) + buf;
}

const ConsoleVariable* Find(const std::string& name) {
  for (const auto& v : kVariables)
    if (name == v.name) return &v;
  return nullptr;
}

void Outline(float x, float y, float w, float h) { DrawBox(x, y, w, h); }

void WriteDump() {
  File* f = WriteFile(UserFile(kConsoleDumpFile));
  if (!f) return;
  WriteLine(f, kRule);
  for (const auto& v : kVariables) WriteLine(f, Valued(v));
  WriteLine(f, kRule);
  CloseFile(f);
}

}  // namespace

void ConsolePrint(const std::string& line) {
  for (int i = 0; i + 1 < kConsoleLogLines; ++i) g_log[i] = g_log[i + 1];
  g_log[kConsoleLogLines - 1] = line;
}

const std::string& ConsoleLogLine(int i) { return g_log[i]; }

void ConsoleExecute(const std::string& command) {
  size_t blank = command.find(' ');
  std::string name = command.substr(0, blank);
  for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  std::string rest = blank == std::string::npos ? "" : command.substr(blank + 1);
  rest = rest.substr(0, rest.find(' '));
  float value = static_cast<float>(std::strtod(rest.c_str(), nullptr));
  const ConsoleVariable* var = Find(name);
  if (value == 0) {
    if (name == "WRITE") {
      WriteDump();
      ConsolePrint("File written!");
    } else if (name == "SHOW_ALL") {
      ConsolePrint(kRule);
      for (const auto& v : kVariables) ConsolePrint(Valued(v));
      ConsolePrint(kRule);
    } else if (var) {
      ConsolePrint(Valued(*var));
    } else if (name == "P_CONTROLS") {
      Cls();
      SetColor(255, 255, 255);
      RunKeyConfig();
    } else {
      ConsolePrint(name + "... what?!");
    }
  } else if (var) {
    *var->value = value;
    ConsolePrint(Valued(*var));
  } else {
    ConsolePrint(name + "... what?!");
  }
}

void TInputLine::Draw() const {
  SetColor(255, 255, 255);
  DrawText(text, static_cast<float>(x), static_cast<float>(y));
  SetColor(102, 0, 0);
  DrawFrame(x, y, maxLength * 8 + 2, TextHeight(text));
}

void TInputLine::DrawFrame(int fx, int fy, int fw, int fh) const {
  Outline(static_cast<float>(fx), static_cast<float>(fy), static_cast<float>(fw), static_cast<float>(fh));
}

void TInputLine::Update() {
  if (!active) return;
  cursorOffset = TextWidth(text) + 1;
  int now = Millisecs();
  int c = GetKey();
  if (c > 0) {
    if (c == VK_BACKSPACE) {
      if (!text.empty()) text.pop_back();
    } else if (c == VK_ENTER) {
      std::string command = text;
      text.clear();
      ConsoleExecute(command);
      FlushKeys();
    } else if (c == VK_TAB) {
      text += "     ";
    } else if (c == VK_ESCAPE) {
      // Escape closes the console; left in the line it would spoil the next
      // command.
    } else if (!KeyHeld(VK_LALT) && !KeyHeld(VK_LCONTROL)) {
      text.push_back(static_cast<char>(c));
    }
    if (static_cast<int>(text.size()) > maxLength) text.resize(static_cast<size_t>(maxLength));
    cursorVisible = 1;
    blinkTime = now;
  }
  if (MsPassed(blinkTime, kBlinkMs, now)) {
    cursorVisible = !cursorVisible;
    blinkTime = now;
  }
  if (cursorVisible) {
    SetColor(255, 255, 255);
    float cx = static_cast<float>(x + cursorOffset);
    DrawLine(cx, static_cast<float>(y + 1), cx, static_cast<float>(y + TextHeight(text) - 1));
  }
}

int ConsoleIsOpen() { return ConsoleOpen; }

void ConsoleCheckOpenKey() {
  if (ConsoleOpen) return;
  if (KeyHit(VK_F1) + KeyHit(VK_OEM_3) > 0) {
    ConsoleOpen = 1;
    InputLocked = 1;
    // The key that opened it must not be typed into the line.
    while (GetKey() != 0) {
    }
    ConsoleInput.x = 8;
    ConsoleInput.y = 428;
  }
}

void ConsoleFrame() {
  InputLocked = 1;
  Font* before = CurrentDrawState().font;
  SetImageFont(FontSmall);
  SetOrigin(0, 0);
  SetScale(1, 1);
  SetRotation(0);
  SetAlpha(0.75f);
  SetColor(0, 0, 0);
  DrawRect(0, 0, 400, 448);
  SetAlpha(1);
  SetColor(102, 0, 0);
  Outline(0, 0, 400, 448);
  Outline(8, 24, 384, 400);
  DrawLine(0, 16, 400, 16);
  SetColor(255, 255, 255);
  DrawText(" Console", 0, 2);
  for (int i = 0; i < kConsoleLogLines; ++i) DrawText(g_log[i], 12, 24.0f + 16 * i);
  ConsoleInput.x = 8;
  ConsoleInput.y = 428;
  ConsoleInput.Draw();
  ConsoleInput.Update();
  if (EscapeHit) {
    // Escape closes the console, and only the console.
    EscapeHit = 0;
    ConsoleOpen = 0;
    InputLocked = 0;
    FlushKeys();
  }
  SetImageFont(before);
}
