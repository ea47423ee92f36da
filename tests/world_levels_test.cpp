// The level compiler of the forge and the real levels it makes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>

#include "entities/items.h"
#include "entities/message_point.h"
#include "world/player_state.h"
#include "present/present.h"
#include "support/test_support.h"
#include "world/area.h"
#include "world/asset_table.h"
#include "world/level_boxes.h"
#include "world/level_loader.h"
#include "world/message_table.h"
#include "world/level_reset.h"
#include "world/tile_map.h"

namespace {

int g_coins = 0;
void CountCoin(const ActiveLine&) {
  ++g_coins;
}

struct ForgeRun {
  int exitCode;
  std::string err;
};

ForgeRun RunLevelStage(const test::TempDir& dir) {
  std::string cmd = std::string(BOINGLE_FORGE) + " --stage levels --content " +
                    (dir / "content").string() + " --out " + (dir / "out").string() + " 2> " +
                    (dir / "err.txt").string() + " > /dev/null";
  int status = std::system(cmd.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, test::ReadText(dir / "err.txt")};
}

TEST(LevelCompiler, CompilesASmallLevel) {
  test::TempDir dir;
  test::WriteText(dir / "content/levels/lev_small.lvl",
                  "# a small level\n"
                  "title Small Wood\n"
                  "subtitle Just a test\n"
                  "area 0\n"
                  "imageset Forest/\n"
                  "scroll 0=half 2=hidden 5=1\n"
                  "legend\n"
                  "T top layer=2 solid\n"
                  "- plat layer=3 platform\n"
                  "b back_fill layer=0\n"
                  "g grass layer=1\n"
                  "end\n"
                  "grid 0 64\n"
                  "..-\n"
                  "gT\n"
                  "end\n"
                  "grid 0 128\n"
                  "bT\n"
                  "end\n"
                  "image 320 96 layer=2 tree_big.png Forest/\n"
                  "tile 500 20 fill layer=1\n"
                  "block 800 800 solid\n"
                  "start 96 400\n"
                  "coin 640 480 hidden=1 target=7 link=3\n"
                  "exit 3000 320 w=2 h=4\n"
                  "camera_zone 0 0 w=10 h=5 mode=1 value=64\n"
                  "light_zone 0 0 colour=\"255 128 000\" w=1 h=1\n"
                  "object 84 10 20 f5=4 f8=2\n");
  ForgeRun r = RunLevelStage(dir);
  ASSERT_EQ(r.exitCode, 0) << r.err;
  std::string doy = test::ReadText(dir / "out/Levels/lev_small.doy");
  std::string expected =
      "Small Wood\nJust a "
      "test\n0\n0\nForest/\nLayers\n1\n0\n2\n0\n0\n1\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n"
      "Tiles\n"
      "0,128,32,0\n"
      "0,96,48,1\n500,20,6,1\n"
      "32,96,1,2\n32,128,1,2\n"
      "64,64,23,3\n"
      "IMAGE_TILE_LIST\n320,96,2,tree_big.png,Forest/\n"
      "COLLISION_LIST\n64,64,1\n32,96,0\n32,128,0\n800,800,0\n"
      "ACTIVE_LIST\n"
      "96,400,120,,,,,,,,\n"
      "640,480,41,1,,,,7,3,,\n"
      "3000,320,121,0,,,,,,2,4\n"
      "0,0,25,1,64,,,,,10,5\n"
      "0,0,21,,255 128 000,,,,,1,1\n"
      "10,20,84,,4,,,2,,,\n"
      "FIN! :D\n";
  EXPECT_EQ(doy, expected);
}

TEST(LevelCompiler, ALaterLegendGivesACharacterANewMeaningForTheGridsAfterIt) {
  test::TempDir dir;
  test::WriteText(dir / "content/levels/lev_legends.lvl",
                  "title A\n"
                  "legend\n"
                  "1 top layer=2 solid\n"
                  "1 grass layer=4\n"
                  "2 fill layer=2\n"
                  "end\n"
                  "grid 0 0\n"
                  "12\n"
                  "end\n"
                  "legend\n"
                  "1 map_sea layer=1\n"
                  "end\n"
                  "grid 0 32\n"
                  "12\n"
                  "end\n");
  ForgeRun r = RunLevelStage(dir);
  ASSERT_EQ(r.exitCode, 0) << r.err;
  std::string doy = test::ReadText(dir / "out/Levels/lev_legends.doy");
  // Within one legend the lines of a character add up; the second legend
  // replaces what "1" means, and "2", not named again, keeps its meaning.
  // Cells: top 1, fill 6, grass 48, map_sea 82.
  EXPECT_NE(doy.find("Tiles\n0,32,82,1\n0,0,1,2\n32,0,6,2\n32,32,6,2\n0,0,48,4\nIMAGE_TILE_LIST\n"
                     "COLLISION_LIST\n0,0,0\nACTIVE_LIST\n"),
            std::string::npos)
      << doy;
}

TEST(LevelCompiler, MistakesStopTheForgeNamingFileAndLine) {
  struct Case {
    const char* source;
    const char* message;
  };
  for (const Case& c :
       {Case{"title A\nbanana 1 2\n", "lev_bad.lvl:2: unknown name \"banana\""},
        Case{"title A\n\ncoin 1 2 colour=3\n", "lev_bad.lvl:3: coin has no field \"colour\""},
        Case{"title A\nlegend\nX topp layer=2 solid\nend\n",
             "lev_bad.lvl:3: unknown tile cell \"topp\""},
        Case{"title A\ngrid 0 0\n..Q\nend\n", "lev_bad.lvl:3: \"Q\" is not in the legend"},
        Case{"title A\nimage 0 0 a,b.png Forest/\n", "lev_bad.lvl:2: \"a,b.png\" holds a comma"},
        Case{"title A\nstart 10 x\n", "lev_bad.lvl:2: y must be a whole number"},
        Case{"title A\ngrid 0 0\n...\n", "lev_bad.lvl:3: the file ends inside a grid"}}) {
    test::TempDir dir;
    test::WriteText(dir / "content/levels/lev_bad.lvl", c.source);
    ForgeRun r = RunLevelStage(dir);
    EXPECT_NE(r.exitCode, 0) << c.source;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << "got: " << r.err;
  }
}

TEST(LevelCompiler, BreakableBlocksAndCollisionBlocksDoNotMixAndLinkZeroIsFlagged) {
  test::TempDir dir;
  test::WriteText(dir / "content/levels/lev_warn.lvl",
                  "title A\n"
                  "block 32 64 platform\n"
                  "breakable 64 64 style=3\n"
                  "message 96 64 number=50 w=2 h=2\n"
                  "message 160 64 number=51 link=7\n");
  ForgeRun r = RunLevelStage(dir);
  ASSERT_EQ(r.exitCode, 0) << r.err;
  std::string doy = test::ReadText(dir / "out/Levels/lev_warn.doy");
  EXPECT_NE(doy.find("COLLISION_LIST\n32,64,1\nACTIVE_LIST\n64,64,46,3,"), std::string::npos) << doy;
  // Only the point left on link 0 is warned about, and the level is still made.
  EXPECT_NE(r.err.find("lev_warn.lvl:4: warning: this message point listens to link 0"), std::string::npos)
      << r.err;
  EXPECT_EQ(r.err.find("lev_warn.lvl:5:"), std::string::npos) << r.err;
}

bool IsGroundCell(int cell) {
  return (cell >= 0 && cell <= 31) || (cell >= 70 && cell <= 72) || cell >= 112;
}

class RealLevelTest : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override { test::StartHeadless(dir_.str()); }
  void TearDown() override {
    ResetLevelState();
  }
  test::TempDir dir_;
};

