# A table that cannot be saved (HighScore.txt.new taken by a folder, as on a full or read-only
# disk; the tests may run as root, where a read-only folder is no obstacle) stays in memory:
# the game says so once per save, plays on, and the old file is untouched.
source "$(dirname "$0")/harness-lib.bash"
export PYTHONPATH="$SOURCE_DIR/tests/scripts"
python3 -c "from highscore_file import write_table
write_table('data/HighScore.txt', [(1000 - 90 * i, 'Old%d' % i) for i in range(10)])"
cp data/HighScore.txt old.txt
mkdir data/HighScore.txt.new
run_harness "focus on
trace trace.jsonl
run 2
key G
run 10
key ESC
run 10
key S
run 20"
expect_status 0
cmp -s data/HighScore.txt old.txt || fail "the old table changed"
grep -q "^HighScore: could not write" debug.txt || fail "nothing said about the refused save"
python3 - <<'PY' || fail "the game did not play on"
from frog_scenes import frames, state_runs
assert state_runs(frames()) == [11, 8, 11, 1], state_runs(frames())
PY
exit 0
