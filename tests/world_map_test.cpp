// The tile map's geometry, the collision-block list, the camera and the order
// in which the tile layers are drawn.
#include <cairo.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "world/player_state.h"
#include "present/present.h"
#include "support/test_support.h"
#include "world/area.h"
#include "world/camera.h"
#include "world/level_reset.h"
#include "world/tile_map.h"

namespace {

void WritePng(const std::filesystem::path& file, int w, int h) {
  std::filesystem::create_directories(file.parent_path());
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  cairo_surface_write_to_png(s, file.string().c_str());
  cairo_surface_destroy(s);
}

class MapTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::StartHeadless(dir_.str());
    Options.dataDir = dir_.str();
    ResetLevelState();
  }
  void TearDown() override { ResetLevelState(); }
  void Bounds(int minX, int maxX, int minY, int maxY) {
    LevelMinX = minX;
    LevelMaxX = maxX;
    LevelMinY = minY;
    LevelMaxY = maxY;
  }
  test::TempDir dir_;
};

TEST(Geometry, BoxesOverlapCountsTouchingEdges) {
  EXPECT_EQ(BoxesOverlap(0, 0, 10, 10, 10, 0, 20, 10), 1);
  EXPECT_EQ(BoxesOverlap(0, 0, 10, 10, 0, 10, 10, 20), 1);
  EXPECT_EQ(BoxesOverlap(0, 0, 10, 10, 11, 0, 20, 10), 0);
  EXPECT_EQ(BoxesOverlap(0, 0, 10, 10, 0, -20, 10, -1), 0);
  EXPECT_EQ(BoxesOverlap(0, 0, 10, 10, 2, 2, 3, 3), 1);  // inside
  EXPECT_EQ(BoxesOverlap(5, 5, 5, 5, 5, 5, 5, 5), 1);    // one point
}

TEST_F(MapTest, OnScreenIsInclusiveAndHalfSpeedStrict) {
  EXPECT_EQ(OnScreen(768, 568, 32, 32), 1);
  EXPECT_EQ(OnScreen(800, 600, 32, 32), 1);
  EXPECT_EQ(OnScreen(801, 0, 32, 32), 0);
  EXPECT_EQ(OnScreen(-32, -32, 32, 32), 1);
  EXPECT_EQ(OnScreen(-33, 0, 32, 32), 0);
  CameraX = 400;
  CameraY = 200;
  // At half speed the view starts at (200, 100).
  EXPECT_EQ(OnScreenHalfSpeed(200, 100, 32, 32), 1);
  EXPECT_EQ(OnScreenHalfSpeed(168, 100, 32, 32), 0);
  EXPECT_EQ(OnScreenHalfSpeed(999, 100, 32, 32), 1);
  EXPECT_EQ(OnScreenHalfSpeed(1000, 100, 32, 32), 0);
}

TEST_F(MapTest, RemovingABlockTakesOnlyTheFirstAtThatPlace) {
  AddCollisionBlock(64, 32, 0);
  AddCollisionBlock(0, 0, 0);
  AddCollisionBlock(64, 32, 1);
  RemoveCollisionBlock(64, 32);
  ASSERT_EQ(CollisionBlocks.size(), 2u);
  EXPECT_EQ(CollisionBlocks[0].x, 0);
  EXPECT_EQ(CollisionBlocks[1].kind, 1);
  RemoveCollisionBlock(64, 33);  // not there: nothing happens
  EXPECT_EQ(CollisionBlocks.size(), 2u);
  RemoveCollisionBlock(64, 32);
  RemoveCollisionBlock(64, 32);
  ASSERT_EQ(CollisionBlocks.size(), 1u);
}

