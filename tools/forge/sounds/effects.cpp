// The 70 sound effects of the effect table, each a small recipe for the
// synthesizer. Recipes are found by file name, so the table may be reordered.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <string>

#include "forge.h"
#include "world/asset_table.h"
#include "sounds/synth.h"

namespace forge {
namespace {

using namespace synth;

// Effects that are backgrounds rather than events may run longer.
constexpr double kMaxEffectSeconds = 1.5;
constexpr double kMaxAmbientSeconds = 6.0;

// ---------------------------------------------------------------- building blocks

Wave Tone(Shape shape, double dur, const Curve& f, double attack, double decay, double duty = 0.25) {
  Wave w = Osc(shape, dur, f, duty);
  Perc(w, attack, decay);
  return w;
}

// Noise through a low-pass and a high-pass (0 skips either), then an envelope.
Wave Hiss(Rng& rng, double dur, const Curve& low, const Curve& high, double attack, double decay) {
  Wave w = Noise(dur, rng);
  if (low) LowPass(w, low);
  if (high) HighPass(w, high);
  Perc(w, attack, decay);
  return w;
}

Wave Bell(double f, double dur, double ratio = 3.5, double index = 2.0) {
  Wave w = Fm(dur, Const(f), ratio, Glide(index, 0.05, dur));
  Perc(w, 0.002, dur);
  return w;
}

// The pogo spring: a rounded tone whose pitch wobbles and settles, with a
// brief metallic twang on the strike.
Wave Boing(double fStart, double fEnd, double dur, double wobRate, double wobDepth) {
  Curve base = Glide(fStart, fEnd, dur * 0.6);
  Curve f = [base, dur, wobRate, wobDepth](double t) {
    return base(t) * (1.0 + wobDepth * std::exp(-t * 4.0 / dur) * std::sin(2.0 * kPi * wobRate * t));
  };
  Wave w = Osc(Shape::Triangle, dur, f);
  Mix(w, Osc(Shape::Sine, dur, f), 0.0, 0.8);
  Mix(w, Fm(dur, f, 2.0, Glide(2.5, 0.05, dur * 0.4)), 0.0, 0.35);
  Perc(w, 0.002, dur);
  return w;
}

// A dull impact: a falling sine under a burst of dark noise.
Wave Thud(Rng& rng, double f0, double f1, double dur, double noiseCut, double noiseGain) {
  Wave w = Tone(Shape::Sine, dur, Glide(f0, f1, dur * 0.7), 0.002, dur);
  Mix(w, Hiss(rng, dur * 0.5, Const(noiseCut), nullptr, 0.001, dur * 0.4), 0.0, noiseGain);
  return w;
}

// A knock on wood or plastic: a ringing band of noise with a short tone.
Wave Knock(Rng& rng, double f, double dur) {
  Wave w = Noise(dur, rng);
  BandPass(w, Const(f), 8.0);
  Gain(w, 3.0);
  Mix(w, Osc(Shape::Sine, dur, Const(f * 0.5)), 0.0, 0.6);
  Perc(w, 0.0005, dur);
  return w;
}

Wave Click(Rng& rng, double f, double dur) {
  Wave w = Tone(Shape::Square, dur, Const(f), 0.0003, dur);
  Mix(w, Hiss(rng, dur, nullptr, Const(3000), 0.0002, dur * 0.5), 0.0, 0.6);
  return w;
}

// A voiced creature sound: a buzzy source through two vowel bands.
Wave Voice(Rng& rng, double dur, const Curve& pitch, double f1, double f2, double jitter) {
  Wave jit = SampleHoldNoise(dur, Const(30), rng);
  LowPass(jit, Const(15));
  Curve f = [pitch, &jit, jitter](double t) {
    size_t i = std::min(jit.size() - 1, static_cast<size_t>(t * kRate));
    return pitch(t) * (1.0 + jitter * 4.0 * jit[i]);
  };
  Wave src = Osc(Shape::Saw, dur, f);
  Wave a = src, b = src;
  BandPass(a, Const(f1), 4.0);
  BandPass(b, Const(f2), 5.0);
  Wave w = src;
  LowPass(w, Const(f2 * 1.5));
  Mix(w, a, 0.0, 2.0);
  Mix(w, b, 0.0, 1.4);
  return w;
}

Wave Growl(Rng& rng, double pitch, double dur, double cut) {
  Wave w = Voice(rng, dur, Points({{0, pitch * 0.9}, {dur * 0.3, pitch * 1.1}, {dur, pitch * 0.8}}), 450, 900, 0.08);
  // The rattle in the throat: a fast wobble of loudness.
  Envelope(w, Wobble(Const(1.0), 23.0, 0.45));
  Drive(w, 3.0);
  LowPass(w, Const(cut));
  Asr(w, 0.03, dur * 0.5);
  return w;
}

Wave Squeak(double f, double dur) {
  Curve pitch = Points({{0, f * 0.85}, {dur * 0.3, f * 1.2}, {dur, f * 0.9}});
  Wave w = Osc(Shape::Sine, dur, Wobble(pitch, 40.0, 0.03));
  Mix(w, Osc(Shape::Sine, dur, [pitch](double t) { return pitch(t) * 2.0; }), 0.0, 0.15);
  Asr(w, 0.004, dur * 0.6);
  return w;
}

Wave Whoosh(Rng& rng, double dur, const Curve& centre, double q) {
  Wave w = Noise(dur, rng);
  BandPass(w, centre, q);
  Envelope(w, Points({{0, 0.4}, {dur * 0.35, 1.0}, {dur, 0.0}}));
  return w;
}

// The bright pop of a defeated enemy: a fast upward chirp and a sparkle.
Wave Pop(Rng& rng, double f) {
  Wave w = Tone(Shape::Sine, 0.12, Glide(f, f * 2.6, 0.03), 0.0005, 0.12);
  Mix(w, Hiss(rng, 0.03, nullptr, Const(2500), 0.0002, 0.02), 0.0, 0.5);
  return w;
}

Wave Steps(Rng& rng, int count, double gap, double f, double dur) {
  Wave w;
  for (int i = 0; i < count; ++i) Mix(w, Knock(rng, f * (i % 2 ? 0.8 : 1.0), dur), i * gap, i == 0 ? 1.0 : 0.8);
  return w;
}

Wave Explosion(Rng& rng, double dur, double sub) {
  Wave w = Noise(dur, rng);
  LowPass(w, Glide(4000, 150, dur * 0.7));
  Perc(w, 0.001, dur);
  Mix(w, Tone(Shape::Sine, dur, Glide(sub, sub * 0.4, dur * 0.6), 0.001, dur * 0.8), 0.0, 0.9);
  Wave c = Crackle(dur * 0.6, 60, rng);
  LowPass(c, Const(3000));
  Perc(c, 0.001, dur * 0.6);
  Mix(w, c, 0.0, 0.4);
  Drive(w, 1.5);
  return w;
}

Wave Shimmer(Rng& rng, double f0, double f1, double dur) {
  Wave w = Fm(dur, Wobble(Glide(f0, f1, dur), 12.0, 0.02), 1.5, Const(1.5));
  Envelope(w, Wobble(Const(1.0), 18.0, 0.5));
  for (int i = 0; i < 8; ++i) {
    double at = dur * i / 8.0;
    double f = f0 + (f1 - f0) * (at / dur);
    Mix(w, Bell(f * 2.0 * rng.Range(0.95, 1.05), 0.15, 1.0, 1.0), at, 0.35);
  }
  Asr(w, 0.004, dur * 0.5);
  return w;
}

// ---------------------------------------------------------------- the recipes

using Recipe = Wave (*)(Rng&);

const std::map<std::string, Recipe>& Recipes() {
  static const std::map<std::string, Recipe> recipes = {
      // Hurt: a soft thud with a falling tone.
      {"bee_collide", [](Rng& r) {
         Wave w = Thud(r, 200, 70, 0.32, 500, 0.6);
         Mix(w, Tone(Shape::Triangle, 0.3, Glide(520, 180, 0.3), 0.004, 0.3), 0.0, 0.35);
         return w;
       }},
      {"bee_hit", [](Rng& r) {
         Wave w = Pop(r, 620);
         Mix(w, Bell(1760, 0.3, 2.0, 1.2), 0.02, 0.5);
         return w;
       }},
      // Two-note chime, B5 then E6.
      {"coin_collect", [](Rng&) {
         Wave w = Bell(987.77, 0.12, 2.0, 0.8);
         Mix(w, Tone(Shape::Square, 0.1, Const(987.77), 0.001, 0.1), 0.0, 0.12);
         Mix(w, Bell(1318.51, 0.45, 2.0, 0.8), 0.075);
         Mix(w, Tone(Shape::Square, 0.35, Const(1318.51), 0.001, 0.35), 0.075, 0.12);
         return w;
       }},
      {"coin_count", [](Rng&) { return Tone(Shape::Pulse, 0.07, Const(1568), 0.0005, 0.07, 0.25); }},
      {"quon_bounce_normal", [](Rng&) { return Boing(250, 330, 0.3, 16, 0.18); }},
      {"quon_bounce_low", [](Rng&) { return Boing(170, 200, 0.16, 20, 0.12); }},
      {"quon_bounce_high", [](Rng&) { return Boing(300, 720, 0.45, 14, 0.15); }},
      // Downward noise sweep.
      {"quon_dash", [](Rng& r) {
         Wave w = Whoosh(r, 0.38, Glide(5000, 250, 0.38), 1.8);
         Gain(w, 2.0);
         Mix(w, Tone(Shape::Sine, 0.3, Glide(900, 180, 0.3), 0.002, 0.3), 0.0, 0.25);
         return w;
       }},
      {"menu_click_short", [](Rng& r) { return Click(r, 1800, 0.03); }},
      {"menu_click_long", [](Rng& r) {
         Wave w = Click(r, 1500, 0.03);
         Mix(w, Tone(Shape::Triangle, 0.14, Glide(700, 1050, 0.05), 0.002, 0.14), 0.02, 0.8);
         return w;
       }},
      {"spring_collide_1", [](Rng&) {
         Wave w = Boing(330, 700, 0.55, 24, 0.22);
         Mix(w, Fm(0.5, Const(1100), 1.41, Glide(3, 0.1, 0.5)), 0.0, 0.2);
         Perc(w, 0.001, 0.55);
         return w;
       }},
      {"spring_collide_2", [](Rng&) {
         Wave w = Boing(240, 520, 0.55, 20, 0.25);
         Mix(w, Fm(0.5, Const(800), 1.41, Glide(3, 0.1, 0.5)), 0.0, 0.2);
         Perc(w, 0.001, 0.55);
         return w;
       }},
      // A rising sparkle of bells: C6 E6 G6 C7.
      {"statue_collect", [](Rng&) {
         Wave w;
         const double notes[] = {1046.5, 1318.5, 1568.0, 2093.0};
         for (int i = 0; i < 4; ++i) Mix(w, Bell(notes[i], i == 3 ? 0.8 : 0.4, 1.0, 1.5), i * 0.08, 0.7);
         return w;
       }},
      {"rock_impact_1", [](Rng& r) { return Thud(r, 70, 32, 0.7, 450, 0.9); }},
      {"rock_impact_2", [](Rng& r) {
         Wave w = Thud(r, 85, 38, 0.6, 700, 0.8);
         Wave c = Crackle(0.3, 120, r);
         LowPass(c, Const(2500));
         Perc(c, 0.001, 0.3);
         Mix(w, c, 0.0, 0.5);
         return w;
       }},
      {"ball_bounce", [](Rng& r) {
         Wave w = Tone(Shape::Sine, 0.16, Glide(260, 150, 0.08), 0.001, 0.16);
         Mix(w, Click(r, 900, 0.01), 0.0, 0.3);
         return w;
       }},
      {"starfish_kick", [](Rng& r) {
         Wave w = Whoosh(r, 0.18, Glide(900, 2600, 0.18), 2.0);
         Mix(w, Thud(r, 380, 140, 0.15, 1500, 0.5), 0.12);
         return w;
       }},
      {"starfish_collide", [](Rng& r) {
         Wave w = Hiss(r, 0.12, Const(4000), Const(700), 0.0005, 0.1);
         Mix(w, Tone(Shape::Triangle, 0.2, Glide(320, 170, 0.15), 0.001, 0.2), 0.0, 0.7);
         return w;
       }},
      {"starfish_land", [](Rng& r) {
         Wave w = Tone(Shape::Sine, 0.2, Glide(320, 90, 0.12), 0.001, 0.2);
         Mix(w, Hiss(r, 0.1, Const(900), nullptr, 0.001, 0.08), 0.0, 0.5);
         return w;
       }},
      // Clip-clop-clop.
      {"goat_gallop", [](Rng& r) { return Steps(r, 3, 0.11, 1100, 0.09); }},
      {"goat_baa", [](Rng& r) {
         Wave w = Voice(r, 0.7, Wobble(Glide(360, 300, 0.7), 7.0, 0.03), 800, 1800, 0.01);
         // The bleat: loudness shaking at a goat's trembling rate.
         Envelope(w, Wobble(Const(1.0), 17.0, 0.6));
         Asr(w, 0.02, 0.3);
         return w;
       }},
      {"goat_Skid", [](Rng& r) {
         Wave w = Noise(0.6, r);
         BandPass(w, Wobble(Const(2600), 11.0, 0.1), 7.0);
         Gain(w, 2.0);
         Mix(w, Osc(Shape::Saw, 0.6, Wobble(Const(950), 11.0, 0.05)), 0.0, 0.15);
         LowPass(w, Const(6000));
         Perc(w, 0.005, 0.6);
         return w;
       }},
      {"bat_squeak_1", [](Rng&) { return Squeak(3000, 0.12); }},
      {"bat_squeak_2", [](Rng&) {
         Wave w = Squeak(3400, 0.08);
         Mix(w, Squeak(3700, 0.09), 0.1);
         return w;
       }},
      {"bat_flap", [](Rng& r) {
         Wave w;
         for (int i = 0; i < 3; ++i) Mix(w, Hiss(r, 0.08, Const(900), Const(150), 0.01, 0.07), i * 0.1, 1.0 - i * 0.2);
         return w;
       }},
      {"fish_tick", [](Rng& r) {
         Wave w = Knock(r, 1900, 0.04);
         Mix(w, Knock(r, 2100, 0.04), 0.08);
         return w;
       }},
      // Puffing up with water, ending in a fat pop.
      {"fish_Blow", [](Rng& r) {
         Wave w = Whoosh(r, 0.55, Glide(300, 1500, 0.55), 3.0);
         Gain(w, 1.5);
         Mix(w, Tone(Shape::Sine, 0.55, Glide(110, 420, 0.55), 0.02, 1.5), 0.0, 0.6);
         Asr(w, 0.02, 0.05);
         Mix(w, Pop(r, 300), 0.52);
         return w;
       }},
      {"mole_return", [](Rng& r) {
         Wave w = Crackle(0.4, 180, r);
         LowPass(w, Const(1500));
         Perc(w, 0.002, 0.4);
         Mix(w, Tone(Shape::Triangle, 0.3, Glide(150, 520, 0.2), 0.002, 0.3), 0.05, 0.7);
         return w;
       }},
      // A tin bucket's clank: inharmonic FM.
      {"bucket_bounce", [](Rng&) {
         Wave w = Fm(0.35, Const(520), 1.41, Glide(3.5, 0.1, 0.35));
         Perc(w, 0.0005, 0.35);
         return w;
       }},
      {"platform_pop", [](Rng& r) { return Pop(r, 480); }},
      {"bee_buzz", [](Rng&) {
         Wave w = Osc(Shape::Saw, 1.0, Wobble(Const(190), 9.0, 0.04));
         LowPass(w, Const(1600), 1.5);
         Envelope(w, Wobble(Const(1.0), 31.0, 0.25));
         Asr(w, 0.01, 0.3);
         return w;
       }},
      {"mole_dig", [](Rng& r) {
         Wave w;
         for (int i = 0; i < 4; ++i) {
           Wave s = Crackle(0.15, 300, r);
           Mix(s, Noise(0.15, r), 0.0, 0.3);
           LowPass(s, Const(1300));
           Perc(s, 0.003, 0.15);
           Mix(w, s, i * 0.14, 1.0 - i * 0.1);
         }
         return w;
       }},
      {"bucket_throw", [](Rng& r) { return Whoosh(r, 0.35, Points({{0, 800}, {0.15, 2500}, {0.35, 700}}), 2.5); }},
      // Hee-hee-hee.
      {"ghost_giggle", [](Rng& r) {
         Wave w;
         for (int i = 0; i < 4; ++i) {
           double f = 950 - i * 60;
           Wave h = Voice(r, 0.1, Wobble(Glide(f, f * 0.85, 0.1), 25, 0.02), 1200, 2600, 0.0);
           Asr(h, 0.01, 0.05);
           Mix(w, h, i * 0.13);
         }
         return w;
       }},
      {"wizard_reappear", [](Rng& r) { return Shimmer(r, 400, 1600, 0.6); }},
      {"wizard_disappear", [](Rng& r) { return Shimmer(r, 1600, 300, 0.6); }},
      {"wizard_charge", [](Rng&) {
         Wave w = Osc(Shape::Saw, 1.0, Glide(110, 440, 1.0));
         Mix(w, Osc(Shape::Saw, 1.0, Glide(111.5, 446, 1.0)), 0.0, 0.8);
         LowPass(w, Glide(300, 3500, 1.0), 4.0);
         Envelope(w, Points({{0, 0.35}, {0.9, 1.0}, {1.0, 0.0}}));
         return w;
       }},
      {"wizard_explosion", [](Rng& r) {
         Wave w = Explosion(r, 0.8, 150);
         Mix(w, Shimmer(r, 1200, 400, 0.3), 0.0, 0.3);
         return w;
       }},
      {"cloud_thunder", [](Rng& r) {
         Wave w = Noise(1.45, r);
         LowPass(w, Glide(1500, 180, 0.5));
         Wave roll = Noise(1.45, r);  // the rolling loudness of far thunder
         LowPass(roll, Const(6));
         Normalize(roll, 1.0);
         for (size_t i = 0; i < w.size(); ++i) w[i] *= static_cast<float>(0.5 + 0.5 * std::fabs(roll[i]));
         Perc(w, 0.003, 1.45);
         Mix(w, Tone(Shape::Sine, 1.2, Glide(55, 35, 1.2), 0.01, 1.2), 0.0, 0.5);
         Drive(w, 1.5);
         return w;
       }},
      {"cloud_lightning", [](Rng& r) {
         Wave w = Hiss(r, 0.5, nullptr, Const(1200), 0.0005, 0.45);
         Wave c = Crackle(0.4, 400, r);
         Perc(c, 0.001, 0.4);
         Mix(w, c, 0.0, 0.8);
         Mix(w, Thud(r, 90, 40, 0.5, 300, 0.6), 0.02, 0.7);
         return w;
       }},
      // "Ding!"
      {"bulb_idea", [](Rng&) {
         Wave w = Bell(1760, 0.8, 1.0, 1.2);
         Mix(w, Bell(1760 * 2.76, 0.4, 1.0, 0.5), 0.0, 0.25);
         return w;
       }},
      {"bulb_break", [](Rng& r) {
         Wave w = Hiss(r, 0.2, nullptr, Const(3000), 0.0005, 0.2);
         for (int i = 0; i < 12; ++i) {
           Mix(w, Tone(Shape::Sine, 0.12, Const(r.Range(3000, 7500)), 0.0005, 0.12), r.Range(0.0, 0.35), 0.35);
         }
         return w;
       }},
      {"toaster_launch", [](Rng& r) {
         Wave w = Click(r, 700, 0.03);
         Mix(w, Boing(220, 800, 0.45, 22, 0.2), 0.01, 0.9);
         return w;
       }},
      {"toaster_squeak", [](Rng&) { return Squeak(1500, 0.25); }},
      {"knight_horse", [](Rng& r) {
         Wave w = Voice(r, 0.9, Wobble(Points({{0, 600}, {0.2, 950}, {0.9, 480}}), 9.0, 0.07), 900, 2200, 0.01);
         Asr(w, 0.03, 0.4);
         return w;
       }},
      {"knight_trot", [](Rng& r) { return Steps(r, 2, 0.14, 750, 0.12); }},
      {"fan_blow", [](Rng& r) {
         Wave w = Noise(1.2, r);
         LowPass(w, Wobble(Const(900), 3.0, 0.3), 1.2);
         Envelope(w, Wobble(Const(1.0), 12.0, 0.15));  // the blades chopping the air
         Asr(w, 0.05, 0.4);
         return w;
       }},
      {"fan_click", [](Rng& r) { return Click(r, 1200, 0.04); }},
      {"tornado_spin", [](Rng& r) {
         Wave w = Noise(1.2, r);
         BandPass(w, Wobble(Const(900), 4.0, 0.6), 3.0);
         Asr(w, 0.1, 0.5);
         return w;
       }},
      {"lavaguy_growl", [](Rng& r) { return Growl(r, 85, 0.8, 1100); }},
      {"rockguy_jump", [](Rng& r) {
         Wave w = Tone(Shape::Triangle, 0.4, Glide(80, 170, 0.3), 0.01, 0.4);
         Mix(w, Whoosh(r, 0.35, Glide(300, 900, 0.35), 2.0), 0.0, 0.6);
         return w;
       }},
      {"rockguy_land", [](Rng& r) {
         Wave w = Thud(r, 75, 28, 0.95, 320, 1.0);
         Drive(w, 2.0);
         return w;
       }},
      {"lavaguy_step_1", [](Rng& r) {
         Wave w = Tone(Shape::Sine, 0.22, Glide(150, 70, 0.12), 0.001, 0.22);
         Mix(w, Hiss(r, 0.2, nullptr, Const(3500), 0.002, 0.2), 0.01, 0.3);
         return w;
       }},
      {"lavaguy_step_2", [](Rng& r) {
         Wave w = Tone(Shape::Sine, 0.22, Glide(125, 60, 0.12), 0.001, 0.22);
         Mix(w, Hiss(r, 0.22, nullptr, Const(3000), 0.002, 0.22), 0.01, 0.3);
         return w;
       }},
      {"icecream_splat", [](Rng& r) {
         Wave w = Noise(0.3, r);
         LowPass(w, Glide(3500, 250, 0.2), 1.5);
         Perc(w, 0.0008, 0.3);
         Mix(w, Tone(Shape::Sine, 0.3, Wobble(Glide(260, 80, 0.25), 30, 0.2), 0.001, 0.3), 0.0, 0.7);
         return w;
       }},
      {"mummy_groan", [](Rng& r) {
         Wave w = Voice(r, 1.2, Wobble(Glide(120, 88, 1.2), 4.0, 0.03), 500, 850, 0.02);
         Envelope(w, Points({{0, 0.5}, {0.25, 1.0}, {1.2, 1.0}}));
         Asr(w, 0.005, 0.5);
         return w;
       }},
      {"zombie_break", [](Rng& r) {
         Wave w = Crackle(0.3, 600, r);
         Mix(w, Noise(0.3, r), 0.0, 0.4);
         BandPass(w, Const(1300), 1.2);
         Perc(w, 0.001, 0.3);
         Mix(w, Thud(r, 140, 60, 0.25, 600, 0.4), 0.0, 0.7);
         return w;
       }},
      {"zombie_death", [](Rng& r) {
         Wave w = Pop(r, 520);
         Wave g = Voice(r, 0.45, Glide(220, 110, 0.45), 550, 900, 0.02);
         Asr(g, 0.01, 0.3);
         Mix(w, g, 0.05, 0.6);
         return w;
       }},
      {"beetle_flutter", [](Rng& r) {
         Wave w = Noise(0.6, r);
         BandPass(w, Const(2200), 2.0);
         Wave wings = Osc(Shape::Square, 0.6, Const(38));
         for (auto& s : wings) s = 0.5f + 0.5f * s;
         Multiply(w, wings);
         Mix(w, Osc(Shape::Saw, 0.6, Const(76)), 0.0, 0.1);
         Asr(w, 0.01, 0.25);
         return w;
       }},
      {"bear_growl_1", [](Rng& r) { return Growl(r, 95, 0.9, 1000); }},
      {"bear_growl_2", [](Rng& r) { return Growl(r, 72, 1.1, 900); }},
      {"plane_dash", [](Rng& r) {
         Wave w = Whoosh(r, 0.8, Glide(600, 3500, 0.8), 1.5);
         Gain(w, 1.5);
         Wave engine = Osc(Shape::Saw, 0.8, Glide(180, 520, 0.8));
         LowPass(engine, Const(2000));
         Mix(w, engine, 0.0, 0.3);
         Asr(w, 0.01, 0.35);
         return w;
       }},
      {"sun_sizzle", [](Rng& r) {
         Wave w = Hiss(r, 1.0, nullptr, Const(3000), 0.01, 1.0);
         Wave c = Crackle(1.0, 90, r);
         HighPass(c, Const(1500));
         Perc(c, 0.01, 1.0);
         Mix(w, c, 0.0, 0.8);
         return w;
       }},
      {"ambient_rumble", [](Rng& r) {
         Wave w = Noise(4.0, r);
         LowPass(w, Const(130), 1.0);
         LowPass(w, Const(200));
         Mix(w, Osc(Shape::Sine, 4.0, Wobble(Const(42), 0.5, 0.05)), 0.0, 0.05);
         Asr(w, 0.02, 0.8);
         return w;
       }},
      // Long enough to cover the longest interference spell.
      {"tv_noise", [](Rng& r) {
         Wave w = Noise(5.5, r);
         Mix(w, SampleHoldNoise(5.5, Const(9000), r), 0.0, 0.5);
         HighPass(w, Const(250));
         LowPass(w, Const(9000));
         Asr(w, 0.005, 0.15);
         return w;
       }},
      {"tv_tap", [](Rng& r) {
         Wave w = Knock(r, 950, 0.08);
         Mix(w, Knock(r, 1300, 0.06), 0.0, 0.4);
         return w;
       }},
      {"worldmap_move", [](Rng&) {
         Wave w = Tone(Shape::Triangle, 0.13, Glide(660, 880, 0.04), 0.001, 0.13);
         Mix(w, Tone(Shape::Sine, 0.13, Glide(1320, 1760, 0.04), 0.001, 0.1), 0.0, 0.3);
         return w;
       }},
      {"worldmap_no", [](Rng&) {
         Wave w = Tone(Shape::Square, 0.11, Const(155), 0.001, 0.4);
         Mix(w, Tone(Shape::Square, 0.16, Const(123), 0.001, 0.3), 0.13);
         LowPass(w, Const(2500));
         return w;
       }},
      {"msg_open", [](Rng&) {
         Wave w = Tone(Shape::Sine, 0.28, Glide(523, 784, 0.08), 0.001, 0.28);
         Mix(w, Bell(1568, 0.25, 1.0, 0.8), 0.06, 0.4);
         return w;
       }},
      {"comet_impact", [](Rng& r) { return Explosion(r, 1.4, 90); }},
  };
  return recipes;
}

std::string StemOf(const std::string& path) {
  size_t slash = path.find_last_of("\\/");
  std::string stem = path.substr(slash == std::string::npos ? 0 : slash + 1);
  if (stem.size() > 4) stem.resize(stem.size() - 4);
  return stem;
}

bool IsAmbient(const std::string& stem) { return stem == "ambient_rumble" || stem == "tv_noise"; }

void MakeEffects(const Context& ctx) {
  struct Entry {
    int index;
    const char* path;
  };
  static const Entry table[] = {
#define BOINGLE_SFX_ENTRY(i, name, p) {i, p},
      BOINGLE_SOUND_EFFECTS(BOINGLE_SFX_ENTRY)
#undef BOINGLE_SFX_ENTRY
  };
  OutPath(ctx, "Sound\\bee_hit.wav");  // see the scene sounds: one spelling of the folder
  for (const Entry& e : table) {
    std::string stem = StemOf(e.path);
    auto it = Recipes().find(stem);
    if (it == Recipes().end()) Fail("no recipe for the sound effect " + std::string(e.path));
    // One seed per effect, from its table position, so each has its own noise.
    Rng rng(0x51ED270Bu ^ (static_cast<uint32_t>(e.index + 1) * 2654435761u));
    Wave w = it->second(rng);
    Finish(w, IsAmbient(stem) ? 0.2 : 0.02);
    double limit = IsAmbient(stem) ? kMaxAmbientSeconds : kMaxEffectSeconds;
    if (Seconds(w) >= limit) Fail(std::string(e.path) + " came out too long");
    WriteFileIfChanged(OutPath(ctx, e.path), EncodeWav(w));
  }
}

FORGE_JOB("sounds", "sfx", &MakeEffects);

}  // namespace
}  // namespace forge
