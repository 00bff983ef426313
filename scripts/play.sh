#!/usr/bin/env bash
# Builds the game and starts it in build/run/.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
# shellcheck disable=SC2086
ensure_packages $GAME_PACKAGES

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j2


if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: run scripts/play.sh from a terminal inside your desktop session."
    exit 1
fi
cd build/run
exec ../quagleaper
