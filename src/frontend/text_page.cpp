#include "frontend/text_page.h"

#include <vector>

#include "present/present.h"

std::string ReadTextPage(const std::string& path) {
  std::vector<uint8_t> bytes;
  if (!ReadWholeFile(path, &bytes)) return "";
  std::string text;
  for (uint8_t c : bytes) {
    if (c == '\n') break;
    if (c != '\r') text.push_back(static_cast<char>(c));
  }
  return text;
}
