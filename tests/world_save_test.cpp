// Save slots: the file layout, new slots, and surviving a save that was cut
// off part way.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/hud.h"
#include "present/present.h"
#include "support/test_support.h"
#include "world/save_game.h"

namespace {

class SaveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::StartHeadless(dir_.str());
    Options.dataDir = dir_.str();
    SetNewSlotRecords();
    Lives = 10;
    Score = 0;
  }
  void TearDown() override { SetNewSlotRecords(); }
  bool Exists(const std::string& name) { return std::filesystem::exists(dir_ / name); }
  // The numbers after the ten text lines of a slot file.
  std::vector<int32_t> Numbers(const std::string& name) {
    std::vector<uint8_t> b = test::ReadBytes(dir_ / name);
    size_t at = 0;
    for (int lines = 0; lines < 10 && at < b.size(); ++at)
      if (b[at] == 10) ++lines;
    std::vector<int32_t> out;
    for (; at + 3 < b.size(); at += 4)
      out.push_back(static_cast<int32_t>(uint32_t(b[at]) | (uint32_t(b[at + 1]) << 8) |
                                         (uint32_t(b[at + 2]) << 16) |
                                         (uint32_t(b[at + 3]) << 24)));
    return out;
  }
  // A slot file's bytes by hand: the text lines, then the numbers.
  std::string SlotBytes(int lives, const std::vector<int32_t>& numbers) {
    std::string s = "File 2\r\n" + std::to_string(lives) + "\r\n";
    for (int k = 0; k < 8; ++k) s += "\r\n";
    for (int32_t v : numbers) {
      uint32_t u = static_cast<uint32_t>(v);
      for (int i = 0; i < 4; ++i) s.push_back(static_cast<char>((u >> (8 * i)) & 255));
    }
    return s;
  }
  test::TempDir dir_;
};

