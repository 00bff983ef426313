# A game the autoplayer plays to the high-score table leaves a replay that --verify plays again
# to the same score, and so do games under random input; a changed key in it, another config.txt
# or other data, and a cut file are each told apart by the exit code. `record off` leaves no
# replay.
source "$(dirname "$0")/harness-lib.bash"
play_short_game ""
expect_status 0
[ "$(trace_states game.jsonl | tr ' ' '\n' | tail -1)" = 8 ] || fail "the game did not reach the high-score table"
replays=(data/replays/*.qlr)
[ ${#replays[@]} -eq 1 ] || fail "expected one replay, found ${#replays[@]}"
replay=${replays[0]}
score=$(tail -1 game.jsonl | grep -o '"score":[0-9]*' | cut -d: -f2)
level=$(tail -1 game.jsonl | grep -o '"level":[0-9]*' | cut -d: -f2)
[ "$score" -gt 0 ] || fail "the autoplayer scored nothing"

verify() {
    set +e
    "$HARNESS" --verify "$1" > verify.out 2> verify.err
    STATUS=$?
    set -e
}
verify "$replay"
expect_status 0
[ "$(cat verify.out)" = "verified: score $score, level $level" ] || fail "verify said: $(cat verify.out)"

# Random keys, characters, clicks, pointer moves and focus changes start games and leave them:
# every game they leave verifies, the later ones inheriting what the one before left.
mv "$replay" first.qlr
replay=first.qlr
run_harness "seed 5
focus on
run 2
key S
autoplay on
random-input on
run 3000"
expect_status 0
games=0
for game in data/replays/*.qlr; do
    verify "$game"
    expect_status 0
    games=$((games + 1))
done
[ "$games" -ge 2 ] || fail "random input played $games games, expected several"

# An up key in the middle of the turns becomes a down key; the file still reads.
python3 - "$replay" flipped.qlr <<'PY'
import struct, sys
data = bytearray(open(sys.argv[1], "rb").read())
pos, end = 75, 75 + struct.unpack_from("<I", data, 71)[0]
def varint():
    global pos
    value = shift = 0
    while True:
        byte = data[pos]; pos += 1
        value |= (byte & 0x7F) << shift; shift += 7
        if byte < 0x80:
            return value
ups = []
while pos < end:
    kind = varint() & 3
    if kind == 1:
        varint()
    elif kind == 2:
        for _ in range(varint() + 1):
            code = data[pos]; pos += 1
            if code <= 2:
                if code == 1 and data[pos] == 38:
                    ups.append(pos)
                varint()
            elif code <= 5:
                varint(); varint()
assert ups, "no up key recorded"
data[ups[len(ups) // 2]] = 40
open(sys.argv[2], "wb").write(data)
PY
verify flipped.qlr
expect_status 1
grep -q "diverges by turn [0-9]*" verify.out || fail "no diverging turn named: $(cat verify.out)"

head -c 100 "$replay" > cut.qlr
verify cut.qlr
expect_status 2
grep -q "truncated" verify.err || fail "a cut file not called truncated: $(cat verify.err)"

cp data/config.txt config.saved
echo "# tuned" >> data/config.txt
verify "$replay"
expect_status 3
grep -q "config.txt" verify.out || fail "the changed config.txt not named: $(cat verify.out)"
cp config.saved data/config.txt
echo "one more" >> data/credits.txt
verify "$replay"
expect_status 3
grep -q "other game data" verify.out || fail "the changed data not named: $(cat verify.out)"

rm -r data/replays
run_harness "record off
focus on
run 2
key S
run 50
key ESC
run 20"
expect_status 0
[ ! -e data/replays ] || fail "record off still wrote a replay"
exit 0
