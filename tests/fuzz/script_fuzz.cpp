// The input-script reader on any bytes, then every event it took delivered:
// a script is a file a developer hands the game on its command line.
#include <climits>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "present/present.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::StartHeadlessGame();
  std::string file = fuzz::Scratch() + "/script.txt";
  fuzz::WriteBytes(file, data, size);
  std::string error;
  if (LoadInputScript(file, &error)) {
    DeliverScriptEvents(0);
    DeliverScriptEvents(1000);
    DeliverScriptEvents(LONG_MAX);
  }
  FlushKeys();
  return 0;
}
