#!/usr/bin/env bash
# Measures the share of one core the Release game takes in a real window on a virtual X server:
# ten seconds on the title menu, then ten seconds in the first level.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
# shellcheck disable=SC2086
ensure_packages $TEST_PACKAGES

if [ "${1:-}" = "--in-session" ]; then
    source tests/window/window-lib.bash
    cd build/run
    ../quagleaper > game.out 2>&1 &
    pid=$!
    find_game_window
    focus_game_window
    wait_for_title_menu debug.txt
    # The process's user and system ticks over ten seconds, as a share of one core.
    share() {
        local hz before after
        hz=$(getconf CLK_TCK)
        before=$(awk '{print $14 + $15}' "/proc/$pid/stat")
        sleep 10
        after=$(awk '{print $14 + $15}' "/proc/$pid/stat")
        awk -v ticks=$((after - before)) -v hz="$hz" 'BEGIN { printf "%.1f", 100 * ticks / (hz * 10) }'
    }
    echo "title menu: $(share) % of one core"
    xdotool key s
    sleep 2
    echo "first level: $(share) % of one core"
    xdotool key Escape
    sleep 1
    xdotool key Escape
    wait "$pid" || true
    exit 0
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j2 >/dev/null
xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" --in-session
