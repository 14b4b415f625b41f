#!/bin/sh
# Installs the Debian 12 packages Ondara needs to build, run and test, if any is missing.
set -eu

# Qt Charts' CMake files need Qt's OpenGL ones, which Debian's qt6-charts-dev does not pull in;
# the translation tools' CMake files come with qt6-tools-dev.
packages="cmake g++ make pkgconf qt6-base-dev qt6-charts-dev libqt6opengl6-dev libqt6sql6-sqlite qt6-qpa-plugins
qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
libgl-dev fonts-dejavu-core fonts-liberation2 sqlite3 poppler-utils
desktop-file-utils appstream dpkg-dev lintian imagemagick xvfb xauth xdotool"

missing=""
for p in $packages; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
# The tests check that a decimal-comma locale changes nothing.
need_locale=0
locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' || need_locale=1
if [ "$need_locale" -eq 1 ] && ! dpkg-query -W -f='${Status}' locales 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing locales"
fi
[ -z "$missing" ] && [ "$need_locale" -eq 0 ] && exit 0

[ -n "$missing" ] && echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then
    sudo=""
elif command -v sudo >/dev/null 2>&1; then
    sudo="sudo"
else
    echo "Missing packages:$missing (run as root or install sudo)" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
if [ -n "$missing" ]; then
    $sudo apt-get update -qq
    # shellcheck disable=SC2086
    $sudo apt-get install -y -qq --no-install-recommends $missing
fi
if [ "$need_locale" -eq 1 ]; then
    $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
