# The packed container serves the game its data: with only the container beside it, the game
# finds config.txt; a data folder with too long a name is refused.
source "$(dirname "$0")/harness-lib.bash"
"$PACK" data packed.dat > pack.out 2>&1 || fail "pack failed: $(cat pack.out)"
rm data/config.txt
mv packed.dat data/Quagleaper.dat
run_harness "focus on
run 2"
expect_status 0
! grep -q "could not load settings" debug.txt || fail "config.txt not read from the container: $(cat debug.txt)"

mkdir -p long/sounds
touch "long/sounds/a-file-name-that-is-far-too-long-for-the-directory.wav"
if "$PACK" long long.dat > pack.out 2>&1; then fail "a 48-character name was packed"; fi
[ -s pack.out ] || fail "no message for the refused name"
