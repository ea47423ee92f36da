// The mole, the bucket with its spades and the wizard with its shots: the
// mole's dive, tunnel and leap with its hills, and no contact under ground;
// the standing bucket's first throw and the spade's flight through walls;
// the wizard's cast every four seconds, its harmless touch, and a shot that
// is spent by a hit or by its sixth bounce. Then what a level reset does
// with everything thrown, cast or released.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "enemies/bee.h"
#include "enemies/bee_hive.h"
#include "enemies/bucket.h"
#include "enemies/heading.h"
#include "enemies/mole.h"
#include "enemies/spade.h"
#include "enemies/wizard.h"
#include "enemies/wizard_shot.h"
#include "support/enemy_fixture.h"
#include "world/tile_map.h"

namespace {

using test::All;
using test::First;

// Ground along y 448 from x 0 to 800, with walls at both ends.
std::vector<test::Block> Field() {
  auto blocks = test::BlockRow(0, 800, 448);
  for (int y = 288; y < 448; y += 32) {
    blocks.push_back({0, y, 0});
    blocks.push_back({800, y, 0});
  }
  return blocks;
}

class MoleTest : public test::EnemyKindTest {};

TEST_F(MoleTest, DropsDigsInTunnelsAndLeapsOutElsewhere) {
  Load({"400,300,63,0,,,,,,,"}, Field());
  TMole* mole = First(MoleList);
  ASSERT_NE(mole, nullptr);
  EXPECT_EQ(mole->Phase(), MolePhase::Leaping) << "a new mole digs in where it first lands";

  FramesUntil([&] { return mole->Phase() == MolePhase::DugIn; }, 200);
  ASSERT_EQ(mole->Phase(), MolePhase::DugIn);
  EXPECT_NEAR(mole->y, 447, 5) << "on the ground";
  EXPECT_TRUE(Playing(Sfx::MoleDig));
  EXPECT_EQ(mole->hill, MoleHill::Forming);
  const float firstHillX = mole->hillX;
  EXPECT_FLOAT_EQ(firstHillX, mole->x);
  Frames(30);
  EXPECT_EQ(mole->hillFrame, 9) << "a full hill stays";
  EXPECT_FALSE(mole->AboveGround());

  int dug = 30 + FramesUntil([&] { return mole->Phase() == MolePhase::Tunnelling; }, 200);
  EXPECT_NEAR(dug, FramesFor(2000), 2);
  EXPECT_EQ(mole->hill, MoleHill::Subsiding);
  Frames(12);
  EXPECT_EQ(mole->hill, MoleHill::None) << "the old hill has sunk away";

  const float startX = mole->x;
  int tunnelled = 12 + FramesUntil([&] { return mole->Phase() == MolePhase::LeapingOut; }, 400);
  EXPECT_GE(tunnelled, FramesFor(2000));
  EXPECT_LE(tunnelled, FramesFor(5000) + 2);
  EXPECT_NE(mole->x, startX);
  EXPECT_GT(mole->x, 0);
  EXPECT_LT(mole->x, 832) << "it stays inside its field";
  EXPECT_NEAR(mole->y, 447, 5) << "along the ground, not through it";
  EXPECT_TRUE(Playing(Sfx::MoleReturn));
  EXPECT_EQ(mole->hill, MoleHill::Forming);
  EXPECT_FLOAT_EQ(mole->hillX, mole->x);
  EXPECT_LT(mole->ySpeed, 0) << "leaping out";

  FramesUntil([&] { return mole->Phase() == MolePhase::Walking; }, 100);
  EXPECT_EQ(mole->Phase(), MolePhase::Walking);
  EXPECT_FLOAT_EQ(mole->maxSpeed, 2);
}

TEST_F(MoleTest, ADashOverABuriedMoleDoesNothingAndOneOverAWalkingMoleBeatsIt) {
  Load({"400,447,63,0,,,,,,,"}, Field());
  TMole* mole = First(MoleList);
  Frames(2);
  for (MolePhase under : {MolePhase::DugIn, MolePhase::Tunnelling}) {
    mole->mode = static_cast<int>(under);
    mole->phaseStart = Millisecs();
    mole->phaseLength = 5000;
    mole->speed = 0;
    HeroAt(mole->x, mole->y - 20);
    DashFlag = 1;
    int score = Score;
    Frames(1);
    EXPECT_EQ(DashFlag, 1) << "nothing there to spend the dash on";
    EXPECT_EQ(mole->state, EnemyState::Active);
    EXPECT_EQ(Score, score);
    EXPECT_EQ(Health, 5);
  }
  mole->mode = static_cast<int>(MolePhase::Walking);
  mole->maxSpeed = 0;
  HeroAt(mole->x, mole->y - 20);
  DashFlag = 1;
  int score = Score;
  Frames(1);
  EXPECT_EQ(mole->state, EnemyState::Falling);
  EXPECT_EQ(Score, score + 500);
  HeroAway();
  float lastY = mole->y;  // the list owns the mole: read it only while it is there
  FramesUntil([&] { return MoleList.Size() == 0 || (lastY = mole->y, false); }, 200);
  EXPECT_EQ(MoleList.Size(), 0u);
  EXPECT_LE(lastY, 600) << "removed once it is below the view";
}

// ---------------------------------------------------------------------------
// The bucket and its spade.

class BucketTest : public test::EnemyKindTest {};

TEST_F(BucketTest, AStandingBucketTurnsToTheHeroAndFirstThrowsAtTwoSeconds) {
  Load({"400,448,72,0,1,,,,,,"}, Field());
  TBucket* bucket = First(BucketList);
  ASSERT_NE(bucket, nullptr);
  EXPECT_TRUE(bucket->Standing());
  HeroAt(650, 440);
  Frames(FramesFor(2000) - 2);
  EXPECT_EQ(bucket->mode, static_cast<int>(BucketMode::Moving)) << "too early";
  EXPECT_EQ(bucket->direction, 1);
  int more =
      FramesUntil([&] { return bucket->mode == static_cast<int>(BucketMode::Throwing); }, 10);
  EXPECT_LE(more, 5);
  EXPECT_TRUE(Playing(Sfx::BucketThrow));

  // The spade leaves at frame 8 from above its middle, at the hero.
  FramesUntil([] { return SpadeList.Size() == 1; }, 30);
  ASSERT_EQ(SpadeList.Size(), 1u);
  TSpade* spade = First(SpadeList);
  EXPECT_NEAR(spade->x, 400, 2.5);
  EXPECT_NEAR(spade->y, 448 - 45, 2.5);
  EXPECT_NEAR(spade->heading, HeadingToHero(400, 448 - 45), 1);
  FramesUntil([&] { return bucket->mode == static_cast<int>(BucketMode::Moving); }, 30);
  EXPECT_EQ(bucket->frame, 0);
  EXPECT_EQ(bucket->nextThrow.length % 1000, 0);
  EXPECT_GE(bucket->nextThrow.length, 4000);
  EXPECT_LE(bucket->nextThrow.length, 7000);

  // It never walks or hops, and turns to follow the hero.
  HeroAt(150, 440);
  for (int i = 0; i < 200; ++i) {
    Frames(1);
    ASSERT_FLOAT_EQ(bucket->x, 400);
    ASSERT_FLOAT_EQ(bucket->y, 448);
  }
  EXPECT_EQ(bucket->direction, 0);
}

TEST_F(BucketTest, AHoppingBucketWaitsToFaceTheHeroThenSetsOffAfterItsThrow) {
  Load({"400,448,72,0,0,,,,,,"}, Field());
  TBucket* bucket = First(BucketList);
  bucket->direction = 0;
  HeroAt(650, 440);  // behind it
  float highest = 448;
  for (int i = 0; i < FramesFor(3000); ++i) {
    Frames(1);
    highest = std::min(highest, bucket->y);
  }
  EXPECT_LT(highest, 448 - 15) << "it hops";
  EXPECT_EQ(bucket->mode, static_cast<int>(BucketMode::Moving)) << "the hero is behind it";
  bucket->direction = 1;
  FramesUntil([&] { return bucket->mode == static_cast<int>(BucketMode::Throwing); }, 100);
  ASSERT_EQ(bucket->mode, static_cast<int>(BucketMode::Throwing));
  FramesUntil([&] { return bucket->mode == static_cast<int>(BucketMode::Moving); }, 30);
  EXPECT_GE(bucket->speed, 0.5f);
  EXPECT_LE(bucket->speed, 1.5f);
}

TEST_F(BucketTest, ASpadeFliesThroughWallsAndIsGoneTwoHundredPixelsOutside) {
  auto blocks = Field();
  for (int y = 0; y < 448; y += 32) blocks.push_back({512, y, 0});
  Load({}, blocks);
  HeroAt(1400, 300);
  ThrowSpade(400, 300);
  TSpade* spade = First(SpadeList);
  // The list owns the spade: read it only while it is there.
  float lastX = spade->x, lastY = spade->y;
  for (int i = 0; i < 1000 && SpadeList.Size() == 1; ++i) {
    lastX = spade->x;
    lastY = spade->y;
    Frames(1);
  }
  EXPECT_EQ(SpadeList.Size(), 0u);
  EXPECT_EQ(EnemyList.Size(), 0u);
  EXPECT_GT(lastX, 800) << "went on through the wall and out of the view";
  EXPECT_LE(lastX, 800 + 200) << "gone as soon as it was 200 px outside";
  EXPECT_GT(lastX + 2, 800 + 200);
  EXPECT_NEAR(lastY, 300, 0.01);
  EXPECT_EQ(Health, 5);

  // One that meets the hero costs him a heart and is gone.
  ThrowSpade(400, 300);
  HeroAt(440, 330);
  FramesUntil([] { return SpadeList.Size() == 0; }, 60);
  EXPECT_EQ(SpadeList.Size(), 0u);
  EXPECT_EQ(Health, 4);
}

// ---------------------------------------------------------------------------
// The wizard and its shot.

class WizardTest : public test::EnemyKindTest {};

TEST_F(WizardTest, TouchingAWizardNeverHurts) {
  Load({"400,447,87,0,1,,,,,,"}, Field());
  TWizard* wizard = First(WizardList);
  ASSERT_NE(wizard, nullptr);
  EXPECT_EQ(wizard->mode, 1);
  Frames(1);  // awake
  for (int i = 0; i < 5; ++i) {
    P_YS = 0;
    HeroAt(wizard->x, 440);
    Frames(1);
    EXPECT_FLOAT_EQ(P_YS, -5);
  }
  EXPECT_EQ(Health, 5);
  EXPECT_EQ(PlayerState, 0);
  DashFlag = 1;
  int score = Score;
  Frames(1);
  EXPECT_EQ(wizard->state, EnemyState::Falling);
  EXPECT_EQ(Score, score + 350);
}

TEST_F(WizardTest, ItCastsEveryFourSecondsWithTheShotAtFrameFifteen) {
  Load({"400,447,87,0,1,,,,,,"}, Field());
  TWizard* wizard = First(WizardList);
  wizard->direction = 0;
  HeroAt(650, 300);
  Frames(1);  // awake
  int waited = 1 + FramesUntil([&] { return wizard->casting; }, 400);
  EXPECT_NEAR(waited, FramesFor(4000) + 1, 2);
  EXPECT_EQ(wizard->direction, 1) << "it faces the hero to cast";
  EXPECT_TRUE(Playing(Sfx::WizardCharge));
  const float castX = wizard->x;

  FramesUntil([] { return WizardShotList.Size() == 1; }, 60);
  ASSERT_EQ(WizardShotList.Size(), 1u);
  EXPECT_EQ(wizard->frame, 15);
  EXPECT_FLOAT_EQ(wizard->x, castX) << "it stands still to cast";
  TWizardShot* shot = First(WizardShotList);
  // Made in front of its staff, it flew its first ten pixels in the same
  // enemy pass.
  EXPECT_NEAR(std::hypot(shot->x - (castX + 29), shot->y - (wizard->y - 19)), 10, 0.01);
  EXPECT_TRUE(Playing(Sfx::WizardExplosion));
  EXPECT_FALSE(Playing(Sfx::WizardCharge)) << "the charge stops with the blast";

  FramesUntil([&] { return !wizard->casting; }, 60);
  EXPECT_FALSE(wizard->casting);
  EXPECT_FLOAT_EQ(wizard->speed, 0.5f);
  int again = FramesUntil([&] { return wizard->casting; }, 400);
  EXPECT_NEAR(again, FramesFor(4000), 2);
}

TEST_F(WizardTest, AShotThatHitsVanishesAtOnce) {
  Load({}, Field());
  HeroAt(470, 330);
  CastShot(400, 300);
  int frames = FramesUntil([] { return WizardShotList.Size() == 0; }, 20);
  EXPECT_LE(frames, 8);
  EXPECT_EQ(WizardShotList.Size(), 0u);
  EXPECT_EQ(Health, 4);
  EXPECT_GT(P_XS, 0) << "pushed on the way it flew";
}

TEST_F(WizardTest, AShotThatMissesBouncesOffBlocksAndVanishesAtTheSixth) {
  // A closed room, the hero outside it.
  auto blocks = test::BlockRow(96, 704, 96);
  auto floor = test::BlockRow(96, 704, 480);
  blocks.insert(blocks.end(), floor.begin(), floor.end());
  for (int y = 128; y < 480; y += 32) {
    blocks.push_back({96, y, 0});
    blocks.push_back({704, y, 0});
  }
  Load({}, blocks);
  auto listener = Listen(0);
  CastShot(400, 300);
  TWizardShot* shot = First(WizardShotList);
  // Steeply down and to the right: off the floor, then one block at a time
  // (a corner counts a hit on each side).
  shot->heading = 20;
  std::vector<int> seen;  // its count of bounces after each frame it was there
  std::vector<float> headings;
  for (int i = 0; i < 600 && WizardShotList.Size() == 1; ++i) {
    seen.push_back(shot->bounces);
    headings.push_back(shot->heading);
    ASSERT_GT(shot->x, 96 + 32) << "inside the room";
    ASSERT_LT(shot->x, 704);
    Frames(1);
  }
  EXPECT_EQ(WizardShotList.Size(), 0u);
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.back(), 5) << "still there after five bounces";
  auto first = std::find(seen.begin(), seen.end(), 1);
  ASSERT_NE(first, seen.end());
  EXPECT_FLOAT_EQ(headings[first - seen.begin()], 180 - 20) << "off the floor";
  EXPECT_EQ(listener->fired, 0) << "a spent shot fires no link";
  EXPECT_EQ(Health, 5);
}

