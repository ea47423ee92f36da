#include "texts/text_fit.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>

#include "forge.h"

namespace forge::texts {

const FontSource& FindFontSource() {
  // A round, heavy face first; the plain bold sans of the base set-up after it.
  static const FontSource candidates[] = {
      {"/usr/share/fonts/truetype/eurofurence/eurof75.ttf", "/usr/share/doc/fonts-eurofurence/copyright",
       "fonts-eurofurence"},
      {"/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf", "/usr/share/doc/fonts-dejavu-core/copyright",
       "fonts-dejavu-core"},
  };
  for (const FontSource& c : candidates) {
    std::error_code ec;
    if (std::filesystem::is_regular_file(c.font, ec) && std::filesystem::is_regular_file(c.copyright, ec)) return c;
  }
  Fail("no font to copy: install the Debian package fonts-eurofurence (or fonts-dejavu-core)");
}

TextMeasure::TextMeasure(const std::filesystem::path& font, int pixelSize) {
  FT_Library lib;
  if (FT_Init_FreeType(&lib) != 0) Fail("FreeType does not start");
  FT_Face face;
  if (FT_New_Face(lib, font.c_str(), 0, &face) != 0) Fail("cannot load the font " + font.string());
  FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixelSize));
  for (int c = 0; c < 256; ++c) {
    if (FT_Load_Char(face, static_cast<FT_ULong>(c), FT_LOAD_DEFAULT) == 0)
      advance_[c] = static_cast<int>(std::lround(face->glyph->advance.x / 64.0));
  }
  FT_Done_Face(face);
  FT_Done_FreeType(lib);
}

TextMeasure::~TextMeasure() = default;

int TextMeasure::Width(const std::string& text) const {
  int w = 0;
  for (unsigned char c : text) w += advance_[c];
  return w;
}

std::vector<std::string> Wrap(const std::string& text, int width, const TextMeasure& measure) {
  std::vector<std::string> lines;
  size_t start = 0;
  size_t lastSpace = std::string::npos;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '#') {
      lines.push_back(text.substr(start, i - start));
      start = i + 1;
      lastSpace = std::string::npos;
      continue;
    }
    if (c == ' ') lastSpace = i;
    if (measure.Width(text.substr(start, i + 1 - start)) > width && lastSpace != std::string::npos) {
      lines.push_back(text.substr(start, lastSpace + 1 - start));
      start = lastSpace + 1;
      lastSpace = std::string::npos;
    }
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

}  // namespace forge::texts
