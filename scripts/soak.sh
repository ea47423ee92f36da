#!/usr/bin/env bash
# The soak: an hour of play (216,000 frames) headless in one process, through
# every level in Levels/ with the recorded runs of tests/scripts and random
# input, measuring resident memory and list sizes at every level load.
#   scripts/soak.sh [--asan] [frames] [seed]
# --asan runs it in the fuzz build (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer) on the content of build/game.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
bin="$root/build/bench/bench_soak"
if [ "${1:-}" = "--asan" ]; then
  shift
  if [ ! -f build-fuzz/build.ninja ]; then
    cmake -S . -B build-fuzz -G Ninja -DBOINGLE_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ > /dev/null
  fi
  cmake --build build-fuzz --target bench_soak
  bin="$root/build-fuzz/bench/bench_soak"
  export ASAN_OPTIONS="detect_leaks=0:abort_on_error=0"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
else
  cmake --build build --target bench_soak boingle content
fi
cd build/game
SDL_AUDIODRIVER=dummy \
  "$bin" "${1:-216000}" "${2:-1}" "$root/tests/scripts"
