# The last life runs out with the clock: the death plays while the clock stands, the life goes,
# the game is over and two seconds later the score goes into the high-score table.
source "$(dirname "$0")/harness-lib.bash"
export PYTHONPATH="$SOURCE_DIR/tests/scripts"
python3 -c "
from frog_scenes import *
write_scene([(ROAD, 10, 0), (ROAD, 10, 0), (ROAD, 10, 0)],
            extra=['numFrogLifes 1', 'levelTimeSeconds 3.3', 'messageInterval 2'])"

run_harness "seed 1
focus on
trace trace.jsonl
run 2
key S
run 500"
expect_status 0

python3 - <<'PY' || fail "game over"
from frog_scenes import frames, state_runs
trace = frames()
states = state_runs(trace)
assert states[-7:] == [1, 4, 5, 1, 10, 9, 8], states
dying = [f for f in trace if f["state"] == 4]
assert dying[0]["frog"]["state"] == 13 and dying[0]["levelTime"] < 0
assert dying[0]["message"] == ["Deine Zeit ist abgelaufen!", ""], dying[0]["message"]
last = next(f for f in trace if f["state"] == 1 and f["lives"] == 0)
over = [f for f in trace if f["state"] == 10]
assert over[0]["turn"] == last["turn"] + 1
assert 99 <= len(over) <= 102, len(over)
assert max(f["levelTime"] for f in dying) == min(f["levelTime"] for f in dying), "the clock ran while dying"
PY
exit 0
