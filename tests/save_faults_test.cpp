// Saves under faults: the game killed at random moments while it saves a
// slot and config.dat, and the game on a full disk and on a read-only save
// folder. Progress once saved is never lost and never read back broken; a
// file that cannot be written is named once and the game plays on.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "present/present.h"
#include "support/test_support.h"
#include "world/music.h"
#include "world/progress.h"
#include "world/save_game.h"
#include "world/settings.h"

namespace fs = std::filesystem;

namespace {

// Progress of generation g: every number of the slot depends on g, so a file
// that mixed two saves, or lost a part of one, could not pass for either.
void SetGeneration(int g) {
  Lives = g;
  Score = g * 7 + 1;
  for (int r = 0; r < kLevelRecords; ++r)
    for (int c = 0; c < kRecordColumns; ++c) LevelRecord[r][c] = c == Record::Row ? r : g * 1000 + r * 10 + c;
  ExtraFlags[0] = g;
  ExtraFlags[1] = -g;
  MusicVolume = MusicVolumeSetting = g % 301;
}

// The generation the loaded progress belongs to, or -1 when it is not whole.
int GenerationOfSlot() {
  int g = Lives;
  if (Score != g * 7 + 1) return -1;
  for (int r = 0; r < kLevelRecords; ++r)
    for (int c = 0; c < kRecordColumns; ++c)
      if (LevelRecord[r][c] != (c == Record::Row ? r : g * 1000 + r * 10 + c)) return -1;
  return g;
}

int GenerationOfSettings() {
  int g = ExtraFlags[0];
  if (ExtraFlags[1] != -g || MusicVolume != g % 301) return -1;
  return g;
}

// The child: saves generation after generation until it is killed, telling
// the parent through the pipe when a save begins ('b'), when the slot is
// written ('s') and when the settings are ('e'), each with the generation.
[[noreturn]] void SaveForever(int out, int first) {
  auto tell = [out](int what, int g) {
    int msg[2] = {what, g};
    if (write(out, msg, sizeof msg) != sizeof msg) _exit(3);
  };
  for (int g = first;; ++g) {
    tell('b', g);
    SetGeneration(g);
    SaveSlot(1);
    tell('s', g);
    SaveSettings();
    tell('e', g);
  }
}

struct KillOutcome {
  int begun = 0;         // the last generation whose save began (0: none)
  int slotDone = 0;      // the last generation whose slot was written
  int settingsDone = 0;  // ... and whose settings were
  bool midSave = false;  // killed between a save's start and its end
};

KillOutcome KillWhileSaving(int first, int delayMicros) {
  int fds[2];
  EXPECT_EQ(pipe(fds), 0);
  pid_t pid = fork();
  if (pid == 0) {
    close(fds[0]);
    SaveForever(fds[1], first);
  }
  close(fds[1]);
  // The clock starts when the child begins its first save, so the kill lands
  // in the saving, not in the fork.
  int msg[2], last = 0;
  KillOutcome k;
  if (read(fds[0], msg, sizeof msg) == sizeof msg) {
    k.begun = msg[1];
    last = msg[0];
  }
  usleep(static_cast<useconds_t>(delayMicros));
  kill(pid, SIGKILL);
  int status = 0;
  waitpid(pid, &status, 0);
  while (read(fds[0], msg, sizeof msg) == sizeof msg) {
    if (msg[0] == 'b') k.begun = msg[1];
    if (msg[0] == 's') k.slotDone = msg[1];
    if (msg[0] == 'e') k.settingsDone = msg[1];
    last = msg[0];
  }
  k.midSave = last == 'b' || last == 's';
  close(fds[0]);
  return k;
}

TEST(SaveFaultsTest, KilledAtRandomWhileSavingTheSlotAndSettingsKeepsOldOrNewProgress) {
  test::TempDir dir;
  test::StartHeadless(dir.str());
  Options.dataDir = dir.str();
  SetGeneration(1);
  SaveSlot(1);
  SaveSettings();

  // How long one save of both files takes here (they are flushed to disk),
  // so the kills spread over a save and the start of the next.
  auto t0 = std::chrono::steady_clock::now();
  for (int i = 0; i < 3; ++i) {
    SaveSlot(1);
    SaveSettings();
  }
  int saveMicros = static_cast<int>(
      std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - t0).count() / 3);

