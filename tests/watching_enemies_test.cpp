// The enemies that watch the hero and charge: the ghost that creeps while he
// looks away, the goat that charges on sight, the knight that rears and
// trots, the starfish that kicks itself at him and the wompth that drops on
// him.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "enemies/ghost.h"
#include "enemies/goat.h"
#include "enemies/knight.h"
#include "enemies/starfish.h"
#include "enemies/wompth.h"
#include "entities/screen_shake.h"
#include "support/enemy_room.h"
#include "world/tile_map.h"

namespace {

using test::First;

class WatchingTest : public test::EnemyRoom {
 protected:
  // A long floor at y 448; walkers stand just above it.
  static std::vector<test::Block> Floor() { return test::BlockRow(-3000, 3000, 448); }
  // The first of a kind, woken with the view around it.
  template <class T>
  T* Awake(EntityList<T>& list) {
    T* e = First(list);
    EXPECT_NE(e, nullptr);
    if (!e) return nullptr;
    CameraX = std::max(0.0f, e->x - 400);
    Frames(1);
    EXPECT_EQ(e->state, EnemyState::Active);
    return e;
  }
};

TEST_F(WatchingTest, AGhostCreepsWhileUnwatchedFadesWhenFacedAndGigglesBack) {
  Load({"200,300,67,,,,,,,,"});
  TGhost* g = Awake(GhostList);
  HeroAt(500, 300);  // facing right, the ghost behind him
  Frames(40);
  EXPECT_EQ(g->Phase(), GhostPhase::Chasing);
  EXPECT_GT(g->x, 210) << "it comes after him";

  Facing = 1;  // he turns round and looks at it
  Frames(100);
  EXPECT_EQ(g->Phase(), GhostPhase::Watched);
  EXPECT_EQ(g->frame, 9) << "faded right out";
  EXPECT_LT(std::abs(g->xSpeed), 0.01f) << "and drifted to a stop";

  Hush(Sfx::GhostGiggle);
  Facing = 0;  // he looks away again
  Frames(1);
  EXPECT_EQ(g->Phase(), GhostPhase::Unwatched);
  EXPECT_TRUE(Sounding(Sfx::GhostGiggle));
  EXPECT_LE(FramesUntil([&] { return g->Phase() == GhostPhase::Chasing; }, 100), 70)
      << "faded back in";

  // It cannot be beaten: a dash into it only hurts the hero.
  HeroAt(g->x, g->y + 10);
  DashFlag = 1;
  int score = Score;
  Frames(1);
  EXPECT_EQ(Score, score);
  EXPECT_EQ(Health, 4);
  EXPECT_FLOAT_EQ(P_YS, -2);
}

TEST_F(WatchingTest, AGoatFacingAwayNeverCharges) {
  Load({"1000,447,77,,,,,,,,"}, Floor());
  TGoat* g = Awake(GoatList);
  g->direction = 1;
  for (int i = 0; i < 240; ++i) {
    HeroAt(g->x - 150, 420);  // right behind it
    Frames(1);
    ASSERT_EQ(g->Phase(), GoatPhase::Walking) << "frame " << i;
  }
}

TEST_F(WatchingTest, AGoatChargesAtAHeroAheadAndSkidsOnceHeIsBehind) {
  Load({"1000,447,77,,,,,,,,"}, Floor());
  TGoat* g = Awake(GoatList);
  g->direction = 0;
  HeroAt(g->x - 100, g->y + 20);  // near, but below its feet
  Frames(5);
  EXPECT_EQ(g->Phase(), GoatPhase::Walking);
  HeroAt(g->x - 395, g->y - 390);
  Frames(1);
  EXPECT_EQ(g->Phase(), GoatPhase::Charging);
  EXPECT_FLOAT_EQ(g->speed, 4);

  HeroAt(g->x + 10, 300);  // it passed under him
  Frames(1);
  EXPECT_EQ(g->Phase(), GoatPhase::Skidding);
  HeroAway();
  int stop = FramesUntil([&] { return g->Phase() == GoatPhase::Walking; }, 200);
  EXPECT_GE(stop, 70) << "from 4 down by 0.05 a frame";
  EXPECT_LE(stop, 82);
  EXPECT_EQ(g->direction, 0) << "still the way it ran";

  // Charging, its touch throws the hero on at four times its speed.
  g->mode = static_cast<int>(GoatPhase::Charging);
  g->speed = 4;
  HeroAt(g->x - 10, g->y - 10);
  Frames(1);
  EXPECT_EQ(Health, 4);
  EXPECT_FLOAT_EQ(P_XS, -16);
}

TEST_F(WatchingTest, AKnightWithTheHeroBehindNeverRears) {
  Load({"1000,447,86,,,,,,,,"}, Floor());
  TKnight* k = Awake(KnightList);
  k->direction = 0;
  HeroAt(1100, 440);
  Frames(300);
  EXPECT_EQ(k->Phase(), KnightPhase::Standing);
  EXPECT_FLOAT_EQ(k->x, 1000);
}

TEST_F(WatchingTest, AKnightRearsAtAHeroWithinReachAndTrotsUpToItsTopSpeed) {
  Load({"1000,447,86,,,,,,,,"}, Floor());
  TKnight* k = Awake(KnightList);
  k->direction = 0;
  for (auto [dx, dy] : {std::pair{-200.0f, -201.0f}, {-200.0f, 5.0f}, {-401.0f, -10.0f}}) {
    HeroAt(1000 + dx, 447 + dy);
    Frames(1);
    EXPECT_EQ(k->Phase(), KnightPhase::Standing) << dx << "," << dy;
  }
  Hush(Sfx::KnightHorse);
  HeroAt(1000 - 399, 447 - 199);
  Frames(1);
  EXPECT_EQ(k->Phase(), KnightPhase::Rearing);
  EXPECT_TRUE(Sounding(Sfx::KnightHorse));
  EXPECT_GE(k->topSpeed, 5);
  EXPECT_LE(k->topSpeed, 7);
  HeroAway();
  // 16 pictures, each shown until more than 35 ms have passed: three frames.
  int up = FramesUntil([&] { return k->Phase() == KnightPhase::Trotting; }, 100);
  EXPECT_GE(up, 46);
  EXPECT_LE(up, 50);
  EXPECT_NEAR(k->x, 1000, 0.05) << "rearing on the spot";
  for (int i = 0; i < 400; ++i) {
    CameraX = k->x - 400;
    Frames(1);
  }
  EXPECT_FLOAT_EQ(k->speed, k->topSpeed);

  CameraX = 5000;  // left far behind: asleep, and back at his post's stance
  Frames(2);
  EXPECT_EQ(k->Phase(), KnightPhase::Standing);
  EXPECT_FLOAT_EQ(k->speed, 0);
}

TEST_F(WatchingTest, ATrottingKnightRidesOffALedgeAndFallsSilentlyWhenStampedOn) {
  auto blocks = test::BlockRow(800, 1100, 448);
  auto below = test::BlockRow(0, 1100, 640);
  blocks.insert(blocks.end(), below.begin(), below.end());
  Load({"1000,447,86,,,,,,,,"}, blocks);
  TKnight* k = Awake(KnightList);
  k->direction = 0;
  HeroAt(800, 440);
  Frames(1);
  HeroAway();
  Frames(300);
  EXPECT_LT(k->x, 780) << "past the shelf's end";
  EXPECT_NEAR(k->y, 639, 1.5) << "on the ground below";

  Hush(Sfx::BeeHit);
  HeroAt(k->x, k->y - 40);  // feet first onto the rider
  DashFlag = 1;
  int score = Score;
  Frames(1);
  EXPECT_EQ(k->state, EnemyState::Falling);
  EXPECT_EQ(Score, score + 350);
  EXPECT_FALSE(Sounding(Sfx::BeeHit));
}

TEST_F(WatchingTest, AStarfishKicksAtMostEveryFourSecondsAndOnlyInView) {
  Load({"950,447,76,,,,,,,,"}, Floor());
  TStarfish* s = Awake(StarfishList);
  CameraX = 0;  // it stays awake 150 px past the view
  s->speed = 0;
  HeroAt(700, 440);
  Frames(300);
  EXPECT_EQ(s->Phase(), StarfishPhase::Walking) << "out of view";

  Load({"400,447,76,,,,,,,,"}, Floor());
  s = Awake(StarfishList);
  HeroAt(700, 440);
  s->direction = 0;
  Hush(Sfx::StarfishKick);
  int kick = FramesUntil([&] { return s->Phase() == StarfishPhase::Kicked; }, 400);
  EXPECT_GE(kick, 238) << "4000 ms from waking";
  EXPECT_LE(kick, 242);
  EXPECT_TRUE(Sounding(Sfx::StarfishKick));
  EXPECT_EQ(s->direction, 1) << "at the hero";
  ASSERT_LE(FramesUntil([&] { return s->Phase() == StarfishPhase::Walking; }, 400), 400);
  EXPECT_FLOAT_EQ(s->speed, 2);
  EXPECT_FLOAT_EQ(s->y, 447);
  EXPECT_GE(FramesUntil([&] { return s->Phase() == StarfishPhase::Kicked; }, 400), 238)
      << "after landing";
}

TEST_F(WatchingTest, AKickedStarfishStrikesAWallBackAndHurtsTwo) {
  auto blocks = Floor();
  for (int y = 256; y < 448; y += 32) blocks.push_back({640, y, 0});
  Load({"400,447,76,,,,,,,,"}, blocks);
  TStarfish* s = Awake(StarfishList);
  s->mode = static_cast<int>(StarfishPhase::Kicked);
  s->direction = 1;
  s->speed = 8;
  s->ySpeed = -4;
  ASSERT_LE(FramesUntil([&] { return s->Phase() == StarfishPhase::Spinning; }, 100), 100);
  EXPECT_EQ(s->direction, 0);
  EXPECT_FLOAT_EQ(s->speed, 4);
  EXPECT_NEAR(s->ySpeed, -3, 0.11);
  EXPECT_LT(s->x, 640 - 20) << "it does not fly into the wall";

  s->mode = static_cast<int>(StarfishPhase::Kicked);
  s->speed = 0;
  s->y = 400;  // in flight
  s->ySpeed = -1;
  HeroAt(s->x - 10, 395);
  Frames(1);
  EXPECT_EQ(Health, 3);
  EXPECT_FLOAT_EQ(P_XS, -3) << "pushed away";
}

TEST_F(WatchingTest, AFallingWompthKillsAtAnyHealthAndOnlyDropsOnAHeroBeneath) {
  Load({"400,200,96,,,,,,,,"}, Floor());
  TWompth* w = Awake(WompthList);
  for (auto [x, y] :
       {std::pair{464.0f, 440.0f}, {336.0f, 440.0f}, {420.0f, 199.0f}, {420.0f, 801.0f}}) {
    HeroAt(x, y);
    Frames(1);
    EXPECT_EQ(w->Phase(), WompthPhase::Waiting) << x << "," << y;
  }
  Health = MaxHealth;
  HeroAt(420, 440);
  EXPECT_LE(FramesUntil([&] { return PlayerState == 2; }, 100), 100) << "the hero was not crushed";
  EXPECT_LE(Health, 0);
  EXPECT_EQ(w->Phase(), WompthPhase::Dropping);
  EXPECT_GT(P_YS, 6) << "sent down at the wompth's own speed";
}

TEST_F(WatchingTest, AWompthLandsOnTheFloorPastAWallRestsAndRisesBackToItsPost) {
  auto blocks = Floor();
  // A wall of stacked blocks that its feet brush on the way down: it must
  // not stop on any of them.
  for (int y = 0; y < 448; y += 32) blocks.push_back({416, y, 0});
  Load({"400,100,96,,,,,,,,"}, blocks);
  TWompth* w = Awake(WompthList);
  HeroAt(380, 440);
  Frames(1);
  HeroAway();
  StopScreenShake();
  ASSERT_LE(FramesUntil([&] { return w->Phase() == WompthPhase::Landed; }, 200), 200);
  EXPECT_FLOAT_EQ(w->y, 447);
  EXPECT_EQ(ShakeOn, 1);
  // (Resting, its wide base would climb the wall.)
  std::erase_if(CollisionBlocks, [](const TCollisionBlock& b) { return b.x == 416; });
  int rest = FramesUntil([&] { return w->Phase() == WompthPhase::Rising; }, 300);
  EXPECT_GE(rest, 119) << "2000 ms on the ground";
  EXPECT_LE(rest, 122);
  EXPECT_NEAR(FramesUntil([&] { return w->Phase() == WompthPhase::Waiting; }, 300), (447 - 100) / 2,
              2);
  EXPECT_FLOAT_EQ(w->y, 100);
}

}  // namespace
