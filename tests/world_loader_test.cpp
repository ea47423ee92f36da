// The level file loader, tilesets, image sets, the level reset and the list
// registry, on level files and pictures each test writes itself.
#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "world/level_lists.h"
#include "frame/hud.h"
#include "world/player_state.h"
#include "present/present.h"
#include "support/test_support.h"
#include "world/area.h"
#include "world/camera.h"
#include "world/level_boxes.h"
#include "world/level_fields.h"
#include "world/level_loader.h"
#include "world/level_reset.h"
#include "world/tile_map.h"

namespace {

void WritePng(const std::filesystem::path& file, int w, int h) {
  std::filesystem::create_directories(file.parent_path());
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  cairo_t* cr = cairo_create(s);
  cairo_set_source_rgba(cr, 0.2, 0.6, 0.3, 1);
  cairo_paint(cr);
  cairo_destroy(cr);
  cairo_surface_write_to_png(s, file.string().c_str());
  cairo_surface_destroy(s);
}

struct LevelText {
  std::string title = "Test Level", subtitle = "sub";
  int area = 0, music = 0;
  std::string folder = "Forest/";
  std::vector<int> modes = std::vector<int>(20, 0);
  std::vector<std::string> tiles, images, blocks, actives;

  std::string Str() const {
    std::string s = title + "\n" + subtitle + "\n" + std::to_string(area) + "\n" +
                    std::to_string(music) + "\n" + folder + "\nLAYERS\n";
    for (int m : modes) s += std::to_string(m) + "\n";
    s += "TILES\n";
    for (auto& l : tiles) s += l + "\n";
    s += "IMAGE_TILE_LIST\n";
    for (auto& l : images) s += l + "\n";
    s += "COLLISION_LIST\n";
    for (auto& l : blocks) s += l + "\n";
    s += "ACTIVE_LIST\n";
    for (auto& l : actives) s += l + "\n";
    s += "FIN! :D\n";
    return s;
  }
};

std::vector<ActiveLine> g_seen;
void RecordLine(const ActiveLine& line) {
  g_seen.push_back(line);
}

class LoaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::StartHeadless(dir_.str());
    Options.dataDir = dir_.str();  // nothing of the real content leaks in
    g_seen.clear();
    coin_ = KindCreator(41);
    statue_ = KindCreator(42);
  }
  void TearDown() override {
    // The real kinds get their creators back.
    SetKindCreator(41, coin_);
    SetKindCreator(42, statue_);
    ResetLevel();
  }
  CreatorFn coin_ = nullptr, statue_ = nullptr;
  void Load(const std::string& text, const std::string& name = "t.doy") {
    test::WriteText(dir_ / ("Levels/" + name), text);
    LoadLevel(name);
  }
  test::TempDir dir_;
};

TEST(LevelFields, NumbersAreReadLeniently) {
  EXPECT_EQ(LenientInt("640"), 640);
  EXPECT_EQ(LenientInt("  -12abc"), -12);
  EXPECT_EQ(LenientInt("+7"), 7);
  EXPECT_EQ(LenientInt("$1F"), 31);
  EXPECT_EQ(LenientInt("-$10"), -16);
  EXPECT_EQ(LenientInt("%101"), 5);
  EXPECT_EQ(LenientInt("%102"), 2);
  EXPECT_EQ(LenientInt(""), 0);
  EXPECT_EQ(LenientInt("x1"), 0);
  EXPECT_EQ(LenientInt("4294967297"), 1);  // wraps, never undefined
  EXPECT_DOUBLE_EQ(LenientReal("2.5"), 2.5);
  EXPECT_DOUBLE_EQ(LenientReal(""), 0.0);
  EXPECT_DOUBLE_EQ(LenientReal("-0.75xyz"), -0.75);
  EXPECT_EQ(Field("a,,c", ',', 2), "");
  EXPECT_EQ(Field("a,,c", ',', 3), "c");
  EXPECT_EQ(Field("a,,c", ',', 9), "");
  EXPECT_EQ(Field(" a b ,x", ',', 1), " a b ");
}

