# The title menu under the pointer: a press clicks, a release on the button acts, moving off
# before the release does nothing; the button's left edge is outside it; the pointer changes
# while the button is held. The credits scroll from the top each time they are entered.
source "$(dirname "$0")/harness-lib.bash"
run_harness "focus on
trace trace.jsonl
run 60
mouse 72 540
down 72 540
run 2
mouse 300 300
up 300 300
run 10
down 71 540
up 71 540
run 10
down 623 200
up 623 200
run 5
down 624 200
up 624 200
run 5
mouse 100 540
run 2
screenshot free.png
down 100 540
run 2
screenshot held.png
up 72 540
run 5"
expect_status 0
[ -n "${SHOTS:-}" ] && cp free.png held.png "$SHOTS"/

export PYTHONPATH="$SOURCE_DIR/tests/scripts"
python3 - <<'PY' || fail "title menu"
from frog_scenes import frames
from png_pixels import pixels, differs
trace = frames()
click = "soundmenubuttonclick"
first = [f for f in trace if f["turn"] in (61, 62)]
assert all(click in f["sounds"] for f in first), [f["sounds"] for f in first]
# Until the last release, on the start button's first column (turn 97), the title menu stays.
assert all(f["state"] == 11 for f in trace if f["turn"] < 97), sorted({f["state"] for f in trace})
assert trace[96]["state"] == 1, trace[96]["state"]
edge = [f for f in trace if 73 <= f["turn"] <= 82]
assert not any(click in f["sounds"] for f in edge), "x = 71 clicked"
assert all(f["shadows"] for f in trace if f["turn"] <= 87), "x = 623 switched the shadows"
assert not trace[88]["shadows"], "x = 624 did not switch the shadows off"
free, held = pixels("free.png"), pixels("held.png")
assert differs(free, held, (85, 535, 130, 580)), "the pointer did not change while held"
PY

# The credits (from the help screen), left for the title menu and entered again, start over
# from the top.
run_harness "focus on
run 60
key H
run 30
click 300 540
run 300
screenshot late.png
click 400 540
run 30
key H
run 30
click 300 540
run 30
screenshot first.png
click 400 540
run 30
click 300 540
run 30
click 300 540
run 30
screenshot again.png"
expect_status 0
[ -n "${SHOTS:-}" ] && cp late.png first.png again.png "$SHOTS"/
python3 - <<'PY' || fail "credits"
from png_pixels import pixels, differs
late, first, again = (pixels(n) for n in ("late.png", "first.png", "again.png"))
assert differs(late, first, (0, 0, 800, 500)), "the credits did not scroll"
assert not differs(first, again, (0, 0, 800, 500)), "the credits did not start from the top"
PY
exit 0
