// How long after PlaySfx an effect reaches the speaker: the time until the
// audio thread's next mix picks it up, plus the device buffers queued in front
// of it. Run from the program folder: bench/bench_audio_latency [--plays N].
// Without a sound device it measures on SDL's dummy driver, which keeps the
// same real-time pace.
#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "world/music.h"
#include "present/music_library.h"
#include "world/sound_effects.h"
#include "present/mixer.h"
#include "present/present.h"
#include "present/sound_output.h"

int main(int argc, char** argv) {
  using Clock = std::chrono::steady_clock;
  int plays = 200;
  for (int i = 1; i + 1 < argc; i += 2)
    if (std::string(argv[i]) == "--plays") plays = std::max(1, std::atoi(argv[i + 1]));
  Options.headless = true;
  Options.dataDir = std::string(".");
  if (!StartSoundOutput()) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (!StartSoundOutput()) return 1;
  }
  std::vector<std::string> missing = LoadSoundEffects();
  if (!missing.empty()) std::fprintf(stderr, "%zu effects missing\n", missing.size());
  const char* driver = SDL_GetCurrentAudioDriver();
  int buffer = SoundDeviceBufferFrames();
  double bufferMs = 1000.0 * buffer / kMixRate;

  std::vector<double> pickup;
  unsigned seed = 12345;
  for (int i = 0; i < plays; ++i) {
    seed = seed * 1103515245u + 12345u;
    std::this_thread::sleep_for(std::chrono::microseconds(2000 + seed % 9000));
    uint64_t before = TheMixer().MixCount();
    auto t0 = Clock::now();
    PlaySfx(4, 1);
    while (TheMixer().MixCount() == before) std::this_thread::yield();
    pickup.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
  }
  StopSoundOutput();
  std::sort(pickup.begin(), pickup.end());
  double mean = 0;
  for (double v : pickup) mean += v;
  mean /= static_cast<double>(pickup.size());
  // The mix picked up lands in the buffer being filled; the buffer playing now
  // is in front of it, so the sound starts at most two buffers after pick-up.
  double worst = pickup.back() + 2 * bufferMs;
  std::printf("driver %s, device buffer %d frames (%.1f ms)\n", driver ? driver : "?", buffer, bufferMs);
  std::printf("pick-up by the mixer over %d plays: mean %.2f ms, median %.2f ms, max %.2f ms\n", plays, mean,
              pickup[pickup.size() / 2], pickup.back());
  std::printf("heard within: mean %.1f ms, worst %.1f ms (target 25 ms)\n", mean + 2 * bufferMs, worst);

  // What a mix costs the audio thread: a level's tune and eight effects at
  // once, one device buffer at a time.
  FSOUND_SetOutput(2);
  FSOUND_Init(kMixRate, 32, 1);
  PlayMusic(0);
  std::vector<float> out(2 * static_cast<size_t>(buffer > 0 ? buffer : 256));
  int frames = static_cast<int>(out.size() / 2);
  int mixes = 2000;
  auto t0 = Clock::now();
  for (int i = 0; i < mixes; ++i) {
    if (i % 40 == 0)
      for (int e = 0; e < 8; ++e) PlaySfx(e * 7, 1);
    TheMixer().Mix(out.data(), frames);
  }
  double perMix = std::chrono::duration<double, std::micro>(Clock::now() - t0).count() / mixes;
  std::printf("mix of %d frames with music and 8 effects: %.1f us (%.1f%% of its %.1f ms)\n", frames, perMix,
              100.0 * perMix / (1000.0 * bufferMs), bufferMs);
  return 0;
}
