# The high-score table survives a kill -9 at any moment: the game saves it when the player
# leaves the table, and whenever the game dies, HighScore.txt is the old table or the new one,
# always with a valid checksum.
source "$(dirname "$0")/harness-lib.bash"
export PYTHONPATH="$SOURCE_DIR/tests/scripts"
python3 -c "from highscore_file import write_table
write_table('data/HighScore.txt', [(1000 - 90 * i, 'Kr\xf6te%d' % i) for i in range(10)])"
cp data/HighScore.txt old.txt

# The table shown and left again and again: each leaving saves it.
script="focus on
run 2"
for _ in $(seq 40); do script="$script
key G
run 10
key ESC
run 10"; done
printf '%s\n' "$script" > script.txt

"$HARNESS" script.txt > /dev/null 2>&1 || fail "the undisturbed run failed"
cmp -s data/HighScore.txt old.txt || fail "leaving the table changed it"
grep -q "^Exiting.$" debug.txt || fail "no orderly end"

for delay in 1.5 2.3 3.1 3.7 4.4 5.2 6.0 7.5; do
    "$HARNESS" script.txt > /dev/null 2>&1 &
    pid=$!
    sleep "$delay"
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    python3 -c "
from highscore_file import entries_if_valid
entries = entries_if_valid('data/HighScore.txt')
assert entries and entries[0] == (1000, 'Kr\xf6te0') and len(entries) == 10, entries" \
        || fail "killed after $delay s: $(cat data/HighScore.txt)"
done
exit 0
