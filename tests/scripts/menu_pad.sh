# A controller through the menus and into play: the first push of the d-pad shows the highlight
# on Start, the next moves it to Help, A opens the help screen; there A (after its first push
# shows Back) returns to the title menu; A on Start starts a game, where the d-pad hops.
source "$(dirname "$0")/harness-lib.bash"
# Seeded, so that no car stands where the frog hops.
run_harness "seed 1
focus on
trace trace.jsonl
run 60
key PADRIGHT
run 2
screenshot start.png
key PADRIGHT
run 2
screenshot help.png
key PADA
run 40
key PADA
run 2
key PADA
run 40
key PADLEFT
run 2
key PADA
run 60
key PADUP
run 10"
expect_status 0
[ -n "${SHOTS:-}" ] && cp start.png help.png "$SHOTS"/

export PYTHONPATH="$SOURCE_DIR/tests/scripts"
python3 - <<'PY' || fail "menus by pad"
from frog_scenes import frames, state_runs
from png_pixels import pixels, differs
trace = frames()
assert state_runs(trace) == [11, 6, 11, 1], state_runs(trace)
click = [f["turn"] for f in trace if "soundmenubuttonclick" in f["sounds"]]
assert click and click[0] > 64, click
start, help_ = pixels("start.png"), pixels("help.png")
assert differs(start, help_, (71, 512, 204, 571)), "the highlight did not leave Start"
assert differs(start, help_, (228, 512, 340, 571)), "the highlight did not reach Help"
play = [f for f in trace if f["state"] == 1]
assert play[-1]["frog"]["y"] > play[0]["frog"]["y"] or play[-1]["frog"]["state"] != play[0]["frog"]["state"], \
    (play[0]["frog"], play[-1]["frog"])
PY
exit 0
