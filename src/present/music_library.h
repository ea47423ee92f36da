// The music library: the few calls the game makes to play one looping XM song
// at a time, in front of libopenmpt. Songs are rendered on the audio thread
// into the same mix as the effects; the game thread only flips switches.
#pragma once

#include <cstdint>
#include <vector>

struct FMUSIC_MODULE;  // a loaded song

// Output types: 0 plays no music (every call is still accepted), any other
// value plays through our one sound output.
void FSOUND_SetOutput(int output);
void FSOUND_SetDriver(int driver);
// 1 on success, 0 on failure (the game then prints "error" and goes on
// without music).
int FSOUND_Init(int rate, int channels, int flags);

// Null when the file is missing or is not a song libopenmpt can read.
FMUSIC_MODULE* FMUSIC_LoadSong(const char* path);
int FMUSIC_PlaySong(FMUSIC_MODULE* song);
int FMUSIC_StopSong(FMUSIC_MODULE* song);
int FMUSIC_SetLooping(FMUSIC_MODULE* song, int loop);
int FMUSIC_SetMasterVolume(FMUSIC_MODULE* song, int volume);

// For tests and the state dump.
bool FMUSIC_IsPlaying(FMUSIC_MODULE* song);
int FMUSIC_GetMasterVolume(FMUSIC_MODULE* song);
int FSOUND_GetOutput();

// True when an XM module's patterns, instruments or samples run past the end
// of its bytes (a file cut short); false for anything that is not XM.
bool XmCutShort(const std::vector<uint8_t>& bytes);
