// What every enemy shares: waking and sleeping with the view, the contact rule
// (a dash defeats one enemy, a touch hurts), the death fall and its single
// link, creation from level lines, and the walking core with its ledge rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "enemies/bear.h"
#include "enemies/crab.h"
#include "enemies/enemy.h"
#include "enemies/enemy_pass.h"
#include "enemies/mummy.h"
#include "enemies/sheet.h"
#include "enemies/zombie.h"
#include "present/present.h"
#include "support/test_support.h"
#include "world/assets.h"
#include "world/camera.h"
#include "world/game_state.h"
#include "world/level_loader.h"
#include "world/level_reset.h"
#include "world/object_kinds.h"
#include "world/player_state.h"
#include "world/progress.h"
#include "world/settings.h"

namespace {

// Counts how often its link is fired.
class Listener : public TTriggerable {
 public:
  int fired = 0;
  void Trigger() override { ++fired; }
};

template <class T>
T* First(EntityList<T>& list) {
  T* found = nullptr;
  list.Walk([&](T& e) {
    if (!found) found = &e;
  });
  return found;
}

template <class T>
std::vector<T*> All(EntityList<T>& list) {
  std::vector<T*> all;
  list.Walk([&](T& e) { all.push_back(&e); });
  return all;
}

class EnemyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetSettingsToDefaults();
    test::StartHeadless(dir_.str());
    // The enemies take their sizes from their pictures.
    static bool loaded = false;
    if (!loaded) LoadCatalogue();
    loaded = true;
    SeedRnd(7);
  }
  void TearDown() override { ResetLevel(); }

  void Load(const std::vector<std::string>& enemies, const std::vector<test::Block>& blocks = {}) {
    std::vector<std::string> lines = {"100,100,120,,,,,,,,"};
    lines.insert(lines.end(), enemies.begin(), enemies.end());
    test::WriteLevel(dir_, "enemies.doy", test::LevelText(0, blocks, lines));
    ASSERT_TRUE(LoadLevel("enemies.doy"));
    CameraX = CameraY = 0;
    PlayerState = 0;
    Health = 5;
    DashFlag = 0;
    HeroAway();
  }
  // The hero far from everything, so a test places him where it needs him.
  static void HeroAway() { HeroAt(-5000, -5000); }
  static void HeroAt(float x, float y) {
    P_X = x;
    P_Y = y;
    UpdateProbes();
  }
  // The enemy pass, with the clock moving as the level's would.
  static void Frames(int n) {
    for (int i = 0; i < n; ++i) {
      UpdateEnemies();
      Flip(1);
    }
  }
  test::TempDir dir_;
};

// ---------------------------------------------------------------------------
// Creation from level lines.

TEST_F(EnemyTest, ALineMakesItsKindWithTheLinesLinks) {
  Load({"300,448,69,0,2,,,17,5,,"});
  TZombie* z = First(ZombieList);
  ASSERT_NE(z, nullptr);
  EXPECT_EQ(z->kind, 22);
  EXPECT_EQ(z->mode, 2);
  EXPECT_EQ(z->target, 17);
  EXPECT_EQ(z->link, 5);
  EXPECT_EQ(z->w, 70);
  EXPECT_EQ(z->h, 66);
  EXPECT_EQ(z->state, EnemyState::Asleep);
  EXPECT_EQ(EnemyList.Size(), 1u);
  EXPECT_TRUE(DrawList.Contains(z));
  EXPECT_TRUE(TriggerList.Contains(z));
}

TEST_F(EnemyTest, CodesWithoutAKindMakeNothing) {
  std::vector<std::string> lines;
  for (int code : {64, 65, 66, 71, 75, 78, 89, 91, 92, 93, 95, 97, 98, 99, 101})
    lines.push_back("300,300," + std::to_string(code) + ",0,0,0,0,0,0,1,1");
  Load(lines);
  EXPECT_EQ(EnemyList.Size(), 0u);
  EXPECT_EQ(DrawList.Size(), 0u);
  EXPECT_EQ(TriggerList.Size(), 0u);
}

