#!/bin/sh
# Installs what building, running and testing Murvane need on Debian 12, when
# it is missing: the mingw-w64 cross compiler, CMake, GoogleTest's sources,
# Wine, and Xvfb with the screenshot tools.
set -eu

need=""
have() { command -v "$1" >/dev/null 2>&1; }
have x86_64-w64-mingw32-g++-posix || need="$need g++-mingw-w64-x86-64"
have cmake || need="$need cmake"
have make || need="$need make"
[ -f /usr/src/googletest/CMakeLists.txt ] || need="$need googletest"
[ -x /usr/lib/wine/wine64 ] || need="$need wine64"
# Wine's own fonts (Marlett draws the caption buttons, Tahoma the text).
[ -d /usr/share/wine/fonts ] || need="$need fonts-wine"
have Xvfb || need="$need xvfb"
have xwd || need="$need x11-apps"
have convert || need="$need imagemagick"
have flock || need="$need util-linux"

[ -z "$need" ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing:$need"
$sudo apt-get update -qq
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $need >/dev/null