TEST_F(LoaderTest, HeaderAndTileLists) {
  LevelText t;
  t.title = "Forest I";
  t.subtitle = "  a stroll ";
  t.area = 3;
  t.music = 7;
  t.modes[4] = 1;
  t.modes[19] = 2;
  Load(t.Str());
  EXPECT_EQ(LevelTitle, "Forest I");
  EXPECT_EQ(CurrentLevelSubtitle(), "  a stroll ");
  EXPECT_EQ(LevelMusic, 3) << "line 4 has no effect";
  EXPECT_EQ(AreaIndex, 3);
  EXPECT_EQ(LayerScrollMode[4], 1);
  EXPECT_EQ(LayerScrollMode[19], 2);
  EXPECT_TRUE(BackTiles.empty());
  EXPECT_TRUE(Tiles.empty());

  t.tiles = {"64,96,5,0", "64,96,5,2", "0,0,1"};
  Load(t.Str());
  ASSERT_EQ(BackTiles.size(), 2u);  // a missing layer field reads 0
  EXPECT_FLOAT_EQ(BackTiles[0].x, 64);
  EXPECT_FLOAT_EQ(BackTiles[0].y, 96);
  EXPECT_EQ(BackTiles[0].frame, 5);
  ASSERT_EQ(Tiles.size(), 1u);
  EXPECT_EQ(Tiles[0].layer, 2);
  EXPECT_EQ(Tiles[0].frame, 5);
  EXPECT_EQ(HighestLayer, 2);
}

TEST_F(LoaderTest, CollisionBlocksSetTheBounds) {
  LevelText t;
  t.blocks = {"0,0,0", "320,640,1", "96,32,7"};
  Load(t.Str());
  ASSERT_EQ(CollisionBlocks.size(), 3u);
  EXPECT_EQ(CollisionBlocks[1].kind, 1);
  EXPECT_EQ(CollisionBlocks[2].kind, 7);
  EXPECT_EQ(LevelMinX, 0);
  EXPECT_EQ(LevelMaxX, 352);
  EXPECT_EQ(LevelMinY, 0);
  EXPECT_EQ(LevelMaxY, 672);

  t.blocks.clear();
  Load(t.Str());
  EXPECT_EQ(LevelMinX, 9000);
  EXPECT_EQ(LevelMaxX, -9000 + 32);
  EXPECT_EQ(LevelMinY, 9000);
  EXPECT_EQ(LevelMaxY, -9000 + 32);
}

TEST_F(LoaderTest, ActiveLinesReachTheirCreatorsInLineOrder) {
  CreatorFn light = KindCreator(21);
  SetKindCreator(41, &RecordLine);
  SetKindCreator(42, &RecordLine);
  SetKindCreator(21, &RecordLine);
  LevelText t;
  t.actives = {"640,480,41,1,,,,7,3,,",   "96,400,120",          "10,20,42,2",
               "1,2,999,5,5,5,5,5,5,5,5", "200,300,120,,,,,,,,", "5,6,21,$A,2.5,  txt,,-1,0,3,4"};
  Load(t.Str());
  SetKindCreator(21, light);
  ASSERT_EQ(g_seen.size(), 3u);
  const ActiveLine& coin = g_seen[0];
  EXPECT_EQ(coin.x, 640);
  EXPECT_EQ(coin.y, 480);
  EXPECT_EQ(coin.type, 41);
  // Fields are read by the names the kind table gives them.
  EXPECT_EQ(coin.Int("hidden"), 1);
  EXPECT_EQ(coin.Int("target"), 7);
  EXPECT_EQ(coin.Int("link"), 3);
  EXPECT_EQ(g_seen[1].type, 42);
  EXPECT_EQ(g_seen[1].Int("index"), 2);
  EXPECT_EQ(g_seen[1].Text("target"), "");  // too few fields: empty, not an error
  const ActiveLine& last = g_seen[2];
  EXPECT_EQ(last.Int("label"), 10);
  EXPECT_DOUBLE_EQ(last.Real("colour"), 2.5);
  EXPECT_EQ(last.Text("mode"), "  txt");
  EXPECT_EQ(last.Text("no such field"), "");
  EXPECT_EQ(last.WidthPx(), 96);
  EXPECT_EQ(last.HeightPx(), 128);
  // Two starts: the hero stands at the later one.
  EXPECT_FLOAT_EQ(P_X, 200);
  EXPECT_FLOAT_EQ(P_Y, 300);
}

