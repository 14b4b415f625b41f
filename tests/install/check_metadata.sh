#!/bin/sh
# The desktop entry and the AppStream metadata pass their validators.
set -eu
dir=$1
desktop-file-validate "$dir/org.ondara.Ondara.desktop"
appstreamcli validate --no-net "$dir/org.ondara.Ondara.metainfo.xml"
grep -q '^Categories=.*Office;.*Finance;' "$dir/org.ondara.Ondara.desktop"
grep -q '^Exec=ondara-launch$' "$dir/org.ondara.Ondara.desktop"
echo "metadata valid"
