# Two players take turns: key 2 on the title starts the game, the turn passes after each lost
# life and each finished level with a "Spieler N" announcement, each keeps their own lives, score and level clock, the
# one whose lives are gone drops out, and both enter the high-score table, the higher score
# first. A replay of the game verifies; the one-player trace has no player fields.
source "$(dirname "$0")/harness-lib.bash"
sed -i 's/^numFrogLifes .*/numFrogLifes 2/; s/^levelTimeSeconds .*/levelTimeSeconds 10.5/' data/config.txt
run_harness "seed 3
focus on
run 60
screenshot title.png
key 2
autoplay on
trace trace.jsonl
run 1280
screenshot turn.png
run 3900
autoplay off
trace off
screenshot first-name.png
type Bea
char 13
run 5
type Al
char 13
run 20
screenshot table.png"
expect_status 0
python3 - <<'PY' || fail "the turns did not pass as they should"
import json
turns = [json.loads(line) for line in open("trace.jsonl")]
playing = [t for t in turns if t["state"] == 1]
assert all("player" in t and len(t["players"]) == 2 for t in playing)
# Who plays, in order, with the lives each has when their turn starts.
order, lives = [], []
for before, now in zip(playing, playing[1:]):
    if now["player"] != before["player"]:
        order.append(now["player"])
        # The one who left lost a life; the one who came has all theirs still.
        left = before["player"] - 1
        assert now["players"][left]["lives"] == before["players"][left]["lives"] - 1, now
        assert now["message"] == ["Spieler %d" % now["player"], ""], now["message"]
        # Each score stays with its player across the change.
        for p in range(2):
            assert now["players"][p]["score"] >= before["players"][p]["score"]
assert order == [2, 1, 2], order
# Once the first player's lives were gone, the second played on alone.
last = playing[-1]
assert last["player"] == 2 and last["players"][0]["lives"] == 0, last["players"]
assert turns[-1]["state"] in (9, 8), turns[-1]["state"]
PY
# Both names in the table, the higher score above.
bea=$(grep -n ':Bea$' data/HighScore.txt | cut -d: -f1)
al=$(grep -n ':Al$' data/HighScore.txt | cut -d: -f1)
[ -n "$bea" ] && [ -n "$al" ] || fail "not both names entered: $(cat data/HighScore.txt)"
bea_score=$(sed -n "${bea}p" data/HighScore.txt | tr -dc 0-9)
al_score=$(sed -n "${al}p" data/HighScore.txt | sed 's/:Al$//' | tr -dc 0-9)
[ "$bea_score" -ge "$al_score" ] || fail "the higher score entered second: Bea $bea_score, Al $al_score"
"$HARNESS" --verify data/replays/00000001.qlr > verify.out 2>/dev/null || fail "the game of two does not verify: $(cat verify.out)"
# Both rows play the game they came from.
[ "$(grep -c ' 00000001.qlr$' data/replays/table.txt)" = 2 ] || fail "the table's index: $(cat data/replays/table.txt)"

# A level done passes the turn too, and each player climbs their own levels.
sed -i 's/^numFrogsToGoal .*/numFrogsToGoal 1/' data/config.txt
run_harness "seed 3
focus on
run 2
key 2
autoplay on
trace levels.jsonl
run 2300"
python3 - <<'PY' || fail "finished levels did not pass the turn"
import json
playing = [t for t in map(json.loads, open("levels.jsonl")) if t["state"] == 1]
changes = [(now["player"], now["level"]) for before, now in zip(playing, playing[1:])
           if now["player"] != before["player"]]
assert changes[:3] == [(2, 0), (1, 1), (2, 1)], changes
PY

run_harness "seed 3
focus on
run 2
key S
trace one.jsonl
run 100"
! grep -q '"player"' one.jsonl || fail "a game of one has player fields"