TEST_F(LoaderTest, FixedBoxesAreSingleRecords) {
  LevelText t;
  t.actives = {"100,200,121,0,,,,,,2,3", "5000,5000,121,1,,,,,,9,9", "300,0,121,0,,,,,,1,1",
               "64,64,122,,,,,,,1,2",    "0,0,123,0,,,,,,1,1",       "640,0,123,1,,,,,,2,2",
               "32,32,143,,,,,,,3,1",    "320,96,25,1,64,,,,,4,4"};
  Load(t.Str());
  EXPECT_EQ(LevelExitBox.left, 300);  // the later exit line replaced the first
  EXPECT_EQ(LevelExitBox.right, 332);
  EXPECT_EQ(LevelExitBox.bottom, 32);
  EXPECT_EQ(WarpBox.left, 64);
  EXPECT_EQ(WarpBox.bottom, 128);
  EXPECT_EQ(TimerStartGate.right, 32);
  EXPECT_EQ(TimerFinishGate.left, 640);
  EXPECT_EQ(TimerFinishGate.right, 704);
  EXPECT_EQ(SecretBox.right, 128);
  EXPECT_EQ(SecretBox.bottom, 64);
  ASSERT_EQ(CameraZones.size(), 1u);
  EXPECT_EQ(CameraZones[0].modeX, 384);
  EXPECT_EQ(CameraZones[0].modeY, 96);
  EXPECT_EQ(CameraZones[0].w, 128);

  // The next level has none of them: none may linger from this one.
  Load(LevelText().Str());
  for (const TLevelBox* b :
       {&LevelExitBox, &WarpBox, &TimerStartGate, &TimerFinishGate, &SecretBox}) {
    EXPECT_EQ(b->left, kNoBoxEdge);
    EXPECT_EQ(b->bottom, kNoBoxEdge);
  }
  EXPECT_TRUE(CameraZones.empty());
}

TEST_F(LoaderTest, MarkersAreWholeLinesWithLetterCase) {
  LevelText t;
  t.tiles = {"image_tile_list", "IMAGE_TILE_LIST ", "32,32,1,1"};
  t.blocks = {"0,0,0"};
  Load(t.Str());
  EXPECT_EQ(BackTiles.size(), 2u) << "both near-markers are data lines of the tile list";
  EXPECT_EQ(Tiles.size(), 1u);
  EXPECT_EQ(CollisionBlocks.size(), 1u);

  // Lines after the end marker are not read.
  Load(t.Str() + "0,0,120\n9,9,9\n");
  EXPECT_EQ(CollisionBlocks.size(), 1u);
}

TEST_F(LoaderTest, AFileThatEndsEarlyEndsEveryLaterList) {
  Load("Short\nsub\n0\n0\nForest/\nL\n0\n0\n");  // ends inside the layer table
  EXPECT_EQ(LevelTitle, "Short");
  EXPECT_TRUE(BackTiles.empty());

  LevelText t;
  std::string text = t.Str();
  text =
      text.substr(0, text.find("IMAGE_TILE_LIST")) + "64,0,3,1\n96,0,3,1";  // no newline at the end
  SetKindCreator(41, &RecordLine);
  Load(text);
  EXPECT_EQ(Tiles.size(), 2u);
  EXPECT_TRUE(CollisionBlocks.empty());
  EXPECT_TRUE(g_seen.empty());
}

TEST_F(LoaderTest, AMissingFileLoadsAnEmptyLevelAndSaysSo) {
  LevelText t;
  t.title = "Old";
  t.tiles = {"0,0,1,1"};
  Load(t.Str());
  testing::internal::CaptureStderr();
  LoadLevel("nowhere.doy");
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("Levels/nowhere.doy"), std::string::npos);
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1);
  EXPECT_EQ(LevelTitle, "");
  EXPECT_TRUE(Tiles.empty());
  EXPECT_EQ(AreaIndex, 0);
}

