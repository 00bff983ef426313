#!/usr/bin/env bash
# The Debian package: cpack makes quagleaper_VERSION_ARCH.deb and a tarball from a built tree;
# unpacked into a scratch root it holds the game, its data, menu entry, metainfo, icons, manual
# page and licence in their places, its metadata validates, and the game started from there
# answers --version and --help without a window, refuses an unknown option with 2, and plays in
# a real X window. Usage: debian_package.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=window-lib.bash
source "$here/window-lib.bash"

build=$(cd "${1:?usage: debian_package.sh BUILD_DIR}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
# The player's own settings are neither read nor changed.
export XDG_CONFIG_HOME="$work/config"
cd "$work"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || fail "no project version in $build"
arch=$(dpkg --print-architecture)
deb=quagleaper_${version}_$arch.deb
# A test build installs into /usr/local; the package goes where Debian's do.
cpack --config "$build/CPackConfig.cmake" -B "$work/out" -D CPACK_PACKAGING_INSTALL_PREFIX=/usr \
    > cpack.log 2>&1 || fail "cpack: $(cat cpack.log)"
[ -f "out/$deb" ] || fail "no $deb: $(ls out)"
[ -f "out/quagleaper-$version-Linux.tar.gz" ] || fail "no tarball: $(ls out)"
field() { dpkg-deb -f "out/$deb" "$1"; }
[ "$(field Version)" = "$version" ] && [ "$(field Section)" = games ] && [ "$(field Architecture)" = "$arch" ] \
    || fail "control: $(dpkg-deb -f "out/$deb")"
[[ $(field Depends) == *libsdl2-* ]] || fail "the dependencies lack SDL: $(field Depends)"

root=$work/root
dpkg -x "out/$deb" "$root"
share=$root/usr/share
# Debian's layout, games/ and share/games/, comes with a build for /usr.
games=games
[ -f "$root/usr/games/quagleaper" ] || games=bin
data=share/games
[ $games = games ] || data=share
for file in usr/$games/quagleaper usr/libexec/quagleaper/quagleaper usr/$data/quagleaper/Quagleaper.dat \
            usr/share/applications/quagleaper.desktop usr/share/metainfo/org.quagleaper.Quagleaper.metainfo.xml \
            usr/share/icons/hicolor/scalable/apps/quagleaper.svg usr/share/man/man6/quagleaper.6.gz \
            usr/share/doc/quagleaper/copyright usr/share/doc/quagleaper/changelog.gz usr/share/doc/quagleaper/NEWS; do
    [ -f "$root/$file" ] || fail "the package lacks $file"
done
for size in 16 24 32 48 64 128 256 512; do
    icon=$share/icons/hicolor/${size}x$size/apps/quagleaper.png
    [ "$(identify -format '%m %wx%h' "$icon")" = "PNG ${size}x$size" ] || fail "icon $size: $(identify "$icon")"
done
[ "$(identify -format '%wx%h' "$share/icons/hicolor/scalable/apps/quagleaper.svg")" = 64x64 ] \
    || fail "the scalable icon does not read as a picture"

desktop-file-validate "$share/applications/quagleaper.desktop" || fail "the menu entry does not validate"
metainfo=$share/metainfo/org.quagleaper.Quagleaper.metainfo.xml
appstreamcli validate --no-net --pedantic "$metainfo" > validate.log 2>&1 || fail "metainfo: $(cat validate.log)"
grep -qF "<release version=\"$version\"" "$metainfo" || fail "the metainfo lacks release $version"
zcat "$share/man/man6/quagleaper.6.gz" | groff -man -ww -z -Tutf8 2> groff.log
[ ! -s groff.log ] || fail "the manual page warns: $(cat groff.log)"
LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$share/man/man6/quagleaper.6.gz" 2>&1 | grep -q "quagleaper \[-h\] \[-v\]" \
    || fail "the manual page shows no synopsis"

# The command line is answered before any window, so none is there to open.
export HOME=$work/home
game=$root/usr/$games/quagleaper
[ "$(env -u DISPLAY "$game" --version)" = "quagleaper $version" ] || fail "--version: $(env -u DISPLAY "$game" --version 2>&1)"
env -u DISPLAY "$game" -h > help.txt || fail "--help ended with $?"
grep -q -- "--version" help.txt || fail "--help: $(cat help.txt)"
status=0
env -u DISPLAY "$game" --bogus > bogus.out 2> bogus.err || status=$?
[ "$status" -eq 2 ] && [ ! -s bogus.out ] && grep -q "^Usage: quagleaper" bogus.err \
    || fail "an unknown option: status $status, $(cat bogus.out bogus.err)"

# And it plays from the unpacked root.
mkdir -p session elsewhere
log=$HOME/.local/share/quagleaper/debug.txt
(cd session && env -u XDG_DATA_HOME PATH="$root/usr/$games:$PATH" xvfb-run -a -s "-screen 0 1024x768x24" \
    bash "$here/installed_game.sh" --in-session quagleaper "$work/elsewhere" "$log")
[ "$(tail -c 9 "$log")" = "Exiting." ] || fail "debug.txt does not end with Exiting."
echo "debian package: passed"
