#include "world/save_game.h"

#include <vector>

#include "world/progress.h"
#include "present/present.h"
#include "world/level_fields.h"

int CurrentSlot = 0;
int LevelRecord[kLevelRecords][kRecordColumns];

namespace {

constexpr int kSlotCount = 3;
constexpr int kNewSlotLives = 10;
constexpr int kEmptyLines = 8;

// What one slot file holds, read without touching the progress in memory, so
// that a damaged file can be set aside for its backup.
struct SlotContents {
  int lives = 0;
  int records[kLevelRecords][kRecordColumns] = {};
  int rowsRead = 0;  // complete records read, from row 0
  bool marker = false;
  bool hasScore = false;
  int score = 0;
};

// Slots live in the save folder only. A slot file in the program folder (left
// there by a run that saved beside the game) must not stand in for one: the
// save could not rename it and would fail for ever.
std::string SlotPath(int n) {
  return UserFile(SlotFileName(n));
}
std::string NewName(int n) {
  return SlotPath(n) + ".new";
}
std::string BackupName(int n) {
  return SlotPath(n) + ".bak";
}

// Text lines as the file layer reads them: up to a line feed or a zero byte,
// carriage returns skipped.
std::string TakeLine(const std::vector<uint8_t>& bytes, size_t* at) {
  std::string line;
  while (*at < bytes.size()) {
    uint8_t c = bytes[(*at)++];
    if (c == 10 || c == 0) break;
    if (c != 13) line.push_back(static_cast<char>(c));
  }
  return line;
}

bool TakeInt(const std::vector<uint8_t>& bytes, size_t* at, int* value) {
  if (bytes.size() - *at < 4) return false;  // a torn number is no number
  const uint8_t* b = &bytes[*at];
  *value = static_cast<int32_t>(uint32_t(b[0]) | (uint32_t(b[1]) << 8) | (uint32_t(b[2]) << 16) |
                                (uint32_t(b[3]) << 24));
  *at += 4;
  return true;
}

// Reads count numbers, or none of them when the file ends first.
bool TakeInts(const std::vector<uint8_t>& bytes, size_t* at, int* dest, int count) {
  if (bytes.size() - *at < static_cast<size_t>(count) * 4) {
    *at = bytes.size();
    return false;
  }
  for (int k = 0; k < count; ++k) TakeInt(bytes, at, &dest[k]);
  return true;
}

bool ReadSlotFile(const std::string& name, SlotContents* out) {
  std::vector<uint8_t> bytes;
  if (!ReadWholeFile(name, &bytes)) return false;
  size_t at = 0;
  TakeLine(bytes, &at);  // "File n" is not checked against anything
  out->lives = LenientInt(TakeLine(bytes, &at));
  for (int k = 0; k < kEmptyLines; ++k) TakeLine(bytes, &at);

  // Row 0 is read whole; after it every number is either the marker or the
  // first column of the next row. A record cut off by the end of the file is
  // not kept.
  if (!TakeInts(bytes, &at, out->records[0], kRecordColumns)) return true;
  out->rowsRead = 1;
  int value;
  for (int row = 1; TakeInt(bytes, &at, &value); ++row) {
    if (value == kSlotEndMarker) {
      out->marker = true;
      out->hasScore = TakeInt(bytes, &at, &out->score);
      break;
    }
    int record[kRecordColumns];
    record[0] = value;
    if (!TakeInts(bytes, &at, record + 1, kRecordColumns - 1)) break;
    // Records past the table are read, to reach the marker, but not kept.
    if (row >= kLevelRecords) continue;
    for (int c = 0; c < kRecordColumns; ++c) out->records[row][c] = record[c];
    out->rowsRead = row + 1;
  }
  return true;
}

void ApplySlot(const SlotContents& s) {
  Lives = s.lives;
  for (int r = 0; r < s.rowsRead && r < kLevelRecords; ++r)
    for (int c = 0; c < kRecordColumns; ++c) LevelRecord[r][c] = s.records[r][c];
  if (s.hasScore) Score = s.score;
}

void NewRecords(int records[kLevelRecords][kRecordColumns]) {
  for (int r = 0; r < kLevelRecords; ++r) {
    for (int c = 0; c < kRecordColumns; ++c) records[r][c] = 0;
    records[r][Record::Row] = r;
    records[r][Record::Unlocked] = r == 1 ? 1 : 0;
    for (int c = Record::BestTime;
         c <= Record::ThirdTime; ++c)
      records[r][c] = kNoTime;
  }
}

// Writes a complete slot file under a temporary name, flushes it to disk and
// only then lets it take the slot's name.
bool WriteSlotFile(int n, int lives, const int records[kLevelRecords][kRecordColumns], int score) {
  std::string name = SlotPath(n), fresh = NewName(n), backup = BackupName(n);
  File* f = WriteFile(fresh);
  if (!f) return false;
  WriteLine(f, "File " + std::to_string(n));
  WriteLine(f, std::to_string(lives));
  for (int k = 0; k < kEmptyLines; ++k) WriteLine(f, "");
  for (int r = 0; r < kLevelRecords; ++r)
    for (int c = 0; c < kRecordColumns; ++c) WriteInt(f, records[r][c]);
  WriteInt(f, kSlotEndMarker);
  WriteInt(f, score);
  bool flushed = FlushFile(f);
  CloseFile(f);
  if (!flushed) {
    DeleteFile(fresh);
    return false;
  }
  return ReplaceWithNewFile(fresh, name, backup);
}

[[maybe_unused]] const bool kRecordsReady = [] {
  SetNewSlotRecords();
  return true;
}();

}  // namespace

