#include "frontend/completion_summary.h"

#include "world/game_state.h"
#include "world/save_game.h"

namespace {

// A finished level weighs as much as four statues, a secret as two: finding
// things counts, but getting through counts most.
constexpr int kLevelWeight = 4;
constexpr int kStatueWeight = 1;
constexpr int kSecretWeight = 2;
constexpr int kStatuesPerLevel = 3;
constexpr int kFullPoints = kMapLevelCount * (kLevelWeight + kStatuesPerLevel * kStatueWeight + kSecretWeight);

// A damaged file may hold any number where a flag belongs: anything but 0
// counts once, so the total can never pass 100%.
int Flag(int value) { return value != 0 ? 1 : 0; }

}  // namespace

CompletionSummary ComputeCompletionSummary() {
  CompletionSummary s;
  for (int row = 1; row <= kMapLevelCount; ++row) {
    const int* r = LevelRecord[row];
    s.levels += Flag(r[Record::Completed]);
    for (int k = 0; k < kStatuesPerLevel; ++k) s.statues += Flag(r[Record::Statue1 + k]);
    s.secrets += Flag(r[Record::SecretFound]);
  }
  int points = s.levels * kLevelWeight + s.statues * kStatueWeight + s.secrets * kSecretWeight;
  // Rounded down, so that one statue short of everything reads 99%.
  s.percent = points * 100 / kFullPoints;
  return s;
}

std::string CompletionSummaryText(int slot, const CompletionSummary& s) {
  return "Game File: " + std::to_string(slot) + "#" + std::to_string(s.percent) + "% complete##" +
         std::to_string(s.levels) + "/" + std::to_string(kMapLevelCount) + " Levels#" + std::to_string(s.statues) +
         "/" + std::to_string(kMapLevelCount * kStatuesPerLevel) + " Statues#" + std::to_string(s.secrets) + "/" +
         std::to_string(kMapLevelCount) + " Secrets#";
}
