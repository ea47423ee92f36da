// The settings file and the start-up: the two prompts, their keys and texts,
// what an early Escape leaves behind, and the first game state.
#include <gtest/gtest.h>

#include "frame/game_loop.h"
#include "world/game_state.h"
#include "present/music_library.h"
#include "world/music.h"
#include "world/sound_effects.h"
#include "world/settings.h"
#include "frame/startup.h"
#include "player/console.h"
#include "present/present.h"
#include "support/test_support.h"

namespace {

const std::vector<int32_t> kNewFile = {0, 0, 150, 1000, 38, 40, 37, 39, 65, 83, 0, 0, 0, 0, 0};

class StartupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetSettingsToDefaults();
    Windowed = 0;
    GameState = 0;
  }
  // Runs the start-up with a script until it ends (budget or Escape).
  bool RunStartUp(const std::string& script, long frames) {
    test::StartHeadless(dir_.str(), script, frames);
    try {
      StartUp();
    } catch (const EndOfRun&) {
      return false;
    }
    return true;
  }
  std::filesystem::path Config() const { return dir_ / "config.dat"; }
  test::TempDir dir_;
};

TEST_F(StartupTest, ANewSettingsFileHoldsTheNewFileValues) {
  test::StartHeadless(dir_.str());
  EnsureSettings();
  EXPECT_EQ(test::ReadInts(Config()), kNewFile);
  // This run keeps its built-in values; the file's only count next time.
  EXPECT_EQ(MusicVolume, 200);
  EXPECT_FLOAT_EQ(SoundVolume, 1.0f);
  EXPECT_TRUE(LoadSettings());
  EXPECT_EQ(MusicVolume, 150);
  EXPECT_EQ(MusicVolumeSetting, 150);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "config.dat.bak"));
}

TEST_F(StartupTest, SettingsRoundTripWithTheTruncatedSoundVolume) {
  test::StartHeadless(dir_.str());
  ViewingMode = 1;
  SoundOutputType = 4;
  MusicVolume = 270;
  SoundVolume = 1.0f - 0.1f;  // one step down from full, just below 0.9
  KeyJump = 32;
  KeyAttack = 32;  // the same key for two actions is allowed
  IntroSeen = 1;
  ExtraFlags[2] = 7;
  SaveSettings();
  auto v = test::ReadInts(Config());
  ASSERT_EQ(v.size(), 15u);
  EXPECT_EQ(v[3], 899);
  ResetSettingsToDefaults();
  ASSERT_TRUE(LoadSettings());
  EXPECT_EQ(ViewingMode, 1);
  EXPECT_EQ(SoundOutputType, 4);
  EXPECT_EQ(MusicVolume, 270);
  EXPECT_EQ(MusicVolumeSetting, 270);
  EXPECT_FLOAT_EQ(SoundVolume, 0.899f);
  EXPECT_EQ(KeyJump, 32);
  EXPECT_EQ(KeyAttack, 32);
  EXPECT_EQ(IntroSeen, 1);
  EXPECT_EQ(ExtraFlags[2], 7);
}

TEST_F(StartupTest, AShortOrLostSettingsFileIsReplacedNotTrusted) {
  test::WriteText(Config(), std::string(30, '\x05'));
  test::StartHeadless(dir_.str());
  EnsureSettings();
  EXPECT_EQ(test::ReadInts(Config()), kNewFile);
  EXPECT_EQ(ViewingMode, 0);

  // A save cut short between its renames leaves only the backup: it is taken.
  std::vector<int32_t> saved = kNewFile;
  saved[0] = 2;
  saved[2] = 90;
  std::filesystem::remove(Config());
  test::WriteInts(dir_ / "config.dat.bak", saved);
  EnsureSettings();
  EXPECT_EQ(ViewingMode, 2);
  EXPECT_EQ(MusicVolume, 90);
  EXPECT_EQ(test::ReadInts(Config()), saved);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "config.dat.bak"));
}

