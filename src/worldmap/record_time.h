// A best time as the world map's panel shows it.
#pragma once

#include <string>

// "mm:ss:mmm" with minutes and seconds of two digits and the milliseconds as
// their plain number (65050 gives "01:05:50", 600000 "10:00:0"); a time of
// 1410065407 or more (no time yet) gives "--:--:---".
std::string FormatRecordTime(int ms);
