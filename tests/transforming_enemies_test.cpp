// The enemies that change shape and burn: the blowfish that puffs up, the
// walking fan that presses and spins, the rock guy that leaps and thumps,
// and the Flameguy with the little flames (Ickles) he drops and bursts into.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "enemies/blowfish.h"
#include "enemies/flameguy.h"
#include "enemies/ickle.h"
#include "enemies/rock_guy.h"
#include "enemies/walking_fan.h"
#include "entities/screen_shake.h"
#include "support/enemy_room.h"
#include "world/area.h"

namespace {

using test::All;
using test::First;

class TransformingTest : public test::EnemyRoom {
 protected:
  // A floor at y 448 from 0 to 1600 with walls at its ends and a ceiling at
  // the top: nothing gets out.
  static std::vector<test::Block> Box() {
    auto blocks = test::BlockRow(0, 1600, 448);
    auto ceiling = test::BlockRow(0, 1600, 0);
    blocks.insert(blocks.end(), ceiling.begin(), ceiling.end());
    for (int y = 32; y < 448; y += 32) {
      blocks.push_back({0, y, 0});
      blocks.push_back({1600, y, 0});
    }
    return blocks;
  }
  template <class T>
  T* Awake(EntityList<T>& list) {
    T* e = First(list);
    EXPECT_NE(e, nullptr);
    Frames(1);  // the wake test
    return e;
  }
};

TEST_F(TransformingTest, ASwimmingBlowfishCannotBeTouched) {
  Load({"400,300,74,,,,,9,,,"}, Box(), Area::Sea);
  auto listener = Listen(9);
  TBlowfish* b = Awake(BlowfishList);
  b->speed = b->ySpeed = 0;
  HeroAt(400, 320);  // right through it, dashing
  DashFlag = 1;
  int score = Score;
  Frames(1);
  EXPECT_EQ(Score, score);
  EXPECT_EQ(DashFlag, 1);
  EXPECT_EQ(Health, 5);
  EXPECT_EQ(listener->fired, 0);
  EXPECT_EQ(b->Phase(), BlowfishPhase::Puffing) << "it noticed him";
}

TEST_F(TransformingTest, ABlowfishPuffsUpNearTheHeroHurtsWhenBigAndShrinksBack) {
  Load({"400,300,74,,,,,,,,"}, Box(), Area::Sea);
  TBlowfish* b = Awake(BlowfishList);
  b->speed = 1;
  b->ySpeed = 0.5f;
  HeroAt(480, 320);  // within 100 pixels
  Frames(22);
  ASSERT_EQ(b->Phase(), BlowfishPhase::Puffing);
  EXPECT_EQ(Health, 5) << "puffing, it is harmless";
  EXPECT_FLOAT_EQ(b->speed, 0) << "it stops";

  HeroAway();
  ParticleList.clear();
  EXPECT_LE(FramesUntil([&] { return b->Phase() == BlowfishPhase::BlownUp; }, 200), 60);
  EXPECT_EQ(std::count_if(ParticleList.begin(), ParticleList.end(),
                          [](const TParticle& p) {
                            return p.image == static_cast<int>(ParticleImage::Bubble);
                          }),
            50);
  HeroAt(b->x + 60, b->y + 40);
  Frames(1);
  EXPECT_EQ(Health, 2);
  EXPECT_NEAR(P_XS, 15, 0.6) << "thrown off its middle";

  HeroAway();
  EXPECT_GE(FramesUntil([&] { return b->Phase() == BlowfishPhase::Shrinking; }, 400), 200);
  EXPECT_LE(FramesUntil([&] { return b->Phase() == BlowfishPhase::Swimming; }, 100), 20);
  EXPECT_GT(b->speed, 0) << "it swims off again";
}

TEST_F(TransformingTest, ADashPopsAPuffedBlowfishAtOnce) {
  for (bool big : {false, true}) {
    Load({"400,300,74,,,,,9,,,"}, Box(), Area::Sea);
    auto listener = Listen(9);
    TBlowfish* b = Awake(BlowfishList);
    b->mode = static_cast<int>(big ? BlowfishPhase::BlownUp : BlowfishPhase::Puffing);
    b->blownUp.Start(4000);
    b->speed = b->ySpeed = 0;
    Hush(Sfx::BeeHit);
    HeroAt(400, 310);
    DashFlag = 1;
    Frames(1);
    EXPECT_EQ(BlowfishList.Size(), 0u) << big;
    EXPECT_EQ(listener->fired, 1) << big;
    EXPECT_FLOAT_EQ(P_YS, -2) << big;
    EXPECT_EQ(Sounding(Sfx::BeeHit), big) << "only the big one bangs";
  }
}

TEST_F(TransformingTest, AFanPlacedWalkingWalksForGoodAndOnePlacedPressingSpinsFirst) {
  Load({"400,447,103,,0,,,,,,"}, Box());
  TWalkingFan* f = Awake(WalkingFanList);
  for (int i = 0; i < 3000; ++i) {
    CameraX = f->x - 400;
    Frames(1);
    ASSERT_EQ(f->Phase(), FanPhase::Walking) << "frame " << i;
  }

  Load({"400,447,103,,1,,,,,,"}, Box());
  f = Awake(WalkingFanList);
  // 14 steps, each shown until more than 50 ms have passed: four frames.
  int press = FramesUntil([&] { return f->Phase() == FanPhase::Spinning; }, 100);
  EXPECT_GE(press, 54);
  EXPECT_LE(press, 58);
  int spin = FramesUntil([&] { return f->Phase() == FanPhase::Walking; }, 400);
  EXPECT_GE(spin, 179) << "3000 ms of spinning";
  EXPECT_LE(spin, 182);
  EXPECT_FLOAT_EQ(f->x, 400) << "standing all the while";
  EXPECT_GE(f->speed, 0.5f);
}

TEST_F(TransformingTest, OnlyADashOntoItsHeadBeatsAFanOrARockGuy) {
  for (int code : {103, 83}) {
    Load({"400,447," + std::to_string(code) + ",,2,,,,,,"}, Box());
    TEnemy* e = Awake(EnemyList);
    e->speed = 0;
    HeroAt(400 - 25, 447 - 5);  // into its side, dashing
    DashFlag = 1;
    int score = Score;
    Frames(1);
    EXPECT_EQ(e->state, EnemyState::Active) << code;
    EXPECT_FLOAT_EQ(P_YS, -5) << code;
    DashFlag = 0;  // a plain touch
    Frames(1);
    EXPECT_EQ(Health, 5) << code;
    HeroAt(400, 447 - 40);  // feet first onto its head
    DashFlag = 1;
    Frames(1);
    EXPECT_EQ(e->state, EnemyState::Falling) << code;
    EXPECT_EQ(Score, score + 350) << code;
  }
}

TEST_F(TransformingTest, ARockGuyLeapsFourSecondsAfterLandingAndThumpsOnlyWhenHeLands) {
  Load({"400,447,83,,2,,,,,,"}, Box());
  StopScreenShake();
  TRockGuy* g = Awake(RockGuyList);
  EXPECT_EQ(g->Phase(), RockGuyPhase::Landed);
  EXPECT_EQ(ShakeOn, 0) << "placed standing, he did not land";
  EXPECT_LE(FramesUntil([&] { return g->Phase() == RockGuyPhase::Walking; }, 200), 122);
  int leap = FramesUntil([&] { return g->Phase() == RockGuyPhase::Jumping; }, 400);
  EXPECT_GE(leap, 115) << "4000 ms after he woke";
  EXPECT_LE(leap, 125);
  Hush(Sfx::RockguyLand);
  EXPECT_LE(FramesUntil([&] { return g->Phase() == RockGuyPhase::Landed; }, 200), 90);
  EXPECT_EQ(ShakeOn, 1);
  EXPECT_TRUE(Sounding(Sfx::RockguyLand));
  EXPECT_NEAR(g->y, 447, 5);
}

TEST_F(TransformingTest, AFlameguyListensOnItsFifthFieldAndCannotBeBeaten) {
  Load({"400,300,85,,7,,,,3,,"});
  EXPECT_EQ(First(FlameguyList)->link, 7);
  Load({"400,300,85,,,,,,,,"}, Box());
  TFlameguy* f = Awake(FlameguyList);
  f->speed = 0;
  HeroAt(f->x, f->y - 5);
  DashFlag = 1;
  Frames(1);
  EXPECT_EQ(f->state, EnemyState::Active);
  EXPECT_EQ(Health, 4);
}

TEST_F(TransformingTest, AFlameguyDropsAnIckleASecondAndBurstsIntoSevenBeforeFiringItsTarget) {
  Load({"400,300,85,,,,,8,,,"}, Box());
  TFlameguy* f = Awake(FlameguyList);
  for (int i = 0; i < 185; ++i) {
    CameraX = f->x - 400;  // he stays in sight
    Frames(1);
  }
  EXPECT_EQ(IckleList.Size(), 3u) << "one a second";

  size_t icklesWhenFired = 0;
  bool guyGone = false;
  auto listener = Listen(8);
  listener->onFire = [&] {
    icklesWhenFired = IckleList.Size();
    guyGone = FlameguyList.Size() == 0;
  };
  size_t before = 0;
  int frames = 0;
  while (FlameguyList.Size() > 0 && frames < 2000) {
    CameraX = f->x - 400;
    before = IckleList.Size();
    Frames(1);
    ++frames;
  }
  EXPECT_EQ(frames, 2000 - 185) << "2000 frames of burning in all";
  EXPECT_EQ(listener->fired, 1);
  EXPECT_TRUE(guyGone);
  EXPECT_GE(icklesWhenFired, before + 7 - 1) << "the burst was there when the target fired";
  int rising = 0;
  for (TIckle* i : All(IckleList)) rising += i->ySpeed < 0 ? 1 : 0;
  EXPECT_GE(rising, 7) << "the seven fly up";
}

TEST_F(TransformingTest,
       EveryDyingIckleFiresTwelveThreeFourFiveAndTheLastHundredFramesAreHarmless) {
  Load({}, Box());
  auto listener = Listen(kIckleTarget);
  for (int k = 0; k < 5; ++k) MakeIckle(200.0f + 100 * k, 400, k % 2, 1, 0);
  Frames(605);
  EXPECT_EQ(IckleList.Size(), 0u) << "501 to 600 frames of life";
  EXPECT_EQ(listener->fired, 5);

  TIckle& spent = MakeIckle(600, 440, 0, 0, 0);
  Frames(1);
  spent.life = 100;
  HeroAt(600, 445);
  Frames(1);
  EXPECT_EQ(Health, 5) << "burnt too low to hurt";
  spent.life = 101;
  Frames(1);
  EXPECT_EQ(Health, 4);
  EXPECT_FALSE(IckleList.Contains(&spent)) << "a touch puts it out";
  EXPECT_EQ(listener->fired, 6);
}

}  // namespace
