// The world map's picture (Levels/f_worldmap.doy) against the game's node
// table (worldmap/map_nodes.cpp): the table's links go both ways, point the way
// their keys say and open every level through the ones before it; every
// marker stands on a stop on land; every link follows a dotted path drawn on
// the map from the side of its key; and a view centred on any marker lies
// inside the level's bounds.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "support/test_support.h"
#include "tile_layout.h"
#include "world/level_loader.h"
#include "world/level_reset.h"
#include "world/tile_map.h"
#include "worldmap/map_nodes.h"

namespace {

// Keys in the table's order: up, down, left, right.
constexpr int kKeys = 4;
constexpr int kStep[kKeys][2] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};
const char* const kKeyNames[kKeys] = {"up", "down", "left", "right"};
int Opposite(int key) {
  return key ^ 1;
}

struct MapNode {
  int number = 0;
  std::string name;
  int x = 0, y = 0;  // centre
  int link[kKeys] = {};
};

// The game's own node table.
std::vector<MapNode> ReadNodeTable() {
  std::vector<MapNode> nodes;
  for (const MapNodeRow& row : kMapNodeTable) {
    MapNode n;
    n.number = row.number;
    n.name = row.name;
    n.x = row.cellX + 16;
    n.y = row.cellY + 16;
    for (int k = 0; k < kKeys; ++k) n.link[k] = row.link[k];
    nodes.push_back(n);
  }
  return nodes;
}

TEST(WorldMapTable, LinksGoBothWaysPointTheirKeysWayAndOpenEveryLevelInTurn) {
  std::vector<MapNode> nodes = ReadNodeTable();
  ASSERT_EQ(nodes.size(), 14u);
  for (size_t i = 0; i < nodes.size(); ++i) ASSERT_EQ(nodes[i].number, static_cast<int>(i) + 1);
  EXPECT_EQ(nodes[0].name, "Forest I");
  EXPECT_EQ(nodes[13].name, "Weird I");
  auto at = [&](int number) -> const MapNode& { return nodes[number - 1]; };

  for (const MapNode& a : nodes)
    for (int k = 0; k < kKeys; ++k) {
      int target = a.link[k];
      if (target == 0) continue;
      ASSERT_GE(target, 1);
      ASSERT_LE(target, 14);
      ASSERT_NE(target, a.number);
      const MapNode& b = at(target);
      // The other node lies on the key's side of this one.
      int dx = b.x - a.x, dy = b.y - a.y;
      EXPECT_GT(dx * kStep[k][0] + dy * kStep[k][1], 0)
          << a.name << " " << kKeyNames[k] << " leads to " << b.name << ", which is not that way";
      // And it leads back.
      bool back = false;
      for (int j = 0; j < kKeys; ++j) back = back || b.link[j] == a.number;
      EXPECT_TRUE(back) << b.name << " has no key back to " << a.name;
    }

  // Level n can be reached from Forest I through levels 1 to n only.
  for (int n = 2; n <= 14; ++n) {
    std::set<int> seen = {1};
    std::vector<int> todo = {1};
    while (!todo.empty()) {
      int cur = todo.back();
      todo.pop_back();
      for (int k = 0; k < kKeys; ++k) {
        int next = at(cur).link[k];
        if (next != 0 && next <= n && seen.insert(next).second) todo.push_back(next);
      }
    }
    EXPECT_TRUE(seen.count(n)) << at(n).name << " cannot be reached through the levels before it";
  }
}

// The compiled map: its tiles by place, for the path walk.
class WorldMapPicture : public ::testing::Test {
 protected:
  void SetUp() override {
    test::StartHeadless(dir_.str());
    ASSERT_TRUE(LoadLevel("f_worldmap.doy"));
    for (const TTile& t : Tiles)
      cells_[{static_cast<int>(t.x), static_cast<int>(t.y)}].push_back(t);
    nodes_ = ReadNodeTable();
    ASSERT_EQ(nodes_.size(), 14u);
  }
  void TearDown() override { ResetLevelState(); }

  bool Has(int x, int y, const char* cellName) const {
    auto it = cells_.find({x, y});
    if (it == cells_.end()) return false;
    for (const TTile& t : it->second)
      if (t.frame == forge::TileCell(cellName)) return true;
    return false;
  }

