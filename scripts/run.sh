#!/bin/sh
# Builds Ondara and starts it on the user's own data folder.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh"
if [ -x "$root/build/bin/ondara-launch" ]; then
    exec "$root/build/bin/ondara-launch" "$@"
fi
exec "$root/build/bin/ondara" "$@"
