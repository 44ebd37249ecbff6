#!/bin/sh
# Runs the built program under Xvfb the way a user does: the window opens where
# yorvane.pref puts it, "参照" chooses a list (a blank in its path) in the
# file dialog, the page offset is typed, "JSX作成" writes makebookmark.jsx in
# the working folder byte for byte as expected, and Ctrl+Q ends the program
# with status 0 after keeping the window's position in yorvane.pref.
# Usage: list_to_script_process_test.sh path/to/yorvane
set -u
program=$1
. "$(dirname "$0")/x_session.sh"
require_tools Xvfb xdotool xwininfo iconv cmp od
case $program in /*) ;; *) program=$(pwd)/$program ;; esac

# The program's folders and files.
mkdir -p "$XDG_CONFIG_HOME" "$temp/lists" "$temp/work"
printf '150\n200\n' >"$XDG_CONFIG_HOME/yorvane.pref"
list="$temp/lists/my list.txt"
tab=$(printf '\t')
{
  printf 'しおりLEVEL1\tしおりLEVEL2\tしおりLEVEL3\tしおりLEVEL4\tページ\t開く\tスタイル\n'
  printf '第1章\t\t\t\t1\t1\t2\n'
  printf '\t概要\t\t\t2\n'
  printf 'Chapter "2"\t\t\t\t5\n'
} >"$list"
[ "$(grep -c "$tab" "$list")" -eq 4 ] || fail "the list was not written with tabs"
# Page = page column - 1 + offset 2; the third argument counts rows after the
# column titles from 0; open and style statements follow every createChild.
{
  printf '\377\376'
  printf '%s\r' \
    'bookmarkRoot.remove();' \
    'bookmarkRoot.createChild("第1章","this.pageNum=2",0);' \
    'bookmarkRoot.children[0].createChild("概要","this.pageNum=3",1);' \
    'bookmarkRoot.createChild("Chapter \"2\"","this.pageNum=6",2);' \
    'bookmarkRoot.children[0].open = true' \
    'bookmarkRoot.children[0].style = 2' | iconv -f UTF-8 -t UTF-16LE
} >"$temp/expected.jsx" || fail "could not write the expected script"

start_x_server
cd "$temp/work" || fail "no working folder"
# Native child windows let X report the content area's own geometry.
QT_USE_NATIVE_WINDOWS=1 "$program" >"$temp/app.out" 2>"$temp/app.err" &
app_pid=$!

find_main_window
# The content area stands where yorvane.pref said.
content_at_pref_position() {
  info=$(content_area_info)
  position="$(echo "$info" | sed -n 's/ *Absolute upper-left X: *//p'),$(echo "$info" | sed -n 's/ *Absolute upper-left Y: *//p')"
  [ "$position" = "150,200" ]
}
poll content_at_pref_position || {
  [ -n "$info" ] || fail "no 411 x 165 content area below the menu bar"
  fail "content area is at $position, not at 150,200 from yorvane.pref"
}
# Read at start only (the window read it before it was shown): what is there
# at close must come from the window.
printf '12345\n67890\n' >"$XDG_CONFIG_HOME/yorvane.pref"

# "参照": the dialog takes the list's full path typed into its name box.
choose_list_in_dialog "$list"

# The page offset: replace the field's text with 2.
xdotool windowfocus --sync "$window" 2>/dev/null
click_at $((246 + 22)) $((50 + 11))
xdotool key ctrl+a
xdotool type --delay 20 "2"

# "JSX作成" writes the script in the working folder.
click_makejsx
script="$temp/work/makebookmark.jsx"
# The file appears whole: it replaces what was there only once written.
poll test -e "$script" || { alive || fail "the program ended after JSX作成"; fail "no makebookmark.jsx $patience s after JSX作成"; }
# Shown as UTF-8 with one statement a line.
readable() { iconv -f UTF-16LE -t UTF-8 "$1" 2>&1 | tr '\r' '\n'; }
cmp -s "$temp/expected.jsx" "$script" ||
  fail "makebookmark.jsx differs from the expected script ($(cmp "$temp/expected.jsx" "$script" 2>&1)):
--- expected
$(readable "$temp/expected.jsx")
--- written
$(readable "$script")"

# Ctrl+Q ends the program and keeps the window's position in place of the
# numbers written after it started.
quit_with_ctrl_q
printf '150\n200\n' >"$temp/expected.pref"
cmp -s "$temp/expected.pref" "$XDG_CONFIG_HOME/yorvane.pref" ||
  fail "yorvane.pref holds '$(od -An -c "$XDG_CONFIG_HOME/yorvane.pref" | tr -s ' \n' '  ')', not 150 and 200 a line each"
echo "PASS"
