// The level's machinery against the hero: springs, teleports, moving blocks,
// breakable blocks, falling platforms, buttons, spikes, trigger zones, water.
#include <gtest/gtest.h>

#include "entities/active_objects.h"
#include "entities/level_completion.h"
#include "world/particles.h"
#include "world/assets.h"
#include "world/game_state.h"
#include "frame/hud.h"
#include "world/settings.h"
#include "world/sound_effects.h"
#include "player/object_hooks.h"
#include "player/player_health.h"
#include "world/player_state.h"
#include "player/pogo_physics.h"
#include "entities/object_checks.h"
#include "present/present.h"
#include "support/test_support.h"
#include "world/area.h"
#include "world/level_loader.h"
#include "world/level_reset.h"
#include "world/tile_map.h"

namespace {

// Counts how often its link is fired.
class Listener : public TTriggerable {
 public:
  int fired = 0;
  void Trigger() override { ++fired; }
};

bool HasBlock(int x, int y) {
  for (const TCollisionBlock& c : CollisionBlocks)
    if (c.x == x && c.y == y) return true;
  return false;
}

class ActiveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetSettingsToDefaults();
    test::StartHeadless(dir_.str());
    InputLocked = 0;
    Score = 0;
  }
  void Load(const std::vector<std::string>& actives, const std::vector<test::Block>& blocks = {}, int area = 0) {
    std::vector<std::string> lines = {"400,480,120,,,,,,,,"};
    lines.insert(lines.end(), actives.begin(), actives.end());
    ResetLevel();
    test::WriteLevel(dir_, "active.doy", test::LevelText(area, blocks, lines));
    LoadLevel("active.doy");
    PlayerState = 0;
    Health = 5;
    Away();
  }
  // Every probe far from everything, so a test can place just the one it needs.
  static void Away() {
    HeadProbe = FootProbe = LeftProbe = RightProbe = BodyBox = {-5000, -5000, -4999, -4999};
  }
  test::TempDir dir_;
};

TEST_F(ActiveTest, ASpringHitWhileSpringingRestartsAtFrameOne) {
  Load({"400,400,0,9.5,0,,,,,,"});
  TSpring* s = nullptr;
  SpringList.Walk([&](TSpring& x) { s = &x; });
  ASSERT_NE(s, nullptr);
  DashFlag = 1;
  FootProbe = {410, 400, 420, 402};
  SpringChecks();
  EXPECT_FLOAT_EQ(P_YS, -9.5f);
  EXPECT_EQ(DashFlag, 0);
  EXPECT_EQ(s->anim, 1);
  Away();
  for (int i = 0; i < 3; ++i) {
    Flip(1);
    ActiveObjectPasses();
  }
  EXPECT_EQ(s->anim, 4);
  FootProbe = {410, 400, 420, 402};
  SpringChecks();
  EXPECT_EQ(s->anim, 1);
  Away();
  for (int i = 0; i < 10; ++i) {
    Flip(1);
    ActiveObjectPasses();
  }
  EXPECT_EQ(s->anim, 0);
}

TEST_F(ActiveTest, ATeleportNeedsDownAndAnEnabledDestination) {
  Load({"400,448,2,1,,,,1,2,,",      // pad 1 to pad 2
        "800,448,2,0,,,,2,1,,",      // pad 2, switched off
        "1200,448,2,1,,,,2,1,,"});   // the enabled pad 2
  SetPlayerPosition(416, 480);
  FloorContact = 1;
  DownDown = 0;
  TeleportChecks();
  EXPECT_FLOAT_EQ(P_X, 416);

  DownDown = 1;
  TeleportChecks();
  EXPECT_FLOAT_EQ(P_X, 1215);
  EXPECT_FLOAT_EQ(P_Y, 1200 - 1200 + 479);
  EXPECT_FLOAT_EQ(P_YS, -4.0f);

  // With no enabled pad of the destination number nothing happens.
  TeleportList.Walk([](TTeleport& t) { t.enabled = t.pad == 1; });
  SetPlayerPosition(416, 480);
  P_YS = 0;
  TeleportChecks();
  EXPECT_FLOAT_EQ(P_X, 416);
  EXPECT_FLOAT_EQ(P_YS, 0);
  DownDown = 0;
  FloorContact = 0;
}

TEST_F(ActiveTest, AMovingBlockTurnsShortOfItsEndAndOneStepNeverLeavesHome) {
  Load({"100,100,5,200,100,4,,,,2,1", "100,300,5,900,900,1,,,,1,1"});
  std::vector<float> xs, ones;
  for (int i = 0; i < 8; ++i) {
    ActiveObjectPasses();
    MovingBlockList.Walk([&](TMovingBlock& m) { (m.steps == 4 ? xs : ones).push_back(m.x); });
  }
  EXPECT_EQ(xs, (std::vector<float>{125, 150, 175, 175, 150, 125, 100, 125}));
  EXPECT_EQ(ones, std::vector<float>(8, 100.0f));
}

