// The level's picture and geometry: background tiles, layered tiles, image
// tiles and collision blocks, each an ordered list of records with pixel
// positions (there is no grid), plus the level bounds, the layer scroll modes,
// the ambient colour and the geometric questions every object asks.
#pragma once

#include <cmath>
#include <vector>

#include "world/cell_grid.h"

struct TImageSet;

constexpr int kTileSize = 32;
constexpr float kViewWidth = 800, kViewHeight = 600;
constexpr int kLayerCount = 20;  // image-tile layers with a scroll mode each

// Drawn behind everything, at half the camera's speed (tile lines of layer 0).
struct TBackTile {
  float x = 0, y = 0;
  int frame = 0;
};

// Drawn in list order; image tiles are slotted between them by layer.
struct TTile {
  float x = 0, y = 0;
  int frame = 0;
  int layer = 0;
};

struct TImageTile {
  float x = 0, y = 0;
  const TImageSet* set = nullptr;  // none when the level named a missing picture
  int layer = 0;
};

enum class BlockKind { Solid = 0, Platform = 1 };

// A 32 by 32 square at (x, y). A platform stops only a falling hero, and only
// along its top pixel row; any other kind is collided with by nothing.
struct TCollisionBlock {
  int x = 0, y = 0;
  int kind = 0;
};

extern std::vector<TBackTile> BackTiles;
extern std::vector<TTile> Tiles;
extern std::vector<TImageTile> ImageTiles;
extern std::vector<TCollisionBlock> CollisionBlocks;

// Per image-tile layer: 0 moves with the camera, 1 at half speed, other
// values hide the layer.
enum class LayerScroll { WithCamera = 0, HalfSpeed = 1 };
extern int LayerScrollMode[kLayerCount];
extern int HighestLayer;  // over tile and image-tile lines; nothing reads it yet

// The box the collision blocks span; the camera stays inside it.
extern int LevelMinX, LevelMaxX, LevelMinY, LevelMaxY;

// The tile layers are drawn in this colour; light zones change it.
extern int AmbientR, AmbientG, AmbientB;

// Boxes are (left, top, right, bottom). Touching edges count as overlapping.
int BoxesOverlap(float ax1, float ay1, float ax2, float ay2, float bx1, float by1, float bx2,
                 float by2);
// The box (x, y, w, h) inside or touching the view.
int OnScreen(float x, float y, int w, int h);
// The same for things drawn at half the camera's speed (strict on all sides).
int OnScreenHalfSpeed(float x, float y, int w, int h);

// Fans, breakable and falling blocks add and take away blocks while they are
// solid. Removal takes the first block standing exactly at (x, y), any kind.
// These three keep the blocks' grid in step with the list; anything else
// that changes CollisionBlocks (a test) must change its length or call
// CollisionBlocksChanged.
void AddCollisionBlock(int x, int y, int kind);
void RemoveCollisionBlock(int x, int y);
void ClearCollisionBlocks();
void CollisionBlocksChanged();

// The collision blocks whose 32 by 32 square can overlap or touch the box
// (left, top, right, bottom): visit(block, index) for each, in no particular
// order (the caller makes the exact test, and compares indices where the
// first in list order counts); visit returns false to stop. Without a grid
// the blocks come in list order.
const CellGrid& CollisionBlockGrid();
template <class Visit>
bool VisitBlocksNear(float left, float top, float right, float bottom, Visit&& visit) {
  // A little beyond the box: callers compare in float, which rounds far from
  // the origin.
  auto slack = [](double v) { return 1 + std::fabs(v) / (1 << 20); };
  return CollisionBlockGrid().VisitNear(
      left - kTileSize - slack(left), top - kTileSize - slack(top), right + slack(right),
      bottom + slack(bottom), [&](int i) { return visit(CollisionBlocks[static_cast<size_t>(i)], i); });
}
// Whether some block's whole square overlaps or touches the box.
bool AnyBlockTouches(float left, float top, float right, float bottom);
// The first block in list order whose square overlaps or touches the box.
const TCollisionBlock* FirstBlockTouching(float left, float top, float right, float bottom);

// Once per level frame, before the objects and the hero are drawn.
void DrawTileLayers();
// The layer drawing keeps grids of the tile lists; the loader, and anything
// else that changes BackTiles, Tiles or ImageTiles in place, says so here
// (a change of a list's length or storage is noticed anyway).
void TileLayersChanged();

// The level reset's part: bounds waiting for the first block (minimum 9000,
// maximum -9000), white ambient light, highest layer 0. The lists are emptied
// through AllLists.
void ResetTileMap();
