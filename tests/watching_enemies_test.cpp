// The enemies that watch the hero and charge: the ghost that creeps while he
// looks away, the goat that charges on sight, the knight that rears and
// trots, the starfish that kicks itself at him and the wompth that drops on
// him. Each group checks what a player would notice going wrong.
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

using test::All;
using test::First;

class WatchingTest : public test::EnemyRoom {
 protected:
  // A long floor at y 448, the top of which walkers stand one pixel above.
  static std::vector<test::Block> Floor() { return test::BlockRow(0, 3000, 448); }
  // The first of a kind, woken with the view around it.
  template <class T>
  T* Awake(EntityList<T>& list) {
    T* e = First(list);
    EXPECT_NE(e, nullptr);
    if (!e) return nullptr;
    CameraX = std::max(0.0f, e->x - 400);
    Frames(1);  // the wake test
    EXPECT_EQ(e->state, EnemyState::Active);
    return e;
  }
};

// ---------------------------------------------------------------------------
// The ghost.

TEST_F(WatchingTest, AGhostCreepsUpWhileTheHeroLooksAway) {
  Load({"200,300,67,,,,,,,,"});
  TGhost* g = Awake(GhostList);
  HeroAt(500, 300);  // facing right, the ghost behind him
  float x = g->x;
  Frames(60);
  EXPECT_EQ(g->Phase(), GhostPhase::Chasing);
  EXPECT_GT(g->x, x + 20) << "it comes after him";
  EXPECT_EQ(g->direction, 1) << "its picture turned towards him";
  for (int i = 0; i < 200; ++i) {
    Frames(1);
    ASSERT_LE(std::abs(g->xSpeed), 2.0f + 1e-4f);
    ASSERT_LE(std::abs(g->ySpeed), 4.0f + 1e-4f);
  }
}

TEST_F(WatchingTest, AGhostFacedFadesOutAndGigglesBackWhenHeTurnsAway) {
  Load({"200,300,67,,,,,,,,"});
  TGhost* g = Awake(GhostList);
  HeroAt(500, 300);
  Frames(40);
  ASSERT_GT(g->xSpeed, 0.5f);

  Facing = 1;  // he turns round and looks at it
  Frames(1);
  EXPECT_EQ(g->Phase(), GhostPhase::Watched);
  Frames(100);
  EXPECT_EQ(g->frame, 9) << "faded right out";
  EXPECT_LT(std::abs(g->xSpeed), 0.01f) << "and drifted to a stop";
  float x = g->x;
  Frames(30);
  EXPECT_NEAR(g->x, x, 0.1f);

  Hush(Sfx::GhostGiggle);
  Facing = 0;  // he looks away again
  Frames(1);
  EXPECT_EQ(g->Phase(), GhostPhase::Unwatched);
  EXPECT_TRUE(Sounding(Sfx::GhostGiggle)) << "it giggles as it comes back";
  int back = FramesUntil([&] { return g->Phase() == GhostPhase::Chasing; }, 200);
  EXPECT_GE(back, 50) << "it fades back in a step every 100 ms";
  EXPECT_LE(back, 70);
  Frames(60);
  EXPECT_GT(g->x, x + 10) << "and creeps on";
}

TEST_F(WatchingTest, AGhostAlreadyInViewIsWatchedAtOnceAndCannotBeBeaten) {
  Load({"600,300,67,,,,,,,,"});
  TGhost* g = Awake(GhostList);
  HeroAt(400, 300);  // facing right, towards it
  Frames(1);
  EXPECT_EQ(g->Phase(), GhostPhase::Watched);

  // Every phase touches: a dash does not beat it, the touch hurts.
  HeroAt(g->x, g->y + 10);
  DashFlag = 1;
  int score = Score;
  Frames(1);
  EXPECT_EQ(Score, score);
  EXPECT_EQ(g->state, EnemyState::Active);
  EXPECT_EQ(Health, 4);
  EXPECT_FLOAT_EQ(P_YS, -2);
}

