#!/usr/bin/env bash
# The real game in a real X window: it starts under a virtual X server, shows its whole
# 800 x 600 picture on the screen, and Escape on the title menu ends it with exit code 0 after
# an orderly shutdown. Usage: real_window.sh BUILD_DIR
set -euo pipefail

if [ "${1:-}" = "--in-session" ]; then
    # Inside the X session: $2 is the game, the working directory its run folder.
    game=$2
    here=$(cd "$(dirname "$0")" && pwd)
    # shellcheck source=window-lib.bash
    source "$here/window-lib.bash"

    "$game" > game.out 2>&1 &
    pid=$!
    find_game_window
    focus_game_window
    wait_for_title_menu debug.txt
    import -window root screen.png
    [ -n "${KEEP_SCREENSHOT:-}" ] && cp screen.png "$KEEP_SCREENSHOT"
    # F11 leaves full screen for an 800 x 600 window; Alt+Return goes back; the game runs on.
    full=$(window_geometry)
    xdotool key F11
    sleep 0.5
    [ "$(window_geometry)" = "800x600" ] || fail "F11 gave a window of $(window_geometry), full screen was $full"
    xdotool key alt+Return
    sleep 0.5
    [ "$(window_geometry)" = "$full" ] || fail "Alt+Return gave $(window_geometry), full screen was $full"
    kill -0 "$pid" 2>/dev/null || fail "the game ended while switching"
    xdotool key Escape
    wait_for_exit "$pid"
    [ "$status" -eq 0 ] || fail "exit status $status"
    exit 0
fi

build=$(cd "${1:?usage: real_window.sh BUILD_DIR}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

mkdir -p "$work/data"
cp "$build/run/data/"* "$work/data/"
cd "$work"
# The X, GL and D-Bus libraries keep some memory to the very end; our own leaks are caught by
# the headless runs.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
# The player's own settings are neither read nor changed.
export XDG_CONFIG_HOME="$work/config"
# A white root window, so that the game's picture stands out however dark it is.
xvfb-run -a -s "-screen 0 1024x768x24 -wr" bash "$here/real_window.sh" --in-session "$build/quagleaper"

[ "$(tail -c 9 debug.txt)" = "Exiting." ] || fail "debug.txt does not end with Exiting."
[ "$(tail -c 1 debug.txt | od -An -c | tr -d ' ')" = '\n' ] || fail "debug.txt lacks its last line feed"
! grep "DirectX Error" debug.txt || fail "the display reported errors"

# The title menu fills the screen: the part that is not the white root must hold the whole
# 800 x 600 picture, scaled or not, lie on the screen and show the menu's many colours.
read -r width height <<< "$(convert screen.png -format '%w %h' info:)"
[ "$width" = 1024 ] && [ "$height" = 768 ] || fail "screenshot is ${width}x${height}"
# A white frame around the screen lets the trim find a picture that fills the whole screen.
box=$(convert screen.png -bordercolor white -border 1 -fuzz 2% -trim -format '%w %h %X %Y' info:)
read -r boxWidth boxHeight boxX boxY <<< "$box"
boxX=$((boxX - 1))
boxY=$((boxY - 1))
echo "game picture: ${boxWidth}x${boxHeight} at ${boxX},${boxY}"
[ "$boxX" -ge 0 ] && [ "$boxY" -ge 0 ] && [ $((boxX + boxWidth)) -le 1024 ] && [ $((boxY + boxHeight)) -le 768 ] \
    || fail "the picture does not lie on the screen"
[ "$boxWidth" -ge 800 ] && [ "$boxHeight" -ge 600 ] || fail "the picture is only ${boxWidth}x${boxHeight}"
colours=$(convert screen.png -crop "${boxWidth}x${boxHeight}+${boxX}+${boxY}" +repage -format '%k' info:)
[ "$colours" -gt 1000 ] || fail "the picture has only $colours colours: no title menu"
echo "real window: passed"
