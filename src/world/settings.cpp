#include "world/settings.h"

#include <algorithm>
#include <iostream>

#include "world/game_state.h"
#include "world/music.h"
#include "world/sound_effects.h"
#include "present/gamepad.h"
#include "present/present.h"

int ViewingMode = 0;
int SoundOutputType = 0;
int KeyUp = VK_UP, KeyDown = VK_DOWN, KeyLeft = VK_LEFT, KeyRight = VK_RIGHT;
int KeyJump = 65, KeyAttack = 83;
int IntroSeen = 0;
int Cut1Seen = 0;
int ExtraFlags[3] = {0, 0, 0};

int AttackHit, AttackDown, JumpHit, JumpDown, LeftHit, LeftDown;
int RightHit, RightDown, UpHit, UpDown, DownHit, DownDown;
int EscapeHit, SpaceHit;

namespace {

constexpr int kFieldCount = 15;
constexpr int kFileBytes = kFieldCount * 4;
constexpr const char* kSettingsNew = "config.dat.new";
constexpr int kMaxMusicVolume = 300;

std::string Path(const char* name) { return UserFile(name); }

// A new file's values: music 150 and sound 1000 (1.0), nothing chosen yet.
constexpr int kNewFile[kFieldCount] = {0, 0, 150, 1000, 38, 40, 37, 39, 65, 83, 0, 0, 0, 0, 0};

// Reads fifteen numbers; false when the file is missing or shorter than 60
// bytes, which is treated like a missing file.
bool ReadFields(const char* name, int out[kFieldCount]) {
  std::vector<uint8_t> bytes;
  std::string path = Path(name);
  if (FileType(path) != 1 || !ReadWholeFile(path, &bytes) || bytes.size() < kFileBytes) return false;
  for (int i = 0; i < kFieldCount; ++i) {
    uint32_t u = uint32_t(bytes[i * 4]) | (uint32_t(bytes[i * 4 + 1]) << 8) | (uint32_t(bytes[i * 4 + 2]) << 16) |
                 (uint32_t(bytes[i * 4 + 3]) << 24);
    out[i] = static_cast<int32_t>(u);
  }
  return true;
}

// A hand-edited file may hold anything. A key code no key has would leave
// the hero without that control for good (the key configuration is reached
// only through the console), so it falls back to the key the game comes
// with; volumes are held to their ranges. Values in range are kept as they
// are, and the start-up questions deal with the two choices.
int KeyOr(int code, int fallback) { return code >= 1 && code <= 255 ? code : fallback; }

void Apply(const int v[kFieldCount]) {
  ViewingMode = v[0];
  SoundOutputType = v[1];
  MusicVolume = std::clamp(v[2], 0, kMaxMusicVolume);
  MusicVolumeSetting = MusicVolume;
  SoundVolume = static_cast<float>(std::clamp(v[3], 0, 1000)) / 1000.0f;
  KeyUp = KeyOr(v[4], kNewFile[4]);
  KeyDown = KeyOr(v[5], kNewFile[5]);
  KeyLeft = KeyOr(v[6], kNewFile[6]);
  KeyRight = KeyOr(v[7], kNewFile[7]);
  KeyJump = KeyOr(v[8], kNewFile[8]);
  KeyAttack = KeyOr(v[9], kNewFile[9]);
  IntroSeen = v[10];
  Cut1Seen = v[11];
  for (int i = 0; i < 3; ++i) ExtraFlags[i] = v[12 + i];
}

// The new file is written and flushed to disk under a third name before the
// old one is given up, so a crash at any moment leaves a whole settings file
// under "config.dat" or "config.dat.bak" (EnsureSettings takes the backup).
void WriteFields(const int v[kFieldCount]) {
  std::string fresh = Path(kSettingsNew), file = Path(kSettingsFile), backup = Path(kSettingsBackup);
  File* f = WriteFile(fresh);
  bool ok = f != nullptr;
  if (f) {
    for (int i = 0; i < kFieldCount; ++i) WriteInt(f, v[i]);
    ok = FlushFile(f);
    CloseFile(f);
  }
  if (!ok) DeleteFile(fresh);
  ok = ok && ReplaceWithNewFile(fresh, file, backup);
  if (!ok) SayCannotWrite(file, "settings changes are not kept");
}

}  // namespace