  // The sides a path tile at (x, y) joins, as a bit per key, or 0.
  int PathSides(int x, int y) const {
    static const std::map<std::string, int> kJoins = {
        {"map_path_h", 12},   {"map_path_v", 3},   {"map_path_x", 15},   {"map_node", 15},
        {"map_path_ne", 9},   {"map_path_nw", 5},  {"map_path_se", 10},  {"map_path_sw", 6},
        {"map_bridge_h", 12}, {"map_bridge_v", 3}, {"map_path_t_n", 13}, {"map_path_t_s", 14},
        {"map_path_t_w", 7},  {"map_path_t_e", 11}};
    int sides = 0;
    auto it = cells_.find({x, y});
    if (it == cells_.end()) return 0;
    for (const TTile& t : it->second)
      for (const auto& [name, bits] : kJoins)
        if (t.frame == forge::TileCell(name)) sides |= bits;
    return sides;
  }

  const MapNode* NodeAt(int x, int y) const {
    for (const MapNode& n : nodes_)
      if (n.x - 16 == x && n.y - 16 == y) return &n;
    return nullptr;
  }

  test::TempDir dir_;
  std::map<std::pair<int, int>, std::vector<TTile>> cells_;
  std::vector<MapNode> nodes_;
};

TEST_F(WorldMapPicture, EveryMarkerStandsOnAStopOnLand) {
  std::set<int> sea = {forge::TileCell("map_sea"), forge::TileCell("map_sea_b")};
  for (const MapNode& n : nodes_) {
    int x = n.x - 16, y = n.y - 16;
    EXPECT_TRUE(Has(x, y, "map_node")) << n.name << " has no stop under its marker";
    bool ground = false;
    for (const TTile& t : cells_[{x, y}])
      if (t.layer == 1) {
        ground = true;
        EXPECT_FALSE(sea.count(t.frame)) << n.name << " stands in the sea";
      }
    EXPECT_TRUE(ground) << n.name << " has no ground under it";
  }
}

TEST_F(WorldMapPicture, EveryLinkFollowsADrawnPathFromTheSideOfItsKey) {
  for (const MapNode& a : nodes_)
    for (int k = 0; k < kKeys; ++k) {
      if (a.link[k] == 0) continue;
      const MapNode& b = nodes_[a.link[k] - 1];
      // Leave by the key's side and follow the dots: straight through a
      // crossing, round a bend, until the next stop.
      int x = a.x - 16, y = a.y - 16, dir = k;
      const MapNode* reached = nullptr;
      for (int steps = 0; steps < 400 && !reached; ++steps) {
        int from = PathSides(x, y);
        if (!(from & (1 << dir))) break;
        x += kStep[dir][0] * 32;
        y += kStep[dir][1] * 32;
        int sides = PathSides(x, y);
        if (!(sides & (1 << Opposite(dir)))) break;
        if ((reached = NodeAt(x, y))) break;
        int onward = sides & ~(1 << Opposite(dir));
        if (onward & (1 << dir)) continue;  // straight on (or across)
        int turns = 0;
        for (int j = 0; j < kKeys; ++j)
          if (onward & (1 << j)) {
            dir = j;
            ++turns;
          }
        if (turns != 1) break;  // a dead end or a fork: no single way on
      }
      ASSERT_NE(reached, nullptr) << "the path " << kKeyNames[k] << " from " << a.name
                                  << " breaks off near " << x << "," << y;
      EXPECT_EQ(reached->number, b.number) << kKeyNames[k] << " from " << a.name << " is drawn to "
                                           << reached->name << ", the table says " << b.name;
      // The path arrives on the side whose key leads back.
      EXPECT_EQ(b.link[Opposite(dir)], a.number)
          << "the path from " << a.name << " reaches " << b.name << " from its "
          << kKeyNames[Opposite(dir)] << " side, whose key does not lead back";
    }
}

TEST_F(WorldMapPicture, BoundsHoldAViewCentredOnEveryMarker) {
  for (const MapNode& n : nodes_) {
    EXPECT_LE(LevelMinX, n.x - 400) << n.name;
    EXPECT_GE(LevelMaxX, n.x + 400) << n.name;
    EXPECT_LE(LevelMinY, n.y - 300) << n.name;
    EXPECT_GE(LevelMaxY, n.y + 300) << n.name;
  }
  // Only the two corner blocks: nothing on the map is solid.
  EXPECT_EQ(CollisionBlocks.size(), 2u);
}

}  // namespace
