# The Debian package as the README makes it, from a Release build for /usr, passes lintian
# without an error. Its warnings are printed for the record.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cmake -S "$source_dir" -B "$work/build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr > "$work/build.log" 2>&1 \
    && cmake --build "$work/build" -j2 >> "$work/build.log" 2>&1 || fail "build: $(tail -20 "$work/build.log")"
(cd "$work/build" && cpack -G DEB > cpack.log 2>&1) || fail "cpack: $(cat "$work/build/cpack.log")"
deb=$(ls "$work"/build/quagleaper_*.deb)
# lintian frowns on root, which CI is; its verdict is the same.
lintian --info --no-tag-display-limit "$deb" > "$work/lintian.txt" 2>&1 || true
grep '^[EW]: ' "$work/lintian.txt" || true
! grep -q '^E: ' "$work/lintian.txt" || fail "lintian reports errors"
echo "debian lintian: passed"
