#!/usr/bin/env bash
# The X server ends under the running game, once in a level and once while a new high score's
# name is being typed: each time the game shuts down in order with exit code 0, no sanitizer
# report, and the second time the table holds the entry with the name as far as it was typed.
# Usage: display_lost.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=window-lib.bash
source "$here/window-lib.bash"
build=$(cd "${1:?usage: display_lost.sh BUILD_DIR}" && pwd)
work=$(mktemp -d)
xserver=""
trap 'kill "$xserver" 2>/dev/null || true; rm -rf "$work"' EXIT
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
# The player's own settings are neither read nor changed.
export XDG_CONFIG_HOME="$work/config"
export PYTHONPATH="$here/../scripts"
cd "$work"

# Loose data with a short clock and one life, so that a game is over within seconds; a table
# of negative scores, so that its score of 0 enters it.
mkdir data
cp "$build/data-loose/"* data/
sed -i -e 's/^numFrogLifes .*/numFrogLifes 1/' -e 's/^levelTimeSeconds .*/levelTimeSeconds 2/' data/config.txt
python3 -c "from highscore_file import write_table
write_table('data/HighScore.txt', [(-10 * (i + 1), 'Old%d' % i) for i in range(10)])"

start_display() {
    rm -f display.txt
    Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5> display.txt 2> /dev/null &
    xserver=$!
    for _ in $(seq 100); do
        [ -s display.txt ] && break
        sleep 0.1
    done
    [ -s display.txt ] || fail "no X server"
    export DISPLAY=:$(cat display.txt)
}

# Starts the game and leaves it on the title menu.
start_game() {
    start_display
    "$build/quagleaper" > game.out 2>&1 &
    pid=$!
    find_game_window
    focus_game_window
    wait_for_title_menu debug.txt
}

end_display_and_expect_orderly_exit() {
    kill "$xserver"
    wait_for_exit "$pid"
    [ "$status" -eq 0 ] || fail "exit status $status after the display went"
    ! grep -q "Sanitizer" game.out || fail "sanitizer report: $(cat game.out)"
    grep -qxF "The display is gone; the game shuts down." debug.txt || fail "the loss was not noticed"
    [ "$(tail -n 1 debug.txt)" = "Exiting." ] || fail "no orderly shutdown"
}

# In a level: nothing changed the table, so nothing rewrites it.
cp data/HighScore.txt before.txt
start_game
xdotool key s
sleep 1
end_display_and_expect_orderly_exit
cmp -s data/HighScore.txt before.txt || fail "the table changed in a game that entered nothing"

# During name entry: the clock runs out, the life goes, the score waits for a name.
start_game
xdotool key s
# Two seconds of clock, the death, the pause after it and two seconds of game over.
sleep 12
xdotool type --delay 100 Zed
sleep 0.5
end_display_and_expect_orderly_exit
python3 - <<'PY' || fail "the new entry was lost: $(cat data/HighScore.txt)"
from highscore_file import entries_if_valid
entries = entries_if_valid("data/HighScore.txt")
assert entries is not None and entries[0] == (0, "Zed"), entries
PY
echo "display lost: passed"
