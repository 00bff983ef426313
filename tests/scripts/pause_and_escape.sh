# A pause during a frog's death holds the death where it stands and lets it go on afterwards.
# A group of levels done with five lives keeps five; Escape during the showdown leaves the game,
# and the next game starts again at the first level.
source "$(dirname "$0")/harness-lib.bash"
export PYTHONPATH="$SOURCE_DIR/tests/scripts"
python3 -c "
from frog_scenes import *
write_scene([(ROAD, 10, 0)] * 7, goal=(9, 0),
            extra=['numFrogLifes 5', 'numAreas 7', 'inGoalDistance 20', 'levelTimeSeconds 1',
                   'waitBeforeScrollUpEndLevel 1', 'frogPosShowDownPixX 400',
                   'frogPosShowDownPixY 500'])"

run_harness "seed 6
focus on
trace trace.jsonl
run 2
key S
run 62
key P
run 40
key P
run 100"
expect_status 0
mv trace.jsonl pause.jsonl

# A second configuration: time enough, one frog a level.
python3 -c "
from frog_scenes import *
write_scene([(ROAD, 10, 0)] * 7, goal=(9, 0),
            extra=['numFrogLifes 5', 'numAreas 7', 'inGoalDistance 20', 'numFrogsToGoal 1',
                   'waitBeforeScrollUpEndLevel 1', 'frogPosShowDownPixX 400',
                   'frogPosShowDownPixY 500'])"
HOME="key RIGHT
run 90"
run_harness "seed 6
focus on
trace trace.jsonl
run 2
key S
run 20
$HOME
$HOME
$HOME
$HOME
$HOME
run 200
key ESC
run 10
key S
run 10"
expect_status 0

python3 - <<'PY' || fail "pause and escape"
from frog_scenes import frames, state_runs
trace = frames("pause.jsonl")
states = state_runs(trace)
assert states[:6] == [11, 1, 4, 7, 4, 5], states
paused = [f for f in trace if f["state"] == 7]
held = {f["frog"]["stateTime"] for f in paused}
assert len(held) == 1 and {f["levelTime"] for f in paused} == {paused[0]["levelTime"]}, held
resumed = next(f for f in trace if f["turn"] == paused[-1]["turn"] + 1)
assert abs(resumed["frog"]["stateTime"] - (held.pop() + 0.02)) < 1e-4, resumed["frog"]

trace = frames()
show = [f for f in trace if f["state"] == 12]
assert show and show[0]["lives"] == 5, show[:1]
left = next(f for f in trace if f["turn"] > show[-1]["turn"])
assert left["state"] == 11, left
again = [f for f in trace if f["state"] == 1 and f["turn"] > left["turn"]]
assert again and (again[0]["level"], again[0]["levelInWorld"], again[0]["lives"],
                  again[0]["frogsRemaining"], again[0]["visibleAreas"]) == (0, 0, 5, 1, 3), again[:1]
PY
exit 0