// ---------------------------------------------------------------------------
// The goat.

TEST_F(WatchingTest, AGoatFacingAwayNeverCharges) {
  Load({"1000,447,77,,,,,,,,"}, Floor());
  TGoat* g = Awake(GoatList);
  g->direction = 1;
  for (int i = 0; i < 240; ++i) {
    HeroAt(g->x - 150, 420);  // right behind it, well within sight range
    Frames(1);
    ASSERT_EQ(g->Phase(), GoatPhase::Walking) << "frame " << i;
  }
  EXPECT_FLOAT_EQ(g->speed, 1);
}

TEST_F(WatchingTest, AGoatChargesAtAHeroAheadAndNotBelowItsFeet) {
  Load({"1000,447,77,,,,,,,,"}, Floor());
  TGoat* g = Awake(GoatList);
  g->direction = 0;
  HeroAt(g->x - 420, 400);  // too far
  Frames(1);
  EXPECT_EQ(g->Phase(), GoatPhase::Walking);
  HeroAt(g->x - 100, g->y + 20);  // near, but below its feet
  Frames(5);
  EXPECT_EQ(g->Phase(), GoatPhase::Walking);

  Hush(Sfx::GoatBaa);
  HeroAt(g->x - 395, g->y - 390);
  Frames(1);
  EXPECT_EQ(g->Phase(), GoatPhase::Charging);
  EXPECT_FLOAT_EQ(g->speed, 4);
  EXPECT_TRUE(Sounding(Sfx::GoatBaa));
}

TEST_F(WatchingTest, AChargingGoatSkidsOnceTheHeroIsBehindAndThenWalks) {
  Load({"1000,447,77,,,,,,,,"}, Floor());
  TGoat* g = Awake(GoatList);
  g->direction = 0;
  HeroAt(g->x - 200, 420);
  Frames(1);
  ASSERT_EQ(g->Phase(), GoatPhase::Charging);
  HeroAt(g->x + 10, 300);  // it passed under him
  Frames(1);
  EXPECT_EQ(g->Phase(), GoatPhase::Skidding);
  HeroAway();
  float x = g->x, before = g->speed;
  Frames(1);
  EXPECT_NEAR(g->speed, before - 0.05f, 1e-4f);
  EXPECT_LT(g->x, x) << "it slides on the way it ran";
  int stop = FramesUntil([&] { return g->Phase() == GoatPhase::Walking; }, 200);
  EXPECT_GE(stop, 70) << "from 4 down by 0.05 a frame";
  EXPECT_LE(stop, 80);
  EXPECT_FLOAT_EQ(g->speed, 1);
  EXPECT_EQ(g->direction, 0);
}

TEST_F(WatchingTest, AGoatTurnsAtALedgeAndItsTouchThrowsTheHeroOn) {
  // A shelf from 256 to 608: the goat walks and turns at its ends.
  Load({"400,447,77,,,,,,,,"}, test::BlockRow(256, 576, 448));
  TGoat* g = Awake(GoatList);
  for (int i = 0; i < 900; ++i) {
    Frames(1);
    ASSERT_LT(g->y, 449) << "it never walks off";
  }
  g->direction = 1;
  g->mode = static_cast<int>(GoatPhase::Charging);
  g->speed = 4;
  HeroAt(g->x + 10, g->y - 10);
  Frames(1);
  EXPECT_EQ(Health, 4);
  EXPECT_FLOAT_EQ(P_YS, -2);
  EXPECT_FLOAT_EQ(P_XS, 16) << "four times its speed, its way";
}

// ---------------------------------------------------------------------------
// The knight.

TEST_F(WatchingTest, AKnightWithTheHeroBehindNeverRears) {
  Load({"1000,447,86,,,,,,,,"}, Floor());
  TKnight* k = Awake(KnightList);
  k->direction = 0;
  HeroAt(1100, 440);
  Frames(300);
  EXPECT_EQ(k->Phase(), KnightPhase::Standing);
  EXPECT_FLOAT_EQ(k->x, 1000);
}

