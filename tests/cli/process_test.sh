#!/usr/bin/env bash
# tarvinde as a process: a closed, gone or full standard output, output and messages
# kept apart, no display needed, and the hand-over to the window program.
set -uo pipefail
tarvinde=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# A closed pipe or output stops the program quietly with status 1: no signal, no message.
"$tarvinde" years 100 2100 2> "$work/err" | head -1 > "$work/head"
status=${PIPESTATUS[0]}
[ "$status" = 1 ] || fail "years into a closed pipe: status $status"
[ -s "$work/err" ] && fail "closed pipe: $(cat "$work/err")"
[ "$(cut -f1-3 "$work/head")" = "$(printf 'jaar\tkalender\tschrikkeljaar')" ] || fail "first line: $(cat "$work/head")"
"$tarvinde" year 2000 >&- 2> "$work/err"
status=$?
[ "$status" = 1 ] && [ ! -s "$work/err" ] || fail "closed output: status $status, $(cat "$work/err")"
# A full device is no reader gone: the output is incomplete, and one line says so.
"$tarvinde" years 100 2100 > /dev/full 2> "$work/err"
status=$?
[ "$status" = 1 ] && [ "$(cat "$work/err")" = "tarvinde: cannot write the output: No space left on device" ] ||
  fail "full output: status $status, $(cat "$work/err")"

# No Qt, no display; output on standard output only, messages on standard error only.
ldd "$tarvinde" | grep -q libQt && fail "tarvinde loads Qt"
env -u DISPLAY -u WAYLAND_DISPLAY "$tarvinde" year 2000 > "$work/out" 2> "$work/err" || fail "year 2000: status $?"
[ "$(sed -n 8p "$work/out")" = "Pasen (Rome)     zondag 23 april 2000" ] && [ ! -s "$work/err" ] || fail "year 2000 output"
"$tarvinde" weekday 1 1 99 > "$work/out" 2> "$work/err"
status=$?
[ "$status" = 2 ] && [ ! -s "$work/out" ] && [ "$(wc -l < "$work/err")" = 1 ] && grep -q '^tarvinde: ' "$work/err" ||
  fail "bad input: status $status, out $(wc -c < "$work/out") bytes, err $(cat "$work/err")"

# An expression as one quoted argument is the expression in separate words, through the shell.
for format in text tsv json; do
  apart=$("$tarvinde" date dinsdag na Sint-Maarten 1450 --format $format 2>&1) || fail "date, words apart: $apart"
  quoted=$("$tarvinde" date "dinsdag na Sint-Maarten 1450" --format=$format 2>&1) || fail "date, quoted: $quoted"
  [ "$apart" = "$quoted" ] || fail "date --format $format: '$apart' apart, '$quoted' quoted"
done
[ "$apart" = '[{"uitdrukking":"dinsdag na Sint-Maarten 1450","tekst":"dinsdag 17 november 1450","iso":"1450-11-26","lezing":"dinsdag na Sint-Maarten 1450","overgeslagen":"","datum":"1450-11-17","kalender":"Juliaans"}]' ] ||
  fail "date json: $apart"
# The batch reads standard input: CR LF lines, a refused line (status 3, every line
# still written), and a full output (status 1).
printf 'dinsdag na Sint-Maarten 1450\r\nSint-Maarten\r\n\r\nPasen 1450\r\n' > "$work/clauses"
"$tarvinde" date --batch < "$work/clauses" > "$work/out" 2> "$work/err"
status=$?
[ "$status" = 3 ] && [ ! -s "$work/err" ] && [ "$(cut -f1,4 "$work/out" | tr '\t\n' ' /')" = "regel iso/1 1450-11-26/2 /4 1450-04-14/" ] ||
  fail "date --batch: status $status, $(cat "$work/out" "$work/err")"
"$tarvinde" date --batch < "$work/clauses" > /dev/full 2> "$work/err"
status=$?
[ "$status" = 1 ] || fail "date --batch into a full output: status $status"
# A closed or unreadable standard input is bad input: one line, status 2.
for input in closed directory; do
  if [ $input = closed ]; then "$tarvinde" date --batch <&- > "$work/out" 2> "$work/err"; else "$tarvinde" date --batch < "$work" > "$work/out" 2> "$work/err"; fi
  status=$?
  [ "$status" = 2 ] && [ ! -s "$work/out" ] && [ "$(wc -l < "$work/err")" = 1 ] && grep -q '^tarvinde: standard input cannot be read' "$work/err" ||
    fail "date --batch from a $input standard input: status $status, $(cat "$work/err")"
done
"$tarvinde" date "Sint-Martiniaan 1450" > "$work/out" 2> "$work/err"
status=$?
[ "$status" = 2 ] && [ ! -s "$work/out" ] && [ "$(wc -l < "$work/err")" = 1 ] && grep -q '^tarvinde: onbekend feest' "$work/err" ||
  fail "date, unknown feast: status $status, $(cat "$work/err")"

# The hand-over: a stand-in window program records how many arguments it is given
# and which, beside tarvinde (the build tree) and under libexec/tarvinde (an install).
for layout in build install; do
  if [ $layout = build ]; then bin="$work/build"; window="$bin"; else bin="$work/inst/bin"; window="$work/inst/libexec/tarvinde"; fi
  mkdir -p "$bin" "$window"
  cp "$tarvinde" "$bin/tarvinde"
  printf '#!/bin/sh\nprintf "%%s\\n" "$#" "$@" > "%s"\n' "$work/args" > "$window/tarvinde-window"
  chmod +x "$window/tarvinde-window"
  rm -f "$work/args"
  "$bin/tarvinde" --year 1582 -platform offscreen --region=luik || fail "$layout: hand-over failed"
  [ "$(cat "$work/args")" = "$(printf -- '5\n--year\n1582\n-platform\noffscreen\n--region=luik')" ] ||
    fail "$layout: the window program was given: $(cat "$work/args")"
  rm -f "$work/args"
  "$bin/tarvinde" > /dev/null && [ "$(cat "$work/args")" = 0 ] || fail "$layout: no arguments"
  rm -f "$work/args"
  "$bin/tarvinde" year 2000 > /dev/null && [ ! -f "$work/args" ] || fail "$layout: a command reached the window"
done
mkdir "$work/alone" && cp "$tarvinde" "$work/alone/"
"$work/alone/tarvinde" 2> "$work/err"
status=$?
[ "$status" = 1 ] && grep -q '^tarvinde: cannot start the window' "$work/err" || fail "no window program: status $status"

# The real window program judges --year before it needs a display.
if [ -x "$(dirname "$tarvinde")/tarvinde-window" ]; then
  env -u DISPLAY -u WAYLAND_DISPLAY "$tarvinde" --year 2100.5 > "$work/out" 2> "$work/err"
  status=$?
  [ "$status" = 2 ] && [ ! -s "$work/out" ] &&
    [ "$(cat "$work/err")" = "tarvinde: --year must be a number from 100 to 2100, not '2100.5'" ] ||
    fail "window --year 2100.5: status $status, $(cat "$work/err")"
fi
echo "process: all checks passed"
