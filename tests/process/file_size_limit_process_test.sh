#!/bin/sh
# Runs the built program under Xvfb with a small file-size limit: "JSX作成"
# on a list whose script is larger than the limit must not end the program.
# The failed write is reported in a message box, the old makebookmark.jsx
# stays byte for byte, no temporary file is left in the folder, and Ctrl+Q
# still ends the program with status 0.
# Usage: file_size_limit_process_test.sh path/to/yorvane
set -u
program=$1
. "$(dirname "$0")/x_session.sh"
require_tools Xvfb xdotool xwininfo cmp awk
case $program in /*) ;; *) program=$(pwd)/$program ;; esac

# Says how the program ended, once it has.
ended() {
  wait "$app_pid"
  status=$?
  app_pid=
  fail "the program ended $1 with status $status"
}

mkdir -p "$XDG_CONFIG_HOME" "$temp/lists" "$temp/work"
# 64 blocks of 512 bytes: the list's script takes some 300 KB in UTF-16.
limit_blocks=64
list="$temp/lists/long.txt"
awk 'BEGIN { for (i = 1; i <= 3000; i++) printf "Title %d\t\t\t\t%d\n", i, i }' >"$list" ||
  fail "could not write the list"
script="$temp/work/makebookmark.jsx"
printf 'the old script, which must stay as it is\n' >"$script"
cp "$script" "$temp/old.jsx"

start_x_server
cd "$temp/work" || fail "no working folder"
(ulimit -f "$limit_blocks" && exec "$program") >"$temp/app.out" 2>"$temp/app.err" &
app_pid=$!

find_main_window

# "参照": the dialog takes the list's full path typed into its name box.
choose_list_in_dialog "$list"

# "JSX作成": the write fails at the limit, and the failure is reported.
click_makejsx
# The report is the program's one visible window besides the main window.
report=
report_shown() {
  alive || ended "after JSX作成"
  report=$(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | grep -vx "$window" | head -n 1)
  [ -n "$report" ]
}
poll report_shown || fail "no report $patience s after JSX作成"
xdotool windowfocus --sync "$report" 2>/dev/null
xdotool key Return
report_gone() { ! xwininfo -id "$report" 2>/dev/null | grep -q 'IsViewable'; }
poll report_gone || fail "the report did not close after Return"
alive || ended "after the report"

cmp -s "$temp/old.jsx" "$script" || fail "makebookmark.jsx was changed: $(cmp "$temp/old.jsx" "$script" 2>&1)"
left=$(ls -A "$temp/work")
[ "$left" = makebookmark.jsx ] || fail "the folder holds more than the old script: $left"

quit_with_ctrl_q
echo "PASS"
