#!/usr/bin/env bash
# The window program without a usable display: one line on standard error that
# says why, nothing on standard output, status 1, and no abort. Each case runs
# with a clean display environment; a display that works is left alone.
set -uo pipefail
program=$1  # the window program
front=$2    # tarvinde, which hands the window over to it
ulimit -c 0  # a failing case must not leave a core file behind
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 700 "$work"

# A display number nothing listens on.
n=4242
while [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done

# The same program where the Qt Wayland plugin is not installed: a qt.conf
# beside a copy of it names a plugin folder holding only the X11 plugin.
xcb=$(find /usr/lib -path '*/qt6/plugins/platforms/libqxcb.so' -print -quit)
[ -n "$xcb" ] || { echo "FAIL: no Qt X11 platform plugin found" >&2; exit 1; }
mkdir -p "$work/bare/plugins/platforms"
ln -s "$xcb" "$work/bare/plugins/platforms/"
cp "$program" "$work/bare/"
printf '[Paths]\nPlugins = %s/bare/plugins\n' "$work" > "$work/bare/qt.conf"
bare="$work/bare/$(basename "$program")"

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# program | environment | what the line must say
cases=(
  "$program||DISPLAY is not set"
  "$front||DISPLAY is not set"
  "$program|DISPLAY=:$n|the X display \":$n\" cannot be opened"
  "$program|XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=tarvinde-none|the Wayland display \"tarvinde-none\" cannot be opened; DISPLAY is not set"
  "$program|XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=tarvinde-none DISPLAY=:$n|the Wayland display \"tarvinde-none\" cannot be opened; the X display \":$n\" cannot be opened"
  "$program|QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=tarvinde-none|the Wayland display \"tarvinde-none\" cannot be opened"
  "$bare|XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=wayland-0|the Qt Wayland plugin is not installed (package qt6-wayland); DISPLAY is not set"
  "$bare|QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=wayland-0|the Qt Wayland plugin is not installed (package qt6-wayland)"
)
for c in "${cases[@]}"; do
  IFS='|' read -r prog environment said <<< "$c"
  # shellcheck disable=SC2086  # the environment is a list of assignments
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE -u QT_SCALE_FACTOR \
    XDG_RUNTIME_DIR="$work" $environment "$prog" > "$work/out" 2> "$work/err"
  status=$?
  expected="tarvinde: no usable display, the window cannot open: $said"
  [ "$status" -eq 1 ] || fail "[$environment] status $status, not 1"
  [ -s "$work/out" ] && fail "[$environment] wrote to standard output"
  [ "$(wc -l < "$work/err")" -eq 1 ] || fail "[$environment] $(wc -l < "$work/err") lines on standard error: $(cat "$work/err")"
  [ "$(cat "$work/err")" = "$expected" ] || fail "[$environment] said '$(cat "$work/err")', not '$expected'"
done

# A platform that works (offscreen) is not touched: the window stays open
# until the timeout ends it.
env -u DISPLAY -u WAYLAND_DISPLAY XDG_RUNTIME_DIR="$work" QT_QPA_PLATFORM=offscreen \
  timeout 2 "$program" > "$work/out" 2> "$work/err"
status=$?
[ "$status" -eq 124 ] || fail "[offscreen] status $status: the window did not stay open ($(cat "$work/err"))"
grep -q 'no usable display' "$work/err" && fail "[offscreen] said there was no display"

[ "$failures" -eq 0 ] || exit 1
echo "no display: ${#cases[@]} cases, one line each and status 1; offscreen unaffected"
