#include "world/level_lists.h"

#include <vector>

namespace {

struct Registered {
  ListClearFn clear;
  ListRole role;
};

// A function-local table: lists register from static initialisers in other
// files, whose order the language does not fix.
std::vector<Registered>& Registry() {
  static std::vector<Registered> lists;
  return lists;
}

}  // namespace

int RegisterLevelList(ListClearFn clear, ListRole role) {
  if (clear) Registry().push_back({clear, role});
  return static_cast<int>(Registry().size());
}

void ClearAllLists() {
  for (const Registered& r : Registry()) r.clear();
}

void ClearLevelObjects() {
  for (const Registered& r : Registry())
    if (r.role == ListRole::LevelObjects) r.clear();
}