std::string SlotFileName(int n) {
  return "game" + std::to_string(n) + ".dat";
}

void SetNewSlotRecords() {
  NewRecords(LevelRecord);
}

void SetNewGameProgress() {
  SetNewSlotRecords();
  Lives = kNewSlotLives;
  Score = 0;
}

void EnsureSlots() {
  for (int n = 1; n <= kSlotCount; ++n) {
    if (FileType(SlotPath(n)) != 0) continue;
    // A save that was cut off after the old file became the backup: the
    // backup is the player's progress, not something to replace.
    if (FileType(BackupName(n)) == 1 && RenameFile(BackupName(n), SlotPath(n))) continue;
    NewSlot(n);
  }
}

void NewSlot(int n) {
  // The backup goes too: a deleted slot must not come back from it.
  DeleteFile(SlotPath(n));
  DeleteFile(BackupName(n));
  int records[kLevelRecords][kRecordColumns];
  NewRecords(records);
  if (!WriteSlotFile(n, kNewSlotLives, records, 0)) SayCannotWrite(SlotPath(n), "the new slot is not saved");
}

bool WriteSlot(int n) {
  return WriteSlotFile(n, Lives, LevelRecord, Score);
}

void SaveSlot(int n) {
  // The progress stays in memory and the next save tries again; the old file
  // (or its backup) still holds what was saved before.
  if (!WriteSlot(n)) SayCannotWrite(SlotPath(n), "progress is not saved");
}

bool LoadSlot(int n) {
  SlotContents main;
  bool haveMain = ReadSlotFile(SlotPath(n), &main);
  if (!haveMain || !main.marker) {
    SlotContents backup;
    if (ReadSlotFile(BackupName(n), &backup) && backup.marker) {
      ApplySlot(backup);
      return true;
    }
  }
  if (!haveMain) return false;
  // A damaged file with no good backup still gives what it has.
  ApplySlot(main);
  return true;
}

void SelectSlot(int n) {
  CurrentSlot = n;
}

void StartSlot(int n) {
  SelectSlot(n);
  if (LoadSlot(n)) return;
  SetNewSlotRecords();
  Lives = kNewSlotLives;
  Score = 0;
}

#include "present/state_dump.h"
BOINGLE_STATE_VALUE(CurrentSlot, CurrentSlot);
