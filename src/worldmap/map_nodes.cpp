#include "worldmap/map_nodes.h"

#include "present/present.h"
#include "present/state_dump.h"
#include "world/assets.h"
#include "world/camera.h"
#include "world/save_game.h"

// Positions are the markers' cells on the map picture. The names are the
// ones the player reads; the level files keep their own spellings
// ("lev_wierd_1.doy").
// clang-format off
const MapNodeRow kMapNodeTable[kMapNodeCount] = {
    // number, name,     cell x, y,     up, down, left, right
    {1,  "Forest I",    224,  288,  {0,  0,  0,  2}},
    {2,  "Ghost I",     608,  352,  {0,  6,  1,  3}},
    {3,  "Forest II",   992,  256,  {0,  0,  2,  4}},
    {4,  "Desert I",    1504, 32,   {0,  5,  3,  0}},
    {5,  "Temple I",    2016, 800,  {4,  0,  6,  0}},
    {6,  "Beach I",     640,  896,  {2,  0,  7,  5}},
    {7,  "Ocean I",     224,  1088, {0,  0,  8,  6}},
    {8,  "Beach II",    -32,  1280, {7,  0,  0,  9}},
    {9,  "Volcano I",   1280, 1376, {0,  10, 8,  0}},
    {10, "Volcano II",  1600, 1824, {9,  0,  0,  11}},
    {11, "Mountain I",  2528, 1600, {12, 0,  10, 13}},
    {12, "Air I",       3104, 1056, {0,  13, 11, 0}},
    {13, "Castle I",    3616, 1888, {12, 0,  11, 14}},
    {14, "Weird I",     4352, 1984, {0,  0,  13, 0}},
};
// clang-format on

std::vector<TMapNode> MapNodes;
int CurrentMapNode = 1;
std::string MapPanelName;

namespace {

constexpr int kHalfCell = 16;
constexpr float kBobHeight = 3;
constexpr float kBobDegreesPerMs = 0.36f;  // one bob a second
constexpr float kBobAbove = 40;            // the icon's top over the marker's centre

}  // namespace

int TMapNode::Link(MapKey key) const {
  switch (key) {
    case MapKey::Up:
      return up;
    case MapKey::Down:
      return down;
    case MapKey::Left:
      return left;
    case MapKey::Right:
      return right;
  }
  return 0;
}

void TMapNode::Draw() const {
  float sx = x - CameraX, sy = y - CameraY;
  if (number == CurrentMapNode) {
    SetColor(255, 128, 128);
    SetAlpha(0.5f);
    DrawOval(sx - 16, sy - 10, 32, 20);
  }
  if (unlocked) {
    SetAlpha(1);
    SetColor(255, 255, 255);
  } else {
    SetAlpha(0.5f);
    SetColor(128, 128, 128);
  }
  DrawImage(ImgMarker, sx, sy, 0);
  SetAlpha(1);
  SetColor(255, 255, 255);
  if (number == CurrentMapNode) {
    // The oval hides under the marker's ring: the hero's pogo stick bobbing
    // over the marker shows at a glance where he stands.
    float bob = kBobHeight * SinD(static_cast<float>(Millisecs()) * kBobDegreesPerMs);
    DrawImage(ImgPogoIcon, sx - ImageWidth(ImgPogoIcon) / 2.0f, sy - kBobAbove + bob, 0);
  }
}

void TMapNode::ShowName() const {
  if (number == CurrentMapNode) MapPanelName = name;
}

void BuildMapNodes() {
  MapNodes.clear();
  for (const MapNodeRow& row : kMapNodeTable) {
    TMapNode n;
    n.x = row.cellX + kHalfCell;
    n.y = row.cellY + kHalfCell;
    n.number = row.number;
    n.unlocked = row.number == 1 ? 1 : 0;
    n.name = row.name;
    n.up = row.link[static_cast<int>(MapKey::Up)];
    n.down = row.link[static_cast<int>(MapKey::Down)];
    n.left = row.link[static_cast<int>(MapKey::Left)];
    n.right = row.link[static_cast<int>(MapKey::Right)];
    MapNodes.push_back(n);
  }
}

TMapNode* MapNodeNumbered(int number) {
  for (TMapNode& n : MapNodes)
    if (n.number == number) return &n;
  return nullptr;
}

void RefreshMapUnlocks() {
  for (int row = 1; row < kLevelRecords; ++row)
    if (TMapNode* n = MapNodeNumbered(row)) n->unlocked = LevelRecord[row][Record::Unlocked];
}

BOINGLE_STATE_VALUE(MapNode, CurrentMapNode);
BOINGLE_STATE_JSON(MapUnlocked, [] {
  std::string list = "[";
  for (const TMapNode& n : MapNodes) {
    if (!n.unlocked) continue;
    if (list.size() > 1) list += ", ";
    list += std::to_string(n.number);
  }
  return list + "]";
}());
