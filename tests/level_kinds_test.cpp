// Every enemy kind and every active object a level maker can place is placed
// in some level of the game: a kind nobody meets is a kind nobody has played
// or tested in its real surroundings. The game's own loader reads the built
// levels; the creators are swapped for one that notes the type code.
#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <map>
#include <set>
#include <string>

#include "enemies/enemy_catalogue.h"
#include "support/test_support.h"
#include "world/level_loader.h"
#include "world/level_reset.h"
#include "world/object_kinds.h"

namespace {

std::map<int, std::set<std::string>> g_levelsOfKind;
std::string g_level;

void NoteKind(const ActiveLine& line) {
  g_levelsOfKind[line.type].insert(g_level);
}

// The active objects that act on the hero, and the comet zone (the zones,
// items and markers every level has are checked by the level tests).
constexpr int kActiveObjects[] = {0, 1, 2, 4, 5, 6, 46, 47, 140, 141, 102};

TEST(LevelKinds, EveryEnemyKindAndActiveObjectIsPlacedInSomeLevel) {
  test::TempDir save;
  test::StartHeadless(save.str());
  std::map<int, CreatorFn> before;
  for (const ObjectKindRow& row : kObjectKinds) {
    before[row.code] = KindCreator(row.code);
    SetKindCreator(row.code, &NoteKind);
  }
  std::set<std::string> levels;
  for (const auto& e : std::filesystem::directory_iterator(std::filesystem::path(BOINGLE_GAME_DIR) / "Levels")) {
    std::string name = e.path().filename().string();
    if (name.rfind("lev_", 0) == 0 && e.path().extension() == ".doy") levels.insert(name);
  }
  ASSERT_FALSE(levels.empty());
  std::map<std::string, std::set<int>> kindsOfLevel;
  for (const std::string& level : levels) {
    g_level = level;
    EXPECT_TRUE(LoadLevel(level)) << level;
    ResetLevelState();
  }
  for (auto& [code, fn] : before) SetKindCreator(code, fn);
  for (const auto& [code, where] : g_levelsOfKind)
    for (const std::string& level : where) kindsOfLevel[level].insert(code);

  // The table a level maker reads when choosing where a kind could go next.
  for (const auto& [level, codes] : kindsOfLevel) {
    std::cout << level << ":";
    for (int code : codes) {
      const ObjectKindRow* row = FindObjectKind(code);
      std::cout << " " << (row ? row->name : "?") << "(" << code << ")";
    }
    std::cout << "\n";
  }

  int count = 0;
  const EnemyKindInfo* const* kinds = AllEnemyKinds(&count);
  int placeable = 0;
  for (int i = 0; i < count; ++i) {
    if (kinds[i]->code == 0) continue;  // made only by other objects
    ++placeable;
    EXPECT_TRUE(g_levelsOfKind.count(kinds[i]->code))
        << kinds[i]->className << " (code " << kinds[i]->code << ") is placed in no level";
  }
  EXPECT_EQ(placeable, 28);
  for (int code : kActiveObjects) {
    const ObjectKindRow* row = FindObjectKind(code);
    ASSERT_NE(row, nullptr) << code;
    EXPECT_TRUE(g_levelsOfKind.count(code)) << row->name << " (code " << code << ") is placed in no level";
  }
}

}  // namespace