TEST_F(MapTest, CameraFollowsEasingAndClamped) {
  Bounds(0, 3200, 0, 1600);
  P_X = 1000;
  P_Y = 1000;
  CameraStep();
  EXPECT_FLOAT_EQ(CameraTargetX, 600);
  EXPECT_FLOAT_EQ(CameraTargetY, 550);
  EXPECT_FLOAT_EQ(CameraX, 50);
  EXPECT_NEAR(CameraY, 45.8333, 1e-3);
  for (int k = 0; k < 600; ++k) CameraStep();
  EXPECT_NEAR(CameraX, 600, 0.01);

  P_X = 3150;  // near the right edge: the view stops at the level's end
  P_Y = 20;
  CameraStep();
  EXPECT_FLOAT_EQ(CameraTargetX, 2400);
  EXPECT_FLOAT_EQ(CameraTargetY, 0);

  Bounds(0, 640, 0, 480);  // narrower than the view: the right edge wins
  for (float x : {0.f, 320.f, 640.f}) {
    P_X = x;
    CameraStep();
    EXPECT_FLOAT_EQ(CameraTargetX, -160);
    EXPECT_FLOAT_EQ(CameraTargetY, -120);
  }

  Bounds(9000, -9000 + 32, 9000, -9000 + 32);  // a level without blocks
  CameraStep();
  EXPECT_FLOAT_EQ(CameraTargetX, -9768);
  EXPECT_FLOAT_EQ(CameraTargetY, -9568);
}

TEST_F(MapTest, CameraZonesFixHoldAndRelease) {
  Bounds(0, 3200, 0, 1600);
  AddCameraZone(320, 96, 128, 128, 1, 64);
  P_X = 380;
  P_Y = 200;  // body box inside the zone
  CameraStep();
  EXPECT_EQ(CameraMode, 1);
  EXPECT_FLOAT_EQ(CameraTargetX, 384);
  EXPECT_FLOAT_EQ(CameraTargetY, 96);
  P_X = 1500;  // out: one more frame on the fixed point, then following
  CameraStep();
  EXPECT_FLOAT_EQ(CameraTargetX, 384);
  EXPECT_EQ(CameraMode, 0);
  CameraStep();
  EXPECT_FLOAT_EQ(CameraTargetX, 1100);

  // Mode 2 holds y after the hero leaves its zone; a later zone wins.
  CameraZones.clear();
  AddCameraZone(0, 0, 3200, 1600, 3, 77);
  AddCameraZone(1400, 0, 400, 400, 2, 300);
  P_Y = 200;
  CameraStep();
  EXPECT_EQ(CameraMode, 2);
  EXPECT_FLOAT_EQ(CameraTargetY, 300);
  CameraZones.pop_back();
  CameraZones.clear();
  P_X = 2000;
  P_Y = 1200;
  CameraStep();
  EXPECT_EQ(CameraMode, 2);
  EXPECT_FLOAT_EQ(CameraTargetX, 1600);
  EXPECT_FLOAT_EQ(CameraTargetY, 300);

  // Mode 3 holds x unclamped; a dying hero leaves the target alone.
  AddCameraZone(0, 0, 3200, 1600, 3, -50);
  CameraStep();
  EXPECT_FLOAT_EQ(CameraTargetX, -50);
  EXPECT_FLOAT_EQ(CameraTargetY, 750);
  PlayerState = 2;
  P_Y = 100;
  float before = CameraY;
  CameraStep();
  EXPECT_FLOAT_EQ(CameraTargetY, 750);
  EXPECT_GT(CameraY, before) << "it still eases towards the old target";

  // Mode 4 and the world map: the focus point at the view's centre.
  PlayerState = 0;
  CameraZones.clear();
  CameraMode = 4;
  MapFocusX = 1000;
  MapFocusY = 700;
  CameraStep();
  EXPECT_FLOAT_EQ(CameraTargetX, 600);
  EXPECT_FLOAT_EQ(CameraTargetY, 400);
  CameraMode = 0;
  CameraX = CameraY = 0;
  CameraStepForMap();
  EXPECT_FLOAT_EQ(CameraX, 50);
  EXPECT_FLOAT_EQ(CameraEaseY, 400.f / 12);
}

