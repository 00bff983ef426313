# Half a minute of quiet on the title plays the best kept replay as a demo, under the word
# "Demo", until a key fades back to the title; the demo neither records itself nor touches the
# high-score table, and the player's keys come back. A title with input never turns into one.
source "$(dirname "$0")/harness-lib.bash"
# A game to keep.
play_short_game "autoplay off
key ESC
run 50"
expect_status 0
replays=(data/replays/*.qlr)
[ ${#replays[@]} -eq 1 ] || fail "expected one replay, found ${#replays[@]}"
cp data/HighScore.txt table.before
mkdir -p quagleaper
printf 'keyUp W\n' > settings.mine
cp settings.mine quagleaper/settings.txt

# 30 s of quiet on the title start the demo; a key leaves it.
run_harness "focus on
attract on
trace trace.jsonl
run 1700
screenshot demo.png
key X
run 60
trace off
dump dump.json"
expect_status 0
states=$(trace_states)
first_play=$(echo "$states" | tr ' ' '\n' | grep -n -m1 '^1$' | cut -d: -f1)
[ -n "$first_play" ] || fail "the title never turned into a demo"
# The title fades in for a few turns first; the quiet counts from its end.
[ "$first_play" -ge 1500 ] && [ "$first_play" -le 1540 ] || fail "the demo started at turn $first_play"
[ "$(echo "$states" | tr ' ' '\n' | tail -1)" = 11 ] || fail "a key did not fade back to the title"
[ "$(ls data/replays/*.qlr | wc -l)" = 1 ] || fail "the demo recorded itself"
cmp -s table.before data/HighScore.txt || fail "the demo changed the high-score table"
cmp -s settings.mine quagleaper/settings.txt || fail "the demo's keys reached the settings file"
grep -q '"keys":\["W"' dump.json || fail "the player's keys did not come back: $(grep -o '"keys[^]]*' dump.json)"

# Without `attract on`, or with a key now and then, the title stays.
run_harness "focus on
trace quiet.jsonl
run 1600"
[ -z "$(trace_states quiet.jsonl | tr ' ' '\n' | grep -v '^11$')" ] || fail "a script's title turned into a demo"
run_harness "focus on
attract on
trace keyed.jsonl
run 1000
key X
run 1000"
[ -z "$(trace_states keyed.jsonl | tr ' ' '\n' | grep -v '^11$')" ] || fail "a key did not restart the quiet"

# Without a kept game the demo is the one recorded when the data was built, which verifies
# against the packed data it carries the fingerprint of.
rm -rf data
mkdir data
cp "$(dirname "$HARNESS")"/run/data/{Quagleaper.dat,demo.qlr} data/
"$HARNESS" --verify data/demo.qlr > verify.out 2>/dev/null || fail "the shipped demo does not verify: $(cat verify.out)"
run_harness "focus on
attract on
trace shipped.jsonl
run 1600"
expect_status 0
trace_states shipped.jsonl | tr ' ' '\n' | grep -qx 1 || fail "the shipped demo did not play"
[ ! -e data/replays ] || fail "the shipped demo recorded itself"
