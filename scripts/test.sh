#!/usr/bin/env bash
# Set up, build and run the whole test suite twice: in a normal build and in a
# sanitizer build (AddressSanitizer + UndefinedBehaviorSanitizer), then every
# file reader's fuzz target for a bounded time. Real-window tests run under
# Xvfb with Mesa's software OpenGL.
set -euo pipefail
cd "$(dirname "$0")/.."
start=$(date +%s)

WERROR=OFF
[ "${CI:-}" = "true" ] && WERROR=ON

scripts/setup.sh build -DBOINGLE_WERROR=$WERROR
run_suite() {
  local dir="$1"
  xvfb-run -a -s "-screen 0 1280x1024x24" \
    ctest --test-dir "$dir" --output-on-failure -j2 --timeout 900
}
echo "== Tests: normal build =="
run_suite build

# The sanitizer build takes its content from the normal build's program folder.
scripts/setup.sh build-asan -DBOINGLE_SANITIZE=ON -DBOINGLE_WERROR=$WERROR \
  -DBOINGLE_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug -DBOINGLE_CONTENT_FROM="$PWD/build/game"
echo "== Tests: sanitizer build =="
ASAN_OPTIONS=detect_leaks=0:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1 run_suite build-asan

# Every reader of the game's files under libFuzzer (clang, ASan + UBSan), a
# bounded time each; scripts/fuzz.sh with a longer time is the developer's run.
echo "== Fuzzing: ${BOINGLE_FUZZ_SECONDS:-30} s per reader =="
BOINGLE_FUZZ_SEED="${BOINGLE_FUZZ_SEED:-1}" scripts/fuzz.sh "${BOINGLE_FUZZ_SECONDS:-30}"

# Ten minutes of play through every level under the same sanitizers (the
# hour is scripts/soak.sh).
echo "== Soak: 36000 frames under ASan + UBSan =="
scripts/soak.sh --asan 36000

echo "== All tests passed in $(( $(date +%s) - start )) s =="
