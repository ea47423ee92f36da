// A FastTracker 2 extended module, built in memory and written as bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace forge::xm {

constexpr uint8_t kNoteOff = 97;  // releases the envelope instead of cutting
// Note numbers count from C-0 = 1, so C-4 is 49.
constexpr int NoteNumber(int octave, int semitone) { return octave * 12 + semitone + 1; }

struct Cell {
  uint8_t note = 0;
  uint8_t instrument = 0;
  uint8_t volume = 0;  // volume column: 0x10 + 0..64 sets the volume
  uint8_t effect = 0;
  uint8_t param = 0;
  bool operator==(const Cell&) const = default;
};

struct Pattern {
  int rows = 64;
  std::vector<Cell> cells;  // rows * channels, row-major
  Cell& At(int row, int channel, int channels) { return cells[static_cast<size_t>(row * channels + channel)]; }
};

struct EnvelopePoint {
  uint16_t tick;
  uint16_t value;  // 0..64
};

struct Instrument {
  std::string name;
  std::vector<int16_t> sample;
  uint32_t loopStart = 0;  // in sample frames
  uint32_t loopLength = 0; // 0: plays once
  uint8_t volume = 64;
  int8_t finetune = 0;
  int8_t relativeNote = 0;
  std::vector<EnvelopePoint> volumeEnvelope;  // empty: no envelope
  int sustainPoint = -1;
  uint16_t fadeout = 0;
};

struct Module {
  std::string name;
  int channels = 8;
  int speed = 6;
  int bpm = 125;
  int restart = 0;
  std::vector<uint8_t> orders;
  std::vector<Pattern> patterns;
  std::vector<Instrument> instruments;
};

// One pattern's cells in the packed form: a full cell as five bytes, anything
// sparser as a flag byte followed by only the fields present.
std::string PackPattern(const Pattern& pattern, int channels);
std::string WriteModule(const Module& module);

}  // namespace forge::xm
