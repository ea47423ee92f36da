// The level file: a ".doy" text file in "Levels/", read top to bottom in one
// pass. Every record is created the moment its line is read, so objects are
// created, and later act, in the order of their lines.
//
//   1 title, 2 subtitle, 3 area, 4 music (discarded), 5 image-set folder,
//   6 heading, 7-26 scroll modes of image layers 0-19, 27 heading,
//   tiles "x,y,frame,layer"       until IMAGE_TILE_LIST
//   image tiles "x,y,layer,file,folder" until COLLISION_LIST
//   blocks "x,y,kind"             until ACTIVE_LIST
//   objects, eleven fields        until "FIN! :D"
#pragma once

#include <string>

// What the level file says about the level as a whole.
extern std::string LevelTitle;     // large on the title card
extern std::string LevelSubtitle;  // half size under it
extern int LevelArea;              // line 3; AreaIndex follows it once the file is read
extern int LevelMusic;             // always the area number: line 4 is discarded

// The section marker lines, compared as whole lines, with letter case.
constexpr const char* kImageTileMarker = "IMAGE_TILE_LIST";
constexpr const char* kCollisionMarker = "COLLISION_LIST";
constexpr const char* kActiveMarker = "ACTIVE_LIST";
constexpr const char* kEndMarker = "FIN! :D";

// Every number a level file gives is held to this much either way: a
// hand-edited or damaged line (a width of two thousand million tiles) must not
// overflow the sums the objects make of positions and sizes. It is far beyond
// any real level: half a million tiles.
constexpr int kLevelNumberLimit = 1 << 24;
// Reals likewise, and a real that is not a number reads 0.
constexpr double kLevelRealLimit = 1e9;

struct ObjectKindRow;

// One line of the active list. Fields 4 to 11 mean something different for
// every kind: they are kept as text and read by the names the kind table
// (world/object_kinds.h) gives them.
struct ActiveLine {
  int x = 0, y = 0;  // fields 1 and 2
  int type = 0;      // field 3
  const ObjectKindRow* kind = nullptr;  // the type's row
  std::string field[8];                 // fields 4 to 11, as they stand

  // A named field read as a whole number, a real or text. A name the kind
  // does not have reads as empty (and says so once on standard error: it is
  // a mistake in the creator, not in the level).
  int Int(const char* name) const;
  double Real(const char* name) const;
  const std::string& Text(const char* name) const;
  // Fields "w" and "h" are in tiles.
  int WidthPx() const { return Int("w") * 32; }
  int HeightPx() const { return Int("h") * 32; }
};

// Creating the objects of a type code belongs to the kinds above the level
// world; the game fills this table from the kind table at start-up. A code
// without a creator creates nothing.
using CreatorFn = void (*)(const ActiveLine& line);
void SetKindCreator(int typeCode, CreatorFn fn);
CreatorFn KindCreator(int typeCode);

// Loads "Levels/" + name. A missing file leaves an empty level (and says so
// on standard error).
// False when there is no such file: the level is then empty (and says so).
bool LoadLevel(const std::string& name);
// Empties the object list and the layered-tile, image-set, image-tile and
// collision lists.
void UnloadLevel();

const std::string& CurrentLevelTitle();
const std::string& CurrentLevelSubtitle();
int CurrentLevelMusic();
