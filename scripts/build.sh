#!/bin/sh
# Configures and builds Murvane into build/ (the program folder is build/bin).
#   scripts/build.sh [extra cmake options]
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup-debian.sh"
cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$top/build" -j "$(nproc)"
