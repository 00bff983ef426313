#!/usr/bin/env bash
# The desktop game's start choices in a real X window: --window --no-sound --data DIR, run from
# a folder without data, opens an 800 x 600 window, plays silently on DIR's data and keeps its
# log in the working folder; without a display the game says so and ends with exit code 1.
# Usage: command_line.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=window-lib.bash
source "$here/window-lib.bash"

if [ "${1:-}" = "--in-session" ]; then
    # Inside the X session: $2 is the game, $3 the folder holding data/.
    "$2" --no-sound --data "$3" --window > game.out 2>&1 &
    pid=$!
    find_game_window
    focus_game_window
    wait_for_title_menu debug.txt
    [ "$(window_geometry)" = "800x600" ] || fail "--window gave $(window_geometry)"
    xdotool key Escape
    wait_for_exit "$pid"
    [ "$status" -eq 0 ] || fail "exit status $status"
    exit 0
fi

enter_scratch_folder "${1:?usage: command_line.sh BUILD_DIR}"
xvfb-run -a -s "-screen 0 1024x768x24" bash "$here/command_line.sh" --in-session "$build/quagleaper" "$work/game"

grep -q "Sound is switched off" game.out || fail "--no-sound did not keep the sound device shut"
grep -qxF "Disabling Sound due to invalid device." debug.txt || fail "the sound was not switched off"
[ "$(tail -c 9 debug.txt)" = "Exiting." ] || fail "debug.txt does not end with Exiting."
[ ! -e "$work/game/debug.txt" ] || fail "the log went to the data folder"
echo "command line: passed"

# No display at all: SDL would fall back to a driver that shows nothing. The player reads why
# in the language the environment names.
for language in en de; do
    set +e
    env -u DISPLAY -u WAYLAND_DISPLAY -u LC_ALL -u LC_MESSAGES LANGUAGE=$language LANG=C \
        "$build/quagleaper" --no-sound --data "$work/game" > no-display.out 2>&1
    status=$?
    set -e
    [ "$status" -eq 1 ] || fail "without a display the exit status is $status"
    words="found no display"
    [ $language = de ] && words="keinen Bildschirm gefunden"
    grep -q "$words" no-display.out || fail "no word of the missing display: $(cat no-display.out)"
    ! grep -qE "ERROR: AddressSanitizer|runtime error:" no-display.out || fail "a sanitizer spoke"
done
echo "no display: passed"
