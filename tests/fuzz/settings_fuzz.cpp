// The settings reader on any bytes as config.dat (and as the backup a cut-off
// save leaves), then the values in use: keys gathered, volumes set, the file
// written back. What is read must survive a save and a second read.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "fuzz_support.h"
#include "present/present.h"
#include "world/music.h"
#include "world/settings.h"
#include "world/sound_effects.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::StartHeadlessGame();
  std::string file = fuzz::SaveDir() + "/config.dat", backup = fuzz::SaveDir() + "/config.dat.bak";
  // The first byte chooses which of the two names the bytes stand under.
  bool asBackup = size > 0 && (data[0] & 1);
  fuzz::RemoveFile(file);
  fuzz::RemoveFile(backup);
  fuzz::WriteBytes(asBackup ? backup : file, data, size);
  ResetSettingsToDefaults();
  EnsureSettings();

  GatherKeys();
  SetSfxVolume(SoundVolume);
  SetMusicVolume(MusicVolume);

  int keys[6] = {KeyUp, KeyDown, KeyLeft, KeyRight, KeyJump, KeyAttack};
  int view = ViewingMode, output = SoundOutputType, music = MusicVolume;
  SaveSettings();
  ResetSettingsToDefaults();
  if (!LoadSettings()) std::abort();  // the file just written must read
  int again[6] = {KeyUp, KeyDown, KeyLeft, KeyRight, KeyJump, KeyAttack};
  for (int i = 0; i < 6; ++i)
    if (keys[i] != again[i]) std::abort();
  if (view != ViewingMode || output != SoundOutputType || music != MusicVolume) std::abort();
  return 0;
}
