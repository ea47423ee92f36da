#!/usr/bin/env bash
# Set up, build, make the content and start the game. Arguments go to the game.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build
exec build/game/boingle "$@"
