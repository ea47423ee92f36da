// Scores from content/music/ compiled into XM modules: the musician writes
// the melody and the chords bar by bar; the accompaniment styles lay out the
// harmony voices, the bass line and the drums from those chords.
#include <algorithm>
#include <array>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "forge.h"
#include "music/synth.h"
#include "music/xm_writer.h"

namespace forge::music {
namespace {

constexpr int kRowsPerBar = 16;
constexpr int kChannels = 8;
enum Channel { kLead = 0, kHarm1, kHarm2, kHarm3, kBass, kKick, kSnare, kHat };
enum Ins { kInsLead = 1, kInsHarm, kInsBass, kInsKick, kInsSnare, kInsHat };

struct Bar {
  std::vector<std::vector<int>> chords;  // one or two chords, as MIDI notes of the triad or tetrad
  std::vector<std::string> melody;
};

struct Score {
  std::string title;
  int tempo = 120, speed = 6;
  bool swing = false;
  std::string lead = "square", harmony = "pad", harmonyStyle = "pad", bass = "bass", bassStyle = "root";
  std::string drums = "calm";
  std::vector<std::string> form;
  std::map<std::string, std::vector<Bar>> sections;
  std::vector<std::string> sectionOrder;
};

[[noreturn]] void Bad(const std::string& file, int line, const std::string& what) {
  Fail(file + ":" + std::to_string(line) + ": " + what);
}

int PitchClass(char letter) {
  static const std::map<char, int> pcs = {{'C', 0}, {'D', 2}, {'E', 4}, {'F', 5}, {'G', 7}, {'A', 9}, {'B', 11}};
  auto it = pcs.find(letter);
  return it == pcs.end() ? -1 : it->second;
}

// "F#5" -> MIDI 78; -1 when it is not a note.
int ParseNote(const std::string& t) {
  if (t.size() < 2) return -1;
  int pc = PitchClass(t[0]);
  if (pc < 0) return -1;
  size_t i = 1;
  while (i < t.size() && (t[i] == '#' || t[i] == 'b')) pc += t[i++] == '#' ? 1 : -1;
  if (i + 1 != t.size() || t[i] < '0' || t[i] > '8') return -1;
  return (t[i] - '0' + 1) * 12 + pc;
}

// A chord name's notes, root in octave 3: G, Em, D7, Cmaj7, Am7, Bdim, Dsus4, Gsus2, Caug.
std::vector<int> ParseChord(const std::string& name) {
  if (name.empty()) return {};
  int pc = PitchClass(name[0]);
  if (pc < 0) return {};
  size_t i = 1;
  if (i < name.size() && (name[i] == '#' || name[i] == 'b')) pc += name[i++] == '#' ? 1 : -1;
  static const std::map<std::string, std::vector<int>> qualities = {
      {"", {0, 4, 7}},        {"m", {0, 3, 7}},     {"7", {0, 4, 7, 10}},  {"m7", {0, 3, 7, 10}},
      {"maj7", {0, 4, 7, 11}}, {"dim", {0, 3, 6}},  {"sus4", {0, 5, 7}},   {"sus2", {0, 2, 7}},
      {"aug", {0, 4, 8}},      {"6", {0, 4, 7, 9}}, {"m6", {0, 3, 7, 9}}, {"5", {0, 7, 12}}};
  auto it = qualities.find(name.substr(i));
  if (it == qualities.end()) return {};
  std::vector<int> notes;
  int root = 48 + ((pc % 12) + 12) % 12;
  for (int iv : it->second) notes.push_back(root + iv);
  return notes;
}

Score Parse(const std::filesystem::path& path) {
  std::ifstream in(path);
  if (!in) Fail("cannot read " + path.string());
  Score s;
  std::string file = path.filename().string();
  std::string line, current;
  int lineNo = 0;
  while (std::getline(in, line)) {
    ++lineNo;
    if (auto hash = line.find('#'); hash != std::string::npos) {
      // '#' is also a sharp: only a '#' at the start or after a space begins a comment.
      if (hash == 0 || line[hash - 1] == ' ' || line[hash - 1] == '\t') line.erase(hash);
    }
    std::istringstream words(line);
    std::string key;
    if (!(words >> key)) continue;
    if (key.back() == ':' || line.find(':') != std::string::npos) {
      if (current.empty()) Bad(file, lineNo, "a bar outside any section");
      auto colon = line.find(':');
      Bar bar;
      std::istringstream chordWords(line.substr(0, colon));
      std::string chords;
      chordWords >> chords;
      std::stringstream split(chords);
      std::string one;
      while (std::getline(split, one, ',')) {
        auto notes = ParseChord(one);
        if (notes.empty()) Bad(file, lineNo, "unknown chord '" + one + "'");
        bar.chords.push_back(notes);
      }
      if (bar.chords.empty() || bar.chords.size() > 2) Bad(file, lineNo, "one or two chords a bar");
      std::istringstream tokens(line.substr(colon + 1));
      std::string t;
      while (tokens >> t) {
        if (t != "-" && t != "." && ParseNote(t) < 0) Bad(file, lineNo, "not a note: '" + t + "'");
        bar.melody.push_back(t);
      }
      size_t n = bar.melody.size();
      if (n != 1 && n != 2 && n != 4 && n != 8 && n != 16) Bad(file, lineNo, "a bar holds 1, 2, 4, 8 or 16 steps");
      s.sections[current].push_back(bar);
      if (s.sections[current].size() * kRowsPerBar > 256) Bad(file, lineNo, "a section holds at most 16 bars");
      continue;
    }
    std::string rest;
    std::getline(words >> std::ws, rest);
    if (key == "title") s.title = rest;
    else if (key == "tempo") s.tempo = std::stoi(rest);
    else if (key == "speed") s.speed = std::stoi(rest);
    else if (key == "swing") s.swing = rest == "yes";
    else if (key == "lead") s.lead = rest;
    else if (key == "harmony") {
      std::istringstream w(rest);
      w >> s.harmony >> s.harmonyStyle;
    } else if (key == "bass") {
      std::istringstream w(rest);
      w >> s.bass >> s.bassStyle;
    } else if (key == "drums") s.drums = rest;
    else if (key == "form") {
      std::istringstream w(rest);
      std::string name;
      while (w >> name) s.form.push_back(name);
    } else if (key == "section") {
      current = rest;
      s.sectionOrder.push_back(current);
    } else {
      Bad(file, lineNo, "unknown line '" + key + "'");
    }
  }
  for (const auto& k : {s.lead, s.harmony, s.bass})
    if (!IsInstrumentKind(k)) Fail(file + ": unknown instrument " + k);
  if (s.form.empty()) Fail(file + ": no form");
  for (const auto& f : s.form)
    if (!s.sections.count(f)) Fail(file + ": form names a missing section " + f);
  if (s.tempo < 32 || s.tempo > 255 || s.speed < 2 || s.speed > 31) Fail(file + ": tempo or speed out of range");
  return s;
}

uint8_t XmNote(int midi) { return static_cast<uint8_t>(std::clamp(midi - 11, 1, 96)); }
uint8_t Vol(int v) { return static_cast<uint8_t>(0x10 + std::clamp(v, 0, 64)); }

void Put(xm::Pattern& p, int row, int ch, int midi, int ins, int vol) {
  auto& c = p.At(row, ch, kChannels);
  c.note = XmNote(midi);
  c.instrument = static_cast<uint8_t>(ins);
  c.volume = Vol(vol);
}
void Release(xm::Pattern& p, int row, int ch) {
  auto& c = p.At(row, ch, kChannels);
  if (c.note == 0) c.note = xm::kNoteOff;
}

struct DrumStyle {
  const char* kick;
  const char* snare;
  const char* hat;
};
const std::map<std::string, DrumStyle>& DrumStyles() {
  static const std::map<std::string, DrumStyle> styles = {
      {"calm", {"x.......x.......", "....x.......x...", "..x...x...x...x."}},
      {"rock", {"x.....x.x.......", "....x.......x...", "x.x.x.x.x.x.x.x."}},
      {"drive", {"x...x...x...x...", "....x.......x...", "xxxxxxxxxxxxxxxx"}},
      {"swing", {"x.......x..x....", "....x.......x...", "x..xx..xx..xx..x"}},
      {"march", {"x.......x.......", "....x..x....x.xx", "x.x.x.x.x.x.x.x."}},
      {"latin", {"x..x..x.x..x..x.", "....x.......x...", "x.xxx.xxx.xxx.xx"}},
      {"soft", {"x.........x.....", "................", "....x.......x..."}},
      {"half", {"x.......x.......", "........x.......", "x...x...x...x..."}},
      {"none", {"................", "................", "................"}},
  };
  return styles;
}

// The harmony voices over one chord span of the bar.
void Harmony(const Score& s, xm::Pattern& p, int row0, int rows, const std::vector<int>& chord) {
  // Voice the chord between G3 and F#4 so chord changes move by small steps.
  std::vector<int> tones;
  for (int n : chord) {
    int t = n;
    while (t < 55) t += 12;
    while (t > 66) t -= 12;
    tones.push_back(t);
  }
  std::sort(tones.begin(), tones.end());
  if (s.harmonyStyle == "pad") {
    for (int v = 0; v < 3 && v < static_cast<int>(tones.size()); ++v) Put(p, row0, kHarm1 + v, tones[v], kInsHarm, 22);
  } else if (s.harmonyStyle == "arp") {
    static const int order[] = {0, 1, 2, 1};
    for (int r = 0; r < rows; r += 2) {
      int i = order[(r / 2) % 4];
      Put(p, row0 + r, kHarm1, tones[static_cast<size_t>(i) % tones.size()] + 12, kInsHarm, 24);
    }
    Put(p, row0, kHarm2, tones[0], kInsHarm, 12);
  } else if (s.harmonyStyle == "stab") {
    for (int r = 2; r < rows; r += 4) {
      for (int v = 0; v < 3 && v < static_cast<int>(tones.size()); ++v) {
        Put(p, row0 + r, kHarm1 + v, tones[v], kInsHarm, 22);
        Release(p, row0 + r + 1, kHarm1 + v);
      }
    }
  } else {
    Fail("unknown harmony style " + s.harmonyStyle);
  }
}

void BassLine(const Score& s, xm::Pattern& p, int row0, int rows, const std::vector<int>& chord) {
  int root = chord[0] - 12;  // octave 2
  int fifth = root + 7, third = chord[1] - 12;
  auto at = [&](int r, int n, int v) {
    if (r < rows) Put(p, row0 + r, kBass, n, kInsBass, v);
  };
  const std::string& st = s.bassStyle;
  if (st == "root") {
    for (int r = 0; r < rows; r += 8) at(r, root, 50);
  } else if (st == "root5") {
    for (int r = 0; r < rows; r += 4) at(r, (r / 4) % 2 ? fifth : root, 48);
  } else if (st == "octave") {
    for (int r = 0; r < rows; r += 2) at(r, (r / 2) % 2 ? root + 12 : root, 44);
  } else if (st == "walk") {
    const int walk[] = {root, third, fifth, root + 9};
    for (int r = 0; r < rows; r += 4) at(r, walk[(r / 4) % 4], 48);
  } else if (st == "pulse") {
    for (int r = 0; r < rows; r += 2) at(r, root, (r / 2) % 2 ? 36 : 48);
  } else if (st == "hold") {
    at(0, root, 50);
  } else {
    Fail("unknown bass style " + st);
  }
}

xm::Pattern CompileSection(const Score& s, const std::vector<Bar>& bars) {
  xm::Pattern p;
  p.rows = static_cast<int>(bars.size()) * kRowsPerBar;
  p.cells.assign(static_cast<size_t>(p.rows * kChannels), {});
  auto style = DrumStyles().find(s.drums);
  if (style == DrumStyles().end()) Fail("unknown drum style " + s.drums);
  for (size_t b = 0; b < bars.size(); ++b) {
    int bar0 = static_cast<int>(b) * kRowsPerBar;
    const Bar& bar = bars[b];
    int step = kRowsPerBar / static_cast<int>(bar.melody.size());
    for (size_t i = 0; i < bar.melody.size(); ++i) {
      const std::string& t = bar.melody[i];
      int row = bar0 + static_cast<int>(i) * step;
      if (t == ".") Release(p, row, kLead);
      else if (t != "-") Put(p, row, kLead, ParseNote(t), kInsLead, 44);
    }
    int span = kRowsPerBar / static_cast<int>(bar.chords.size());
    for (size_t c = 0; c < bar.chords.size(); ++c) {
      Harmony(s, p, bar0 + static_cast<int>(c) * span, span, bar.chords[c]);
      BassLine(s, p, bar0 + static_cast<int>(c) * span, span, bar.chords[c]);
    }
    const DrumStyle& d = style->second;
    for (int r = 0; r < kRowsPerBar; ++r) {
      if (d.kick[r] == 'x') Put(p, bar0 + r, kKick, 60, kInsKick, 60);
      if (d.snare[r] == 'x') Put(p, bar0 + r, kSnare, 60, kInsSnare, 42);
      if (d.hat[r] == 'x') Put(p, bar0 + r, kHat, 60, kInsHat, r % 4 == 0 ? 26 : 16);
    }
  }
  if (s.swing) {
    // Long-short pairs of rows: the speed alternates around the set speed.
    for (int r = 0; r < p.rows; ++r) {
      auto& c = p.At(r, kHat, kChannels);
      c.effect = 0x0F;
      c.param = static_cast<uint8_t>(r % 2 ? s.speed - 1 : s.speed + 1);
    }
  }
  return p;
}

xm::Module Compile(const Score& s) {
  xm::Module m;
  m.name = s.title;
  m.channels = kChannels;
  m.speed = s.speed;
  m.bpm = s.tempo;
  m.restart = 0;
  std::map<std::string, int> index;
  for (const auto& name : s.sectionOrder) {
    if (index.count(name)) continue;
    index[name] = static_cast<int>(m.patterns.size());
    m.patterns.push_back(CompileSection(s, s.sections.at(name)));
  }
  for (const auto& f : s.form) m.orders.push_back(static_cast<uint8_t>(index.at(f)));
  bool retro = s.lead == "square" && s.harmony == "pulse" && s.bass == "square";
  for (const char* k : {s.lead.c_str(), s.harmony.c_str(), s.bass.c_str()}) m.instruments.push_back(MakeInstrument(k));
  m.instruments.push_back(MakeInstrument(retro ? "chipkick" : "kick"));
  m.instruments.push_back(MakeInstrument(retro ? "chiphat" : "snare"));
  m.instruments.push_back(MakeInstrument(retro ? "chiphat" : "hat"));
  if (retro) m.instruments[kInsHat - 1].volume = 40;
  return m;
}

struct Tune {
  const char* source;
  const char* gamePath;
};
constexpr std::array<Tune, 21> kTunes = {{
    {"forest", "Music\\KV_Forest.xm"},         {"air", "Music\\KV_Air.xm"},
    {"ghost", "Music\\KV_Ghost.xm"},           {"beach", "Music\\KV_Beach.xm"},
    {"sea", "Music\\KV_Sea.xm"},               {"mountain", "Music\\KV_Mountain.xm"},
    {"retro", "Music\\KV_Retro.xm"},           {"volcano", "Music\\KV_Volcano.xm"},
    {"castle", "Music\\KV_Castle.xm"},         {"desert", "Music\\KV_Desert.xm"},
    {"temple", "Music\\KV_Temple.xm"},         {"city", "Music\\KV_City.xm"},
    {"wierd", "Music\\KV_Wierd.xm"},           {"worldmap", "Music\\KV_Worldmap.xm"},
    {"tutorial", "Music\\KV_Tutorial.xm"},     {"splash", "Music\\KV_Splash.xm"},
    {"death", "Music\\KV_Death.xm"},           {"bonus_1", "Music\\KV_Bonus_1.xm"},
    {"game_over", "Music\\KV_Game_over.xm"},   {"continue", "Music\\KV_Continue.xm"},
    {"zelda_spoof", "Music\\KV_Zelda_SPOOF.xm"},
}};

template <int I>
void MakeTune(const Context& ctx) {
  const auto& t = kTunes[I];
  Score s = Parse(ctx.content / "music" / (std::string(t.source) + ".txt"));
  WriteFileIfChanged(OutPath(ctx, t.gamePath), xm::WriteModule(Compile(s)));
}

}  // namespace
}  // namespace forge::music

#define MUSIC_JOB(i) FORGE_JOB("music", ::forge::music::kTunes[i].source, &::forge::music::MakeTune<i>)
MUSIC_JOB(0);
MUSIC_JOB(1);
MUSIC_JOB(2);
MUSIC_JOB(3);
MUSIC_JOB(4);
MUSIC_JOB(5);
MUSIC_JOB(6);
MUSIC_JOB(7);
MUSIC_JOB(8);
MUSIC_JOB(9);
MUSIC_JOB(10);
MUSIC_JOB(11);
MUSIC_JOB(12);
MUSIC_JOB(13);
MUSIC_JOB(14);
MUSIC_JOB(15);
MUSIC_JOB(16);
MUSIC_JOB(17);
MUSIC_JOB(18);
MUSIC_JOB(19);
MUSIC_JOB(20);
