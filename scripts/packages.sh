# Debian packages of the game and of its tests; sourced by the other scripts.
# shellcheck shell=bash
GAME_PACKAGES="g++ cmake make pkg-config libsdl2-dev libx11-dev libjpeg62-turbo-dev libpng-dev libvorbis-dev libcairo2-dev fonts-dejavu-core gettext"
TEST_PACKAGES="$GAME_PACKAGES googletest libgtest-dev libbenchmark-dev python3 xvfb xauth xdotool x11-utils imagemagick desktop-file-utils appstream lintian groff man-db dpkg-dev file clang-format"

# Installs whichever of the named packages are missing. As root it installs them; otherwise it
# prints the apt line to run and fails.
ensure_packages() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages. Install them with:"
        echo "  sudo apt-get install -y ${missing[*]}"
        return 1
    fi
    echo "Installing ${missing[*]}"
    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
}
