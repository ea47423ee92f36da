// Every input of the fuzz corpora (tests/fuzz/corpus/<reader>/: the seeds and
// the inputs that once broke a reader) through the same fuzz target code, in
// the normal and the sanitizer build: a fixed reader stays fixed even where
// no fuzzer runs.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "support/test_support.h"

#define LLVMFuzzerTestOneInput FuzzLevel
#include "fuzz/level_fuzz.cpp"
#undef LLVMFuzzerTestOneInput
#define LLVMFuzzerTestOneInput FuzzSettings
#include "fuzz/settings_fuzz.cpp"
#undef LLVMFuzzerTestOneInput
#define LLVMFuzzerTestOneInput FuzzSaveSlot
#include "fuzz/save_slot_fuzz.cpp"
#undef LLVMFuzzerTestOneInput
#define LLVMFuzzerTestOneInput FuzzMessages
#include "fuzz/messages_fuzz.cpp"
#undef LLVMFuzzerTestOneInput
#define LLVMFuzzerTestOneInput FuzzScript
#include "fuzz/script_fuzz.cpp"
#undef LLVMFuzzerTestOneInput
#define LLVMFuzzerTestOneInput FuzzPng
#include "fuzz/png_fuzz.cpp"
#undef LLVMFuzzerTestOneInput
#define LLVMFuzzerTestOneInput FuzzWav
#include "fuzz/wav_fuzz.cpp"
#undef LLVMFuzzerTestOneInput
#define LLVMFuzzerTestOneInput FuzzOgg
#include "fuzz/ogg_fuzz.cpp"
#undef LLVMFuzzerTestOneInput

namespace {

namespace fs = std::filesystem;

struct Target {
  const char* name;
  int (*run)(const uint8_t*, size_t);
};

const Target kTargets[] = {
    {"level", FuzzLevel}, {"settings", FuzzSettings}, {"save_slot", FuzzSaveSlot}, {"messages", FuzzMessages},
    {"script", FuzzScript}, {"png", FuzzPng},         {"wav", FuzzWav},            {"ogg", FuzzOgg},
};

TEST(FuzzCorpusTest, EveryReaderTakesEveryInputOfItsCorpus) {
  for (const Target& t : kTargets) {
    fs::path dir = fs::path(BOINGLE_SOURCE_DIR) / "tests/fuzz/corpus" / t.name;
    std::vector<fs::path> inputs;
    for (auto& e : fs::directory_iterator(dir)) inputs.push_back(e.path());
    std::sort(inputs.begin(), inputs.end());
    EXPECT_FALSE(inputs.empty()) << t.name;
    for (const fs::path& input : inputs) {
      SCOPED_TRACE(input.string());
      std::vector<uint8_t> bytes = test::ReadBytes(input);
      EXPECT_EQ(t.run(bytes.data(), bytes.size()), 0);
    }
  }
}

}  // namespace
