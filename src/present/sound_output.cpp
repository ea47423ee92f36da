// Where the mix goes: one SDL audio device, or in a headless run with
// --mixdown a WAV file that receives exactly one frame's worth of sound (735
// stereo frames) per presented frame, so a scripted run always writes the
// same file.
#include "present/sound_output.h"

#include <SDL.h>

#include <fcntl.h>
#include <unistd.h>

#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <mutex>
#include <thread>
#include <vector>

#include "present/mixer.h"
#include "present/present.h"
#include "present/present_internal.h"

namespace {

// 256 frames are 5.8 ms at 44100 Hz. SDL keeps about two such buffers in
// flight, so an effect started on the game thread is heard within roughly
// 12 ms plus whatever the system's sound server adds.
constexpr int kDeviceBufferFrames = 256;
constexpr int kFramesPerGameFrame = kMixRate / 60;  // 735

SDL_AudioDeviceID g_device = 0;
int g_deviceBufferFrames = 0;
bool g_audioStarted = false;

FILE* g_mixdown = nullptr;
uint32_t g_mixdownFrames = 0;
std::vector<float> g_mixBuffer;
std::vector<int16_t> g_pcm;

void Callback(void*, Uint8* stream, int len) {
  TheMixer().Mix(reinterpret_cast<float*>(stream), len / static_cast<int>(2 * sizeof(float)));
}

void Put32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

// The RIFF header for the frames written so far.
void WriteMixdownHeader() {
  uint8_t h[44] = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ',
                   16,  0,   0,   0,   1, 0, 2, 0, 0,   0,   0,   0,   0,   0,   0,   0,
                   4,   0,   16,  0,   'd', 'a', 't', 'a', 0, 0, 0, 0};
  uint32_t dataBytes = g_mixdownFrames * 4;
  Put32(h + 4, 36 + dataBytes);
  Put32(h + 24, kMixRate);
  Put32(h + 28, kMixRate * 4);
  Put32(h + 40, dataBytes);
  long at = std::ftell(g_mixdown);
  std::fseek(g_mixdown, 0, SEEK_SET);
  std::fwrite(h, 1, sizeof h, g_mixdown);
  std::fseek(g_mixdown, at, SEEK_SET);
}

// ALSA prints a page of its own complaints to stderr when a machine has no
// sound card; the player gets our one line instead.
class QuietStderr {
 public:
  QuietStderr() {
    std::fflush(stderr);
    saved_ = dup(2);
    int null = open("/dev/null", O_WRONLY);
    if (saved_ >= 0 && null >= 0) dup2(null, 2);
    if (null >= 0) close(null);
  }
  ~QuietStderr() {
    std::fflush(stderr);
    if (saved_ >= 0) {
      dup2(saved_, 2);
      close(saved_);
    }
  }

 private:
  int saved_ = -1;
};

bool StartMixdown() {
  std::string path = Options.mixdownFile;
  g_mixdown = std::fopen(path.c_str(), "wb");
  if (!g_mixdown) {
    std::cerr << "boingle: cannot write the sound mix to " << path << "; going on without it\n";
    return false;
  }
  g_mixdownFrames = 0;
  WriteMixdownHeader();
  std::fseek(g_mixdown, 44, SEEK_SET);
  return true;
}

}  // namespace

bool StartSoundOutput() {
  StopSoundOutput();
  // The audio thread must be gone before the mixer and the songs it reads are
  // destroyed at exit, also when a run (or a test) never stops it itself.
  static const bool stopAtExit = [] {
    TheMixer();
    return std::atexit(StopSoundOutput) == 0;
  }();
  (void)stopAtExit;
  if (Options.headless && !Options.mixdownFile.empty()) return StartMixdown();
  std::string failure;
  {
    QuietStderr quiet;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) failure = SDL_GetError();
  }
  if (!failure.empty()) {
    std::cerr << "boingle: no sound device (" << failure << "); playing without sound\n";
    return false;
  }
  g_audioStarted = true;
  SDL_AudioSpec want{}, have{};
  want.freq = kMixRate;
  want.format = AUDIO_F32SYS;
  want.channels = 2;
  want.samples = kDeviceBufferFrames;
  want.callback = Callback;
  // No changes allowed: SDL converts our format to the device's itself.
  {
    QuietStderr quiet;
    g_device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
  }
  if (g_device == 0) {
    std::cerr << "boingle: no sound device (" << SDL_GetError() << "); playing without sound\n";
    // The subsystem stays up until StopSoundOutput: quitting it waits for
    // SDL's device watcher (a tenth of a second with ALSA), and the first
    // frame would wait with it.
    return false;
  }
  g_deviceBufferFrames = have.samples;
  SDL_PauseAudioDevice(g_device, 0);
  return true;
}

void CloseSoundDevice() {
  if (g_device) {
    SDL_CloseAudioDevice(g_device);
    g_device = 0;
  }
  if (g_mixdown) {
    WriteMixdownHeader();
    std::fclose(g_mixdown);
    g_mixdown = nullptr;
  }
}

void StopSoundOutput() {
  CloseSoundDevice();
  if (g_audioStarted) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    g_audioStarted = false;
  }
}

