// The message table, the credits thanks and the menu greetings, from the
// writers' sources in content/text/.
//
// messages.txt (source): one entry per line, "INDEX SPEAKER TEXT"; lines that
// are empty or start with ";" are notes. The game's file Data/messages.txt has
// one line per entry, "INDEX<tab>SPEAKER<tab>TEXT", in index order.
//
// credits.txt and greetings.txt (sources): plain paragraphs separated by empty
// lines; lines within a paragraph are joined with spaces. The game's files hold
// the whole text on one line, with "#" for each line break, as it is drawn.
#include <fstream>
#include <map>
#include <sstream>

#include "forge.h"
#include "world/asset_table.h"
#include "texts/text_fit.h"

namespace forge {
namespace {

constexpr int kTableSize = 2000;
constexpr int kSpeakerFrames = 8;  // the portraits in icons.png

// The credits stand from y 200 to the foot of the screen, 400 pixels wide in
// the small font; the greetings fill a wall of the menu's last room, wrapped
// at 560 pixels of the large font (the menu draws its notes at half size),
// 16 pixels a line down to the floor.
constexpr int kCreditsWidth = 400, kCreditsMaxLines = 25;
constexpr int kGreetingsWidth = 560, kGreetingsMaxLines = 26;
constexpr int kLargeFontSize = 28;

std::vector<std::string> ReadLines(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) Fail("cannot read " + file.string());
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::string Trim(const std::string& s) {
  size_t a = s.find_first_not_of(" \t");
  if (a == std::string::npos) return "";
  size_t b = s.find_last_not_of(" \t");
  return s.substr(a, b + 1 - a);
}

const texts::TextMeasure& SmallFont() {
  static const texts::TextMeasure measure(texts::FindFontSource().font, texts::kMessageFontSize);
  return measure;
}

const texts::TextMeasure& LargeFont() {
  static const texts::TextMeasure measure(texts::FindFontSource().font, kLargeFontSize);
  return measure;
}

void CheckFits(const std::string& where, const std::string& text, int width, size_t maxLines,
               const texts::TextMeasure& font = SmallFont()) {
  auto lines = texts::Wrap(text, width, font);
  if (lines.size() > maxLines)
    Fail(where + ": the text takes " + std::to_string(lines.size()) + " lines, more than the " +
         std::to_string(maxLines) + " that fit");
  for (auto& l : lines)
    if (font.Width(Trim(l)) > width) Fail(where + ": the word run \"" + Trim(l) + "\" is wider than the box");
}

void MakeMessages(const Context& ctx) {
  std::filesystem::path src = ctx.content / "text" / "messages.txt";
  auto lines = ReadLines(src);
  std::map<int, std::pair<int, std::string>> table;
  for (size_t n = 0; n < lines.size(); ++n) {
    std::string where = src.string() + ":" + std::to_string(n + 1);
    std::string line = Trim(lines[n]);
    if (line.empty() || line[0] == ';') continue;
    std::istringstream in(line);
    int index = -1, speaker = -1;
    if (!(in >> index >> speaker)) Fail(where + ": expected INDEX SPEAKER TEXT");
    std::string text;
    std::getline(in, text);
    text = Trim(text);
    if (index < 0 || index >= kTableSize) Fail(where + ": index out of 0-1999");
    if (speaker < 0 || speaker >= kSpeakerFrames) Fail(where + ": speaker out of 0-7");
    if (text.empty()) Fail(where + ": empty text");
    if (text.find('\t') != std::string::npos) Fail(where + ": a tab in the text");
    if (table.count(index)) Fail(where + ": index " + std::to_string(index) + " given twice");
    CheckFits(where, text, texts::kMessageWidth, texts::kMessageMaxLines);
    table[index] = {speaker, text};
  }
  std::string out;
  for (auto& [index, entry] : table)
    out += std::to_string(index) + "\t" + std::to_string(entry.first) + "\t" + entry.second + "\n";
  WriteFileIfChanged(OutPath(ctx, BOINGLE_MESSAGES_PATH), out);
}

// Paragraphs joined into one drawn text: "#" between lines of a paragraph that
// the writer broke on purpose is kept, an empty line becomes "##".
std::string Paragraphs(const std::filesystem::path& src) {
  std::string text, para;
  auto flush = [&] {
    if (para.empty()) return;
    if (!text.empty()) text += "##";
    text += para;
    para.clear();
  };
  for (auto& raw : ReadLines(src)) {
    std::string line = Trim(raw);
    if (!line.empty() && line[0] == ';') continue;
    if (line.empty()) {
      flush();
      continue;
    }
    if (!para.empty() && para.back() != '#') para += ' ';
    para += line;
  }
  flush();
  if (text.empty()) Fail(src.string() + ": no text");
  return text;
}

void MakePage(const Context& ctx, const char* source, const char* gamePath, int width, size_t maxLines,
              const texts::TextMeasure& font) {
  std::filesystem::path src = ctx.content / "text" / source;
  std::string text = Paragraphs(src);
  CheckFits(src.string(), text, width, maxLines, font);
  WriteFileIfChanged(OutPath(ctx, gamePath), text + "\n");
}

void MakeCredits(const Context& ctx) {
  MakePage(ctx, "credits.txt", BOINGLE_CREDITS_PATH, kCreditsWidth, kCreditsMaxLines, SmallFont());
}
void MakeGreetings(const Context& ctx) {
  MakePage(ctx, "greetings.txt", BOINGLE_GREETINGS_PATH, kGreetingsWidth, kGreetingsMaxLines, LargeFont());
}

FORGE_JOB("texts", "messages", &MakeMessages);
FORGE_JOB("texts", "credits", &MakeCredits);
FORGE_JOB("texts", "greetings", &MakeGreetings);

}  // namespace
}  // namespace forge
