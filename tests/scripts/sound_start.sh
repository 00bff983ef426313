# The game's start-up opens the sound device and lists every sound type, each of which
# registers itself: none may be lost when the program is linked.
source "$(dirname "$0")/harness-lib.bash"
run_harness "run 1"
expect_status 0
expect_log_line "Initializing Sound Engine"
sed -n '/^Registered Sfx Loading types$/,/^Creating registered sfx-loaders:$/p' debug.txt > types.txt
printf 'Registered Sfx Loading types\n  OggLoader\n  WavLoader\n\nRegistered Sfx Streaming types\n  OggStreaming\n\nCreating registered sfx-loaders:\n' > expected.txt
cmp -s types.txt expected.txt || { diff expected.txt types.txt; fail "registered types"; }
! grep -q "DirectSoundCreate" debug.txt || fail "the headless sound device did not open"
