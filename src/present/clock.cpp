// The millisecond clock, the random generator and degree trigonometry.
#include <chrono>
#include <cmath>

#include "present/present.h"
#include "present/present_internal.h"

namespace {

using SteadyClock = std::chrono::steady_clock;
const SteadyClock::time_point g_start = SteadyClock::now();

// Park and Miller's minimal standard generator: its state lives in 1 .. 2^31-2,
// which is why a seed of 0 or 2^31-1 has to be replaced.
constexpr uint32_t kModulus = 2147483647u;
constexpr uint32_t kMultiplier = 48271u;
uint32_t g_rndState = 4660;

double NextUnit() {
  g_rndState = static_cast<uint32_t>((static_cast<uint64_t>(g_rndState) * kMultiplier) % kModulus);
  return static_cast<double>(g_rndState - 1) / static_cast<double>(kModulus - 1);
}

}  // namespace

int Millisecs() {
  if (Options.headless) return VirtualMillisecs();
  auto d = SteadyClock::now() - g_start;
  return static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(d).count());
}

int64_t WallClockMillis() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::system_clock::now().time_since_epoch())
      .count();
}

void SeedRnd(int64_t seed) {
  uint32_t s = static_cast<uint32_t>(seed) & 0x7fffffffu;
  if (s == 0 || s == kModulus) s = 4660;
  g_rndState = s;
}

float Rnd(float min, float max) {
  float v = static_cast<float>(min + (static_cast<double>(max) - min) * NextUnit());
  // Rounding to float can land on max itself; the range is half-open.
  if (v >= max && max > min) v = std::nextafter(max, min);
  return v;
}

int Rand(int min, int max) {
  if (max < min) std::swap(min, max);
  double span = static_cast<double>(max) - min + 1.0;
  int v = min + static_cast<int>(std::floor(NextUnit() * span));
  return v > max ? max : v;
}

namespace {
constexpr double kDegToRad = 3.14159265358979323846 / 180.0;
}
float SinD(float degrees) { return static_cast<float>(std::sin(degrees * kDegToRad)); }
float CosD(float degrees) { return static_cast<float>(std::cos(degrees * kDegToRad)); }
float ATan2D(float y, float x) { return static_cast<float>(std::atan2(y, x) / kDegToRad); }
