#!/bin/sh
# Builds Murvane and takes screenshots of its windows in a virtual display:
# the start window, the main window with the welcome panel (the pointer over
# "CLEAN NOW"), a pass's report and the status panel after it, the About
# window, the tray menu, the start button's tool tip, and the main window
# without a skin file.
#
#   scripts/screenshots.sh [output folder]     (default: build/screenshots)
#
# Everything runs in a throwaway Wine prefix with its own HOME, made for this
# run and deleted after it, in which the program folder is C:\Murvane; the
# prefix has no Z: drive, so the pass cannot reach the host's files. Builds
# into $MURVANE_BUILD_DIR (default build/).
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=${MURVANE_BUILD_DIR:-$top/build}
shots=${1:-$build/screenshots}
"$top/scripts/setup-debian.sh"
cmake -S "$top" -B "$build" >/dev/null
cmake --build "$build" -j "$(nproc)" --target murvane murvane_data

wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
work=$(mktemp -d)
mkdir -p "$shots"
shots=$(cd "$shots" && pwd)

export WINEPREFIX="$work/prefix"
export HOME="$work/home"
export XDG_DATA_HOME="$work/xdg/data" XDG_CONFIG_HOME="$work/xdg/config"
export XDG_CACHE_HOME="$work/xdg/cache" XDG_RUNTIME_DIR="$work/xdg/runtime"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
mkdir -p "$HOME" "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

xvfb_pid=""
cleanup() {
  "$wineserver" -k 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT INT TERM

# A display number nobody uses.
display=77
while [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display"
sleep 1

echo "Making a Wine prefix for the run..."
"$wine" wineboot -i >/dev/null 2>&1 || true
"$wineserver" -w
# Every program of the run, the helper included, opens on the one virtual
# desktop "Murvane", which draws the frames and the notification area.
printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\r\n"Desktop"="Murvane"\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\r\n"Murvane"="1280x800"\r\n' >"$work/desktop.reg"
"$wine" regedit /S "$work/desktop.reg" >/dev/null 2>&1
"$wineserver" -w
# From here on the prefix cannot reach the host's files.
rm -f "$WINEPREFIX/dosdevices/z:"

program="$WINEPREFIX/drive_c/Murvane"
mkdir -p "$program"
cp "$build/bin/murvane.exe" "$program/"
cp -r "$top/data/." "$program/"
# A pass over a dozen tracks, so the status list has rows to show.
printf '[EXPLORER]\r\nlocation=1\r\nhistory=1\r\ncache=1\r\ncookies=1\r\nautocomplete=1\r\n[WINDOWS]\r\nrecent=1\r\nrun=1\r\ntemp=1\r\nrecycle=1\r\nclip=1\r\npicturelocation=1\r\nthumbs=1\r\nuserassist=1\r\n[Options]\r\nlastclean=\r\n' >"$program/prisd.dat"

x86_64-w64-mingw32-g++-posix -O1 -static -o "$WINEPREFIX/drive_c/driver.exe" "$top/scripts/screenshot-driver.cpp" -luser32
driver() { "$wine" 'C:\driver.exe' "$@"; }

# The screen as the user sees it. Under Xvfb a grab of the root window can
# miss the contents of a window Wine put on top later (it shows black), so
# each of the program's windows is grabbed on its own and laid over the root
# grab, bottom to top.
grab_screen() {
  xwd -root -silent | convert xwd:- "$work/screen.png"
  xwininfo -root -tree | grep '"murvane.exe"' | tac |
    sed -n 's/^ *\(0x[0-9a-f]*\) .* \([0-9]*x[0-9]*+-*[0-9]*+-*[0-9]*\) .*/\1 \2/p' |
    while read -r id geometry; do
      size=${geometry%%+*}
      [ "$size" = "1x1" ] && continue
      offset=${geometry#"$size"}
      xwd -id "$id" -silent | convert xwd:- "$work/window.png" || continue
      convert "$work/screen.png" "$work/window.png" -geometry "$offset" -composite "$work/screen.png"
    done
}

shoot() {  # shoot <name> [window classes to crop to]
  name=$1
  shift
  grab_screen
  if [ $# -gt 0 ] && geometry=$(driver rect "$@" | tr -d '\r') && [ -n "$geometry" ]; then
    convert "$work/screen.png" -crop "$geometry" +repage "$shots/$name.png"
  else
    cp "$work/screen.png" "$shots/$name.png"
  fi
  echo "$shots/$name.png"
}

main=MurvaneFrmMainCode
start_program() {
  (cd "$program" && "$wine" explorer /desktop=Murvane,1280x800 'C:\Murvane\murvane.exe' >/dev/null 2>&1 &)
}

start_program
driver wait MurvaneFrmsplash 60
sleep 1
shoot splash MurvaneFrmsplash
driver gone MurvaneFrmsplash 10
driver wait "$main" 10
sleep 1
driver hover "$main" 1006          # Image3, "CLEAN NOW"
sleep 1
shoot main-welcome "$main"

driver command "$main" 101         # File > Clean Now
driver wait '#32770' 30
sleep 1
shoot pass-report "$main" "#32770"
driver ok
sleep 1
shoot main-status "$main"
driver point "$main" 1035         # the pointer rests on "Start Cleaning >>"
sleep 3
shoot start-tooltip
driver cursor 1000 700

driver command "$main" 125         # Help > About
driver wait MurvaneFrmabout 10
sleep 1
shoot about "$main" MurvaneFrmabout
driver click MurvaneFrmabout 108   # Exit
driver gone MurvaneFrmabout 10

driver cursor 1180 790
driver post "$main" 512 1 517      # the tray icon's right-button callback
sleep 1
shoot tray-menu
driver key 27
sleep 1

"$wineserver" -k
sleep 1
rm -rf "$program/skins"
start_program
driver wait "$main" 60
driver gone MurvaneFrmsplash 10
sleep 1
shoot main-unskinned "$main"
