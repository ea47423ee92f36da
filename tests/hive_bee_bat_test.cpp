// The hive, the bee and the bat: a hive's timed releases and its pause while
// the view is away, the bees' homing and their push-apart, their -1913 link,
// and the bat's sight, drop, flutter and return to a ceiling.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "enemies/bat.h"
#include "enemies/bee.h"
#include "enemies/bee_hive.h"
#include "support/enemy_fixture.h"
#include "world/tile_map.h"

namespace {

using test::All;
using test::First;

class HiveTest : public test::EnemyKindTest {};

TEST_F(HiveTest, ThreeBeesASecondApartThenNoneAndEachFiresTheHivesLink) {
  Load({"400,300,60,0,0,1000,3,5,,,"});
  auto listener = Listen(kReleasedBeeTarget);
  TBeeHive* hive = First(BeeHiveList);
  ASSERT_NE(hive, nullptr);
  EXPECT_EQ(hive->w, 64);
  EXPECT_EQ(hive->count, 3);
  std::vector<int> releasedAt;
  for (int frame = 1; frame <= 300; ++frame) {
    size_t before = BeeList.Size();
    Frames(1);
    if (BeeList.Size() > before) releasedAt.push_back(frame);
  }
  ASSERT_EQ(releasedAt.size(), 3u);
  // More than a second after the hive was made (60 frames are exactly one),
  // then as far apart.
  EXPECT_EQ(releasedAt[0], 62);
  EXPECT_EQ(releasedAt[1] - releasedAt[0], 61);
  EXPECT_EQ(releasedAt[2] - releasedAt[1], 61);
  EXPECT_EQ(hive->state, static_cast<int>(HiveState::Spent));
  EXPECT_EQ(hive->count, 0);

  for (TBee* bee : All(BeeList)) {
    EXPECT_EQ(bee->target, kReleasedBeeTarget);
    EXPECT_EQ(bee->hidden, 0);
    EXPECT_EQ(bee->link, 0);
  }
  // The hero dashes through each bee in turn; each falls away and fires the
  // hive's link once.
  int score = Score;
  for (TBee* bee : All(BeeList)) {
    // Back in view (they have gone after the hero far away) and awake.
    bee->x = 400;
    bee->y = 300;
    bee->state = static_cast<int>(BeeState::Flying);
    bee->xSpeed = bee->ySpeed = 0;
    HeroAt(bee->x, bee->y + 30);
    DashFlag = 1;
    Frames(1);
    EXPECT_EQ(bee->state, static_cast<int>(BeeState::Falling));
  }
  EXPECT_EQ(Score, score + 3 * 500);
  HeroAway();
  FramesUntil([] { return BeeList.Size() == 0; }, 600);
  EXPECT_EQ(BeeList.Size(), 0u);
  EXPECT_EQ(listener->fired, 3);
  EXPECT_EQ(EnemyList.Size(), 1u) << "only the hive is left";
}

TEST_F(HiveTest, AnEndlessHiveRestsWhileTheViewIsAway) {
  Load({"400,300,60,0,0,500,-1,,,,"});
  TBeeHive* hive = First(BeeHiveList);
  Frames(FramesFor(2000));
  size_t inView = BeeList.Size();
  EXPECT_GE(inView, 3u);
  EXPECT_LE(inView, 4u);
  // 150 px outside the view: awake still (it sleeps at 400), but resting.
  CameraX = 400 + 150;
  Frames(FramesFor(2000));
  EXPECT_EQ(hive->state, static_cast<int>(HiveState::Releasing));
  EXPECT_EQ(BeeList.Size(), inView);
  // Within 100 px of the view again, it goes on at once.
  CameraX = 400 + 90;
  Frames(1);
  EXPECT_EQ(BeeList.Size(), inView + 1);
  EXPECT_EQ(hive->count, -1);
}

TEST_F(HiveTest, ABeeHomesInAtItsOwnTopSpeedThroughWalls) {
  // A wall between the bee and the hero does not stop it.
  auto wall = test::BlockRow(0, 0, 0);
  for (int y = 0; y <= 576; y += 32) wall.push_back({480, y, 0});
  Load({"300,300,61,0,,,,,,,"}, wall);
  TBee* bee = First(BeeList);
  ASSERT_NE(bee, nullptr);
  EXPECT_GE(bee->maxSpeed, 2);
  EXPECT_LT(bee->maxSpeed, 4);
  HeroAt(700, 322);
  float fastest = 0;
  for (int i = 0; i < 240 && bee->x < 650; ++i) {
    Frames(1);
    fastest = std::max(fastest, std::abs(bee->xSpeed));
  }
  EXPECT_GT(bee->x, 512) << "flew through the wall";
  EXPECT_LE(fastest, bee->maxSpeed);
  EXPECT_EQ(bee->facing, 0) << "left of the hero";
}

TEST_F(HiveTest, ABeeAndTheHeroBounceApartAndASecondTouchDoesNothing) {
  Load({"390,270,61,0,,,,,,,"});
  TBee* bee = First(BeeList);
  bee->state = static_cast<int>(BeeState::Flying);
  bee->xSpeed = bee->ySpeed = 0;
  HeroAt(400, 300);
  Frames(1);
  // A fifth of the distance between them, each away from the other.
  EXPECT_FLOAT_EQ(P_YS, (300 - 20 - 270) / 5.0f);
  EXPECT_FLOAT_EQ(bee->ySpeed, (270 - (300 - 20)) / 5.0f);
  EXPECT_FLOAT_EQ(P_XS, (400 - 390) / 5.0f);
  EXPECT_FLOAT_EQ(bee->xSpeed, (390 - 400) / 5.0f);
  EXPECT_EQ(Health, 4);
  EXPECT_EQ(PlayerState, 1);
  EXPECT_TRUE(Playing(Sfx::BeeCollide));

  bee->x = 390;
  bee->y = 270;
  bee->xSpeed = bee->ySpeed = 0;
  P_XS = P_YS = 0;
  Frames(1);
  EXPECT_EQ(Health, 4) << "he is untouchable for a while";
  EXPECT_FLOAT_EQ(P_YS, 0);
}

// ---------------------------------------------------------------------------
// The bat.

class BatTest : public test::EnemyKindTest {
 protected:
  // A cave: a ceiling whose underside is at y 96, a floor at 416, walls at
  // both ends.
  TBat* BatInCave(int x = 400) {
    auto blocks = test::BlockRow(0, 960, 64);
    auto floor = test::BlockRow(0, 960, 416);
    blocks.insert(blocks.end(), floor.begin(), floor.end());
    for (int y = 96; y < 416; y += 32) {
      blocks.push_back({0, y, 0});
      blocks.push_back({960, y, 0});
    }
    Load({std::to_string(x) + ",96,88,0,,,,,,,"}, blocks);
    TBat* bat = First(BatList);
    Frames(1);  // awake
    return bat;
  }
};

TEST_F(BatTest, ItDropsForAHeroNinetyPixelsAsideAndBelowButNotAHundred) {
  TBat* bat = BatInCave();
  EXPECT_EQ(bat->w, 28);
  EXPECT_EQ(bat->h, 45);
  HeroAt(500, 400);
  Frames(30);
  EXPECT_EQ(bat->Phase(), BatPhase::Hanging) << "100 px to its side";
  HeroAt(490, 96);
  Frames(30);
  EXPECT_EQ(bat->Phase(), BatPhase::Hanging) << "level with it, not below";
  HeroAt(490, 400);
  Frames(1);
  EXPECT_EQ(bat->Phase(), BatPhase::Dropping);
  EXPECT_FLOAT_EQ(bat->y, 96 + 49) << "from its hanging anchor to its flying one";
  EXPECT_FLOAT_EQ(bat->swoopY, 400 - 32);
  EXPECT_EQ(bat->direction, 1) << "towards the hero";
  EXPECT_TRUE(Playing(Sfx::BatSqueak1));
}

TEST_F(BatTest, ItFluttersBetweenFloorAndCeilingThenHangsFromTheFirstBlockAbove) {
  TBat* bat = BatInCave();
  HeroAt(450, 400);
  FramesUntil([&] { return bat->Phase() == BatPhase::Fluttering; }, 100);
  ASSERT_EQ(bat->Phase(), BatPhase::Fluttering);
  EXPECT_FLOAT_EQ(bat->xSpeed, 2);
  EXPECT_TRUE(Playing(Sfx::BatFlap));
  HeroAway();

  // Thrown at the floor, it comes back up from where it was.
  bat->x = 400;
  bat->y = 414;
  bat->ySpeed = 4;
  Frames(1);
  EXPECT_FLOAT_EQ(bat->y, 414);
  EXPECT_LT(bat->ySpeed, 0);
  // At the ceiling, the same the other way.
  bat->y = 150;
  bat->ySpeed = -6;
  Frames(1);
  EXPECT_FLOAT_EQ(bat->y, 150);
  EXPECT_GT(bat->ySpeed, 0);
  // A wall on the side it flies to turns it where it was.
  AddCollisionBlock(448, 256, 0);
  bat->y = 300;
  bat->ySpeed = 0;
  bat->direction = 1;
  bat->x = 417;
  Frames(1);
  EXPECT_EQ(bat->direction, 0);
  EXPECT_FLOAT_EQ(bat->x, 417);
  RemoveCollisionBlock(448, 256);

  // After four seconds of it, it rises and hangs under the ceiling again.
  int frames = FramesUntil([&] { return bat->Phase() == BatPhase::Returning; }, 300);
  EXPECT_LE(frames, FramesFor(4000) + 1);
  EXPECT_TRUE(Playing(Sfx::BatSqueak2));
  FramesUntil([&] { return bat->Phase() == BatPhase::Hanging; }, 200);
  ASSERT_EQ(bat->Phase(), BatPhase::Hanging);
  EXPECT_FLOAT_EQ(bat->y, 64 + 32);
  EXPECT_FLOAT_EQ(bat->ySpeed, 0);
  EXPECT_EQ(bat->state, EnemyState::Active);
}

TEST_F(BatTest, ADashSendsItDownFasterThanOtherEnemiesAndATouchKnocksTheHeroHigh) {
  TBat* bat = BatInCave();
  HeroAt(450, 400);
  FramesUntil([&] { return bat->Phase() == BatPhase::Fluttering; }, 100);
  HeroAt(bat->x, bat->y + 10);
  Frames(1);
  EXPECT_FLOAT_EQ(P_YS, -7);
  EXPECT_EQ(Health, 4);

  PlayerState = 0;
  HeroAt(bat->x, bat->y + 10);
  DashFlag = 1;
  int score = Score;
  Frames(1);
  ASSERT_EQ(bat->state, EnemyState::Falling);
  EXPECT_EQ(Score, score + 350);
  HeroAway();
  float y = bat->y, speed = bat->ySpeed;
  Frames(1);
  EXPECT_FLOAT_EQ(bat->ySpeed, speed + 0.4f);
  EXPECT_FLOAT_EQ(bat->y, y + speed + 0.4f);
  float lastY = bat->y;  // the list owns the bat: read it only while it is there
  FramesUntil([&] { return BatList.Size() == 0 || (lastY = bat->y, false); }, 200);
  EXPECT_EQ(BatList.Size(), 0u);
  // Removed in the frame it passed the view's bottom by 100 (it falls about
  // 18 pixels a frame by then).
  EXPECT_LE(lastY, 600 + 100);
  EXPECT_GT(lastY, 600 + 100 - 25);
}

}  // namespace
