#!/bin/sh
# Configures and builds Ondara into build/ (tests and benchmarks included).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DONDARA_WERROR=ON >/dev/null
cmake --build "$root/build" -j"$(nproc)"