TEST_F(LoaderTest, TilesetSheetsByArea) {
  WritePng(dir_ / "Tilesets/TILES_FOREST.PNG", 100, 70);
  WritePng(dir_ / "Tilesets/TILES_WIERD.PNG", 64, 32);
  LevelText t;
  t.area = 17;
  Load(t.Str());
  EXPECT_EQ(AreaIndex, 17);
  ASSERT_NE(Tileset, nullptr);
  EXPECT_NE(Tileset->path.find("TILES_FOREST"), std::string::npos);
  EXPECT_EQ(Tileset->Frames(), 6)
      << "3 by 2 whole cells; the partial column and row are never used";
  EXPECT_EQ(TilesetWidth, 100);
  EXPECT_EQ(TilesetHeight, 70);

  t.area = -1;
  Load(t.Str());
  EXPECT_EQ(AreaIndex, -1);
  ASSERT_NE(Tileset, nullptr);
  EXPECT_NE(Tileset->path.find("TILES_FOREST"), std::string::npos);

  t.area = 13;
  Load(t.Str());
  ASSERT_NE(Tileset, nullptr);
  EXPECT_NE(Tileset->path.find("TILES_WIERD.PNG"), std::string::npos);
  EXPECT_EQ(Tileset->Frames(), 2);
  EXPECT_EQ(ImageSetFolder, "Wierd/");

  t.area = 5;  // no MOUNTAIN sheet written: no tileset
  Load(t.Str());
  EXPECT_EQ(Tileset, nullptr);
}

TEST_F(LoaderTest, ImageSetsFromTheLevelFolderAndGlobal) {
  WritePng(dir_ / "Imagesets/Forest/tree.Png", 40, 90);
  WritePng(dir_ / "Imagesets/Forest/photo.jpg", 10, 10);
  std::filesystem::create_directories(dir_ / "Imagesets/Forest/sub.png");
  WritePng(dir_ / "Imagesets/Global/sign.PNG", 20, 30);
  test::WriteText(dir_ / "Imagesets/Global/broken.png", "not a picture");
  LevelText t;
  t.images = {"10,20,3,tree.Png,Forest/", "0,0,1,tree.Png,Forest", "0,0,1,sign.PNG,Global/",
              "0,0,1,broken.png,Global/", "0,0,2,TREE.PNG,Forest/"};
  Load(t.Str());
  ASSERT_EQ(ImageSets.size(), 3u);
  EXPECT_EQ(ImageSets[0]->fileName, "tree.Png");
  EXPECT_EQ(ImageSets[0]->folder, "Forest/");
  EXPECT_EQ(ImageSets[0]->width, 40);
  EXPECT_EQ(ImageSets[0]->height, 90);
  EXPECT_EQ(ImageSets[0]->sequence, 0);
  // Global's entries in the platform's order: broken.png before sign.PNG.
  EXPECT_EQ(ImageSets[1]->fileName, "broken.png");
  EXPECT_EQ(ImageSets[1]->image, nullptr);
  EXPECT_EQ(ImageSets[1]->width, 0);
  EXPECT_EQ(ImageSets[2]->sequence, 2);
  EXPECT_EQ(ImageSets[2]->folder, "Global/");

  ASSERT_EQ(ImageTiles.size(), 5u);
  EXPECT_EQ(ImageTiles[0].set, ImageSets[0].get());
  EXPECT_FLOAT_EQ(ImageTiles[0].x, 10);
  EXPECT_EQ(ImageTiles[0].layer, 3);
  EXPECT_EQ(ImageTiles[1].set, nullptr) << "\"Forest\" without the slash names no folder";
  EXPECT_EQ(ImageTiles[2].set, ImageSets[2].get());
  EXPECT_EQ(ImageTiles[3].set, ImageSets[1].get());
  EXPECT_EQ(ImageTiles[4].set, nullptr) << "file names match with letter case";
  EXPECT_EQ(HighestLayer, 3);
  EXPECT_EQ(ImageSetFolder, "Forest/") << "area 0's folder once the area is selected";

  // A level using "Global/" as its own folder loads it twice; the last wins.
  t.folder = "Global/";
  t.images = {"0,0,1,sign.PNG,Global/"};
  Load(t.Str());
  ASSERT_EQ(ImageSets.size(), 4u);
  EXPECT_EQ(ImageTiles[0].set, ImageSets[3].get());
}

