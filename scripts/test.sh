#!/bin/sh
# Builds Murvane with warnings as errors and runs every test under Wine, in a
# prefix made fresh for this run (build/wine), with no access to the host's
# files, the host user's Wine prefix or the host's trash.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
start=$(date +%s)
"$top/scripts/build.sh" -DMURVANE_WERROR=ON -DMURVANE_TESTS=ON
rm -rf "$top/build/wine" "$top/build/cli-tests"
cd "$top/build"
status=0
ctest --output-on-failure || status=$?
MURVANE_WINE_ROOT="$top/build/wine" /usr/lib/wine/wineserver -k 2>/dev/null || true
echo "test command took $(( $(date +%s) - start )) s"
exit $status
