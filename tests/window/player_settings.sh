#!/usr/bin/env bash
# The player's settings in a real X window. --help and --version answer and end without a
# window. The first start opens full screen; F11 and a new size are remembered, so the next start
# opens a window of that size. On the options screen Up is moved to W, and the file keeps it.
# Usage: player_settings.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=window-lib.bash
source "$here/window-lib.bash"

readonly SCREEN=1024x768

if [ "${1:-}" = "--in-session" ]; then
    # Inside the X session: $2 is the game, $3 the folder holding data/.
    game=$2
    data=$3
    settings=$XDG_CONFIG_HOME/quagleaper/settings.txt

    "$game" --help > help.out || fail "--help ended with $?"
    grep -q "^Usage: quagleaper" help.out || fail "--help printed $(cat help.out)"
    "$game" --version > version.out || fail "--version ended with $?"
    grep -qx "quagleaper $VERSION" version.out || fail "--version printed $(cat version.out)"
    ! xdotool search --name '^Quagleaper$' > /dev/null 2>&1 || fail "a window opened for --help or --version"

    start() {
        "$game" --no-sound --data "$data" > game.out 2>&1 &
        pid=$!
        find_game_window
        focus_game_window
        wait_for_title_menu debug.txt
    }
    quit() {
        xdotool key Escape
        wait_for_exit "$pid"
        [ "$status" -eq 0 ] || fail "exit status $status"
    }

    start
    [ "$(window_geometry)" = "$SCREEN" ] || fail "the first start is $(window_geometry), not full screen"
    xdotool key F11
    sleep 0.7
    focus_game_window
    xdotool windowsize "$window" 900 700
    sleep 0.7
    [ "$(window_geometry)" = "900x700" ] || fail "the window would not take 900 x 700"
    # Up to W on the options screen: the ninth row, Return, the new key, back to the title.
    xdotool key o
    sleep 1.2
    for _ in $(seq 8); do xdotool key Down; done
    xdotool key Return w
    sleep 0.3
    xdotool key Escape
    sleep 1.2
    quit
    grep -qxF "fullscreen off" "$settings" || fail "F11 was not remembered: $(cat "$settings")"
    grep -qxF "keyUp W" "$settings" || fail "Up was not moved to W: $(cat "$settings")"

    start
    [ "$(window_geometry)" = "900x700" ] || fail "the second start is $(window_geometry), not the 900 x 700 window"
    quit
    exit 0
fi

enter_scratch_folder "${1:?usage: player_settings.sh BUILD_DIR}"
VERSION=$(sed -n 's/^project(Quagleaper VERSION \([0-9.]*\).*/\1/p' "$here/../../CMakeLists.txt")
export VERSION
xvfb-run -a -s "-screen 0 ${SCREEN}x24" bash "$here/player_settings.sh" --in-session "$build/quagleaper" "$work/game"
echo "player settings in a real window: passed"
