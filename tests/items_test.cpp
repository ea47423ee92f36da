// Coins, statues and health packs: hidden items and their links, statues
// found on an earlier visit, packs hopping on the ground.
#include <gtest/gtest.h>

#include "entities/items.h"
#include "world/assets.h"
#include "world/game_state.h"
#include "frame/hud.h"
#include "world/settings.h"
#include "world/player_state.h"
#include "present/present.h"
#include "support/test_support.h"
#include "world/camera.h"
#include "world/level_loader.h"
#include "world/level_reset.h"
#include "world/save_game.h"
#include "world/tile_map.h"

namespace {

class ItemsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetSettingsToDefaults();
    test::StartHeadless(dir_.str());
    // Fixture pictures of the catalogue's sizes, so draws are recorded.
    saved_ = {ImgItemCoin, ImgItemStatue, ImgMediSmall, ImgMediBig};
    ImgItemCoin = CreateImage(24, 23, 10);
    ImgItemStatue = CreateImage(32, 32);
    ImgMediSmall = CreateImage(18, 19, 2);
    ImgMediBig = CreateImage(26, 27, 2);
    const int sizes[4][2] = {{24, 23}, {32, 32}, {18, 19}, {26, 27}};
    for (int k = 0; k < 4; ++k) {
      ItemKindWidth[k] = sizes[k][0];
      ItemKindHeight[k] = sizes[k][1];
    }
    Score = Coins = 0;
  }
  void TearDown() override {
    for (Image* img : {ImgItemCoin, ImgItemStatue, ImgMediSmall, ImgMediBig}) FreeImage(img);
    ImgItemCoin = saved_[0];
    ImgItemStatue = saved_[1];
    ImgMediSmall = saved_[2];
    ImgMediBig = saved_[3];
    LevelRecord[kRow][Record::Statue2] = 0;
  }
  // The hero stands with his feet at (400, 480); his body box is 391..409 by 437..478.
  void Load(const std::vector<std::string>& actives, const std::vector<test::Block>& blocks = {}) {
    std::vector<std::string> lines = {"400,480,120,,,,,,,,"};
    lines.insert(lines.end(), actives.begin(), actives.end());
    ResetLevel();
    test::WriteLevel(dir_, "items.doy", test::LevelText(0, blocks, lines));
    LoadLevel("items.doy");
    SetPlayerPosition(400, 480);
  }
  int DrawsOf(const Image* img, float* alpha = nullptr) {
    int n = 0;
    for (const DrawRecord& r : CurrentDraws()) {
      if (r.kind == DrawKind::Image && r.image == img) {
        ++n;
        if (alpha) *alpha = r.state.alpha;
      }
    }
    return n;
  }
  void DrawFrame() {
    Flip(1);
    CommonDrawPass();
  }
  static constexpr int kRow = 4;
  test::TempDir dir_;
  std::vector<Image*> saved_;
};

TEST_F(ItemsTest, ACoinsTargetRevealsHiddenCoinsInTimeToTakeThemInTheSameFrame) {
  Load({"390,440,41,0,,,,5,0,,",    // fires 5 when taken
        "395,445,41,1,,,,0,5,,",    // hidden, wakes on 5
        "395,450,41,1,,,,0,6,,"});  // hidden, wakes on 6: stays
  ItemPass();
  EXPECT_EQ(Coins, 2);
  EXPECT_EQ(Score, 20);
  ASSERT_EQ(CoinList.Size(), 1u);
  EXPECT_EQ(ItemList.Size(), 1u);
  EXPECT_EQ(DrawList.Size(), 1u);
}

TEST_F(ItemsTest, AHiddenCoinIsNeitherDrawnNorTakenUntilItsLinkFires) {
  Load({"395,445,41,1,,,,0,3,,"});
  ItemPass();
  DrawFrame();
  EXPECT_EQ(Coins, 0);
  EXPECT_EQ(DrawsOf(ImgItemCoin), 0);

  FireLink(3);
  DrawFrame();
  EXPECT_EQ(DrawsOf(ImgItemCoin), 1);
  ItemPass();
  EXPECT_EQ(Coins, 1);
  EXPECT_EQ(CoinList.Size(), 0u);
}

