// The grids over the collision blocks and the tile lists must never change
// an answer: on generated levels every block question is put to the grid and
// to the plain walk over the list (kept here as the reference), and the tile
// layers are drawn both ways and the draws compared one by one.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <random>
#include <vector>

#include "enemies/landing.h"
#include "enemies/walking_core.h"
#include "player/pogo_physics.h"
#include "present/present.h"
#include "support/test_support.h"
#include "world/area.h"
#include "world/camera.h"
#include "world/cell_grid.h"
#include "world/player_state.h"
#include "world/tile_map.h"

namespace {

// ---------------------------------------------------------------------------
// The plain walks, as the game asked before the grid.

bool Touches(float l, float t, float r, float b, const TCollisionBlock& c) {
  float x = static_cast<float>(c.x), y = static_cast<float>(c.y);
  return BoxesOverlap(l, t, r, b, x, y, x + kTileSize, y + kTileSize) != 0;
}

const TCollisionBlock* PlainFirst(float l, float t, float r, float b) {
  for (const TCollisionBlock& c : CollisionBlocks)
    if (Touches(l, t, r, b, c)) return &c;
  return nullptr;
}

unsigned PlainProbes(float x, float y, const BodyRect* rects, int count) {
  unsigned hits = 0;
  for (const TCollisionBlock& c : CollisionBlocks)
    for (int k = 0; k < count; ++k)
      if (Touches(x + rects[k].left, y + rects[k].top, x + rects[k].right, y + rects[k].bottom, c))
        hits |= 1u << k;
  return hits;
}

const TCollisionBlock* PlainLanding(float x, float y, float prevY, const BodyRect& feet) {
  const TCollisionBlock* best = nullptr;
  for (const TCollisionBlock& block : CollisionBlocks) {
    if (static_cast<float>(block.y) < prevY || (best && block.y >= best->y)) continue;
    if (!Touches(x + feet.left, y + feet.top, x + feet.right, y + feet.bottom, block)) continue;
    bool covered = false;
    for (const TCollisionBlock& other : CollisionBlocks)
      if (other.x == block.x && other.y == block.y - kTileSize) covered = true;
    if (!covered) best = &block;
  }
  return best;
}

struct Contacts {
  int ceiling = 0, floor = 0, left = 0, right = 0;
  bool operator==(const Contacts&) const = default;
};

Contacts PlainHeroContacts(bool platformsToo) {
  Contacts c;
  auto over = [](const Box& p, float x1, float y1, float x2, float y2) {
    return BoxesOverlap(p.left, p.top, p.right, p.bottom, x1, y1, x2, y2) != 0;
  };
  for (const TCollisionBlock& b : CollisionBlocks) {
    float x1 = static_cast<float>(b.x), y1 = static_cast<float>(b.y);
    if (b.kind == 0) {
      float x2 = x1 + kTileSize, y2 = y1 + kTileSize;
      if (over(HeadProbe, x1, y1, x2, y2)) c.ceiling = 1;
      if (over(FootProbe, x1, y1, x2, y2)) c.floor = 1;
      if (over(LeftProbe, x1, y1, x2, y2)) c.left = 1;
      if (over(RightProbe, x1, y1, x2, y2)) c.right = 1;
    } else if (b.kind == 1 && platformsToo && P_YS > 0) {
      if (over(FootProbe, x1, y1, x1 + kTileSize, y1 + 1)) c.floor = 1;
    }
  }
  return c;
}

Contacts IndexedHeroContacts(bool platformsToo) {
  FloorContact = CeilingContact = LeftWallContact = RightWallContact = 0;
  HeroBlockContacts(platformsToo);
  return {CeilingContact, FloorContact, LeftWallContact, RightWallContact};
}

// ---------------------------------------------------------------------------
// Generated levels and questions.

// Blocks mostly on the 32-pixel lattice, some off it, some doubled (so the
// first in list order counts), stacks and single platforms of kind 1.
void GenerateBlocks(std::mt19937& rng, int count, int width, int height) {
  ClearCollisionBlocks();
  std::uniform_int_distribution<int> col(-4, width / kTileSize), row(-4, height / kTileSize);
  std::uniform_int_distribution<int> pct(0, 99), off(-31, 31);
  for (int i = 0; i < count; ++i) {
    int x = col(rng) * kTileSize, y = row(rng) * kTileSize;
    int roll = pct(rng);
    if (roll < 8) x += off(rng), y += off(rng);
    int kind = pct(rng) < 15 ? 1 : (pct(rng) < 3 ? 7 : 0);
    AddCollisionBlock(x, y, kind);
    if (roll >= 90 && !CollisionBlocks.empty()) {
      const TCollisionBlock& again = CollisionBlocks[static_cast<size_t>(pct(rng)) % CollisionBlocks.size()];
      AddCollisionBlock(again.x, again.y, 1 - (again.kind & 1));
    }
    if (roll >= 80 && roll < 90) AddCollisionBlock(x, y - kTileSize, 0);
  }
}

// A coordinate near the level, now and then on a block edge exactly, now and
// then far off or not a number.
float Coordinate(std::mt19937& rng, int extent) {
  std::uniform_int_distribution<int> pct(0, 999);
  std::uniform_real_distribution<float> any(-200.0f, static_cast<float>(extent) + 200);
  int roll = pct(rng);
  if (roll == 0) return std::numeric_limits<float>::quiet_NaN();
  if (roll == 1) return std::numeric_limits<float>::infinity();
  if (roll == 2) return -std::numeric_limits<float>::infinity();
  if (roll < 8) return any(rng) * 4096;
  if (roll < 300) return std::round(any(rng) / kTileSize) * kTileSize + static_cast<float>(roll % 3) - 1;
  return any(rng);
}

BodyRect RandomRect(std::mt19937& rng) {
  std::uniform_real_distribution<float> side(-40, 40), size(-4, 80);
  BodyRect r;
  r.left = side(rng);
  r.top = side(rng);
  r.right = r.left + size(rng);  // now and then inverted
  r.bottom = r.top + size(rng);
  return r;
}

struct Shape {
  int blocks, width, height;
};
// A small room, a real level's size, a level ten times as long, and one so
// wide and tall that the grid would be too big and the plain walk is used.
const Shape kShapes[] = {{60, 640, 480}, {900, 12000, 2400}, {6000, 120000, 3000}, {400, 4000000, 2000000}};

TEST(CollisionIndex, EveryBlockQuestionGetsThePlainWalksAnswer) {
  std::mt19937 rng(20240611);
  for (const Shape& shape : kShapes) {
    for (int level = 0; level < 4; ++level) {
      GenerateBlocks(rng, shape.blocks, shape.width, shape.height);
      for (int q = 0; q < 1500; ++q) {
        SCOPED_TRACE(testing::Message() << "level of " << shape.blocks << " blocks, question " << q);
        float x = Coordinate(rng, shape.width), y = Coordinate(rng, shape.height);
        BodyRect rects[3] = {RandomRect(rng), RandomRect(rng), RandomRect(rng)};
        const BodyRect& r = rects[0];

        ASSERT_EQ(FirstBlockTouching(x + r.left, y + r.top, x + r.right, y + r.bottom),
                  PlainFirst(x + r.left, y + r.top, x + r.right, y + r.bottom));
        ASSERT_EQ(AnyBlockTouches(x + r.left, y + r.top, x + r.right, y + r.bottom),
                  PlainFirst(x + r.left, y + r.top, x + r.right, y + r.bottom) != nullptr);
        ASSERT_EQ(FirstBlockHit(x, y, r), PlainFirst(x + r.left, y + r.top, x + r.right, y + r.bottom));
        ASSERT_EQ(ProbeBlocks(x, y, rects, 3), PlainProbes(x, y, rects, 3));
        float prevY = y - std::uniform_real_distribution<float>(-8, 40)(rng);
        ASSERT_EQ(LandingBlock(x, y, prevY, r), PlainLanding(x, y, prevY, r));

        // The hero's four probes around one point, as the physics sets them.
        P_X = x;
        P_Y = y;
        P_YS = (q & 1) ? 3.0f : -3.0f;
        UpdateProbes();
        ASSERT_EQ(IndexedHeroContacts(true), PlainHeroContacts(true));
        ASSERT_EQ(IndexedHeroContacts(false), PlainHeroContacts(false));
      }
    }
  }
  ClearCollisionBlocks();
}

TEST(CollisionIndex, RemovalTakesTheFirstBlockThereWhileBlocksComeAndGo) {
  std::mt19937 rng(7);
  GenerateBlocks(rng, 700, 6000, 1200);
  std::vector<TCollisionBlock> reference = CollisionBlocks;
  std::uniform_int_distribution<int> pct(0, 99);
  for (int step = 0; step < 3000; ++step) {
    SCOPED_TRACE(testing::Message() << "step " << step);
    int roll = pct(rng);
    if (roll < 55 && !reference.empty()) {
      // A breakable or falling block leaves: the first one standing there.
      const TCollisionBlock at = reference[static_cast<size_t>(rng() % reference.size())];
      RemoveCollisionBlock(at.x, at.y);
      for (auto it = reference.begin(); it != reference.end(); ++it)
        if (it->x == at.x && it->y == at.y) {
          reference.erase(it);
          break;
        }
    } else if (roll < 60) {
      RemoveCollisionBlock(-77777, 5);  // nothing there
    } else {
      int x = static_cast<int>(rng() % 190) * kTileSize, y = static_cast<int>(rng() % 40) * kTileSize;
      AddCollisionBlock(x, y, roll & 1);
      reference.push_back({x, y, roll & 1});
    }
    ASSERT_EQ(CollisionBlocks.size(), reference.size());
    for (size_t i = 0; i < reference.size(); ++i) {
      ASSERT_EQ(CollisionBlocks[i].x, reference[i].x) << "block " << i;
      ASSERT_EQ(CollisionBlocks[i].y, reference[i].y) << "block " << i;
      ASSERT_EQ(CollisionBlocks[i].kind, reference[i].kind) << "block " << i;
    }
    // A question between changes, so the grid is rebuilt from the new list.
    float x = static_cast<float>(rng() % 6000), y = static_cast<float>(rng() % 1200);
    ASSERT_EQ(FirstBlockTouching(x, y, x + 40, y + 40), PlainFirst(x, y, x + 40, y + 40));
  }
  // A list changed behind the grid's back (as a test may do) is noticed by
  // its length.
  CollisionBlocks.pop_back();
  for (int q = 0; q < 200; ++q) {
    float x = static_cast<float>(rng() % 6000), y = static_cast<float>(rng() % 1200);
    ASSERT_EQ(FirstBlockTouching(x, y, x + 64, y + 64), PlainFirst(x, y, x + 64, y + 64));
  }
  ClearCollisionBlocks();
}

// ---------------------------------------------------------------------------
// The tile layers.

struct Draw {
  const Image* image;
  int frame;
  float x, y;
  bool operator==(const Draw&) const = default;
};

std::vector<Draw> DrawLayersAt(float cx, float cy) {
  CameraX = cx;
  CameraY = cy;
  size_t from = CurrentDraws().size();
  DrawTileLayers();
  std::vector<Draw> out;
  const auto& all = CurrentDraws();
  for (size_t i = from; i < all.size(); ++i) out.push_back({all[i].image, all[i].frame, all[i].x, all[i].y});
  return out;
}

TEST(CollisionIndex, TileLayersDrawTheSameThingsInTheSameOrder) {
  test::TempDir dir;
  test::StartHeadless(dir.str());
  SetRecordDraws(true);
  Image* tileset = CreateImage(32, 32, 16);
  Image* savedTileset = Tileset;
  Tileset = tileset;
  std::vector<std::unique_ptr<TImageSet>> sets;
  for (int k = 0; k < 5; ++k) {
    auto set = std::make_unique<TImageSet>();
    set->width = 40 + 90 * k;
    set->height = 30 + 70 * k;
    set->image = CreateImage(set->width, set->height);
    sets.push_back(std::move(set));
  }
  std::mt19937 rng(99);
  std::uniform_int_distribution<int> pct(0, 99);
  for (int level = 0; level < 3; ++level) {
    const int width = level == 2 ? 90000 : 9000, height = 2400;
    BackTiles.clear();
    Tiles.clear();
    ImageTiles.clear();
    std::uniform_real_distribution<float> x(-300, width), y(-300, height);
    for (int i = 0; i < width / 8; ++i)
      BackTiles.push_back({std::round(x(rng) / 32) * 32, std::round(y(rng) / 32) * 32, pct(rng) % 16});
    // The running layer mostly rises through the list, as the editor writes
    // it, with a step back now and then.
    int layer = 0;
    for (int i = 0; i < width / 4; ++i) {
      if (pct(rng) < 2) layer = std::min(kLayerCount + 1, layer + 1 + pct(rng) % 3);
      if (pct(rng) == 0) layer = std::max(0, layer - 2);
      Tiles.push_back({std::round(x(rng) / 32) * 32, std::round(y(rng) / 32) * 32, pct(rng) % 16, layer});
    }
    for (int i = 0; i < width / 40; ++i) {
      const TImageSet* set = pct(rng) < 5 ? nullptr : sets[static_cast<size_t>(pct(rng)) % sets.size()].get();
      ImageTiles.push_back({x(rng), y(rng), set, pct(rng) % (kLayerCount + 3) - 1});
    }
    for (int& mode : LayerScrollMode) mode = pct(rng) % 3;
    TileLayersChanged();

    for (int view = 0; view < 120; ++view) {
      SCOPED_TRACE(testing::Message() << "level " << level << ", view " << view);
      float cx = x(rng), cy = y(rng);
      if (view % 7 == 0) cx = std::round(cx / 64) * 64, cy = std::round(cy / 64) * 64;  // on cell edges
      UseSpatialIndexes(false);
      std::vector<Draw> plain = DrawLayersAt(cx, cy);
      UseSpatialIndexes(true);
      std::vector<Draw> indexed = DrawLayersAt(cx, cy);
      ASSERT_FALSE(plain.empty());
      ASSERT_EQ(indexed.size(), plain.size());
      for (size_t i = 0; i < plain.size(); ++i) ASSERT_EQ(indexed[i], plain[i]) << "draw " << i;
    }
  }
  BackTiles.clear();
  Tiles.clear();
  ImageTiles.clear();
  TileLayersChanged();
  Tileset = savedTileset;
  SetRecordDraws(false);
}

}  // namespace
