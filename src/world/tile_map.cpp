#include "world/tile_map.h"

#include <algorithm>
#include <cstdint>

#include "world/level_lists.h"
#include "present/present.h"
#include "world/area.h"
#include "world/camera.h"

std::vector<TBackTile> BackTiles;
std::vector<TTile> Tiles;
std::vector<TImageTile> ImageTiles;
std::vector<TCollisionBlock> CollisionBlocks;

int LayerScrollMode[kLayerCount] = {};
int HighestLayer = 0;

int LevelMinX = 9000, LevelMaxX = -9000, LevelMinY = 9000, LevelMaxY = -9000;

int AmbientR = 255, AmbientG = 255, AmbientB = 255;

namespace {

[[maybe_unused]] const int kBackTilesJoined = RegisterLevelList([] { BackTiles.clear(); });
[[maybe_unused]] const int kTilesJoined = RegisterLevelList([] { Tiles.clear(); });
[[maybe_unused]] const int kImageTilesJoined = RegisterLevelList([] { ImageTiles.clear(); });
[[maybe_unused]] const int kBlocksJoined = RegisterLevelList(&ClearCollisionBlocks);

// Rebuilt at the first question after a change: a level's load adds its
// blocks one by one, and a falling platform takes three away at once.
CellGrid g_blockGrid;
bool g_blockGridStale = true;

// Where the layered tiles' running layer rises, the image tiles of the
// layers passed over are drawn before that tile.
struct LayerStep {
  int tile;
  int low, high;
};

// The tile lists' grids and what the layer drawing needs of them, rebuilt
// when a list changes.
struct TileIndex {
  CellGrid back, tiles, images;
  std::vector<LayerStep> steps;
  int lastLayer = 0;               // the running layer after the last tile
  float reachW = 0, reachH = 0;    // the largest image set: how far left and up to look
  IndexSet found;
  std::vector<int> imagesNear;     // this frame's candidates, in list order
  const void* built[3] = {};
  size_t sizes[3] = {};
  bool stale = true;
};
TileIndex g_tileIndex;

TileIndex& CurrentTileIndex() {
  TileIndex& ix = g_tileIndex;
  const void* data[3] = {BackTiles.data(), Tiles.data(), ImageTiles.data()};
  const size_t sizes[3] = {BackTiles.size(), Tiles.size(), ImageTiles.size()};
  for (int k = 0; k < 3; ++k)
    if (data[k] != ix.built[k] || sizes[k] != ix.sizes[k]) ix.stale = true;
  if (!ix.stale) return ix;
  ix.back.Build(static_cast<int>(BackTiles.size()), [](int i, double* x, double* y) {
    *x = BackTiles[static_cast<size_t>(i)].x;
    *y = BackTiles[static_cast<size_t>(i)].y;
  });
  ix.tiles.Build(static_cast<int>(Tiles.size()), [](int i, double* x, double* y) {
    *x = Tiles[static_cast<size_t>(i)].x;
    *y = Tiles[static_cast<size_t>(i)].y;
  });
  ix.images.Build(static_cast<int>(ImageTiles.size()), [](int i, double* x, double* y) {
    *x = ImageTiles[static_cast<size_t>(i)].x;
    *y = ImageTiles[static_cast<size_t>(i)].y;
  });
  ix.steps.clear();
  int current = 0;
  for (size_t i = 0; i < Tiles.size(); ++i) {
    if (Tiles[i].layer > current) {
      ix.steps.push_back({static_cast<int>(i), current, Tiles[i].layer});
      current = Tiles[i].layer;
    }
  }
  ix.lastLayer = current;
  ix.reachW = ix.reachH = 0;
  for (const TImageTile& t : ImageTiles) {
    if (!t.set) continue;
    ix.reachW = std::max(ix.reachW, static_cast<float>(t.set->width));
    ix.reachH = std::max(ix.reachH, static_cast<float>(t.set->height));
  }
  size_t most = std::max({BackTiles.size(), Tiles.size(), ImageTiles.size()});
  ix.found.Reserve(static_cast<int>(most));
  for (int k = 0; k < 3; ++k) {
    ix.built[k] = data[k];
    ix.sizes[k] = sizes[k];
  }
  ix.stale = false;
  return ix;
}

// A little beyond a culling box: the tests compare in float, which rounds
// far from the origin.
double Slack(double v) { return 1 + std::fabs(v) / (1 << 20); }

// fn(i) for the members of `grid` whose anchor can lie in the box, in list
// order: the order the plain walk draws them in.
template <class Fn>
void ForNearInOrder(TileIndex& ix, const CellGrid& grid, double x0, double y0, double x1, double y1,
                    Fn&& fn) {
  if (grid.Plain()) {
    for (int i = 0; i < grid.Count(); ++i) fn(i);
    return;
  }
  grid.VisitNear(x0 - Slack(x0), y0 - Slack(y0), x1 + Slack(x1), y1 + Slack(y1), [&](int i) {
    ix.found.Add(i);
    return true;
  });
  ix.found.DrainInOrder(fn);
}

// Image tiles whose layer lies in [low, high), in list order; only those in
// `near` when it is given.
void DrawImageTiles(int low, int high, const std::vector<int>* near) {
  const size_t count = near ? near->size() : ImageTiles.size();
  for (size_t k = 0; k < count; ++k) {
    const TImageTile& t = ImageTiles[near ? static_cast<size_t>((*near)[k]) : k];
    if (t.layer < low || t.layer >= high) continue;
    // A layer outside the table has no scroll mode: hidden, like mode 2.
    if (t.layer < 0 || t.layer >= kLayerCount || !t.set) continue;
    const TImageSet& set = *t.set;
    switch (LayerScrollMode[t.layer]) {
      case static_cast<int>(LayerScroll::WithCamera):
        if (t.x >= CameraX - set.width && t.x < CameraX + kViewWidth &&
            t.y >= CameraY - set.height && t.y < CameraY + kViewHeight)
          DrawImageSet(set, t.x - CameraX, t.y - CameraY);
        break;
      case static_cast<int>(LayerScroll::HalfSpeed):
        if (OnScreenHalfSpeed(t.x, t.y, set.width, set.height))
          DrawImageSet(set, t.x - CameraX / 2, t.y - CameraY / 2);
        break;
      default:
        break;
    }
  }
}

}  // namespace

