// The small enemy kinds: the three harmless sprites of the retro game, the
// ball, the biddie, the cactus, the lava guy, the rolling rock, and the comets
// of the comet zones; then all of them alive on their own level, watched
// through the recorded draws and played at random.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "enemies/ball.h"
#include "enemies/biddie.h"
#include "enemies/cactus.h"
#include "enemies/comet.h"
#include "enemies/comet_zone.h"
#include "enemies/enemy.h"
#include "enemies/enemy_pass.h"
#include "enemies/invader.h"
#include "enemies/lavaguy.h"
#include "enemies/mushroom.h"
#include "enemies/rock.h"
#include "enemies/scruff.h"
#include "entities/level_completion.h"
#include "entities/screen_shake.h"
#include "frame/game_loop.h"
#include "player/object_hooks.h"
#include "present/present.h"
#include "support/test_support.h"
#include "world/assets.h"
#include "world/camera.h"
#include "world/game_state.h"
#include "world/level_loader.h"
#include "world/level_reset.h"
#include "world/particles.h"
#include "world/player_state.h"
#include "world/progress.h"
#include "world/settings.h"
#include "world/sound_effects.h"

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

std::string Line(int x, int y, int code, const std::string& rest = "0,,,,,,,") {
  return std::to_string(x) + "," + std::to_string(y) + "," + std::to_string(code) + "," + rest;
}

// A closed box of solid blocks: walls two blocks thick at x0 and x1, floor
// and ceiling at y0 and y1.
std::vector<test::Block> Box(int x0, int y0, int x1, int y1) {
  std::vector<test::Block> b = test::BlockRow(x0, x1, y0);
  auto floor = test::BlockRow(x0, x1, y1);
  b.insert(b.end(), floor.begin(), floor.end());
  for (int y = y0 + 32; y < y1; y += 32) {
    b.push_back({x0, y, 0});
    b.push_back({x1, y, 0});
  }
  return b;
}

class SmallEnemyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetSettingsToDefaults();
    test::StartHeadless(dir_.str());
    static bool loaded = false;
    if (!loaded) LoadCatalogue();
    loaded = true;
    SeedRnd(11);
    TallyState = 0;
  }
  void TearDown() override { ResetLevel(); }

  void Load(const std::vector<std::string>& lines, const std::vector<test::Block>& blocks = {}) {
    std::vector<std::string> all = {"100,100,120,,,,,,,,"};
    all.insert(all.end(), lines.begin(), lines.end());
    test::WriteLevel(dir_, "small.doy", test::LevelText(0, blocks, all));
    ASSERT_TRUE(LoadLevel("small.doy"));
    CameraX = CameraY = 0;
    PlayerState = 0;
    Health = 5;
    DashFlag = 0;
    P_XS = P_YS = 0;
    StopScreenShake();
    HeroAt(-5000, -5000);
  }
  static void HeroAt(float x, float y) {
    P_X = x;
    P_Y = y;
    UpdateProbes();
  }
  static void Frames(int n) {
    for (int i = 0; i < n; ++i) {
      UpdateEnemies();
      Flip(1);
    }
  }
  // Awake now, at the hero's current place.
  static void Wake() { Frames(1); }
  void LoadSounds() {
    std::string data = Options.dataDir;
    Options.dataDir = BOINGLE_GAME_DIR;
    ASSERT_TRUE(LoadSoundEffects().empty());
    Options.dataDir = data;
  }
  static bool Heard(int sfx) {
    bool playing = ChannelPlaying(SoundChannels[sfx]) != 0;
    StopChannel(SoundChannels[sfx]);
    return playing;
  }
  test::TempDir dir_;
};

// ---------------------------------------------------------------------------
// The three harmless sprites.

TEST_F(SmallEnemyTest, TheHarmlessThreeNeverHurtAndAreNeverRemoved) {
  Load({Line(300, 300, 80), Line(400, 300, 81), Line(500, 300, 82)}, Box(200, 200, 640, 448));
  Frames(2);
  // Dashing into each of them or just bouncing through, for a long while.
  for (int i = 0; i < 900; ++i) {
    TEnemy* target = nullptr;
    EnemyList.Walk([&](TEnemy& e) {
      if (e.kind == 60 + (i / 10) % 3) target = &e;
    });
    ASSERT_NE(target, nullptr);
    HeroAt(target->x + 10, target->y + 20);
    DashFlag = i % 2;
    Frames(1);
    ASSERT_EQ(DashFlag, i % 2) << "a dash was spent on a harmless one";
  }
  EXPECT_EQ(Health, 5);
  EXPECT_EQ(PlayerState, 0);
  EXPECT_EQ(EnemyList.Size(), 3u);
}

