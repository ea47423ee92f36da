// The instruments of our tunes, synthesized into XM samples.
#pragma once

#include <string>

#include "music/xm_writer.h"

namespace forge::music {

// Kinds: square, pulse, triangle, saw, bell, pad, bass, kick, snare, hat,
// chipkick, chiphat. Tuned so that C-4 in a pattern sounds middle C; drums
// play at their natural pitch on C-4.
xm::Instrument MakeInstrument(const std::string& kind);
bool IsInstrumentKind(const std::string& kind);

}  // namespace forge::music
