// The effect mixer: decoded samples played on numbered channels, summed with
// whatever music source is attached, into interleaved stereo float frames at
// 44100 Hz.
//
// The game thread calls Play/Stop/SetVolume/...; the audio thread (or the
// headless mixdown, or a test) calls Mix. Both sides take one short lock: the
// game makes a handful of calls per frame and a mix of 256 frames takes a few
// microseconds, so neither side ever waits noticeably.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

constexpr int kMixRate = 44100;

// A decoded sample: interleaved stereo at kMixRate.
struct Sound : std::enable_shared_from_this<Sound> {
  std::vector<float> frames;  // L R L R ...
  bool loop = false;
  size_t FrameCount() const { return frames.size() / 2; }
};

// Reads a WAV (PCM 8/16/24/32 bit or float, any channel count) or an Ogg
// Vorbis file from its bytes and resamples it to kMixRate stereo. False with a
// reason when the bytes are not a sound we can read; true with a reason when
// the sound is cut short and only its first part is there.
bool DecodeSound(const std::vector<uint8_t>& bytes, Sound* out, std::string* error);

class Mixer {
 public:
  // Renders `frames` stereo frames of music, added into `out`.
  using MusicSource = std::function<void(float* out, int frames)>;

  Mixer();
  ~Mixer();
  Mixer(const Mixer&) = delete;
  Mixer& operator=(const Mixer&) = delete;

  // Channel numbers start at 1; 0 is never a channel. A released channel is
  // stopped and its number handed out again by a later AllocChannel.
  int AllocChannel();
  void ReleaseChannel(int channel);
  // Restarts the channel from the sample's beginning (an effect never layers
  // with itself on one channel). A null sound stops the channel.
  void Play(int channel, std::shared_ptr<const Sound> sound);
  void Stop(int channel);
  void SetVolume(int channel, float volume);  // 0..1
  void SetRate(int channel, float rate);      // 1 = the sample's own pitch
  bool Playing(int channel) const;
  float Volume(int channel) const;
  float Rate(int channel) const;
  int ChannelCount() const;

  void SetMusicSource(MusicSource source);

  // While held, Mix gives silence and nothing moves on: effects and music
  // go on from where they were when the hold ends.
  void SetHeld(bool held);
  bool Held() const;

  // Sums every playing channel and the music into `out` (interleaved stereo,
  // `frames` frames), bent softly into [-1, 1].
  void Mix(float* out, int frames);
  // How many Mix calls have run; the latency benchmark watches it.
  uint64_t MixCount() const;

 private:
  struct Channel {
    std::shared_ptr<const Sound> sound;
    double position = 0;  // in frames
    float volume = 1.0f;
    float rate = 1.0f;
    bool playing = false;
  };
  Channel* Find(int channel);
  const Channel* Find(int channel) const;

  mutable std::mutex lock_;
  std::vector<Channel> channels_;
  std::vector<int> free_;
  MusicSource music_;
  std::vector<float> musicBuffer_;
  uint64_t mixCount_ = 0;
  bool held_ = false;
};

// The one mixer the game plays through.
Mixer& TheMixer();
