#!/usr/bin/env bash
# A replay in a real X window: --replay plays the demo the build recorded, at eight times its
# speed after three Right keys, to its last turn and the score --verify finds, and exits 0; a
# file that is no replay is refused with exit 2 and a word to the player.
# Usage: replay.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=window-lib.bash
source "$here/window-lib.bash"

if [ "${1:-}" = "--in-session" ]; then
    # Inside the X session: $2 is the game, $3 the folder holding data/, $4 the replay.
    "$2" --no-sound --data "$3" --window --replay "$4" > game.out 2>&1 &
    pid=$!
    find_game_window
    focus_game_window
    wait_for_title_menu debug.txt
    sleep 3
    import -window root playing.png
    xdotool key Right Right Right
    sleep 1
    import -window root fast.png
    for _ in $(seq 600); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.2
    done
    wait_for_exit "$pid"
    [ "$status" -eq 0 ] || fail "exit status $status"
    mv debug.txt replay-debug.txt
    # The refusal comes in a box before any game window, which Return closes.
    printf 'not a replay' > bad.qlr
    "$2" --no-sound --data "$3" --window --replay bad.qlr > bad.out 2>&1 &
    pid=$!
    box=""
    for _ in $(seq 100); do
        # xdotool's search passes over SDL's message boxes; the window tree lists them.
        box=$(xwininfo -root -tree | sed -n 's/^ *\(0x[0-9a-f]*\) "ERROR".*/\1/p' | head -n 1)
        [ -n "$box" ] && break
        sleep 0.2
    done
    [ -n "$box" ] || fail "no box told of the bad replay file"
    ! xdotool search --name '^Quagleaper$' > /dev/null 2>&1 || fail "a game window opened for a bad replay file"
    xdotool windowfocus --sync "$box" key Return
    wait_for_exit "$pid"
    [ "$status" -eq 2 ] || fail "a bad replay file ended with $status"
    exit 0
fi

enter_scratch_folder "${1:?usage: replay.sh BUILD_DIR}"
demo=$work/game/data/demo.qlr
(cd "$work/game" && "$build/quagleaper-harness" --verify data/demo.qlr > "$work/verify.out" 2>/dev/null) \
    || fail "the demo does not verify: $(cat "$work/verify.out")"
read -r score level <<< "$(sed -n 's/^verified: score \([0-9]*\), level \([0-9]*\)$/\1 \2/p' "$work/verify.out")"
xvfb-run -a -s "-screen 0 1024x768x24" bash "$here/replay.sh" --in-session "$build/quagleaper" "$work/game" "$demo"
turns=$(grep -o 'of [0-9]* at' replay-debug.txt | cut -d' ' -f2)
grep -qxF "ReplayShow: left after turn $turns of $turns at score $score, level $level." replay-debug.txt \
    || fail "the replay did not end as --verify did (score $score, level $level): $(grep ReplayShow replay-debug.txt)"
[ "$(tail -c 9 replay-debug.txt)" = "Exiting." ] || fail "debug.txt does not end with Exiting."
[ ! -e "$work/game/data/replays" ] || fail "the replay recorded itself"
# The mark and the frog's world, not the title: the pictures differ from each other.
[ "$(compare -metric AE playing.png fast.png null: 2>&1 || true)" != 0 ] || fail "the replay stood still"
[ -z "${KEEP_SCREENS:-}" ] || cp playing.png fast.png "$KEEP_SCREENS"
echo "replay in a real window: passed"

grep -q "cannot play this replay: bad.qlr: " debug.txt || fail "no word to the player: $(cat debug.txt)"
echo "bad replay file: passed"
