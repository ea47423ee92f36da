// The sound decoder on any bytes as a WAV file (the seeds are WAV
// files): whatever it gives back must be whole stereo frames of finite
// samples within full scale, as the mixer expects.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "present/mixer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<uint8_t> bytes(data, data + size);
  Sound sound;
  std::string error;
  if (!DecodeSound(bytes, &sound, &error)) return 0;
  if (sound.frames.size() % 2 != 0) std::abort();
  for (float s : sound.frames)
    if (!std::isfinite(s) || s < -1.0f || s > 1.0f) std::abort();
  return 0;
}
