#!/usr/bin/env bash
# Every content file of build/game, one at a time removed and then cut short;
# the game plays a level that reads it and must name it in one line (the
# test suite tries a fixed sample of them; this tries them all).
#   scripts/bad_content.sh [build dir]
# BOINGLE_BAD_CONTENT_FILES=Sound/a.wav,Levels/b.doy tries only those.
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build}"
cmake --build "$dir" --target bad_content_test boingle content
cd "$dir/game"
BOINGLE_BAD_CONTENT=all SDL_AUDIODRIVER=dummy "../tests/bad_content_test"
