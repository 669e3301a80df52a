#!/bin/sh
# Builds Murvane and starts murvane.exe under Wine.
#
# With a display (DISPLAY set) the program opens there. Without one it runs in
# a virtual display (Xvfb :77); a screenshot is saved to build/screenshots/
# once the main window is up, and the program keeps running until you press
# Ctrl+C (or for MURVANE_RUN_SECONDS seconds, when that is set).
#
# The Wine prefix is $WINEPREFIX, by default ~/.local/share/murvane/prefix, so
# Murvane cleans that prefix's user profile and leaves your other Wine
# programs alone. Its program folder (settings files) is build/bin.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/build.sh"

export WINEPREFIX="${WINEPREFIX:-$HOME/.local/share/murvane/prefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
mkdir -p "$(dirname "$WINEPREFIX")"
wine=/usr/lib/wine/wine64

xvfb_pid=""
cleanup() {
  [ -n "${program_pid:-}" ] && kill "$program_pid" 2>/dev/null || true
  "$(dirname "$wine")/wineserver" -k 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT INT TERM

if [ -z "${DISPLAY:-}" ]; then
  Xvfb :77 -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=:77
  sleep 1
  echo "No display: running in the virtual display $DISPLAY."
fi

# A new prefix takes a while to make; do it before the program starts.
[ -d "$WINEPREFIX" ] || "$wine" wineboot -i >/dev/null 2>&1 || true

cd "$top/build/bin"
if [ -n "$xvfb_pid" ]; then
  # A bare X server has no window manager; Wine's own desktop window draws
  # the frames, captions and the notification area instead.
  "$wine" explorer /desktop=Murvane,1280x800 ./murvane.exe "$@" &
else
  "$wine" ./murvane.exe "$@" &
fi
program_pid=$!

if [ -n "$xvfb_pid" ]; then
  shots="$top/build/screenshots"
  mkdir -p "$shots"
  sleep 8
  xwd -root -silent | convert xwd:- "$shots/murvane.png"
  echo "Screenshot of the virtual display: $shots/murvane.png"
  if [ -n "${MURVANE_RUN_SECONDS:-}" ]; then
    sleep "$MURVANE_RUN_SECONDS"
    exit 0
  fi
  echo "Murvane is running in the virtual display; press Ctrl+C to stop it."
fi
wait "$program_pid" || true
