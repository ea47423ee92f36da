// The texts: the game's reader of the message table, the table the forge
// writes (the fixed lines, the speakers, every text fitting its box in the
// game's font), the credits and greetings, and the forge's checks on writers.
#include <gtest/gtest.h>

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <map>

#include "world/asset_table.h"
#include "world/message_table.h"
#include "support/test_support.h"

namespace fs = std::filesystem;

namespace {

// ---------------------------------------------------------------- the reader

TEST(MessageReader, ReadsIndexSpeakerAndTextAsBytes) {
  test::TempDir dir;
  std::string text = "0\t1\tErr...\r\n"
                     "\n"
                     "7\t2\tTwo#lines\twith a tab\n"
                     "1999\t5\tLast \xe9\xff byte\n";
  test::WriteText(dir / "m.txt", text);
  ASSERT_TRUE(LoadMessageTable((dir / "m.txt").string()));
  EXPECT_EQ(MessageText[0], "Err...");  // the CR of a DOS line end is not text
  EXPECT_EQ(MessageSpeaker[0], 1);
  EXPECT_EQ(MessageText[7], "Two#lines\twith a tab");
  EXPECT_EQ(MessageSpeaker[7], 2);
  EXPECT_EQ(MessageText[1999], "Last \xe9\xff byte");
  EXPECT_EQ(MessageSpeaker[1999], 5);
  EXPECT_EQ(MessageText[1], "");
  EXPECT_EQ(MessageSpeaker[1], 0);
}

TEST(MessageReader, ReportsBadLinesButKeepsTheGoodOnesAndForgetsAnOldTable) {
  test::TempDir dir;
  test::WriteText(dir / "old.txt", "5\t3\tOld text\n");
  ASSERT_TRUE(LoadMessageTable((dir / "old.txt").string()));
  test::WriteText(dir / "bad.txt",
                  "2000\t1\tIndex out of range\n"
                  "-1\t1\tNegative\n"
                  "x\t1\tNot a number\n"
                  "4 1 spaces, not tabs\n"
                  "12\t2\tGood\n");
  EXPECT_FALSE(LoadMessageTable((dir / "bad.txt").string()));
  EXPECT_EQ(MessageText[12], "Good");
  EXPECT_EQ(MessageText[5], "") << "an entry of the previous file survived";
  EXPECT_EQ(MessageSpeaker[5], 0);
  EXPECT_EQ(MessageText[4], "");

  // Cut short in the middle of a text: what is there is taken, and the file
  // is reported.
  test::WriteText(dir / "cut.txt", "3\t1\tWhole\n4\t1\tHalf a sen");
  EXPECT_FALSE(LoadMessageTable((dir / "cut.txt").string()));
  EXPECT_EQ(MessageText[3], "Whole");
  EXPECT_EQ(MessageText[4], "Half a sen");

  EXPECT_FALSE(LoadMessageTable((dir / "missing.txt").string()));
  EXPECT_EQ(MessageText[12], "");
}

// ---------------------------------------------------------------- the table

// Widths in the game's font at the message box size, byte by byte (Latin-1).
class Measure {
 public:
  explicit Measure(int px) {
    FT_Library lib;
    FT_Face face;
    EXPECT_EQ(FT_Init_FreeType(&lib), 0);
    if (FT_New_Face(lib, BOINGLE_FONT_PATH, 0, &face) != 0) {
      ADD_FAILURE() << "the font does not load";
      FT_Done_FreeType(lib);
      return;
    }
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(px));
    for (int c = 0; c < 256; ++c)
      if (FT_Load_Char(face, static_cast<FT_ULong>(c), FT_LOAD_DEFAULT) == 0)
        adv_[c] = static_cast<int>(std::lround(face->glyph->advance.x / 64.0));
    FT_Done_Face(face);
    FT_Done_FreeType(lib);
  }
  int Width(const std::string& s) const {
    int w = 0;
    for (unsigned char c : s) w += adv_[c];
    return w;
  }

 private:
  int adv_[256] = {};
};