TEST_F(SmallEnemyTest, TheHarmlessThreeMoveTheirOwnWays) {
  // The scruff, two pixels from a wall and drifting into it, bounces off.
  Load({Line(414, 300, 80)}, Box(192, 192, 448, 512));
  TScruff* s = First(ScruffList);
  s->vx = s->vy = 2;
  Frames(9);  // awake, and one step a little over 100 ms later
  EXPECT_FLOAT_EQ(s->x, 414) << "back where it was";
  EXPECT_FLOAT_EQ(s->y, 302);
  EXPECT_FLOAT_EQ(s->vx, -2);
  for (int i = 0; i < 3600; ++i) {
    Frames(1);
    ASSERT_TRUE(s->x >= 222 && s->x + 32 <= 450 && s->y >= 222 && s->y + 32 <= 514)
        << "left its box";
  }

  // The mushroom turns at the wall at the left end of its shelf, walks off
  // the open end (its feet, 8 to 24 pixels in, leave it past x 408) and
  // lands on the floor below.
  auto blocks = test::BlockRow(224, 384, 384);
  blocks.push_back({224, 352, 0});
  auto floor = test::BlockRow(0, 800, 512);
  blocks.insert(blocks.end(), floor.begin(), floor.end());
  Load({Line(300, 352, 81)}, blocks);
  TMushroom* m = First(MushroomList);
  m->vx = -2;
  bool turned = false;
  for (int i = 0; i < 3000 && m->x <= 408; ++i) {
    Frames(1);
    turned |= m->vx > 0;
    if (m->x <= 408) {
      ASSERT_FLOAT_EQ(m->y, 352) << "stands on the shelf";
    }
  }
  EXPECT_TRUE(turned);
  Frames(600);
  EXPECT_LE(m->y + 32, 512);
  EXPECT_GE(m->y + 32, 512 - 4) << "landed on the floor";

  // The invader flies through a wall to hover over the hero, two pixels a
  // step, a step every seventh frame (more than 100 ms).
  Load({Line(100, 300, 82)}, test::BlockRow(300, 300, 320));
  TInvader* v = First(InvaderList);
  HeroAt(500.5f, 400);
  int moves = 0;
  for (int i = 0; i < 1800; ++i) {
    float x = v->x;
    Frames(1);
    ASSERT_LE(std::abs(v->x - x), 2.0f);
    if (i < 701) moves += v->x != x;
  }
  EXPECT_EQ(moves, 700 / 7);
  EXPECT_FLOAT_EQ(v->x + 11, 500.5f) << "settled, not hopping to and fro";
  EXPECT_FLOAT_EQ(v->y, 390);
}

// ---------------------------------------------------------------------------
// The ball.

TEST_F(SmallEnemyTest, ABallRollsAtTheHeroAndBouncesBackToItsHeight) {
  LoadSounds();
  Load({Line(400, 300, 73)}, Box(0, 0, 800, 448));
  TBall* b = First(BallList);
  HeroAt(100, 440);
  Frames(1);
  EXPECT_EQ(b->direction, 0) << "faces the hero";
  HeroAt(-5000, -5000);
  float highest = 1e9f, lowest = 0;
  int bounces = 0, heard = 0;
  for (int i = 0; i < 400; ++i) {
    float before = b->ySpeed;
    Frames(1);
    if (before > 0 && b->ySpeed < 0) ++bounces, heard += Heard(Sfx::BallBounce);
    if (bounces) highest = std::min(highest, b->y);
    lowest = std::max(lowest, b->y);
  }
  EXPECT_GE(bounces, 2);
  EXPECT_EQ(heard, bounces);
  EXPECT_NEAR(highest, 300, 0.5) << "back to the height it fell from";
  EXPECT_LE(lowest + 14, 448) << "sank into the floor";

  // One set down on the floor rolls along it, silent.
  Load({Line(400, 432, 73)}, test::BlockRow(0, 800, 448));
  b = First(BallList);
  for (int i = 0; i < 60; ++i) {
    Frames(1);
    ASSERT_FALSE(Heard(Sfx::BallBounce)) << "frame " << i;
  }
  EXPECT_FLOAT_EQ(b->y, 432);
}

