#!/usr/bin/env bash
# The installed game. `cmake --install` into a scratch prefix puts the launcher, the program, its
# data, the menu entry and the icon in their desktop places; the menu entry's command starts the
# game in a real X window in the player's own folder, $XDG_DATA_HOME/quagleaper or by default
# ~/.local/share/quagleaper, made on the first start. Everything the game writes lands there, and
# the high scores of one start are still there for the next. Usage: installed_game.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=window-lib.bash
source "$here/window-lib.bash"

if [ "${1:-}" = "--in-session" ]; then
    # Inside the X session: $2 is the command to start in folder $3, $4 the log it will write; the
    # keys after them are pressed on the title menu, then Escape ends the game.
    command=$2
    start_folder=$3
    log=$4
    shift 4
    # shellcheck disable=SC2086
    (cd "$start_folder" && exec $command) > game.out 2>&1 &
    pid=$!
    find_game_window
    focus_game_window
    wait_for_title_menu "$log"
    for key in "$@"; do
        xdotool key "$key"
        sleep 0.5
    done
    xdotool key Escape
    wait_for_exit "$pid"
    [ "$status" -eq 0 ] || fail "exit status $status"
    exit 0
fi

build=$(cd "${1:?usage: installed_game.sh BUILD_DIR}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
# The player's own settings are neither read nor changed.
export XDG_CONFIG_HOME="$work/config"
prefix=$work/prefix

cmake --install "$build" --prefix "$prefix" > "$work/install.log" || fail "install: $(cat "$work/install.log")"
for file in bin/quagleaper libexec/quagleaper/quagleaper share/quagleaper/Quagleaper.dat share/quagleaper/demo.qlr \
            share/applications/quagleaper.desktop share/icons/hicolor/64x64/apps/quagleaper.png; do
    [ -f "$prefix/$file" ] || fail "nothing installed as $file"
done
[ -x "$prefix/bin/quagleaper" ] && [ -x "$prefix/libexec/quagleaper/quagleaper" ] || fail "not executable"
cmp -s "$prefix/share/quagleaper/Quagleaper.dat" "$build/run/data/Quagleaper.dat" || fail "another container"
entry=$prefix/share/applications/quagleaper.desktop
desktop-file-validate "$entry" || fail "the menu entry does not validate"
icon=$(sed -n 's/^Icon=//p' "$entry")
picture=$prefix/share/icons/hicolor/64x64/apps/$icon.png
[ -f "$picture" ] || fail "the menu entry's icon $icon is not installed"
[ "$(identify -format '%m %wx%h' "$picture")" = "PNG 64x64" ] || fail "icon: $(identify "$picture")"
# The frog stands on a see-through ground, so that it sits on any panel.
[ "$(convert "$picture" -alpha extract -format '%[fx:minima]' info:)" = 0 ] || fail "the icon has no transparent pixels"
command=$(sed -n 's/^Exec=//p' "$entry")

# Started from the menu, in some folder of no interest, with a home of its own.
home=$work/home
elsewhere=$work/elsewhere
mkdir -p "$home" "$elsewhere" "$work/session"
start_game() {
    (cd "$work/session" && env -u XDG_DATA_HOME HOME="$home" PATH="$prefix/bin:$PATH" "$@" \
        xvfb-run -a -s "-screen 0 1024x768x24" bash "$here/installed_game.sh" --in-session \
        "$command" "$elsewhere" "$log" "${keys[@]}")
}

# The first start makes the folder; G and Escape visit the high scores, which saves them.
folder=$home/.local/share/quagleaper
log=$folder/debug.txt
keys=(g Escape)
start_game
[ "$(tail -c 9 "$log")" = "Exiting." ] || fail "debug.txt does not end with Exiting."
[ -s "$folder/data/HighScore.txt" ] || fail "no high scores saved in $folder/data"
[ "$(readlink -f "$folder/data/Quagleaper.dat")" = "$(readlink -f "$prefix/share/quagleaper/Quagleaper.dat")" ] \
    || fail "the player's folder does not read the installed container"
[ "$(readlink -f "$folder/data/demo.qlr")" = "$(readlink -f "$prefix/share/quagleaper/demo.qlr")" ] \
    || fail "the player's folder does not offer the installed demo"
[ -z "$(ls -A "$elsewhere")" ] || fail "the game wrote into the folder it was started from: $(ls -A "$elsewhere")"
written=$(cd "$work" && find . -newer install.log -type f \( -name debug.txt -o -name HighScore.txt \) | sort)
[ "$written" = "$(printf '%s\n' ./home/.local/share/quagleaper/data/HighScore.txt ./home/.local/share/quagleaper/debug.txt)" ] \
    || fail "the game's files are not only in the player's folder: $written"

# With XDG_DATA_HOME the folder lies there; the high scores put there before are kept, and the
# first folder is left as it was.
saved=$(cat "$folder/data/HighScore.txt")
before=$(cd "$folder" && find . -printf '%p %s %T@\n' | sort)
xdg=$work/xdg
mkdir -p "$xdg/quagleaper/data"
cp "$folder/data/HighScore.txt" "$xdg/quagleaper/data/"
log=$xdg/quagleaper/debug.txt
keys=()
start_game XDG_DATA_HOME="$xdg"
[ "$(tail -c 9 "$log")" = "Exiting." ] || fail "debug.txt in \$XDG_DATA_HOME does not end with Exiting."
[ "$(cat "$xdg/quagleaper/data/HighScore.txt")" = "$saved" ] || fail "the high scores were not kept"
[ "$(cd "$folder" && find . -printf '%p %s %T@\n' | sort)" = "$before" ] || fail "the default folder changed"
[ -z "$(ls -A "$elsewhere")" ] || fail "the game wrote into the folder it was started from"
# The launcher's own failures end it with a line on stderr, before the game starts.
launcher_refuses() {
    local said
    said=$(env "$@" "$prefix/bin/quagleaper" 2>&1 >/dev/null) && fail "the launcher went on: $*"
    echo "$said"
}
launcher_refuses -u HOME -u XDG_DATA_HOME | grep -q "HOME is not set" || fail "no word of the missing HOME"
launcher_refuses XDG_DATA_HOME=/proc/no-such | grep -qF "cannot make the folder /proc/no-such/quagleaper/data" \
    || fail "no word of the folder that cannot be made"
echo "installed game: passed"
