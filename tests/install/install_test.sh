#!/usr/bin/env bash
# `make install` of a build into a temporary prefix with a blank in it, under
# umask 000: what a desktop needs (the programs, a valid .desktop entry, the
# icons at their sizes, the help text), and nothing else; every program
# stripped and, in a hardened build, with full RELRO; every directory 0755.
# Without a build, `make install` installs nothing and says so in one line.
#   install_test.sh BUILD_DIR HARDENED(1|0)
set -euo pipefail
build=$1
hardened=${2:-0}
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
prefix="$root/with blank/usr"

fail() { echo "FAIL: $*" >&2; exit 1; }
install() { make --no-print-directory -s -C "$source_dir" install BUILD="$1" PREFIX="$2"; }

# Nothing built: one line, a failure, and no prefix made.
mkdir "$root/empty"
if install "$root/empty" "$prefix" > "$root/out" 2>&1; then fail "make install without a build succeeded"; fi
grep -q "run 'make build' first" "$root/out" || fail "no hint to build first: $(cat "$root/out")"
[ "$(grep -Evc '^make(\[[0-9]+\])?: \*\*\*' "$root/out")" -eq 1 ] || fail "more than one line without a build: $(cat "$root/out")"
[ ! -e "$root/with blank" ] || fail "make install without a build created the prefix"

(umask 000 && install "$build" "$prefix" > /dev/null)

# Only what a desktop needs.
while IFS= read -r -d '' file; do
  case "${file#"$prefix"/}" in
    bin/* | libexec/tarvinde/tarvinde-window | share/applications/tarvinde.desktop | share/icons/hicolor/*/apps/tarvinde.* | share/doc/tarvinde/Tarvindeinfo.txt) ;;
    *) fail "installed a file it should not: ${file#"$prefix"/}" ;;
  esac
done < <(find "$prefix" -type f -print0)

# Directories and files readable by all, whatever the umask.
bad_dirs=$(find "$root/with blank" -type d ! -perm 0755)
[ -z "$bad_dirs" ] || fail "directories not 0755: $bad_dirs"
bad_files=$(find "$prefix" -type f ! -path "$prefix/bin/*" ! -path "$prefix/libexec/*" ! -perm 0644)
[ -z "$bad_files" ] || fail "files not 0644: $bad_files"

# Every installed program: executable by all, stripped, hardened.
programs=0
for program in "$prefix"/bin/* "$prefix"/libexec/tarvinde/*; do
  [ -e "$program" ] || break
  programs=$((programs + 1))
  name=${program#"$prefix"/}
  [ -f "$program" ] && [ "$(stat -c %a "$program")" = 755 ] || fail "$name is not a 0755 file"
  readelf -h "$program" > /dev/null 2>&1 || fail "$name is not an ELF program"
  if readelf -SW "$program" | grep -qE '[[:space:]]\.(symtab|debug_[a-z]+)[[:space:]]'; then
    fail "$name is not stripped"
  fi
  if [ "$hardened" = 1 ]; then
    readelf -lW "$program" | grep -q 'GNU_RELRO' || fail "$name has no RELRO segment"
    readelf -dW "$program" | grep -qE '\((FLAGS|BIND_NOW)\).*BIND_NOW|\(BIND_NOW\)' || fail "$name is not BIND_NOW"
  fi
done
[ "$programs" -ge 2 ] || fail "the two programs are not installed"

# The hardened build compiles every file with the fortified sources and the
# strong stack protector.
if [ "$hardened" = 1 ]; then
  commands="$build/compile_commands.json"
  [ -f "$commands" ] || fail "no $commands"
  grep '"command":' "$commands" | grep -v -e '-D_FORTIFY_SOURCE=2' | grep -q . && fail "a file compiled without _FORTIFY_SOURCE=2"
  grep '"command":' "$commands" | grep -v -e '-fstack-protector-strong' | grep -q . && fail "a file compiled without -fstack-protector-strong"
fi

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
[ -x "$prefix/bin/tarvinde" ] || fail "the .desktop entry's program bin/tarvinde is not installed"
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
cmp -s "$prefix/share/doc/tarvinde/Tarvindeinfo.txt" "$source_dir/window/Tarvindeinfo.txt" ||
  fail "share/doc/tarvinde/Tarvindeinfo.txt is missing or differs from the source"
echo "install: $programs program(s) stripped$([ "$hardened" = 1 ] && echo ', hardened'), all files in place, directories 0755"
