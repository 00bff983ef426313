# Surfaces lost in the middle of a transition (title menu to level, level to title menu, title
# menu to help, into the showdown) and in the middle of a level: the next turn restores them,
# and a few turns later the pictures are those of the same seeded run without the loss; while a
# slide still runs, the old screen's part of it, gone with the buffers, stays black.
source "$(dirname "$0")/harness-lib.bash"

# @LOSE marks where the second run loses its surfaces; the first run passes there untouched.
scenes="seed 5
focus on
trace trace.jsonl
run 40
key S
run 8
@LOSE
run 4
screenshot to-level-mid.png
run 30
screenshot to-level-after.png
run 100
@LOSE
run 4
screenshot level.png
key ESC
run 6
@LOSE
run 4
screenshot to-title-mid.png
run 30
screenshot to-title-after.png
key H
run 10
@LOSE
run 4
screenshot to-help-mid.png
run 30
screenshot to-help-after.png
level showdown
run 5
@LOSE
run 4
screenshot to-showdown-mid.png
run 30
screenshot to-showdown-after.png"
losses=$(grep -c '^@LOSE$' <<< "$scenes")

run_harness "${scenes//@LOSE/# no loss}"
expect_status 0
mkdir -p kept
mv ./*.png trace.jsonl kept/
run_harness "${scenes//@LOSE/lose-surfaces}"
expect_status 0

restores=$(grep -cxF "Restoring surfaces." debug.txt || true)
[ "$restores" -eq "$losses" ] || fail "$restores restores for $losses losses"
! grep -q "DirectX Error" debug.txt || fail "$(grep 'DirectX Error' debug.txt)"
# The lost frames aside, the game went on as without the losses.
cmp -s <(trace_states kept/trace.jsonl) <(trace_states trace.jsonl) || fail "the losses changed the game"

if [ -n "${SHOTS:-}" ]; then cp ./*.png "$SHOTS"/; mkdir -p "$SHOTS/kept"; cp kept/*.png "$SHOTS/kept/"; fi
export PYTHONPATH="$SOURCE_DIR/tests/scripts"
python3 - <<'PY' || fail "surfaces_transition"
import glob, os
from png_pixels import pixels, differs
names = sorted(os.path.basename(p) for p in glob.glob("kept/*.png"))
assert len(names) == 9, names

def black_or_same(lossless, lost):
    """Pixels that differ are black: the old screen a transition slides away went with the
    lost buffers, and only the new screen is drawn again."""
    return all(b == a or b == (0, 0, 0)
               for row_a, row_b in zip(lossless, lost)
               for a, b in zip(zip(*[iter(row_a)] * 3), zip(*[iter(row_b)] * 3)))

for name in names:
    lossless, lost = pixels("kept/" + name), pixels(name)
    if name.endswith("-mid.png"):
        assert differs(lossless, pixels("kept/" + name.replace("-mid", "-after")), (0, 0, 800, 600)), \
            "%s: the transition was over" % name
        assert black_or_same(lossless, lost), "%s: drawn otherwise after the loss" % name
    else:
        assert not differs(lossless, lost, (0, 0, 800, 600)), "%s: drawn otherwise after the loss" % name
PY
exit 0
