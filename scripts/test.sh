#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test:
# the GoogleTest suites, each test in its own process, the harness scripts, and the game in a
# real window on a virtual X server. With --long it also runs the scripts of tests/long/, which
# take many minutes (every data file missing in turn, and the like).
set -euo pipefail
long_tests=(-LE long)
[ "${1:-}" = "--long" ] && long_tests=()
cd "$(dirname "$0")/.."
source scripts/packages.sh
# shellcheck disable=SC2086
ensure_packages $TEST_PACKAGES
bash scripts/check-format.sh
bash scripts/check-layers.sh

build_dir=build-test
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Debug -DQUAGLEAPER_TESTS=ON -DQUAGLEAPER_SANITIZE=ON -DQUAGLEAPER_BENCH=ON >/dev/null
cmake --build "$build_dir" -j2
# The streaming sound's threads under ThreadSanitizer, in a build folder of its own.
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=Debug -DQUAGLEAPER_TESTS=ON -DQUAGLEAPER_TSAN=ON >/dev/null
cmake --build build-tsan -j2 --target quagleaper-tsan-tests
ctest --test-dir build-tsan -R '^tsan\.' --output-on-failure

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The real program in a real X window.
bash tests/window/real_window.sh "$build_dir"
# Last, so that its summary closes the run.
(cd "$build_dir" && ctest -j2 --output-on-failure "${long_tests[@]}")
