# The frog hops onto a trunk, drifts with it and steps along it to the right until it steps off
# its end into the water, where it drowns.
source "$(dirname "$0")/harness-lib.bash"
export PYTHONPATH="$SOURCE_DIR/tests/scripts"
python3 -c "from frog_scenes import *; write_scene([(RIVER, 40, 0), (ROAD, 10, 0), (ROAD, 10, 0)])"

plan_run 2
# A trunk under the frog's landing, with its left end just passed.
WAIT=$(python3 -c "
from frog_scenes import *
def fits(at):
    under = covers(at(HOP_LOOK_AHEAD), FROG_X, 30)
    return bool(under) and under[0][0] == 8 and under[0][1] > FROG_X + 40
print(first_turn('plan.json', 1, fits))")

STEPS=""
for _ in 1 2 3 4 5 6 7; do STEPS="$STEPS
key RIGHT
run 30"; done
run_harness "seed 2
focus on
trace trace.jsonl
run 2
key S
run 60
run $WAIT
key UP
run 40
screenshot riding.png
$STEPS
run 150"
expect_status 0
[ -n "${SHOTS:-}" ] && cp riding.png "$SHOTS"/frog_riding.png

python3 - <<'PY' || fail "trunk"
from frog_scenes import frames
trace = [f for f in frames() if "frog" in f and f["state"] in (1, 4)]
riding = [f for f in trace if f["frog"]["ride"] and f["frog"]["ride"]["type"] == 8]
assert len(riding) > 50, "the frog never rode a trunk"
assert riding[0]["frog"]["y"] == 112
xs = [f["frog"]["x"] for f in riding]
assert max(xs) - min(xs) > 80, "the frog neither drifted nor stepped along the trunk"
drowned = [f for f in trace if f["frog"]["state"] == 14]
assert drowned, "the frog never drowned"
assert drowned[0]["turn"] > riding[-1]["turn"] and drowned[0]["frog"]["ride"] is None
assert drowned[0]["state"] == 4, "the game did not show the death"
PY
exit 0
