// The forge's sounds and the font: every effect of the table is a clean,
// short, loud-enough WAV that sounds like its name in the ways we can measure;
// the scene sounds decode, last as long as their scenes and loop without a
// jump; the font loads in every size the game asks for; runs repeat exactly.
#include <gtest/gtest.h>
#include <vorbis/vorbisfile.h>

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <map>
#include <set>

#include "world/asset_table.h"
#include "support/test_support.h"

namespace fs = std::filesystem;

namespace {

constexpr int kRate = 44100;
const double kMinusOneDb = std::pow(10.0, -1.0 / 20.0);

// The file for a game path, matching folders and names without regard to case
// as the game's file layer does.
fs::path Resolve(const fs::path& root, std::string gamePath) {
  std::replace(gamePath.begin(), gamePath.end(), '\\', '/');
  auto lower = [](std::string s) {
    for (auto& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
  };
  fs::path at = root;
  size_t start = 0;
  while (start <= gamePath.size()) {
    size_t slash = gamePath.find('/', start);
    std::string part = gamePath.substr(start, slash == std::string::npos ? std::string::npos : slash - start);
    fs::path found;
    std::error_code ec;
    for (auto& e : fs::directory_iterator(at, ec))
      if (lower(e.path().filename().string()) == lower(part)) found = e.path();
    if (found.empty()) return at / part;
    at = found;
    if (slash == std::string::npos) break;
    start = slash + 1;
  }
  return at;
}

struct Pcm {
  int rate = 0, channels = 0, bits = 0;
  std::vector<double> s;  // first channel, -1..1
  double Seconds() const { return static_cast<double>(s.size()) / rate; }
};

uint32_t Le(const std::vector<uint8_t>& b, size_t at, int n) {
  uint32_t v = 0;
  for (int i = n - 1; i >= 0; --i) v = (v << 8) | b.at(at + static_cast<size_t>(i));
  return v;
}

// Reads a PCM WAV file; fails the test on anything malformed.
Pcm ReadWav(const fs::path& file) {
  Pcm p;
  auto b = test::ReadBytes(file);
  EXPECT_GE(b.size(), 44u) << file;
  if (b.size() < 44) return p;
  EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF");
  EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 12), "WAVE");
  EXPECT_EQ(Le(b, 4, 4) + 8, b.size()) << "RIFF size of " << file;
  size_t at = 12;
  size_t dataAt = 0, dataLen = 0;
  while (at + 8 <= b.size()) {
    std::string id(b.begin() + static_cast<long>(at), b.begin() + static_cast<long>(at) + 4);
    size_t len = Le(b, at + 4, 4);
    if (id == "fmt ") {
      EXPECT_EQ(Le(b, at + 8, 2), 1u) << "not PCM: " << file;
      p.channels = static_cast<int>(Le(b, at + 10, 2));
      p.rate = static_cast<int>(Le(b, at + 12, 4));
      p.bits = static_cast<int>(Le(b, at + 22, 2));
    } else if (id == "data") {
      dataAt = at + 8;
      dataLen = len;
    }
    at += 8 + len + (len & 1);
  }
  EXPECT_GT(dataAt, 0u) << "no data chunk: " << file;
  EXPECT_LE(dataAt + dataLen, b.size());
  if (p.bits != 16 || p.channels < 1 || dataAt == 0 || dataAt + dataLen > b.size()) return p;
  size_t frames = dataLen / (2 * static_cast<size_t>(p.channels));
  p.s.resize(frames);
  for (size_t i = 0; i < frames; ++i)
    p.s[i] = static_cast<int16_t>(Le(b, dataAt + i * 2 * static_cast<size_t>(p.channels), 2)) / 32768.0;
  return p;
}

Pcm ReadOgg(const fs::path& file) {
  Pcm p;
  OggVorbis_File vf;
  if (ov_fopen(file.c_str(), &vf) != 0) {
    ADD_FAILURE() << "not Ogg Vorbis: " << file;
    return p;
  }
  vorbis_info* vi = ov_info(&vf, -1);
  p.rate = static_cast<int>(vi->rate);
  p.channels = vi->channels;
  p.bits = 32;
  int section = 0;
  while (true) {
    float** pcm = nullptr;
    long n = ov_read_float(&vf, &pcm, 4096, &section);
    if (n <= 0) {
      EXPECT_EQ(n, 0) << "decoding error in " << file;
      break;
    }
    for (long i = 0; i < n; ++i) p.s.push_back(pcm[0][i]);
  }
  EXPECT_EQ(static_cast<ogg_int64_t>(p.s.size()), ov_pcm_total(&vf, -1)) << file;
  ov_clear(&vf);
  return p;
}

