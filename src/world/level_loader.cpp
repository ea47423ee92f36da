#include "world/level_loader.h"

#include <algorithm>
#include <cmath>
#include <iostream>
#include <map>
#include <set>

#include "world/level_lists.h"
#include "world/player_state.h"
#include "present/present.h"
#include "world/area.h"
#include "world/level_fields.h"
#include "world/object_kinds.h"
#include "world/level_reset.h"
#include "world/tile_map.h"

std::string LevelTitle;
std::string LevelSubtitle;
int LevelArea = 0;
int LevelMusic = 0;

namespace {

constexpr int kFirstNamedField = 4;
constexpr int kLastField = 11;

std::map<int, CreatorFn>& Creators() {
  static std::map<int, CreatorFn> creators;
  return creators;
}

// Reads the lines of one list until its marker. The end of the file ends the
// list too (and, since every later read also meets the end, every later list):
// past the end the file layer yields empty lines forever.
template <typename Fn>
bool ReadList(File* f, const char* marker, Fn perLine) {
  while (!Eof(f)) {
    std::string line = ReadLine(f);
    if (line == marker) return true;
    perLine(line);
  }
  return false;
}

std::string g_levelPath;  // the file being read, for the notices

int Held(int v) {
  return std::clamp(v, -kLevelNumberLimit, kLevelNumberLimit);
}

int IntField(const std::string& line, int n) {
  return Held(LenientInt(Field(line, ',', n)));
}

void RaiseHighestLayer(int layer) {
  if (layer > HighestLayer) HighestLayer = layer;
}

const TImageSet* FindImageSet(const std::string& fileName, const std::string& folder) {
  const TImageSet* found = nullptr;
  for (const auto& set : ImageSets)
    if (set->fileName == fileName && set->folder == folder) found = set.get();
  return found;
}

void ReadTileLine(const std::string& line) {
  float x = static_cast<float>(IntField(line, 1)), y = static_cast<float>(IntField(line, 2));
  int frame = IntField(line, 3), layer = IntField(line, 4);
  RaiseHighestLayer(layer);
  if (layer != 0)
    Tiles.push_back({x, y, frame, layer});
  else
    BackTiles.push_back({x, y, frame});
}

void ReadImageTileLine(const std::string& line) {
  TImageTile t;
  t.x = static_cast<float>(IntField(line, 1));
  t.y = static_cast<float>(IntField(line, 2));
  t.layer = IntField(line, 3);
  RaiseHighestLayer(t.layer);
  std::string file = Field(line, ',', 4), folder = Field(line, ',', 5);
  t.set = FindImageSet(file, folder);
  // A picture the level names that is not there (or did not load): said once,
  // the tile draws nothing.
  if ((!t.set || !t.set->image) && !file.empty())
    NameBrokenContent(ImageSetRoot + folder + file, "a picture of " + g_levelPath + " is not drawn");
  ImageTiles.push_back(t);
}

void ReadCollisionLine(const std::string& line) {
  int x = IntField(line, 1), y = IntField(line, 2);
  AddCollisionBlock(x, y, IntField(line, 3));
  if (x < LevelMinX) LevelMinX = x;
  if (x > LevelMaxX) LevelMaxX = x;
  if (y < LevelMinY) LevelMinY = y;
  if (y > LevelMaxY) LevelMaxY = y;
}

void ReadActiveLine(const std::string& text) {
  ActiveLine line;
  line.x = IntField(text, 1);
  line.y = IntField(text, 2);
  line.type = IntField(text, 3);
  line.kind = FindObjectKind(line.type);
  if (!line.kind) return;
  for (int n = kFirstNamedField; n <= kLastField; ++n) line.field[n - kFirstNamedField] = Field(text, ',', n);
  if (CreatorFn fn = KindCreator(line.type)) fn(line);
}

const std::string& EmptyText() {
  static const std::string empty;
  return empty;
}

}  // namespace

int ActiveLine::Int(const char* name) const {
  return Held(LenientInt(Text(name)));
}
double ActiveLine::Real(const char* name) const {
  double v = LenientReal(Text(name));
  return std::isnan(v) ? 0.0 : std::clamp(v, -kLevelRealLimit, kLevelRealLimit);
}
const std::string& ActiveLine::Text(const char* name) const {
  int n = kind ? KindFieldNumber(*kind, name) : 0;
  if (n < kFirstNamedField || n > kLastField) {
    static std::set<std::string> said;
    if (said.insert(std::to_string(type) + name).second)
      std::cerr << "boingle: object kind " << type << " has no field \"" << name << "\"\n";
    return EmptyText();
  }
  return field[n - kFirstNamedField];
}

// The hero's feet go to the start point; a later start line wins.
void CreatePlayerStart(const ActiveLine& line) {
  SetPlayerPosition(static_cast<float>(line.x), static_cast<float>(line.y));
}

void SetKindCreator(int typeCode, CreatorFn fn) {
  Creators()[typeCode] = fn;
}

CreatorFn KindCreator(int typeCode) {
  auto it = Creators().find(typeCode);
  return it == Creators().end() ? nullptr : it->second;
}

void UnloadLevel() {
  ClearLevelObjects();
  Tiles.clear();
  ClearImageSets();
  ImageTiles.clear();
  CollisionBlocks.clear();
}

bool LoadLevel(const std::string& name) {
  UnloadLevel();
  ResetLevelState();
  // A seeded run plays a level the same way however it was reached, so the
  // recorded run of one level replays inside a run of the whole game.
  if (Options.seeded) SeedRnd(Options.seed);
  std::string path = "Levels/" + name;
  File* f = ReadFile(path);
  if (!f) {
    // The level stays empty; the area's sheet is still chosen so the frame
    // has a consistent (if blank) world to run in.
    std::cerr << "boingle: no level file " << path << "\n";
    SelectArea(LevelArea);
    return false;
  }
  LevelTitle = ReadLine(f);
  LevelSubtitle = ReadLine(f);
  LevelArea = LenientInt(ReadLine(f));
  LevelMusic = LenientInt(ReadLine(f));
  LevelMusic = LevelArea;

  ImageSetFolder = ReadLine(f);
  ImageSetSequence = 0;
  ClearImageSets();
  LoadImageSets();

  ReadLine(f);  // heading of the layer table
  for (int& mode : LayerScrollMode) mode = LenientInt(ReadLine(f));
  ReadLine(f);  // heading of the tile list

  g_levelPath = path;
  bool whole = ReadList(f, kImageTileMarker, ReadTileLine);
  whole = ReadList(f, kCollisionMarker, ReadImageTileLine) && whole;
  whole = ReadList(f, kActiveMarker, ReadCollisionLine) && whole;
  // The bounds run to the bottom-right corner of the bottom-right block.
  LevelMaxX += kTileSize;
  LevelMaxY += kTileSize;
  whole = ReadList(f, kEndMarker, ReadActiveLine) && whole;
  CloseFile(f);
  // A file cut short loads as far as it goes (the format asks no more), but
  // the player hears why the level looks the way it does.
  if (!whole) NameBrokenContent(path, std::string("it ends before its \"") + kEndMarker + "\" line and is played as far as it goes");

  // Last, so the area's rules override anything the objects set.
  SelectArea(LevelArea);
  return true;
}

const std::string& CurrentLevelTitle() {
  return LevelTitle;
}
const std::string& CurrentLevelSubtitle() {
  return LevelSubtitle;
}
int CurrentLevelMusic() {
  return LevelMusic;
}
