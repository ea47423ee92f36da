#include "world/level_fields.h"

#include <cstdint>
#include <cstdlib>

std::string Field(std::string_view text, char separator, int n) {
  if (n < 1) return {};
  size_t start = 0;
  for (int k = 1; k < n; ++k) {
    size_t at = text.find(separator, start);
    if (at == std::string_view::npos) return {};
    start = at + 1;
  }
  size_t end = text.find(separator, start);
  return std::string(
      text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
}

namespace {

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

}  // namespace

int LenientInt(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i < text.size() && text[i] == '%') {
    base = 2;
    ++i;
  }
  // Unsigned arithmetic: a long run of digits wraps instead of overflowing.
  uint32_t value = 0;
  for (; i < text.size(); ++i) {
    int d = DigitValue(text[i]);
    if (d >= base) break;
    value = value * static_cast<uint32_t>(base) + static_cast<uint32_t>(d);
  }
  if (negative) value = 0u - value;
  return static_cast<int>(static_cast<int32_t>(value));
}

double LenientReal(std::string_view text) {
  std::string s(text);
  return std::strtod(s.c_str(), nullptr);
}
