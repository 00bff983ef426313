# Frogs home: the goal stands one step right of the start. Three frogs to a level: the first two
# start again with the lanes sped up, the third advances the level, and the clock stands while
# a frog celebrates. Five levels make a group; its showdown lasts fifteen seconds, leaves at
# least three lives, and the game goes on at the next level from the bottom of the world.
source "$(dirname "$0")/harness-lib.bash"
export PYTHONPATH="$SOURCE_DIR/tests/scripts"
python3 -c "
from frog_scenes import *
write_scene([(ROAD, 10, 0)] * 7, goal=(9, 0),
            extra=['numFrogsToGoal 3', 'numFrogLifes 1', 'numAreas 7', 'inGoalDistance 20',
                   'frogSpeedFactor01 1.5', 'frogSpeedFactor02 2', 'waitBeforeScrollUpEndLevel 1',
                   'frogPosShowDownPixX 400', 'frogPosShowDownPixY 500',
                   'messageInterval 2'])"

# A frog home: step right, then wait for the finish and the next frog.
HOME="key RIGHT
run 90"
LEVEL="$HOME
$HOME
$HOME"
run_harness "seed 4
focus on
trace trace.jsonl
run 2
key S
run 20
$HOME
dump first.json
$HOME
$HOME
dump next.json
$LEVEL
$LEVEL
$LEVEL
$LEVEL
run 1000
screenshot after.png"
expect_status 0
[ -n "${SHOTS:-}" ] && cp after.png "$SHOTS"/after_showdown.png

python3 - <<'PY' || fail "goal"
import json
from frog_scenes import frames, state_runs
trace = frames()
play = [f for f in trace if "frog" in f]
home = [f for f in play if f["frog"]["state"] in (15, 16)]
assert home, "no frog ever reached the goal"
for f, g in zip(home, home[1:]):
    if g["turn"] == f["turn"] + 1 and g["level"] == f["level"]:
        assert g["levelTime"] == f["levelTime"], "the clock ran at the goal"
remaining = []
for f in play:
    if f["state"] == 1 and (not remaining or remaining[-1] != (f["level"], f["frogsRemaining"])):
        remaining.append((f["level"], f["frogsRemaining"]))
done = next(f for f in play if f["state"] == 1 and f["frogsRemaining"] == 0)
assert done["message"] and done["message"][0] == "Level geschafft!", done["message"]
assert remaining[:5] == [(0, 3), (0, 2), (0, 1), (0, 0), (1, 3)], remaining[:6]
first, after = json.load(open("first.json")), json.load(open("next.json"))
assert first["lanes"][0]["speed"] == 15 and after["lanes"][0]["speed"] == 10, \
    (first["lanes"][0]["speed"], after["lanes"][0]["speed"])
states = state_runs(trace)
assert 2 in states and 12 in states, states
intro = next(f for f in trace if f["state"] == 2)
assert intro["level"] == 5 and intro["lives"] == 3 and intro["levelInWorld"] == 6, intro
show = [f for f in trace if f["state"] == 12]
assert 750 <= len(show) <= 752, len(show)
assert show[0]["frog"]["state"] == 27 and (show[0]["frog"]["x"], show[0]["frog"]["y"]) == (400, 500)
back = next(f for f in trace if f["turn"] == show[-1]["turn"] + 1)
assert back["state"] == 1 and back["levelInWorld"] == 0 and back["visibleAreas"] == 4, back
PY
exit 0