// The level compiler and the game read an enemy's fields by the same names.
TEST_F(EnemyTest, TheKindTableNamesTheEnemyFields) {
  const ObjectKindRow* zombie = FindObjectKind(69);
  ASSERT_NE(zombie, nullptr);
  EXPECT_STREQ(zombie->name, "zombie");
  EXPECT_EQ(KindFieldNumber(*zombie, "mode"), 5);
  EXPECT_EQ(KindFieldNumber(*zombie, "target"), 8);
  EXPECT_EQ(KindFieldNumber(*zombie, "link"), 9);
  for (int code = 60; code <= 103; ++code) {
    const ObjectKindRow* row = FindObjectKind(code);
    if (row && code != 102) {
      EXPECT_NE(EnemyKindForCode(code), nullptr) << row->name << " has no catalogue row";
    }
  }
}

TEST_F(EnemyTest, EveryKindHasItsCatalogueRowAndPicture) {
  int count = 0;
  const EnemyKindInfo* const* kinds = AllEnemyKinds(&count);
  EXPECT_EQ(count, 32) << "28 level kinds and 4 made by others";
  std::vector<int> numbers;
  for (int i = 0; i < count; ++i) {
    const EnemyKindInfo& k = *kinds[i];
    ASSERT_NE(k.strip, nullptr) << k.className;
    EXPECT_NE(*k.strip, nullptr) << k.className << ": its picture did not load";
    for (int n : numbers) {
      EXPECT_NE(n, k.kind) << k.className << " shares its kind number";
    }
    numbers.push_back(k.kind);
  }
}

// ---------------------------------------------------------------------------
// Waking and sleeping.

TEST_F(EnemyTest, WakesWithinTwoHundredPixelsOfTheView) {
  // The view spans 0..800; 150 px past its right edge wakes, 300 does not.
  Load({"950,300,69,,0,,,,,,", "1100,300,69,,0,,,,,,"});
  Frames(1);
  auto all = All(ZombieList);
  ASSERT_EQ(all.size(), 2u);
  EXPECT_EQ(all[0]->state, EnemyState::Active);
  EXPECT_EQ(all[1]->state, EnemyState::Asleep);
}

TEST_F(EnemyTest, SleepsFourHundredPixelsBehindOrAboveAndWakesAgain) {
  Load({"400,300,69,,0,,,,,,"});
  TZombie* z = First(ZombieList);
  z->speed = 0;
  Frames(1);
  ASSERT_EQ(z->state, EnemyState::Active);
  CameraX = 400 + 450 + 400;  // the zombie is 450 px behind the view's left edge
  Frames(1);
  EXPECT_EQ(z->state, EnemyState::Asleep);
  CameraX = 400 + 150;  // back within the wake margin
  Frames(1);
  EXPECT_EQ(z->state, EnemyState::Active);
  CameraX = 0;
  CameraY = 300 + 450;  // the enemy 450 px above the view's top edge
  Frames(1);
  EXPECT_EQ(z->state, EnemyState::Asleep);
}

TEST_F(EnemyTest, OnlyAnAwakeEnemyFallsAsleep) {
  Load({"400,300,69,,0,,,,,,"});
  TZombie* z = First(ZombieList);
  Frames(1);
  z->state = EnemyState::Falling;
  z->ySpeed = 0;
  CameraX = 5000;
  UpdateEnemies();
  EXPECT_EQ(z->state, EnemyState::Falling);
}

// ---------------------------------------------------------------------------
// Contact.

