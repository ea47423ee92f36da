// Music: one looping song at a time, chosen by a music id, with the volume
// the player sets and the fades that end levels and scenes.
#pragma once

#include "world/asset_table.h"

struct FMUSIC_MODULE;

// The tunes by name: PlayMusic(MusicId::Death). A level plays the tune whose
// id is its area number.
namespace MusicId {
#define BOINGLE_MUSIC_NAME(id, name, path) constexpr int name = id;
BOINGLE_MUSIC(BOINGLE_MUSIC_NAME)
#undef BOINGLE_MUSIC_NAME
}  // namespace MusicId

constexpr int kNoMusicId = -1;

extern int CurrentMusicId;           // kNoMusicId until the first PlayMusic
extern FMUSIC_MODULE* MusicModule;   // the song last loaded
extern int MusicVolume;              // 0-300, what the song plays at now
extern int MusicVolumeSetting;       // what the game returns to
extern int MusicFadeMode;            // 4 fast fade, 5 slow fade, other values none

// The module file of a music id, or nullptr for an id without one.
const char* MusicFileFor(int id);

void PlayMusic(int id);
void StopMusic();
void SetMusicVolume(int volume);
void MusicVolumeUp();
void MusicVolumeDown();
void RestoreMusicVolume();
void StartMusicFadeOut();
void StartSlowMusicFadeOut();
void UpdateMusicFade();
