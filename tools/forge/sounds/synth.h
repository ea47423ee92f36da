// A small synthesizer for the sound effects and the scene sounds.
//
// Everything works on mono float buffers at 44.1 kHz. Parameters that move
// over time (pitch sweeps, filter sweeps, loudness) are Curves: functions of
// the time in seconds from the start of the sound. Randomness comes only from
// Rng, seeded per sound, so every run makes the same samples.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace forge::synth {

constexpr int kRate = 44100;
constexpr double kPi = 3.14159265358979323846;
// The level every finished effect peaks at: -1 dBFS.
constexpr double kPeak = 0.8912509381337456;

using Wave = std::vector<float>;
using Curve = std::function<double(double t)>;

int Samples(double seconds);
double Seconds(const Wave& w);

// Curves.
Curve Const(double v);
// From a to b over `dur` seconds, then holds b.
Curve Lin(double a, double b, double dur);
// Exponential glide from a to b over `dur` seconds (a and b above zero).
Curve Glide(double a, double b, double dur);
// A piecewise-linear curve through (time, value) points; holds the ends.
Curve Points(std::vector<std::pair<double, double>> pts);
// base * (1 + depth * sin(2 pi rate t)): vibrato, tremolo, wobble.
Curve Wobble(Curve base, double rate, double depth);

// A deterministic generator (xorshift32); never seeded from the clock.
class Rng {
 public:
  explicit Rng(uint32_t seed) : s_(seed ? seed : 0x9E3779B9u) {}
  uint32_t Next();
  double Uniform();                   // [0, 1)
  double Range(double lo, double hi);  // [lo, hi)
  double Bipolar() { return Range(-1.0, 1.0); }

 private:
  uint32_t s_;
};

enum class Shape { Sine, Triangle, Square, Saw, Pulse };

// An oscillator following a frequency curve; phase accumulates, so sweeps are
// smooth. Square, saw and pulse are band-limited with polyBLEP so that high
// sweeps do not alias into whistles. `duty` is for Pulse.
Wave Osc(Shape shape, double seconds, const Curve& freq, double duty = 0.25, double phase0 = 0.0);
// Two-operator FM: a sine carrier whose phase is moved by a modulator at
// carrier * ratio, with modulation index `index` (radians).
Wave Fm(double seconds, const Curve& freq, double ratio, const Curve& index);
// White noise in [-1, 1).
Wave Noise(double seconds, Rng& rng);
// Noise that holds each value for 1/rate seconds (gritty, pitched hiss).
Wave SampleHoldNoise(double seconds, const Curve& rate, Rng& rng);
// Short random clicks: `density` per second, each a decaying spike.
Wave Crackle(double seconds, double density, Rng& rng);

// Filters (a state-variable filter; cutoff in Hz may move over time, q is the
// resonance: 0.7 plain, higher rings).
void LowPass(Wave& w, const Curve& cutoff, double q = 0.7);
void HighPass(Wave& w, const Curve& cutoff, double q = 0.7);
void BandPass(Wave& w, const Curve& centre, double q = 2.0);

// Loudness.
void Gain(Wave& w, double g);
void Envelope(Wave& w, const Curve& amp);
// A percussive envelope: linear attack, then exponential decay to -60 dB over
// `decay` seconds.
void Perc(Wave& w, double attack, double decay);
// Attack, hold at full, then a linear release to zero at the end of the wave.
void Asr(Wave& w, double attack, double release);
// Soft clipping: warmth and grit for growls and buzzes.
void Drive(Wave& w, double amount);

// Combining.
Wave Silence(double seconds);
// Adds src into dst starting at `at` seconds, growing dst if needed.
void Mix(Wave& dst, const Wave& src, double at = 0.0, double gain = 1.0);
Wave Concat(const std::vector<Wave>& parts);
// Ring modulation / amplitude modulation by another wave.
void Multiply(Wave& w, const Wave& by);

// Makes an effect clean: no silence in front, a short fade in (so the first
// sample is not a step), the quiet tail cut, a fade out to exact zero, and the
// peak at -1 dBFS.
void Finish(Wave& w, double fadeOut = 0.02);
// Scales so the peak is `peak`.
void Normalize(Wave& w, double peak = kPeak);
// Turns `w` into a seamless loop of `loopSeconds`: the part past the loop
// length is crossfaded into the start, so the last sample leads into the first
// as smoothly as any two neighbours. `w` must be longer than loopSeconds +
// fadeSeconds. Equal-power suits noise; a plain linear fade suits sources
// that repeat exactly (tones with a whole number of periods in the loop).
void MakeLoop(Wave& w, double loopSeconds, double fadeSeconds, bool equalPower = true);
// For music rendered from one pass of a looping pattern: the ringing tails
// past the loop length are folded onto its start, as the next pass would hear
// them, so the loop is exactly periodic.
void FoldLoop(Wave& w, double loopSeconds);

// 16-bit PCM mono WAV bytes.
std::string EncodeWav(const Wave& w);
// Ogg Vorbis bytes (mono, quality 0-1) with a fixed stream serial number.
std::string EncodeOgg(const Wave& w, float quality, int serial);

}  // namespace forge::synth
