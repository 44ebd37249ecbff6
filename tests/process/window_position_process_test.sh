#!/bin/sh
# Runs the built program under Xvfb on a fresh account: the window is moved,
# Ctrl+Q ends the program with status 0 and the user's configuration folder,
# missing until then, holds "yorvane.pref"; the next start opens the window
# where it was. A configuration folder that cannot be made keeps nothing, and
# Ctrl+Q still ends the program.
# Usage: window_position_process_test.sh path/to/yorvane
set -u
program=$1
. "$(dirname "$0")/x_session.sh"
require_tools Xvfb xdotool xwininfo

start_x_server
: >"$temp/file"

# Prints the window's top-left corner on the screen as "x y".
window_position() {
  xwininfo -id "$window" | sed -n 's/ *Absolute upper-left [XY]: *//p' | tr '\n' ' ' | sed 's/ $//'
}

at_moved_position() { [ "$(window_position)" = "$moved" ]; }

# Starts the program with the configuration folder $1 (empty: XDG_CONFIG_HOME
# unset) and the session's fresh home folder, which has no .config yet.
start_program() {
  if [ -n "$1" ]; then
    XDG_CONFIG_HOME="$1" "$program" >"$temp/app.out" 2>"$temp/app.err" &
  else
    env -u XDG_CONFIG_HOME "$program" >"$temp/app.out" 2>"$temp/app.err" &
  fi
  app_pid=$!
  find_main_window
}

# Starts the program, moves its window to $2 $3 and quits with Ctrl+Q.
move_and_quit() {
  start_program "$1"
  moved="$2 $3"
  xdotool windowmove "$window" "$2" "$3"
  poll at_moved_position || fail "window did not move to $moved: at $(window_position)"
  quit_with_ctrl_q
}

# $1: the configuration folder given, or empty; $2: where it lands.
keeps_position_in() {
  move_and_quit "$1" 230 170
  [ -f "$2/yorvane.pref" ] || fail "no $2/yorvane.pref after Ctrl+Q"
  [ "$(head -n 1 "$2/yorvane.pref")" = 230 ] ||
    fail "yorvane.pref does not keep left 230: $(cat "$2/yorvane.pref")"
  [ "$(stat -c %a "$2")" = 700 ] || fail "$2 was made with mode $(stat -c %a "$2"), not 700"
  start_program "$1"
  poll at_moved_position || fail "window reopened at $(window_position), not at $moved"
  quit_with_ctrl_q
}

# No .config in the home folder, XDG_CONFIG_HOME unset.
keeps_position_in "" "$temp/home/.config"
# XDG_CONFIG_HOME names a folder whose parent is missing too.
keeps_position_in "$temp/xdg/config" "$temp/xdg/config"
[ "$(stat -c %a "$temp/xdg")" = 700 ] || fail "$temp/xdg was made with mode $(stat -c %a "$temp/xdg")"

# A configuration folder that cannot be made: nothing kept, still quits.
move_and_quit "$temp/file/config" 230 170

echo "PASS"
