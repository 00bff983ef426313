# The frog hops into a road lane through a gap between the cars, stands there and is run over
# by the next car; the life is lost and the frog starts again at the start.
source "$(dirname "$0")/harness-lib.bash"
export PYTHONPATH="$SOURCE_DIR/tests/scripts"
python3 -c "from frog_scenes import *; write_scene([(ROAD, 120, 0), (ROAD, 10, 0), (RIVER, 40, 0)])"

plan_run 3
# A gap at the frog's column from the press until well after the landing.
WAIT=$(python3 -c "
from frog_scenes import *
print(first_turn('plan.json', 1, lambda at: all(not covers(at(t / 10), FROG_X, -30) for t in range(8))))")

run_harness "seed 3
focus on
trace trace.jsonl
run 2
key S
run 60
run $WAIT
key UP
run 30
screenshot hop.png
run 250"
expect_status 0
[ -n "${SHOTS:-}" ] && cp hop.png "$SHOTS"/frog_hop.png

python3 - <<'PY' || fail "run over"
from frog_scenes import frames
trace = frames()
play = [f for f in trace if "frog" in f and f["state"] in (1, 4, 5)]
hop = [f for f in play if f["frog"]["state"] == 4]
assert hop, "the frog never hopped"
landed = [f for f in play if f["turn"] > hop[-1]["turn"] and f["frog"]["state"] == 1]
assert landed and landed[0]["frog"]["y"] == 112, landed[:1]
hit = [f for f in play if f["frog"]["state"] == 13]
assert hit and hit[0]["frog"]["y"] == 112, "the frog was not run over in its lane"
assert hit[0]["turn"] - landed[0]["turn"] > 5, "hit while hopping, not between the cars"
dying = [f["state"] for f in trace if f["turn"] >= hit[0]["turn"]]
assert dying[0] == 4 and 5 in dying, dying[:5]
again = [f for f in trace if f["turn"] > hit[0]["turn"] and f["state"] == 1]
frog = again[0]["frog"] if again else None
assert frog and again[0]["lives"] == 2 and (frog["state"], frog["x"], frog["y"], frog["ride"]) == (1, 425, 37, None), again[:1]
PY
exit 0
