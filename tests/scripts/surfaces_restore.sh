# Each lost display is noticed once and restored once, at the next main-loop turn, and the
# game goes on presenting frames. A loss while a restore is pending is covered by that restore.
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
for line in "Lost surfaces detected. Restoring in next loop." "Restoring surfaces." "Restoring surfaces done."; do
    [ "$(count "$line")" -eq 2 ] || fail "$(count "$line") times, expected 2: $line"
done
# Notice, then one more frame, then the restore; never a restore without a loss before it.
grep -xF -e "Lost surfaces detected. Restoring in next loop." -e "Restoring surfaces." \
    -e "Restoring surfaces done." debug.txt > order.txt
printf 'Lost surfaces detected. Restoring in next loop.\nRestoring surfaces.\nRestoring surfaces done.\n%.0s' 1 2 \
    | cmp -s - order.txt || fail "restore lines out of order: $(cat order.txt)"
! grep -q "DirectX Error" debug.txt || fail "$(grep 'DirectX Error' debug.txt)"
expect_log_line "Exiting."
