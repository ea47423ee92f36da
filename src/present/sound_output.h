// The sound output device and the effect mixer behind present.h's Sound calls.
#pragma once

bool StartSoundOutput();
void StopSoundOutput();
// The device closed and the mixdown file finished, the subsystem left up (for
// a process about to end).
void CloseSoundDevice();
// Once per presented frame (drives the headless mixdown).
void SoundFrameTick();
// The frames per device buffer SDL gave us (0 when no device is open).
int SoundDeviceBufferFrames();