TEST_F(WatchingTest, AKnightRearsAtAHeroWithinReachAheadAndTrotsUpToItsTopSpeed) {
  Load({"1000,447,86,,,,,,,,"}, test::BlockRow(-3000, 3000, 448));
  TKnight* k = Awake(KnightList);
  k->direction = 0;
  HeroAt(1000 - 200, 447 - 201);  // too high
  Frames(2);
  HeroAt(1000 - 200, 447 + 5);  // below his hooves
  Frames(2);
  HeroAt(1000 - 401, 440);  // too far
  Frames(2);
  EXPECT_EQ(k->Phase(), KnightPhase::Standing);

  Hush(Sfx::KnightHorse);
  HeroAt(1000 - 399, 447 - 199);
  Frames(1);
  EXPECT_EQ(k->Phase(), KnightPhase::Rearing);
  EXPECT_TRUE(Sounding(Sfx::KnightHorse));
  EXPECT_GE(k->topSpeed, 5);
  EXPECT_LE(k->topSpeed, 7);
  HeroAway();
  // 16 pictures, each shown until more than 35 ms have passed: three
  // frames of 1000/60 ms each.
  int up = FramesUntil([&] { return k->Phase() == KnightPhase::Trotting; }, 100);
  EXPECT_GE(up, 46);
  EXPECT_LE(up, 50);
  EXPECT_NEAR(k->x, 1000, 0.05) << "rearing on the spot";
  float fastest = 0;
  for (int i = 0; i < 400; ++i) {
    CameraX = k->x - 400;
    float x = k->x;
    Frames(1);
    fastest = std::max(fastest, x - k->x);
  }
  EXPECT_FLOAT_EQ(k->speed, k->topSpeed) << "0.02 a frame up to his top speed";
  EXPECT_NEAR(fastest, k->topSpeed, 1e-3);

  // Facing right he rides slower.
  Load({"1000,447,86,,,,,,,,"}, Floor());
  k = Awake(KnightList);
  k->direction = 1;
  HeroAt(1100, 440);
  Frames(1);
  EXPECT_GE(k->topSpeed, 3);
  EXPECT_LE(k->topSpeed, 5);
}

TEST_F(WatchingTest, ATrottingKnightRidesOffALedgeAndStandsAgainWhenLeftBehind) {
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

  CameraX = 5000;  // far behind the view: asleep, back to standing
  Frames(2);
  EXPECT_EQ(k->state, EnemyState::Asleep);
  EXPECT_EQ(k->Phase(), KnightPhase::Standing);
  EXPECT_FLOAT_EQ(k->speed, 0);
}

TEST_F(WatchingTest, AKnightStampedOnWhileTrottingFallsWithoutASound) {
  Load({"1000,447,86,,,,,,,,"}, Floor());
  TKnight* k = Awake(KnightList);
  k->mode = static_cast<int>(KnightPhase::Trotting);
  k->topSpeed = 0;
  Hush(Sfx::BeeHit);
  HeroAt(1000, 447 - 40);  // his feet on the rider
  DashFlag = 1;
  int score = Score;
  Frames(1);
  EXPECT_EQ(k->state, EnemyState::Falling);
  EXPECT_EQ(Score, score + 350);
  EXPECT_FALSE(Sounding(Sfx::BeeHit));

  // Standing, any dash into him beats him with the usual sound.
  Load({"1000,447,86,,,,,,,,"}, Floor());
  k = Awake(KnightList);
  k->direction = 0;
  HeroAt(1030, 447 - 5);  // at the horse's flank, behind him
  DashFlag = 1;
  Frames(1);
  EXPECT_EQ(k->state, EnemyState::Falling);
  EXPECT_TRUE(Sounding(Sfx::BeeHit));

  // A plain touch throws the hero away from him and hurts.
  Load({"1000,447,86,,,,,,,,"}, Floor());
  k = Awake(KnightList);
  k->direction = 0;
  HeroAt(1030, 447 - 5);
  Frames(1);
  EXPECT_EQ(Health, 4);
  EXPECT_FLOAT_EQ(P_YS, -2);
  EXPECT_FLOAT_EQ(P_XS, 4);
}