TEST_P(RealLevelTest, LoadsWithGroundAStartAndAnExit) {
  g_coins = 0;
  CreatorFn before = KindCreator(41);
  SetKindCreator(41, &CountCoin);
  LoadLevel(GetParam());
  SetKindCreator(41, before);
  EXPECT_FALSE(LevelTitle.empty());
  EXPECT_GE(LevelMaxX - LevelMinX, 4 * 800) << "at least four screens wide";
  EXPECT_GT(CollisionBlocks.size(), 100u);
  EXPECT_GT(g_coins, 20);
  EXPECT_NE(LevelExitBox.left, kNoBoxEdge);
  EXPECT_LT(LevelExitBox.left, LevelExitBox.right);

  std::set<std::pair<int, int>> blocks;
  for (const TCollisionBlock& b : CollisionBlocks) {
    EXPECT_TRUE(b.kind == 0 || b.kind == 1);
    blocks.insert({b.x, b.y});
  }
  // The hero's feet stand on the top of a solid block.
  int startCol = static_cast<int>(P_X) / kTileSize * kTileSize;
  EXPECT_GT(P_X, 0);
  EXPECT_TRUE(blocks.count({startCol, static_cast<int>(P_Y)})) << "no floor under the start";
  // The exit stands on the ground too.
  EXPECT_TRUE(blocks.count({LevelExitBox.left, LevelExitBox.bottom}));

  int ground = 0;
  for (const TTile& t : Tiles) {
    if (!IsGroundCell(t.frame)) continue;
    ++ground;
    EXPECT_TRUE(blocks.count({static_cast<int>(t.x), static_cast<int>(t.y)}))
        << "ground tile without a block at " << t.x << "," << t.y;
  }
  EXPECT_GT(ground, 100);

  // Scenery behind at half speed and in front of the ground.
  bool behind = false, front = false;
  int topTileLayer = 0;
  for (const TTile& t : Tiles)
    if (IsGroundCell(t.frame)) topTileLayer = std::max(topTileLayer, t.layer);
  for (const TImageTile& t : ImageTiles) {
    if (LayerScrollMode[t.layer] == 1) behind = true;
    if (t.layer > topTileLayer) front = true;
  }
  EXPECT_TRUE(behind);
  EXPECT_TRUE(front);
  // Once the forest's image sets exist, every image tile must find its own.
  if (!ImageSets.empty()) {
    for (const TImageTile& t : ImageTiles) EXPECT_NE(t.set, nullptr);
  }
}

