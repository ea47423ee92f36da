#include "world/sound_effects.h"

#include "world/asset_table.h"
#include "present/state_dump.h"
#include "present/present.h"

Sound* Sounds[kSoundCount] = {};
int SoundChannels[kSoundCount] = {};
bool (*SfxMuted)() = nullptr;
float SoundVolume = 1.0f;

BOINGLE_STATE_VALUE(SoundVolume, SoundVolume);

namespace {

bool Valid(int index) { return index >= 0 && index < kSoundCount; }

void PlaySample() { PlaySfx(Rand(0, 69), 0); }

}  // namespace

const char* SoundFileFor(int index) {
#define BOINGLE_SOUND_CASE(n, name, path) \
  if (index == (n)) return path;
  BOINGLE_SOUND_EFFECTS(BOINGLE_SOUND_CASE)
#undef BOINGLE_SOUND_CASE
  return nullptr;
}

void PrefetchSoundEffects() {
  std::vector<std::string> files;
  for (int i = 0; i < kSoundCount; ++i)
    if (const char* file = SoundFileFor(i)) files.push_back(file);
  PrefetchSounds(files);
}

std::vector<std::string> LoadSoundEffects() {
  std::vector<std::string> missing;
  for (int i = 0; i < kSoundCount; ++i) {
    if (const char* file = SoundFileFor(i)) {
      Sounds[i] = LoadSound(file, 0);
      if (!Sounds[i]) missing.push_back(file);
    }
    // Loading again (a test, a reload) keeps the channels it already has.
    if (SoundChannels[i] == 0) SoundChannels[i] = AllocChannel();
  }
  return missing;
}

void PlaySfx(int index, int vary) {
  if (SfxMuted && SfxMuted()) return;
  if (!Valid(index)) return;
  SetChannelRate(SoundChannels[index], vary != 0 ? Rnd(0.95f, 1.05f) : 1.0f);
  // A sample that did not load plays nothing (PlaySound ignores it).
  PlaySound(Sounds[index], SoundChannels[index]);
}

void StopSfx(int index) {
  if (Valid(index)) StopChannel(SoundChannels[index]);
}

void RenewSfxChannel(int index) {
  if (!Valid(index)) return;
  // The old channel goes back to the mixer, so renewing every frame does not
  // grow the mix.
  FreeChannel(SoundChannels[index]);
  SoundChannels[index] = AllocChannel();
  // At once: otherwise the renewed effect would play at full volume until the
  // player next touched the volume.
  SetChannelVolume(SoundChannels[index], SoundVolume);
}

void SetSfxVolume(float volume) {
  for (int channel : SoundChannels) SetChannelVolume(channel, volume);
}

void SfxVolumeDown() {
  SoundVolume -= 0.1f;
  if (SoundVolume < 0) SoundVolume = 0;
  SetSfxVolume(SoundVolume);
  PlaySample();
}

void SfxVolumeUp() {
  SoundVolume += 0.1f;
  if (SoundVolume > 1.0f) SoundVolume = 1.0f;
  SetSfxVolume(SoundVolume);
  PlaySample();
}