  std::mt19937 rng(20240611);
  constexpr int kKills = 300;
  int midSave = 0, slotHas = 1, settingsHave = 1;
  for (int kill = 0; kill < kKills; ++kill) {
    int delay = std::uniform_int_distribution<int>(0, saveMicros * 3 / 2)(rng);
    KillOutcome k = KillWhileSaving(std::max(slotHas, settingsHave) + 1, delay);
    midSave += k.midSave ? 1 : 0;
    // What each file must hold now: the last save of it that finished, or
    // the one under way when the kill came.
    int slotOld = k.slotDone ? k.slotDone : slotHas, settingsOld = k.settingsDone ? k.settingsDone : settingsHave;
    int slotNew = k.begun && k.begun != k.slotDone ? k.begun : slotOld;
    int settingsNew = k.begun && k.begun != k.settingsDone ? k.begun : settingsOld;

    // The game starts again: settings, then the slots, then the slot loads.
    SetGeneration(0);
    Lives = -1;
    EnsureSettings();
    EnsureSlots();
    ASSERT_TRUE(LoadSlot(1)) << "kill " << kill;
    int slot = GenerationOfSlot(), settings = GenerationOfSettings();
    ASSERT_TRUE(slot == slotOld || slot == slotNew)
        << "kill " << kill << " after " << delay << " us: slot holds " << slot << ", not " << slotOld << " or "
        << slotNew;
    ASSERT_TRUE(settings == settingsOld || settings == settingsNew)
        << "kill " << kill << " after " << delay << " us: settings hold " << settings << ", not " << settingsOld
        << " or " << settingsNew;
    // The file itself is whole: 10 text lines and 2048 bytes of numbers.
    auto bytes = test::ReadBytes(dir / SlotFileName(1));
    ASSERT_EQ(bytes.size(), ("File 1\r\n" + std::to_string(slot) + "\r\n").size() + 8 * 2 + 2048u);
    ASSERT_EQ(fs::file_size(dir / "config.dat"), 60u);
    slotHas = slot;
    settingsHave = settings;
  }
  // Most kills land in the middle of a save: the test tries what it claims.
  EXPECT_GT(midSave, kKills / 2);
  RecordProperty("kills", kKills);
  RecordProperty("killed_mid_save", midSave);
  std::printf("%d kills, %d in the middle of a save, %d saves in all, %d us a save\n", kKills, midSave,
              std::max(slotHas, settingsHave), saveMicros);
}

// A folder of its own filesystem: a small tmpfs (as root), or, without the
// right to mount, a plain folder whose faults the game meets through a file
// size limit or the folder's permissions instead.
class FaultyFolder {
 public:
  enum Kind { Full, ReadOnly };
  explicit FaultyFolder(Kind kind) : kind_(kind) {
    mounted_ = geteuid() == 0 && mount("tmpfs", dir_.str().c_str(), "tmpfs", 0, "size=64k") == 0;
  }
  ~FaultyFolder() {
    if (mounted_) umount2(dir_.str().c_str(), MNT_DETACH);
    else chmod(dir_.str().c_str(), 0755);
  }
  const test::TempDir& dir() const { return dir_; }
  std::string how() const { return mounted_ ? "tmpfs" : kind_ == Full ? "file size limit" : "chmod"; }
  // Fills the disk (or takes the right to write away) once the files the
  // test starts from are in place.
  void Break() {
    if (kind_ == Full && mounted_) {
      // Fill it to the last byte: one large file, then single bytes.
      FILE* f = std::fopen((dir_ / "filler").c_str(), "wb");
      std::vector<char> block(4096, 'x');
      while (std::fwrite(block.data(), 1, block.size(), f) == block.size() && std::fflush(f) == 0) {
      }
      std::fclose(f);
      for (int i = 0; i < 64; ++i) {
        FILE* g = std::fopen((dir_ / ("crumb" + std::to_string(i))).c_str(), "wb");
        if (!g) break;
        std::fputc('x', g);
        bool full = std::fflush(g) != 0;
        std::fclose(g);
        if (full) break;
      }
    } else if (kind_ == ReadOnly) {
      if (mounted_) mount(nullptr, dir_.str().c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr);
      else chmod(dir_.str().c_str(), 0555);
    }
  }
  // A limit on the game's process for the file size kind: nothing it writes
  // may grow past a few bytes, so every settings or slot write fails.
  bool SizeLimited() const { return kind_ == Full && !mounted_; }
  // The right to write is really gone (root ignores permissions).
  bool Effective() const {
    if (kind_ != ReadOnly) return true;
    std::string probe = (dir_ / "probe").string();
    FILE* f = std::fopen(probe.c_str(), "wb");
    if (!f) return true;
    std::fclose(f);
    std::remove(probe.c_str());
    return false;
  }

 private:
  Kind kind_;
  test::TempDir dir_;
  bool mounted_ = false;
};

