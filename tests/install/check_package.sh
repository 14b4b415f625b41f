#!/bin/sh
# Builds the Debian package and checks what it carries, what it depends on,
# that Debian's package checker finds nothing wrong with it, and that its
# program answers --help and --version on a terminal without a display.
set -eu
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack --config "$build/CPackConfig.cmake" -B "$work" >/dev/null
deb=$(ls "$work"/ondara_*.deb)
dpkg-deb -c "$deb" | awk '{print $6}' > "$work/files"
for f in ./usr/bin/ondara-launch ./usr/libexec/ondara/ondara ./usr/libexec/ondara/ondara-mkdb \
         ./usr/share/ondara/images/wave5up.gif ./usr/share/ondara/help/WaveHelpPopup.txt \
         ./usr/share/applications/org.ondara.Ondara.desktop \
         ./usr/share/metainfo/org.ondara.Ondara.metainfo.xml \
         ./usr/share/icons/hicolor/48x48/apps/org.ondara.Ondara.png \
         ./usr/share/doc/ondara/copyright ./usr/share/doc/ondara/changelog.gz \
         ./usr/share/man/man1/ondara.1.gz ./usr/share/man/man1/ondara-launch.1.gz; do
    grep -qx "$f" "$work/files" || { echo "package lacks $f" >&2; exit 1; }
done
depends=$(dpkg-deb -f "$deb" Depends)
maintainer=$(dpkg-deb -f "$deb" Maintainer)
echo "Depends: $depends"
echo "Maintainer: $maintainer"
for d in libqt6sql6-sqlite qt6-qpa-plugins libqt6widgets6 libqt6charts6 libc6; do
    printf '%s' "$depends" | grep -q "$d" || { echo "package does not depend on $d" >&2; exit 1; }
done
[ -n "$maintainer" ]

version=$(dpkg-deb -f "$deb" Version)
dpkg-deb -x "$deb" "$work/root"
gzip -dc "$work/root/usr/share/doc/ondara/changelog.gz" | head -n 1 | grep -q "^ondara ($version) " ||
    { echo "the changelog has no entry for $version" >&2; exit 1; }
if command -v lintian >/dev/null 2>&1; then
    lintian --fail-on error,warning "$deb" || { echo "lintian rejects the package" >&2; exit 1; }
else
    echo "lintian is not installed; the package was not checked by it"
fi

# In an empty home, with no display to open a window on: the launcher passes
# the question on without making a data folder.
mkdir "$work/empty"
cd "$work/empty"
program=$work/root/usr/libexec/ondara/ondara
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_DATA_HOME HOME="$work/empty" \
    "$work/root/usr/bin/ondara-launch" --version)
[ "$out" = "Ondara $version" ] || { echo "--version printed: $out" >&2; exit 1; }
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --help | grep -q -- --version ||
    { echo "--help does not list the options" >&2; exit 1; }
status=0
QT_QPA_PLATFORM=offscreen timeout 20 "$program" --no-such-option 2>/dev/null || status=$?
[ "$status" = 2 ] || { echo "an unknown option ended with status $status" >&2; exit 1; }
[ -z "$(ls -A)" ] || { echo "the options left files behind" >&2; exit 1; }
echo "package holds $(wc -l < "$work/files") entries"