TEST_F(ActiveTest, AMovingBlockIsDrawnAsANineSlice) {
  Image* saved = ImgMovingBlock;
  ImgMovingBlock = CreateImage(32, 32, 9);
  Load({"100,100,5,100,100,1,,,,3,3", "300,100,5,300,100,1,,,,1,1"});
  CommonDrawPass();
  std::vector<int> frames;
  for (const DrawRecord& r : CurrentDraws())
    if (r.kind == DrawKind::Image && r.image == ImgMovingBlock) frames.push_back(r.frame);
  EXPECT_EQ(frames, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 0}));
  FreeImage(ImgMovingBlock);
  ImgMovingBlock = saved;
}

TEST_F(ActiveTest, TwoBreakableBlocksUnderOneDashBreakOnePerSubStep) {
  Load({"384,480,46,2,,,,,,,", "416,480,46,1,,,,,,,"});
  ASSERT_TRUE(HasBlock(384, 480));
  DashFlag = 1;
  FootProbe = {400, 480, 420, 482};
  BreakableBlockContacts();
  EXPECT_EQ(BlockList.Size(), 1u);
  EXPECT_FALSE(HasBlock(384, 480));
  EXPECT_TRUE(HasBlock(416, 480));
  EXPECT_EQ(Score, 10);
  EXPECT_EQ(BlockBitList.Size(), 4u);
  BlockBitList.Walk([](TBlockBit& b) { EXPECT_EQ(b.frame, 2); });
  BreakableBlockContacts();
  EXPECT_EQ(BlockList.Size(), 0u);
  EXPECT_EQ(Score, 20);

  // Without a dash only the head breaks blocks; the bits fall out of view.
  Load({"384,480,46,0,,,,,,,"});
  DashFlag = 0;
  FootProbe = {400, 480, 420, 482};
  BreakableBlockContacts();
  EXPECT_EQ(BlockList.Size(), 1u);
  HeadProbe = FootProbe;
  BreakableBlockContacts();
  EXPECT_EQ(BlockList.Size(), 0u);
  for (int i = 0; i < 100 && BlockBitList.Size() > 0; ++i) BlockBitPass();
  EXPECT_EQ(BlockBitList.Size(), 0u);
  EXPECT_EQ(DrawList.Size(), 0u);
  DashFlag = 0;
}

TEST_F(ActiveTest, AFallingPlatformDropsAndPopsBackHome) {
  Load({"384,480,6,,,,,,,,"});
  TFallingBlock* f = nullptr;
  FallingBlockList.Walk([&](TFallingBlock& b) { f = &b; });
  ASSERT_NE(f, nullptr);
  for (int k = 0; k < 3; ++k) EXPECT_TRUE(HasBlock(384 + 32 * k, 480));
  FootProbe = {400, 480, 420, 482};
  FallingBlockContacts();
  EXPECT_EQ(f->state, 1);
  ActiveObjectPasses();
  EXPECT_EQ(f->state, 2);
  for (int k = 0; k < 3; ++k) EXPECT_FALSE(HasBlock(384 + 32 * k, 480));
  // The pop is heard when the platform is back home, not while it falls.
  std::string data = Options.dataDir;
  Options.dataDir = BOINGLE_GAME_DIR;
  ASSERT_TRUE(LoadSoundEffects().empty());
  Options.dataDir = data;
  TallyState = 0;
  int frames = 0;
  bool poppedEarly = false;
  while (f->state == 2 && frames < 1000) {
    poppedEarly |= ChannelPlaying(SoundChannels[Sfx::PlatformPop]) != 0;
    ActiveObjectPasses();
    ++frames;
  }
  EXPECT_FALSE(poppedEarly);
  EXPECT_EQ(ChannelPlaying(SoundChannels[Sfx::PlatformPop]), 1);
  StopChannel(SoundChannels[Sfx::PlatformPop]);
  EXPECT_EQ(f->state, 0);
  EXPECT_GT(frames, 90);  // about a thousand pixels at a growing speed
  EXPECT_LT(frames, 110);
  EXPECT_FLOAT_EQ(f->y, 480);
  EXPECT_FLOAT_EQ(f->fallSpeed, 0);
  for (int k = 0; k < 3; ++k) EXPECT_TRUE(HasBlock(384 + 32 * k, 480));
}