TEST_F(ItemsTest, ACoinSpinsTenFramesAndOffScreenItIsNotDrawn) {
  Load({"2000,440,41,0,,,,,,,"});
  for (int i = 0; i < 40; ++i) {
    Flip(1);
    ItemPass();
  }
  CoinList.Walk([](TCoin& c) {
    EXPECT_GE(c.frame, 0);
    EXPECT_LT(c.frame, 10);
  });
  DrawFrame();
  EXPECT_EQ(DrawsOf(ImgItemCoin), 0);
  EXPECT_EQ(CoinList.Size(), 1u);
}

TEST_F(ItemsTest, AStatueFoundBeforeIsFadedAndStillWorthFiveThousand) {
  LevelIndex = kRow;
  LevelRecord[kRow][Record::Statue2] = 1;
  Load({"392,440,42,1,,,,,,,", "1000,440,42,0,,,,,,,"});
  EXPECT_EQ(StatuesFound[1], 1);  // set as the statue is made, before it is taken
  EXPECT_EQ(StatuesFound[0], 0);
  SetPlayerPosition(1000, 200);  // away from both
  DrawFrame();
  float alpha = 0;
  int n = 0;
  for (const DrawRecord& r : CurrentDraws())
    if (r.kind == DrawKind::Image && r.image == ImgItemStatue && r.x == 392 - CameraX) {
      alpha = r.state.alpha;
      ++n;
    }
  EXPECT_EQ(n, 1);
  EXPECT_FLOAT_EQ(alpha, 0.25f);
  EXPECT_FLOAT_EQ(CurrentDrawState().alpha, 1.0f);  // the fade does not leak into later draws

  SetPlayerPosition(400, 480);
  ItemPass();
  EXPECT_EQ(Score, 5000);
  EXPECT_EQ(StatueList.Size(), 1u);
}

TEST_F(ItemsTest, HealthPacksGiveScoreOnlyAndAHiddenOneWaitsForItsLink) {
  Health = 3;
  Load({"395,445,43,0,,,,,,,", "395,445,44,1,,,,,8,,"});
  DrawFrame();
  EXPECT_EQ(DrawsOf(ImgMediBig), 0);
  ItemPass();
  EXPECT_EQ(Score, 10);
  EXPECT_EQ(Health, 3);
  EXPECT_EQ(HealthPackList.Size(), 1u);

  FireLink(8);
  ItemPass();
  EXPECT_EQ(Score, 60);
  EXPECT_EQ(HealthPackList.Size(), 0u);
}

TEST_F(ItemsTest, APackOnACellKeepsHoppingAndOneWithoutFallsAtItsTopSpeed) {
  Load({"600,300,43,0,,,,,,,", "800,100,44,0,,,,,,,"}, {{592, 320, 0}});
  SetPlayerPosition(100, 100);
  float lowest = 0, highest = 1e9f;
  int squashes = 0;
  for (int i = 0; i < 300; ++i) {
    Flip(1);
    ItemPass();
    HealthPackList.Walk([&](THealthPack& p) {
      if (p.kind != 2) return;
      lowest = std::max(lowest, p.y);
      highest = std::min(highest, p.y);
      if (p.frame == 1) ++squashes;
    });
  }
  EXPECT_LE(lowest, 320.0f);
  EXPECT_LT(highest, 300.0f);  // it bounced up off the cell
  EXPECT_GT(squashes, 0);
  HealthPackList.Walk([](THealthPack& p) {
    if (p.kind == 3) {
      EXPECT_NEAR(p.ys, 1.0f, 0.021f);
    }
  });
}

}  // namespace
