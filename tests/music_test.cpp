// Music and sound effects as the game uses them: which song plays, how the
// volume moves and fades, and how effects share their channels.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "entities/level_completion.h"
#include "world/assets.h"
#include "frame/game_loop.h"
#include "world/game_state.h"
#include "world/music.h"
#include "frame/pause_menu.h"
#include "world/settings.h"
#include "present/music_library.h"
#include "world/sound_effects.h"
#include "present/mixer.h"
#include "present/present.h"
#include "present/sound_output.h"
#include "support/test_support.h"

namespace {

namespace fs = std::filesystem;

float MixPeak(int frames) {
  std::vector<float> out(2 * static_cast<size_t>(frames));
  TheMixer().Mix(out.data(), frames);
  float m = 0;
  for (float x : out) m = std::max(m, std::fabs(x));
  return m;
}

// The game's sound set up in this process, with nothing pulling the mix but
// the test itself.
class SoundTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Options = RunOptions();
    Options.dataDir = BOINGLE_GAME_DIR;
    Options.saveDir = save_.str();
    FSOUND_SetOutput(2);
    ASSERT_EQ(FSOUND_Init(44100, 32, 1), 1);
    ASSERT_TRUE(LoadSoundEffects().empty());
    SoundVolume = 1.0f;
    SetSfxVolume(SoundVolume);
    TallyState = 0;
    MusicFadeMode = 0;
    MusicVolume = MusicVolumeSetting = 200;
  }
  void TearDown() override {
    StopMusic();
    CurrentMusicId = kNoMusicId;
    for (int c : SoundChannels) StopChannel(c);
    TallyState = 0;
  }
  test::TempDir save_;
};

TEST_F(SoundTest, TheSameIdKeepsPlayingAndAnotherIdRestarts) {
  PlayMusic(0);
  EXPECT_TRUE(FMUSIC_IsPlaying(MusicModule));
  EXPECT_GT(MixPeak(44100), 0.01f) << "the first level tune is heard";

  PlayMusic(14);
  FMUSIC_MODULE* worldMap = MusicModule;
  PlayMusic(14);
  EXPECT_EQ(MusicModule, worldMap) << "the world-map song goes on";
  PlayMusic(100);  // the same file under another id
  EXPECT_NE(MusicModule, worldMap);
  EXPECT_EQ(CurrentMusicId, 100);

  // An id without a file plays the song just stopped again.
  FMUSIC_MODULE* before = MusicModule;
  PlayMusic(12);
  EXPECT_EQ(MusicModule, before);
  EXPECT_TRUE(FMUSIC_IsPlaying(MusicModule));
  EXPECT_EQ(CurrentMusicId, 12);
  EXPECT_EQ(MusicFileFor(15), nullptr);
  EXPECT_STREQ(MusicFileFor(107), "Music\\KV_Zelda_SPOOF.xm");
}

TEST_F(SoundTest, FadesEndInSilenceOnTime) {
  PlayMusic(0);
  StartMusicFadeOut();
  EXPECT_EQ(MusicVolumeSetting, 200);
  for (int i = 0; i < 49; ++i) UpdateMusicFade();
  EXPECT_EQ(MusicVolume, 4);
  UpdateMusicFade();
  EXPECT_EQ(MusicVolume, 0);
  EXPECT_EQ(FMUSIC_GetMasterVolume(MusicModule), 0);
  EXPECT_EQ(MixPeak(4410), 0.0f);
  UpdateMusicFade();
  EXPECT_EQ(MusicVolume, 0) << "a fade never goes below nothing";
  EXPECT_EQ(MusicFadeMode, 4);

  RestoreMusicVolume();
  EXPECT_EQ(FMUSIC_GetMasterVolume(MusicModule), 200);
  StartSlowMusicFadeOut();
  for (int i = 0; i < 199; ++i) UpdateMusicFade();
  EXPECT_EQ(MusicVolume, 1);
  UpdateMusicFade();
  EXPECT_EQ(MusicVolume, 0);

  // Values other than 4 and 5 mean no fade.
  MusicVolume = 150;
  for (int mode : {0, 11, 22, 3, 6}) {
    MusicFadeMode = mode;
    UpdateMusicFade();
  }
  EXPECT_EQ(MusicVolume, 150);
  // A volume not a multiple of the step still ends at 0.
  MusicVolume = 6;
  MusicFadeMode = 4;
  UpdateMusicFade();
  UpdateMusicFade();
  EXPECT_EQ(MusicVolume, 0);
}

