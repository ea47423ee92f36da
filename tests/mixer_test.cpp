// The effect mixer, the sample decoder and the music library: what reaches
// the output, and that bad files are refused instead of played as noise.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "present/music_library.h"
#include "present/mixer.h"
#include "present/present.h"
#include "support/test_support.h"

namespace {

std::vector<uint8_t> Wav(int format, int channels, int rate, int bits, const std::vector<uint8_t>& data,
                         uint32_t declaredData = 0) {
  std::vector<uint8_t> b;
  auto put = [&](uint32_t v, int n) {
    for (int i = 0; i < n; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
  };
  auto tag = [&](const char* t) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(t[i]));
  };
  tag("RIFF");
  put(0, 4);
  tag("WAVE");
  tag("LIST");  // a chunk we do not know comes first in many files
  put(3, 4);
  b.insert(b.end(), {'a', 'b', 'c', 0});  // odd size, padded
  tag("fmt ");
  put(16, 4);
  put(static_cast<uint32_t>(format), 2);
  put(static_cast<uint32_t>(channels), 2);
  put(static_cast<uint32_t>(rate), 4);
  put(static_cast<uint32_t>(rate * channels * bits / 8), 4);
  put(static_cast<uint32_t>(channels * bits / 8), 2);
  put(static_cast<uint32_t>(bits), 2);
  tag("data");
  put(declaredData ? declaredData : static_cast<uint32_t>(data.size()), 4);
  b.insert(b.end(), data.begin(), data.end());
  return b;
}

std::vector<uint8_t> Pcm16(const std::vector<int16_t>& v) {
  std::vector<uint8_t> b;
  for (int16_t s : v) {
    b.push_back(static_cast<uint8_t>(s & 0xff));
    b.push_back(static_cast<uint8_t>((s >> 8) & 0xff));
  }
  return b;
}

// A constant sample: easy to tell one copy from two in the mix.
std::shared_ptr<Sound> Constant(float value, size_t frames, bool loop = false) {
  auto s = std::make_shared<Sound>();
  s->frames.assign(2 * frames, value);
  s->loop = loop;
  return s;
}

float Peak(const std::vector<float>& v) {
  float m = 0;
  for (float x : v) m = std::max(m, std::fabs(x));
  return m;
}

std::vector<float> MixOf(Mixer& m, int frames) {
  std::vector<float> out(2 * static_cast<size_t>(frames));
  m.Mix(out.data(), frames);
  return out;
}

TEST(SoundDecodeTest, WavFormatsBecomeStereoAtTheMixRate) {
  Sound s;
  std::string error;
  // 16-bit mono at 22050: twice the frames, both sides equal.
  std::vector<int16_t> ramp;
  for (int i = 0; i < 1000; ++i) ramp.push_back(static_cast<int16_t>(i * 16));
  ASSERT_TRUE(DecodeSound(Wav(1, 1, 22050, 16, Pcm16(ramp)), &s, &error)) << error;
  EXPECT_NEAR(static_cast<double>(s.FrameCount()), 1999, 1);
  EXPECT_FLOAT_EQ(s.frames[0], s.frames[1]);
  EXPECT_NEAR(s.frames[2 * 1000], 500 * 16 / 32768.0, 1e-3);  // halfway through, halfway up

  // 8-bit unsigned stereo at 44100: silence is 128; left and right kept apart.
  ASSERT_TRUE(DecodeSound(Wav(1, 2, 44100, 8, {128, 255, 128, 0}), &s, &error)) << error;
  ASSERT_EQ(s.FrameCount(), 2u);
  EXPECT_FLOAT_EQ(s.frames[0], 0.0f);
  EXPECT_NEAR(s.frames[1], 127 / 128.0, 1e-6);
  EXPECT_FLOAT_EQ(s.frames[3], -1.0f);

  // 24-bit and float.
  ASSERT_TRUE(DecodeSound(Wav(1, 1, 44100, 24, {0x00, 0x00, 0xC0}), &s, &error)) << error;
  EXPECT_FLOAT_EQ(s.frames[0], -0.5f);
  float half = 0.5f, bad = NAN;
  std::vector<uint8_t> fl(8);
  std::memcpy(fl.data(), &half, 4);
  std::memcpy(fl.data() + 4, &bad, 4);
  ASSERT_TRUE(DecodeSound(Wav(3, 1, 44100, 32, fl), &s, &error)) << error;
  EXPECT_FLOAT_EQ(s.frames[0], 0.5f);
  EXPECT_FLOAT_EQ(s.frames[2], 0.0f);  // a NaN in the file is silence, not poison for the mix
}

