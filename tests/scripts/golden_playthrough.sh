# The golden playthrough: from the title menu the autoplayer plays the shipped game with a fixed
# seed through the first group of levels and its showdown into the next level. The trace must
# show every level of the group cleared, the showdown, no game over and a score that counts the
# levels done; the opening forty seconds played again give the same trace.
# SHOTS=DIR keeps the title, the first level, the showdown and the level after it.
source "$(dirname "$0")/harness-lib.bash"
export PYTHONPATH="$SOURCE_DIR/tests/scripts"

# S comes two turns into the title menu and the trace starts in the game: the title menu's
# own world is not the same twice, so its turns are left out of the comparison. A screenshot every
# ten seconds of play; the check below keeps those worth looking at.
play() {
    local script="seed 11
focus on
run 2
screenshot title.png
key S
run 20
trace trace.jsonl
autoplay on"
    for i in $(seq 1 "$1"); do
        script="$script
run 500
screenshot shot_$i.png"
    done
    run_harness "$script"
}

play 32
expect_status 0
mv trace.jsonl golden.jsonl

python3 - <<'PY' || fail "golden playthrough"
import shutil
from frog_scenes import frames, state_runs
trace = frames("golden.jsonl")
states = state_runs(trace)
assert states[0] == 1, states[:6]
assert 10 not in states, "game over in the first group: %s" % states
# Playing (with deaths in between), then the showdown's intro and the showdown, then play again.
assert 2 in states and 12 in states, "no showdown: %s" % states
showdown = next(f for f in trace if f["state"] == 12)
after = next(f for f in trace if f["turn"] > showdown["turn"] and f["state"] == 1)
levels = sorted({f["level"] for f in trace if f["state"] == 1})
assert levels[:6] == [0, 1, 2, 3, 4, 5], levels
assert after["level"] == 5 and after["levelInWorld"] == 0, after
# Five levels done are 5000 points of level bonus alone, before the clock's bonus.
assert showdown["score"] >= 5000, showdown["score"]

# Keep one picture of each stage: the first in the level, in the showdown, in the next level.
def shot_in(test):
    for i in range(1, 33):
        turn = 23 + 500 * i
        frame = next((f for f in trace if f["turn"] >= turn), None)
        if frame and test(frame):
            return "shot_%d.png" % i
    return None
kept = {"level0.png": shot_in(lambda f: f["state"] == 1 and f["level"] == 0),
        "showdown.png": shot_in(lambda f: f["state"] == 12),
        "level5.png": shot_in(lambda f: f["state"] == 1 and f["level"] == 5)}
assert all(kept.values()), kept
for name, shot in kept.items():
    shutil.copy(shot, "golden_" + name)
PY

# The same seed plays the same game: the opening forty seconds again, from the title menu.
play 4
expect_status 0
head -n "$(wc -l < trace.jsonl)" golden.jsonl | cmp -s - trace.jsonl || fail "the same seed played two different games"

if [ -n "${SHOTS:-}" ]; then cp title.png golden_level0.png golden_showdown.png golden_level5.png "$SHOTS"/; fi
exit 0
