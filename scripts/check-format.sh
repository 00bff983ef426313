#!/usr/bin/env bash
# Fails, naming the files, when a C++ source of the tree differs from what the project's
# .clang-format makes of it. clang-format -i on the named files mends them.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t sources < <(git ls-files '*.cpp' '*.h')
if ! report=$(clang-format --dry-run --Werror "${sources[@]}" 2>&1); then
    grep -oE '^[^:]+:[0-9]+:[0-9]+: error' <<<"$report" | cut -d: -f1 | sort -u | sed 's/^/not formatted: /'
    exit 1
fi