TEST_F(SmallEnemyTest, ADashPopsABallAtOnceAndATouchSendsItBack) {
  auto listener = std::make_shared<Listener>();
  Load({Line(400, 300, 73, "0,,,,6,,,")});
  listener->link = 6;
  TriggerList.Add(listener);
  TBall* b = First(BallList);
  b->speed = 0;
  Frames(1);
  HeroAt(b->x, b->y + 10);
  DashFlag = 1;
  int score = Score;
  UpdateEnemies();
  EXPECT_EQ(EnemyList.Size(), 0u) << "no fall: gone in the same frame";
  EXPECT_EQ(DrawList.Size(), 0u);
  EXPECT_EQ(listener->fired, 1);
  EXPECT_EQ(Score - score, 500);
  EXPECT_FLOAT_EQ(P_YS, -5);
  EXPECT_EQ(Health, 5);

  // Rolling right at the hero, with a high wall behind it at x 192: a touch
  // hurts and sends it back, and that wall turns it again.
  auto blocks = test::BlockRow(0, 800, 448);
  for (int y = 224; y < 448; y += 32) blocks.push_back({192, y, 0});
  Load({Line(300, 432, 73)}, blocks);
  b = First(BallList);
  b->speed = 2;
  HeroAt(600, 440);
  Frames(1);
  ASSERT_EQ(b->direction, 1);
  HeroAt(b->x + 2, b->y + 20);
  P_XS = 4;
  UpdateEnemies();
  EXPECT_EQ(Health, 4);
  EXPECT_FLOAT_EQ(P_YS, -2);
  EXPECT_FLOAT_EQ(P_XS, 0);
  EXPECT_FLOAT_EQ(b->ySpeed, -4);
  EXPECT_EQ(b->direction, 0) << "rolls back";
  HeroAt(-5000, -5000);
  for (int i = 0; i < 300; ++i) {
    Frames(1);
    ASSERT_GT(b->x, 192 + 32) << "rolled into the wall behind it";
  }
  EXPECT_EQ(b->direction, 1) << "turned by the wall";
}

// ---------------------------------------------------------------------------
// The biddie, the cactus and the lava guy.

TEST_F(SmallEnemyTest, ABiddieStridesOnlyOnHerStrideFramesAndStandsAPixelUp) {
  Load({Line(400, 440, 100)}, test::BlockRow(0, 800, 448));
  TBiddie* b = First(BiddieList);
  b->direction = 1;
  Frames(2);  // awake, and the first step at her waking speed
  float start = b->x;
  for (int i = 0; i < 1280; ++i) {
    int shown = b->frame;
    float x = b->x;
    Frames(1);
    if (b->x != x) {
      ASSERT_TRUE(shown >= 21 && shown <= 28) << "moved on picture " << shown;
      ASSERT_NEAR(b->x - x, 0.15f, 1e-4f);
    }
  }
  // A picture every fourth frame (more than 50 ms): ten cycles of 32
  // pictures, eight of them strides.
  EXPECT_NEAR(b->x - start, 10 * 8 * 4 * 0.15, 0.7);
  EXPECT_FLOAT_EQ(b->y, 447);
}

TEST_F(SmallEnemyTest, ACactusJumpsAboutOnceInFourHundredFrames) {
  Load({Line(400, 447, 90)}, Box(0, 128, 800, 448));
  TCactus* c = First(CactusList);
  Frames(1);
  int jumps = 0;
  for (int i = 0; i < 40100; ++i) {  // a hundred times one chance in 401
    float before = c->ySpeed;
    UpdateEnemies();
    if (c->ySpeed < -1.5f && before >= 0) {
      ++jumps;
      ASSERT_TRUE(c->ySpeed >= -2.5f && c->ySpeed <= -2.0f) << c->ySpeed;
      ASSERT_TRUE(c->speed >= 0.5f && c->speed < 1.5f) << c->speed;
    }
    if (c->ySpeed == 0) {
      ASSERT_FLOAT_EQ(c->y, 447) << "stands a pixel above the floor";
    }
  }
  EXPECT_GT(jumps, 70);
  EXPECT_LT(jumps, 130);
}

