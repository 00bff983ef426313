# A whole game from start-up: the preload, the title menu, one frog home, every life lost to the
# clock, the name typed into the high-score table and saved, the table shown, Escape to the
# title menu and Escape out. A second start finds the saved table valid and shows the name.
source "$(dirname "$0")/harness-lib.bash"
export PYTHONPATH="$SOURCE_DIR/tests/scripts"
python3 -c "
from frog_scenes import *
write_scene([(ROAD, 10, 0)] * 3, goal=(9, 0),
            extra=['numFrogLifes 2', 'numFrogsToGoal 3', 'levelTimeSeconds 5',
                   'inGoalDistance 20', 'scorePerSecLeft 100'])"

run_harness "seed 3
screenshot preload.png
focus on
trace trace.jsonl
run 20
screenshot title.png
key S
run 30
key RIGHT
run 40
screenshot home.png
run 800
screenshot name.png
type Quaggy
char 13
run 20
screenshot table.png
key ESC
run 20
key ESC
run 5"
expect_status 0

python3 - <<'PY' || fail "playthrough"
from frog_scenes import frames, state_runs
trace = frames()
states = state_runs(trace)
# Title, play, two deaths by the clock (the last with one more frame of play), game over, the
# name, the table, the title again.
assert states == [11, 1, 4, 5, 1, 4, 5, 1, 10, 9, 8, 11], states
home = next(f for f in trace if f["state"] == 1 and f["score"] > 0)
assert home["score"] >= 300, home["score"]
PY
grep -q '^\*[0-9]*:Quaggy$' data/HighScore.txt || fail "the name was not saved: $(cat data/HighScore.txt)"
score=$(grep -o '^\*[0-9]*:Quaggy$' data/HighScore.txt | tr -dc 0-9)

run_harness "focus on
run 5
key G
run 30
screenshot again.png
key ESC
run 5
key ESC
run 2"
expect_status 0
! grep -q "You cheated" debug.txt || fail "the saved table was refused"
[ ! -e data/HighScore.txt.rejected ] || fail "the saved table was kept aside"
grep -q "^\*$score:Quaggy$" data/HighScore.txt || fail "the table lost the name: $(cat data/HighScore.txt)"
if [ -n "${SHOTS:-}" ]; then cp preload.png title.png home.png name.png table.png again.png "$SHOTS"/; fi
exit 0
