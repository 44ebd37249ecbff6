#!/bin/sh
# Runs the built program under Xvfb the way a user does: the window opens where
# yorvane.pref puts it, "参照" chooses a list (a blank in its path) in the
# file dialog, the page offset is typed, "JSX作成" writes makebookmark.jsx in
# the working folder byte for byte as expected, and Ctrl+Q ends the program
# with status 0 after keeping the window's position in yorvane.pref.
# Usage: list_to_script_process_test.sh path/to/yorvane
set -u
program=$1
skip=77

for tool in Xvfb xdotool xwininfo iconv cmp od; do
  command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is not installed"; exit $skip; }
done
case $program in /*) ;; *) program=$(pwd)/$program ;; esac

temp=$(mktemp -d)
xvfb_pid=
app_pid=
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$temp"
}
trap cleanup EXIT
fail() {
  printf 'FAIL: %s\n' "$*"
  if [ -s "$temp/app.err" ]; then
    echo "program stderr:"
    cat "$temp/app.err"
  fi
  exit 1
}
# Runs "$@" every 0.1 s until it succeeds; fails after $1 tenths of a second.
poll() {
  tries=$1; shift
  i=0
  until "$@"; do
    i=$((i + 1)); [ $i -lt "$tries" ] || return 1; sleep 0.1
  done
}
alive() { kill -0 "$app_pid" 2>/dev/null; }
# Clicks the content-area point (x, y) of the window; y is below the menu bar.
click_at() {
  xdotool mousemove --window "$window" "$1" $((menu_bar + $2)) || fail "mousemove to $1,$2 failed"
  sleep 0.1
  xdotool click 1 || fail "click at $1,$2 failed"
}

# The program's folders and files.
export XDG_CONFIG_HOME="$temp/config"
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

# Xvfb picks a free display itself and reports its number, so runs at the
# same time never race for one.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$temp/display" >"$temp/xvfb.log" 2>&1 &
xvfb_pid=$!
display_reported() { grep -q '^[0-9][0-9]*$' "$temp/display"; }
poll 100 display_reported || fail "Xvfb did not start: $(cat "$temp/xvfb.log")"
export DISPLAY=":$(cat "$temp/display")"
poll 50 xwininfo -root >/dev/null 2>&1 || fail "Xvfb did not answer on $DISPLAY"

unset QT_QPA_PLATFORM WAYLAND_DISPLAY
cd "$temp/work" || fail "no working folder"
# Native child windows let X report the content area's own geometry.
QT_USE_NATIVE_WINDOWS=1 "$program" >"$temp/app.out" 2>"$temp/app.err" &
app_pid=$!

window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Yorvane$' 2>/dev/null | head -n 1)
[ -n "$window" ] || fail "no visible window titled Yorvane"
geometry=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')
width=${geometry%x*}
height=${geometry#*x}
[ "$width" -eq 411 ] || fail "window is $geometry, not 411 wide"
menu_bar=$((height - 165))
[ "$menu_bar" -gt 0 ] && [ "$menu_bar" -lt 60 ] || fail "window height $height leaves no menu bar of 165 content"

# The content area (a 411 x 165 child whose bottom is the window's bottom)
# stands where yorvane.pref said.
xwininfo -id "$window" -children >"$temp/children" || fail "xwininfo failed"
position=
for child in $(sed -n 's/^ *\(0x[0-9a-f]*\) .*/\1/p' "$temp/children"); do
  info=$(xwininfo -id "$child")
  w=$(echo "$info" | sed -n 's/ *Width: //p')
  h=$(echo "$info" | sed -n 's/ *Height: //p')
  y=$(echo "$info" | sed -n 's/ *Relative upper-left Y: *//p')
  if [ "$w" = 411 ] && [ "$h" = 165 ] && [ "$y" = "$menu_bar" ]; then
    position="$(echo "$info" | sed -n 's/ *Absolute upper-left X: *//p'),$(echo "$info" | sed -n 's/ *Absolute upper-left Y: *//p')"
  fi
done
[ -n "$position" ] || fail "no 411 x 165 content area below the menu bar: $(cat "$temp/children")"
[ "$position" = "150,200" ] || fail "content area is at $position, not at 150,200 from yorvane.pref"
# Read at start only: what is there at close must come from the window.
printf '12345\n67890\n' >"$XDG_CONFIG_HOME/yorvane.pref"
sleep 0.3

# "参照": the dialog takes the list's full path typed into its name box.
xdotool windowfocus --sync "$window" 2>/dev/null
click_at $((359 + 24)) $((15 + 11))
dialog=$(timeout 10 xdotool search --sync --onlyvisible --name 'Tab区切りテキストUTF-8を選択' 2>/dev/null | head -n 1)
[ -n "$dialog" ] || fail "no file dialog after clicking 参照"
sleep 0.3
xdotool windowfocus --sync "$dialog" 2>/dev/null
xdotool type --delay 20 "$list" || fail "typing the list's path failed"
sleep 0.3
xdotool key Return
dialog_gone() { ! xwininfo -id "$dialog" 2>/dev/null | grep -q 'IsViewable'; }
poll 50 dialog_gone || fail "the file dialog did not close after Return"
alive || fail "the program ended after the dialog"

# The page offset: replace the field's text with 2.
xdotool windowfocus --sync "$window" 2>/dev/null
click_at $((246 + 22)) $((50 + 11))
xdotool key ctrl+a
xdotool type --delay 20 "2"

# "JSX作成" writes the script in the working folder.
click_at $((102 + 101)) $((84 + 11))
script="$temp/work/makebookmark.jsx"
poll 100 test -s "$script" || { alive || fail "the program ended after JSX作成"; fail "no makebookmark.jsx 10 s after JSX作成"; }
# The file may still be growing when first seen; wait until it matches or
# stops changing.
size=-1
i=0
while ! cmp -s "$temp/expected.jsx" "$script"; do
  now=$(wc -c <"$script")
  [ "$now" = "$size" ] && break
  size=$now; i=$((i + 1)); [ $i -lt 20 ] || break; sleep 0.1
done
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
xdotool windowfocus --sync "$window" 2>/dev/null
xdotool key ctrl+q
poll 100 eval '! alive' || fail "Ctrl+Q did not end the program"
wait "$app_pid"
status=$?
app_pid=
[ "$status" -eq 0 ] || fail "exit status $status after Ctrl+Q"
printf '150\n200\n' >"$temp/expected.pref"
cmp -s "$temp/expected.pref" "$XDG_CONFIG_HOME/yorvane.pref" ||
  fail "yorvane.pref holds '$(od -An -c "$XDG_CONFIG_HOME/yorvane.pref" | tr -s ' \n' '  ')', not 150 and 200 a line each"
echo "PASS"
