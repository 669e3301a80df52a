#!/bin/sh
# murvane-cli clean, end to end: a line per selected track when it ends, the
# report in the message box's words, the statistics written; and with "Exit
# after cleaning" set, the tracks only, the statistics left as they were.
#   clean.sh <murvane-cli.exe> <wine-run.sh> <scratch folder>
set -eu
cli=$1 wine_run=$2 scratch=$3
rm -rf "$scratch"
mkdir -p "$scratch"
cp "$cli" "$scratch/murvane-cli.exe"
fail() { echo "FAIL: $*" >&2; exit 1; }

settings='[EXPLORER]\r\nlocation=1\r\nhistory=0\r\n[WINDOWS]\r\nrecent=1\r\nrun=01\r\n[Options]\r\nlastclean=old\r\nregnum=1000\r\nfilesize=5000\r\n'
printf "$settings" >"$scratch/prisd.dat"

out=$("$wine_run" "$scratch/murvane-cli.exe" clean | tr -d '\r')
tab=$(printf '\t')
expected_rows="IE Address Bar History${tab}Done
Recent Documents History${tab}Done"
[ "$(printf '%s\n' "$out" | head -n 2)" = "$expected_rows" ] || fail "rows: $out"
[ "$(printf '%s\n' "$out" | wc -l)" -eq 3 ] || fail "line count: $out"
report=$(printf '%s\n' "$out" | tail -n 1)
printf '%s\n' "$report" |
  grep -Eqx 'Task complete Successfully! Cleaned Registry Keys: [0-9]+ Released HD Space:[0-9]+\.[0-9]{2}MB' ||
  fail "report: $report"
keys=$(printf '%s\n' "$report" | sed 's/.*Keys: \([0-9]*\) .*/\1/')
tr -d '\r' <"$scratch/prisd.dat" | grep -qx "regnum=$keys" || fail "regnum not written"
tr -d '\r' <"$scratch/prisd.dat" | grep -qx "lastclean=old" && fail "lastclean not written"

# Exit after cleaning: the tracks run, nothing is recorded or reported.
printf "${settings}exit=1\r\n" >"$scratch/prisd.dat"
cp "$scratch/prisd.dat" "$scratch/before.dat"
out=$("$wine_run" "$scratch/murvane-cli.exe" clean | tr -d '\r')
[ "$out" = "$expected_rows" ] || fail "exit=1 output: $out"
cmp -s "$scratch/prisd.dat" "$scratch/before.dat" || fail "exit=1 changed the settings"

# Nothing selected: the report alone, with nothing released.
rm "$scratch/prisd.dat"
out=$("$wine_run" "$scratch/murvane-cli.exe" clean | tr -d '\r')
[ "$out" = "Task complete Successfully! Cleaned Registry Keys: 0 Released HD Space:0.00MB" ] ||
  fail "empty pass: $out"
echo "clean: ok"