double Peak(const Pcm& p, size_t from = 0, size_t to = SIZE_MAX) {
  double m = 0;
  for (size_t i = from; i < std::min(to, p.s.size()); ++i) m = std::max(m, std::fabs(p.s[i]));
  return m;
}

double Rms(const Pcm& p, size_t from, size_t to) {
  double e = 0;
  to = std::min(to, p.s.size());
  for (size_t i = from; i < to; ++i) e += p.s[i] * p.s[i];
  return to > from ? std::sqrt(e / static_cast<double>(to - from)) : 0.0;
}

size_t Ms(double ms) { return static_cast<size_t>(ms * kRate / 1000.0); }

// Strength of one frequency in a stretch (Goertzel).
double Tone(const Pcm& p, double freq, size_t from, size_t to) {
  double k = 2.0 * std::cos(2.0 * M_PI * freq / p.rate), s1 = 0, s2 = 0;
  for (size_t i = from; i < std::min(to, p.s.size()); ++i) {
    double s0 = p.s[i] + k * s1 - s2;
    s2 = s1;
    s1 = s0;
  }
  return std::sqrt(std::max(0.0, s1 * s1 + s2 * s2 - k * s1 * s2));
}

// Upward zero crossings per second in a stretch: the pitch of a plain tone,
// the brightness of a noise.
double Crossings(const Pcm& p, size_t from, size_t to) {
  to = std::min(to, p.s.size());
  int n = 0;
  for (size_t i = from + 1; i < to; ++i)
    if (p.s[i - 1] < 0 && p.s[i] >= 0) ++n;
  return to > from ? n * static_cast<double>(p.rate) / static_cast<double>(to - from) : 0.0;
}

std::string Stem(const std::string& path) {
  std::string s = path.substr(path.find_last_of("\\/") + 1);
  return s.substr(0, s.size() - 4);
}

struct Effect {
  int index;
  std::string path;
};

const std::vector<Effect>& Effects() {
  static const std::vector<Effect> effects = {
#define TEST_SFX(i, name, p) {i, p},
      BOINGLE_SOUND_EFFECTS(TEST_SFX)
#undef TEST_SFX
  };
  return effects;
}

Pcm Effect(const std::string& stem) {
  for (auto& e : Effects())
    if (Stem(e.path) == stem) return ReadWav(Resolve(".", e.path));
  ADD_FAILURE() << "no effect " << stem;
  return {};
}

// The promises every short sound makes: it starts at once, peaks at -1 dBFS
// and fades out to silence without a click.
void ExpectClean(const Pcm& p, const std::string& name) {
  ASSERT_FALSE(p.s.empty()) << name;
  EXPECT_EQ(p.rate, kRate) << name;
  EXPECT_EQ(p.bits, 16) << name;
  size_t first = 0;
  while (first < p.s.size() && std::fabs(p.s[first]) < 0.01) ++first;
  EXPECT_LE(first, Ms(5)) << name << " is silent at the front";
  double peak = Peak(p);
  EXPECT_NEAR(20.0 * std::log10(peak), -1.0, 0.3) << name;
  EXPECT_LT(std::fabs(p.s.back()), 0.003) << name << " ends on a step";
  EXPECT_LT(Peak(p, p.s.size() - Ms(1)), 0.03) << name << " is still loud at its end";
}

TEST(SoundEffects, EveryTableEntryIsACleanShortWav) {
  ASSERT_EQ(Effects().size(), 70u);
  const std::set<std::string> ambient = {"ambient_rumble", "tv_noise"};
  for (auto& e : Effects()) {
    fs::path file = Resolve(".", e.path);
    ASSERT_TRUE(fs::exists(file)) << e.path;
    Pcm p = ReadWav(file);
    ExpectClean(p, e.path);
    double limit = ambient.count(Stem(e.path)) ? 6.0 : 1.5;
    EXPECT_LT(p.Seconds(), limit) << e.path;
    EXPECT_GT(p.Seconds(), 0.02) << e.path;
  }
}

