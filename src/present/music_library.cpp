#include "present/music_library.h"

#include <libopenmpt/libopenmpt.hpp>

#include <algorithm>
#include <iostream>
#include <memory>
#include <mutex>
#include <sstream>
#include <vector>

#include "present/mixer.h"
#include "present/present.h"

struct FMUSIC_MODULE {
  std::unique_ptr<openmpt::module> module;
  bool playing = false;
  bool looping = false;
  bool ended = false;
  int volume = 256;
};

namespace {

std::mutex g_lock;  // guards every song and g_output against the audio thread
std::vector<std::unique_ptr<FMUSIC_MODULE>> g_songs;
int g_output = 2;
bool g_initialised = false;
std::vector<float> g_render;

// The game's volumes run 0-300 against the library's documented 0-256, so a
// volume is a linear gain of volume / 256: 256 plays the song as written, the
// game's default 200 a little softer, and 300 about 1.4 dB louder (the mixer
// clips what goes past full scale).
float GainOf(int volume) { return static_cast<float>(std::clamp(volume, 0, 300)) / 256.0f; }

void RenderMusic(float* out, int frames) {
  std::lock_guard<std::mutex> g(g_lock);
  if (g_output == 0) return;
  for (auto& song : g_songs) {
    if (!song->playing || song->ended) continue;
    g_render.resize(2 * static_cast<size_t>(frames));
    size_t got = 0;
    try {
      got = song->module->read_interleaved_stereo(kMixRate, static_cast<size_t>(frames), g_render.data());
    } catch (const std::exception&) {
      got = 0;
    }
    if (got < static_cast<size_t>(frames)) song->ended = true;
    float gain = GainOf(song->volume);
    for (size_t i = 0; i < 2 * got; ++i) out[i] += gain * g_render[i];
  }
}

bool Known(FMUSIC_MODULE* song) {
  for (auto& s : g_songs)
    if (s.get() == song) return true;
  return false;
}

uint32_t Le32(const std::vector<uint8_t>& b, size_t at) {
  return at + 4 <= b.size() ? uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 |
                                  uint32_t(b[at + 3]) << 24
                            : 0;
}
uint16_t Le16(const std::vector<uint8_t>& b, size_t at) {
  return at + 2 <= b.size() ? static_cast<uint16_t>(b[at] | b[at + 1] << 8) : 0;
}

}  // namespace

// libopenmpt plays an XM module cut short without a word (the patterns and
// samples past the cut are silence), so the file's own sizes are walked: a
// module whose patterns, instruments or samples run past its end is named.
bool XmCutShort(const std::vector<uint8_t>& b) {
  if (b.size() < 80 || std::string(b.begin(), b.begin() + 17) != "Extended Module: ") return false;
  size_t at = 60 + size_t{Le32(b, 60)};
  int patterns = Le16(b, 70), instruments = Le16(b, 72);
  for (int p = 0; p < patterns; ++p) {
    if (at + 9 > b.size()) return true;
    at += size_t{Le32(b, at)} + Le16(b, at + 7);
  }
  for (int i = 0; i < instruments; ++i) {
    if (at + 29 > b.size()) return true;
    size_t header = Le32(b, at);
    int samples = Le16(b, at + 27);
    size_t sampleHeader = samples > 0 ? Le32(b, at + 29) : 0;
    size_t data = 0;
    at += header;
    for (int k = 0; k < samples; ++k) {
      if (at + 4 > b.size()) return true;
      data += Le32(b, at);
      at += sampleHeader;
    }
    at += data;
  }
  return at > b.size();
}

void FSOUND_SetOutput(int output) {
  std::lock_guard<std::mutex> g(g_lock);
  g_output = output;
}

void FSOUND_SetDriver(int) {}

int FSOUND_Init(int rate, int channels, int) {
  if (rate <= 0 || channels <= 0) return 0;
  if (!g_initialised) {
    TheMixer().SetMusicSource(RenderMusic);
    g_initialised = true;
  }
  return 1;
}

int FSOUND_GetOutput() {
  std::lock_guard<std::mutex> g(g_lock);
  return g_output;
}

FMUSIC_MODULE* FMUSIC_LoadSong(const char* path) {
  if (!path) return nullptr;
  std::vector<uint8_t> bytes;
  if (!ReadWholeFile(path, &bytes) || bytes.empty()) return nullptr;
  auto song = std::make_unique<FMUSIC_MODULE>();
  std::ostringstream log;  // libopenmpt's chatter stays out of the game's output
  try {
    song->module = std::make_unique<openmpt::module>(bytes, log);
  } catch (const std::exception&) {
    return nullptr;  // the caller names the file
  }
  if (XmCutShort(bytes)) NameBrokenContent(path, "it is cut short and plays the part that is there");
  std::lock_guard<std::mutex> g(g_lock);
  // The game holds on to the last song it loaded only, so every song that is
  // not playing can go now (one stopped song can be restarted until the next
  // load, which is all the game relies on).
  std::erase_if(g_songs, [](const auto& s) { return !s->playing || s->ended; });
  g_songs.push_back(std::move(song));
  return g_songs.back().get();
}

int FMUSIC_PlaySong(FMUSIC_MODULE* song) {
  std::lock_guard<std::mutex> g(g_lock);
  if (!Known(song)) return 0;
  song->module->set_position_seconds(0);
  song->module->set_repeat_count(song->looping ? -1 : 0);
  song->playing = true;
  song->ended = false;
  return 1;
}

int FMUSIC_StopSong(FMUSIC_MODULE* song) {
  std::lock_guard<std::mutex> g(g_lock);
  if (!Known(song)) return 0;
  song->playing = false;
  return 1;
}

int FMUSIC_SetLooping(FMUSIC_MODULE* song, int loop) {
  std::lock_guard<std::mutex> g(g_lock);
  if (!Known(song)) return 0;
  song->looping = loop != 0;
  song->module->set_repeat_count(song->looping ? -1 : 0);
  return 1;
}

int FMUSIC_SetMasterVolume(FMUSIC_MODULE* song, int volume) {
  std::lock_guard<std::mutex> g(g_lock);
  if (!Known(song)) return 0;
  song->volume = std::clamp(volume, 0, 300);
  return 1;
}

bool FMUSIC_IsPlaying(FMUSIC_MODULE* song) {
  std::lock_guard<std::mutex> g(g_lock);
  return Known(song) && song->playing && !song->ended;
}

int FMUSIC_GetMasterVolume(FMUSIC_MODULE* song) {
  std::lock_guard<std::mutex> g(g_lock);
  return Known(song) ? song->volume : 0;
}