void ResetSettingsToDefaults() {
  ViewingMode = 0;
  SoundOutputType = 0;
  MusicVolume = 200;
  MusicVolumeSetting = 200;
  SoundVolume = 1.0f;
  KeyUp = VK_UP;
  KeyDown = VK_DOWN;
  KeyLeft = VK_LEFT;
  KeyRight = VK_RIGHT;
  KeyJump = 65;
  KeyAttack = 83;
  IntroSeen = 0;
  Cut1Seen = 0;
  for (int& f : ExtraFlags) f = 0;
}

void EnsureSettings() {
  int v[kFieldCount];
  if (ReadFields(kSettingsFile, v)) {
    Apply(v);
    return;
  }
  // A save that was cut short leaves the old settings in the backup.
  if (ReadFields(kSettingsBackup, v)) {
    Apply(v);
    WriteFields(v);
    return;
  }
  // No usable file: write the new-file values, but run this time on the
  // built-in ones (so the music starts at 200, the file says 150).
  WriteFields(kNewFile);
}

bool LoadSettings() {
  int v[kFieldCount];
  if (!ReadFields(kSettingsFile, v)) return false;
  Apply(v);
  return true;
}

void SaveSettings() {
  int v[kFieldCount] = {ViewingMode, SoundOutputType, MusicVolume, // In double precision, so one step down from 1.0 is stored as 899.
                        static_cast<int>(static_cast<double>(SoundVolume) * 1000.0),
                        KeyUp, KeyDown, KeyLeft, KeyRight, KeyJump, KeyAttack, IntroSeen, Cut1Seen,
                        ExtraFlags[0], ExtraFlags[1], ExtraFlags[2]};
  WriteFields(v);
}

void GatherKeys() {
  GamepadKeys pad;
  pad.up = KeyUp;
  pad.down = KeyDown;
  pad.left = KeyLeft;
  pad.right = KeyRight;
  pad.attack = KeyAttack;
  SetGamepadKeys(pad);
  if (InputLocked == 1) {
    AttackHit = AttackDown = JumpHit = JumpDown = LeftHit = LeftDown = 0;
    RightHit = RightDown = UpHit = UpDown = DownHit = DownDown = 0;
  } else {
    AttackHit = KeyHit(KeyAttack);
    AttackDown = KeyHeld(KeyAttack);
    JumpHit = KeyHit(KeyJump);
    JumpDown = KeyHeld(KeyJump);
    LeftHit = KeyHit(KeyLeft);
    LeftDown = KeyHeld(KeyLeft);
    RightHit = KeyHit(KeyRight);
    RightDown = KeyHeld(KeyRight);
    UpHit = KeyHit(KeyUp);
    UpDown = KeyHeld(KeyUp);
    DownHit = KeyHit(KeyDown);
    DownDown = KeyHeld(KeyDown);
  }
  EscapeHit = KeyHit(VK_ESCAPE);
  SpaceHit = KeyHit(VK_SPACE);
}

void RunKeyConfig() {
  int y = 0;
  auto line = [&y](const std::string& text) {
    DrawText(text, 0, static_cast<float>(y));
    y += 16;
  };
  Flip(1);
  line("WARNING: Key config approaching!");
  line(std::string(32, '-'));
  const char* prompts[6] = {"Up key", "Down key", "Left key", "Right key", "Jump key", "Attack key"};
  int codes[6];
  for (int i = 0; i < 6; ++i) {
    line(prompts[i]);
    Flip(1);
    codes[i] = WaitKey();
  }
  line("That all K?! Press Y");
  Flip(1);
  int c = WaitChar();
  if (c == 'Y' || c == 'y') {
    KeyUp = codes[0];
    KeyDown = codes[1];
    KeyLeft = codes[2];
    KeyRight = codes[3];
    KeyJump = codes[4];
    KeyAttack = codes[5];
  }
}
