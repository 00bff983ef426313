# A screenshot is the last presented frame as an 800 x 600 PNG; a script whose screenshot
# cannot be written fails without one.
source "$(dirname "$0")/harness-lib.bash"

png_size() { python3 -c '
import struct, sys
data = open(sys.argv[1], "rb").read(24)
assert data[:8] == b"\x89PNG\r\n\x1a\n" and data[12:16] == b"IHDR", "not a PNG"
print("%dx%d" % struct.unpack(">II", data[16:24]))' "$1"; }

run_harness "focus on
run 3
screenshot title.png
run 1"
expect_status 0
[ "$(png_size title.png)" = "800x600" ] || fail "screenshot size $(png_size title.png)"
expect_log_line "color shift: 11 6 0"
expect_log_line "color indices: 0 0 0 0"
printf 'Shutting down DirectDraw.\nReleasing FadeBuffer.\nReleasing BackBuffer.\nReleasing Primary.\nReleasing DD2.\nReleasing DD.\n' > expected.txt
grep -A5 -xF "Shutting down DirectDraw." debug.txt | cmp -s - expected.txt \
    || fail "release lines: $(grep -A5 -xF 'Shutting down DirectDraw.' debug.txt)"

# Before the first turn the last frame is the preload screen with its bar all but full.
run_harness "screenshot early.png
focus on
run 3"
expect_status 0
[ "$(png_size early.png)" = "800x600" ] || fail "no screenshot of the preload screen"

run_harness "focus on
run 3
screenshot missing-folder/shot.png"
expect_status 2
grep -q "line 3: cannot write the screenshot missing-folder/shot.png" harness.out || fail "$(cat harness.out)"