TEST_F(EnemyTest, OneDashDefeatsOnlyTheFirstEnemyItMeets) {
  Load({"400,300,69,,0,,,,,,", "400,300,70,,0,,,,,,"});
  for (TEnemy* e : All(EnemyList)) {
    e->speed = 0;
    e->state = EnemyState::Active;
  }
  HeroAt(400, 290);
  DashFlag = 1;
  int score = Score;
  UpdateEnemies();
  auto all = All(EnemyList);
  EXPECT_EQ(all[0]->state, EnemyState::Falling);
  EXPECT_EQ(all[1]->state, EnemyState::Active) << "the dash was spent on the first";
  EXPECT_EQ(DashFlag, 0);
  EXPECT_EQ(Score, score + 350);
  EXPECT_FLOAT_EQ(P_YS, -5);
  EXPECT_EQ(PlayerState, 1) << "the second one hurt him";
  EXPECT_EQ(Health, 4);
}

TEST_F(EnemyTest, AHurtHeroIsNotTouchedAgainAndADeadOneNotAtAll) {
  Load({"400,300,69,,0,,,,,,"});
  TZombie* z = First(ZombieList);
  z->speed = 0;
  z->state = EnemyState::Active;
  HeroAt(400, 290);
  PlayerState = 1;
  P_YS = 3;
  UpdateEnemies();
  EXPECT_EQ(Health, 5);
  EXPECT_FLOAT_EQ(P_YS, 3) << "no knock-back while hurt";
  PlayerState = 2;
  DashFlag = 1;
  UpdateEnemies();
  EXPECT_EQ(z->state, EnemyState::Active) << "no contact test while dead";
  EXPECT_EQ(DashFlag, 1);
}

TEST_F(EnemyTest, ADefeatedEnemyFallsOutOfViewAndFiresItsTargetOnce) {
  auto listener = std::make_shared<Listener>();
  Load({"400,300,69,,0,,,9,,,"});
  listener->link = 9;
  TriggerList.Add(listener);
  TZombie* z = First(ZombieList);
  z->speed = 0;
  z->state = EnemyState::Active;
  HeroAt(400, 290);
  DashFlag = 1;
  UpdateEnemies();
  ASSERT_EQ(z->state, EnemyState::Falling);
  EXPECT_FLOAT_EQ(z->ySpeed, 2);
  HeroAway();
  // It falls through the floor and is removed once it passes the view's
  // bottom by its frame height (66): not before.
  int frames = 0;
  while (ZombieList.Size() > 0 && frames < 400) {
    float before = z->y;
    UpdateEnemies();
    ++frames;
    if (ZombieList.Size() > 0) {
      EXPECT_LE(before, 600 + 66) << "still there past its margin";
    }
  }
  EXPECT_EQ(ZombieList.Size(), 0u);
  EXPECT_EQ(EnemyList.Size(), 0u);
  EXPECT_FALSE(DrawList.Contains(z));
  EXPECT_EQ(listener->fired, 1);
  Frames(5);
  EXPECT_EQ(listener->fired, 1);
}

TEST_F(EnemyTest, LoadingAnotherLevelFiresNoLink) {
  auto listener = std::make_shared<Listener>();
  Load({"400,300,69,,0,,,9,,,", "500,300,62,,0,,,9,,,"});
  listener->link = 9;
  TriggerList.Add(listener);
  Load({});
  EXPECT_EQ(listener->fired, 0);
  EXPECT_EQ(EnemyList.Size(), 0u);
  EXPECT_EQ(BearList.Size(), 0u);
}

TEST_F(EnemyTest, AHiddenEnemyWaitsForItsLinkAndABearNeverShows) {
  Load({"400,300,69,1,0,,,,4,,", "500,300,62,1,0,,,,4,,"});
  TZombie* z = First(ZombieList);
  TBear* b = First(BearList);
  float x = z->x;
  Frames(10);
  EXPECT_EQ(z->state, EnemyState::Asleep) << "a hidden enemy is not updated";
  EXPECT_FLOAT_EQ(z->x, x);
  FireLink(4);
  EXPECT_EQ(z->hidden, 0);
  EXPECT_EQ(b->hidden, 1) << "a bear's Trigger does nothing";
  Frames(2);
  EXPECT_EQ(z->state, EnemyState::Active);
}

