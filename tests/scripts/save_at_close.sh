# A game closed while the player types the name of a new high score keeps the entry, with the
# name as far as it was typed: the shutdown saves a table that changed. A game that entered
# nothing leaves the file as it was.
source "$(dirname "$0")/harness-lib.bash"
export PYTHONPATH="$SOURCE_DIR/tests/scripts"
python3 -c "
from frog_scenes import *
from highscore_file import write_table
write_scene([(ROAD, 10, 0)] * 3, extra=['numFrogLifes 1', 'levelTimeSeconds 3.3', 'messageInterval 2'])
write_table('data/HighScore.txt', [(-10 * (i + 1), 'Old%d' % i) for i in range(10)])"
cp data/HighScore.txt old.txt

run_harness "focus on
run 2
key G
run 10
close
run 5"
expect_status 0
cmp -s data/HighScore.txt old.txt || fail "a game that entered nothing changed the table"

run_harness "seed 1
focus on
run 2
key S
run 500
type Zed
close
run 5"
expect_status 0
python3 - <<'PY' || fail "the new entry was lost: $(cat data/HighScore.txt)"
from highscore_file import entries_if_valid
entries = entries_if_valid("data/HighScore.txt")
assert entries is not None and entries[0] == (0, "Zed"), entries
PY
exit 0
