#include "world/music.h"

#include <algorithm>

#include "world/asset_table.h"
#include "present/music_library.h"
#include "present/present.h"
#include "present/state_dump.h"

int CurrentMusicId = kNoMusicId;
FMUSIC_MODULE* MusicModule = nullptr;
int MusicVolume = 200;
int MusicVolumeSetting = 200;
int MusicFadeMode = 0;

BOINGLE_STATE_VALUE(CurrentMusicId, CurrentMusicId);
BOINGLE_STATE_VALUE(MusicVolume, MusicVolume);
BOINGLE_STATE_VALUE(MusicFadeMode, MusicFadeMode);

namespace {

constexpr int kVolumeStep = 30;
constexpr int kMaxVolume = 300;

void FadeStep(int step) {
  // Clamped at 0: a volume below nothing would be stored as a setting.
  MusicVolume = MusicVolume < 1 ? 0 : std::max(0, MusicVolume - step);
  SetMusicVolume(MusicVolume);
}

}  // namespace

const char* MusicFileFor(int id) {
#define BOINGLE_MUSIC_CASE(n, name, path) \
  if (id == (n)) return path;
  BOINGLE_MUSIC(BOINGLE_MUSIC_CASE)
#undef BOINGLE_MUSIC_CASE
  return nullptr;
}

void PlayMusic(int id) {
  if (id == CurrentMusicId) return;  // the song goes on where it is
  StopMusic();
  // An id without a file keeps the song just stopped, which then starts again
  // from its beginning.
  if (const char* file = MusicFileFor(id)) {
    MusicModule = FMUSIC_LoadSong(file);
    if (!MusicModule) NameBrokenContent(file, "it does not play");
  }
  FMUSIC_SetMasterVolume(MusicModule, MusicVolume);
  FMUSIC_SetLooping(MusicModule, 1);
  FMUSIC_PlaySong(MusicModule);
  CurrentMusicId = id;
}

void StopMusic() { FMUSIC_StopSong(MusicModule); }

void SetMusicVolume(int volume) { FMUSIC_SetMasterVolume(MusicModule, volume); }

// The player's step also moves the volume the game returns to: otherwise a
// change made in the pause menu would be undone by the next pass of the game
// loop (and never reach config.dat) unless the level ended through its tally.
// The setting takes the step on its own, so a change during a fade moves the
// volume the fade started from, not the faded one.
void MusicVolumeUp() {
  MusicVolume = std::min(kMaxVolume, MusicVolume + kVolumeStep);
  MusicVolumeSetting = std::min(kMaxVolume, MusicVolumeSetting + kVolumeStep);
  SetMusicVolume(MusicVolume);
}

void MusicVolumeDown() {
  MusicVolume = std::max(0, MusicVolume - kVolumeStep);
  MusicVolumeSetting = std::max(0, MusicVolumeSetting - kVolumeStep);
  SetMusicVolume(MusicVolume);
}

void RestoreMusicVolume() {
  MusicVolume = MusicVolumeSetting;
  SetMusicVolume(MusicVolume);
}

void StartMusicFadeOut() {
  MusicVolumeSetting = MusicVolume;
  MusicFadeMode = 4;
}

void StartSlowMusicFadeOut() {
  MusicVolumeSetting = MusicVolume;
  MusicFadeMode = 5;
}

void UpdateMusicFade() {
  if (MusicFadeMode == 4) FadeStep(4);
  else if (MusicFadeMode == 5) FadeStep(1);
}
