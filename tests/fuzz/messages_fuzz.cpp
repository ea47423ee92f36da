// The message-table reader on any bytes as Data/messages.txt, then every
// entry it took wrapped the way a message box lays it out.
#include <cstddef>
#include <cstdint>

#include "entities/text_wrap.h"
#include "fuzz_support.h"
#include "world/message_table.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::StartHeadlessGame();
  fuzz::WriteBytes(fuzz::DataDir() + "/Data/messages.txt", data, size);
  LoadMessageTable("Data/messages.txt");
  for (int i = 0; i < kMessageTableSize; ++i)
    if (!MessageText[i].empty()) WrapText(MessageText[i], 300);
  return 0;
}
