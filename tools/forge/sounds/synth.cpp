#include "sounds/synth.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "forge.h"

namespace forge::synth {

int Samples(double seconds) { return std::max(0, static_cast<int>(std::lround(seconds * kRate))); }
double Seconds(const Wave& w) { return static_cast<double>(w.size()) / kRate; }

// ---------------------------------------------------------------- curves

Curve Const(double v) {
  return [v](double) { return v; };
}

Curve Lin(double a, double b, double dur) {
  return [a, b, dur](double t) { return t >= dur ? b : a + (b - a) * (t / dur); };
}

Curve Glide(double a, double b, double dur) {
  double ratio = std::log(b / a);
  return [a, b, dur, ratio](double t) { return t >= dur ? b : a * std::exp(ratio * (t / dur)); };
}

Curve Points(std::vector<std::pair<double, double>> pts) {
  return [pts = std::move(pts)](double t) {
    if (t <= pts.front().first) return pts.front().second;
    for (size_t i = 1; i < pts.size(); ++i) {
      if (t < pts[i].first) {
        double u = (t - pts[i - 1].first) / (pts[i].first - pts[i - 1].first);
        return pts[i - 1].second + (pts[i].second - pts[i - 1].second) * u;
      }
    }
    return pts.back().second;
  };
}

Curve Wobble(Curve base, double rate, double depth) {
  return [base = std::move(base), rate, depth](double t) {
    return base(t) * (1.0 + depth * std::sin(2.0 * kPi * rate * t));
  };
}

// ---------------------------------------------------------------- random

uint32_t Rng::Next() {
  s_ ^= s_ << 13;
  s_ ^= s_ >> 17;
  s_ ^= s_ << 5;
  return s_;
}

double Rng::Uniform() { return (Next() >> 8) * (1.0 / 16777216.0); }
double Rng::Range(double lo, double hi) { return lo + (hi - lo) * Uniform(); }

// ---------------------------------------------------------------- sources

namespace {

// The correction that rounds off a step at phase 0, spread over one sample.
double Blep(double t, double dt) {
  if (t < dt) {
    t /= dt;
    return t + t - t * t - 1.0;
  }
  if (t > 1.0 - dt) {
    t = (t - 1.0) / dt;
    return t * t + t + t + 1.0;
  }
  return 0.0;
}

double Wrap01(double x) { return x - std::floor(x); }

}  // namespace

Wave Osc(Shape shape, double seconds, const Curve& freq, double duty, double phase0) {
  Wave w(Samples(seconds));
  double ph = Wrap01(phase0);
  for (size_t i = 0; i < w.size(); ++i) {
    double t = static_cast<double>(i) / kRate;
    double dt = std::clamp(freq(t) / kRate, 0.0, 0.49);
    double v = 0.0;
    switch (shape) {
      case Shape::Sine: v = std::sin(2.0 * kPi * ph); break;
      case Shape::Triangle: v = 4.0 * std::fabs(ph - 0.5) - 1.0; break;
      case Shape::Saw: v = 2.0 * ph - 1.0 - Blep(ph, dt); break;
      case Shape::Square:
        v = (ph < 0.5 ? 1.0 : -1.0) + Blep(ph, dt) - Blep(Wrap01(ph + 0.5), dt);
        break;
      case Shape::Pulse:
        v = (ph < duty ? 1.0 : -1.0) + Blep(ph, dt) - Blep(Wrap01(ph + 1.0 - duty), dt);
        v -= 2.0 * duty - 1.0;  // keep it centred
        break;
    }
    w[i] = static_cast<float>(v);
    ph = Wrap01(ph + dt);
  }
  return w;
}

Wave Fm(double seconds, const Curve& freq, double ratio, const Curve& index) {
  Wave w(Samples(seconds));
  double pc = 0.0, pm = 0.0;
  for (size_t i = 0; i < w.size(); ++i) {
    double t = static_cast<double>(i) / kRate;
    double f = freq(t);
    w[i] = static_cast<float>(std::sin(2.0 * kPi * pc + index(t) * std::sin(2.0 * kPi * pm)));
    pc = Wrap01(pc + f / kRate);
    pm = Wrap01(pm + f * ratio / kRate);
  }
  return w;
}

Wave Noise(double seconds, Rng& rng) {
  Wave w(Samples(seconds));
  for (auto& s : w) s = static_cast<float>(rng.Bipolar());
  return w;
}

Wave SampleHoldNoise(double seconds, const Curve& rate, Rng& rng) {
  Wave w(Samples(seconds));
  double ph = 1.0, v = 0.0;
  for (size_t i = 0; i < w.size(); ++i) {
    ph += rate(static_cast<double>(i) / kRate) / kRate;
    if (ph >= 1.0) {
      ph -= std::floor(ph);
      v = rng.Bipolar();
    }
    w[i] = static_cast<float>(v);
  }
  return w;
}

Wave Crackle(double seconds, double density, Rng& rng) {
  Wave w(Samples(seconds));
  double p = density / kRate;
  double env = 0.0, sign = 1.0;
  for (auto& s : w) {
    if (rng.Uniform() < p) {
      env = rng.Range(0.3, 1.0);
      sign = rng.Uniform() < 0.5 ? -1.0 : 1.0;
    }
    s = static_cast<float>(env * sign * rng.Range(0.5, 1.0));
    sign = -sign;
    env *= 0.82;
  }
  return w;
}

// ---------------------------------------------------------------- filters

namespace {

enum class Tap { Low, Band, High };

void Svf(Wave& w, const Curve& cutoff, double q, Tap tap) {
  double ic1 = 0.0, ic2 = 0.0;
  double k = 1.0 / std::max(0.05, q);
  for (size_t i = 0; i < w.size(); ++i) {
    double fc = std::clamp(cutoff(static_cast<double>(i) / kRate), 10.0, kRate * 0.45);
    double g = std::tan(kPi * fc / kRate);
    double a1 = 1.0 / (1.0 + g * (g + k));
    double a2 = g * a1;
    double a3 = g * a2;
    double v0 = w[i];
    double v3 = v0 - ic2;
    double v1 = a1 * ic1 + a2 * v3;
    double v2 = ic2 + a2 * ic1 + a3 * v3;
    ic1 = 2.0 * v1 - ic1;
    ic2 = 2.0 * v2 - ic2;
    double out = tap == Tap::Low ? v2 : tap == Tap::Band ? v1 : v0 - k * v1 - v2;
    w[i] = static_cast<float>(out);
  }
}

}  // namespace

void LowPass(Wave& w, const Curve& cutoff, double q) { Svf(w, cutoff, q, Tap::Low); }
void HighPass(Wave& w, const Curve& cutoff, double q) { Svf(w, cutoff, q, Tap::High); }
void BandPass(Wave& w, const Curve& centre, double q) { Svf(w, centre, q, Tap::Band); }

// ---------------------------------------------------------------- loudness

void Gain(Wave& w, double g) {
  for (auto& s : w) s = static_cast<float>(s * g);
}

void Envelope(Wave& w, const Curve& amp) {
  for (size_t i = 0; i < w.size(); ++i) w[i] = static_cast<float>(w[i] * amp(static_cast<double>(i) / kRate));
}

void Perc(Wave& w, double attack, double decay) {
  // -60 dB after `decay` seconds: exp(-6.9078 * t / decay).
  double rate = 6.907755 / std::max(1e-4, decay);
  for (size_t i = 0; i < w.size(); ++i) {
    double t = static_cast<double>(i) / kRate;
    double a = t < attack ? t / attack : std::exp(-rate * (t - attack));
    w[i] = static_cast<float>(w[i] * a);
  }
}

void Asr(Wave& w, double attack, double release) {
  double total = Seconds(w);
  for (size_t i = 0; i < w.size(); ++i) {
    double t = static_cast<double>(i) / kRate;
    double a = 1.0;
    if (t < attack) a = t / attack;
    if (t > total - release) a = std::min(a, std::max(0.0, (total - t) / release));
    w[i] = static_cast<float>(w[i] * a);
  }
}

void Drive(Wave& w, double amount) {
  double norm = std::tanh(amount);
  for (auto& s : w) s = static_cast<float>(std::tanh(s * amount) / norm);
}

// ---------------------------------------------------------------- combining

Wave Silence(double seconds) { return Wave(Samples(seconds), 0.0f); }

void Mix(Wave& dst, const Wave& src, double at, double gain) {
  size_t start = static_cast<size_t>(Samples(at));
  if (dst.size() < start + src.size()) dst.resize(start + src.size(), 0.0f);
  for (size_t i = 0; i < src.size(); ++i) dst[start + i] += static_cast<float>(src[i] * gain);
}

Wave Concat(const std::vector<Wave>& parts) {
  Wave out;
  for (auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

void Multiply(Wave& w, const Wave& by) {
  for (size_t i = 0; i < w.size(); ++i) w[i] = i < by.size() ? w[i] * by[i] : 0.0f;
}

// ---------------------------------------------------------------- finishing

void Normalize(Wave& w, double peak) {
  float m = 0.0f;
  for (float s : w) m = std::max(m, std::fabs(s));
  if (m > 0.0f) Gain(w, peak / m);
}

void Finish(Wave& w, double fadeOut) {
  float m = 0.0f;
  for (float s : w) m = std::max(m, std::fabs(s));
  if (m <= 0.0f) Fail("a sound came out silent");
  // Anything under -60 dB of the peak at either end is silence to the ear.
  float quiet = m * 0.001f;
  size_t first = 0;
  while (first < w.size() && std::fabs(w[first]) < quiet) ++first;
  size_t last = w.size();
  while (last > first && std::fabs(w[last - 1]) < quiet) --last;
  w = Wave(w.begin() + static_cast<std::ptrdiff_t>(first), w.begin() + static_cast<std::ptrdiff_t>(last));

  size_t in = std::min<size_t>(w.size() / 4, Samples(0.001));
  for (size_t i = 0; i < in; ++i) w[i] = static_cast<float>(w[i] * (static_cast<double>(i) / in));
  size_t out = std::min<size_t>(w.size() / 2, Samples(fadeOut));
  for (size_t i = 0; i < out; ++i) {
    // A raised cosine from 1 to exactly 0 at the last sample.
    double u = static_cast<double>(i + 1) / out;
    w[w.size() - out + i] = static_cast<float>(w[w.size() - out + i] * 0.5 * (1.0 + std::cos(kPi * u)));
  }
  Normalize(w);
}

void MakeLoop(Wave& w, double loopSeconds, double fadeSeconds, bool equalPower) {
  size_t len = Samples(loopSeconds), fade = Samples(fadeSeconds);
  if (w.size() < len + fade) Fail("a loop was rendered too short for its crossfade");
  for (size_t i = 0; i < fade; ++i) {
    double u = (static_cast<double>(i) + 0.5) / fade;
    double in = equalPower ? std::sin(0.5 * kPi * u) : u;
    double out = equalPower ? std::cos(0.5 * kPi * u) : 1.0 - u;
    w[i] = static_cast<float>(w[i] * in + w[len + i] * out);
  }
  w.resize(len);
}

void FoldLoop(Wave& w, double loopSeconds) {
  size_t len = Samples(loopSeconds);
  if (w.size() < len) w.resize(len, 0.0f);
  for (size_t i = len; i < w.size(); ++i) w[i % len] += w[i];
  w.resize(len);
}

// ---------------------------------------------------------------- files

namespace {

void Put16(std::string& s, uint32_t v) {
  s.push_back(static_cast<char>(v & 0xff));
  s.push_back(static_cast<char>((v >> 8) & 0xff));
}
void Put32(std::string& s, uint32_t v) {
  Put16(s, v & 0xffff);
  Put16(s, v >> 16);
}

int16_t ToPcm(float s) {
  double v = std::clamp(static_cast<double>(s), -1.0, 1.0) * 32767.0;
  return static_cast<int16_t>(std::lround(v));
}

}  // namespace

std::string EncodeWav(const Wave& w) {
  uint32_t dataBytes = static_cast<uint32_t>(w.size() * 2);
  std::string s;
  s.reserve(44 + dataBytes);
  s += "RIFF";
  Put32(s, 36 + dataBytes);
  s += "WAVEfmt ";
  Put32(s, 16);
  Put16(s, 1);  // PCM
  Put16(s, 1);  // mono
  Put32(s, kRate);
  Put32(s, kRate * 2);
  Put16(s, 2);
  Put16(s, 16);
  s += "data";
  Put32(s, dataBytes);
  for (float v : w) Put16(s, static_cast<uint16_t>(ToPcm(v)));
  return s;
}

std::string EncodeOgg(const Wave& w, float quality, int serial) {
  vorbis_info vi;
  vorbis_info_init(&vi);
  if (vorbis_encode_init_vbr(&vi, 1, kRate, quality) != 0) Fail("vorbis encoder set-up failed");
  vorbis_comment vc;
  vorbis_comment_init(&vc);
  vorbis_comment_add_tag(&vc, "ENCODER", "boingle forge");
  vorbis_dsp_state vd;
  vorbis_block vb;
  vorbis_analysis_init(&vd, &vi);
  vorbis_block_init(&vd, &vb);
  ogg_stream_state os;
  ogg_stream_init(&os, serial);

  std::string out;
  ogg_page og;
  auto writePage = [&out](const ogg_page& page) {
    out.append(reinterpret_cast<const char*>(page.header), static_cast<size_t>(page.header_len));
    out.append(reinterpret_cast<const char*>(page.body), static_cast<size_t>(page.body_len));
  };
  {
    ogg_packet h, hc, hcode;
    vorbis_analysis_headerout(&vd, &vc, &h, &hc, &hcode);
    ogg_stream_packetin(&os, &h);
    ogg_stream_packetin(&os, &hc);
    ogg_stream_packetin(&os, &hcode);
    while (ogg_stream_flush(&os, &og) != 0) writePage(og);
  }

  auto drain = [&] {
    while (vorbis_analysis_blockout(&vd, &vb) == 1) {
      vorbis_analysis(&vb, nullptr);
      vorbis_bitrate_addblock(&vb);
      ogg_packet op;
      while (vorbis_bitrate_flushpacket(&vd, &op) == 1) {
        ogg_stream_packetin(&os, &op);
        while (ogg_stream_pageout(&os, &og) != 0) writePage(og);
      }
    }
  };
  const size_t chunk = 1024;
  for (size_t pos = 0; pos < w.size(); pos += chunk) {
    size_t n = std::min(chunk, w.size() - pos);
    float** buf = vorbis_analysis_buffer(&vd, static_cast<int>(n));
    std::memcpy(buf[0], w.data() + pos, n * sizeof(float));
    vorbis_analysis_wrote(&vd, static_cast<int>(n));
    drain();
  }
  vorbis_analysis_wrote(&vd, 0);
  drain();
  while (ogg_stream_flush(&os, &og) != 0) writePage(og);

  ogg_stream_clear(&os);
  vorbis_block_clear(&vb);
  vorbis_dsp_clear(&vd);
  vorbis_comment_clear(&vc);
  vorbis_info_clear(&vi);
  return out;
}

}  // namespace forge::synth
