# A data folder the game may not write to, as on a read-only medium: a whole game up to a name
# in the high-score table, which the game shows from memory exactly as a writable folder would
# show it, the table shown once more from the title menu, exit code 0. Each save says once that
# it could not write the table and nothing claims more; the old file stays as it was.
source "$(dirname "$0")/harness-lib.bash"
export PYTHONPATH="$SOURCE_DIR/tests/scripts"
python3 -c "
from frog_scenes import *
from highscore_file import write_table
write_scene([(ROAD, 10, 0)] * 3, goal=(9, 0),
            extra=['numFrogLifes 2', 'numFrogsToGoal 3', 'levelTimeSeconds 5',
                   'inGoalDistance 20', 'scorePerSecLeft 100'])
write_table('data/HighScore.txt', [(100 - 10 * i, 'Old%d' % i) for i in range(10)])"
cp data/HighScore.txt old.txt

# Without replays, which mark their rows of the table where they could be written.
script="seed 3
record off
focus on
trace trace.jsonl
run 20
key S
run 30
key RIGHT
run 840
type Quaggy
char 13
run 20
screenshot table.png
key ESC
run 20
key G
run 20
screenshot again.png
key ESC
run 20
key ESC
run 5"
refused="HighScore: could not write data/HighScore.txt; the table is kept until the next save."
saves=3 # the name entered, and the table left twice

# The same game in a writable folder first: the table it saves and the pictures it shows.
run_harness "$script"
expect_status 0
grep -q '^\*[0-9]*:Quaggy$' data/HighScore.txt || fail "the writable run saved no name: $(cat data/HighScore.txt)"
! grep -qxF "$refused" debug.txt || fail "the writable run could not save"
for file in table.png again.png debug.txt; do mv "$file" "writable-$file"; done
writable_states=$(trace_states)
rm trace.jsonl
cp old.txt data/HighScore.txt

in_read_only data bash -c '! touch data/probe 2>/dev/null' || fail "data/ could not be made read-only"
set +e
in_read_only data "$HARNESS" script.txt > harness.out 2>&1
STATUS=$?
set -e
expect_status 0
cmp -s data/HighScore.txt old.txt || fail "the table on disk changed"
[ "$(trace_states)" = "$writable_states" ] || fail "states $(trace_states), writable: $writable_states"
cmp -s table.png writable-table.png || fail "the table with the name looks other than from a writable folder"
cmp -s again.png writable-again.png || fail "the table shown again lost the name"
[ "$(grep -cxF "$refused" debug.txt)" -eq "$saves" ] || fail "$(grep -cxF "$refused" debug.txt) refused saves logged, not $saves"
# Nothing else speaks of the table or of saving.
others=$(grep -e "^HighScore" -ie "saved" -ie "saving" debug.txt | grep -vxF "$refused" || true)
[ -z "$others" ] || fail "the log says more about the table: $others"
exit 0
