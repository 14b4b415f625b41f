#!/bin/sh
# Builds the Debian package and checks what it carries and what it depends on.
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
         ./usr/share/icons/hicolor/48x48/apps/org.ondara.Ondara.png; do
    grep -qx "$f" "$work/files" || { echo "package lacks $f" >&2; exit 1; }
done
depends=$(dpkg-deb -f "$deb" Depends)
maintainer=$(dpkg-deb -f "$deb" Maintainer)
echo "Depends: $depends"
echo "Maintainer: $maintainer"
for d in libqt6sql6-sqlite qt6-qpa-plugins libqt6widgets6 libc6; do
    printf '%s' "$depends" | grep -q "$d" || { echo "package does not depend on $d" >&2; exit 1; }
done
[ -n "$maintainer" ]
echo "package holds $(wc -l < "$work/files") entries"