TEST(SoundDecodeTest, DamagedFilesAreRefusedOrPlayedAsFarAsTheyGo) {
  Sound s;
  std::string error;
  // The data chunk claims far more than the file holds: what is there plays.
  ASSERT_TRUE(DecodeSound(Wav(1, 1, 44100, 16, Pcm16({100, 200, 300}), 0x7fffffff), &s, &error)) << error;
  EXPECT_EQ(s.FrameCount(), 3u);
  // An odd byte at the end of 16-bit data is not half a sample.
  ASSERT_TRUE(DecodeSound(Wav(1, 1, 44100, 16, {1, 2, 3}), &s, &error));
  EXPECT_EQ(s.FrameCount(), 1u);

  EXPECT_FALSE(DecodeSound(Wav(2, 1, 44100, 4, {1, 2, 3, 4}), &s, &error));  // ADPCM
  EXPECT_NE(error.find("unsupported"), std::string::npos);
  EXPECT_FALSE(DecodeSound(Wav(1, 0, 44100, 16, {1, 2}), &s, &error));
  EXPECT_FALSE(DecodeSound(Wav(1, 1, 0, 16, {1, 2}), &s, &error));
  std::vector<uint8_t> noData = Wav(1, 1, 44100, 16, {});
  noData.resize(noData.size() - 8);  // cut the data chunk's header off
  EXPECT_FALSE(DecodeSound(noData, &s, &error));
  EXPECT_FALSE(DecodeSound({'O', 'g', 'g', 'S', 0, 0, 0}, &s, &error));
  EXPECT_FALSE(DecodeSound({}, &s, &error));
  std::vector<uint8_t> junk(5000);
  for (size_t i = 0; i < junk.size(); ++i) junk[i] = static_cast<uint8_t>(i * 37);
  EXPECT_FALSE(DecodeSound(junk, &s, &error));
}

TEST(SoundDecodeTest, TheForgesOggScenesDecode) {
  Options = RunOptions();
  Options.dataDir = BOINGLE_GAME_DIR;
  std::vector<uint8_t> bytes;
  ASSERT_TRUE(ReadWholeFile("SOund\\news.ogg", &bytes));
  Sound s;
  std::string error;
  ASSERT_TRUE(DecodeSound(bytes, &s, &error)) << error;
  EXPECT_GT(s.FrameCount(), static_cast<size_t>(kMixRate / 2));
  EXPECT_GT(Peak(s.frames), 0.05f);
}

TEST(MixerTest, AChannelPlaysOneSoundAtATime) {
  Mixer m;
  int a = m.AllocChannel(), b = m.AllocChannel();
  EXPECT_EQ(a, 1);
  EXPECT_EQ(b, 2);
  auto s = Constant(0.25f, 1000);
  m.Play(a, s);
  EXPECT_NEAR(Peak(MixOf(m, 100)), 0.25, 1e-6);
  m.Play(a, s);  // again on the same channel: restarted, not doubled
  EXPECT_NEAR(Peak(MixOf(m, 100)), 0.25, 1e-6);
  m.Play(b, s);  // another channel does layer
  EXPECT_NEAR(Peak(MixOf(m, 100)), 0.5, 1e-6);
  m.Stop(b);
  m.SetVolume(a, 0.5f);
  EXPECT_NEAR(Peak(MixOf(m, 100)), 0.125, 1e-6);
  // 300 frames were mixed of 1000 since the restart; the rest ends on time.
  MixOf(m, 699);
  EXPECT_TRUE(m.Playing(a));
  MixOf(m, 2);
  EXPECT_FALSE(m.Playing(a));
  EXPECT_EQ(Peak(MixOf(m, 100)), 0.0f);

  // Channels that are not channels are ignored.
  m.Play(0, s);
  m.Play(99, s);
  m.SetVolume(-1, 1);
  EXPECT_FALSE(m.Playing(99));
}

TEST(MixerTest, RateVolumeAndLoopsShapeTheOutput) {
  Mixer m;
  int c = m.AllocChannel();
  m.SetRate(c, 2.0f);
  m.Play(c, Constant(0.2f, 1000));
  MixOf(m, 499);
  EXPECT_TRUE(m.Playing(c));
  MixOf(m, 2);
  EXPECT_FALSE(m.Playing(c)) << "twice the rate is half the length";

  // A channel at volume 0 is silent but still ends when it would have.
  m.SetRate(c, 1.0f);
  m.SetVolume(c, 0.0f);
  m.Play(c, Constant(0.2f, 300));
  EXPECT_EQ(Peak(MixOf(m, 200)), 0.0f);
  EXPECT_TRUE(m.Playing(c));
  MixOf(m, 200);
  EXPECT_FALSE(m.Playing(c));

  // Bad values do not break the mix.
  m.SetVolume(c, NAN);
  m.SetRate(c, NAN);
  EXPECT_EQ(m.Volume(c), 0.0f);
  EXPECT_EQ(m.Rate(c), 1.0f);
  m.SetVolume(c, 7.0f);
  EXPECT_EQ(m.Volume(c), 1.0f);

  // A looping sample never ends.
  m.Play(c, Constant(0.1f, 50, true));
  MixOf(m, 1000);
  EXPECT_TRUE(m.Playing(c));
  EXPECT_NEAR(Peak(MixOf(m, 10)), 0.1, 1e-6);
}