TEST_F(StartupTest, HandEditedKeysAndVolumesOutOfRangeFallBack) {
  // A key code no key has would leave the hero without that control; in-range
  // codes and the rest of the file are kept as they are.
  test::WriteInts(Config(), {2, 4, 5000, -3, 0, 999, -5, 68, 256, 74, 1, 1, 7, 8, 9});
  test::StartHeadless(dir_.str());
  EnsureSettings();
  EXPECT_EQ(KeyUp, 38);
  EXPECT_EQ(KeyDown, 40);
  EXPECT_EQ(KeyLeft, 37);
  EXPECT_EQ(KeyRight, 68);
  EXPECT_EQ(KeyJump, 65);
  EXPECT_EQ(KeyAttack, 74);
  EXPECT_EQ(MusicVolume, 300);
  EXPECT_EQ(MusicVolumeSetting, 300);
  EXPECT_FLOAT_EQ(SoundVolume, 0.0f);
  EXPECT_EQ(ViewingMode, 2);
  EXPECT_EQ(ExtraFlags[2], 9);
}

TEST_F(StartupTest, ASettingsSaveThatCannotBeWrittenKeepsTheOldFileAndSaysSoOnce) {
  test::StartHeadless(dir_.str());
  test::WriteInts(Config(), kNewFile);
  // Something in the way of the new file's name.
  std::filesystem::create_directories(dir_ / "config.dat.new" / "x");
  MusicVolume = 30;
  testing::internal::CaptureStderr();
  SaveSettings();
  SaveSettings();
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(test::ReadInts(Config()), kNewFile) << "the old settings stay whole";
  EXPECT_FALSE(std::filesystem::exists(dir_ / "config.dat.bak"));
  size_t first = err.find("could not write");
  ASSERT_NE(first, std::string::npos) << err;
  EXPECT_EQ(err.find("could not write", first + 1), std::string::npos) << "said once: " << err;
}

// The console's P_CONTROLS asks for six keys and then for a Y. Each key is
// pressed in a frame of its own, as a player would, and types its character.
TEST_F(StartupTest, RebindingKeepsTheNewKeysOnlyWhenAnsweredY) {
  auto rebind = [&](const std::string& keys, const std::string& answer) {
    std::string script;
    int frame = 5;
    for (char k : keys + answer) {
      script += std::to_string(frame) + " type " + k + "\n";
      frame += 5;
    }
    test::StartHeadless(dir_.str(), script, 200);
    try {
      ConsoleExecute("P_CONTROLS");
    } catch (const EndOfRun&) {
      ADD_FAILURE() << "still waiting after " << keys << answer;
    }
    SaveSettings();
    auto v = test::ReadInts(Config());
    return std::vector<int32_t>(v.begin() + 4, v.begin() + 10);
  };
  // A letter as the last key: its character is not taken for the answer.
  EXPECT_EQ(rebind("IKJLAD", "Y"), (std::vector<int32_t>{73, 75, 74, 76, 65, 68}));
  // Y as the last key does not answer the question by itself either.
  EXPECT_EQ(rebind("WSADQY", "n"), (std::vector<int32_t>{73, 75, 74, 76, 65, 68}));
  // Nor does a Space, which types a blank.
  EXPECT_EQ(rebind("WSADQ ", "y"), (std::vector<int32_t>{87, 83, 65, 68, 81, 32}));
}

TEST_F(StartupTest, NoSettingsShowsTheOutputPrompt) {
  EXPECT_FALSE(RunStartUp("", 3));
  EXPECT_TRUE(test::DrewText("Output Type (1 recommended)"));
  EXPECT_TRUE(test::DrewText("4 - No Music"));
  EXPECT_TRUE(test::DrewText("Press a corresponding number or ESC to quit"));
  EXPECT_TRUE(test::DrewText(std::string(57, '-')));
  EXPECT_TRUE(test::DrewText("On Linux 1, 2 and 3 all play through the same SDL output"));
}

TEST_F(StartupTest, FourThenAStartsWindowedWithoutMusic) {
  RunStartUp("2 tap 4\n4 type a\n", 12);
  EXPECT_EQ(SoundOutputType, 4);
  EXPECT_EQ(FSOUND_GetOutput(), 0) << "the music library plays nothing";
  EXPECT_EQ(ViewingMode, 1);
  EXPECT_EQ(Windowed, 1);
  EXPECT_EQ(GraphicsWidth(), 800);
  FSOUND_SetOutput(2);
}

