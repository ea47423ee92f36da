// The save-slot reader on any bytes as game1.dat or as its backup, then a save
// of what was read and a second read: progress that loads once must load the
// same after the game has written it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "fuzz_support.h"
#include "present/present.h"
#include "world/progress.h"
#include "world/save_game.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::StartHeadlessGame();
  std::string file = fuzz::SaveDir() + "/" + SlotFileName(1);
  // The first byte chooses: the slot file, its backup, or both (the slot cut
  // short after the same bytes).
  int where = size > 0 ? data[0] % 3 : 0;
  fuzz::RemoveFile(file);
  fuzz::RemoveFile(file + ".bak");
  if (where != 1) fuzz::WriteBytes(file, data, where == 2 ? size / 2 : size);
  if (where != 0) fuzz::WriteBytes(file + ".bak", data, size);

  SetNewSlotRecords();
  Lives = 3;
  Score = 0;
  EnsureSlots();
  if (!LoadSlot(1)) return 0;

  int lives = Lives, score = Score;
  static int records[kLevelRecords][kRecordColumns];
  std::memcpy(records, LevelRecord, sizeof records);
  if (!WriteSlot(1)) std::abort();
  SetNewSlotRecords();
  Lives = Score = -1;
  if (!LoadSlot(1)) std::abort();
  if (Lives != lives || Score != score || std::memcmp(records, LevelRecord, sizeof records) != 0) std::abort();
  return 0;
}
