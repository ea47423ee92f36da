// The sounds the story scenes load for themselves: the TV channels of the
// intro (bacon, news, trumpet show, game show, ice-cream advert), the TV hum
// of the waking-up scene, the thunder and rain of the new world, and the TV
// switching on and off.
#include <cmath>
#include <string>
#include <vector>

#include "forge.h"
#include "sounds/synth.h"

namespace forge {
namespace {

using namespace synth;

// Vorbis quality: these are backgrounds heard through a cartoon TV.
constexpr float kOggQuality = 0.3f;

double Note(int semitonesFromA4) { return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0); }

// A plucked, slightly hollow voice for jingles.
Wave Pluck(double f, double dur, double bright = 3000) {
  Wave w = Osc(Shape::Pulse, dur, Const(f), 0.3);
  Mix(w, Osc(Shape::Triangle, dur, Const(f)), 0.0, 0.8);
  LowPass(w, Glide(bright, 400, dur));
  Perc(w, 0.003, dur);
  return w;
}

Wave Bell(double f, double dur) {
  Wave w = Fm(dur, Const(f), 3.5, Glide(2.0, 0.05, dur));
  Mix(w, Osc(Shape::Sine, dur, Const(f)), 0.0, 0.5);
  Perc(w, 0.002, dur);
  return w;
}

// A brass voice: saws whose filter opens with the breath, a little vibrato.
Wave Brass(double f, double dur) {
  Curve pitch = [f](double t) { return f * (1.0 + 0.006 * std::sin(2.0 * kPi * 5.5 * t) * std::min(1.0, t * 4.0)); };
  Wave w = Osc(Shape::Saw, dur, pitch);
  Mix(w, Osc(Shape::Saw, dur, [pitch](double t) { return pitch(t) * 1.004; }), 0.0, 0.7);
  LowPass(w, Points({{0, 300}, {0.06, 3200}, {0.2, 2000}, {dur, 1500}}), 1.2);
  Asr(w, 0.03, std::min(0.12, dur * 0.4));
  return w;
}

Wave Kick(Rng& rng) {
  Wave w = Osc(Shape::Sine, 0.25, Glide(150, 45, 0.08));
  Perc(w, 0.001, 0.25);
  Wave n = Noise(0.01, rng);
  LowPass(n, Const(3000));
  Mix(w, n, 0.0, 0.3);
  return w;
}

Wave Snare(Rng& rng, double dur = 0.18) {
  Wave w = Noise(dur, rng);
  BandPass(w, Const(2500), 0.8);
  Mix(w, Osc(Shape::Triangle, dur, Glide(240, 180, 0.05)), 0.0, 0.4);
  Perc(w, 0.001, dur);
  return w;
}

Wave Hat(Rng& rng) {
  Wave w = Noise(0.05, rng);
  HighPass(w, Const(7000));
  Perc(w, 0.0005, 0.05);
  return w;
}

Wave Cymbal(Rng& rng, double dur) {
  Wave w = Noise(dur, rng);
  HighPass(w, Const(4000));
  Mix(w, Fm(dur, Const(3100), 1.47, Const(4.0)), 0.0, 0.15);
  Perc(w, 0.002, dur);
  return w;
}

void Emit(const Context& ctx, const char* gamePath, Wave w, int serial) {
  std::string path(gamePath);
  if (path.size() > 4 && path.compare(path.size() - 4, 4, ".ogg") == 0)
    WriteFileIfChanged(OutPath(ctx, gamePath), EncodeOgg(w, kOggQuality, serial));
  else
    WriteFileIfChanged(OutPath(ctx, gamePath), EncodeWav(w));
}

// Finishes a scene sound that plays once: clean start, fade, -1 dBFS.
void Once(const Context& ctx, const char* gamePath, Wave w, int serial, double fade = 0.25) {
  Finish(w, fade);
  Emit(ctx, gamePath, std::move(w), serial);
}

// Finishes a loop: seamless join, -1 dBFS, no trimming (that would break the
// period). A fade of 0 folds the tails over instead of crossfading.
void Loop(const Context& ctx, const char* gamePath, Wave w, double loopSeconds, double fade, int serial,
          bool equalPower = true) {
  if (fade > 0.0) MakeLoop(w, loopSeconds, fade, equalPower);
  else FoldLoop(w, loopSeconds);
  Normalize(w);
  Emit(ctx, gamePath, std::move(w), serial);
}

// ---------------------------------------------------------------- TV on and off

Wave TvOn() {
  Rng rng(0x7001);
  Wave w = Noise(0.015, rng);  // the switch
  LowPass(w, Const(4000));
  Perc(w, 0.0002, 0.015);
  Wave thump = Osc(Shape::Sine, 0.3, Glide(90, 50, 0.2));
  Perc(thump, 0.002, 0.3);
  Mix(w, thump, 0.005, 0.7);
  // The tube warming: static that swells and settles, with the line whine.
  Wave hiss = Noise(0.9, rng);
  HighPass(hiss, Const(800));
  Envelope(hiss, Points({{0, 0}, {0.1, 0.5}, {0.3, 0.25}, {0.9, 0}}));
  Mix(w, hiss, 0.02, 0.5);
  Wave whine = Osc(Shape::Sine, 0.9, Glide(6000, 7800, 0.2));
  Envelope(whine, Points({{0, 0}, {0.2, 0.12}, {0.9, 0}}));
  Mix(w, whine, 0.02);
  return w;
}

Wave PowerDown() {
  Rng rng(0x7002);
  Wave w = Osc(Shape::Saw, 1.2, Glide(1200, 40, 1.1));
  LowPass(w, Glide(5000, 200, 1.2));
  Envelope(w, Points({{0, 1}, {0.8, 0.6}, {1.2, 0}}));
  Wave click = Noise(0.02, rng);
  LowPass(click, Const(3000));
  Perc(click, 0.0002, 0.02);
  Mix(w, click, 0.0, 1.2);
  Wave thump = Osc(Shape::Sine, 0.25, Glide(110, 40, 0.2));
  Perc(thump, 0.002, 0.25);
  Mix(w, thump, 0.0, 0.8);
  return w;
}

// ---------------------------------------------------------------- the channels

// Frying bacon: a bed of hiss and a busy crackle of fat, under a cheesy organ
// jingle from the cookery show.
Wave Bacon() {
  Rng rng(0x7003);
  const double dur = 5.6;
  Wave w = Noise(dur, rng);
  HighPass(w, Const(2500));
  LowPass(w, Const(9000));
  Envelope(w, Wobble(Const(0.35), 0.7, 0.3));
  Wave fat = Crackle(dur, 140, rng);
  HighPass(fat, Const(1200));
  Mix(w, fat, 0.0, 0.9);
  const int tune[] = {0, 4, 7, 4, 5, 9, 12, 9, 7, 5, 4, 2, 0, 4, 7, 12};
  for (int i = 0; i < 16; ++i) {
    Wave n = Pluck(Note(tune[i] + 3), 0.32, 2500);
    Mix(w, n, 0.3 + i * 0.3, 0.35);
  }
  return w;
}

// The newsroom bed: a driving pulse in two bars of 120 BPM that loops.
constexpr double kNewsBeat = 0.5;
constexpr double kNewsLoop = 8 * kNewsBeat;

Wave NewsBed() {
  Rng rng(0x7004);
  Wave w = Silence(kNewsLoop);
  for (int i = 0; i < 16; ++i) {
    double at = i * kNewsBeat / 2;
    double f = Note(i % 8 < 6 ? -21 : -19);  // C2 then D2 at the end of each bar
    Mix(w, Pluck(f, 0.24, 1200), at, 0.6);
    Mix(w, Hat(rng), at + kNewsBeat / 4, 0.25);
  }
  for (int b = 0; b < 8; ++b) {
    if (b % 2 == 0) Mix(w, Kick(rng), b * kNewsBeat, 0.8);
    else Mix(w, Snare(rng, 0.12), b * kNewsBeat, 0.35);
  }
  // The urgent "ticker" on top.
  const int ticker[] = {15, 15, 22, 15, 20, 15, 19, 17};
  for (int i = 0; i < 8; ++i) Mix(w, Bell(Note(ticker[i]), 0.22), i * kNewsBeat + 0.25, 0.2);
  return w;
}

// The anchor's babble: a voice made of vowel bands, talking in syllables.
Wave NewsVoice() {
  Rng rng(0x7005);
  const double dur = 5.2;
  Wave w;
  double t = 0.0;
  const double vowels[][2] = {{700, 1200}, {400, 2000}, {300, 2300}, {500, 900}, {600, 1700}};
  while (t < dur - 0.3) {
    double len = rng.Range(0.08, 0.2);
    auto& v = vowels[rng.Next() % 5];
    double pitch = 125.0 * rng.Range(0.9, 1.2);
    Wave src = Osc(Shape::Saw, len, Glide(pitch, pitch * rng.Range(0.85, 1.05), len));
    Wave a = src, b = src;
    BandPass(a, Const(v[0]), 5.0);
    BandPass(b, Const(v[1]), 6.0);
    Mix(a, b, 0.0, 0.7);
    LowPass(src, Const(600));
    Mix(a, src, 0.0, 0.3);
    Asr(a, 0.015, len * 0.4);
    Mix(w, a, t);
    t += len + (rng.Uniform() < 0.15 ? rng.Range(0.12, 0.25) : rng.Range(0.0, 0.03));
  }
  return w;
}

// A brassy fanfare for the trumpet show.
Wave Trumpet() {
  const double beat = 0.25;
  struct N {
    int semis;
    double beats;
  };
  const N fanfare[] = {{-2, 1}, {-2, 0.5}, {-2, 0.5}, {3, 2}, {-2, 1}, {3, 1}, {7, 3}, {5, 0.5}, {3, 0.5},
                       {5, 1}, {3, 1}, {-2, 1}, {3, 1}, {7, 1}, {10, 1}, {15, 4}};
  Wave w;
  double at = 0.0;
  for (const N& n : fanfare) {
    double len = n.beats * beat;
    Mix(w, Brass(Note(n.semis), len * 0.92), at, 0.5);
    Mix(w, Brass(Note(n.semis - 5), len * 0.92), at, 0.25);
    at += len;
  }
  Rng rng(0x7006);
  Mix(w, Cymbal(rng, 1.5), at - 4 * beat, 0.3);
  for (int b = 0; b < static_cast<int>(at / beat); b += 2) Mix(w, Snare(rng, 0.1), b * beat, 0.15);
  return w;
}

// The game show: a drum roll of suspense, the box opens at 2.75 s with a
// crash and a "ta-da", then applause.
Wave Deal() {
  Rng rng(0x7007);
  const double open = 2.75, dur = 7.0;
  Wave w;
  for (double t = 0.0; t < open - 0.05; t += 0.045) {
    double swell = 0.25 + 0.75 * (t / open);
    Mix(w, Snare(rng, 0.08), t, 0.35 * swell * rng.Range(0.8, 1.0));
  }
  Wave hum = Osc(Shape::Saw, open, Glide(Note(-17), Note(-5), open));
  LowPass(hum, Const(900));
  Asr(hum, 0.05, 0.05);
  Mix(w, hum, 0.0, 0.15);
  Mix(w, Cymbal(rng, 2.0), open, 0.6);
  Mix(w, Kick(rng), open, 0.9);
  const int chord[] = {0, 4, 7, 12};
  for (int k = 0; k < 4; ++k) {
    Mix(w, Brass(Note(chord[k]), 0.18), open, 0.3);
    Mix(w, Brass(Note(chord[k]), 1.4), open + 0.22, 0.3);
  }
  // Applause: many quick claps, thickening and then thinning.
  for (double t = open + 0.2; t < dur - 0.2; t += 0.004) {
    double density = t < open + 1.0 ? (t - open) : 1.0 - 0.7 * (t - open - 1.0) / (dur - open - 1.0);
    if (rng.Uniform() > density * 0.7) continue;
    Wave clap = Noise(0.025, rng);
    BandPass(clap, Const(rng.Range(900, 2200)), 1.5);
    Perc(clap, 0.0005, 0.025);
    Mix(w, clap, t, 0.6);
  }
  w.resize(Samples(dur), 0.0f);
  return w;
}

// An ice-cream advert: a music-box waltz, like the van in the street.
Wave Cream() {
  Rng rng(0x7008);
  const double beat = 0.28;
  const int melody[] = {7, 12, 11, 12, 14, 12, 9, 7, 4, 7, 5, 4, 2, 4, 7, 0};
  Wave w;
  for (int i = 0; i < 16; ++i) {
    Mix(w, Bell(Note(melody[i] + 3), 0.6), i * beat, 0.4);
    // Oom-pah-pah under it.
    int bar = i / 3;
    if (i % 3 == 0) Mix(w, Pluck(Note(bar % 2 ? -14 : -21), 0.3, 800), i * beat, 0.5);
    else Mix(w, Pluck(Note(bar % 2 ? -2 : -5), 0.15, 1500), i * beat, 0.2);
  }
  // The final "mmm!" chime and a last splat of cream.
  Mix(w, Bell(Note(15), 1.0), 16 * beat, 0.5);
  Mix(w, Bell(Note(22), 1.0), 16 * beat + 0.05, 0.3);
  return w;
}

// The TV left on: mains hum and its harmonics, the line whine and a little
// hiss. 50 Hz and its harmonics fit a whole number of times into the loop.
constexpr double kTvLoop = 2.0;

Wave TvHum() {
  Rng rng(0x7009);
  const double len = kTvLoop + 0.3;
  Wave w = Osc(Shape::Sine, len, Const(50));
  Mix(w, Osc(Shape::Sine, len, Const(100)), 0.0, 0.6);
  Mix(w, Osc(Shape::Sine, len, Const(150)), 0.0, 0.3);
  Mix(w, Osc(Shape::Sine, len, Const(250)), 0.0, 0.15);
  Mix(w, Osc(Shape::Sine, len, Const(7500)), 0.0, 0.02);
  Wave hiss = Noise(len, rng);
  HighPass(hiss, Const(1500));
  Mix(w, hiss, 0.0, 0.08);
  Gain(w, 0.5);
  return w;
}

// Rain and far-off thunder, for the stormy new world.
constexpr double kThunderLoop = 10.0;

Wave ThunderRain() {
  Rng rng(0x700A);
  const double len = kThunderLoop + 1.0;
  Wave w = Noise(len, rng);
  LowPass(w, Const(5000));
  HighPass(w, Const(400));
  Gain(w, 0.3);
  Wave drops = Crackle(len, 250, rng);
  BandPass(drops, Const(3000), 1.0);
  Mix(w, drops, 0.0, 0.5);
  // One long roll in the middle of the loop, far from the join.
  const double at = 2.5, roll = 5.0;
  Wave thunder = Noise(roll, rng);
  LowPass(thunder, Glide(900, 120, 1.0));
  Wave swell = Noise(roll, rng);
  LowPass(swell, Const(4));
  Normalize(swell, 1.0);
  for (size_t i = 0; i < thunder.size(); ++i) thunder[i] *= static_cast<float>(0.4 + 0.6 * std::fabs(swell[i]));
  Envelope(thunder, Points({{0, 0}, {0.05, 1.0}, {1.0, 0.8}, {roll, 0}}));
  Mix(w, thunder, at, 2.5);
  return w;
}

void MakeSceneSounds(const Context& ctx) {
  // The game names this folder in three spellings; whichever job runs first
  // creates it, so both make sure it is spelled "Sound" before anything else.
  OutPath(ctx, "Sound\\tvon.wav");
  Once(ctx, "sound\\tvon.wav", TvOn(), 0, 0.1);
  Once(ctx, "SOund\\bacon2.ogg", Bacon(), 0x426f0001);
  Loop(ctx, "SOund\\news.ogg", NewsBed(), kNewsLoop, 0.0, 0x426f0002);
  Once(ctx, "SOund\\news2.ogg", NewsVoice(), 0x426f0003, 0.05);
  Once(ctx, "SOund\\trumpet.ogg", Trumpet(), 0x426f0004, 0.3);
  Once(ctx, "SOund\\deal.ogg", Deal(), 0x426f0005, 0.5);
  Once(ctx, "SOund\\cream2.ogg", Cream(), 0x426f0006, 0.3);
  Loop(ctx, "SOund\\tvloop.ogg", TvHum(), kTvLoop, 0.1, 0x426f0007, false);
  Loop(ctx, "SOund\\thunderloop.ogg", ThunderRain(), kThunderLoop, 0.5, 0x426f0008);
  Once(ctx, "SOund\\power_down.wav", PowerDown(), 0, 0.1);
}

FORGE_JOB("sounds", "scenes", &MakeSceneSounds);

}  // namespace
}  // namespace forge