// The message box's wrapping, written out again from its rules: "#" ends a
// line; a line grown wider than the width is cut after its last space.
std::vector<std::string> Wrap(const std::string& text, int width, const Measure& m) {
  std::vector<std::string> lines;
  std::string line;
  for (char c : text) {
    if (c == '#') {
      lines.push_back(line);
      line.clear();
      continue;
    }
    line += c;
    size_t space = line.rfind(' ');
    if (m.Width(line) > width && space != std::string::npos) {
      lines.push_back(line.substr(0, space + 1));
      line.erase(0, space + 1);
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

std::string Trimmed(std::string s) {
  while (!s.empty() && s.back() == ' ') s.pop_back();
  return s;
}

class MessageTable : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { loaded_ = LoadMessageTable(BOINGLE_MESSAGES_PATH); }
  void SetUp() override { ASSERT_TRUE(loaded_) << "cannot load " << BOINGLE_MESSAGES_PATH; }
  static bool loaded_;
};
bool MessageTable::loaded_ = false;

TEST_F(MessageTable, HoldsTheFixedLinesWithTheirSpeakers) {
  const std::map<int, std::pair<int, std::string>> fixed = {
      {0, {1, "Err..."}},
      {1, {1, "What happened?! Where am I?!"}},
      {27, {2, "Good good, lets go!"}},
      {100, {3, "Sir...#Sorry to bother you, but it appears we have an intruder in the outer regions..."}},
      {107, {3, "Ok, Sir!"}},
      {1001, {0, "Good lord!#It actually works!## :D"}},
  };
  for (auto& [index, entry] : fixed) {
    EXPECT_EQ(MessageText[index], entry.second) << index;
    EXPECT_EQ(MessageSpeaker[index], entry.first) << index;
  }
  auto has = [](int from, int to, const std::string& text) {
    for (int i = from; i <= to; ++i)
      if (MessageText[i] == text) return true;
    return false;
  };
  EXPECT_TRUE(has(50, 58, "Nicely done! Let's keep going."));
  EXPECT_TRUE(has(50, 58, "Niiiiiice!"));
  for (const char* s : {"Where other sock?!", "The Plan!", "You've found an abandoned Hospital!##Apparently...",
                        "A pleasant stroll on the beach..."})
    EXPECT_TRUE(has(151, 164, s)) << s;
}

TEST_F(MessageTable, EachGroupIsFullAndSpokenByItsSpeakers) {
  struct Group {
    int from, to;
    std::vector<int> speakers;
  };
  const Group groups[] = {{0, 27, {1, 2}}, {50, 58, {2}}, {100, 107, {3, 4}}, {151, 164, {5}}, {1001, 1001, {0}}};
  std::vector<bool> used(kMessageTableSize, false);
  for (const Group& g : groups) {
    std::map<int, int> count;
    for (int i = g.from; i <= g.to; ++i) {
      used[static_cast<size_t>(i)] = true;
      EXPECT_FALSE(MessageText[i].empty()) << i;
      EXPECT_NE(std::find(g.speakers.begin(), g.speakers.end(), MessageSpeaker[i]), g.speakers.end()) << i;
      ++count[MessageSpeaker[i]];
    }
    for (int s : g.speakers) EXPECT_GT(count[s], 0) << "speaker " << s << " never speaks in " << g.from;
  }
  // Each level of the world map has a block of hints of its own, 300 + 20 x
  // its row on the map, filled as far as the level needs: whatever is there
  // is said by the hero or his stick.
  int hints = 0;
  for (int i = 300; i < 600 && i < kMessageTableSize; ++i) {
    used[static_cast<size_t>(i)] = true;
    if (MessageText[i].empty()) continue;
    ++hints;
    EXPECT_TRUE(MessageSpeaker[i] == 1 || MessageSpeaker[i] == 2) << i;
  }
  EXPECT_GE(hints, 11) << "a hint or more for each level after Forest II";
  // A conversation, not two speeches: nobody holds the floor for long.
  int run = 1;
  for (int i = 1; i <= 27; ++i) {
    run = MessageSpeaker[i] == MessageSpeaker[i - 1] ? run + 1 : 1;
    EXPECT_LE(run, 4) << "at " << i;
  }
  for (int i = 0; i < kMessageTableSize; ++i) {
    if (used[static_cast<size_t>(i)]) continue;
    EXPECT_EQ(MessageText[i], "") << i;
    EXPECT_EQ(MessageSpeaker[i], 0) << i;
  }
}

TEST_F(MessageTable, TheTutorialNamesItsKeysLessonByLesson) {
  auto says = [](int i, const char* what) { return MessageText[i].find(what) != std::string::npos; };
  EXPECT_TRUE(says(50, "LEFT") && says(50, "RIGHT"));
  EXPECT_TRUE(says(51, "UP"));
  EXPECT_TRUE(says(52, "DOWN"));
  EXPECT_TRUE(says(53, "UP"));
  EXPECT_TRUE(says(54, "ATTACK (default is the S key)"));
}

TEST_F(MessageTable, EveryTextFitsTheMessageBox) {
  Measure m(14);
  ASSERT_GT(m.Width("M"), 3);
  for (int i = 0; i < kMessageTableSize; ++i) {
    if (MessageText[i].empty()) continue;
    auto lines = Wrap(MessageText[i], 368, m);
    EXPECT_LE(lines.size(), 8u) << i << ": " << MessageText[i];
    for (auto& l : lines) EXPECT_LE(m.Width(Trimmed(l)), 368) << i << ": " << l;
  }
}

// ---------------------------------------------------------------- credits and greetings

TEST(Pages, CreditsAndGreetingsAreOneDrawnTextThatFitsItsPlace) {
  // The credits are drawn in the small font; the menu draws the greetings in
  // the large one at half size, wrapped at 560 of its pixels.
  Measure small(14), large(28);
  struct Page {
    const char* path;
    int width;
    size_t maxLines;
    const Measure& m;
  };
  for (const Page& p : {Page{BOINGLE_CREDITS_PATH, 400, 25, small}, Page{BOINGLE_GREETINGS_PATH, 560, 26, large}}) {
    std::string text = test::ReadText(p.path);
    ASSERT_FALSE(text.empty()) << p.path;
    ASSERT_EQ(text.back(), '\n') << p.path;
    text.pop_back();
    EXPECT_EQ(text.find('\n'), std::string::npos) << p.path << " breaks lines with newlines, not #";
    EXPECT_EQ(text.find(';'), std::string::npos) << p.path << " kept a writer's note";
    auto lines = Wrap(text, p.width, p.m);
    EXPECT_GE(lines.size(), 5u) << p.path;
    EXPECT_LE(lines.size(), p.maxLines) << p.path;
  }
  // The thanks end with a teaser for the next chapter.
  std::string credits = test::ReadText(BOINGLE_CREDITS_PATH);
  std::string last = credits.substr(credits.rfind("##") + 2);
  EXPECT_NE(last.find("Chapter"), std::string::npos) << last;
  EXPECT_GE(std::count(credits.begin(), credits.end(), '#'), 6) << "several paragraphs";
}

// ---------------------------------------------------------------- the forge

int RunForge(const fs::path& content, const fs::path& out) {
  std::string cmd = std::string(BOINGLE_FORGE) + " --stage texts --content " + content.string() + " --out " +
                    out.string() + " > /dev/null 2>&1";
  return std::system(cmd.c_str());
}

std::map<std::string, std::string> Files(const fs::path& root) {
  std::map<std::string, std::string> files;
  for (auto& e : fs::recursive_directory_iterator(root))
    if (e.is_regular_file()) files[fs::relative(e.path(), root).string()] = test::ReadText(e.path());
  return files;
}

TEST(TextsStage, TwoRunsMakeTheSameBytes) {
  test::TempDir a, b;
  ASSERT_EQ(RunForge(BOINGLE_SOURCE_DIR "/content", a.path()), 0);
  ASSERT_EQ(RunForge(BOINGLE_SOURCE_DIR "/content", b.path()), 0);
  auto first = Files(a.path()), second = Files(b.path());
  EXPECT_EQ(first.size(), 5u);  // messages, credits, greetings, font, licence
  EXPECT_TRUE(first == second);
}

TEST(TextsStage, StopsOnTextsThatWouldNotFitOrRead) {
  const fs::path source = BOINGLE_SOURCE_DIR "/content/text";
  auto tryMessages = [&](const std::string& messages) {
    test::TempDir content, out;
    for (const char* page : {"credits.txt", "greetings.txt"})
      test::WriteText(content / "text" / page, test::ReadText(source / page));
    test::WriteText(content / "text" / "messages.txt", messages);
    return RunForge(content.path(), out.path());
  };
  EXPECT_EQ(tryMessages("; a note\n3 1 Fine.\n"), 0);
  std::string tooLong = "3 1";
  for (int i = 0; i < 9; ++i) tooLong += " Line#";
  EXPECT_NE(tryMessages(tooLong + "\n"), 0) << "nine lines passed";
  std::string wide = "3 1 " + std::string(60, 'W') + "\n";
  EXPECT_NE(tryMessages(wide), 0) << "a word wider than the box passed";
  EXPECT_NE(tryMessages("3 1 Once\n3 2 Twice\n"), 0) << "a doubled index passed";
  EXPECT_NE(tryMessages("3 9 Who?\n"), 0) << "a speaker without a portrait passed";
  EXPECT_NE(tryMessages("2000 1 Too far\n"), 0);
}

}  // namespace