void SoundFrameTick() {
  if (!g_mixdown) return;
  g_mixBuffer.resize(2 * kFramesPerGameFrame);
  g_pcm.resize(2 * kFramesPerGameFrame);
  TheMixer().Mix(g_mixBuffer.data(), kFramesPerGameFrame);
  for (size_t i = 0; i < g_pcm.size(); ++i) g_pcm[i] = static_cast<int16_t>(g_mixBuffer[i] * 32767.0f);
  std::fwrite(g_pcm.data(), sizeof(int16_t), g_pcm.size(), g_mixdown);
  g_mixdownFrames += kFramesPerGameFrame;
  // Keep the header current now and then, so a run that is killed still
  // leaves a file the tools can read.
  if (g_mixdownFrames % (kFramesPerGameFrame * 60) == 0) WriteMixdownHeader();
}

int SoundDeviceBufferFrames() { return g_device ? g_deviceBufferFrames : 0; }

bool SoundOutputOpen() { return g_device != 0 || g_mixdown != nullptr; }

// The sound calls of the presentation layer.

namespace {

struct CacheEntry {
  std::string path;
  int flags;
  std::shared_ptr<Sound> sound;
};
std::vector<CacheEntry> g_cache;

// A file as LoadSound would have read and decoded it.
struct Decoded {
  std::string real;  // the file it resolved to, "" when none
  bool read = false;
  bool decoded = false;
  std::string error;
  std::shared_ptr<Sound> sound;
};

Decoded ReadAndDecode(const std::string& path) {
  Decoded d;
  d.real = ResolveReadPath(path);
  if (d.real.empty()) return d;
  std::vector<uint8_t> bytes;
  d.read = ReadWholeFile(path, &bytes);
  if (!d.read) return d;
  d.sound = std::make_shared<Sound>();
  d.decoded = DecodeSound(bytes, d.sound.get(), &d.error);
  return d;
}

struct Prefetch {
  struct Item {
    std::string path;
    bool done = false;
    bool taken = false;
    Decoded result;
  };
  std::mutex lock;
  std::condition_variable ready;
  std::vector<Item> items;  // the list is fixed before the worker starts
  std::thread worker;
  ~Prefetch() {
    if (worker.joinable()) worker.join();
  }
};

Prefetch& ThePrefetch() {
  static Prefetch prefetch;
  return prefetch;
}

// The prefetched result for `path` resolved to `real`, waiting for it; false
// when the file was not prefetched (or resolves elsewhere by now).
bool TakePrefetched(const std::string& path, const std::string& real, Decoded* out) {
  Prefetch& p = ThePrefetch();
  std::unique_lock<std::mutex> g(p.lock);
  for (Prefetch::Item& item : p.items) {
    if (item.taken || item.path != path) continue;
    p.ready.wait(g, [&item] { return item.done; });
    item.taken = true;
    if (item.result.real != real) return false;
    *out = std::move(item.result);
    return true;
  }
  return false;
}
// Channels handed out by PlaySound without a channel of the caller's: they are
// used again once their sound has ended, so a scene that plays a sound this way
// every few frames does not grow the mixer without bound.
std::vector<int> g_looseChannels;

}  // namespace

void PrefetchSounds(const std::vector<std::string>& paths) {
  // SDL's start can fork a helper (D-Bus starting a session bus); a child
  // forked while this thread allocates hangs under the address sanitizer,
  // whose allocator, unlike glibc's, is not made safe across a fork. There
  // the effects decode in order, at their loading.
  if (kUnderAddressSanitizer) return;
  Prefetch& p = ThePrefetch();
  if (p.worker.joinable() || !p.items.empty()) return;
  for (const std::string& path : paths) p.items.push_back({path, false, false, {}});
  p.worker = std::thread([&p] {
    for (size_t i = 0; i < p.items.size(); ++i) {
      Decoded d = ReadAndDecode(p.items[i].path);
      std::lock_guard<std::mutex> g(p.lock);
      p.items[i].result = std::move(d);
      p.items[i].done = true;
      p.ready.notify_all();
    }
  });
}

Sound* LoadSound(const std::string& path, int flags) {
  std::string real = ResolveReadPath(path);
  if (real.empty()) return nullptr;
  for (auto& e : g_cache)
    if (e.path == real && e.flags == flags) return e.sound.get();
  Decoded d;
  if (!TakePrefetched(path, real, &d)) d = ReadAndDecode(path);
  if (!d.read) return nullptr;
  // Said here rather than on the decoding thread, in the order of loading.
  if (!d.decoded) {
    NameBrokenContent(path, d.error);
    return nullptr;
  }
  if (!d.error.empty()) NameBrokenContent(path, d.error);
  d.sound->loop = (flags & 1) != 0;
  g_cache.push_back({real, flags, d.sound});
  return d.sound.get();
}

int AllocChannel() { return TheMixer().AllocChannel(); }
void FreeChannel(int channel) { TheMixer().ReleaseChannel(channel); }

int PlaySound(Sound* sound, int channel) {
  if (!sound) return channel;
  if (channel <= 0) {
    for (int c : g_looseChannels)
      if (!TheMixer().Playing(c)) {
        channel = c;
        break;
      }
    if (channel <= 0) {
      channel = TheMixer().AllocChannel();
      g_looseChannels.push_back(channel);
    }
    TheMixer().SetVolume(channel, 1.0f);
    TheMixer().SetRate(channel, 1.0f);
  }
  TheMixer().Play(channel, sound->shared_from_this());
  return channel;
}

void StopChannel(int channel) { TheMixer().Stop(channel); }
void SetChannelVolume(int channel, float volume) { TheMixer().SetVolume(channel, volume); }
void SetChannelRate(int channel, float rate) { TheMixer().SetRate(channel, rate); }
int ChannelPlaying(int channel) { return TheMixer().Playing(channel) ? 1 : 0; }
