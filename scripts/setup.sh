#!/usr/bin/env bash
# Installs the Debian packages Boingle needs (only those missing), then builds
# the game and its content into build/game/.
#   scripts/setup.sh [BUILD_DIR] [extra cmake options...]
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(
  cmake g++ ninja-build pkg-config
  libsdl2-dev libx11-dev libepoxy-dev libpng-dev zlib1g-dev libfreetype-dev
  libvorbis-dev libopenmpt-dev libcairo2-dev
  libgtest-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xauth libgl1-mesa-dri
  fonts-dejavu-core fonts-eurofurence
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

BUILD_DIR="${1:-build}"
shift || true
cmake -S . -B "$BUILD_DIR" -G Ninja "$@" > "$BUILD_DIR.configure.log" 2>&1 || {
  cat "$BUILD_DIR.configure.log"; exit 1; }
rm -f "$BUILD_DIR.configure.log"
cmake --build "$BUILD_DIR"
