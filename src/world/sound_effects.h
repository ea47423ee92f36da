// Sound effects: the 70 samples of the effect table, each on a channel of its
// own, so an effect played again restarts instead of layering.
#pragma once

#include <string>
#include <vector>

#include "world/asset_table.h"

struct Sound;

// The effects by name: PlaySfx(Sfx::CoinCollect, 0).
namespace Sfx {
#define BOINGLE_SFX_NAME(index, name, path) constexpr int name = index;
BOINGLE_SOUND_EFFECTS(BOINGLE_SFX_NAME)
#undef BOINGLE_SFX_NAME
}  // namespace Sfx

constexpr int kSoundCount = 71;  // index 70 stays empty

extern Sound* Sounds[kSoundCount];
extern int SoundChannels[kSoundCount];
extern float SoundVolume;  // 0.0-1.0

// The effect file of an index, or nullptr for index 70 and out-of-range ones.
const char* SoundFileFor(int index);

// Loads the table and gives every index its channel; returns the files that
// did not load (those entries stay empty and play nothing).
std::vector<std::string> LoadSoundEffects();
// Starts decoding the table's files in the background, so that
// LoadSoundEffects later finds them done (main calls it first thing).
void PrefetchSoundEffects();

// While this answers true every effect is silent (the level's end tally
// plays its own count); the game wires it in at start-up.
extern bool (*SfxMuted)();

void PlaySfx(int index, int vary);
// Silences an effect that is still playing (a charge cut short by its blast).
void StopSfx(int index);
void RenewSfxChannel(int index);
void SetSfxVolume(float volume);
void SfxVolumeUp();
void SfxVolumeDown();
