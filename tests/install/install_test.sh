#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks what a desktop needs:
# the program, a valid .desktop entry and the icons at their sizes.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" > /dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }
[ -x "$prefix/bin/tarvinde" ] || fail "bin/tarvinde is missing or not executable"
[ -x "$prefix/libexec/tarvinde/tarvinde-window" ] || fail "libexec/tarvinde/tarvinde-window is missing"
# The installed command line, and its hand-over to the window program, which
# refuses the year before it needs a display.
[ "$("$prefix/bin/tarvinde" weekday 31 2 2001)" = "zaterdag 3 maart 2001" ] || fail "tarvinde weekday"
status=0
env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/tarvinde" --year 99 2> /dev/null || status=$?
[ "$status" = 2 ] || fail "tarvinde --year 99 gave status $status, not the window program's 2"

desktop="$prefix/share/applications/tarvinde.desktop"
[ -f "$desktop" ] || fail "no .desktop file"
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
grep -qx 'Categories=Office;Calendar;' "$desktop" || fail "categories"
grep -qx 'Exec=tarvinde' "$desktop" || fail "Exec line"
grep -q '^Name\[nl\]=' "$desktop" || fail "no Dutch name"
grep -q '^Comment\[nl\]=' "$desktop" || fail "no Dutch comment"

icons="$prefix/share/icons/hicolor"
for size in 16 32; do
  png="$icons/${size}x${size}/apps/tarvinde.png"
  [ -f "$png" ] || fail "no ${size}x${size} icon"
  # Width and height are the big-endian words at bytes 16 and 20 of a PNG.
  dims=$(od -An -tu1 -j16 -N8 "$png" | tr -s ' ')
  [ "$dims" = " 0 0 0 $size 0 0 0 $size" ] || fail "${size}x${size} icon has size bytes '$dims'"
done
svg="$icons/scalable/apps/tarvinde.svg"
[ -f "$svg" ] || fail "no scalable icon"
grep -q '<svg' "$svg" || fail "scalable icon is not SVG"
echo "install: all files in place"