TEST_F(SoundTest, VolumeStepsStopAtTheirLimits) {
  MusicVolume = 290;
  MusicVolumeUp();
  EXPECT_EQ(MusicVolume, 300);
  MusicVolumeUp();
  EXPECT_EQ(MusicVolume, 300);
  MusicVolume = 20;
  MusicVolumeDown();
  EXPECT_EQ(MusicVolume, 0);

  SoundVolume = 0.95f;
  SfxVolumeUp();
  EXPECT_FLOAT_EQ(SoundVolume, 1.0f);
  EXPECT_FLOAT_EQ(TheMixer().Volume(SoundChannels[4]), 1.0f);
  SoundVolume = 0.05f;
  SfxVolumeDown();
  EXPECT_FLOAT_EQ(SoundVolume, 0.0f);
  for (int c : SoundChannels) EXPECT_FLOAT_EQ(TheMixer().Volume(c), 0.0f);
  // The volume change plays a sample of itself on one of the effects.
  for (int c : SoundChannels) StopChannel(c);
  SoundVolume = 0.5f;
  SfxVolumeUp();
  int playing = 0;
  for (int i = 0; i < 70; ++i) playing += ChannelPlaying(SoundChannels[i]);
  EXPECT_EQ(playing, 1);
}

TEST_F(SoundTest, AnEffectPlayedAgainRestartsOnItsChannel) {
  PlaySfx(4, 0);
  float once = MixPeak(735);
  EXPECT_GT(once, 0.1f);
  PlaySfx(4, 0);
  EXPECT_FLOAT_EQ(MixPeak(735), once) << "restarted, not layered";
  EXPECT_FLOAT_EQ(TheMixer().Rate(SoundChannels[4]), 1.0f);
  for (int i = 0; i < 50; ++i) {
    PlaySfx(4, 1);
    float rate = TheMixer().Rate(SoundChannels[4]);
    EXPECT_GE(rate, 0.95f);
    EXPECT_LT(rate, 1.05f);
  }
  // Index 70 is empty and plays nothing; indexes outside the table are ignored.
  PlaySfx(70, 0);
  PlaySfx(71, 0);
  PlaySfx(-1, 1);
  EXPECT_EQ(ChannelPlaying(SoundChannels[70]), 0);
}

TEST_F(SoundTest, TheTallyMutesEffectsWithoutTouchingAChannel) {
  SetChannelRate(SoundChannels[2], 0.5f);
  TallyState = 1;
  PlaySfx(2, 1);
  EXPECT_EQ(ChannelPlaying(SoundChannels[2]), 0);
  EXPECT_FLOAT_EQ(TheMixer().Rate(SoundChannels[2]), 0.5f);
  TallyState = 0;
  PlaySfx(2, 0);
  EXPECT_EQ(ChannelPlaying(SoundChannels[2]), 1);
}

TEST_F(SoundTest, ARenewedChannelStopsAtOnceAndKeepsTheVolume) {
  SoundVolume = 0.3f;
  SetSfxVolume(SoundVolume);
  PlaySfx(64, 0);
  int old = SoundChannels[64];
  RenewSfxChannel(64);
  EXPECT_EQ(ChannelPlaying(old), 0);
  EXPECT_EQ(ChannelPlaying(SoundChannels[64]), 0);
  EXPECT_FLOAT_EQ(TheMixer().Volume(SoundChannels[64]), 0.3f);
  // Renewing over and over does not grow the mix.
  int channels = TheMixer().ChannelCount();
  for (int i = 0; i < 500; ++i) RenewSfxChannel(64);
  EXPECT_EQ(TheMixer().ChannelCount(), channels);
}

TEST_F(SoundTest, NoMusicOutputStillPlaysEffects) {
  FSOUND_SetOutput(0);
  PlayMusic(0);
  EXPECT_EQ(MixPeak(44100), 0.0f);
  PlaySfx(6, 0);
  EXPECT_GT(MixPeak(735), 0.1f);
  FSOUND_SetOutput(2);
}

TEST_F(SoundTest, ThePauseMenuMovesBothVolumes) {
  test::StartHeadless(save_.str(),
                      "30 tap DOWN\n32 tap LEFT\n34 tap LEFT\n36 tap DOWN\n38 tap RIGHT\n40 tap RIGHT\n", 60);
  StopSoundOutput();  // the test reads the mixer's state, nothing plays it
  ResetSettingsToDefaults();
  MusicVolume = MusicVolumeSetting = 200;
  SoundVolume = 1.0f;
  PlayMusic(14);
  PauseState = 1;
  PauseAlpha = 0;
  try {
    RunPauseMenu();
  } catch (const EndOfRun&) {
  }
  EXPECT_NEAR(SoundVolume, 0.8f, 1e-5);
  EXPECT_NEAR(TheMixer().Volume(SoundChannels[10]), 0.8f, 1e-5);
  EXPECT_EQ(MusicVolume, 260);
  EXPECT_EQ(FMUSIC_GetMasterVolume(MusicModule), 260);
  EXPECT_EQ(MusicVolumeSetting, 260) << "the game returns to the player's choice";
  PauseState = 0;
}

