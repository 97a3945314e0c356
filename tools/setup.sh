#!/usr/bin/env bash
# Shared by ./run.sh and ./test.sh: installs the Debian packages that are
# missing, configures once and builds what changed.
set -euo pipefail

# Build and run: the compiler, Qt 6 with its Japanese texts, the fonts that
# stand in for the original desktop's. Tests: an X server and a key driver,
# and a browser that reads back the test-play page. Pattern images: QtSvg and
# the metafile libraries (WMF, EMF and the EMF record checks).
VORZO_PACKAGES=(
    cmake ninja-build g++
    qt6-base-dev qt6-translations-l10n fonts-ipafont-gothic
    qt6-svg-dev libwmf-dev libemf2svg-dev libuemf-dev pkg-config
    xvfb xauth xdotool chromium
)

vorzo_install_missing_packages() {
    local missing=()
    for package in "${VORZO_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

vorzo_build() {
    local root
    root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
    cd "$root"
    [ -f build/CMakeCache.txt ] || cmake --preset default
    cmake --build --preset default
}