// ---------------------------------------------------------------------------
// The starfish.

TEST_F(WatchingTest, AStarfishKicksAtMostEveryFourSecondsAndThenWalksAtTwo) {
  Load({"400,447,76,,,,,,,,"}, Floor());
  TStarfish* s = Awake(StarfishList);
  HeroAt(700, 440);
  s->direction = 0;
  Hush(Sfx::StarfishKick);
  int kick = FramesUntil([&] { return s->Phase() == StarfishPhase::Kicked; }, 400);
  EXPECT_GE(kick, 238) << "4000 ms from waking";
  EXPECT_LE(kick, 242);
  EXPECT_TRUE(Sounding(Sfx::StarfishKick));
  EXPECT_EQ(s->direction, 1) << "at the hero";
  EXPECT_GE(s->speed, 5);
  EXPECT_LE(s->speed, 10);

  int land = FramesUntil([&] { return s->Phase() == StarfishPhase::Walking; }, 400);
  ASSERT_LE(land, 400);
  EXPECT_FLOAT_EQ(s->speed, 2);
  EXPECT_NEAR(s->y, 447, 0.01);
  int next = FramesUntil([&] { return s->Phase() == StarfishPhase::Kicked; }, 400);
  EXPECT_GE(next, 238) << "4000 ms after landing, not sooner";
}

TEST_F(WatchingTest, AStarfishOutOfViewDoesNotKick) {
  Load({"950,447,76,,,,,,,,"}, Floor());
  TStarfish* s = Awake(StarfishList);
  CameraX = 0;  // it stays awake 150 px past the view
  s->speed = 0;
  HeroAt(700, 440);
  Frames(600);
  EXPECT_EQ(s->Phase(), StarfishPhase::Walking);
  CameraX = 300;  // now it can be seen
  Frames(2);
  EXPECT_EQ(s->Phase(), StarfishPhase::Kicked);
}

TEST_F(WatchingTest, AKickedStarfishStrikesWallsBackAndHurtsTwice) {
  auto blocks = Floor();
  for (int y = 256; y < 448; y += 32) blocks.push_back({640, y, 0});
  for (int y = 256; y < 448; y += 32) blocks.push_back({160, y, 0});
  Load({"400,447,76,,,,,,,,"}, blocks);
  TStarfish* s = Awake(StarfishList);
  s->mode = static_cast<int>(StarfishPhase::Kicked);
  s->direction = 1;
  s->speed = 8;
  s->ySpeed = -4;
  Hush(Sfx::StarfishCollide);
  int hit = FramesUntil([&] { return s->Phase() == StarfishPhase::Spinning; }, 100);
  ASSERT_LE(hit, 100);
  EXPECT_EQ(s->direction, 0);
  EXPECT_FLOAT_EQ(s->speed, 4);
  EXPECT_NEAR(s->ySpeed, -3, 0.11);
  EXPECT_TRUE(Sounding(Sfx::StarfishCollide));
  EXPECT_LT(s->x, 640 - 28 + 8) << "it does not fly into the wall";

  // The left wall throws it higher.
  s->mode = static_cast<int>(StarfishPhase::Kicked);
  s->y = 400;
  s->speed = 8;
  s->ySpeed = -4;
  FramesUntil([&] { return s->direction == 1; }, 200);
  EXPECT_FLOAT_EQ(s->speed, 4);
  EXPECT_NEAR(s->ySpeed, -4, 0.11);

  // Kicked off it hurts 2, walking 1; either way the hero is pushed away.
  Load({"400,447,76,,,,,,,,"}, Floor());
  s = Awake(StarfishList);
  s->speed = 0;
  s->mode = static_cast<int>(StarfishPhase::Kicked);
  s->y = 400;  // in flight
  s->ySpeed = -1;
  HeroAt(390, 395);
  Frames(1);
  EXPECT_EQ(Health, 3);
  EXPECT_FLOAT_EQ(P_XS, -3);
  Load({"400,447,76,,,,,,,,"}, Floor());
  s = Awake(StarfishList);
  s->speed = 0;
  HeroAt(410, 440);
  Frames(1);
  EXPECT_EQ(Health, 4);
  EXPECT_FLOAT_EQ(P_XS, 3);
}

