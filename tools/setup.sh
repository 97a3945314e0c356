#!/usr/bin/env bash
# Shared by ./run.sh and ./test.sh: installs the Debian packages that are
# missing, configures once and builds what changed.
set -euo pipefail

# Build and run: the compiler, Qt 6 with its Japanese texts, the fonts that
# stand in for the original desktop's. Tests: an X server, a key driver and
# XTest for the random-use driver,
# a browser that reads back the test-play page, the desktop's validators of
# the installed entry and metainfo (and its file-type database), the
# Debian package's builders and checker (scdoc for the man pages), and clang
# with its libFuzzer runtime for the fuzz targets, its formatter and tidy
# checks. Pattern images: QtSvg and
# the metafile libraries (WMF, EMF and the EMF record checks). The
# companion's Tiled maps: zlib and Zstandard for their layer data, and the
# Tiled map editor, whose own programs read and draw the maps in the tests.
VORZO_PACKAGES=(
    cmake ninja-build g++
    qt6-base-dev qt6-translations-l10n fonts-ipafont-gothic
    qt6-svg-dev libwmf-dev libemf2svg-dev libuemf-dev pkg-config
    zlib1g-dev libzstd-dev tiled
    xvfb xauth xdotool libxtst-dev chromium
    desktop-file-utils appstream shared-mime-info
    dpkg-dev file lintian scdoc man-db libglib2.0-bin x11-utils
    clang libclang-rt-14-dev clang-format clang-tidy
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
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# The source folder; presets are found from there.
VORZO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

vorzo_build() {
    (
        cd "$VORZO_ROOT"
        [ -f build/CMakeCache.txt ] || cmake --preset default
        cmake --build --preset default
    )
}