TEST_F(SoundTest, AMusicVolumeChosenInALevelOutlivesItAndReachesTheSettingsFile) {
  // Pause, two steps up on the music row, then "Back to Worldmap": the level
  // ends without its tally.
  test::StartHeadless(save_.str(),
                      "70 tap ESCAPE\n100 tap DOWN\n102 tap DOWN\n104 tap RIGHT\n106 tap RIGHT\n108 tap DOWN\n110 tap SPACE\n",
                      400);
  ResetSettingsToDefaults();
  LoadCatalogue();
  MusicVolume = MusicVolumeSetting = 200;
  CommandLineLevel = "lev_tut.doy";
  GameState = GameStateId::Level;
  LevelId = LevelIds::CommandLine;
  try {
    RunGame();
  } catch (const EndOfRun&) {
    // A command-line level ends the program once it has handed the level back.
  }
  EXPECT_EQ(LevelExitCode, 3) << "left through the pause menu";
  EXPECT_EQ(MusicVolume, 260);
  EXPECT_EQ(MusicVolumeSetting, 260);
  std::vector<int32_t> config = test::ReadInts(save_ / "config.dat");
  ASSERT_GE(config.size(), 3u);
  EXPECT_EQ(config[2], 260);

  // A step during a fade moves the volume the fade started from.
  MusicVolume = MusicVolumeSetting = 200;
  StartMusicFadeOut();
  for (int i = 0; i < 20; ++i) UpdateMusicFade();
  MusicVolumeDown();
  EXPECT_EQ(MusicVolumeSetting, 170);
  EXPECT_EQ(MusicVolume, 200 - 20 * 4 - 30);
}

// The same scripted level twice through the real program, its mix written to a
// file: with music and with "4 - No Music".
std::vector<int16_t> LevelMix(int outputType, const test::TempDir& save) {
  test::WriteInts(save / "config.dat", {1, outputType, 200, 1000, 38, 40, 37, 39, 65, 83, 1, 0, 0, 0, 0});
  std::string wav = (save / "mix.wav").string();
  auto r = test::RunBoingle({"--save-dir", save.str(), "--seed", "7", "--frames", "240", "--mixdown", wav,
                             "lev_tut.doy"});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  auto bytes = test::ReadBytes(wav);
  std::vector<int16_t> pcm;
  for (size_t i = 44; i + 1 < bytes.size(); i += 2)
    pcm.push_back(static_cast<int16_t>(bytes[i] | (bytes[i + 1] << 8)));
  return pcm;
}

TEST(SoundOutputTest, ALevelsTuneIsInTheMixAndNoMusicLeavesOnlyEffects) {
  test::TempDir withMusic, without;
  auto a = LevelMix(1, withMusic);
  auto b = LevelMix(4, without);
  ASSERT_EQ(a.size(), 240u * 735 * 2) << "one frame of sound per frame";
  ASSERT_EQ(b.size(), a.size());
  double music = 0, effects = 0;
  size_t differ = 0;
  for (size_t i = 0; i < a.size(); ++i) {
    music += std::abs(a[i]);
    effects += std::abs(b[i]);
    differ += a[i] != b[i];
  }
  EXPECT_GT(effects, 0) << "the hero's bounces are heard without music";
  EXPECT_GT(music, effects * 1.5) << "the tune adds to the mix";
  EXPECT_GT(differ, a.size() / 2);
  // The bytes of a scripted run repeat.
  auto again = LevelMix(4, without);
  EXPECT_EQ(again, b);
}

}  // namespace

namespace {

// libopenmpt plays half a module without a word; the walk of its sizes is
// what names it, so it must pass every whole tune the forge makes.
TEST(TuneFilesTest, EveryWholeTuneWalksToItsEndAndHalfOfOneIsCutShort) {
  int tunes = 0;
  for (auto& e : std::filesystem::directory_iterator(std::filesystem::path(BOINGLE_GAME_DIR) / "Music")) {
    std::vector<uint8_t> bytes = test::ReadBytes(e.path());
    EXPECT_FALSE(XmCutShort(bytes)) << e.path();
    for (size_t cut : {bytes.size() / 2, bytes.size() - 1, size_t{400}}) {
      std::vector<uint8_t> part(bytes.begin(), bytes.begin() + static_cast<long>(cut));
      EXPECT_TRUE(XmCutShort(part)) << e.path() << " cut to " << cut;
    }
    ++tunes;
  }
  EXPECT_GT(tunes, 10);
  EXPECT_FALSE(XmCutShort({'R', 'I', 'F', 'F'}));
}

}  // namespace
