// The PNG reader on any bytes, and the strip cutting that follows it: the
// size a sheet's header gives must be the size it decodes to.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "present/present_internal.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<uint8_t> bytes(data, data + size);
  int w = 0, h = 0;
  std::vector<uint8_t> rgba;
  if (!DecodePng(bytes, &w, &h, &rgba)) return 0;
  if (w <= 0 || h <= 0 || rgba.size() != static_cast<size_t>(w) * h * 4) std::abort();
  int hw = 0, hh = 0;
  if (!ReadPngSize(bytes, &hw, &hh) || hw != w || hh != h) std::abort();
  return 0;
}
