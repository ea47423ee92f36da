// Save games: three slots "game1.dat" to "game3.dat" in the program's folder,
// plus the scratch slot 0 that saves go to before a slot has been chosen.
//
// A slot file: "File n", the lives, eight empty lines (text lines end CR LF),
// then 51 records of ten 32-bit little-endian numbers, the end marker
// 19132006 and the score.
#pragma once

#include <string>

constexpr int kLevelRecords = 51;
constexpr int kRecordColumns = 10;
constexpr int kSlotEndMarker = 19132006;
// 9999999999 cut to 32 bits: sorts behind every real time.
constexpr int kNoTime = 1410065407;

// Columns of a level record: LevelRecord[row][Record::Completed].
namespace Record {
constexpr int Row = 0;
constexpr int Unlocked = 1;
constexpr int Completed = 2;
constexpr int Statue1 = 3;  // Statue1 + k for statue k (0-2)
constexpr int Statue2 = 4;
constexpr int Statue3 = 5;
constexpr int BestTime = 6;  // BestTime + k for the k-th best (0-2)
constexpr int SecondTime = 7;
constexpr int ThirdTime = 8;
constexpr int SecretFound = 9;
}  // namespace Record

extern int CurrentSlot;  // 0 until the menu has loaded a slot
extern int LevelRecord[kLevelRecords][kRecordColumns];
// Lives and Score are the run's progress (world/progress.h).

// "game" + n + ".dat".
std::string SlotFileName(int n);

// At start-up: every slot 1 to 3 without a file gets one. A slot whose file
// is missing but whose backup survived an interrupted save gets the backup
// back instead of a fresh slot.
void EnsureSlots();
// A fresh slot file: lives 10, score 0, only level 1 unlocked, no times.
void NewSlot(int n);
// Writes the current progress to slot n. The new file is written and flushed
// in full before the old one is given up, so a crash at any point leaves a
// complete slot (the file or its backup). A slot that cannot be written (a
// full disk, a read-only folder) is named once on standard error; the game
// plays on with the progress in memory.
void SaveSlot(int n);
// The same, telling whether the new file was written: false leaves the old
// file as it was.
bool WriteSlot(int n);
// Reads slot n into the current progress. A file that is missing or ends
// before its end marker is replaced by its backup when that is complete.
// Returns false when neither gave anything to read.
bool LoadSlot(int n);
void SelectSlot(int n);
// Selects slot n and reads it; a slot with no file (nor a backup) starts as a
// new game instead: lives 10, score 0, only level 1 unlocked.
void StartSlot(int n);

// The progress of a slot nobody has played: the new-slot records.
void SetNewSlotRecords();
// All of a new slot's progress in memory: the records, 10 lives, score 0.
void SetNewGameProgress();
