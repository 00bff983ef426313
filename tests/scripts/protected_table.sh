# The player's own protections hold. Run as an unprivileged user (as root every file is
# writable): a table without write permission is not replaced by the save, which keeps the new
# table in memory and says so. Refused tables are kept aside under numbered names, the newest as
# HighScore.txt.rejected, none overwritten by the next.
source "$(dirname "$0")/harness-lib.bash"
export PYTHONPATH="$SOURCE_DIR/tests/scripts"
python3 -c "from highscore_file import write_table
write_table('data/HighScore.txt', [(1000 - 90 * i, 'Old%d' % i) for i in range(10)])"
script="focus on
run 2
key G
run 10
key ESC
run 10"

# A copy of the harness in the scratch folder, which nobody may reach wherever the build lies.
cp "$HARNESS" ./harness
as_player() {
    if [ "$(id -u)" -eq 0 ]; then
        chown -R nobody "$WORK"
        chmod 755 "$WORK"
        setpriv --reuid=nobody --regid=nogroup --clear-groups "$@"
    else
        "$@"
    fi
}

chmod 444 data/HighScore.txt
cp data/HighScore.txt old.txt
before=$(stat -c %i data/HighScore.txt)
printf '%s\n' "$script" > script.txt
as_player ./harness script.txt > harness.out 2>&1 || fail "exit status $?: $(cat harness.out)"
[ "$(stat -c %i data/HighScore.txt)" = "$before" ] || fail "the protected table was replaced"
cmp -s data/HighScore.txt old.txt || fail "the protected table changed"
grep -qxF "HighScore: could not write data/HighScore.txt; the table is kept until the next save." debug.txt \
    || fail "nothing said about the protected table"

# Three damaged tables in a row: each is kept, the newest under the plain name.
chmod 644 data/HighScore.txt
for damage in one two three; do
    echo "damaged $damage" > data/HighScore.txt
    as_player ./harness script.txt > harness.out 2>&1 || fail "exit status $?: $(cat harness.out)"
done
[ "$(cat data/HighScore.txt.rejected)" = "damaged three" ] || fail "newest: $(cat data/HighScore.txt.rejected)"
[ "$(cat data/HighScore.txt.rejected.1)" = "damaged two" ] || fail "older: $(cat data/HighScore.txt.rejected.1)"
[ "$(cat data/HighScore.txt.rejected.2)" = "damaged one" ] || fail "oldest: $(cat data/HighScore.txt.rejected.2)"
exit 0
