# A new game fills the lanes over the scrolling picture: with a fixed seed every lane carries
# its objects at its own speed and direction, lets new ones in and drops them at the far edge,
# and the same seed gives the same run twice.
source "$(dirname "$0")/harness-lib.bash"
# Only the lanes: no obstacles or water cells of the level's own files.
rm -f data/ArbitraryObjects_*.txt

SOURCE_DIR="$SOURCE_DIR" python3 - <<'PY'
import os, struct, sys
sys.path.insert(0, os.path.join(os.environ["SOURCE_DIR"], "tests", "scripts"))
from lane_pictures import write_lane_pictures
areas = [0, 2, 1, 2, 0, 2, 1]
lines = """numWorlds 1
numAreas 7
numVisibleAreas 3
numTracksPerArea 5
numCellsStartStrip 1
numCellsPerGrassStrip 1
numCellsPerTrack 1
numFrogsToGoal 3
numFrogLifes 3
levelTimeSeconds 90
gridWidthUnits 800
numLatCells 16
MaxNumObjectsPerTrack 5
initInterval 4
scrollAccelerationPPS 2000
GoalCellLat_00_00 15
GoalCellLong_00_00 18
inGoalDistance 20
""".splitlines()
lines += ["areaType%02d %d" % (a, t) for a, t in enumerate(areas)]
lines += ["frogSpeedFactor%02d 1.0" % f for f in range(3)]
for prefix, w in [("smallCar", 100), ("ragTopOpen", 110), ("ragTopClosed", 110),
                  ("truck", 200), ("trunk", 220), ("barrel", 60), ("hippo", 150),
                  ("waterLily", 70), ("box", 60)]:
    lines += ["%sObjectWidth %d" % (prefix, w), "%sObjectHeight 60" % prefix]
for a in range(7):
    for f in range(3):
        lines += ["relFrequTruckPerCent_A%02d_F%02d 30" % (a, f),
                  "relFrequBoxPerCent_A%02d_F%02d 10" % (a, f)]
    for t in range(5):
        lines += ["direction_%02d_%02d %d" % (a, t, t % 2),
                  "trackSpeed_%02d_%02d %d" % (a, t, 60 + 20 * t),
                  "MinSpawnInterval_%02d_%02d 1.5" % (a, t),
                  "MaxSpawnInterval_%02d_%02d 4" % (a, t)]

# Every lane object, shadow and star, and the goal.
lines += write_lane_pictures()
open("data/config.txt", "w").write("\n".join(lines) + "\n")

# The world picture: a band of colour a row, a dark seam between rows, road grey, river blue.
width, height = 800, 4200
def colour(row):
    kind = row % 6
    if kind == 0:
        return (60, 150, 70)
    return (70 + 10 * kind, 80 + 10 * kind, 200) if (row // 6) % 2 else (90, 90, 90 + 8 * kind)
rows = []
for y in range(height):                 # bottom-up, as BMP stores them
    b = colour(y // 75)
    seam = y % 75 == 0
    pixel = bytes((20, 20, 40)) if seam else bytes((b[2], b[1], b[0]))
    rows.append(pixel * width)
pixels = b"".join(rows)
header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
open("data/backgroundworld00.bmp", "wb").write(header + info + pixels)
PY

SCRIPT="seed 7
focus on
run 2
key S
trace trace.jsonl
run 250
dump early.json
run 250
dump late.json
run 5
dump later.json
screenshot lanes.png"

run_harness "$SCRIPT"
expect_status 0
mv trace.jsonl first.jsonl
run_harness "$SCRIPT"
expect_status 0
cmp -s first.jsonl trace.jsonl || fail "the same seed gave another trace"
[ -s lanes.png ] || fail "no screenshot"

python3 - <<'PY' || fail "lanes"
import json, sys
trace = [json.loads(l) for l in open("trace.jsonl")]
last = trace[-1]
assert all(t["state"] == 1 for t in trace), "not playing throughout"
assert (last["level"], last["levelInWorld"], last["visibleAreas"]) == (0, 0, 3), last
assert last["camera"] == [0, 0] and last["frogsRemaining"] == 3, last
assert trace[0]["objects"] > 0, "the pre-run left the lanes empty"

early, late, later = (json.load(open(n)) for n in ("early.json", "late.json", "later.json"))
assert (late["columns"], late["rows"]) == (16, 19), (late["columns"], late["rows"])
assert len(late["lanes"]) == 15, len(late["lanes"])
water_rows = sorted({row for _, row in late["waterCells"]})
river_rows = sorted(l["row"] for l in late["lanes"] if l["type"] == 2)
assert water_rows == river_rows == list(range(7, 12)), (water_rows, river_rows)

def survivors(before, after, seconds, speed):
    """Objects of `before` found again in `after`, moved by the lane for `seconds`."""
    return [o for o in before if any(abs(o["x"] + speed * seconds - p["x"]) < 0.05 for p in after)]

spawned = left = 0
for a, b, c in zip(early["lanes"], late["lanes"], later["lanes"]):
    track = (b["row"] - 1) % 6
    assert b["objects"], "lane of row %d is empty" % b["row"]
    assert abs(b["speed"]) == 60 + 20 * track and (b["speed"] < 0) == (track % 2 == 1), b["speed"]
    for o in c["objects"]:
        assert abs(o["y"] - (c["row"] * 75 + 37)) < 1e-3, (c["row"], o)
    # Five turns of 20 ms: every object moved a tenth of a second at its lane's speed, but the
    # one that may have dropped off the far edge.
    assert len(survivors(b["objects"], c["objects"], 0.1, b["speed"])) >= len(b["objects"]) - 1, b
    # Over five seconds the oldest objects leave and new ones come in.
    kept = len(survivors(a["objects"], b["objects"], 5.0, b["speed"]))
    left += len(a["objects"]) - kept
    spawned += len(b["objects"]) - kept
assert spawned > 0 and left > 0, (spawned, left)
print("spawned", spawned, "left", left)
PY
