// The game's one font file, copied from a packaged free font under the name
// the game asks for, with the package's licence beside it.
#include <fstream>
#include <sstream>

#include "forge.h"
#include "world/asset_table.h"
#include "texts/text_fit.h"

namespace forge {
namespace {

std::string ReadAll(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) Fail("cannot read " + file.string());
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void MakeFont(const Context& ctx) {
  const texts::FontSource& src = texts::FindFontSource();
  WriteFileIfChanged(OutPath(ctx, BOINGLE_FONT_PATH), ReadAll(src.font));
  std::string licence = "The game's font " BOINGLE_FONT_PATH " is an unchanged copy of " + src.font.filename().string() +
                        " from the Debian package " + src.package + ".\nIts copyright and licence follow.\n\n" +
                        ReadAll(src.copyright);
  std::string licencePath = BOINGLE_FONT_PATH;
  licencePath.replace(licencePath.size() - 4, 4, ".LICENSE.txt");
  WriteFileIfChanged(OutPath(ctx, licencePath), licence);
}

FORGE_JOB("texts", "font", &MakeFont);

}  // namespace
}  // namespace forge