TEST_F(SmallEnemyTest, ALavaGuyListensOnFieldFiveFacesTheHeroAndStompsOnlyAwake) {
  LoadSounds();
  // Field 5 is its link, field 9 is not read; no link reveals it.
  Load({Line(2000, 447, 84, "0,7,,,3,9,,"), Line(3000, 447, 84, "1,7,,,,,,")},
       test::BlockRow(0, 3200, 448));
  TLavaguy* g = First(LavaguyList);
  EXPECT_EQ(g->link, 7);
  EXPECT_EQ(g->target, 3);
  EXPECT_TRUE(g->speed >= 0.5f && g->speed < 1.0f) << g->speed;
  FireLink(7);
  int hidden = 0;
  LavaguyList.Walk([&](TLavaguy& e) { hidden += e.hidden; });
  EXPECT_EQ(hidden, 1);
  // Asleep, far from the view: no waddle, no stomp.
  for (int i = 0; i < 120; ++i) {
    Frames(1);
    ASSERT_FALSE(Heard(Sfx::LavaguyStep1) || Heard(Sfx::LavaguyStep2));
  }
  EXPECT_EQ(g->frame, 0);
  // Carried into view by hand, as nothing in the game moves a sleeper: the
  // enemy pass must be told, or it leaves the far sleeper filed where it was.
  g->x = 400;
  ObjectsMayHaveChanged();
  HeroAt(100, 440);
  Frames(1);
  EXPECT_EQ(g->direction, 0) << "faces the hero";
  int first = 0, second = 0;
  for (int i = 0; i < 40; ++i) {
    Frames(1);
    first += Heard(Sfx::LavaguyStep1);
    second += Heard(Sfx::LavaguyStep2);
  }
  EXPECT_GE(first, 1);
  EXPECT_GE(second, 1);
}

// ---------------------------------------------------------------------------
// The rolling rock.

TEST_F(SmallEnemyTest, ARockLandsWithAShakeSettlesAndTurnsAtWallsSlower) {
  Load({Line(480, 200, 79)}, Box(0, -1000, 960, 448));
  TRock* r = First(RockList);
  HeroAt(900, 440);
  Frames(1);
  EXPECT_EQ(r->direction, 1) << "rolls towards the hero";
  HeroAt(-5000, -5000);
  float landing = 0;
  for (int i = 0; i < 200 && landing == 0; ++i) {
    float before = r->ySpeed;
    Frames(1);
    if (before > 0 && r->ySpeed < 0) landing = before + 0.1f;
  }
  ASSERT_GT(landing, 0);
  EXPECT_NEAR(r->ySpeed, -0.75f * landing, 0.01f);
  EXPECT_EQ(ShakeOn, 1);
  EXPECT_EQ(ShakeAmplitude, 2);
  // It comes to rest on the floor, and the shaking stops.
  Frames(600);
  StopScreenShake();
  Frames(120);
  EXPECT_EQ(ShakeOn, 0) << "a resting rock keeps shaking the screen";
  EXPECT_FLOAT_EQ(r->y + 86, 448) << "rests on the floor, not over it";

  // Back and forth between the walls, a fifth slower at each.
  std::vector<float> speeds = {r->speed};
  int direction = r->direction;
  for (int i = 0; i < 3000 && speeds.size() < 3; ++i) {
    Frames(1);
    if (r->direction != direction) speeds.push_back(r->speed);
    direction = r->direction;
    ASSERT_TRUE(r->x - 85 > 29 && r->x + 85 < 963) << "rolled into a wall";
  }
  ASSERT_EQ(speeds.size(), 3u);
  EXPECT_FLOAT_EQ(speeds[1], speeds[0] * 0.8f);
  EXPECT_FLOAT_EQ(speeds[2], speeds[1] * 0.8f);
}

TEST_F(SmallEnemyTest, ADashBouncesOffTheRockUnhurtButATouchHurtsTwo) {
  Load({Line(400, 362, 79)}, test::BlockRow(0, 800, 448));  // resting on the floor
  TRock* r = First(RockList);
  r->speed = 0;
  Frames(1);
  // A dash onto its top, deep enough to be still inside it a frame later.
  HeroAt(400, r->y - 75 + 8);
  DashFlag = 1;
  int score = Score;
  UpdateEnemies();
  EXPECT_EQ(Score - score, 350);
  EXPECT_FLOAT_EQ(P_YS, -5);
  EXPECT_EQ(DashFlag, 0);
  for (int i = 0; i < 10; ++i) {
    P_YS += 0.2f;
    HeroAt(P_X, P_Y + P_YS);
    UpdateEnemies();
  }
  EXPECT_EQ(Health, 5) << "hurt on the way up from a dash";
  // Falling back onto it without a dash hurts, and pushes him away.
  HeroAt(380, r->y - 70);
  UpdateEnemies();
  EXPECT_EQ(Health, 3);
  EXPECT_FLOAT_EQ(P_YS, -5);
  EXPECT_FLOAT_EQ(P_XS, -3);
  EXPECT_EQ(r->state, EnemyState::Active) << "it never dies";
}

