// The fourteen level markers of the world map and the links between them.
// Node n is row n of the level record table and plays level 410 + n.
#pragma once

#include <string>
#include <vector>

// The arrow keys in the order the map tests them.
enum class MapKey { Up = 0, Down = 1, Left = 2, Right = 3 };
constexpr int kMapKeys = 4;

// One row of the node table: the marker's 32 by 32 cell (top-left), and for
// each arrow key the node it leads to (0: none).
struct MapNodeRow {
  int number;
  const char* name;
  int cellX, cellY;
  int link[kMapKeys];  // up, down, left, right
};

// The map's data. Every link goes both ways and follows a dotted path drawn
// in f_worldmap.lvl (content/levels/worldmap.md tells the paths); the
// picture test checks the two against each other.
constexpr int kMapNodeCount = 14;
extern const MapNodeRow kMapNodeTable[kMapNodeCount];

struct TMapNode {
  int x = 0, y = 0;  // marker centre, world pixels
  int number = 0;
  int unlocked = 0;
  std::string name;
  int up = 0, down = 0, left = 0, right = 0;

  int Link(MapKey key) const;
  // The marker, with the highlight under it when it is the current node.
  void Draw() const;
  // The panel shows the current node's name.
  void ShowName() const;
};

// Built once at start-up, in the table's order; only node 1 starts unlocked.
extern std::vector<TMapNode> MapNodes;
// The highlighted node: 1 at program start, kept between visits (not saved).
extern int CurrentMapNode;
// The panel's name line.
extern std::string MapPanelName;

void BuildMapNodes();
// The node with this number, or null.
TMapNode* MapNodeNumbered(int number);
// Each node's unlocked flag from column 1 of its record row.
void RefreshMapUnlocks();
