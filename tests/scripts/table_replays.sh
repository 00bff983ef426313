# A game that enters the high-score table stays watchable from its row: the index beside the
# replays names it, the row shows a mark, Down chooses it and Return plays it under the player's
# name, Escape goes back to the table. A click on the row plays it too. Pruning keeps it beyond
# the newest 20, and a damaged index loses only its bad lines.
source "$(dirname "$0")/harness-lib.bash"
play_short_game "autoplay off
type Anna
char 13
run 60
key ESC
run 60"
expect_status 0
[ -f data/replays/table.txt ] || fail "no index beside the replays"
row=$(grep -v '^#' data/replays/table.txt)
read -r place score file <<< "$row"
[ "$file" = 00000001.qlr ] || fail "the index names $row"
[ "$(sed -n "$((place + 3))p" data/HighScore.txt)" = "*$score:Anna" ] || fail "row $place of the table is not Anna's $score"

# 19 more games that end at once: the table's game is older than the newest 20 and stays.
games=""
for _ in $(seq 19); do games+=$'key S\nrun 30\nkey ESC\nrun 30\n'; done
run_harness "focus on
run 2
$games"
expect_status 0
[ "$(ls data/replays/*.qlr | wc -l)" = 20 ] && [ -f data/replays/00000001.qlr ] \
    || fail "pruning took the table's game: $(ls data/replays)"

y=$((120 + place * 35 + 10))
run_harness "focus on
run 2
key G
run 60
screenshot table.png
key DOWN
run 5
screenshot chosen.png
key RETURN
trace watch.jsonl
run 200
screenshot watching.png
key ESC
run 60
trace off
click 400 $y
trace click.jsonl
run 100
trace off"
expect_status 0
trace_states watch.jsonl | tr ' ' '\n' | grep -qx 1 || fail "Return on the chosen row played nothing"
[ "$(trace_states watch.jsonl | tr ' ' '\n' | tail -1)" = 8 ] || fail "Escape did not go back to the table"
trace_states click.jsonl | tr ' ' '\n' | grep -qx 1 || fail "a click on the row played nothing"
[ "$(ls data/replays/*.qlr | wc -l)" = 20 ] || fail "watching recorded a game"
! cmp -s table.png chosen.png || fail "choosing a row changed nothing on the screen"

# Lines that are no row are left out, each with a log line; the good row still plays.
printf '# index\n%s\n99 5 00000002.qlr\n3 7 ../../etc/passwd\nrubbish\n' "$row" > data/replays/table.txt
run_harness "focus on
run 2
key G
run 60
key DOWN
key RETURN
trace damaged.jsonl
run 100"
expect_status 0
[ "$(grep -c 'ReplayIndex: line [0-9]* of .* is no row of the table; left out.' debug.txt)" = 3 ] \
    || fail "the bad lines were not each logged: $(grep ReplayIndex debug.txt)"
trace_states damaged.jsonl | tr ' ' '\n' | grep -qx 1 || fail "the good row no longer plays"