// ---------------------------------------------------------------------------
// Comet zones and comets.

TEST_F(SmallEnemyTest, CometsFallEveryIntervalWhileTheHeroIsInTheZoneOnly) {
  // A zone of 4 by 3 tiles at (320, 352), interval 500 ms, asked by the
  // hero's checks four times a frame.
  Load({Line(320, 352, 102, "500,,,,,,4,3")});
  CameraX = 100;
  CameraY = 50;
  auto frames = [](int n) {
    for (int i = 0; i < n; ++i) {
      for (int sub = 0; sub < 4; ++sub) PlayerObjectChecks();
      Flip(1);
    }
  };
  HeroAt(380, 440);
  frames(31 * 6 + 1);
  EXPECT_EQ(CometList.Size(), 6u) << "more than 500 ms: one every 31 frames";
  CometList.Walk([](TComet& c) {
    EXPECT_FLOAT_EQ(c.y, 50 - 100);
    EXPECT_TRUE(c.x >= 100 - 100 && c.x <= 100 + 1400) << c.x;
  });
  HeroAt(380, 300);  // above the zone
  frames(200);
  EXPECT_EQ(CometList.Size(), 6u) << "comets after leaving the zone";
}

TEST_F(SmallEnemyTest, ACometBurstsOnTheFirstBlockItsBoxMeetsFiringNoLink) {
  auto listener = std::make_shared<Listener>();  // a comet's target is 0
  Load({}, test::BlockRow(0, 1600, 448));
  TriggerList.Add(listener);
  HeroAt(-5000, 440);
  CameraX = 600;  // it starts beyond the wake margin, and falls all the same
  LaunchComet(1900, -100);
  TComet* c = First(CometList);
  EXPECT_EQ(c->direction, 0) << "drifts towards the hero";
  EXPECT_EQ(c->w, static_cast<int>(117 * c->size * 0.4f));
  ParticleList.clear();
  // The comet is gone once it bursts: only what was read while it lived.
  const int w = c->w;
  float lastY = c->y;
  for (int i = 0; i < 300 && CometList.Size() > 0; ++i) {
    lastY = c->y;
    Frames(1);
  }
  ASSERT_EQ(CometList.Size(), 0u);
  EXPECT_TRUE(lastY + w >= 448 - 6 && lastY + w < 448) << "burst at " << lastY;
  EXPECT_EQ(ShakeOn, 1);
  EXPECT_EQ(ShakeAmplitude, 5);
  EXPECT_EQ(listener->fired, 0);
  EXPECT_GE(ParticleList.size(), 20u) << "sparks and the smoke of its burst";

  // Over a pit it is let go, without a shake, once well below the view.
  Load({});
  LaunchComet(400, -100);
  c = First(CometList);
  for (int i = 0; i < 400 && CometList.Size() > 0; ++i) {
    lastY = c->y;
    Frames(1);
  }
  EXPECT_EQ(CometList.Size(), 0u);
  EXPECT_GT(lastY, 600 + 400 - 20) << "let go only well below the view";
  EXPECT_EQ(ShakeOn, 0);

  // One that meets the hero knocks him down hard and away, and costs 2.
  Load({});
  HeroAt(400, 300);
  LaunchComet(420, 250);
  c = First(CometList);
  UpdateEnemies();
  EXPECT_EQ(Health, 3);
  EXPECT_FLOAT_EQ(P_YS, 2 * c->ySpeed);
  EXPECT_FLOAT_EQ(P_XS, -3);
}

// ---------------------------------------------------------------------------
// Their level: every kind alive, and a long random play over it.

class SmallKindsLevelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetSettingsToDefaults();
    // The level source lives beside this test; the forge compiles it.
    std::filesystem::create_directories(dir_ / "content/levels");
    std::filesystem::copy_file(
        std::filesystem::path(BOINGLE_SOURCE_DIR) / "tests/levels/small_kinds.lvl",
        dir_ / "content/levels/small_kinds.lvl");
    std::string cmd = std::string(BOINGLE_FORGE) + " --stage levels --content " +
                      (dir_ / "content").string() + " --out " + dir_.str() + " > /dev/null";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    ASSERT_TRUE(std::filesystem::exists(dir_ / "Levels/small_kinds.doy"));
  }
  void TearDown() override { ResetLevel(); }

  // Plays the level until the budget ends the run; a level that ends first
  // (the hero lost) is loaded again.
  void Play(const std::string& script, long frames) {
    test::StartHeadless(dir_.str(), script, frames);
    LoadCatalogue();
    SeedRnd(5);
    for (;;) {
      ASSERT_TRUE(LoadLevel("small_kinds.doy"));
      try {
        RunLevelFrames();
      } catch (const EndOfRun&) {
        return;
      }
    }
  }
  // One more slice of play after the run has ended.
  static void More(long frames) {
    Options.frameBudget = FramesPresented() + frames;
    try {
      RunLevelFrames();
    } catch (const EndOfRun&) {
    }
  }
  test::TempDir dir_;
};

TEST_F(SmallKindsLevelTest, EveryKindIsDrawnAndMoves) {
  Play("", 60);
  // The pictures, once the run has loaded them.
  const std::map<const Image*, const char*> kinds = {
      {ImgScruff, "scruff"},          {ImgMushroom, "mushroom"}, {ImgInvader, "invader"},
      {ImgBallSpin, "ball"},          {ImgBiddieWalk, "biddie"}, {ImgCactusWalk, "cactus"},
      {ImgLavaguyWaddle, "lava guy"}, {ImgRockRoll, "rock"},     {ImgComet, "comet"}};
  std::map<const Image*, std::set<std::pair<int, int>>> places;
  std::map<const Image*, std::set<int>> pictures;
  std::map<const Image*, int> seen;
  const int slices = 40;
  for (int i = 0; i < slices; ++i) {
    More(12);
    std::set<const Image*> drawn;
    for (const DrawRecord& d : LastFrameDraws()) {
      if (d.kind != DrawKind::Image || !kinds.count(d.image)) continue;
      drawn.insert(d.image);
      places[d.image].insert(
          {static_cast<int>(std::lround(d.x * 4)), static_cast<int>(std::lround(d.y * 4))});
      pictures[d.image].insert(d.frame);
    }
    for (const Image* img : drawn) ++seen[img];
  }
  for (const auto& [img, name] : kinds) {
    if (img == ImgComet) {
      EXPECT_GT(seen[img], 0) << "no comet was drawn";
    } else {
      EXPECT_EQ(seen[img], slices) << name << " is not drawn every time";
    }
    EXPECT_GT(places[img].size(), 2u) << name << " does not move";
  }
  for (const Image* img : {ImgScruff, ImgMushroom, ImgInvader})
    EXPECT_GT(pictures[img].size(), 1u) << kinds.at(img) << " does not animate";
}

// Only the keys of play: the pause menu would end the level.
std::string RandomPlay(long frames, unsigned seed) {
  std::mt19937 rng(seed);
  const char* keys[] = {"LEFT", "RIGHT", "UP", "DOWN", "S"};
  std::string script;
  std::vector<bool> held(5, false);
  for (long f = 0; f < frames; f += 1 + static_cast<long>(rng() % 20)) {
    int k = static_cast<int>(rng() % 5);
    script += std::to_string(f) + (held[k] ? " up " : " down ") + keys[k] + "\n";
    held[k] = !held[k];
  }
  return script;
}

TEST_F(SmallKindsLevelTest, TwentyThousandFramesOfRandomPlayLeaveEveryKindSound) {
  const long frames = 20000;
  Play(RandomPlay(frames, 2024), frames);
  EXPECT_EQ(FramesPresented(), frames);
  // The harmless three and the rock are never removed; the rest stay where
  // a level can hold them.
  EXPECT_EQ(ScruffList.Size(), 1u);
  EXPECT_EQ(MushroomList.Size(), 1u);
  EXPECT_EQ(InvaderList.Size(), 1u);
  EXPECT_EQ(RockList.Size(), 1u);
  EXPECT_LT(CometList.Size(), 40u) << "comets pile up";
  EnemyList.Walk([](TEnemy& e) {
    EXPECT_TRUE(std::isfinite(e.x) && std::isfinite(e.y)) << e.info->className;
  });
}

}  // namespace