TEST(SoundEffects, NoTwoEffectsAreTheSame) {
  std::map<std::vector<uint8_t>, std::string> seen;
  for (auto& e : Effects()) {
    auto bytes = test::ReadBytes(Resolve(".", e.path));
    auto [it, fresh] = seen.emplace(bytes, e.path);
    EXPECT_TRUE(fresh) << e.path << " is a copy of " << it->second;
  }
}

TEST(SoundEffects, TheThreeBouncesRiseInPitchAndTheLowOneIsShortest) {
  Pcm low = Effect("quon_bounce_low"), normal = Effect("quon_bounce_normal"), high = Effect("quon_bounce_high");
  auto pitch = [](const Pcm& p) { return Crossings(p, 0, Ms(80)); };
  EXPECT_LT(pitch(low), pitch(normal));
  EXPECT_LT(pitch(normal), pitch(high));
  EXPECT_LT(low.Seconds(), normal.Seconds());
  // The high bounce sweeps upward.
  EXPECT_GT(Crossings(high, Ms(150), Ms(250)), 1.3 * Crossings(high, 0, Ms(60)));
}

TEST(SoundEffects, TheCoinIsTwoNotesRisingAndTheDashSweepsDown) {
  Pcm coin = Effect("coin_collect");
  const double b5 = 987.77, e6 = 1318.51;
  EXPECT_GT(Tone(coin, b5, 0, Ms(60)), 2.0 * Tone(coin, e6, 0, Ms(60)));
  EXPECT_GT(Tone(coin, e6, Ms(100), Ms(250)), 2.0 * Tone(coin, b5, Ms(100), Ms(250)));

  Pcm dash = Effect("quon_dash");
  EXPECT_GT(Crossings(dash, 0, Ms(60)), 2.0 * Crossings(dash, Ms(200), Ms(300)));
}

TEST(SoundEffects, HurtAndThunderAreLowAndDefeatPopsAreBright) {
  // Brightness by zero crossings over the loud first part.
  auto bright = [](const Pcm& p) { return Crossings(p, 0, Ms(100)); };
  Pcm hurt = Effect("bee_collide"), defeat = Effect("bee_hit"), thunder = Effect("cloud_thunder");
  EXPECT_LT(bright(hurt), 600.0);
  EXPECT_LT(bright(thunder), 600.0);
  EXPECT_GT(bright(defeat), 2.0 * bright(hurt));
  EXPECT_GT(thunder.Seconds(), 1.0);  // a roll, not a knock
}

struct Scene {
  const char* path;
  double minSeconds;  // how long its scene plays it
  bool loops;
  bool steady = false;  // a continuous background rather than a rhythm
};

const Scene kScenes[] = {
    {"sound\\tvon.wav", 0.3, false},         {"SOund\\bacon2.ogg", 5.0, false},
    {"SOund\\news.ogg", 1.0, true},          {"SOund\\news2.ogg", 4.5, false},
    {"SOund\\trumpet.ogg", 5.0, false},      {"SOund\\deal.ogg", 6.5, false},
    {"SOund\\cream2.ogg", 4.5, false},       {"SOund\\tvloop.ogg", 1.0, true, true},
    {"SOund\\thunderloop.ogg", 5.0, true, true},   {"SOund\\power_down.wav", 0.5, false},
};

Pcm ReadScene(const Scene& s) {
  std::string path = s.path;
  fs::path file = Resolve(".", path);
  EXPECT_TRUE(fs::exists(file)) << path;
  return path.substr(path.size() - 4) == ".ogg" ? ReadOgg(file) : ReadWav(file);
}

TEST(SceneSounds, EachDecodesAndLastsAsLongAsItsScene) {
  for (const Scene& s : kScenes) {
    Pcm p = ReadScene(s);
    ASSERT_FALSE(p.s.empty()) << s.path;
    EXPECT_EQ(p.rate, kRate) << s.path;
    EXPECT_GE(p.Seconds(), s.minSeconds) << s.path;
    EXPECT_LT(p.Seconds(), 12.0) << s.path;
    EXPECT_GT(Peak(p), 0.5) << s.path << " is too quiet";
    EXPECT_LE(Peak(p), 1.0) << s.path;
    if (!s.loops) {
      // Vorbis smears a little, so a little more slack than for the WAVs.
      size_t first = 0;
      while (first < p.s.size() && std::fabs(p.s[first]) < 0.01) ++first;
      EXPECT_LE(first, Ms(10)) << s.path << " is silent at the front";
      EXPECT_LT(Peak(p, p.s.size() - Ms(2)), 0.05) << s.path << " ends abruptly";
    }
  }
}

