#!/usr/bin/env bash
# Measures the game's start-up: the Release build, headless, with only its container beside it,
# from process start through the preload to the first title-menu frame and straight out again;
# prints the wall time (median of five runs) and the peak resident memory.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
# shellcheck disable=SC2086
ensure_packages $GAME_PACKAGES python3

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j2 --target quagleaper-harness >/dev/null
cmake --build build -j2 >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/data"
cp build/run/data/Quagleaper.dat "$work/data/"
# One turn with focus draws the title menu's first frame; the end of the script then quits.
printf 'focus on\nrun 1\n' > "$work/script.txt"
python3 - "$PWD/build/quagleaper-harness" "$work" <<'PY'
import os, resource, statistics, subprocess, sys, time
harness, work = sys.argv[1], sys.argv[2]
times = []
for _ in range(5):
    start = time.monotonic()
    subprocess.run([harness, "script.txt"], cwd=work, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, check=True)
    times.append(time.monotonic() - start)
peak = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss / 1024
print("start-up to the first title-menu frame and out: median %.2f s (runs: %s)"
      % (statistics.median(times), ", ".join("%.2f" % t for t in times)))
print("peak resident memory: %.0f MB" % peak)
PY
