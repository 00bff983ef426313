# The whole game for 200 000 turns under AddressSanitizer with leak checking: the autoplayer
# and random keys, clicks and focus changes through the menus, pauses, deaths, game over, name
# entry, credits and a showdown. Every state must come up, no sanitizer may speak, and resident
# memory must stay flat once the preload is done.
source "$(dirname "$0")/../scripts/harness-lib.bash"
# A small quarantine fills within the first turns, so that what grows later is the game's own.
export ASAN_OPTIONS=detect_leaks=1:quarantine_size_mb=16
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
TURNS=${SOAK_TURNS:-200000}
SHOWDOWN_TURNS=1200
# The autoplayer rarely dies. On level 5 it first scores enough for the table; then, left alone,
# the frog loses its five lives of 135 s each to the clock.
SCORING_TURNS=3000
GAME_OVER_TURNS=$(( SCORING_TURNS + 5 * (135 * 50 + 150) + 1000 ))
FIRST_HALF=$(( (TURNS - SHOWDOWN_TURNS - GAME_OVER_TURNS) / 2 ))
SECOND_HALF=$(( TURNS - SHOWDOWN_TURNS - GAME_OVER_TURNS - FIRST_HALF ))
# The leak the memory check must catch: a few KB a turn would be hundreds of MB by the end.
RSS_ALLOWANCE_KB=${SOAK_RSS_ALLOWANCE_KB:-24576}
SAMPLE_SECONDS=5
# The game reads its data from the container, as shipped.
"$PACK" data Quagleaper.dat > pack.out 2>&1 || fail "pack failed: $(cat pack.out)"
mv Quagleaper.dat data/

# The showdown and a game on a late level run without random input, so that no stray Escape
# cuts them short: the one ends in the next group of levels, the other in a game over, whose
# name the random input then types.
printf '%s\n' "seed 20261208
focus on
trace trace.jsonl
autoplay on
random-input on
run $FIRST_HALF
random-input off
level showdown
run $SHOWDOWN_TURNS
level 5
run $SCORING_TURNS
autoplay off
run $(( GAME_OVER_TURNS - SCORING_TURNS ))
autoplay on
random-input on
run $SECOND_HALF" > script.txt

start=$(date +%s)
nice "$HARNESS" script.txt > harness.out 2>&1 &
pid=$!
# Seconds since the start, the last turn traced and VmRSS in kB, every few seconds.
: > rss.txt
while kill -0 "$pid" 2> /dev/null; do
    rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status" 2> /dev/null || true)
    turn=$(tail -c 2000 trace.jsonl 2> /dev/null | grep -o '"turn":[0-9]*' | tail -n 1 | cut -d: -f2 || true)
    [ -n "$rss" ] && echo "$(( $(date +%s) - start )) ${turn:-0} $rss" >> rss.txt
    sleep "$SAMPLE_SECONDS"
done
set +e
wait "$pid"
STATUS=$?
set -e
seconds=$(( $(date +%s) - start ))
if [ -n "${SOAK_KEEP:-}" ]; then cp rss.txt harness.out debug.txt "$SOAK_KEEP"/; fi

! grep -qE "ERROR: AddressSanitizer|ERROR: LeakSanitizer|runtime error:" harness.out \
    || fail "sanitizer: $(grep -m5 -E 'ERROR|runtime error|#[0-9] ' harness.out)"
expect_status 0
last=$(tail -n 1 trace.jsonl | grep -o '"turn":[0-9]*' | cut -d: -f2)
# The turn after the last one of the script carries the quit.
[ "$last" -eq $(( TURNS + 1 )) ] || fail "the run ended at turn $last of $TURNS"
# A name was entered and the table saved.
[ -s data/HighScore.txt ] || fail "no high-score table was saved"
echo "soak: high scores: $(grep '^\*' data/HighScore.txt | tr '\n' ' ')"
echo "soak: $TURNS turns in $seconds s ($(( TURNS / (seconds > 0 ? seconds : 1) )) turns/s)"

python3 - "$TURNS" "$RSS_ALLOWANCE_KB" <<'PY' || fail "soak"
import json, sys
turns, allowance = int(sys.argv[1]), int(sys.argv[2])
names = {1: "Playing", 2: "ShowdownIntro", 4: "FrogDying", 5: "LifeLost", 6: "Help", 7: "Paused",
         8: "HighScores", 9: "SubmitScore", 10: "GameOver", 11: "TitleMenu", 12: "Showdown",
         13: "Credits"}
seen, counts, focusless = {}, {}, 0
with open("trace.jsonl") as trace:
    for line in trace:
        state = json.loads(line)["state"]
        counts[state] = counts.get(state, 0) + 1
print("soak: turns per state:", ", ".join("%s %d" % (names.get(s, s), n) for s, n in sorted(counts.items())))
missing = [name for state, name in names.items() if state not in counts]
assert not missing, "states never visited: %s" % missing

# After the preload the trace has begun; the last quarter of the run may not rise above that
# first sample by more than the allowance.
samples = [tuple(map(int, line.split())) for line in open("rss.txt")]
after = [s for s in samples if s[1] > 0]
assert len(after) >= 8, "too few memory samples: %d" % len(after)
first = after[0][2]
quarter = [s[2] for s in after if s[1] >= turns * 3 // 4]
assert quarter, "no memory sample in the last quarter"
print("soak: VmRSS first %d kB (turn %d), last %d kB, max %d kB, last quarter max %d kB, allowance %d kB"
      % (first, after[0][1], after[-1][2], max(s[2] for s in after), max(quarter), allowance))
assert max(quarter) <= first + allowance, "resident memory grew by %d kB" % (max(quarter) - first)
PY
exit 0
