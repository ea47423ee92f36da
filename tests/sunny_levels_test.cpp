// Desert I, Temple I and Beach I: the extras each keeps, the enemies and
// machinery it was made around, and its links wired so that nothing waits
// for a link nobody fires and no hint opens because a coin was taken.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

#include "enemies/ball.h"
#include "enemies/biddie.h"
#include "enemies/cactus.h"
#include "enemies/crab.h"
#include "enemies/enemy.h"
#include "enemies/ghost.h"
#include "enemies/mummy.h"
#include "enemies/mushroom.h"
#include "enemies/rock.h"
#include "enemies/scruff.h"
#include "enemies/starfish.h"
#include "enemies/wompth.h"
#include "entities/active_objects.h"
#include "entities/items.h"
#include "entities/message_point.h"
#include "support/test_support.h"
#include "world/asset_table.h"
#include "world/level_boxes.h"
#include "world/level_loader.h"
#include "world/level_reset.h"
#include "world/message_table.h"
#include "world/settings.h"

namespace {

struct SunnyLevel {
  const char* file;
  int secretMessage;  // 150 + the level's row on the map
  std::function<void()> expectItsOwn;
};

bool Overlaps(const TLevelBox& b, float x, float y, float w, float h) {
  return x < b.right && b.left < x + w && y < b.bottom && b.top < y + h;
}

class SunnyLevelsTest : public ::testing::TestWithParam<SunnyLevel> {
 protected:
  void SetUp() override {
    ResetSettingsToDefaults();
    test::StartHeadless(dir_.str());
    // The hints and the secret's picture are checked against the table the
    // game ships, which a headless start does not load by itself.
    ASSERT_TRUE(LoadMessageTable(BOINGLE_MESSAGES_PATH));
    ResetLevel();
    LoadLevel(GetParam().file);
  }
  void TearDown() override { ResetLevel(); }
  test::TempDir dir_;
};

TEST_P(SunnyLevelsTest, KeepsItsExtrasAndItsOwnCrowd) {
  EXPECT_NE(TimerStartGate.left, kNoBoxEdge);
  EXPECT_NE(TimerFinishGate.left, kNoBoxEdge);
  EXPECT_LT(TimerStartGate.right, TimerFinishGate.left) << "the run goes left to right";
  EXPECT_NE(SecretBox.left, kNoBoxEdge);
  std::set<int> statues;
  StatueList.Walk([&](TStatue& s) { statues.insert(s.index); });
  EXPECT_EQ(statues, (std::set<int>{0, 1, 2}));
  GetParam().expectItsOwn();
}

// Finding the secret shows the level's own picture: a point with its
// message lies on the box, and opens only there (no link fires it).
TEST_P(SunnyLevelsTest, TheSecretShowsItsPictureWhereItIsFound) {
  int onTheBox = 0;
  MessagePoints.Walk([&](TMessagePoint& m) {
    if (m.message != GetParam().secretMessage) return;
    EXPECT_TRUE(Overlaps(SecretBox, m.x, m.y, static_cast<float>(m.w), static_cast<float>(m.h)));
    ++onTheBox;
  });
  EXPECT_EQ(onTheBox, 1);
  EXPECT_EQ(MessageSpeaker[GetParam().secretMessage], 5) << "the secret find's portrait";
}

// Every hidden thing has something in the level that fires its link, and no
// message point listens to a link that anything fires (every coin and enemy
// left without a target fires link 0).
TEST_P(SunnyLevelsTest, EveryLinkIsWired) {
  std::set<int> fired;
  TriggerList.Walk([&](TTriggerable& t) { fired.insert(t.target); });
  ButtonList.Walk([&](TButton& b) { fired.insert(b.target); });
  TriggerZoneList.Walk([&](TTriggerZone& z) { fired.insert(z.target); });
  fired.insert(0);
  TriggerList.Walk([&](TTriggerable& t) {
    if (t.hidden) {
      EXPECT_TRUE(fired.count(t.link)) << "nothing shows the hidden object at " << t.x << "," << t.y;
    }
  });
  std::set<int> heard;
  MessagePoints.Walk([&](TMessagePoint& m) {
    EXPECT_FALSE(fired.count(m.link)) << "message " << m.message << " would open when link " << m.link << " fires";
    EXPECT_TRUE(heard.insert(m.link).second) << "two points share link " << m.link;
    EXPECT_FALSE(MessageText[m.message].empty()) << "message " << m.message << " has no text";
  });
}

INSTANTIATE_TEST_SUITE_P(
    Levels, SunnyLevelsTest,
    ::testing::Values(
        SunnyLevel{"lev_desert_1.doy", 154,
                   [] {
                     EXPECT_GE(CactusList.Size(), 2u);
                     EXPECT_GT(MummyList.Size(), 0u);
                     EXPECT_GT(BiddieList.Size(), 0u);
                     EXPECT_GT(ScruffList.Size(), 0u);
                     EXPECT_GT(SpringList.Size(), 0u);
                     EXPECT_GT(FallingBlockList.Size(), 0u);
                     EXPECT_GT(BlockList.Size(), 0u);
                     EXPECT_GT(SpikesList.Size(), 0u);
                   }},
        SunnyLevel{"lev_temple_1.doy", 155,
                   [] {
                     EXPECT_GT(RockList.Size(), 0u);
                     EXPECT_GE(WompthList.Size(), 2u);
                     EXPECT_GT(MummyList.Size(), 0u);
                     EXPECT_GT(GhostList.Size(), 0u);
                     EXPECT_GE(TeleportList.Size(), 2u);
                     EXPECT_GT(ButtonList.Size(), 0u);
                     EXPECT_GT(TriggerZoneList.Size(), 0u);
                     EXPECT_GT(SpikesList.Size(), 0u);
                   }},
        SunnyLevel{"lev_beach_1.doy", 156, [] {
                     EXPECT_GT(CrabList.Size(), 0u);
                     EXPECT_GT(BallList.Size(), 0u);
                     EXPECT_GT(StarfishList.Size(), 0u);
                     EXPECT_GT(MushroomList.Size(), 0u);
                     EXPECT_GT(WaterList.Size(), 0u);
                     EXPECT_GT(FanList.Size(), 0u);
                     EXPECT_GT(SpringList.Size(), 0u);
                   }}),
    [](const ::testing::TestParamInfo<SunnyLevel>& info) {
      std::string name = info.param.file;
      return name.substr(4, name.find('.') - 4);
    });

}  // namespace