int BoxesOverlap(float ax1, float ay1, float ax2, float ay2, float bx1, float by1, float bx2,
                 float by2) {
  if (ax1 > bx2 || ax2 < bx1 || ay1 > by2 || ay2 < by1) return 0;
  return 1;
}

int OnScreen(float x, float y, int w, int h) {
  return x + w >= CameraX && x <= CameraX + kViewWidth && y + h >= CameraY &&
         y <= CameraY + kViewHeight;
}

int OnScreenHalfSpeed(float x, float y, int w, int h) {
  float cx = CameraX / 2, cy = CameraY / 2;
  return cx - w < x && x < cx + kViewWidth && cy - h < y && y < cy + kViewHeight;
}

void AddCollisionBlock(int x, int y, int kind) {
  CollisionBlocks.push_back({x, y, kind});
  g_blockGridStale = true;
}

void RemoveCollisionBlock(int x, int y) {
  // The first block standing there: the least index among those in its cell.
  int first = -1;
  const double px = x, py = y;
  CollisionBlockGrid().VisitNear(px, py, px, py, [&](int i) {
    const TCollisionBlock& b = CollisionBlocks[static_cast<size_t>(i)];
    if (b.x == x && b.y == y && (first < 0 || i < first)) first = i;
    return true;
  });
  if (first < 0) return;
  CollisionBlocks.erase(CollisionBlocks.begin() + first);
  g_blockGridStale = true;
}

void ClearCollisionBlocks() {
  CollisionBlocks.clear();
  g_blockGridStale = true;
}

void CollisionBlocksChanged() { g_blockGridStale = true; }

const CellGrid& CollisionBlockGrid() {
  if (g_blockGridStale || static_cast<size_t>(g_blockGrid.Count()) != CollisionBlocks.size()) {
    g_blockGrid.Build(static_cast<int>(CollisionBlocks.size()), [](int i, double* x, double* y) {
      *x = CollisionBlocks[static_cast<size_t>(i)].x;
      *y = CollisionBlocks[static_cast<size_t>(i)].y;
    });
    g_blockGridStale = false;
  }
  return g_blockGrid;
}

