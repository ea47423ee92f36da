// Where the game's font comes from, and how much text fits where.
//
// The forge copies a packaged font as the game's font and checks every text
// against the boxes it is drawn in, wrapped the way the game wraps it, so that
// a writer learns at build time that a line is too long.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace forge::texts {

struct FontSource {
  std::filesystem::path font;       // the TrueType file
  std::filesystem::path copyright;  // its package's licence
  std::string package;              // the Debian package that ships it
};

// The first installed of the fonts we accept, or Fail()s naming the package.
const FontSource& FindFontSource();

// Widths in pixels of texts in one font size; texts are bytes 0-255, each
// byte its Latin-1 character.
class TextMeasure {
 public:
  TextMeasure(const std::filesystem::path& font, int pixelSize);
  ~TextMeasure();
  TextMeasure(const TextMeasure&) = delete;
  TextMeasure& operator=(const TextMeasure&) = delete;

  int Width(const std::string& text) const;

 private:
  int advance_[256] = {};
};

// The game's wrapping: "#" breaks a line; a line growing wider than `width` is
// cut after its last space; a single word wider than the width stands over-long
// on its own line. Returns the lines as drawn.
std::vector<std::string> Wrap(const std::string& text, int width, const TextMeasure& measure);

// The message box: 368 pixels wide in the 14-pixel font, with room for this
// many lines between the portrait and the "Space" sign.
constexpr int kMessageWidth = 368;
constexpr int kMessageFontSize = 14;
constexpr int kMessageMaxLines = 8;

}  // namespace forge::texts
