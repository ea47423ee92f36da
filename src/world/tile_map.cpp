#include "world/tile_map.h"

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
[[maybe_unused]] const int kBlocksJoined = RegisterLevelList([] { CollisionBlocks.clear(); });

// Image tiles whose layer lies in [low, high), in list order.
void DrawImageTiles(int low, int high) {
  for (const TImageTile& t : ImageTiles) {
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
}

void RemoveCollisionBlock(int x, int y) {
  for (auto it = CollisionBlocks.begin(); it != CollisionBlocks.end(); ++it) {
    if (it->x == x && it->y == y) {
      CollisionBlocks.erase(it);
      return;
    }
  }
}

void DrawTileLayers() {
  SetAlpha(1);
  SetColor(AmbientR, AmbientG, AmbientB);
  for (const TBackTile& t : BackTiles)
    if (OnScreenHalfSpeed(t.x, t.y, kTileSize, kTileSize))
      DrawImage(Tileset, t.x - CameraX / 2, t.y - CameraY / 2, t.frame);

  int current = 0;
  for (const TTile& t : Tiles) {
    if (t.layer > current) {
      DrawImageTiles(current, t.layer);
      current = t.layer;
    }
    float sx = t.x - CameraX, sy = t.y - CameraY;
    if (sx >= -kTileSize && sx < kViewWidth && sy >= -kTileSize && sy < kViewHeight)
      DrawImage(Tileset, sx, sy, t.frame);
  }
  // Image tiles on the last tile layer and above would otherwise never be
  // drawn; they go in front of every tile, so no decoration silently vanishes.
  DrawImageTiles(current, kLayerCount);
}

void ResetTileMap() {
  LevelMinX = 9000;
  LevelMaxX = -9000;
  LevelMinY = 9000;
  LevelMaxY = -9000;
  AmbientR = AmbientG = AmbientB = 255;
  HighestLayer = 0;
}
