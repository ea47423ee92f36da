// A room for the enemy kinds' tests: a level made of the test's own blocks
// and enemy lines, the hero put wherever a test wants him, and the enemy pass
// run frame by frame on the headless clock (1000/60 ms a frame, as in play).
#pragma once

#include <gtest/gtest.h>

#include <functional>
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
#include "world/particles.h"
#include "world/player_state.h"
#include "world/progress.h"
#include "world/settings.h"
#include "world/sound_effects.h"

namespace test {

// Counts how often its link fires, and can look around when it does.
class LinkListener : public TTriggerable {
 public:
  int fired = 0;
  std::function<void()> onFire;
  void Trigger() override {
    ++fired;
    if (onFire) onFire();
  }
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

class EnemyRoom : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetSettingsToDefaults();
    StartHeadless(dir_.str());
    // Enemies take their sizes from their pictures; the tests listen for
    // their sounds.
    static bool loaded = false;
    if (!loaded) {
      LoadCatalogue();
      LoadSoundEffects();
    }
    loaded = true;
    SeedRnd(7);
  }
  void TearDown() override { ResetLevel(); }

  // A level of `blocks` and enemy lines, the view at the origin, the hero
  // healthy, far away and facing right.
  void Load(const std::vector<std::string>& enemies, const std::vector<Block>& blocks = {},
            int area = 0) {
    std::vector<std::string> lines = {"100,100,120,,,,,,,,"};
    lines.insert(lines.end(), enemies.begin(), enemies.end());
    WriteLevel(dir_, "room.doy", LevelText(area, blocks, lines));
    ASSERT_TRUE(LoadLevel("room.doy"));
    CameraX = CameraY = 0;
    PlayerState = 0;
    Health = 5;
    DashFlag = 0;
    Facing = 0;
    P_XS = P_YS = 0;
    HeroAway();
  }
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
  // Runs frames until `done` holds or `limit` frames have passed; returns
  // the frames it took (limit + 1 when it never held).
  static int FramesUntil(const std::function<bool()>& done, int limit) {
    for (int n = 1; n <= limit; ++n) {
      Frames(1);
      if (done()) return n;
    }
    return limit + 1;
  }
  // Effect `index` silenced, to hear whether the next frames play it.
  static void Hush(int index) { StopChannel(SoundChannels[index]); }
  static bool Sounding(int index) { return ChannelPlaying(SoundChannels[index]) != 0; }
  // A listener on `link`, joined to the level's link list.
  static std::shared_ptr<LinkListener> Listen(int link) {
    auto l = std::make_shared<LinkListener>();
    l->link = link;
    TriggerList.Add(l);
    return l;
  }
  TempDir dir_;
};

}  // namespace test
