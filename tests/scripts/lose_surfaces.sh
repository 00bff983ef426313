# A lost display, as after a device reset, costs one frame: the surfaces come back and the
# game goes on presenting, with nothing logged as an error.
source "$(dirname "$0")/harness-lib.bash"

run_harness "focus on
run 3
lose-surfaces
run 3
screenshot after.png
lose-surfaces
key ESC
run 1"
expect_status 0
[ -s after.png ] || fail "no frame after the surfaces came back"
! grep -q "DirectX Error" debug.txt || fail "$(grep 'DirectX Error' debug.txt)"
expect_log_line "Exiting."