bool AnyBlockTouches(float left, float top, float right, float bottom) {
  return !VisitBlocksNear(left, top, right, bottom, [&](const TCollisionBlock& b, int) {
    float bx = static_cast<float>(b.x), by = static_cast<float>(b.y);
    return !BoxesOverlap(left, top, right, bottom, bx, by, bx + kTileSize, by + kTileSize);
  });
}

const TCollisionBlock* FirstBlockTouching(float left, float top, float right, float bottom) {
  int first = -1;
  const CellGrid& grid = CollisionBlockGrid();
  VisitBlocksNear(left, top, right, bottom, [&](const TCollisionBlock& b, int i) {
    if (first >= 0 && i > first) return true;
    float bx = static_cast<float>(b.x), by = static_cast<float>(b.y);
    if (BoxesOverlap(left, top, right, bottom, bx, by, bx + kTileSize, by + kTileSize)) {
      first = i;
      // In list order the first hit is the answer.
      if (grid.Plain()) return false;
    }
    return true;
  });
  return first < 0 ? nullptr : &CollisionBlocks[static_cast<size_t>(first)];
}

void TileLayersChanged() { g_tileIndex.stale = true; }

// The grids only pick which members to test: each is tested and drawn
// exactly as a walk over the whole list would, in the same order.
void DrawTileLayers() {
  SetAlpha(1);
  SetColor(AmbientR, AmbientG, AmbientB);
  TileIndex& ix = CurrentTileIndex();
  const double cx = CameraX, cy = CameraY, hx = CameraX / 2, hy = CameraY / 2;
  ForNearInOrder(ix, ix.back, hx - kTileSize, hy - kTileSize, hx + kViewWidth, hy + kViewHeight,
                 [](int i) {
                   const TBackTile& t = BackTiles[static_cast<size_t>(i)];
                   if (OnScreenHalfSpeed(t.x, t.y, kTileSize, kTileSize))
                     DrawImage(Tileset, t.x - CameraX / 2, t.y - CameraY / 2, t.frame);
                 });

  // The image tiles that can show, at the camera's speed or at half of it.
  const std::vector<int>* near = nullptr;
  if (!ix.images.Plain()) {
    ix.imagesNear.clear();
    auto note = [&ix](int i) {
      ix.found.Add(i);
      return true;
    };
    auto visit = [&](double x0, double y0) {
      double x1 = x0 + kViewWidth, y1 = y0 + kViewHeight;
      x0 -= ix.reachW;
      y0 -= ix.reachH;
      ix.images.VisitNear(x0 - Slack(x0), y0 - Slack(y0), x1 + Slack(x1), y1 + Slack(y1), note);
    };
    visit(cx, cy);
    visit(hx, hy);
    ix.found.DrainInOrder([&ix](int i) { ix.imagesNear.push_back(i); });
    near = &ix.imagesNear;
  }

  size_t step = 0;
  auto stepsUpTo = [&](size_t tile) {
    for (; step < ix.steps.size() && static_cast<size_t>(ix.steps[step].tile) <= tile; ++step)
      DrawImageTiles(ix.steps[step].low, ix.steps[step].high, near);
  };
  ForNearInOrder(ix, ix.tiles, cx - kTileSize, cy - kTileSize, cx + kViewWidth, cy + kViewHeight,
                 [&](int i) {
                   stepsUpTo(static_cast<size_t>(i));
                   const TTile& t = Tiles[static_cast<size_t>(i)];
                   float sx = t.x - CameraX, sy = t.y - CameraY;
                   if (sx >= -kTileSize && sx < kViewWidth && sy >= -kTileSize && sy < kViewHeight)
                     DrawImage(Tileset, sx, sy, t.frame);
                 });
  stepsUpTo(SIZE_MAX);
  // Image tiles on the last tile layer and above would otherwise never be
  // drawn; they go in front of every tile, so no decoration silently vanishes.
  DrawImageTiles(ix.lastLayer, kLayerCount, near);
}

void ResetTileMap() {
  LevelMinX = 9000;
  LevelMaxX = -9000;
  LevelMinY = 9000;
  LevelMaxY = -9000;
  AmbientR = AmbientG = AmbientB = 255;
  HighestLayer = 0;
}
