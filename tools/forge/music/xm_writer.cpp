#include "music/xm_writer.h"

#include "forge.h"

namespace forge::xm {
namespace {

void Put8(std::string& out, int v) { out.push_back(static_cast<char>(v & 0xFF)); }
void Put16(std::string& out, int v) {
  Put8(out, v);
  Put8(out, v >> 8);
}
void Put32(std::string& out, uint32_t v) {
  Put16(out, static_cast<int>(v & 0xFFFF));
  Put16(out, static_cast<int>(v >> 16));
}
void PutText(std::string& out, const std::string& text, size_t width, char pad = '\0') {
  for (size_t i = 0; i < width; ++i) out.push_back(i < text.size() ? text[i] : pad);
}

void WriteInstrument(std::string& out, const Instrument& ins) {
  constexpr uint32_t kHeaderSize = 263;
  size_t start = out.size();
  Put32(out, kHeaderSize);
  PutText(out, ins.name, 22);
  Put8(out, 0);
  Put16(out, 1);
  Put32(out, 40);
  for (int i = 0; i < 96; ++i) Put8(out, 0);
  if (ins.volumeEnvelope.size() > 12) Fail("instrument " + ins.name + ": more than 12 envelope points");
  for (size_t i = 0; i < 12; ++i) {
    EnvelopePoint p = i < ins.volumeEnvelope.size() ? ins.volumeEnvelope[i] : EnvelopePoint{0, 0};
    Put16(out, p.tick);
    Put16(out, p.value);
  }
  for (int i = 0; i < 48; ++i) Put8(out, 0);  // no panning envelope
  Put8(out, static_cast<int>(ins.volumeEnvelope.size()));
  Put8(out, 0);
  Put8(out, ins.sustainPoint < 0 ? 0 : ins.sustainPoint);
  Put8(out, 0);
  Put8(out, 0);
  Put8(out, 0);
  Put8(out, 0);
  Put8(out, 0);
  int volType = ins.volumeEnvelope.empty() ? 0 : (1 | (ins.sustainPoint >= 0 ? 2 : 0));
  Put8(out, volType);
  Put8(out, 0);
  for (int i = 0; i < 4; ++i) Put8(out, 0);  // no auto-vibrato
  Put16(out, ins.fadeout);
  while (out.size() - start < kHeaderSize) Put8(out, 0);

  // One 16-bit sample; lengths count bytes.
  Put32(out, static_cast<uint32_t>(ins.sample.size() * 2));
  Put32(out, ins.loopStart * 2);
  Put32(out, ins.loopLength * 2);
  Put8(out, ins.volume);
  Put8(out, ins.finetune);
  Put8(out, 0x10 | (ins.loopLength > 0 ? 1 : 0));
  Put8(out, 128);
  Put8(out, ins.relativeNote);
  Put8(out, 0);
  PutText(out, ins.name, 22);
  int16_t previous = 0;
  for (int16_t s : ins.sample) {
    Put16(out, static_cast<uint16_t>(s - previous));
    previous = s;
  }
}

}  // namespace

std::string PackPattern(const Pattern& pattern, int channels) {
  std::string out;
  for (int r = 0; r < pattern.rows; ++r) {
    for (int c = 0; c < channels; ++c) {
      const Cell& cell = pattern.cells[static_cast<size_t>(r * channels + c)];
      int flags = (cell.note ? 1 : 0) | (cell.instrument ? 2 : 0) | (cell.volume ? 4 : 0) |
                  (cell.effect ? 8 : 0) | (cell.param ? 16 : 0);
      if (flags == 31) {
        Put8(out, cell.note);
        Put8(out, cell.instrument);
        Put8(out, cell.volume);
        Put8(out, cell.effect);
        Put8(out, cell.param);
        continue;
      }
      Put8(out, 0x80 | flags);
      if (flags & 1) Put8(out, cell.note);
      if (flags & 2) Put8(out, cell.instrument);
      if (flags & 4) Put8(out, cell.volume);
      if (flags & 8) Put8(out, cell.effect);
      if (flags & 16) Put8(out, cell.param);
    }
  }
  return out;
}

std::string WriteModule(const Module& m) {
  if (m.orders.empty() || m.orders.size() > 256) Fail("module " + m.name + ": order list must hold 1 to 256");
  std::string out;
  PutText(out, "Extended Module: ", 17);
  PutText(out, m.name, 20, ' ');
  Put8(out, 0x1A);
  PutText(out, "Boingle forge", 20, ' ');
  Put16(out, 0x0104);
  Put32(out, 276);
  Put16(out, static_cast<int>(m.orders.size()));
  Put16(out, m.restart);
  Put16(out, m.channels);
  Put16(out, static_cast<int>(m.patterns.size()));
  Put16(out, static_cast<int>(m.instruments.size()));
  Put16(out, 1);  // linear frequency table
  Put16(out, m.speed);
  Put16(out, m.bpm);
  for (size_t i = 0; i < 256; ++i) Put8(out, i < m.orders.size() ? m.orders[i] : 0);
  for (const Pattern& p : m.patterns) {
    std::string packed = PackPattern(p, m.channels);
    if (packed.size() > 0xFFFF) Fail("module " + m.name + ": pattern too large");
    Put32(out, 9);
    Put8(out, 0);
    Put16(out, p.rows);
    Put16(out, static_cast<int>(packed.size()));
    out += packed;
  }
  for (const Instrument& ins : m.instruments) WriteInstrument(out, ins);
  return out;
}

}  // namespace forge::xm
