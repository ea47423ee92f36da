// The test rooms of tests/levels/: one per group of enemy kinds, played in
// the real level loop. Every kind in them must be drawn and be seen to move
// or change its picture within the first seconds, and a long run of random
// keys over each room must end without a fault (the sanitizer build runs it
// too).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "enemies/blowfish.h"
#include "enemies/flameguy.h"
#include "enemies/ghost.h"
#include "enemies/goat.h"
#include "enemies/ickle.h"
#include "enemies/knight.h"
#include "enemies/rock_guy.h"
#include "enemies/starfish.h"
#include "enemies/walking_fan.h"
#include "enemies/wompth.h"
#include "frame/game_loop.h"
#include "support/enemy_room.h"
#include "world/game_state.h"

namespace {

// The rooms compiled by the forge from their sources, once for the suite.
const test::TempDir& Rooms() {
  static test::TempDir dir;
  static bool made = false;
  if (!made) {
    std::string cmd = std::string(BOINGLE_FORGE) +
                      " --stage levels --content " BOINGLE_SOURCE_DIR "/tests --out " + dir.str() +
                      " > /dev/null";
    EXPECT_EQ(std::system(cmd.c_str()), 0);
    made = true;
  }
  return dir;
}

// What a kind looks like now: its pictures and where it is.
struct Sight {
  bool drawn = false;
  std::tuple<float, float, int, int> pose{};  // x, y, phase, picture
};

struct KindWatch {
  const char* name;
  std::vector<Image**> pictures;
  // The first of the kind now, or null.
  std::function<TEnemy*()> first;
};

template <class T>
std::function<TEnemy*()> FirstOf(EntityList<T>& list) {
  return [&list]() -> TEnemy* { return test::First(list); };
}

std::vector<KindWatch> WatchingKinds() {
  return {
      {"ghost", {&ImgGhostFly, &ImgGhostFade}, FirstOf(GhostList)},
      {"goat", {&ImgGoatRun, &ImgGoatSkid}, FirstOf(GoatList)},
      {"knight", {&ImgKnightTrot, &ImgKnightGetup}, FirstOf(KnightList)},
      {"starfish", {&ImgStarfishWalk, &ImgStarfishKick, &ImgStarfishSpin}, FirstOf(StarfishList)},
      {"wompth", {&ImgWompthLook, &ImgWompthFall}, FirstOf(WompthList)}};
}

std::vector<KindWatch> TransformingKinds() {
  return {
      {"blowfish", {&ImgBlowfishSwim, &ImgBlowfishBlow}, FirstOf(BlowfishList)},
      {"walking fan", {&ImgFanWalk, &ImgFanPress, &ImgFanSpin}, FirstOf(WalkingFanList)},
      {"rock guy", {&ImgRockGuyWalk, &ImgRockGuyJump}, FirstOf(RockGuyList)},
      {"flameguy", {&ImgFlameguyFloat}, FirstOf(FlameguyList)},
      {"ickle", {&ImgFlameguyIckle1, &ImgFlameguyIckle2, &ImgFlameguyIckle3}, FirstOf(IckleList)}};
}

class EnemyRoomsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetSettingsToDefaults();
    Rooms();
  }
  void TearDown() override { ResetLevel(); }

  // The room played from its start with `script` until frame `budget`; a
  // hero who dies starts the room again. Returns the frames presented.
  static long Play(const std::string& room, const std::string& script, long budget) {
    test::StartHeadless(Rooms().str(), script, budget);
    static bool loaded = false;
    if (!loaded) LoadCatalogue();
    loaded = true;
    SeedRnd(5);
    try {
      for (int runs = 0; runs < 1000; ++runs) {
        if (!LoadLevel(room)) return 0;
        RunLevelFrames();
        ResetLevel();
      }
    } catch (const EndOfRun&) {
    }
    return FramesPresented();
  }

  // Every kind drawn at some moment of the first `frames` frames (sampled
  // every `step`), and seen in more than one pose (place, phase or
  // picture).
  static void ExpectAlive(const std::string& room, const std::string& script,
                          const std::vector<KindWatch>& kinds, long frames, long step) {
    std::map<std::string, std::set<std::tuple<float, float, int, int>>> poses;
    std::set<std::string> drawn;
    for (long budget = step; budget <= frames; budget += step) {
      ASSERT_EQ(Play(room, script, budget), budget) << room;
      for (const KindWatch& k : kinds) {
        for (const DrawRecord& d : LastFrameDraws())
          for (Image** p : k.pictures)
            if (d.kind == DrawKind::Image && d.image == *p) drawn.insert(k.name);
        if (TEnemy* e = k.first()) poses[k.name].insert({e->x, e->y, e->mode, e->frame});
      }
    }
    for (const KindWatch& k : kinds) {
      EXPECT_TRUE(drawn.count(k.name)) << k.name << " was never drawn in " << room;
      EXPECT_GE(poses[k.name].size(), 2u) << k.name << " never moved in " << room;
    }
  }

  // Random keys: the arrows, Attack and Space pressed and let go at random
  // moments, never Escape or the console.
  static std::string RandomKeys(unsigned seed, long frames) {
    std::mt19937 rng(seed);
    const char* keys[] = {"LEFT", "RIGHT", "UP", "DOWN", "S", "SPACE"};
    std::ostringstream script;
    for (long f = 1; f < frames;) {
      script << f << (rng() % 2 ? " down " : " up ") << keys[rng() % 6] << "\n";
      f += 1 + static_cast<long>(rng() % 25);
    }
    return script.str();
  }

  static void ExpectSane(const std::string& room) {
    EnemyList.Walk([&](TEnemy& e) {
      EXPECT_TRUE(std::isfinite(e.x) && std::isfinite(e.y)) << e.info->className << " in " << room;
      EXPECT_TRUE(std::isfinite(e.speed) && std::isfinite(e.ySpeed))
          << e.info->className << " in " << room;
    });
    EXPECT_LT(IckleList.Size(), 60u) << "the Ickles keep dying";
  }
};

// Once the title card lets go of the keys (after about a second), the hero
// bounces left to the knight's far side, then right past him, so the knight
// has him in front whichever way he faces; he stays clear of the column
// under the wompth.
TEST_F(EnemyRoomsTest, EveryWatchingKindIsAliveInItsRoom) {
  ExpectAlive("enemies_watching.doy", "70 down LEFT\n130 up LEFT\n160 down RIGHT\n220 up RIGHT\n",
              WatchingKinds(), 360, 30);
}

TEST_F(EnemyRoomsTest, EveryTransformingKindIsAliveInItsRoom) {
  ExpectAlive("enemies_burning.doy", "", TransformingKinds(), 300, 30);
}

TEST_F(EnemyRoomsTest, RandomKeysOverTheRoomsForTwentyThousandFrames) {
  for (const char* room : {"enemies_watching.doy", "enemies_burning.doy", "every_kind.doy"}) {
    EXPECT_EQ(Play(room, RandomKeys(11, 20000), 20000), 20000) << room;
    ExpectSane(room);
  }
}

}  // namespace
