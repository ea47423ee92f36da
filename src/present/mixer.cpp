#include "present/mixer.h"

#include <algorithm>
#include <cmath>

namespace {

// Effects peak just under full scale, so a bounce over the music would clip
// hard. Above the knee the sum bends smoothly toward full scale instead
// (slope 1 at the knee, so quiet mixes pass untouched).
float SoftClip(float x) {
  constexpr float kKnee = 0.8f;
  float a = std::fabs(x);
  if (!(a > kKnee)) return std::isnan(x) ? 0.0f : x;
  float bent = kKnee + (1.0f - kKnee) * std::tanh((a - kKnee) / (1.0f - kKnee));
  return x < 0 ? -bent : bent;
}

}  // namespace

Mixer::Mixer() { channels_.reserve(256); }
Mixer::~Mixer() = default;

int Mixer::AllocChannel() {
  std::lock_guard<std::mutex> g(lock_);
  if (!free_.empty()) {
    int channel = free_.back();
    free_.pop_back();
    channels_[channel - 1] = Channel{};
    return channel;
  }
  channels_.emplace_back();
  return static_cast<int>(channels_.size());
}

Mixer::Channel* Mixer::Find(int channel) {
  if (channel < 1 || channel > static_cast<int>(channels_.size())) return nullptr;
  return &channels_[channel - 1];
}
const Mixer::Channel* Mixer::Find(int channel) const {
  if (channel < 1 || channel > static_cast<int>(channels_.size())) return nullptr;
  return &channels_[channel - 1];
}

void Mixer::Play(int channel, std::shared_ptr<const Sound> sound) {
  std::lock_guard<std::mutex> g(lock_);
  Channel* c = Find(channel);
  if (!c) return;
  c->sound = std::move(sound);
  c->position = 0;
  c->playing = c->sound && c->sound->FrameCount() > 0;
}

void Mixer::ReleaseChannel(int channel) {
  std::lock_guard<std::mutex> g(lock_);
  Channel* c = Find(channel);
  if (!c) return;
  *c = Channel{};
  for (int f : free_)
    if (f == channel) return;
  free_.push_back(channel);
}

void Mixer::Stop(int channel) {
  std::lock_guard<std::mutex> g(lock_);
  if (Channel* c = Find(channel)) {
    c->playing = false;
    c->sound.reset();
  }
}

void Mixer::SetVolume(int channel, float volume) {
  std::lock_guard<std::mutex> g(lock_);
  if (Channel* c = Find(channel)) c->volume = std::isfinite(volume) ? std::clamp(volume, 0.0f, 1.0f) : 0.0f;
}

void Mixer::SetRate(int channel, float rate) {
  std::lock_guard<std::mutex> g(lock_);
  // Far beyond any pitch the game asks for, but keeps a bad value from
  // stalling a channel forever or skipping it in one step.
  if (Channel* c = Find(channel)) c->rate = std::isfinite(rate) ? std::clamp(rate, 0.01f, 16.0f) : 1.0f;
}

bool Mixer::Playing(int channel) const {
  std::lock_guard<std::mutex> g(lock_);
  const Channel* c = Find(channel);
  return c && c->playing;
}

float Mixer::Volume(int channel) const {
  std::lock_guard<std::mutex> g(lock_);
  const Channel* c = Find(channel);
  return c ? c->volume : 0.0f;
}

float Mixer::Rate(int channel) const {
  std::lock_guard<std::mutex> g(lock_);
  const Channel* c = Find(channel);
  return c ? c->rate : 0.0f;
}

int Mixer::ChannelCount() const {
  std::lock_guard<std::mutex> g(lock_);
  return static_cast<int>(channels_.size());
}

void Mixer::SetMusicSource(MusicSource source) {
  std::lock_guard<std::mutex> g(lock_);
  music_ = std::move(source);
}

void Mixer::SetHeld(bool held) {
  std::lock_guard<std::mutex> g(lock_);
  held_ = held;
}

bool Mixer::Held() const {
  std::lock_guard<std::mutex> g(lock_);
  return held_;
}

uint64_t Mixer::MixCount() const {
  std::lock_guard<std::mutex> g(lock_);
  return mixCount_;
}

void Mixer::Mix(float* out, int frames) {
  std::fill(out, out + 2 * frames, 0.0f);
  std::lock_guard<std::mutex> g(lock_);
  ++mixCount_;
  if (held_) return;
  for (Channel& c : channels_) {
    if (!c.playing || c.volume <= 0.0f) {
      // A silent channel still moves on, so it ends when it would have.
      if (c.playing) {
        c.position += static_cast<double>(c.rate) * frames;
        size_t n = c.sound->FrameCount();
        if (c.position >= static_cast<double>(n)) {
          if (c.sound->loop) c.position = std::fmod(c.position, static_cast<double>(n));
          else c.playing = false;
        }
      }
      continue;
    }
    const std::vector<float>& s = c.sound->frames;
    const size_t n = c.sound->FrameCount();
    const bool loop = c.sound->loop;
    for (int i = 0; i < frames; ++i) {
      if (c.position >= static_cast<double>(n)) {
        if (!loop) {
          c.playing = false;
          break;
        }
        c.position -= static_cast<double>(n);
      }
      size_t a = static_cast<size_t>(c.position);
      size_t b = a + 1 < n ? a + 1 : (loop ? 0 : a);
      float t = static_cast<float>(c.position - static_cast<double>(a));
      out[2 * i] += c.volume * (s[2 * a] + (s[2 * b] - s[2 * a]) * t);
      out[2 * i + 1] += c.volume * (s[2 * a + 1] + (s[2 * b + 1] - s[2 * a + 1]) * t);
      c.position += c.rate;
    }
  }
  if (music_) {
    musicBuffer_.assign(2 * static_cast<size_t>(frames), 0.0f);
    music_(musicBuffer_.data(), frames);
    for (int i = 0; i < 2 * frames; ++i) out[i] += musicBuffer_[i];
  }
  for (int i = 0; i < 2 * frames; ++i) out[i] = SoftClip(out[i]);
}

Mixer& TheMixer() {
  static Mixer mixer;
  return mixer;
}
