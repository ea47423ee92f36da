// The enemies that change shape and burn: the blowfish that puffs up, the
// walking fan that presses and spins, the rock guy that leaps and thumps,
// and the flame guy with the little flames (Ickles) he drops and bursts
// into.
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
  static std::vector<test::Block> Floor() { return test::BlockRow(0, 1600, 448); }
  // The floor with walls at both ends, four tiles high, and a ceiling over
  // them: nothing gets out.
  static std::vector<test::Block> Box() {
    auto blocks = Floor();
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
    if (!e) return nullptr;
    Frames(1);  // the wake test
    EXPECT_EQ(e->state, EnemyState::Active);
    return e;
  }
  static int Bubbles() {
    return static_cast<int>(std::count_if(ParticleList.begin(), ParticleList.end(), [](const TParticle& p) {
      return p.image == static_cast<int>(ParticleImage::Bubble);
    }));
  }
};

// ---------------------------------------------------------------------------
// The blowfish.

TEST_F(TransformingTest, ASwimmingBlowfishCannotBeTouched) {
  Load({"400,300,74,,,,,9,,,"}, {}, Area::Sea);
  auto listener = Listen(9);
  TBlowfish* b = Awake(BlowfishList);
  b->speed = 0;
  b->ySpeed = 0;
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

TEST_F(TransformingTest, ABlowfishPuffsUpNearTheHeroIsDangerousAndShrinksBack) {
  Load({"400,300,74,,,,,,,,"}, Box(), Area::Sea);
  TBlowfish* b = Awake(BlowfishList);
  b->direction = 1;
  b->speed = 1;
  b->ySpeed = 0.5f;
  Hush(Sfx::FishTick);
  HeroAt(480, 320);  // within 100 pixels
  Frames(1);
  ASSERT_EQ(b->Phase(), BlowfishPhase::Puffing);
  EXPECT_TRUE(Sounding(Sfx::FishTick));
  Frames(1);  // puffing: harmless to touch
  EXPECT_EQ(Health, 5);
  Frames(20);
  EXPECT_FLOAT_EQ(b->speed, 0) << "it stops";
  EXPECT_FLOAT_EQ(b->ySpeed, 0);

  HeroAway();
  ParticleList.clear();
  Hush(Sfx::FishBlow);
  int blow = FramesUntil([&] { return b->Phase() == BlowfishPhase::BlownUp; }, 200);
  EXPECT_LE(blow, 60) << "nine pictures of 100 ms";
  EXPECT_EQ(Bubbles(), 50);
  EXPECT_TRUE(Sounding(Sfx::FishBlow));
  float y = b->y;
  Frames(30);
  EXPECT_LT(b->y, y - 20) << "it floats up";

  // Big, it hurts 3 and throws the hero off its middle.
  HeroAt(b->x + 60, b->y + 40);
  Frames(1);
  EXPECT_EQ(Health, 2);
  EXPECT_NEAR(P_XS, 15, 0.6);
  EXPECT_GT(P_YS, 5);

  HeroAway();
  int shrink = FramesUntil([&] { return b->Phase() == BlowfishPhase::Shrinking; }, 400);
  EXPECT_GE(shrink, 200) << "4000 ms blown up in all";
  int swim = FramesUntil([&] { return b->Phase() == BlowfishPhase::Swimming; }, 100);
  EXPECT_LE(swim, 20);
  EXPECT_GT(b->speed, 0) << "it swims off again";
}

TEST_F(TransformingTest, ADashPopsAPuffedBlowfishAtOnce) {
  for (bool big : {false, true}) {
    Load({"400,300,74,,,,,9,,,"}, {}, Area::Sea);
    auto listener = Listen(9);
    TBlowfish* b = Awake(BlowfishList);
    b->mode = static_cast<int>(big ? BlowfishPhase::BlownUp : BlowfishPhase::Puffing);
    b->blownUp.Start(4000);
    b->speed = 0;
    b->ySpeed = 0;
    Hush(Sfx::BeeHit);
    HeroAt(400, 310);
    DashFlag = 1;
    int score = Score;
    Frames(1);
    EXPECT_EQ(BlowfishList.Size(), 0u) << big;
    EXPECT_EQ(listener->fired, 1) << big;
    EXPECT_EQ(Score, score + 350) << big;
    EXPECT_FLOAT_EQ(P_YS, -2) << big;
    EXPECT_EQ(DashFlag, 0) << big;
    EXPECT_EQ(Sounding(Sfx::BeeHit), big) << "only the big one bangs";
    EXPECT_EQ(Health, 5) << big;
  }
}

// ---------------------------------------------------------------------------
// The walking fan.

TEST_F(TransformingTest, AFanPlacedWalkingWalksForTheWholeLevel) {
  Load({"400,447,103,,0,,,,,,"}, Box());
  TWalkingFan* f = Awake(WalkingFanList);
  float travelled = 0;
  for (int i = 0; i < 3000; ++i) {
    float x = f->x;
    CameraX = f->x - 400;
    Frames(1);
    travelled += std::abs(f->x - x);
    ASSERT_EQ(f->Phase(), FanPhase::Walking) << "frame " << i;
  }
  EXPECT_GT(travelled, 1000);
}

TEST_F(TransformingTest, AFanPlacedPressingPressesSpinsThenWalks) {
  Load({"400,447,103,,1,,,,,,"}, Floor());
  TWalkingFan* f = Awake(WalkingFanList);
  EXPECT_EQ(f->Phase(), FanPhase::Pressing);
  int press = FramesUntil([&] { return f->Phase() == FanPhase::Spinning; }, 100);
  // 14 steps, each shown until more than 50 ms have passed: four frames.
  EXPECT_GE(press, 54);
  EXPECT_LE(press, 58);
  EXPECT_FLOAT_EQ(f->x, 400) << "it stands to press";
  int spin = FramesUntil([&] { return f->Phase() == FanPhase::Walking; }, 400);
  EXPECT_GE(spin, 179) << "3000 ms of spinning";
  EXPECT_LE(spin, 182);
  EXPECT_FLOAT_EQ(f->x, 400);
  EXPECT_GE(f->speed, 0.5f);
  Frames(10);
  EXPECT_NE(f->x, 400) << "and walks on";
}

TEST_F(TransformingTest, OnlyADashOntoItsHeadBeatsAFanOrARockGuy) {
  for (int code : {103, 83}) {
    // Into its side, dashing: the hero bounces off, the enemy is unharmed.
    Load({"400,447," + std::to_string(code) + ",,2,,,,,,"}, Floor());
    TEnemy* e = Awake(EnemyList);
    e->speed = 0;
    HeroAt(400 - 25, 447 - 5);
    DashFlag = 1;
    int score = Score;
    Frames(1);
    EXPECT_EQ(e->state, EnemyState::Active) << code;
    EXPECT_FLOAT_EQ(P_YS, -5) << code;
    EXPECT_EQ(Score, score) << code;

    // A plain touch never hurts.
    DashFlag = 0;
    Frames(1);
    EXPECT_EQ(Health, 5) << code;
    EXPECT_EQ(PlayerState, 0) << code;

    // Feet first onto its head: beaten.
    HeroAt(400, 447 - 40);
    DashFlag = 1;
    Frames(1);
    EXPECT_EQ(e->state, EnemyState::Falling) << code;
    EXPECT_EQ(Score, score + 350) << code;
  }
}

// ---------------------------------------------------------------------------
// The rock guy.

TEST_F(TransformingTest, ARockGuyLeapsEveryFewSecondsAndLandsWithAThump) {
  Load({"400,447,83,,0,,,,,,"}, Floor());
  TRockGuy* g = Awake(RockGuyList);
  Hush(Sfx::RockguyJump);
  int leap = FramesUntil([&] { return g->Phase() == RockGuyPhase::Jumping; }, 400);
  EXPECT_GE(leap, 238) << "4000 ms after he woke";
  EXPECT_LE(leap, 242);
  EXPECT_TRUE(Sounding(Sfx::RockguyJump));
  StopScreenShake();
  Hush(Sfx::RockguyLand);
  int land = FramesUntil([&] { return g->Phase() == RockGuyPhase::Landed; }, 200);
  EXPECT_GE(land, 70) << "a leap of -4 with gravity 0.1";
  EXPECT_LE(land, 90);
  EXPECT_EQ(ShakeOn, 1);
  EXPECT_TRUE(Sounding(Sfx::RockguyLand));
  float x = g->x;
  int stand = FramesUntil([&] { return g->Phase() == RockGuyPhase::Walking; }, 200);
  EXPECT_GE(stand, 119) << "2000 ms standing";
  EXPECT_LE(stand, 122);
  EXPECT_NEAR(g->x, x, 0.01);
  int next = FramesUntil([&] { return g->Phase() == RockGuyPhase::Jumping; }, 400);
  EXPECT_GE(next, 115) << "the next leap 4000 ms after the landing";
  EXPECT_LE(next, 125);
}

TEST_F(TransformingTest, ARockGuyPlacedStandingStandsWithoutAThumpAndALeapStopsAtACeiling) {
  Load({"400,447,83,,2,,,,,,"}, Floor());
  StopScreenShake();
  TRockGuy* g = Awake(RockGuyList);
  EXPECT_EQ(g->Phase(), RockGuyPhase::Landed);
  EXPECT_EQ(ShakeOn, 0);
  FramesUntil([&] { return g->Phase() == RockGuyPhase::Walking; }, 200);
  EXPECT_EQ(g->Phase(), RockGuyPhase::Walking);

  // Under a low ceiling he bumps his head and comes down where he was.
  auto blocks = Floor();
  auto ceiling = test::BlockRow(0, 1600, 320);
  blocks.insert(blocks.end(), ceiling.begin(), ceiling.end());
  Load({"400,447,83,,1,,,,,,"}, blocks);
  g = Awake(RockGuyList);
  float highest = g->y;
  FramesUntil(
      [&] {
        highest = std::min(highest, g->y);
        return g->Phase() == RockGuyPhase::Landed;
      },
      200);
  EXPECT_EQ(g->Phase(), RockGuyPhase::Landed);
  EXPECT_GE(highest, 352 + 70 - 4) << "his head stayed under the ceiling";
  EXPECT_NEAR(g->y, 447, 4);
}

// ---------------------------------------------------------------------------
// The flame guy and the Ickles.

TEST_F(TransformingTest, AFlameguyListensOnItsFifthFieldAndCannotBeBeaten) {
  Load({"400,300,85,,7,,,,3,,"});
  TFlameguy* f = First(FlameguyList);
  EXPECT_EQ(f->link, 7);
  Load({"400,300,85,1,7,,,,,,"});
  f = First(FlameguyList);
  FireLink(7);
  EXPECT_EQ(f->hidden, 1) << "a hidden Flameguy never shows";

  Load({"400,300,85,,,,,,,,"});
  f = Awake(FlameguyList);
  f->speed = 0;
  HeroAt(f->x, f->y - 5);
  DashFlag = 1;
  Frames(1);
  EXPECT_EQ(f->state, EnemyState::Active);
  EXPECT_EQ(Health, 4);
  EXPECT_FLOAT_EQ(P_YS, -5);
}

TEST_F(TransformingTest, AFlameguyDropsAnIckleASecondAndBurstsIntoSevenBeforeFiringItsTarget) {
  Load({"400,300,85,,,,,8,,,"}, Box());
  TFlameguy* f = Awake(FlameguyList);
  for (int i = 0; i < 185; ++i) {
    CameraX = f->x - 400;
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
  int frames = 0, burnt = 0;
  while (FlameguyList.Size() > 0 && frames < 2000) {
    CameraX = f->x - 400;  // he stays in sight
    before = IckleList.Size();
    burnt = f->burnt;
    Frames(1);
    ++frames;
  }
  EXPECT_EQ(burnt, 1999);
  EXPECT_EQ(frames, 2000 - 185) << "after 2000 frames of burning, whoever watched";
  EXPECT_EQ(listener->fired, 1);
  EXPECT_TRUE(guyGone);
  EXPECT_GE(icklesWhenFired, before + 7 - 1) << "the burst was there when the target fired";
  auto ickles = All(IckleList);
  int rising = 0;
  for (TIckle* i : ickles) rising += i->ySpeed < 0 && i->ySpeed >= -2 ? 1 : 0;
  EXPECT_GE(rising, 7) << "the seven fly up";
}

TEST_F(TransformingTest, EveryDyingIckleFiresTwelveThreeFourFive) {
  Load({}, Floor());
  auto listener = Listen(kIckleTarget);
  for (int k = 0; k < 5; ++k) MakeIckle(200.0f + 100 * k, 400, k % 2, 1, 0);
  for (TIckle* i : All(IckleList)) {
    EXPECT_GE(i->life, 501);
    EXPECT_LE(i->life, 600);
    EXPECT_EQ(i->target, kIckleTarget);
  }
  Frames(605);
  EXPECT_EQ(IckleList.Size(), 0u);
  EXPECT_EQ(listener->fired, 5);
}

TEST_F(TransformingTest, AnIckleBouncesHurtsOnceAndIsHarmlessInItsLastHundredFrames) {
  Load({}, Floor());
  auto listener = Listen(kIckleTarget);
  TIckle& bouncer = MakeIckle(300, 400, 1, 0, 0);
  Frames(1);
  float lowest = 0;
  bool bounced = false;
  for (int i = 0; i < 200; ++i) {
    Frames(1);
    lowest = std::max(lowest, bouncer.y);
    bounced |= bouncer.ySpeed < 0;
  }
  EXPECT_TRUE(bounced);
  EXPECT_LE(lowest, 449) << "it bounces off the floor";

  TIckle& spent = MakeIckle(600, 440, 0, 0, 0);
  Frames(1);
  spent.life = 100;
  HeroAt(600, 445);
  Frames(1);
  EXPECT_EQ(Health, 5) << "burnt too low to hurt";
  EXPECT_TRUE(IckleList.Contains(&spent));

  spent.life = 101;
  Frames(1);
  EXPECT_EQ(Health, 4);
  EXPECT_FLOAT_EQ(P_YS, -5);
  EXPECT_FALSE(IckleList.Contains(&spent)) << "a touch puts it out";
  EXPECT_EQ(listener->fired, 1);
}

}  // namespace
