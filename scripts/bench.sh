#!/bin/sh
# Builds the erasure benchmark and runs it under Wine in a prefix of its own,
# made fresh for every run (build/bench-wine), apart from the tests' prefix.
#   scripts/bench.sh [rounds]        (each figure is the median of the rounds)
# MURVANE_BUILD_DIR chooses another build folder (default build/).
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=${MURVANE_BUILD_DIR:-$top/build}
"$top/scripts/setup-debian.sh"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)" --target erase_bench
root="$build/bench-wine"
rm -rf "$root"
status=0
MURVANE_WINE_ROOT="$root" "$top/cmake/wine-run.sh" "$build/bin/erase_bench.exe" "$@" || status=$?
WINEPREFIX="$root/prefix" /usr/lib/wine/wineserver -k 2>/dev/null || true
rm -rf "$root"
exit $status