TEST_F(ActiveTest, ButtonsToggleOnceOrComeBackAfterTheirTime) {
  Load({"400,448,140,0,0,,,9,,,", "600,448,140,0,1,,,9,,,", "800,448,140,0,2,500,,9,,,"});
  auto listener = std::make_shared<Listener>();
  listener->link = 9;
  TriggerList.Add(listener);
  std::vector<TButton*> b;
  ButtonList.Walk([&](TButton& x) { b.push_back(&x); });
  ASSERT_EQ(b.size(), 3u);
  auto bounce = [&](float x, float top) {
    Away();
    FootProbe = {x + 10, top, x + 20, top + 2};
    P_YS = 3;
    ButtonChecks();
  };
  for (float x : {400.0f, 600.0f, 800.0f}) {
    bounce(x, 448);
    EXPECT_FLOAT_EQ(P_YS, P_NORMAL_BOUNCE);
  }
  EXPECT_EQ(listener->fired, 3);
  EXPECT_EQ(b[0]->up + b[1]->up + b[2]->up, 0);
  // The second bounce reaches the lower half of a pressed button.
  for (float x : {400.0f, 600.0f, 800.0f}) bounce(x, 466);
  EXPECT_EQ(listener->fired, 4);
  EXPECT_EQ(b[0]->up, 1);
  EXPECT_EQ(b[1]->up, 0);
  EXPECT_EQ(b[2]->up, 0);
  // Rising does not press anything.
  Away();
  FootProbe = {410, 448, 420, 450};
  P_YS = -3;
  ButtonChecks();
  EXPECT_EQ(listener->fired, 4);
  for (int i = 0; i < 40; ++i) Flip(1);
  Away();
  ButtonChecks();
  EXPECT_EQ(b[2]->up, 1);  // the timed one is back, silently
  EXPECT_EQ(listener->fired, 4);
}

TEST_F(ActiveTest, HiddenSpikesHurtButNotInTheTutorialForest) {
  Image* saved = ImgSpikes;
  ImgSpikes = CreateImage(32, 32, 4);
  Load({"384,448,47,0,1,,,,,2,1"});
  CommonDrawPass();
  for (const DrawRecord& r : CurrentDraws()) EXPECT_NE(r.image, ImgSpikes);
  AreaIndex = Area::Tutorial;
  BodyBox = {391, 437, 409, 478};
  SpikeChecks();
  EXPECT_EQ(PlayerState, 0);
  EXPECT_EQ(Health, 5);
  AreaIndex = 0;
  SpikeChecks();
  EXPECT_EQ(PlayerState, 2);  // twenty is more than a full heart row
  EXPECT_LT(Health, 5);
  PlayerState = 0;
  FreeImage(ImgSpikes);
  ImgSpikes = saved;
}

TEST_F(ActiveTest, ATriggerZoneFiresOnce) {
  Load({"384,416,141,,,,,4,,2,2"});
  auto listener = std::make_shared<Listener>();
  listener->link = 4;
  TriggerList.Add(listener);
  BodyBox = {391, 437, 409, 478};
  TriggerZoneChecks();
  TriggerZoneChecks();
  EXPECT_EQ(listener->fired, 1);
  EXPECT_EQ(TriggerZoneList.Size(), 0u);
  EXPECT_FALSE(LevelObjects.Contains(listener.get()));
}

TEST_F(ActiveTest, ASqueezeBetweenAMovingBlockAndTheGroundKills) {
  // A block coming down onto the hero, who stands on solid ground.
  Load({"368,380,5,368,600,50,,,,2,1"}, test::BlockRow(0, 800, 480));
  SetPlayerPosition(400, 480);
  bool hurt = false;
  for (int i = 0; i < 60 && !hurt; ++i) {
    ActiveObjectPasses();
    GatherKeys();
    PlayerPhysicsStep();
    hurt = PlayerState != 0;
    Flip(1);
  }
  EXPECT_TRUE(hurt);
  EXPECT_EQ(PlayerState, 2);
  PlayerState = 0;
}

TEST_F(ActiveTest, WaterSetsItsFlagsAndABubbleOutsideItGoesAtOnce) {
  Load({"400,400,4,,,,,,,4,3"});
  BodyBox = {391, 437, 409, 478};
  WaterEntryState = 0;
  WaterChecks();
  EXPECT_EQ(InWater, 1);
  EXPECT_EQ(WaterEntryState, 1);
  WaterEntryState = 2;
  WaterChecks();
  EXPECT_EQ(WaterEntryState, 2);
  Away();
  WaterChecks();
  EXPECT_EQ(InWater, 0);
  EXPECT_EQ(WaterEntryState, 0);

  // The water spans 400-528 by 400-496; bubbles live 16 pixels inside it.
  EXPECT_FALSE(InsideWater(410, 450));  // in the side strip
  EXPECT_FALSE(InsideWater(464, 405));  // just under the surface
  EXPECT_FALSE(InsideWater(464, 490));  // near the bottom
  EXPECT_TRUE(InsideWater(464, 450));
  EXPECT_TRUE(InsideWater(415, 416));  // touching the inner box counts
  ParticleList.clear();
  EmitBubbles(300, 450, 1);
  ParticlePass();
  EXPECT_TRUE(ParticleList.empty());
  EmitBubbles(464, 448, 1);
  ParticlePass();
  EXPECT_EQ(ParticleList.size(), 1u);
  ParticleList.clear();
}

}  // namespace
