# Escape on the title menu: the program runs its frames, leaves with code 0 and logs its
# shutdown in order.
source "$(dirname "$0")/harness-lib.bash"
run_harness "trace trace.jsonl
focus on
run 3
key ESC
run 2"
expect_status 0
[ "$(trace_states)" = "11 11 11 11" ] || fail "states: $(trace_states)"
tail -n 11 debug.txt > tail.txt
printf 'Received WM_QUI.\nExiting game.\nShutting down SoundEngine.\nShutting down FileLoader.\nShutting down DirectDraw.\nReleasing FadeBuffer.\nReleasing BackBuffer.\nReleasing Primary.\nReleasing DD2.\nReleasing DD.\nExiting.\n' > expected.txt
cmp -s tail.txt expected.txt || { diff expected.txt tail.txt; fail "shutdown lines"; }
! grep -q "could not load settings" debug.txt || fail "config.txt was not found"
