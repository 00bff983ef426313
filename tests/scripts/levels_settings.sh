# Every level of the shipped configuration, and the first showdown, started with `level N`:
# no setting is missing, each level has the areas, clock and lanes its number calls for, every
# lane carries objects at its configured speed and direction, the first level stays gentle, and
# levels above 14 run their lanes faster by a quarter a level.
source "$(dirname "$0")/harness-lib.bash"

LEVELS="0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15"
SCRIPT="seed 11
focus on
run 2
trace trace.jsonl"
for n in $LEVELS showdown; do
    SCRIPT="$SCRIPT
level $n
run 60
dump start_$n.json
screenshot level_$n.png
run 240
dump late_$n.json"
done
run_harness "$SCRIPT"
expect_status 0
if [ -n "${SHOTS:-}" ]; then cp level_*.png "$SHOTS"/; fi

! grep -F "Could not find setting" debug.txt || fail "settings missing from config.txt"

python3 - $LEVELS <<'PY' || fail "levels"
import json, sys

levels = [int(n) for n in sys.argv[1:]]
config = {}
for line in open("data/config.txt"):
    words = line.split()
    if words and not line.startswith("#"):
        config.setdefault(words[0].lower(), words[1] if len(words) > 1 else "")
def setting(key):
    return float(config[key.lower()])

# Areas and seconds by level, as (first level above the row, areas, seconds).
TABLE = [(5, 3, setting("levelTimeSeconds")), (9, 4, 135), (12, 5, 180), (14, 6, 225), (10**9, 7, 270)]
def visible(n):
    return next(a for last, a, s in TABLE if n < last)
def in_world(n):
    """Index of level n within its group: a group ends when the next level would need more than 7 areas."""
    index = 0
    for level in range(n):
        index += 1
        if visible(level) + index > 7:
            index = 0
    return index

trace = [json.loads(l) for l in open("trace.jsonl")]
turns_per_level = 300
for i, n in enumerate(levels):
    part = trace[i * turns_per_level:(i + 1) * turns_per_level]
    areas, seconds, first_area = visible(n), next(s for last, a, s in TABLE if n < last), in_world(n)
    first = part[0]
    assert all(f["state"] == 1 for f in part), "level %d: not playing throughout" % n
    assert (first["level"], first["visibleAreas"], first["levelInWorld"]) == (n, areas, first_area), (n, first)
    assert abs(first["levelTime"] - seconds) < 0.5, (n, first["levelTime"], seconds)
    assert first["lives"] == setting("numFrogLifes"), first
    extra = (n - 14) * 0.25 + 1 if n > 14 else 1.0
    factor = (setting("frogSpeedFactor00") if n > 0 else 1.0) * extra

    for name in ("start_%d.json" % n, "late_%d.json" % n):
        dump = json.load(open(name))
        lanes = dump["lanes"]
        assert len(lanes) == 5 * areas, (name, len(lanes))
        for lane in lanes:
            a, t = lane["area"], (lane["row"] - 1) % 6
            assert first_area <= a < first_area + areas, (name, a)
            where = "%s area %d lane %d" % (name, a, t)
            assert lane["objects"], where + " is empty"
            road = lane["type"] != 2
            assert all((o["type"] <= 7) == road for o in lane["objects"]), where + " carries the wrong kind"
            speed = setting("trackSpeed_%02d_%02d" % (a, t)) * factor
            if setting("direction_%02d_%02d" % (a, t)):
                speed = -speed
            assert abs(lane["speed"] - speed) < 0.01 * abs(speed), (where, lane["speed"], speed)
            if a <= 3:
                assert lane["piranha"] is None, where + " has a piranha below area 4"
        if n == 0:
            objects = [o for lane in lanes for o in lane["objects"]]
            assert not [o for o in objects if o["type"] >= 12], name + ": boxes on the first level"
            # A newcomer's roads: cars follow far enough apart that most gaps last longer
            # than two hops in and out, 2 s at the lane's speed.
            gaps = []
            for lane in (l for l in lanes if l["type"] != 2):
                xs = sorted(lane["objects"], key=lambda o: o["x"])
                gaps += [(b["x"] - b["width"] / 2 - a["x"] - a["width"] / 2) / abs(lane["speed"])
                         for a, b in zip(xs, xs[1:])]
            assert gaps and sorted(gaps)[len(gaps) // 2] >= 2.0, (name, sorted(gaps))

# Level 15 is level 14's world a quarter faster.
fast, base = json.load(open("start_15.json")), json.load(open("start_14.json"))
for f, b in zip(fast["lanes"], base["lanes"]):
    assert abs(f["speed"] - 1.25 * b["speed"]) < 0.01 * abs(f["speed"]), (f["speed"], b["speed"])

showdown = trace[len(levels) * turns_per_level:]
states = [f["state"] for f in showdown[1:]]
assert states[0] == 2 and 12 in states, states[:5]
assert showdown[-1]["objects"] == 0 and showdown[-1]["levelInWorld"] == 6, showdown[-1]
assert not json.load(open("late_showdown.json"))["lanes"], "lanes at the showdown"
print("levels", levels[0], "to", levels[-1], "and the showdown")
PY

# A level number that is not one stops the script before the game starts.
run_harness "focus on
level first"
expect_status 2
grep -q "line 2" harness.out || fail "message does not name line 2: $(cat harness.out)"
