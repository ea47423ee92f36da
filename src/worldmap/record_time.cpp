#include "worldmap/record_time.h"

#include "world/save_game.h"

namespace {

std::string TwoDigits(int n) {
  if (n == 0) return "00";
  if (n < 10) return "0" + std::to_string(n);
  return std::to_string(n);
}

}  // namespace

std::string FormatRecordTime(int t) {
  if (t >= kNoTime) return "--:--:---";
  // The milliseconds are not padded: 50 ms reads ":50", the way every stored
  // time of the game has always been shown.
  int ms = t % 1000;
  int seconds = (t - ms) / 1000;
  int sec = seconds % 60;
  int min = (seconds - sec) / 60;
  return TwoDigits(min) + ":" + TwoDigits(sec) + ":" + std::to_string(ms).substr(0, 3);
}