// Runs the game with its saves in `save`: through the title and the menu into
// the tutorial and out of it again, so the game loop passes (and saves)
// several times.
test::RunResult PlayWithSavesIn(const std::string& save, bool sizeLimited) {
  std::vector<std::string> argv = {BOINGLE_BINARY, "--headless", "--seed", "3", "--save-dir", save,
                                   "--data", BOINGLE_GAME_DIR, "--frames", "1500"};
  test::TempDir scratch;
  std::string script;
  for (int f = 60; f < 1500; f += 45) script += std::to_string(f) + " tap SPACE\n";
  test::WriteText(scratch / "script.txt", script);
  argv.push_back("--script");
  argv.push_back((scratch / "script.txt").string());
  if (!sizeLimited) return test::RunProgram(argv);
  // The limit must hold in the game only, not in the test: a shell between.
  std::string line = "ulimit -f 0 && trap '' XFSZ && exec";
  for (auto& a : argv) line += " '" + a + "'";
  return test::RunProgram({"/bin/sh", "-c", line});
}

size_t Count(const std::string& text, const std::string& what) {
  size_t n = 0;
  for (size_t at = 0; (at = text.find(what, at)) != std::string::npos; at += what.size()) ++n;
  return n;
}

void ExpectSavedFilesKept(const test::TempDir& dir, const std::vector<uint8_t>& slot,
                          const std::vector<uint8_t>& config) {
  EXPECT_EQ(test::ReadBytes(dir / SlotFileName(1)), slot);
  EXPECT_EQ(test::ReadBytes(dir / "config.dat"), config);
}

// The files a player had before the disk filled: slot 1 with progress and the
// settings (answers given, so the game asks nothing).
void WriteStartingFiles(const test::TempDir& dir, std::vector<uint8_t>* slot, std::vector<uint8_t>* config) {
  test::StartHeadless(dir.str());
  Options.dataDir = dir.str();
  SetGeneration(42);
  ASSERT_TRUE(WriteSlot(1));
  for (int n : {0, 2, 3}) fs::remove(dir / SlotFileName(n));
  test::WriteInts(dir / "config.dat", {1, 4, 150, 1000, 38, 40, 37, 39, 65, 83, 1, 0, 0, 0, 0});
  *slot = test::ReadBytes(dir / SlotFileName(1));
  *config = test::ReadBytes(dir / "config.dat");
}

TEST(SaveFaultsTest, AFullDiskIsNamedOnceAndTheGamePlaysOn) {
  FaultyFolder folder(FaultyFolder::Full);
  std::vector<uint8_t> slot, config;
  WriteStartingFiles(folder.dir(), &slot, &config);
  folder.Break();
  auto r = PlayWithSavesIn(folder.dir().str(), folder.SizeLimited());
  EXPECT_EQ(r.exitCode, 0) << folder.how() << "\n" << r.err;
  // The settings and the scratch slot are saved on every pass of the game
  // loop; each is named once, with the reason.
  EXPECT_EQ(Count(r.err, "config.dat (" + std::string(folder.SizeLimited() ? "File too large" : "No space left")),
            1u) << folder.how() << "\n" << r.err;
  EXPECT_EQ(Count(r.err, SlotFileName(0)), 1u) << r.err;
  for (int n : {2, 3}) EXPECT_EQ(Count(r.err, SlotFileName(n)), 1u) << r.err;
  ExpectSavedFilesKept(folder.dir(), slot, config);
  // Nothing half-written is left to be mistaken for a save.
  for (auto& e : fs::directory_iterator(folder.dir().path()))
    EXPECT_EQ(e.path().extension() == ".new", false) << e.path();
}

TEST(SaveFaultsTest, AReadOnlySaveFolderIsNamedOnceAndTheGamePlaysOn) {
  FaultyFolder folder(FaultyFolder::ReadOnly);
  std::vector<uint8_t> slot, config;
  WriteStartingFiles(folder.dir(), &slot, &config);
  folder.Break();
  if (!folder.Effective()) GTEST_SKIP() << "the folder could not be made read-only here (" << folder.how() << ")";
  auto r = PlayWithSavesIn(folder.dir().str(), false);
  EXPECT_EQ(r.exitCode, 0) << folder.how() << "\n" << r.err;
  EXPECT_EQ(Count(r.err, "config.dat ("), 1u) << r.err;
  EXPECT_EQ(Count(r.err, SlotFileName(0)), 1u) << r.err;
  ExpectSavedFilesKept(folder.dir(), slot, config);
}

}  // namespace
