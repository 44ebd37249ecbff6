#!/bin/sh
# Runs the built program under Xvfb: its window opens titled "Yorvane" with a
# content area of 411 x 165 below the menu bar, Ctrl+Q ends it with status 0,
# and without a display it says so in one line and fails.
# Usage: window_process_test.sh path/to/yorvane
set -u
program=$1
. "$(dirname "$0")/x_session.sh"
require_tools Xvfb xdotool xwininfo

# Without a display: one line on stderr, a non-zero status, no window.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" >"$temp/out" 2>"$temp/err"
status=$?
[ "$status" -ne 0 ] || fail "started without a display"
[ "$(wc -l <"$temp/err")" -eq 1 ] || fail "no-display message is not one line: $(cat "$temp/err")"
grep -q "no display" "$temp/err" || fail "unexpected no-display message: $(cat "$temp/err")"

# A display that nobody serves: the same one line.
unserved=90
while [ -e "/tmp/.X11-unix/X$unserved" ]; do unserved=$((unserved + 1)); done
DISPLAY=":$unserved" "$program" >"$temp/out" 2>"$temp/err"
status=$?
[ "$status" -ne 0 ] || fail "started on a display that does not exist"
[ "$(wc -l <"$temp/err")" -eq 1 ] || fail "unreachable-display message is not one line: $(cat "$temp/err")"

start_x_server
# Native child windows let X report the content area's own geometry.
QT_USE_NATIVE_WINDOWS=1 "$program" >"$temp/app.out" 2>"$temp/app.err" &
app_pid=$!

find_main_window
has_content_area() { [ -n "$(content_area_info)" ]; }
poll has_content_area || fail "no 411 x 165 content area below the menu bar"

quit_with_ctrl_q
echo "PASS"
