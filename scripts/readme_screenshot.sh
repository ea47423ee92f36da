#!/usr/bin/env bash
# Makes docs/screenshot.png, the picture at the top of the README: Forest I a
# few seconds into its recorded run (tests/scripts/lev_forest_1_run.txt),
# drawn by the game itself in a real window under Xvfb.
#   scripts/readme_screenshot.sh [BUILD_DIR] [FRAME] [OUT]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR="${1:-build}"
FRAME="${2:-420}"
OUT="${3:-docs/screenshot.png}"

save="$(mktemp -d)"
trap 'rm -rf "$save"' EXIT
# The start-up questions answered (window, no music) and the intro seen, so
# the level's first frame is the run's first frame, as the script counts.
for n in 1 4 150 1000 38 40 37 39 65 83 1 1 0 0 0; do  # fifteen 32-bit numbers
  printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $((n & 255)) $((n >> 8 & 255)) $((n >> 16 & 255)) $((n >> 24)))"
done > "$save/config.dat"
SDL_AUDIODRIVER=dummy xvfb-run -a -s "-screen 0 1024x768x24" \
  "$BUILD_DIR/game/boingle" --save-dir "$save" --seed 1 --windowed \
  --script tests/scripts/lev_forest_1_run.txt --frames "$FRAME" --screenshot "$OUT" lev_forest_1.doy
echo "wrote $OUT ($(stat -c %s "$OUT") bytes)"
