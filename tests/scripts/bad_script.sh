# A malformed script stops before the game starts, names its line and exits with 2.
source "$(dirname "$0")/harness-lib.bash"
run_harness "focus on
run 3
jump 4"
expect_status 2
grep -q "line 3" harness.out || fail "message does not name line 3: $(cat harness.out)"
[ ! -e debug.txt ] || fail "the game started"

# A folder, a FIFO or a device in the place of the script is no script either.
mkfifo fifo.txt
for script in "$WORK" fifo.txt /dev/zero; do
    set +e
    timeout 20 "$HARNESS" "$script" > harness.out 2>&1
    STATUS=$?
    set -e
    expect_status 2
    grep -q "cannot read" harness.out || fail "$script: $(cat harness.out)"
done
[ ! -e debug.txt ] || fail "the game started"