INSTANTIATE_TEST_SUITE_P(Forest, RealLevelTest,
                         ::testing::Values("lev_tut.doy", "lev_forest_1.doy", "lev_forest_2.doy",
                                           "lev_ghost_1.doy"));
INSTANTIATE_TEST_SUITE_P(SeaBeachVolcano, RealLevelTest,
                         ::testing::Values("lev_ocean_1.doy", "lev_beach_2.doy", "lev_volcano_1.doy"));

// What a level of the world map owes the player besides its way to the exit:
// three statues to find, a secret box that shows the level's own secret
// picture (message 150 + its row on the map), a timed run between two gates,
// and hints in its own block of the message table (300 + 20 x row + k).
struct MapLevel {
  const char* file;
  int row;
};

class MapLevelTest : public ::testing::TestWithParam<MapLevel> {
 protected:
  void SetUp() override {
    test::StartHeadless(dir_.str());
    ASSERT_TRUE(LoadMessageTable(BOINGLE_MESSAGES_PATH));
  }
  void TearDown() override { ResetLevelState(); }
  test::TempDir dir_;
};

bool Overlap(const TLevelBox& b, float x, float y, int w, int h) {
  return x < b.right && b.left < x + w && y < b.bottom && b.top < y + h;
}

TEST_P(MapLevelTest, HasItsStatuesSecretPictureTimedRunAndHints) {
  const MapLevel level = GetParam();
  LoadLevel(level.file);
  std::multiset<int> statues;
  StatueList.Walk([&](TStatue& s) { statues.insert(s.index); });
  EXPECT_EQ(statues, (std::multiset<int>{0, 1, 2}));

  ASSERT_NE(SecretBox.left, kNoBoxEdge) << "no secret box";
  bool picture = false;
  int hints = 0;
  const int block = 300 + 20 * level.row;
  MessagePoints.Walk([&](TMessagePoint& m) {
    if (m.message == 150 + level.row && Overlap(SecretBox, m.x, m.y, m.w, m.h)) picture = true;
    if (m.message >= block && m.message < block + 20) {
      ++hints;
      EXPECT_FALSE(m.text.empty()) << "message " << m.message << " has no text";
    }
  });
  EXPECT_TRUE(picture) << "the secret box shows no message " << 150 + level.row;
  EXPECT_GE(hints, 2);

  EXPECT_NE(TimerStartGate.left, kNoBoxEdge);
  EXPECT_NE(TimerFinishGate.left, kNoBoxEdge);
  EXPECT_LT(TimerStartGate.left, TimerFinishGate.left) << "the run goes the level's way";
}

INSTANTIATE_TEST_SUITE_P(Levels, MapLevelTest,
                         ::testing::Values(MapLevel{"lev_ocean_1.doy", 7}, MapLevel{"lev_beach_2.doy", 8},
                                           MapLevel{"lev_volcano_1.doy", 9}));

}  // namespace