// ---------------------------------------------------------------------------
// The walking core.

class WalkerTest : public EnemyTest {
 protected:
  // A walker of `code` with `mode`, standing at (x, 448) on ground
  // `blocks`, facing `direction` at `speed`.
  TEnemy* Walker(int code, int mode, float x, int direction, float speed,
                 const std::vector<test::Block>& blocks) {
    Load({std::to_string(static_cast<int>(x)) + ",447," + std::to_string(code) + ",0," + std::to_string(mode) +
          ",,,,,,"},
         blocks);
    TEnemy* e = First(EnemyList);
    e->direction = direction;
    e->speed = speed;
    e->state = EnemyState::Active;
    return e;
  }
};

TEST_F(WalkerTest, ModeZeroWalksOffALedgeAndLandsBelow) {
  auto blocks = test::BlockRow(256, 384, 448);  // a shelf ending at x 416
  auto floor = test::BlockRow(0, 800, 576);
  blocks.insert(blocks.end(), floor.begin(), floor.end());
  TEnemy* e = Walker(69, 0, 380, 1, 1, blocks);
  float fastest = 0;
  for (int i = 0; i < 200; ++i) {
    UpdateEnemies();
    fastest = std::max(fastest, e->ySpeed);
  }
  EXPECT_GT(e->x, 416) << "walked off the end";
  EXPECT_FLOAT_EQ(fastest, 3) << "falls at up to 3 pixels a frame";
  EXPECT_NEAR(e->y, 575, 1.5) << "stands on the floor below";
  EXPECT_FLOAT_EQ(e->ySpeed, 0);
}

TEST_F(WalkerTest, ModeOneTurnsAtALedge) {
  TEnemy* e = Walker(69, 1, 380, 1, 1, test::BlockRow(256, 384, 448));
  for (int i = 0; i < 120; ++i) UpdateEnemies();
  EXPECT_EQ(e->direction, 0) << "turned back";
  EXPECT_LE(e->x, 416);
  EXPECT_NEAR(e->y, 447, 1.5) << "still on the shelf";
}

TEST_F(WalkerTest, ModeOneOnAOneTilePlatformTurnsTwiceAndStaysOnIt) {
  TEnemy* e = Walker(69, 1, 304, 1, 1, {{288, 448, 0}});
  UpdateEnemies();
  EXPECT_EQ(e->direction, 1) << "left and back right in the same frame";
  // Once the ledge probe behind him finds the block again he turns at the
  // edge like on any other: he paces at the edge and never falls.
  for (int i = 0; i < 120; ++i) UpdateEnemies();
  EXPECT_LT(e->y, 448);
  EXPECT_GE(e->x, 288);
  EXPECT_LE(e->x, 325);
}

TEST_F(WalkerTest, ModeTwoHopsAOneTileGapAndTurnsAtAWideOne) {
  // Ground, a one-tile gap at 416..448, ground again from 448.
  auto blocks = test::BlockRow(256, 384, 448);
  auto far = test::BlockRow(448, 640, 448);
  blocks.insert(blocks.end(), far.begin(), far.end());
  TEnemy* e = Walker(69, 2, 380, 1, 0.5f, blocks);
  bool hopped = false;
  for (int i = 0; i < 200 && !hopped; ++i) {
    UpdateEnemies();
    hopped = e->ySpeed < -1.5f;
  }
  EXPECT_TRUE(hopped) << "a hop of -2 over the narrow gap";
  for (int i = 0; i < 100; ++i) UpdateEnemies();
  EXPECT_GT(e->x, 448) << "across";
  EXPECT_LT(e->y, 448) << "without falling in";
  EXPECT_FALSE(e->hopping) << "standing again";
  EXPECT_EQ(e->direction, 1);

  // A gap of three tiles: no ground within a tile ahead, so it turns.
  auto left = test::BlockRow(256, 384, 448);
  auto right = test::BlockRow(512, 640, 448);
  left.insert(left.end(), right.begin(), right.end());
  e = Walker(69, 2, 380, 1, 1, left);
  for (int i = 0; i < 120; ++i) UpdateEnemies();
  EXPECT_EQ(e->direction, 0);
  EXPECT_NEAR(e->y, 447, 1.5);
}

