# The autoplayer plays the shipped first level through the keyboard's entry points: with seed 1
# it brings a frog home without losing a life, and the same seed gives the same game twice.
source "$(dirname "$0")/harness-lib.bash"
script="seed 1
focus on
run 2
level 0
autoplay on
trace trace.jsonl
run 1500"
run_harness "$script"
expect_status 0
mv trace.jsonl first.jsonl
run_harness "$script"
expect_status 0
cmp -s first.jsonl trace.jsonl || fail "the same seed played two different games"

export PYTHONPATH="$SOURCE_DIR/tests/scripts"
python3 - <<'PY' || fail "autoplay"
from frog_scenes import frames
trace = frames()
home = next((f for f in trace if f["frogsRemaining"] < 3), None)
assert home, "no frog home in 30 seconds: the frog ended at %s" % trace[-1]["frog"]
assert home["lives"] == 5 and home["level"] == 0, home
moves = {f["frog"]["state"] for f in trace}
assert {2, 3, 4} & moves and 4 in moves, sorted(moves)
PY
exit 0
