# The frog boards a truck's rear platform from below and picks up its star, then rocket-jumps
# off the truck over the grass into the next lane; a second frog stays aboard until the truck
# kills it.
source "$(dirname "$0")/harness-lib.bash"
export PYTHONPATH="$SOURCE_DIR/tests/scripts"
python3 -c "from frog_scenes import *; write_scene([(ROAD, 60, 100), (ROAD, 10, 0), (RIVER, 10, 0)])"

plan_run 5
# The landing on the truck's rear half, well behind its cab.
WAIT=$(python3 -c "
from frog_scenes import *
def fits(at):
    now = [o for o in covers(at(0), FROG_X) if o[1] <= FROG_X]
    later = [o for o in covers(at(HOP_LOOK_AHEAD), FROG_X, 20) if o[1] > FROG_X + 20]
    return not now and bool(later)
print(first_turn('plan.json', 1, fits))")

run_harness "seed 5
focus on
trace trace.jsonl
run 2
key S
run 60
run $WAIT
key UP
run 40
screenshot aboard.png
key UP
run 12
screenshot rocket.png
run 60"
expect_status 0
mv trace.jsonl jump.jsonl
[ -n "${SHOTS:-}" ] && cp aboard.png rocket.png "$SHOTS"/

run_harness "seed 5
focus on
trace trace.jsonl
run 2
key S
run 60
run $WAIT
key UP
run 400"
expect_status 0

python3 - <<'PY' || fail "truck"
from frog_scenes import frames
jump = [f for f in frames("jump.jsonl") if "frog" in f]
board = [f for f in jump if f["frog"]["state"] == 7]
assert board, "the frog never jumped onto the truck"
aboard = [f for f in jump if f["frog"]["ride"] and 3 <= f["frog"]["ride"]["type"] <= 7]
assert aboard and aboard[0]["frog"]["y"] == 37 + 85, aboard[:1]
assert aboard[0]["score"] == 100, "the star was not collected"
rocket = [f for f in jump if f["frog"]["state"] == 9]
assert rocket and rocket[0]["frog"]["ride"] is None, "no rocket jump off the truck"
last = jump[-1]["frog"]
assert last["state"] == 1 and last["y"] == 37 + 85 + 140, last
assert all(f["state"] == 1 for f in jump[-50:]), "the frog did not survive its landing"

stay = [f for f in frames() if "frog" in f]
kill = [f for f in stay if 17 <= f["frog"]["state"] <= 21]
assert kill, "the truck never killed the frog"
ride_start = next(f for f in stay if f["frog"]["ride"])
assert 2.9 <= (kill[0]["ms"] - ride_start["ms"]) / 1000 <= 3.2, "killed after the truck's time"
assert kill[0]["state"] == 4
lost = [f for f in stay if f["state"] == 5]
assert lost, "the death never ended"
assert any(f["state"] == 1 and f["lives"] == 2 for f in stay if f["turn"] > lost[0]["turn"])
PY
exit 0
