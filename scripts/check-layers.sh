#!/usr/bin/env bash
# Fails, naming the line, when a file of src/ includes a header of a layer above its own, or of
# its peer. The layers, bottom to top (docs/architecture.md):
#   platform -> core -> gfx | sound -> world -> actors -> score -> app
# gfx and sound are peers and never include each other; harness/, tools/, apps/, tests/, fuzz/
# and bench/ stand above them all. Only src/platform/sdl/ includes SDL or Xlib.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files 'src/*.cpp' 'src/*.h' | xargs grep -nE '^#include [<"]' | awk '
BEGIN {
    split("platform core gfx sound world actors score app", order, " ")
    for (i in order) rank[order[i]] = i
    rank["sound"] = rank["gfx"]
}
{
    split($0, where, ":")
    file = where[1]
    split(file, parts, "/")
    own = parts[2]
    header = $0
    sub(/^[^#]*#include [<"]/, "", header)
    sub(/[>"].*$/, "", header)
    if (header ~ /^(SDL|X11)/) {
        if (file !~ /^src\/platform\/sdl\//) { print file ":" where[2] ": SDL outside the SDL backend: " header; bad = 1 }
        next
    }
    split(header, target, "/")
    if (!(target[1] in rank) || target[1] == own)
        next
    if (rank[target[1]] >= rank[own]) {
        print file ":" where[2] ": " own " includes " header ", a layer " (rank[target[1]] == rank[own] ? "beside" : "above") " its own"
        bad = 1
    }
}
END { exit bad }'
