# Each lost display is restored once, and the game goes on presenting frames.
source "$(dirname "$0")/harness-lib.bash"

count() { grep -cxF -- "$1" debug.txt || true; }

run_harness "focus on
run 3
lose-surfaces
run 3
screenshot after-first.png
lose-surfaces
run 1
lose-surfaces
run 2
screenshot after-second.png
run 1"
expect_status 0
[ -s after-first.png ] && [ -s after-second.png ] || fail "no frame after the surfaces came back"
# Every draw that meets the lost display says so; the restore follows once for each loss, in
# the same turn when a sprite found the loss, else at the next.
[ "$(count "Restoring surfaces.")" -eq 3 ] || fail "$(count "Restoring surfaces.") restores for 3 losses"
grep -xF -e "Lost surfaces detected. Restoring in next loop." -e "Restoring surfaces." \
    -e "Restoring surfaces done." debug.txt | uniq > order.txt
printf 'Lost surfaces detected. Restoring in next loop.\nRestoring surfaces.\nRestoring surfaces done.\n%.0s' 1 2 3 \
    | cmp -s - order.txt || fail "restore lines out of order: $(cat order.txt)"
! grep -q "DirectX Error" debug.txt || fail "$(grep 'DirectX Error' debug.txt)"
expect_log_line "Exiting."
