// The forge's tunes: every module of the table loads, plays audibly without
// clipping, lasts as long as its scene wants, and its end runs into its start
// without a jump; two runs of the music stage write the same bytes.
#include <gtest/gtest.h>
#include <libopenmpt/libopenmpt.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "world/asset_table.h"
#include "support/test_support.h"

namespace fs = std::filesystem;

namespace {

constexpr int kRate = 44100;

std::vector<std::string> MusicPaths() {
  std::set<std::string> unique;
#define X(id, name, path) unique.insert(path);
  BOINGLE_MUSIC(X)
#undef X
  return {unique.begin(), unique.end()};
}

fs::path Resolve(const fs::path& root, std::string gamePath) {
  std::replace(gamePath.begin(), gamePath.end(), '\\', '/');
  auto lower = [](std::string s) {
    for (auto& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
  };
  fs::path at = root;
  fs::path rel(gamePath);
  for (const auto& part : rel) {
    fs::path found = at / part;
    if (fs::exists(at))
      for (const auto& e : fs::directory_iterator(at))
        if (lower(e.path().filename().string()) == lower(part.string())) found = e.path();
    at = found;
  }
  return at;
}

std::string ReadBytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool ShortPhrase(const std::string& path) {
  return path.find("Death") != std::string::npos || path.find("Game_over") != std::string::npos;
}

struct Rendered {
  double duration = 0;
  std::vector<float> left;  // one pass and a little of the next
};

Rendered Render(const std::string& bytes, double extraSeconds) {
  Rendered r;
  openmpt_module* mod = openmpt_module_create_from_memory2(bytes.data(), bytes.size(), nullptr, nullptr, nullptr,
                                                           nullptr, nullptr, nullptr, nullptr);
  if (!mod) return r;
  openmpt_module_set_repeat_count(mod, -1);
  r.duration = openmpt_module_get_duration_seconds(mod);
  size_t want = static_cast<size_t>((r.duration + extraSeconds) * kRate);
  std::vector<float> l(1024), rr(1024);
  while (r.left.size() < want) {
    size_t got = openmpt_module_read_float_stereo(mod, kRate, l.size(), l.data(), rr.data());
    if (got == 0) break;
    r.left.insert(r.left.end(), l.begin(), l.begin() + static_cast<long>(got));
  }
  openmpt_module_destroy(mod);
  return r;
}

float MaxStep(const std::vector<float>& v, size_t from, size_t to) {
  float m = 0;
  for (size_t i = from + 1; i < std::min(to, v.size()); ++i) m = std::max(m, std::abs(v[i] - v[i - 1]));
  return m;
}

class ForgeMusic : public ::testing::TestWithParam<std::string> {};

TEST_P(ForgeMusic, PlaysAudiblyForItsLengthAndLoopsWithoutAJump) {
  const std::string& path = GetParam();
  fs::path file = Resolve(fs::current_path(), path);
  ASSERT_TRUE(fs::exists(file)) << path;
  Rendered r = Render(ReadBytes(file), 0.1);
  ASSERT_GT(r.duration, 0) << path << " does not load";
  if (ShortPhrase(path)) {
    EXPECT_GE(r.duration, 4.0) << path;
    EXPECT_LE(r.duration, 20.0) << path;
  } else {
    EXPECT_GE(r.duration, 30.0) << path;
    EXPECT_LE(r.duration, 90.0) << path;
  }
  ASSERT_GT(r.left.size(), static_cast<size_t>(r.duration * kRate)) << path << " stops instead of looping";

  double sum = 0;
  float peak = 0;
  size_t pass = static_cast<size_t>(r.duration * kRate);
  for (size_t i = 0; i < pass; ++i) {
    sum += double(r.left[i]) * r.left[i];
    peak = std::max(peak, std::abs(r.left[i]));
  }
  double rms = std::sqrt(sum / static_cast<double>(pass));
  EXPECT_GT(rms, 0.03) << path << " is too quiet";
  EXPECT_LT(peak, 0.99f) << path << " clips";

  // The seam: the steps around the loop point are no larger than the music
  // makes anywhere else, and small in absolute terms.
  size_t seam = pass;
  size_t window = kRate / 200;
  float seamStep = MaxStep(r.left, seam - window, seam + window);
  float songStep = MaxStep(r.left, 0, pass);
  EXPECT_LE(seamStep, songStep) << path;
  EXPECT_LT(seamStep, 0.2f) << path;
}

INSTANTIATE_TEST_SUITE_P(AllTunes, ForgeMusic, ::testing::ValuesIn(MusicPaths()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                           std::string n = fs::path(info.param).filename().stem().string();
                           for (auto& c : n)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return n;
                         });

TEST(ForgeMusicStage, RunsTwiceToTheSameBytes) {
  fs::path base = fs::temp_directory_path() / "boingle_music_twice";
  fs::remove_all(base);
  std::vector<std::string> outs;
  for (const char* run : {"a", "b"}) {
    fs::path out = base / run;
    fs::create_directories(out);
    std::string cmd = std::string("\"") + BOINGLE_FORGE + "\" --stage music --content \"" + BOINGLE_SOURCE_DIR +
                      "/content\" --out \"" + out.string() + "\"";
    ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
  }
  for (const auto& path : MusicPaths()) {
    std::string a = ReadBytes(Resolve(base / "a", path)), b = ReadBytes(Resolve(base / "b", path));
    EXPECT_FALSE(a.empty()) << path;
    EXPECT_EQ(a, b) << path << " differs between runs";
  }
  fs::remove_all(base);
}

}  // namespace
