#!/usr/bin/env bash
# Builds the fuzz targets (clang, AddressSanitizer + UndefinedBehaviorSanitizer,
# in build-fuzz/) and runs each for a while on its corpus in tests/fuzz/corpus.
#   scripts/fuzz.sh [seconds per target] [target...]
# Default 600 s each. New inputs go to build-fuzz/found/<target>/ (copy the
# useful ones into the corpus by hand); a crash leaves its input in
# build-fuzz/crashes/ and ends the script with a failure. BOINGLE_FUZZ_SEED
# fixes libFuzzer's seed (the test command uses 1, so CI explores the same way
# each time); by default each run draws its own.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-600}"
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(level settings save_slot messages script png wav ogg)
fi

if [ ! -f build-fuzz/build.ninja ]; then
  cmake -S . -B build-fuzz -G Ninja -DBOINGLE_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ > build-fuzz.configure.log 2>&1 || {
    cat build-fuzz.configure.log; exit 1; }
  rm -f build-fuzz.configure.log
fi
cmake --build build-fuzz --target $(printf 'fuzz_%s ' "${targets[@]}")

export ASAN_OPTIONS="detect_leaks=0:abort_on_error=0:allocator_may_return_null=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
mkdir -p build-fuzz/crashes
status=0
for t in "${targets[@]}"; do
  mkdir -p "build-fuzz/found/$t"
  log="build-fuzz/fuzz_$t.log"
  # The committed corpus is read, never written: new inputs go to found/.
  seed=()
  [ -n "${BOINGLE_FUZZ_SEED:-}" ] && seed=(-seed="$BOINGLE_FUZZ_SEED")
  if nice -n 10 "build-fuzz/fuzz/fuzz_$t" "${seed[@]}" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -max_len=65536 -print_final_stats=1 -artifact_prefix="build-fuzz/crashes/$t-" \
      "build-fuzz/found/$t" "tests/fuzz/corpus/$t" > "$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz $t: ${runs:-?} inputs in ${seconds} s, nothing found"
  else
    echo "fuzz $t: FAILED (log: $log)"
    grep -E "ERROR|runtime error|SUMMARY|Test unit written" "$log" | head -20 || true
    status=1
  fi
done
exit $status
