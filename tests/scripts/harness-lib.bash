# Shared by the harness scripts: each runs the real program headless in a scratch folder.
# Usage inside a script: source it, then call `run_harness SCRIPT_TEXT` and the checks below.
# shellcheck shell=bash
set -euo pipefail
HARNESS=$1
PACK=$2
SOURCE_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
WORK=$(mktemp -d)
trap '[ -n "${KEEP_WORK:-}" ] || rm -rf "$WORK"' EXIT
cd "$WORK"
mkdir -p data
# The game's own data as the build drew it; a script may replace any file of it.
cp "$(dirname "$HARNESS")"/data-loose/* data/

fail() { echo "FAIL: $*"; exit 1; }

# Runs the harness on the given script text; leaves its exit code in $STATUS.
run_harness() {
    printf '%s\n' "$1" > script.txt
    set +e
    "$HARNESS" script.txt > harness.out 2>&1
    STATUS=$?
    set -e
}

expect_status() { [ "$STATUS" -eq "$1" ] || fail "exit status $STATUS, expected $1"; }

# The game states of the trace, one per turn, space separated.
trace_states() { grep -o '"ms":[0-9]*,"state":[0-9]*' "${1:-trace.jsonl}" | cut -d: -f3 | tr '\n' ' ' | sed 's/ $//'; }

expect_log_line() { grep -qxF -- "$1" debug.txt || fail "debug.txt lacks the line: $1"; }

# The first run of a planned script: a new game with the given seed, its lanes dumped to
# plan.json after 60 turns, from which the script plans when to press its key.
plan_run() {
    run_harness "seed $1
focus on
run 2
key S
run 60
dump plan.json"
    expect_status 0
}

# Runs "${@:2}" with the folder $1 read-only, for root too, whose writes no file mode stops: a
# read-only bind mount in a private mount namespace of a user namespace of its own; where
# namespaces are not allowed, the folder's mode, and root runs the command as nobody.
in_read_only() {
    local folder=$1
    shift
    if unshare -rm true 2>/dev/null; then
        unshare -rm bash -c 'mount --bind "$1" "$1" && mount -o remount,bind,ro "$1" && shift && exec "$@"' \
            bash "$folder" "$@"
        return
    fi
    local status=0
    chmod a-w "$folder"
    if [ "$(id -u)" -ne 0 ]; then
        "$@" || status=$?
    else
        chmod a+rwx .
        setpriv --reuid=65534 --regid=65534 --clear-groups "$@" || status=$?
    fi
    chmod u+w "$folder"
    return "$status"
}

# One life and a tight clock: a game the autoplayer scores in and then loses to the clock, up to
# the high-score table, traced into game.jsonl; the commands given follow it.
play_short_game() {
    sed -i 's/^numFrogLifes .*/numFrogLifes 1/; s/^levelTimeSeconds .*/levelTimeSeconds 10.5/' data/config.txt
    run_harness "seed 3
focus on
run 2
key S
autoplay on
trace game.jsonl
run 1400
$1"
}
