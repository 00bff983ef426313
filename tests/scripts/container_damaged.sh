# A damaged container: cut short inside its directory, the game says so and plays from the loose
# files beside it; cut in the middle of its data, the files past the cut are absent, and the first
# picture missing ends the game with exit code -1 and a line naming it. Never a crash.
source "$(dirname "$0")/harness-lib.bash"
"$PACK" data packed.dat > pack.out 2>&1 || fail "pack failed: $(cat pack.out)"
script="focus on
run 20
key S
run 20"

head -c 20000 packed.dat > data/Quagleaper.dat
run_harness "$script"
expect_status 0
expect_log_line "FileLoader::ReadDirectory: data\\Quagleaper.dat is shorter than its directory, using the loose files"

mkdir loose
mv data/* loose/
size=$(stat -c %s packed.dat)
head -c $((size / 2)) packed.dat > data/Quagleaper.dat
run_harness "$script"
expect_status 255
! grep -qE "ERROR: AddressSanitizer|runtime error:" harness.out || fail "$(grep -m3 -E 'ERROR|runtime error' harness.out)"
grep -q "Failed to update after loading" debug.txt || fail "the preload did not stop: $(tail -5 debug.txt)"
exit 0
