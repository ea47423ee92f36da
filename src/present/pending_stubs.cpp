// Weak stand-ins for pieces that are still being built (the OpenGL backend and
// the sound output); the real definitions replace them at link time.
#include "present/backend.h"
#include "present/sound_output.h"

#define WEAK __attribute__((weak))

WEAK std::unique_ptr<Backend> MakeGLBackend() { return nullptr; }
WEAK bool StartSoundOutput() { return false; }
WEAK void StopSoundOutput() {}
WEAK void SoundFrameTick() {}
WEAK Sound* LoadSound(const std::string&, int) { return nullptr; }
WEAK int AllocChannel() { return 0; }
WEAK int PlaySound(Sound*, int channel) { return channel; }
WEAK void StopChannel(int) {}
WEAK void SetChannelVolume(int, float) {}
WEAK void SetChannelRate(int, float) {}
WEAK int ChannelPlaying(int) { return 0; }
WEAK bool SoundOutputOpen() { return false; }
