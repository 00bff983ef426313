# The heads-up display in play, paused, while a life blinks away, and with the level-done
# message and the score popups of a frog home: each picture differs where the HUD says so.
source "$(dirname "$0")/harness-lib.bash"
export PYTHONPATH="$SOURCE_DIR/tests/scripts"
python3 -c "
from frog_scenes import *
write_scene([(ROAD, 10, 0)] * 3, goal=(9, 0),
            extra=['numFrogsToGoal 1', 'inGoalDistance 20', 'messageInterval 2', 'scoreCountSpeed 400',
                   'scorePerSecLeft 10', 'areaDoneScore 200', 'levelTimeSeconds 65'])"

run_harness "seed 2
focus on
run 2
key S
run 40
screenshot play.png
key P
run 3
screenshot paused.png
key P
run 3
key RIGHT
run 40
screenshot home.png
run 100
screenshot counted.png"
expect_status 0
[ -n "${SHOTS:-}" ] && cp play.png paused.png home.png counted.png "$SHOTS"/

export PYTHONPATH="$SOURCE_DIR/tests/scripts"
python3 - <<'PY' || fail "hud"
from png_pixels import pixels, differs
play, paused, home, counted = (pixels(n) for n in ("play.png", "paused.png", "home.png", "counted.png"))
assert differs(play, paused, (300, 190, 500, 240)), "no pause word"
assert differs(play, home, (200, 220, 600, 300)), "no message for the frog home"
assert differs(home, counted, (600, 0, 800, 50)), "the score did not count up"
assert not differs(play, paused, (0, 0, 200, 50)), "the clock ran during the pause"
PY
exit 0