TEST_F(StartupTest, TheHighestNumberOfOnePollWins) {
  RunStartUp("2 down 2\n2 down 3\n2 down 1\n4 type b\n", 12);
  EXPECT_EQ(SoundOutputType, 3);
  EXPECT_EQ(ViewingMode, 2);
  EXPECT_EQ(Windowed, 0);
}

TEST_F(StartupTest, AWrongAnswerMocksAndKeepsThePrompt) {
  EXPECT_FALSE(RunStartUp("1 tap 1\n3 type x\n", 8));
  EXPECT_EQ(ViewingMode, 0);
  EXPECT_TRUE(test::DrewText("Plonker! Try again! :B"));
  EXPECT_TRUE(test::DrewText("Please select a viewing mode"));
  EXPECT_EQ(GraphicsWidth(), 640);
}

TEST_F(StartupTest, EscapeAtAPromptEndsTheRunAndKeepsTheDefaults) {
  RunStartUp("2 tap ESCAPE\n", 1000);
  EXPECT_LT(FramesPresented(), 10);  // ended by Escape, not by the budget
  EXPECT_EQ(test::ReadInts(Config()), kNewFile);
  // The next run reads that file, asks again and starts at music volume 150.
  ResetSettingsToDefaults();
  RunStartUp("", 2);
  EXPECT_EQ(MusicVolume, 150);
  EXPECT_TRUE(test::DrewText("Output Type (1 recommended)"));
}

TEST_F(StartupTest, StoredChoicesSkipThePromptsAndOddValuesAreHandled) {
  std::vector<int32_t> v = kNewFile;
  v[0] = 7;  // a viewing mode no game wrote: asked again
  v[1] = 4;
  test::WriteInts(Config(), v);
  RunStartUp("1 type 1\n", 6);
  EXPECT_EQ(ViewingMode, 1);
  EXPECT_FALSE(test::DrewText("Output Type (1 recommended)"));

  v[0] = 1;
  v[1] = 9;  // no such sound output: the run ends with a message
  test::WriteInts(Config(), v);
  ResetSettingsToDefaults();
  RunStartUp("", 1000);
  EXPECT_LT(FramesPresented(), 5);
}

TEST_F(StartupTest, ArgumentsAreJoinedIntoTheCommandLineLevel) {
  test::StartHeadless(dir_.str());
  Options.levelArgs = {"my", "level.doy"};
  ChooseFirstState();
  EXPECT_EQ(CommandLineLevel, "mylevel.doy");
  EXPECT_EQ(GameState, 3);
  EXPECT_EQ(LevelId, 426);
  EXPECT_EQ(LevelFileFor(426), "mylevel.doy");
  EXPECT_EQ(StateAfterLevel(426), 5);
  HandBackToEditor();
  EXPECT_EQ(test::ReadText(dir_ / "Quonitor_In.bat"), "quonitor.exe mylevel.doy\r\n");

  Options.levelArgs.clear();
  IntroSeen = 0;
  ChooseFirstState();
  EXPECT_EQ(GameState, 206);
  IntroSeen = 1;
  ChooseFirstState();
  EXPECT_EQ(GameState, 202);
}

TEST(LevelTableTest, LevelsLeadWhereTheyShould) {
  EXPECT_EQ(LevelFileFor(411), "lev_forest_1.doy");
  EXPECT_EQ(LevelFileFor(424), "lev_wierd_1.doy");
  EXPECT_EQ(LevelFileFor(425), "lev_tut.doy");
  EXPECT_EQ(LevelFileFor(427), "f_retro.doy");
  Cut1Seen = 0;
  EXPECT_EQ(StateAfterLevel(411), 212);
  Cut1Seen = 1;
  EXPECT_EQ(StateAfterLevel(411), 2);
  EXPECT_EQ(StateAfterLevel(418), 2);
  EXPECT_EQ(StateAfterLevel(425), 202);
  EXPECT_EQ(StateAfterLevel(427), 210);
}

}  // namespace