TEST(SceneSounds, LoopsJoinWithoutAJump) {
  for (const Scene& s : kScenes) {
    if (!s.loops) continue;
    Pcm p = ReadScene(s);
    ASSERT_GT(p.s.size(), Ms(100)) << s.path;
    // The step across the join is no bigger than the steps the sound takes
    // anyway.
    std::vector<double> steps;
    for (size_t i = 1; i < p.s.size(); ++i) steps.push_back(std::fabs(p.s[i] - p.s[i - 1]));
    std::sort(steps.begin(), steps.end());
    double usual = steps[steps.size() * 999 / 1000];
    double join = std::fabs(p.s.front() - p.s.back());
    EXPECT_LE(join, usual + 0.01) << s.path;
    double end = Rms(p, p.s.size() - Ms(30), p.s.size()), start = Rms(p, 0, Ms(30));
    EXPECT_GT(start, 0.01) << s.path << " starts in silence, so the loop would stutter";
    // A background has no jump in loudness either: its end and start are alike.
    if (s.steady) {
      EXPECT_LT(std::fabs(20.0 * std::log10((end + 1e-6) / (start + 1e-6))), 6.0) << s.path;
    }
  }
}

TEST(Font, LoadsInEverySizeTheGameUsesAndCarriesItsLicence) {
  fs::path file = Resolve(".", BOINGLE_FONT_PATH);
  ASSERT_TRUE(fs::exists(file));
  FT_Library lib;
  ASSERT_EQ(FT_Init_FreeType(&lib), 0);
  FT_Face face;
  ASSERT_EQ(FT_New_Face(lib, file.c_str(), 0, &face), 0);
  EXPECT_TRUE(FT_IS_SCALABLE(face));
  for (int size : {28, 14, 2}) {
    ASSERT_EQ(FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(size)), 0) << size;
    for (int c = 32; c < 127; ++c) {
      EXPECT_NE(FT_Get_Char_Index(face, static_cast<FT_ULong>(c)), 0u) << "no glyph for " << c;
      ASSERT_EQ(FT_Load_Char(face, static_cast<FT_ULong>(c), FT_LOAD_RENDER), 0) << c << " at " << size;
    }
    FT_Load_Char(face, 'M', FT_LOAD_RENDER);
    if (size >= 14) {
      EXPECT_GE(static_cast<int>(face->glyph->bitmap.rows), size / 2) << size;
    }
  }
  FT_Done_Face(face);
  FT_Done_FreeType(lib);

  std::string licencePath = BOINGLE_FONT_PATH;
  licencePath.replace(licencePath.size() - 4, 4, ".LICENSE.txt");
  std::string licence = test::ReadText(Resolve(".", licencePath));
  EXPECT_NE(licence.find("icense"), std::string::npos);
  EXPECT_NE(licence.find("Debian package"), std::string::npos);
}

// Runs one forge stage into a fresh folder and returns every file's bytes.
std::map<std::string, std::vector<uint8_t>> Forge(const std::string& stage, const fs::path& out) {
  std::string cmd = std::string(BOINGLE_FORGE) + " --stage " + stage + " --content " BOINGLE_SOURCE_DIR "/content --out " +
                    out.string() + " > /dev/null";
  EXPECT_EQ(std::system(cmd.c_str()), 0) << cmd;
  std::map<std::string, std::vector<uint8_t>> files;
  for (auto& e : fs::recursive_directory_iterator(out))
    if (e.is_regular_file()) files[fs::relative(e.path(), out).string()] = test::ReadBytes(e.path());
  return files;
}

TEST(SoundsStage, TwoRunsMakeTheSameBytes) {
  test::TempDir a, b;
  auto first = Forge("sounds", a.path()), second = Forge("sounds", b.path());
  EXPECT_EQ(first.size(), 80u);
  ASSERT_EQ(first.size(), second.size());
  for (auto& [name, bytes] : first) {
    ASSERT_TRUE(second.count(name)) << name;
    EXPECT_TRUE(second[name] == bytes) << name << " differs between runs";
  }
}

}  // namespace