class LayerDrawTest : public MapTest {
 protected:
  void SetUp() override {
    MapTest::SetUp();
    WritePng(dir_ / "Tilesets/TILES_FOREST.PNG", 512, 256);
    SelectArea(0);
    ASSERT_NE(Tileset, nullptr);
    for (int k = 0; k < 5; ++k) {
      WritePng(dir_ / ("Imagesets/Forest/i" + std::to_string(k) + ".png"), 50, 40);
    }
    LoadImageSets();
    ASSERT_EQ(ImageSets.size(), 5u);
    for (int& m : LayerScrollMode) m = 0;
  }
  const TImageSet* Set(int k) { return ImageSets[k].get(); }
  // What was drawn: the image set's index, or -1 for a tile, or -2 for anything else.
  std::vector<int> Drawn() {
    std::vector<int> out;
    for (const DrawRecord& d : CurrentDraws()) {
      if (d.kind != DrawKind::Image) continue;
      int who = -2;
      if (d.image == Tileset) who = -1;
      for (size_t k = 0; k < ImageSets.size(); ++k)
        if (d.image == ImageSets[k]->image) who = static_cast<int>(k);
      out.push_back(who);
    }
    return out;
  }
  void Frame() {
    Flip(1);  // start a fresh record
    DrawTileLayers();
  }
};

TEST_F(LayerDrawTest, ImageTilesAreSlottedBetweenTileLayers) {
  Tiles = {{0, 0, 1, 1}, {32, 0, 2, 1}, {64, 0, 3, 3}};
  ImageTiles = {{0, 0, Set(3), 3}, {0, 0, Set(2), 2}, {0, 0, Set(0), 0}, {0, 0, Set(1), 1}};
  Frame();
  EXPECT_EQ(Drawn(), (std::vector<int>{0, -1, -1, 2, 1, -1, 3}))
      << "layer 0 first, 1 and 2 (in list order) before the layer-3 tile, 3 after it";
  ASSERT_FALSE(CurrentDraws().empty());
  EXPECT_EQ(CurrentDraws()[1].frame, 1);

  // Without layered tiles every image tile still shows, after the background.
  Tiles.clear();
  BackTiles = {{0, 0, 4}};
  Frame();
  EXPECT_EQ(Drawn(), (std::vector<int>{-1, 3, 2, 0, 1}));
}

TEST_F(LayerDrawTest, ScrollModesCullingAndColour) {
  CameraX = 400;
  CameraY = 100;
  AmbientR = 10;
  AmbientG = 20;
  AmbientB = 30;
  LayerScrollMode[1] = 1;
  LayerScrollMode[2] = 2;
  ImageTiles = {{500, 150, Set(0), 0},  {250, 60, Set(1), 1},   {500, 150, Set(2), 2},
                {500, 150, Set(3), 25}, {500, 150, nullptr, 0}, {351, 150, Set(4), 0}};
  BackTiles = {{200, 50, 7}, {168, 50, 7}};
  Tiles = {{368, 100, 1, 20}, {367, 100, 1, 20}, {1199, 699, 1, 20}, {1200, 100, 1, 20}};
  Frame();
  EXPECT_EQ(Drawn(), (std::vector<int>{-1, 0, 1, 4, -1, -1}));
  const auto& d = CurrentDraws();
  ASSERT_EQ(d.size(), 6u);
  EXPECT_FLOAT_EQ(d[0].x, 0);  // background at half speed: 200 - 400 / 2
  EXPECT_FLOAT_EQ(d[0].y, 0);
  EXPECT_FLOAT_EQ(d[1].x, 100);
  EXPECT_FLOAT_EQ(d[1].y, 50);
  EXPECT_FLOAT_EQ(d[2].x, 50);  // half-speed layer: 250 - 200
  EXPECT_FLOAT_EQ(d[2].y, 10);
  EXPECT_FLOAT_EQ(d[4].x, -32);
  EXPECT_FLOAT_EQ(d[5].x, 799);
  for (const DrawRecord& r : d) {
    EXPECT_EQ(r.state.r, 10);
    EXPECT_EQ(r.state.b, 30);
    EXPECT_FLOAT_EQ(r.state.alpha, 1);
  }
}

}  // namespace