TEST(MixerTest, LoudSumsBendInsteadOfWrapping) {
  Mixer m;
  auto s = Constant(0.7f, 100);
  for (int i = 0; i < 4; ++i) m.Play(m.AllocChannel(), s);
  auto out = MixOf(m, 50);
  EXPECT_LE(Peak(out), 1.0f);
  EXPECT_GT(Peak(out), 0.95f);
  // Quiet sums pass untouched.
  Mixer q;
  q.Play(q.AllocChannel(), Constant(0.3f, 100));
  EXPECT_FLOAT_EQ(Peak(MixOf(q, 10)), 0.3f);
}

TEST(MixerTest, ReleasedChannelsAreHandedOutAgain) {
  Mixer m;
  int a = m.AllocChannel();
  m.AllocChannel();
  m.SetVolume(a, 0.3f);
  m.Play(a, Constant(0.5f, 100));
  m.ReleaseChannel(a);
  EXPECT_FALSE(m.Playing(a));
  EXPECT_EQ(m.AllocChannel(), a);
  EXPECT_EQ(m.Volume(a), 1.0f) << "a fresh channel, not the old one's settings";
  EXPECT_EQ(m.AllocChannel(), 3);
  EXPECT_EQ(m.ChannelCount(), 3);
}

TEST(MixerTest, HeldSoundIsSilentAndGoesOnWhereItStopped) {
  // A ramp, so that where the sample stands shows in the output.
  auto ramp = std::make_shared<Sound>();
  for (int i = 0; i < 1000; ++i)
    ramp->frames.insert(ramp->frames.end(), {i / 2000.0f, i / 2000.0f});
  int musicFrames = 0;
  auto countMusic = [&musicFrames](float*, int frames) { musicFrames += frames; };
  Mixer held, steady;
  held.SetMusicSource(countMusic);
  held.Play(held.AllocChannel(), ramp);
  steady.Play(steady.AllocChannel(), ramp);
  auto first = MixOf(held, 100);
  EXPECT_EQ(first, MixOf(steady, 100));
  held.SetHeld(true);
  EXPECT_EQ(Peak(MixOf(held, 5000)), 0.0f) << "nothing is heard while held";
  EXPECT_EQ(musicFrames, 100) << "the music does not move on either";
  EXPECT_TRUE(held.Playing(1)) << "five times the sample's length, and it has not ended";
  held.SetHeld(false);
  EXPECT_EQ(MixOf(held, 300), MixOf(steady, 300)) << "it goes on from frame 100";
  EXPECT_EQ(musicFrames, 400);
}

TEST(MusicLibraryTest, ASongPlaysLoudAndStopsSilent) {
  Options = RunOptions();
  Options.dataDir = BOINGLE_GAME_DIR;
  FSOUND_SetOutput(2);
  ASSERT_EQ(FSOUND_Init(44100, 32, 1), 1);
  FMUSIC_MODULE* song = FMUSIC_LoadSong("Music\\KV_Forest.xm");
  ASSERT_NE(song, nullptr);
  Mixer& m = TheMixer();
  EXPECT_EQ(Peak(MixOf(m, 4410)), 0.0f) << "loaded is not playing";
  FMUSIC_SetMasterVolume(song, 256);
  FMUSIC_SetLooping(song, 1);
  FMUSIC_PlaySong(song);
  float loud = 0;
  for (int i = 0; i < 20; ++i) loud = std::max(loud, Peak(MixOf(m, 4410)));
  EXPECT_GT(loud, 0.05f);
  FMUSIC_SetMasterVolume(song, 0);
  EXPECT_EQ(Peak(MixOf(m, 4410)), 0.0f);
  FMUSIC_SetMasterVolume(song, 256);
  FSOUND_SetOutput(0);  // no music output: the song is accepted and silent
  EXPECT_EQ(Peak(MixOf(m, 4410)), 0.0f);
  FSOUND_SetOutput(2);
  EXPECT_GT(Peak(MixOf(m, 44100)), 0.0f);
  FMUSIC_StopSong(song);
  EXPECT_FALSE(FMUSIC_IsPlaying(song));
  EXPECT_EQ(Peak(MixOf(m, 4410)), 0.0f);
}

TEST(MusicLibraryTest, MissingAndBrokenSongsAreNoSong) {
  Options = RunOptions();
  test::TempDir dir;
  Options.dataDir = dir.str();
  test::WriteText(dir / "Music/broken.xm", "Extended Module: but nothing after it");
  EXPECT_EQ(FMUSIC_LoadSong("Music\\none.xm"), nullptr);
  EXPECT_EQ(FMUSIC_LoadSong("Music\\broken.xm"), nullptr);
  EXPECT_EQ(FMUSIC_LoadSong(nullptr), nullptr);
  // Calls on no song do nothing.
  EXPECT_EQ(FMUSIC_PlaySong(nullptr), 0);
  EXPECT_EQ(FMUSIC_SetMasterVolume(nullptr, 100), 0);
  EXPECT_EQ(FMUSIC_StopSong(nullptr), 0);
}

}  // namespace
