# A start that cannot go on tells the player why, on stderr and in a message box, naming what
# is wrong: a log that cannot be written ends with exit code 1, a missing data folder with -1, and
# so does a data file that fails after the start.
# The texts come in the player's language: German by default, English with `language en`;
# without the data folder there is no catalogue, so that one is always English.
source "$(dirname "$0")/harness-lib.bash"

mkdir debug.txt
run_harness "run 5"
expect_status 1
grep -q "^\[ERROR\] Quagleaper kann sein Protokoll debug.txt .*nicht schreiben" harness.out \
    || fail "no German box names debug.txt: $(cat harness.out)"
run_harness "language en
run 5"
expect_status 1
grep -q "^\[ERROR\] .*cannot write its log debug.txt" harness.out || fail "no box names debug.txt: $(cat harness.out)"
rmdir debug.txt

mv data elsewhere
run_harness "run 5"
expect_status 255
grep -q "^\[ERROR\] .*cannot find its data folder data/" harness.out || fail "no box names data/: $(cat harness.out)"
grep -c "data folder" harness.out | grep -qx 2 || fail "the text is not on stderr as well as in the box"

# A data file that fails once the game is under way: the box names the log line that stopped it.
mv elsewhere data
rm data/HUDFont.fnt
run_harness "run 5"
expect_status 255
grep -q '^\[ERROR\] Quagleaper musste aufhören: Failed to open font definition file .*HUDFont.fnt' harness.out \
    || fail "no box names the font file: $(cat harness.out)"
