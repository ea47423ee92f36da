// The developer console: a translucent box with a 25-line log and an input
// line for reading and setting the physics tuning variables while playing.
// F1 (or the key left of 1) opens it in a level; Escape closes it.
#pragma once

#include <string>

extern int ConsoleOpen;

// The one-line text input at the bottom of the console box.
struct TInputLine {
  std::string text;
  int active = 1;
  int cursorOffset = 0;
  int cursorVisible = 0;
  int x = 0, y = 0;
  int blinkTime = 0;
  int style = 0;
  int maxLength = 40;
  std::string label;
  void Update();
  void Draw() const;
  void DrawFrame(int fx, int fy, int fw, int fh) const;
};
extern TInputLine ConsoleInput;

constexpr int kConsoleLogLines = 25;
constexpr const char* kConsoleDumpFile = "console_output.txt";

void ConsolePrint(const std::string& line);
const std::string& ConsoleLogLine(int i);  // 0 the oldest, 24 the newest
void ConsoleExecute(const std::string& command);
void ConsoleFrame();
int ConsoleIsOpen();
// Opens the console on F1 or the key left of 1.
void ConsoleCheckOpenKey();
