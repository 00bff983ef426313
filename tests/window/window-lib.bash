# Shared by the real-window scripts: the game in an X session without a window manager, found,
# focused, clicked and photographed with xdotool and ImageMagick.
# shellcheck shell=bash

fail() { echo "FAIL: $*"; cat game.out 2>/dev/null || true; exit 1; }

# Waits for the game's window and leaves its id in $window.
find_game_window() {
    window=""
    for _ in $(seq 100); do
        # A search can trip over windows that come and go while the game starts.
        window=$(xdotool search --name '^Quagleaper$' 2>/dev/null | head -n 1) || true
        [ -n "$window" ] && return 0
        sleep 0.2
    done
    fail "the game window never appeared"
}

# Without a window manager nobody hands out the focus, and the game runs frames only with it.
# The game may make its window anew while it starts (a software renderer in place of software
# GL), so a focus that misses looks for the window again.
focus_game_window() {
    for _ in $(seq 10); do
        xdotool windowfocus --sync "$window" 2>/dev/null && return 0
        sleep 0.3
        find_game_window
    done
    fail "the game window never took the focus"
}

# Waits until the game, logging into $1, shows the title menu: the preload logs each asset it
# loads, and the title menu follows once the log falls quiet.
wait_for_title_menu() {
    local size=-1 quiet=0 now
    for _ in $(seq 600); do
        now=$(stat -c %s "$1" 2>/dev/null || echo 0)
        if [ "$now" = "$size" ] && grep -q "^RelProg" "$1"; then
            quiet=$((quiet + 1))
            [ "$quiet" -ge 15 ] && return 0
        else
            quiet=0
        fi
        size=$now
        sleep 0.1
    done
    fail "the game never finished loading"
}

window_geometry() { xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p'; }
window_position() { xdotool getwindowgeometry "$window" | sed -n 's/.*Position: \([0-9]*,[0-9]*\).*/\1/p'; }

# Waits up to ten seconds for process $1 to end and leaves its exit status in $status.
wait_for_exit() {
    for _ in $(seq 100); do
        kill -0 "$1" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$1" 2>/dev/null; then
        kill "$1"
        fail "the game did not end"
    fi
    set +e
    wait "$1"
    status=$?
    set -e
}

# Outside the X session: $build from $1, a scratch folder with the built data copied to game/,
# and its play/ entered as the working folder, where the log goes. The player's own settings are
# neither read nor changed.
enter_scratch_folder() {
    build=$(cd "$1" && pwd)
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    mkdir -p "$work/game/data" "$work/play"
    cp "$build/run/data/"* "$work/game/data/"
    cd "$work/play"
    export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
    export XDG_CONFIG_HOME="$work/config"
}
