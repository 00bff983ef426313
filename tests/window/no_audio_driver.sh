#!/usr/bin/env bash
# The real game in a real X window with no sound to be had: SDL is asked for a sound driver that
# does not exist. The game says so in its log, plays silently through the title menu into a
# level, and Escape twice (back to the title menu, then out) ends it with exit code 0 after an
# orderly shutdown. Usage: no_audio_driver.sh BUILD_DIR; KEEP_SCREENSHOTS=DIR keeps what was seen.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=window-lib.bash
source "$here/window-lib.bash"

# Pixels that differ between two screenshots, in per cent of the screen.
changed() { compare -metric AE -fuzz 2% "$1" "$2" null: 2>&1 | awk '{ printf "%d\n", $1 * 100 / (1024 * 768) }'; }

if [ "${1:-}" = "--in-session" ]; then
    # Inside the X session: $2 is the game, the working directory its run folder.
    SDL_AUDIODRIVER=no-such-driver "$2" > game.out 2>&1 &
    pid=$!
    find_game_window
    focus_game_window
    # A third of the way through the preload its screen has long slid in.
    for _ in $(seq 600); do
        grep -q "^RelProg: 0\.[3-9]" debug.txt 2>/dev/null && break
        sleep 0.1
    done
    import -window root loading.png
    wait_for_title_menu debug.txt
    # Without sounds to load the log falls quiet before the last pictures are in.
    for _ in $(seq 100); do
        import -window root title.png
        [ "$(changed loading.png title.png)" -ge 30 ] && break
        sleep 0.2
    done
    xdotool key s
    # Past the screen transition, well into the level.
    sleep 2
    import -window root level.png
    sleep 1
    import -window root later.png
    kill -0 "$pid" 2>/dev/null || fail "the game ended in the level"
    xdotool key Escape
    sleep 1
    kill -0 "$pid" 2>/dev/null || fail "the game ended on leaving the level"
    xdotool key Escape
    wait_for_exit "$pid"
    [ "$status" -eq 0 ] || fail "exit status $status"
    exit 0
fi

build=$(cd "${1:?usage: no_audio_driver.sh BUILD_DIR}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/data"
cp "$build/run/data/"* "$work/data/"
cd "$work"
# The X, GL and D-Bus libraries keep some memory to the very end; our own leaks are caught by
# the headless runs.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
# The player's own settings are neither read nor changed.
export XDG_CONFIG_HOME="$work/config"
xvfb-run -a -s "-screen 0 1024x768x24" bash "$here/no_audio_driver.sh" --in-session "$build/quagleaper"
[ -n "${KEEP_SCREENSHOTS:-}" ] && cp loading.png title.png level.png later.png "$KEEP_SCREENSHOTS"/

grep -qxF "SoundEngine: DirectSoundCreate" debug.txt || fail "the missing sound device was not logged"
grep -qxF "Disabling Sound due to invalid device." debug.txt || fail "the sound was not switched off"
[ "$(tail -c 9 debug.txt)" = "Exiting." ] || fail "debug.txt does not end with Exiting."
! grep "DirectX Error" debug.txt || fail "the display reported errors"

[ "$(changed loading.png title.png)" -ge 30 ] || fail "the title menu never showed"
[ "$(changed title.png level.png)" -ge 30 ] || fail "the level looks like the title menu"
[ "$(changed level.png later.png)" -ge 1 ] || fail "nothing moved in the level"
echo "no audio driver: passed"
