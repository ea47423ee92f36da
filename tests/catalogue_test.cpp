// The asset catalogue: every picture loads with its cells and handle, and
// missing files are named and survived.
#include <gtest/gtest.h>

#include <filesystem>

#include "world/assets.h"
#include "present/present.h"
#include "support/test_support.h"

namespace {

namespace fs = std::filesystem;

void CheckImage(const Image* img, const char* path, int cw, int ch, int frames, int hx, int hy) {
  if (!img) return;  // reported as missing content
  if (frames > 0) {
    EXPECT_EQ(img->width, cw) << path;
    EXPECT_EQ(img->height, ch) << path;
    EXPECT_EQ(img->Frames(), frames) << path;
  }
  if (hx == HANDLE_CENTRE) {
    EXPECT_FLOAT_EQ(img->handleX, img->width / 2.0f) << path;
    EXPECT_FLOAT_EQ(img->handleY, img->height / 2.0f) << path;
  } else {
    EXPECT_FLOAT_EQ(img->handleX, static_cast<float>(hx)) << path;
    EXPECT_FLOAT_EQ(img->handleY, static_cast<float>(hy)) << path;
  }
}

TEST(CatalogueTest, EveryPictureLoadsWithItsCellsAndHandle) {
  test::TempDir dir;
  test::StartHeadless(dir.str());
  SetDefaultImageFlags(IMG_FILTERED);
  std::vector<std::string> notices = LoadCatalogue();
  for (const auto& n : notices) ADD_FAILURE() << n;
#define CHECK_IMAGE(name, path, cw, ch, frames, hx, hy) CheckImage(name, path, cw, ch, frames, hx, hy);
  BOINGLE_ALL_IMAGES(CHECK_IMAGE)
#undef CHECK_IMAGE
  // All three bear strips stand on the walking strip's handle x.
  if (ImgBearRunning) {
    EXPECT_FLOAT_EQ(ImgBearRunning->handleX, 23);
  }
  if (ImgItemCoin) {
    EXPECT_EQ(ItemKindWidth[0], 23);
    EXPECT_EQ(ItemKindHeight[0], 24);
  }
  ASSERT_NE(FontLarge, nullptr);
  EXPECT_EQ(CurrentDrawState().font, FontLarge);
  EXPECT_EQ(FontSmall->size, 14);
  EXPECT_EQ(FontTiny->size, 2);
}

TEST(CatalogueTest, MissingFilesAreNamedAndTheGameStillStarts) {
  test::TempDir data, save;
  fs::copy(BOINGLE_GAME_DIR, data.path(), fs::copy_options::recursive | fs::copy_options::skip_symlinks);
  fs::remove(data / "config.dat");
  auto removeAny = [&](const std::string& rel) {
    // The forge may have spelt the folder in another case.
    for (auto& e : fs::recursive_directory_iterator(data.path())) {
      std::string p = fs::relative(e.path(), data.path()).string();
      std::string a = p, b = rel;
      for (auto& c : a) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      for (auto& c : b) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      if (a == b) {
        fs::remove(e.path());
        return;
      }
    }
  };
  removeAny("Images/Quon/quon_dash.png");
  removeAny("Fonts/fat_free_solid.ttf");
  removeAny("Sound/coin_collect.wav");
  // A file that is there but holds nothing playable: named as well, never played.
  test::WriteText(data / "Sound/coin_count.wav", "RIFF....WAVEnot really");
  test::WriteInts(save / "config.dat", {1, 4, 150, 1000, 38, 40, 37, 39, 65, 83, 1, 0, 0, 0, 0});
  test::TempDir state;
  auto r = test::RunBoingle({"--data", data.str(), "--save-dir", save.str(), "--frames", "300", "--state",
                             (state / "s.json").string()});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_NE(r.err.find("Images\\Quon\\quon_dash.png"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("Sound\\coin_collect.wav"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("Sound\\coin_count.wav"), std::string::npos) << r.err;
  size_t fonts = 0;
  for (size_t at = 0; (at = r.err.find("Font not loaded", at)) != std::string::npos; ++at) ++fonts;
  EXPECT_EQ(fonts, 3u);
  EXPECT_EQ(test::JsonNumber(test::ReadText(state / "s.json"), "Frames"), 300);
}

}  // namespace
