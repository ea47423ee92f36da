#include "music/synth.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

#include "forge.h"

namespace forge::music {
namespace {

constexpr double kRate = 44100.0;
constexpr double kPi = 3.14159265358979323846;
// A whole number of frames per cycle keeps every looped waveform exactly
// periodic, so a loop never clicks; the tuning makes up the small difference
// from middle C.
constexpr int kCycle = 168;
constexpr double kMiddleC = 261.6255653;
constexpr double kXmBaseRate = 8363.0;

void Tune(xm::Instrument& ins, double naturalRate) {
  double semis = 12.0 * std::log2(naturalRate / kXmBaseRate);
  int rel = static_cast<int>(std::floor(semis));
  int fine = static_cast<int>(std::lround((semis - rel) * 128.0));
  if (fine > 127) {
    rel += 1;
    fine -= 128;
  }
  ins.relativeNote = static_cast<int8_t>(rel);
  ins.finetune = static_cast<int8_t>(fine);
}

// The rate a cycle of kCycle frames must play at for middle C.
double TonalRate() { return kRate * kMiddleC / (kRate / kCycle); }

std::vector<int16_t> ToPcm(const std::vector<double>& v, double peak) {
  double m = 1e-9;
  for (double x : v) m = std::max(m, std::abs(x));
  std::vector<int16_t> out(v.size());
  for (size_t i = 0; i < v.size(); ++i) out[i] = static_cast<int16_t>(std::lround(v[i] / m * peak * 32767.0));
  return out;
}

// Additive waveform over `cycles` periods: amplitude of harmonic n from amp(n).
std::vector<double> Harmonics(int cycles, int count, const std::function<double(int)>& amp) {
  std::vector<double> v(static_cast<size_t>(kCycle * cycles));
  for (size_t i = 0; i < v.size(); ++i) {
    double ph = 2.0 * kPi * static_cast<double>(i) / kCycle;
    double s = 0;
    for (int n = 1; n <= count; ++n) s += amp(n) * std::sin(n * ph);
    v[i] = s;
  }
  return v;
}

xm::Instrument Looped(const std::string& name, const std::vector<double>& wave, double peak) {
  xm::Instrument ins;
  ins.name = name;
  ins.sample = ToPcm(wave, peak);
  ins.loopStart = 0;
  ins.loopLength = static_cast<uint32_t>(ins.sample.size());
  Tune(ins, TonalRate());
  return ins;
}

uint32_t Lcg(uint32_t& state) {
  state = state * 1664525u + 1013904223u;
  return state;
}
double Noise(uint32_t& state) { return static_cast<double>(Lcg(state) >> 8) / 8388608.0 - 1.0; }

xm::Instrument OneShot(const std::string& name, std::vector<double> v, double peak, double rate) {
  // A short fade at the tail so a one-shot never ends on a step.
  size_t fade = std::min<size_t>(v.size(), 256);
  for (size_t i = 0; i < fade; ++i) v[v.size() - 1 - i] *= static_cast<double>(i) / fade;
  xm::Instrument ins;
  ins.name = name;
  ins.sample = ToPcm(v, peak);
  Tune(ins, rate);
  return ins;
}

void Sustain(xm::Instrument& ins, std::vector<xm::EnvelopePoint> env, int sustain, uint16_t fadeout) {
  ins.volumeEnvelope = std::move(env);
  ins.sustainPoint = sustain;
  ins.fadeout = fadeout;
}

}  // namespace

bool IsInstrumentKind(const std::string& k) {
  static const char* kinds[] = {"square", "pulse", "triangle", "saw",   "bell",     "pad",
                                "bass",   "kick",  "snare",    "hat",   "chipkick", "chiphat"};
  return std::find(std::begin(kinds), std::end(kinds), k) != std::end(kinds);
}

xm::Instrument MakeInstrument(const std::string& kind) {
  if (kind == "square") {
    auto w = Harmonics(1, 31, [](int n) { return n % 2 ? 1.0 / n : 0.0; });
    auto ins = Looped(kind, w, 0.7);
    Sustain(ins, {{0, 0}, {2, 64}, {12, 44}, {60, 36}}, 3, 1600);
    return ins;
  }
  if (kind == "pulse") {  // a quarter-width pulse, the other chip voice
    auto w = Harmonics(1, 40, [](int n) { return std::sin(kPi * n * 0.25) / n; });
    auto ins = Looped(kind, w, 0.7);
    Sustain(ins, {{0, 0}, {2, 64}, {12, 44}, {60, 36}}, 3, 1600);
    return ins;
  }
  if (kind == "triangle") {
    auto w = Harmonics(1, 31, [](int n) { return n % 2 ? ((n / 2) % 2 ? -1.0 : 1.0) / (n * n) : 0.0; });
    auto ins = Looped(kind, w, 0.8);
    Sustain(ins, {{0, 0}, {2, 64}, {20, 50}}, 2, 1400);
    return ins;
  }
  if (kind == "saw") {
    auto w = Harmonics(1, 36, [](int n) { return 1.0 / n * std::exp(-n / 30.0); });
    auto ins = Looped(kind, w, 0.7);
    Sustain(ins, {{0, 0}, {2, 64}, {16, 40}}, 2, 1400);
    return ins;
  }
  if (kind == "bass") {
    auto w = Harmonics(1, 12, [](int n) { return (n == 1 ? 1.0 : 0.35 / n) ; });
    auto ins = Looped(kind, w, 0.85);
    Sustain(ins, {{0, 0}, {1, 64}, {10, 50}, {40, 40}}, 3, 2400);
    return ins;
  }
  if (kind == "pad") {
    // Two voices a few cents apart over one long loop that holds whole
    // cycles of both, plus a soft octave: slow beating, no click at the seam.
    constexpr int kCycles = 100;
    std::vector<double> v(static_cast<size_t>(kCycle * kCycles));
    for (size_t i = 0; i < v.size(); ++i) {
      double t = static_cast<double>(i) / static_cast<double>(v.size());
      double s = 0;
      for (int n = 1; n <= 8; ++n) {
        double a = 1.0 / (n * n * 0.7 + 0.3);
        s += a * std::sin(2 * kPi * n * kCycles * t);
        s += a * std::sin(2 * kPi * n * (kCycles + 1) * t);
      }
      s += 0.3 * std::sin(2 * kPi * 2 * (kCycles - 1) * t);
      v[i] = s;
    }
    auto ins = Looped(kind, v, 0.6);
    Sustain(ins, {{0, 0}, {24, 64}, {48, 56}}, 2, 600);
    return ins;
  }
  if (kind == "bell") {
    // Two-operator FM with a falling index: bright strike, pure tail.
    size_t len = static_cast<size_t>(kRate * 1.6);
    std::vector<double> v(len);
    double f = kRate / kCycle;
    for (size_t i = 0; i < len; ++i) {
      double t = static_cast<double>(i) / kRate;
      double index = 3.0 * std::exp(-t * 5.0) + 0.4;
      double mod = std::sin(2 * kPi * f * 3.5 * t);
      v[i] = std::exp(-t * 2.6) * std::sin(2 * kPi * f * t + index * mod) * std::min(1.0, t * 2000.0);
    }
    return OneShot(kind, v, 0.8, TonalRate());
  }
  uint32_t seed = 12345;
  if (kind == "kick") {
    size_t len = static_cast<size_t>(kRate * 0.32);
    std::vector<double> v(len);
    double phase = 0;
    for (size_t i = 0; i < len; ++i) {
      double t = static_cast<double>(i) / kRate;
      double f = 45.0 + 110.0 * std::exp(-t * 30.0);
      phase += 2 * kPi * f / kRate;
      v[i] = std::sin(phase) * std::exp(-t * 9.0) * std::min(1.0, t * 3000.0);
    }
    return OneShot(kind, v, 0.95, kRate);
  }
  if (kind == "snare") {
    size_t len = static_cast<size_t>(kRate * 0.22);
    std::vector<double> v(len);
    double lp = 0;
    for (size_t i = 0; i < len; ++i) {
      double t = static_cast<double>(i) / kRate;
      lp += 0.6 * (Noise(seed) - lp);
      v[i] = (0.8 * lp * std::exp(-t * 16.0) + 0.5 * std::sin(2 * kPi * 185.0 * t) * std::exp(-t * 28.0)) *
             std::min(1.0, t * 3000.0);
    }
    return OneShot(kind, v, 0.8, kRate);
  }
  if (kind == "hat") {
    size_t len = static_cast<size_t>(kRate * 0.06);
    std::vector<double> v(len);
    double prev = 0;
    for (size_t i = 0; i < len; ++i) {
      double t = static_cast<double>(i) / kRate;
      double n = Noise(seed);
      v[i] = (n - prev) * std::exp(-t * 60.0) * std::min(1.0, t * 5000.0);
      prev = n;
    }
    return OneShot(kind, v, 0.6, kRate);
  }
  if (kind == "chipkick") {  // a square dropping in pitch: the chip's drum
    size_t len = static_cast<size_t>(kRate * 0.16);
    std::vector<double> v(len);
    double phase = 0;
    for (size_t i = 0; i < len; ++i) {
      double t = static_cast<double>(i) / kRate;
      phase += (60.0 + 240.0 * std::exp(-t * 25.0)) / kRate;
      v[i] = (std::fmod(phase, 1.0) < 0.5 ? 1.0 : -1.0) * std::exp(-t * 14.0);
    }
    return OneShot(kind, v, 0.7, kRate);
  }
  if (kind == "chiphat") {  // one-bit noise, held in steps like a chip's noise channel
    size_t len = static_cast<size_t>(kRate * 0.05);
    std::vector<double> v(len);
    double level = 1;
    for (size_t i = 0; i < len; ++i) {
      double t = static_cast<double>(i) / kRate;
      if (i % 4 == 0) level = (Lcg(seed) >> 31) ? 1.0 : -1.0;
      v[i] = level * std::exp(-t * 70.0);
    }
    return OneShot(kind, v, 0.4, kRate);
  }
  Fail("unknown instrument kind: " + kind);
}

}  // namespace forge::music
