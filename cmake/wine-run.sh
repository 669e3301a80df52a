#!/bin/sh
# Runs a Windows executable under Wine in a throwaway prefix that cannot reach
# the host: its own WINEPREFIX, HOME and XDG folders (Wine's recycle bin is the
# XDG trash and its shell folders link into HOME), no Z: drive, and the "null"
# graphics driver so windows can be created without a display.
#
#   wine-run.sh <exe> [args...]
#   wine-run.sh --builtin <program> [args...]
#
# The second form runs one of Wine's own programs (reg, regedit, cmd ...) in
# the same prefix, so a test can prepare or inspect what the exe will see; it
# needs MURVANE_WINE_ROOT, as there is no exe folder to find the prefix by.
#
# The prefix lives in MURVANE_WINE_ROOT, by default <exe folder>/../wine. It is
# made on first use (about ten seconds) and reused until someone deletes it;
# scripts/test.sh deletes it at the start of every test run. The executable's
# folder is reached through drive Y:, so the program sees an ordinary path.
set -eu

builtin=
if [ "${1:-}" = --builtin ]; then
  builtin=$2
  shift 2
  root=${MURVANE_WINE_ROOT:?wine-run.sh: --builtin needs MURVANE_WINE_ROOT}
else
  exe=$1
  shift
  exe_dir=$(cd "$(dirname "$exe")" && pwd)
  exe_name=$(basename "$exe")
  root=${MURVANE_WINE_ROOT:-$(dirname "$exe_dir")/wine}
fi
wine_dir=${MURVANE_WINE_DIR:-/usr/lib/wine}

mkdir -p "$root"
root=$(cd "$root" && pwd)

export WINEPREFIX="$root/prefix"
export HOME="$root/home"
export XDG_DATA_HOME="$root/xdg/data"
export XDG_CONFIG_HOME="$root/xdg/config"
export XDG_CACHE_HOME="$root/xdg/cache"
export XDG_RUNTIME_DIR="$root/xdg/runtime"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset DISPLAY WAYLAND_DISPLAY

make_prefix() {
  mkdir -p "$HOME" "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  "$wine_dir/wine64" wineboot -i >/dev/null 2>&1 || true
  "$wine_dir/wineserver" -w
  "$wine_dir/wine64" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
  "$wine_dir/wineserver" -w
  grep -q '"Graphics"="null"' "$WINEPREFIX/user.reg" || {
    echo "wine-run.sh: could not set the null graphics driver" >&2
    exit 1
  }
  rm -f "$WINEPREFIX/dosdevices/z:"
  touch "$root/ready"
}

# One prefix, made once, even when several tests start at the same moment.
(
  flock 9
  [ -f "$root/ready" ] || make_prefix
  # Wine puts Z: back when it updates a prefix; it must never be there.
  rm -f "$WINEPREFIX/dosdevices/z:"
  [ -n "$builtin" ] || ln -sfn "$exe_dir" "$WINEPREFIX/dosdevices/y:"
) 9>"$root/.lock"

if [ -n "$builtin" ]; then
  # C:\ as its working folder: without Z: the host's folder is not reachable.
  cd "$WINEPREFIX/drive_c"
  exec "$wine_dir/wine64" "$builtin" "$@"
fi

cd "$exe_dir"
exec "$wine_dir/wine64" "Y:\\$exe_name" "$@"
