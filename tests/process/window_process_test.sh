#!/bin/sh
# Runs the built program under Xvfb: its window opens titled "Yorvane" with a
# content area of 411 x 165 below the menu bar, Ctrl+Q ends it with status 0,
# and without a display it says so in one line and fails.
# Usage: window_process_test.sh path/to/yorvane
set -u
program=$1
skip=77

for tool in Xvfb xdotool xwininfo; do
  command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is not installed"; exit $skip; }
done

work=$(mktemp -d)
xvfb_pid=
app_pid=
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

# Without a display: one line on stderr, a non-zero status, no window.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" >"$work/out" 2>"$work/err"
status=$?
[ "$status" -ne 0 ] || fail "started without a display"
[ "$(wc -l <"$work/err")" -eq 1 ] || fail "no-display message is not one line: $(cat "$work/err")"
grep -q "no display" "$work/err" || fail "unexpected no-display message: $(cat "$work/err")"

# A free display number: no lock file and no socket.
display=
for n in $(seq 90 140); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=$n; break; fi
done
[ -n "$display" ] || { echo "SKIP: no free display number"; exit $skip; }

# A display that nobody serves: the same one line.
DISPLAY=":$display" "$program" >"$work/out" 2>"$work/err"
status=$?
[ "$status" -ne 0 ] || fail "started on a display that does not exist"
[ "$(wc -l <"$work/err")" -eq 1 ] || fail "unreachable-display message is not one line: $(cat "$work/err")"

Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display"
i=0
until xdpyinfo >/dev/null 2>&1 || xwininfo -root >/dev/null 2>&1; do
  i=$((i + 1)); [ $i -lt 50 ] || fail "Xvfb did not start"; sleep 0.1
done

unset QT_QPA_PLATFORM
# Native child windows let X report the content area's own geometry.
QT_USE_NATIVE_WINDOWS=1 "$program" >"$work/app.out" 2>"$work/app.err" &
app_pid=$!

window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Yorvane$' | head -n 1)
[ -n "$window" ] || fail "no visible window titled Yorvane"
geometry=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')
width=${geometry%x*}
height=${geometry#*x}
[ "$width" -eq 411 ] || fail "window is $geometry, not 411 wide"
menu_bar=$((height - 165))
[ "$menu_bar" -gt 0 ] && [ "$menu_bar" -lt 60 ] || fail "window height $height leaves no menu bar of 165 content"
# The content area: a child of 411 x 165 whose bottom is the window's bottom.
xwininfo -id "$window" -children >"$work/children" || fail "xwininfo failed"
content=0
for child in $(sed -n 's/^ *\(0x[0-9a-f]*\) .*/\1/p' "$work/children"); do
  info=$(xwininfo -id "$child")
  w=$(echo "$info" | sed -n 's/ *Width: //p')
  h=$(echo "$info" | sed -n 's/ *Height: //p')
  y=$(echo "$info" | sed -n 's/ *Relative upper-left Y: *//p')
  if [ "$w" = 411 ] && [ "$h" = 165 ] && [ "$y" = "$menu_bar" ]; then content=1; fi
done
[ "$content" -eq 1 ] || fail "no 411 x 165 content area below the menu bar: $(cat "$work/children")"

xdotool windowfocus --sync "$window" 2>/dev/null
xdotool key ctrl+q
i=0
while kill -0 "$app_pid" 2>/dev/null; do
  i=$((i + 1)); [ $i -lt 100 ] || fail "Ctrl+Q did not end the program"; sleep 0.1
done
wait "$app_pid"
status=$?
app_pid=
[ "$status" -eq 0 ] || fail "exit status $status after Ctrl+Q; stderr: $(cat "$work/app.err")"
echo "PASS"
