#!/usr/bin/env bash
# Installs what is missing, builds, then starts Orlendra ("run") or runs the test suite ("test").
# Meant for Debian 12; installing needs root. A second run finds everything in place and only
# rebuilds what changed.
set -euo pipefail

mode=${1:-run}
case "$mode" in
run | test) ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac

top=$(cd "$(dirname "$0")/.." && pwd)
build="$top/build"

# The second line is for the suite: checks of the desktop files and of the Debian package (built,
# then read by lintian), and a virtual X server with a second clipboard user for the clipboard rule.
# The third, a headless Wayland compositor and Qt's Wayland platform for the runs on Wayland.
packages=(cmake g++ make qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev libvulkan-dev fonts-dejavu-core
    desktop-file-utils appstream dpkg-dev file lintian xvfb xclip
    weston qt6-wayland
    # The history of tests (Qt's SQLite driver) and its Progress window's chart.
    libqt6sql6-sqlite qt6-charts-dev
    # The font configuration, read early on a second core at start (Qt links it already).
    libfontconfig-dev
    # The translations: Qt's tools that build them (qt_add_translations, lupdate, lrelease), and
    # Qt's own, which put the standard buttons into the learner's language.
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    # The documents on paper are read back by the tests as a reader would (pdftotext, pdfinfo)
    # and pictured for the README (pdftoppm).
    poppler-utils
    # Two real Syncthing instances keep two profiles' history in step on the loopback address,
    # driven through their local API.
    syncthing curl)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq \
        "${missing[@]}"
fi

cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --parallel "$(nproc)"

if [ "$mode" = test ]; then
    cd "$build"
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"
else
    exec "$build/Orlendra"
fi