TEST_F(SaveTest, NewSlotLayoutAndValues) {
  NewSlot(2);
  std::string text = test::ReadText(dir_ / "game2.dat");
  EXPECT_EQ(text.substr(0, 28), "File 2\r\n10\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
  EXPECT_EQ(text.size(), 28u + 2048u);
  std::vector<int32_t> n = Numbers("game2.dat");
  ASSERT_EQ(n.size(), 512u);
  for (int r = 0; r < 51; ++r) {
    EXPECT_EQ(n[r * 10 + 0], r);
    EXPECT_EQ(n[r * 10 + 1], r == 1 ? 1 : 0) << "row " << r;
    for (int c : {2, 3, 4, 5, 9}) EXPECT_EQ(n[r * 10 + c], 0);
    for (int c : {6, 7, 8}) EXPECT_EQ(n[r * 10 + c], 1410065407);
  }
  EXPECT_EQ(n[510], 19132006);
  EXPECT_EQ(n[511], 0);

  // Loading it gives the same.
  LevelRecord[1][1] = 0;
  Lives = 3;
  Score = 77;
  ASSERT_TRUE(LoadSlot(2));
  EXPECT_EQ(Lives, 10);
  EXPECT_EQ(Score, 0);
  EXPECT_EQ(LevelRecord[1][1], 1);
  EXPECT_EQ(LevelRecord[50][8], kNoTime);
}

TEST_F(SaveTest, RoundTripLeavesOneFileAndNoBackup) {
  Lives = 4;
  Score = 123456;
  LevelRecord[7][2] = 1;
  LevelRecord[50][6] = 31337;
  SaveSlot(1);
  SaveSlot(1);
  EXPECT_TRUE(Exists("game1.dat"));
  EXPECT_FALSE(Exists("game1.dat.bak"));
  EXPECT_FALSE(Exists("game1.dat.new"));
  EXPECT_EQ(test::ReadText(dir_ / "game1.dat").substr(0, 11), "File 1\r\n4\r\n");

  SetNewSlotRecords();
  Lives = 0;
  Score = 0;
  ASSERT_TRUE(LoadSlot(1));
  EXPECT_EQ(Lives, 4);
  EXPECT_EQ(Score, 123456);
  EXPECT_EQ(LevelRecord[7][2], 1);
  EXPECT_EQ(LevelRecord[50][6], 31337);

  // Slot 0 is a slot file like the others.
  SelectSlot(0);
  SaveSlot(CurrentSlot);
  EXPECT_TRUE(Exists("game0.dat"));
}

TEST_F(SaveTest, SlotsInTheProgramFolderNeitherBlockNorStandInForTheSaveFolders) {
  // A run that saved beside the game left its slot in the program folder;
  // this run saves elsewhere.
  test::TempDir program;
  Options.dataDir = program.str();
  test::WriteText(program / "game2.dat", SlotBytes(9, {}));
  EnsureSlots();
  EXPECT_TRUE(Exists("game2.dat")) << "a slot of its own in the save folder";
  Lives = 3;
  Score = 777;
  SaveSlot(2);
  EXPECT_FALSE(Exists("game2.dat.new")) << "the save went through";
  Lives = Score = 0;
  ASSERT_TRUE(LoadSlot(2));
  EXPECT_EQ(Lives, 3);
  EXPECT_EQ(Score, 777);
  EXPECT_EQ(test::ReadText(program / "game2.dat"), SlotBytes(9, {})) << "the program folder is not written";
}

TEST_F(SaveTest, ACutOffSaveIsRecoveredFromItsBackup) {
  Lives = 6;
  Score = 900;
  LevelRecord[3][2] = 1;
  SaveSlot(3);
  // The save crashed after the old file became the backup and while the new
  // one was being written.
  std::filesystem::rename(dir_ / "game3.dat", dir_ / "game3.dat.bak");
  std::string whole = test::ReadText(dir_ / "game3.dat.bak");
  test::WriteText(dir_ / "game3.dat", whole.substr(0, 600));
  SetNewSlotRecords();
  Lives = 1;
  Score = 0;
  ASSERT_TRUE(LoadSlot(3));
  EXPECT_EQ(Lives, 6);
  EXPECT_EQ(Score, 900);
  EXPECT_EQ(LevelRecord[3][2], 1);

  // Cut off before the new file existed at all: start-up brings the backup
  // back instead of making a fresh slot over the player's progress.
  std::filesystem::remove(dir_ / "game3.dat");
  EnsureSlots();
  EXPECT_TRUE(Exists("game1.dat"));
  EXPECT_TRUE(Exists("game2.dat"));
  EXPECT_FALSE(Exists("game3.dat.bak"));
  SetNewSlotRecords();
  ASSERT_TRUE(LoadSlot(3));
  EXPECT_EQ(Score, 900);
  EXPECT_EQ(LevelRecord[3][2], 1);

  // A deleted slot does not come back from an old backup.
  std::filesystem::copy_file(dir_ / "game3.dat", dir_ / "game3.dat.bak");
  NewSlot(3);
  EXPECT_FALSE(Exists("game3.dat.bak"));
  ASSERT_TRUE(LoadSlot(3));
  EXPECT_EQ(Score, 0);
}

TEST_F(SaveTest, ShortAndLongRecordTablesAndTornFiles) {
  // Two records, then the marker: rows 2 to 50 keep what memory held.
  std::vector<int32_t> n;
  for (int r = 0; r < 2; ++r)
    for (int c = 0; c < 10; ++c) n.push_back(r * 100 + c);
  n.push_back(19132006);
  n.push_back(4242);
  test::WriteText(dir_ / "game2.dat", SlotBytes(7, n));
  LevelRecord[2][2] = 1;
  ASSERT_TRUE(LoadSlot(2));
  EXPECT_EQ(Lives, 7);
  EXPECT_EQ(Score, 4242);
  EXPECT_EQ(LevelRecord[1][5], 105);
  EXPECT_EQ(LevelRecord[2][0], 2);
  EXPECT_EQ(LevelRecord[2][2], 1);

  // Sixty records before the marker: nothing is written past row 50, and the
  // score behind them is still found.
  n.clear();
  for (int r = 0; r < 60; ++r)
    for (int c = 0; c < 10; ++c) n.push_back(r == 0 ? c : 1000 + r);
  n.push_back(19132006);
  n.push_back(55);
  test::WriteText(dir_ / "game2.dat", SlotBytes(8, n));
  ASSERT_TRUE(LoadSlot(2));
  EXPECT_EQ(LevelRecord[50][3], 1050);
  EXPECT_EQ(Score, 55);

  // A file torn in the middle of a record, with no backup: the whole records
  // before the tear load, the torn one and the score do not.
  SetNewSlotRecords();
  Score = 99;
  n.clear();
  for (int r = 0; r < 5; ++r)
    for (int c = 0; c < 10; ++c) n.push_back(r == 0 ? c : 2000 + r);
  std::string bytes = SlotBytes(9, n);
  test::WriteText(dir_ / "game2.dat", bytes.substr(0, bytes.size() - 6));
  ASSERT_TRUE(LoadSlot(2));
  EXPECT_EQ(Lives, 9);
  EXPECT_EQ(LevelRecord[3][9], 2003);
  EXPECT_EQ(LevelRecord[4][0], 4) << "the torn record is left alone";
  EXPECT_EQ(Score, 99);

  // Nothing at all to read.
  EXPECT_FALSE(LoadSlot(9));
  EXPECT_EQ(Lives, 9);
}

}  // namespace
