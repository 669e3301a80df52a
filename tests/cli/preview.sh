#!/bin/sh
# murvane-cli preview, end to end: each selected track's caption with what it
# would erase indented under it, then the totals in the report's words; the
# settings file (statistics included) is left byte for byte as it was, and
# the exit option does not end a preview early.
#   preview.sh <murvane-cli.exe> <wine-run.sh> <scratch folder>
set -eu
cli=$1 wine_run=$2 scratch=$3
rm -rf "$scratch"
mkdir -p "$scratch"
cp "$cli" "$scratch/murvane-cli.exe"
fail() { echo "FAIL: $*" >&2; exit 1; }

printf '[EXPLORER]\r\nlocation=1\r\n[WINDOWS]\r\nrecent=1\r\n[Options]\r\nlastclean=old\r\nregnum=1000\r\nfilesize=5000\r\nexit=1\r\n' \
  >"$scratch/prisd.dat"
cp "$scratch/prisd.dat" "$scratch/before.dat"

out=$("$wine_run" "$scratch/murvane-cli.exe" preview | tr -d '\r')
headings=$(printf '%s\n' "$out" | grep -v '^  ' || true)
[ "$(printf '%s\n' "$headings" | head -n 2)" = "IE Address Bar History
Recent Documents History" ] || fail "headings: $out"
[ "$(printf '%s\n' "$headings" | wc -l)" -eq 3 ] || fail "heading count: $out"
printf '%s\n' "$headings" | tail -n 1 |
  grep -Eqx 'Task complete Successfully! Cleaned Registry Keys: [0-9]+ Released HD Space:[0-9]+\.[0-9]{2}MB' ||
  fail "totals: $out"
cmp -s "$scratch/prisd.dat" "$scratch/before.dat" || fail "preview changed the settings file"

# A file the "Windows Temp" track erases: listed by the preview and left in
# place, erased by the pass that follows.
root=${MURVANE_WINE_ROOT:-$(dirname "$scratch")/wine}
user=$(ls "$root/prefix/drive_c/users" | grep -vx Public | head -n 1)
temp="$root/prefix/drive_c/users/$user/Temp"
mkdir -p "$temp"
printf 'probe\n' >"$temp/murvane-preview-probe.tmp"
printf '[WINDOWS]\r\ntemp=1\r\n' >"$scratch/prisd.dat"
out=$("$wine_run" "$scratch/murvane-cli.exe" preview | tr -d '\r')
printf '%s\n' "$out" | grep -Fqx "  file: C:\\users\\$user\\Temp\\murvane-preview-probe.tmp (6 bytes)" ||
  fail "probe not listed: $out"
[ -f "$temp/murvane-preview-probe.tmp" ] || fail "preview erased the probe"
out=$("$wine_run" "$scratch/murvane-cli.exe" clean | tr -d '\r')
printf '%s\n' "$out" | head -n 1 | grep -qx "Windows Temp$(printf '\t')Done" || fail "clean: $out"
[ -f "$temp/murvane-preview-probe.tmp" ] && fail "the pass left the probe"

# An unknown verb is a usage error.
if "$wine_run" "$scratch/murvane-cli.exe" erase >/dev/null 2>&1; then fail "unknown verb accepted"; fi
echo "preview: ok"