TEST_F(WalkerTest, AWalkerSunkIntoTheFloorRisesAPixelAFrame) {
  TEnemy* e = Walker(69, 0, 300, 1, 0, test::BlockRow(200, 400, 448));
  e->y = 452;  // landed 4 px deep
  e->ySpeed = 0;
  UpdateEnemies();
  EXPECT_FLOAT_EQ(e->y, 451);
  UpdateEnemies();
  EXPECT_FLOAT_EQ(e->y, 450);
}

TEST_F(WalkerTest, WallsTurnAWalker) {
  auto blocks = test::BlockRow(200, 600, 448);
  blocks.push_back({480, 416, 0});
  TEnemy* e = Walker(70, 0, 400, 1, 1, blocks);
  for (int i = 0; i < 120; ++i) UpdateEnemies();
  EXPECT_EQ(e->direction, 0);
  EXPECT_LT(e->x, 470);
}

TEST_F(WalkerTest, TheFourWalkersHaveTheirOwnBurstsAndSounds) {
  // The burst height and the score are the catalogue's; every one of them is
  // defeated by a dash and hurts on a touch.
  for (int code : {68, 69, 70, 94}) {
    TEnemy* e = Walker(code, 0, 400, 1, 0, test::BlockRow(200, 600, 448));
    HeroAt(400, 440);
    DashFlag = 1;
    int before = Score;
    UpdateEnemies();
    EXPECT_EQ(e->state, EnemyState::Falling) << code;
    EXPECT_EQ(Score - before, 350) << code;
    e = Walker(code, 0, 400, 1, 0, test::BlockRow(200, 600, 448));
    HeroAt(400, 440);
    UpdateEnemies();
    EXPECT_EQ(Health, 4) << code;
    EXPECT_FLOAT_EQ(P_YS, -5) << code;
  }
}

// ---------------------------------------------------------------------------
// The bear.

TEST_F(WalkerTest, ABearTakesTwoDashesAndRunsBetweenThem) {
  TEnemy* e = Walker(62, 0, 400, 1, 0, test::BlockRow(0, 3000, 448));
  auto* bear = static_cast<TBear*>(e);
  HeroAt(400, 440);
  DashFlag = 1;
  UpdateEnemies();
  EXPECT_EQ(bear->lives, 1);
  EXPECT_EQ(bear->state, EnemyState::Active) << "one dash is not enough";
  EXPECT_FLOAT_EQ(P_Y, bear->y - 91) << "the hero stands on its head";
  EXPECT_EQ(bear->aux, static_cast<int>(BearGait::Run));
  HeroAway();
  float fastest = 0;
  for (int i = 0; i < 120; ++i) {
    float x = bear->x;
    UpdateEnemies();
    fastest = std::max(fastest, std::abs(bear->x - x));
  }
  EXPECT_GT(fastest, 2.5f);
  EXPECT_LE(fastest, 3.05f + 1e-4f) << "it speeds up by 0.05 while below 3";
  HeroAt(bear->x, bear->y - 10);
  DashFlag = 1;
  UpdateEnemies();
  EXPECT_EQ(bear->lives, 0);
  EXPECT_EQ(bear->state, EnemyState::Falling);
}

TEST_F(WalkerTest, ATouchOfTheBearKnocksTheHeroHigher) {
  Walker(62, 0, 400, 1, 0, test::BlockRow(0, 800, 448));
  HeroAt(400, 440);
  UpdateEnemies();
  EXPECT_FLOAT_EQ(P_YS, -7);
  EXPECT_EQ(Health, 4);
}

}  // namespace
