#!/bin/sh
# murvane-cli list: 140 tracks in catalogue order with the pass's selection,
# and usage with exit code 2 for an unknown verb.
#   list.sh <murvane-cli.exe> <wine-run.sh> <scratch folder>
set -eu
cli=$1
run=$2
scratch=$3
rm -rf "$scratch"
mkdir -p "$scratch"
cp "$cli" "$scratch/murvane-cli.exe"
fail() { echo "FAIL: $*"; exit 1; }

"$run" "$scratch/murvane-cli.exe" list | tr -d '\r' >"$scratch/out.txt"
[ "$(wc -l <"$scratch/out.txt")" -eq 140 ] || fail "expected 140 lines"
head -1 "$scratch/out.txt" | grep -qx 'EXPLORER	location	IE Address Bar History	0' || fail "first line"
tail -1 "$scratch/out.txt" | grep -qx 'mail	accounts	Windows mail accounts	0' || fail "last line"
[ "$(cut -f4 "$scratch/out.txt" | sort -u)" = "0" ] || fail "nothing is selected without a settings file"

printf '[FIREFOX]\r\nCookies=1\r\n[Chrome]\r\nCache=01\r\n[Maxthon]\r\nkeywords=1.0\r\n' >"$scratch/prisd.dat"
"$run" "$scratch/murvane-cli.exe" list | tr -d '\r' >"$scratch/out.txt"
grep -qx 'FIREFOX	Cookies	Cookies	1' "$scratch/out.txt" || fail "Firefox cookies selected"
grep -qx 'Chrome	Cache	Cache	0' "$scratch/out.txt" || fail "01 does not select an ordinary track"
grep -qx 'Maxthon	keywords	Typed Urls	1' "$scratch/out.txt" || fail "1.0 selects a Maxthon track"
[ "$(cut -f4 "$scratch/out.txt" | grep -c 1)" -eq 2 ] || fail "exactly two selected"

status=0
"$run" "$scratch/murvane-cli.exe" frobnicate >"$scratch/stdout.txt" 2>"$scratch/stderr.txt" || status=$?
[ "$status" -eq 2 ] || fail "unknown verb exits 2, got $status"
[ ! -s "$scratch/stdout.txt" ] || fail "usage goes to stderr only"
grep -q '^usage: murvane-cli' "$scratch/stderr.txt" || fail "usage text"
status=0
"$run" "$scratch/murvane-cli.exe" >/dev/null 2>&1 || status=$?
[ "$status" -eq 2 ] || fail "no verb exits 2"
echo "cli list: ok"
