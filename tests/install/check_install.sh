#!/bin/sh
# Installs into a temporary prefix, moves it (the tree must be relocatable),
# and starts the installed launcher from another folder with a fresh data
# home: the window must open on the start-up picture, with an empty database
# made for it in the user's data folder.
set -eu
build=$1
src=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/first" >/dev/null
mv "$work/first" "$work/prefix"
prefix=$work/prefix

# Nothing of the build tree may be needed by the installed program.
if grep -rqs "$build" "$prefix/bin/ondara-launch"; then
    echo "the launcher names the build tree" >&2
    exit 1
fi
for f in bin/ondara-launch libexec/ondara/ondara libexec/ondara/ondara-mkdb \
         share/ondara/images/wavesplash.jpg share/ondara/images/wavesplash@2x.png \
         share/ondara/help/WaveHelpPopup.txt \
         share/applications/org.ondara.Ondara.desktop share/metainfo/org.ondara.Ondara.metainfo.xml \
         share/icons/hicolor/48x48/apps/org.ondara.Ondara.png; do
    [ -e "$prefix/$f" ] || { echo "missing: $f" >&2; exit 1; }
done

mkdir -p "$work/elsewhere" "$work/home"
cd "$work/elsewhere"
export HOME="$work/home" XDG_DATA_HOME="$work/data"
export QT_QPA_PLATFORM=xcb
xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
    "$1/bin/ondara-launch" &
    app=$!
    wid=""
    for i in $(seq 1 100); do
        wid=$(xdotool search --onlyvisible --name "^Ondara$" 2>/dev/null | head -n 1) && [ -n "$wid" ] && break
        sleep 0.1
    done
    [ -n "$wid" ] || { echo "no Ondara window appeared" >&2; kill $app; exit 1; }
    sleep 0.5
    import -window "$wid" "$2/window.png"
    kill $app
' sh "$prefix" "$work"

db="$XDG_DATA_HOME/ondara/ondara.mdb"
[ -f "$db" ] || { echo "no database was made in the data folder" >&2; exit 1; }
rows=$(sqlite3 "$db" "SELECT count(*) FROM tblSymbols;")
[ "$rows" = 0 ] || { echo "the new database is not empty: $rows rows" >&2; exit 1; }
[ -z "$(ls -A "$work/elsewhere")" ] || { echo "files were left in the starting folder" >&2; exit 1; }

# The start-up picture must be on the window, pixel for pixel (within JPEG noise).
found=$(compare -metric RMSE -subimage-search "$work/window.png" "$src/images/wavesplash.jpg" null: 2>&1 || true)
score=$(printf '%s' "$found" | sed -n 's/.*(\([0-9.e-]*\)).*/\1/p' | head -n 1)
echo "start-up picture match: $found"
awk -v s="$score" 'BEGIN { exit !(s != "" && s < 0.05) }' || { echo "the start-up picture is not on the window" >&2; exit 1; }
echo "installed program starts"