TEST_F(WizardTest, AShotFarOutOfSightIsSpentNotLeftHangingAsleep) {
  Load({}, test::BlockRow(0, 800, 448));
  HeroAt(-5000, 300);
  CastShot(100, 300);
  TWizardShot* shot = First(WizardShotList);
  FramesUntil([&] { return shot->x < -350; }, 100);
  EXPECT_EQ(WizardShotList.Size(), 1u) << "out of sight, but not far";
  EXPECT_EQ(shot->state, EnemyState::Active);
  float lastX = shot->x;  // the list owns the shot: read it only while it is there
  FramesUntil([&] { return WizardShotList.Size() == 0 || (lastX = shot->x, false); }, 10);
  EXPECT_EQ(WizardShotList.Size(), 0u);
  EXPECT_GE(lastX, -400);
  EXPECT_LT(lastX - 10, -400);
}

// ---------------------------------------------------------------------------
// Everything spawned belongs to the level.

class SpawnedTest : public test::EnemyKindTest {};

TEST_F(SpawnedTest, ALevelResetRemovesWhatWasSpawnedWithoutFiringLinks) {
  Load({"400,300,60,0,0,100,-1,,,,"}, Field());
  Frames(20);
  ASSERT_GT(BeeList.Size(), 0u);
  HeroAt(700, 300);
  ThrowSpade(400, 300);
  CastShot(400, 300);
  auto bees = Listen(kReleasedBeeTarget);
  auto zero = Listen(0);
  Load({});
  EXPECT_EQ(bees->fired, 0);
  EXPECT_EQ(zero->fired, 0);
  EXPECT_EQ(BeeHiveList.Size(), 0u);
  EXPECT_EQ(BeeList.Size(), 0u);
  EXPECT_EQ(SpadeList.Size(), 0u);
  EXPECT_EQ(WizardShotList.Size(), 0u);
  EXPECT_EQ(EnemyList.Size(), 0u);
  EXPECT_EQ(DrawList.Size(), 0u);
}

}  // namespace