int g_clearedA = 0, g_clearedObjects = 0;
std::vector<int> g_resetOrder;

TEST_F(LoaderTest, ResetClearsEveryRegisteredListAndTheLevelState) {
  static const int joinedA = RegisterLevelList([] { ++g_clearedA; });
  static const int joinedObjects =
      RegisterLevelList([] { ++g_clearedObjects; }, ListRole::LevelObjects);
  // Later parts' own reset steps: the hero's runs before the boxes'.
  static const int stepBoxes =
      RegisterLevelResetStep(ResetPhase::Boxes, [] { g_resetOrder.push_back(2); });
  static const int stepPlayer = RegisterLevelResetStep(
      ResetPhase::Player, [] { g_resetOrder.push_back(P_X == 0 && LevelTitle.empty() ? 1 : -1); });
  (void)joinedA;
  (void)joinedObjects;
  (void)stepBoxes;
  (void)stepPlayer;
  g_clearedA = g_clearedObjects = 0;
  UnloadLevel();
  EXPECT_EQ(g_clearedA, 0);
  EXPECT_EQ(g_clearedObjects, 1);

  LevelText t;
  t.title = "T";
  t.tiles = {"0,0,1,0", "0,0,1,1"};
  t.blocks = {"0,0,0"};
  t.actives = {"64,64,120", "0,0,25,2,5,,,,,1,1"};
  Load(t.Str());
  g_clearedA = g_clearedObjects = 0;
  CameraX = 500;
  AmbientG = 10;
  StatuesFound[1] = 1;
  P_XS = 3;
  P_X_BOUNCE_THRESH = 7;
  PlayerState = 2;
  Facing = 1;
  LevelTitle = "";  // the hero's step runs after his reset, before the level's
  g_resetOrder.clear();
  ResetLevel();
  EXPECT_EQ(g_resetOrder, (std::vector<int>{1, 2}));
  EXPECT_EQ(g_clearedA, 1);
  EXPECT_EQ(g_clearedObjects, 1);
  EXPECT_TRUE(BackTiles.empty());
  EXPECT_TRUE(Tiles.empty());
  EXPECT_TRUE(CollisionBlocks.empty());
  EXPECT_TRUE(CameraZones.empty());
  EXPECT_TRUE(ImageSets.empty());
  EXPECT_EQ(LevelTitle, "");
  EXPECT_EQ(LevelArea, 0);
  EXPECT_FLOAT_EQ(CameraX, 0);
  EXPECT_EQ(CameraMode, 0);
  EXPECT_EQ(AmbientG, 255);
  EXPECT_EQ(LevelMinX, 9000);
  EXPECT_EQ(LevelMaxY, -9000);
  EXPECT_EQ(StatuesFound[1], 0);
  EXPECT_FLOAT_EQ(P_X, 0);
  EXPECT_FLOAT_EQ(P_XS, 0);
  EXPECT_FLOAT_EQ(P_X_BOUNCE_THRESH, 2);
  EXPECT_EQ(PlayerState, 0);
  EXPECT_EQ(Facing, 0);
  EXPECT_EQ(ImageSetRoot, "Imagesets/");
  EXPECT_EQ(LevelExitBox.left, kNoBoxEdge);
}

TEST_F(LoaderTest, RetroAreaStartsTheHeroFalling) {
  static int retroCalls = 0, normalCalls = 0;
  SetPlayerSpriteHook([](bool retro) { ++(retro ? retroCalls : normalCalls); });
  LevelText t;
  t.area = 6;
  t.actives = {"100,100,120"};
  Load(t.Str());
  SetPlayerSpriteHook(nullptr);
  EXPECT_FLOAT_EQ(P_YS, 4);
  EXPECT_EQ(retroCalls, 1);
  EXPECT_EQ(normalCalls, 1);
  EXPECT_EQ(ImageSetFolder, "Retro/");
}

}  // namespace
