# Files that are not what they seem. A FIFO or a device in the place of a file the game reads
# is refused with a log line, never waited on or read for ever; the game starts within seconds
# on its usual fallback. Nothing is written through a link: not one planted at the table's
# temporary name, nor the log; a table that is itself a link is replaced by a file of the
# game's own after a warning, its target untouched.
source "$(dirname "$0")/harness-lib.bash"
export PYTHONPATH="$SOURCE_DIR/tests/scripts"
python3 -c "from highscore_file import write_table
write_table('elsewhere.txt', [(1000 - 90 * i, 'Other%d' % i) for i in range(10)])"
echo "keep me" > target.txt
cp elsewhere.txt elsewhere.old
script="focus on
run 2
key G
run 10
key ESC
run 10"

# Each start must finish within seconds whatever it finds.
run_bounded() {
    printf '%s\n' "$script" > script.txt
    set +e
    timeout 60 "$HARNESS" script.txt > harness.out 2>&1
    STATUS=$?
    set -e
    [ "$STATUS" -ne 124 ] || fail "$1: the start hung"
}

mkfifo data/HighScore.txt
run_bounded "a FIFO as the table"
expect_status 0
grep -qxF "FileUtil: data/HighScore.txt is not a regular file and is not read." debug.txt || fail "FIFO not refused"
[ -p data/HighScore.txt.rejected ] && [ -f data/HighScore.txt ] || fail "the FIFO was not put aside for a new table"
rm data/HighScore.txt*

for device in /dev/zero /dev/urandom; do
    ln -s "$device" data/HighScore.txt
    ln -sf "$device" data/credits.txt
    run_bounded "$device as the table and the credits"
    expect_status 0
    grep -qxF "FileUtil: data/credits.txt is not a regular file and is not read." debug.txt || fail "$device credits"
    [ -f data/HighScore.txt ] && [ ! -L data/HighScore.txt ] || fail "no table of the game's own after $device"
    rm data/HighScore.txt* data/credits.txt
done

# A link planted where the save writes its temporary file, and one in the log's place.
ln -s "$WORK/target.txt" data/HighScore.txt.new
rm -f debug.txt
ln -s "$WORK/target.txt" debug.txt
run_bounded "planted links"
expect_status 0
[ "$(cat target.txt)" = "keep me" ] || fail "written through a planted link"
[ -f debug.txt ] && [ ! -L debug.txt ] || fail "the log is not a file of the game's own"

# A table that is a link: read, then replaced by a regular file, with a warning.
rm data/HighScore.txt
ln -s "$WORK/elsewhere.txt" data/HighScore.txt
run_bounded "a table behind a link"
expect_status 0
cmp -s elsewhere.txt elsewhere.old || fail "the link's target was written"
[ -f data/HighScore.txt ] && [ ! -L data/HighScore.txt ] || fail "the link was not replaced"
cmp -s data/HighScore.txt elsewhere.txt || fail "the table read through the link was not kept"
grep -q "^HighScore: data/HighScore.txt is a link" debug.txt || fail "no warning before replacing the link"

# The configuration as a FIFO: no settings, but no hang either.
rm data/config.txt
mkfifo data/config.txt
run_bounded "a FIFO as the configuration"
grep -qxF "FileUtil: data/config.txt is not a regular file and is not read." debug.txt || fail "config FIFO"
exit 0
