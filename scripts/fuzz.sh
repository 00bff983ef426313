#!/usr/bin/env bash
# Fuzzes every reader of outside data with libFuzzer under AddressSanitizer and
# UndefinedBehaviorSanitizer. Usage: scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]
# (default: 60 seconds each, every target of fuzz/). Corpora grow in build-fuzz/corpus/TARGET,
# seeded from the data the game ships; findings land in build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
# shellcheck disable=SC2086
ensure_packages $GAME_PACKAGES clang libcairo2-dev

seconds=${1:-60}
shift || true
# Absolute, because the targets work inside folders of their own.
build=$PWD/build-fuzz
CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DQUAGLEAPER_FUZZ=ON >/dev/null
mapfile -t all < <(cd fuzz && ls ./*Fuzz.cpp | sed 's|^\./||; s|\.cpp$||')
targets=("${@:-${all[@]}}")
cmake --build "$build" -j2 --target quagleaper-assetgen quagleaper-pack "${targets[@]}"

# The shipped data, drawn once, seeds the corpora.
data=$build/seed-data
if [ ! -f "$data/config.txt" ]; then
    ASAN_OPTIONS=detect_leaks=0 "$build/quagleaper-assetgen" "$data" > /dev/null
fi
seed() {
    local target=$1; shift
    mkdir -p "$build/corpus/$target"
    for file in "$@"; do cp "$file" "$build/corpus/$target/" 2>/dev/null || true; done
}
printf '3\n1\n2\n' > "$build/frames.txt"
printf 'seed 1\nfocus on\nrun 2\nkey S\nrun 5\nmouse 72 540\nclick 72 540\ntype Quaggy\nchar 13\nscreenshot a.png\ndump b.json\n' > "$build/script.txt"
seed ConfigFileFuzz "$data/config.txt"
seed HarnessScriptFuzz "$build/script.txt" tests/scripts/*.sh
PYTHONPATH=tests/scripts python3 -c "from highscore_file import write_table
write_table('$build/HighScore.txt', [(1000 - 100 * i, 'Name:%d\xe4' % i) for i in range(10)])"
seed HighScoreFileFuzz "$build/HighScore.txt"
seed WavFileFuzz "$data"/*.wav
seed OggFileFuzz "$data"/*.ogg
seed JpegFileFuzz "$data"/*.jpg
seed FontFileFuzz "$data"/*.fnt
seed FrameListFuzz "$build/frames.txt"
seed ObstacleFileFuzz "$data"/ArbitraryObjects_*.txt
seed CreditsFileFuzz "$data/credits.txt" "$data/credits_en.txt"
# The catalogues as the build compiles them.
for po in po/*.po; do msgfmt -o "$build/$(basename "$po" .po).mo" "$po"; done
seed TranslationFuzz "$build"/*.mo
# A short replay: twenty steady turns, then a key, a character and a press, and a checkpoint.
python3 - "$build/short.qlr" <<'PY'
import struct, sys
turns = bytes([0xC5, 0x02, 18, 6, 2, 1, 38, 2, 65, 4, 0xA0, 0x06, 0xD8, 0x04])
header = b'QLREPLAY' + struct.pack('<H', 1) + b'quagleaper 1.0.0'.ljust(16, b'\0')
header += struct.pack('<IQQ6HBffII', 7, 1, 2, 38, 40, 37, 39, 32, 80, 4, 0.0, 0.0, 21, len(turns))
tail = struct.pack('<IIIIff', 1, 20, 1, 0, 400.0, 540.0) + struct.pack('<BII', 0, 0, 0)
open(sys.argv[1], 'wb').write(header + turns + tail)
PY
seed ReplayFileFuzz "$build/short.qlr"
# The shipped pictures are 24 and 1 bits; a small 8-bit one with a 16-colour palette joins them.
python3 - "$build/palette.bmp" <<'PY'
import struct, sys
width, height, colours = 13, 5, 16
row = (width + 3) // 4 * 4
pixels = b''.join(bytes((x * 3 + y * 5) % colours for x in range(width)) + bytes(row - width) for y in range(height))
palette = b''.join(bytes((i * 16, 255 - i * 16, i * 8, 0)) for i in range(colours))
offset = 54 + len(palette)
header = struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset)
info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 8, 0, len(pixels), 2835, 2835, colours, 0)
open(sys.argv[1], 'wb').write(header + info + palette + pixels)
PY
seed BmpFileFuzz "$build/palette.bmp" "$data/cursorAlpha.bmp" "$data/shadowsmallcar.bmp" "$data/appicon.bmp"
# A container of a few small entries, whole and cut off inside its entries.
rm -rf "$build/container-data" && mkdir -p "$build/container-data"
cp "$data/credits.txt" "$data/HUDFont.fnt" "$data/shadowsmallcar.bmp" "$build/frames.txt" "$build/container-data/"
"$build/quagleaper-pack" "$build/container-data" "$build/small.dat" > /dev/null
head -c 33000 "$build/small.dat" > "$build/cut.dat"
seed ContainerFuzz "$build/small.dat" "$build/cut.dat"

mkdir -p "$build/findings"
failed=()
for target in "${targets[@]}"; do
    echo "== $target: $seconds s"
    log=$build/findings/$target.log
    "$build/$target" "$build/corpus/$target" -max_total_time="$seconds" -max_len=1048576 \
        -rss_limit_mb=2048 -artifact_prefix="$build/findings/$target-" -print_final_stats=1 \
        > "$log" 2>&1 || failed+=("$target")
    grep -E "^#[0-9]+" "$log" | tail -n 1
    grep -E "stat::(number_of_executed_units|average_exec_per_sec)|ERROR|SUMMARY" "$log" || true
done
[ ${#failed[@]} -eq 0 ] || { echo "Findings in: ${failed[*]} (see $build/findings/)"; exit 1; }
