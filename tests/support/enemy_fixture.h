// A fixture for the enemy kinds' suites: a small level written by the test,
// the view at the origin, the hero placed by hand, and the enemy pass run
// with the virtual clock moving as the level's would.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "enemies/enemy.h"
#include "enemies/enemy_pass.h"
#include "present/present.h"
#include "support/test_support.h"
#include "world/assets.h"
#include "world/camera.h"
#include "world/level_loader.h"
#include "world/level_reset.h"
#include "world/player_state.h"
#include "world/progress.h"
#include "world/settings.h"
#include "world/sound_effects.h"

namespace test {

// Counts how often its link is fired.
class LinkListener : public TTriggerable {
 public:
  int fired = 0;
  void Trigger() override { ++fired; }
};

template <class T>
std::vector<T*> All(EntityList<T>& list) {
  std::vector<T*> all;
  list.Walk([&](T& e) { all.push_back(&e); });
  return all;
}

template <class T>
T* First(EntityList<T>& list) {
  auto all = All(list);
  return all.empty() ? nullptr : all.front();
}

class EnemyKindTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetSettingsToDefaults();
    StartHeadless(dir_.str());
    // The kinds take their sizes from their pictures, and some tests listen
    // for their sounds.
    static bool loaded = false;
    if (!loaded) {
      LoadCatalogue();
      std::string data = Options.dataDir;
      Options.dataDir = BOINGLE_GAME_DIR;
      EXPECT_TRUE(LoadSoundEffects().empty());
      Options.dataDir = data;
    }
    loaded = true;
    SeedRnd(7);
  }
  void TearDown() override { ResetLevel(); }

  // The level: a start, the given active lines and blocks.
  void Load(const std::vector<std::string>& actives, const std::vector<Block>& blocks = {}) {
    std::vector<std::string> lines = {"100,100,120,,,,,,,,"};
    lines.insert(lines.end(), actives.begin(), actives.end());
    WriteLevel(dir_, "kinds.doy", LevelText(0, blocks, lines));
    ASSERT_TRUE(LoadLevel("kinds.doy"));
    CameraX = CameraY = 0;
    PlayerState = 0;
    Health = 5;
    DashFlag = 0;
    P_XS = P_YS = 0;
    HeroAway();
  }
  // Listens to link `id` from now on.
  std::shared_ptr<LinkListener> Listen(int id) {
    auto l = std::make_shared<LinkListener>();
    l->link = id;
    TriggerList.Add(l);
    return l;
  }
  // The hero far from everything, so a test places him where it needs him.
  static void HeroAway() { HeroAt(-5000, -5000); }
  static void HeroAt(float x, float y) {
    P_X = x;
    P_Y = y;
    UpdateProbes();
  }
  // The enemy pass, then the clock's step to the next frame.
  static void Frames(int n) {
    for (int i = 0; i < n; ++i) {
      UpdateEnemies();
      Flip(1);
    }
  }
  // Frames until `done` holds (at most `limit`); the number run.
  template <class F>
  static int FramesUntil(F&& done, int limit) {
    int n = 0;
    while (!done() && n < limit) {
      Frames(1);
      ++n;
    }
    return n;
  }
  static bool Playing(int sfx) { return ChannelPlaying(SoundChannels[sfx]) != 0; }
  // Milliseconds as whole frames of the virtual clock (60 a second).
  static int FramesFor(int ms) { return ms * 60 / 1000; }

  TempDir dir_;
};

}  // namespace test
