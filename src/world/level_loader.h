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

// One line of the active list. Fields 4 to 7 mean something different for
// every kind, so they are kept as text; each creator reads them its way.
struct ActiveLine {
  int x = 0, y = 0;      // fields 1 and 2
  int type = 0;          // field 3
  std::string param[4];  // fields 4 to 7, as they stand
  int target = 0;        // field 8: link fired when killed, collected or pressed
  int link = 0;          // field 9: link listened to
  int wTiles = 0;        // field 10
  int hTiles = 0;        // field 11

  // Field 4 to 7 read as a whole number, a real or text.
  int Int(int field) const;
  double Real(int field) const;
  const std::string& Text(int field) const;
  int WidthPx() const { return wTiles * 32; }
  int HeightPx() const { return hTiles * 32; }
};

// Each object kind registers the creator of its type code; a code nobody has
// registered creates nothing. Registering a code again replaces its creator.
using CreatorFn = void (*)(const ActiveLine& line);
int RegisterActiveKind(int typeCode, CreatorFn fn);
CreatorFn ActiveKindCreator(int typeCode);

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
