#include "entities/text_wrap.h"

#include "present/present.h"
#include "world/camera.h"
#include "world/tile_map.h"

std::vector<std::string> WrapText(const std::string& text, int width) {
  std::vector<std::string> lines;
  std::string line;
  long lastSpace = -1;     // in `line`
  bool overlong = false;   // a word wider than the width is being built
  for (char c : text) {
    if (c == '#') {
      lines.push_back(line);
      line.clear();
      lastSpace = -1;
      overlong = false;
      continue;
    }
    line.push_back(c);
    if (c == ' ') {
      if (overlong) {
        lines.push_back(line);
        line.clear();
        lastSpace = -1;
        overlong = false;
        continue;
      }
      lastSpace = static_cast<long>(line.size()) - 1;
    }
    if (!overlong && TextWidth(line) > width) {
      if (lastSpace >= 0) {
        lines.push_back(line.substr(0, static_cast<size_t>(lastSpace) + 1));
        line.erase(0, static_cast<size_t>(lastSpace) + 1);
        lastSpace = -1;
        // What is left may itself be one word too wide already.
        overlong = TextWidth(line) > width;
      } else {
        overlong = true;
      }
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

void DrawWorldText(float x, float y, int width, int lineHeight, const std::string& text) {
  if (!OnScreen(x, y, width, width)) return;
  std::vector<std::string> lines = WrapText(text, width);
  for (size_t n = 0; n < lines.size(); ++n)
    DrawText(lines[n], x - CameraX, y + static_cast<float>(n) * lineHeight - CameraY);
}
