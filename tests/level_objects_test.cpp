// The two forest levels as a showcase of the level's objects, what the enemy
// levels keep, and the object behaviours the other suites leave out.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "enemies/bat.h"
#include "enemies/bee_hive.h"
#include "enemies/bucket.h"
#include "enemies/mole.h"
#include "enemies/wizard.h"
#include "entities/active_objects.h"
#include "entities/gravity_zone.h"
#include "entities/items.h"
#include "entities/light_zone.h"
#include "entities/message_point.h"
#include "world/particles.h"
#include "entities/screen_shake.h"
#include "entities/tv_zone.h"
#include "world/settings.h"
#include "present/state_dump.h"
#include "support/test_support.h"
#include "world/level_boxes.h"
#include "world/level_loader.h"
#include "world/level_reset.h"

namespace {

// What one level holds, counted right after loading it.
struct Census {
  std::map<std::string, int> count;
  std::set<int> hints;  // message numbers of the level's message points
  std::set<int> buttonTypes;
  int hiddenCoins = 0;
};

bool HasBox(const TLevelBox& b) { return b.left != kNoBoxEdge && b.left < b.right; }

Census Take(const char* level) {
  ResetLevel();
  LoadLevel(level);
  Census c;
  c.count["spring"] = static_cast<int>(SpringList.Size());
  c.count["fan"] = static_cast<int>(FanList.Size());
  c.count["teleport"] = static_cast<int>(TeleportList.Size());
  c.count["moving block"] = static_cast<int>(MovingBlockList.Size());
  c.count["water"] = static_cast<int>(WaterList.Size());
  c.count["breakable block"] = static_cast<int>(BlockList.Size());
  c.count["falling platform"] = static_cast<int>(FallingBlockList.Size());
  c.count["spikes"] = static_cast<int>(SpikesList.Size());
  c.count["trigger zone"] = static_cast<int>(TriggerZoneList.Size());
  c.count["coin"] = static_cast<int>(CoinList.Size());
  c.count["statue"] = static_cast<int>(StatueList.Size());
  c.count["message point"] = static_cast<int>(MessagePoints.Size());
  c.count["shake zone"] = static_cast<int>(ShakeZones.Size());
  c.count["tv zone"] = static_cast<int>(TVZones.size());
  c.count["light zone"] = static_cast<int>(LightZones.size());
  c.count["gravity zone"] = static_cast<int>(GravityZones.size());
  c.count["exit"] = HasBox(LevelExitBox);
  c.count["warp box"] = HasBox(WarpBox);
  c.count["secret box"] = HasBox(SecretBox);
  c.count["timer gates"] = HasBox(TimerStartGate) && HasBox(TimerFinishGate);
  int small = 0, big = 0;
  HealthPackList.Walk([&](THealthPack& p) { (dynamic_cast<TSmallHealth*>(&p) ? small : big) += 1; });
  c.count["small health"] = small;
  c.count["big health"] = big;
  ButtonList.Walk([&](TButton& b) { c.buttonTypes.insert(b.kind); });
  CoinList.Walk([&](TCoin& coin) { c.hiddenCoins += coin.hidden != 0; });
  MessagePoints.Walk([&](TMessagePoint& m) { c.hints.insert(m.message); });
  return c;
}

class ForestLevelsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetSettingsToDefaults();
    test::StartHeadless(dir_.str());
  }
  void TearDown() override { ResetLevel(); }
  test::TempDir dir_;
};

TEST_F(ForestLevelsTest, BetweenThemTheyHoldEveryKindOfObject) {
  Census tut = Take("lev_tut.doy");
  Census forest = Take("lev_forest_1.doy");
  for (const auto& [kind, n] : tut.count)
    EXPECT_GT(n + forest.count[kind], 0) << "neither forest level has a " << kind;
  std::set<int> types = tut.buttonTypes;
  types.insert(forest.buttonTypes.begin(), forest.buttonTypes.end());
  EXPECT_EQ(types, (std::set<int>{0, 1, 2})) << "a toggle, a one-shot and a timed button";
  EXPECT_GT(tut.hiddenCoins + forest.hiddenCoins, 0);
  // Forest I keeps the timed run, the secret and its three statues.
  EXPECT_EQ(forest.count["timer gates"], 1);
  EXPECT_EQ(forest.count["secret box"], 1);
  EXPECT_EQ(forest.count["statue"], 3);
}

// Forest II and Ghost I each keep a timed run, a secret and three statues,
// and the new enemies where they belong: bees from hives and moles in the
// forest, bats in the ghost caves, a bucket and a wizard in both.
TEST_F(ForestLevelsTest, TheEnemyLevelsKeepTheirExtrasAndTheirEnemies) {
  for (const char* level : {"lev_forest_2.doy", "lev_ghost_1.doy"}) {
    Census c = Take(level);
    EXPECT_EQ(c.count["timer gates"], 1) << level;
    EXPECT_EQ(c.count["secret box"], 1) << level;
    EXPECT_EQ(c.count["statue"], 3) << level;
    EXPECT_GT(c.count["falling platform"] + c.count["spring"] + c.count["trigger zone"], 0) << level;
    EXPECT_GT(BucketList.Size(), 0u) << level;
    EXPECT_GT(WizardList.Size(), 0u) << level;
    if (std::string(level) == "lev_forest_2.doy") {
      EXPECT_GT(BeeHiveList.Size(), 0u);
      EXPECT_GT(MoleList.Size(), 0u);
    } else {
      EXPECT_GE(BatList.Size(), 3u);
    }
  }
}

TEST_F(ForestLevelsTest, TheTutorialGivesEveryHint) {
  Census tut = Take("lev_tut.doy");
  for (int hint = 50; hint <= 58; ++hint) EXPECT_TRUE(tut.hints.count(hint)) << "no point for hint " << hint;
  // A point listening to link 0 would open whenever any coin is taken.
  MessagePoints.Walk([](TMessagePoint& m) { EXPECT_NE(m.link, 0) << "hint " << m.message; });
}

TEST_F(ForestLevelsTest, TheStateDumpCountsEveryList) {
  Census tut = Take("lev_tut.doy");
  std::string json = StateJson();
  auto has = [&](const std::string& key, int n) {
    EXPECT_NE(json.find("\"" + key + "\": " + std::to_string(n) + ","), std::string::npos) << key << " in " << json;
  };
  has("CoinList", tut.count["coin"]);
  has("MessagePoints", tut.count["message point"]);
  has("SpringList", tut.count["spring"]);
  has("BlockList", tut.count["breakable block"]);
  has("LightZones", tut.count["light zone"]);
  has("StatuesFound", 0);
  has("TallyState", 0);
}

TEST(ParticleLife, ASparkleIsDrawnTwentyFramesAndGoneInTheNext) {
  ParticleList.clear();
  EmitSparkle(400, 300, 1);
  int passes = 0;
  while (!ParticleList.empty() && passes < 100) {
    ParticlePass();
    ++passes;
  }
  EXPECT_EQ(passes, 21);
}

}  // namespace
