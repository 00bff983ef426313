# The heads-up display in play, paused, while a life blinks away, and with the level-done
# message and the score popups of a frog home: each picture differs where the HUD says so.
source "$(dirname "$0")/harness-lib.bash"
export PYTHONPATH="$SOURCE_DIR/tests/scripts"
python3 -c "
from frog_scenes import *
write_scene([(ROAD, 10, 0)] * 3, goal=(9, 0),
            extra=['numFrogsToGoal 1', 'inGoalDistance 20', 'messageInterval 2', 'scoreCountSpeed 400',
                   'scorePerSecLeft 10', 'areaDoneScore 200', 'levelTimeSeconds 65'])"

run_harness "seed 2
focus on
run 2
key S
run 40
screenshot play.png
key P
run 3
screenshot paused.png
key P
run 3
key RIGHT
run 40
screenshot home.png
run 100
screenshot counted.png"
expect_status 0
[ -n "${SHOTS:-}" ] && cp play.png paused.png home.png counted.png "$SHOTS"/

python3 - <<'PY' || fail "hud"
import struct, zlib
def pixels(name):
    data = open(name, "rb").read()
    assert data[:8] == b"\x89PNG\r\n\x1a\n"
    pos, idat, width, height = 8, b"", 0, 0
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height = struct.unpack(">II", body[:8])
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    raw, rows, stride = zlib.decompress(idat), [], width * 3
    prev = bytearray(stride)
    for y in range(height):
        f, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - 3] if i >= 3 else 0
            b, c = prev[i], prev[i - 3] if i >= 3 else 0
            p = a + b - c
            pred = [0, a, b, (a + b) // 2, a if abs(p - a) <= min(abs(p - b), abs(p - c)) else (b if abs(p - b) <= abs(p - c) else c)][f]
            line[i] = (line[i] + pred) & 255
        rows.append(bytes(line))
        prev = line
    return rows
def differs(a, b, box):
    x0, y0, x1, y1 = box
    return any(a[y][x0 * 3:x1 * 3] != b[y][x0 * 3:x1 * 3] for y in range(y0, y1))
play, paused, home, counted = (pixels(n) for n in ("play.png", "paused.png", "home.png", "counted.png"))
assert differs(play, paused, (300, 190, 500, 240)), "no pause word"
assert differs(play, home, (200, 220, 600, 300)), "no message for the frog home"
assert differs(home, counted, (600, 0, 800, 50)), "the score did not count up"
assert not differs(play, paused, (0, 0, 200, 50)), "the clock ran during the pause"
PY
exit 0