// ---------------------------------------------------------------------------
// The wompth.

TEST_F(WatchingTest, AFallingWompthKillsAtAnyHealth) {
  Load({"400,200,96,,,,,,,,"}, Floor());
  TWompth* w = Awake(WompthList);
  Health = MaxHealth;
  HeroAt(420, 440);
  int frames = FramesUntil([&] { return PlayerState == 2; }, 100);
  EXPECT_LE(frames, 100) << "the hero was not crushed";
  EXPECT_LE(Health, 0);
  EXPECT_EQ(w->Phase(), WompthPhase::Dropping);
  EXPECT_GT(P_YS, 6) << "sent down at the wompth's own speed";
}

TEST_F(WatchingTest, AWompthDropsOnlyOnAHeroBeneathIt) {
  Load({"400,200,96,,,,,,,,"}, Floor());
  TWompth* w = Awake(WompthList);
  for (auto [x, y] : {std::pair{464.0f, 440.0f}, {336.0f, 440.0f}, {420.0f, 199.0f}, {420.0f, 801.0f}}) {
    HeroAt(x, y);
    Frames(1);
    EXPECT_EQ(w->Phase(), WompthPhase::Waiting) << x << "," << y;
  }
  HeroAt(463, 799);
  Frames(1);
  EXPECT_EQ(w->Phase(), WompthPhase::Dropping);
  float y = w->y;
  Frames(1);
  EXPECT_FLOAT_EQ(w->y, y + 6);
  EXPECT_FLOAT_EQ(w->ySpeed, 6 + 0.2f);
}

TEST_F(WatchingTest, AWompthLandsWithAThumpRestsAndRisesBackToItsPost) {
  auto blocks = Floor();
  // A wall of stacked blocks whose side its feet brush on the way down: it
  // must not stop on any of them.
  for (int y = 0; y < 448; y += 32) blocks.push_back({416, y, 0});
  Load({"400,100,96,,,,,,,,"}, blocks);
  TWompth* w = Awake(WompthList);
  HeroAt(380, 440);
  Frames(1);
  ASSERT_EQ(w->Phase(), WompthPhase::Dropping);
  HeroAway();
  StopScreenShake();
  int land = FramesUntil([&] { return w->Phase() == WompthPhase::Landed; }, 200);
  ASSERT_LE(land, 200);
  EXPECT_FLOAT_EQ(w->y, 447) << "on the floor's top";
  EXPECT_EQ(ShakeOn, 1);
  // (Its wide base would keep it climbing the wall while it rests.)
  std::erase_if(CollisionBlocks, [](const TCollisionBlock& b) { return b.x == 416; });
  int rest = FramesUntil([&] { return w->Phase() == WompthPhase::Rising; }, 300);
  EXPECT_GE(rest, 119) << "2000 ms on the ground";
  EXPECT_LE(rest, 122);
  int rise = FramesUntil([&] { return w->Phase() == WompthPhase::Waiting; }, 300);
  EXPECT_NEAR(rise, (447 - 100) / 2, 2) << "2 pixels a frame";
  EXPECT_FLOAT_EQ(w->y, 100);
}

}  // namespace
