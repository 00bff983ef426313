#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test:
# the GoogleTest suites, each test in its own process, and the harness scripts.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
# shellcheck disable=SC2086
ensure_packages $TEST_PACKAGES

build_dir=build-test
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Debug -DQUAGLEAPER_TESTS=ON -DQUAGLEAPER_SANITIZE=ON -DQUAGLEAPER_BENCH=ON >/dev/null
cmake --build "$build_dir" -j2
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd "$build_dir"
ctest -j2 --output-on-failure
