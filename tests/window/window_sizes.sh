#!/usr/bin/env bash
# The game in a real X window at three window sizes: a smaller one, a wide one and a tall one.
# At each the picture is scaled to fit, and a click lands on the button under the pointer: six
# pixels inside a button's edge it acts, six pixels outside it does nothing. Full screen and back
# keep the game running, the clicks right and the window at the size it had.
# Usage: window_sizes.sh BUILD_DIR; KEEP_SCREENSHOTS=DIR keeps what was seen.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=window-lib.bash
source "$here/window-lib.bash"

readonly SCREEN_WIDTH=1280 SCREEN_HEIGHT=1024

# The scaled picture in a window of $1 x $2: "width height left top".
picture_box() {
    awk -v w="$1" -v h="$2" 'BEGIN {
        s = w / 800 < h / 600 ? w / 800 : h / 600
        printf "%d %d %d %d\n", 800 * s, 600 * s, (w - 800 * s) / 2, (h - 600 * s) / 2 }'
}

if [ "${1:-}" = "--in-session" ]; then
    # Inside the X session: $2 is the game, $3 the folder of the reference pictures; the working
    # directory is its run folder.
    game=$2
    references=$3
    shots=${KEEP_SCREENSHOTS:-}
    seen=0

    # Clicks the picture's pixel ($1, $2) through the window, scaled as the window shows it.
    click_picture() {
        local width height point
        read -r width height <<< "$(window_geometry | tr x ' ')"
        point=$(awk -v x="$1" -v y="$2" -v w="$width" -v h="$height" 'BEGIN {
            s = w / 800 < h / 600 ? w / 800 : h / 600
            printf "%d %d\n", (w - 800 * s) / 2 + (x + 0.5) * s, (h - 600 * s) / 2 + (y + 0.5) * s }')
        # shellcheck disable=SC2086
        xdotool mousemove --window "$window" $point click 1
        # Long enough for the screen transition to end.
        sleep 1.2
    }

    # Leaves in $shown which reference the window's picture is nearest to, brought back to
    # 800 x 600, and in $shownDistance how near.
    shown_screen() {
        local width height left top boxWidth boxHeight boxLeft boxTop
        read -r width height <<< "$(window_geometry | tr x ' ')"
        IFS=, read -r left top <<< "$(window_position)"
        read -r boxWidth boxHeight boxLeft boxTop <<< "$(picture_box "$width" "$height")"
        import -window root screen.png
        convert screen.png -crop "${boxWidth}x${boxHeight}+$((left + boxLeft))+$((top + boxTop))" +repage \
            -resize '800x600!' seen.png
        seen=$((seen + 1))
        [ -n "$shots" ] && cp screen.png "$shots/$(printf '%02d' "$seen")-${width}x${height}.png"
        local best="" bestDistance=2
        for name in title help; do
            local distance
            # compare's exit status says only whether the pictures differ at all.
            distance=$( (compare -metric RMSE seen.png "$references/$name.png" null: 2>&1 || true) |
                sed 's/.*(\(.*\))/\1/')
            if awk -v d="$distance" -v b="$bestDistance" 'BEGIN { exit !(d < b) }'; then
                best=$name
                bestDistance=$distance
            fi
        done
        # Far from both is neither: a black, torn or misplaced picture.
        awk -v d="$bestDistance" 'BEGIN { exit !(d < 0.15) }' || best="nothing"
        shown=$best
        shownDistance=$bestDistance
    }

    expect_screen() {
        shown_screen
        echo "$2: $shown, $shownDistance from it"
        [ "$shown" = "$1" ] || fail "$2: the window shows $shown ($shownDistance), expected $1"
        kill -0 "$pid" 2>/dev/null || fail "the game ended: $2"
    }

    # The help button's left edge lies at x = 228, that of the help screen's back button at 416.
    clicks_land_exactly() {
        click_picture 222 541
        expect_screen title "$1: six pixels left of the help button"
        click_picture 234 541
        expect_screen help "$1: six pixels inside the help button"
        click_picture 410 541
        expect_screen help "$1: six pixels left of the back button"
        click_picture 422 541
        expect_screen title "$1: six pixels inside the back button"
    }

    toggle() {
        xdotool key F11
        sleep 0.7
        # A window that is mapped anew has lost the focus, and nobody else gives it back.
        focus_game_window
    }

    "$game" > game.out 2>&1 &
    pid=$!
    find_game_window
    focus_game_window
    wait_for_title_menu debug.txt
    [ "$(window_geometry)" = "${SCREEN_WIDTH}x${SCREEN_HEIGHT}" ] || fail "the game starts as $(window_geometry)"
    toggle
    for size in 640x480 1200x600 700x900; do
        # In the screen's corner, so that the whole window can be photographed.
        xdotool windowsize "$window" "${size%x*}" "${size#*x}" windowmove "$window" 0 0
        sleep 0.7
        [ "$(window_geometry)" = "$size" ] || fail "the window is $(window_geometry), not $size"
        clicks_land_exactly "window of $size"
        toggle
        [ "$(window_geometry)" = "${SCREEN_WIDTH}x${SCREEN_HEIGHT}" ] || fail "full screen from $size is $(window_geometry)"
        click_picture 234 541
        expect_screen help "full screen after the window of $size: the help button"
        click_picture 422 541
        expect_screen title "full screen after the window of $size: the back button"
        toggle
        [ "$(window_geometry)" = "$size" ] || fail "leaving full screen gave $(window_geometry), the window was $size"
    done
    xdotool key Escape
    wait_for_exit "$pid"
    [ "$status" -eq 0 ] || fail "exit status $status"
    exit 0
fi

build=$(cd "${1:?usage: window_sizes.sh BUILD_DIR}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The X, GL and D-Bus libraries keep some memory to the very end; our own leaks are caught by
# the headless runs.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
# The player's own settings are neither read nor changed.
export XDG_CONFIG_HOME="$work/config"

# What the title menu and the help screen look like, from the same game headless.
mkdir -p "$work/reference/data" "$work/run/data"
cp "$build/run/data/"* "$work/reference/data/"
cp "$build/run/data/"* "$work/run/data/"
cd "$work/reference"
printf '%s\n' "focus on" "run 100" "screenshot title.png" "key H" "run 100" "screenshot help.png" > script.txt
"$build/quagleaper-harness" script.txt > harness.out 2>&1 || fail "the headless game failed: $(cat harness.out)"

cd "$work/run"
xvfb-run -a -s "-screen 0 ${SCREEN_WIDTH}x${SCREEN_HEIGHT}x24" \
    bash "$here/window_sizes.sh" --in-session "$build/quagleaper" "$work/reference"
[ "$(tail -c 9 debug.txt)" = "Exiting." ] || fail "debug.txt does not end with Exiting."
! grep "DirectX Error" debug.txt || fail "the display reported errors"
echo "window sizes: passed"
