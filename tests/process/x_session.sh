# Shared by the process tests, which source it: a temporary folder with a home
# of its own, a private X server for the program, and the main window's
# geometry. Sets `temp`; the caller sets `app_pid` when it starts the program,
# and `window` and `menu_bar` come from find_main_window.
skip=77

# Skips the test (status 77) unless every named tool is installed.
require_tools() {
  for tool in "$@"; do
    command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is not installed"; exit $skip; }
  done
}

temp=$(mktemp -d)
# The program keeps its window position in the user's configuration folder,
# and the toolkit the state of its file dialog: the tests neither read nor
# change the runner's. Every XDG folder lies in the temporary home, whose
# configuration folder the program makes when it first needs it.
export HOME="$temp/home" XDG_CONFIG_HOME="$temp/home/.config"
unset XDG_DATA_HOME XDG_STATE_HOME XDG_CACHE_HOME
mkdir "$HOME"
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

# How long, in seconds, the tests wait for anything before they fail: a bound
# reached only when what they wait for never comes, however busy the machine.
patience=60

# Runs "$@" every 0.1 s until it succeeds; fails once it has not succeeded
# for $patience seconds.
poll() {
  deadline=$(($(date +%s) + patience))
  until "$@"; do
    [ "$(date +%s)" -lt "$deadline" ] || return 1
    sleep 0.1
  done
}

# Starts Xvfb and points DISPLAY at it. Xvfb picks a free display itself and
# reports its number, so tests that run at the same time never race for one.
start_x_server() {
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$temp/display" >"$temp/xvfb.log" 2>&1 &
  xvfb_pid=$!
  display_reported() { grep -q '^[0-9][0-9]*$' "$temp/display"; }
  poll display_reported || fail "Xvfb did not start: $(cat "$temp/xvfb.log")"
  export DISPLAY=":$(cat "$temp/display")"
  poll xwininfo -root >/dev/null 2>&1 || fail "Xvfb did not answer on $DISPLAY"
  unset QT_QPA_PLATFORM WAYLAND_DISPLAY
}

# Finds the visible window titled Yorvane: sets `window` and `menu_bar`, and
# fails unless it comes to be 411 wide with a menu bar above 165 of content
# (it is mapped before it takes its size).
find_main_window() {
  window=$(timeout "$patience" xdotool search --sync --onlyvisible --name '^Yorvane$' 2>/dev/null | head -n 1)
  [ -n "$window" ] || fail "no visible window titled Yorvane"
  poll main_window_sized || fail "window is $geometry, not 411 wide with a menu bar above 165 of content"
}

main_window_sized() {
  geometry=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')
  width=${geometry%x*}
  height=${geometry#*x}
  case $width$height in '' | *[!0-9]*) return 1 ;; esac
  menu_bar=$((height - 165))
  [ "$width" -eq 411 ] && [ "$menu_bar" -gt 0 ] && [ "$menu_bar" -lt 60 ]
}

# Prints what xwininfo says of the content area, the window's 411 x 165 child
# right below the menu bar (the program runs with native child windows);
# prints nothing when there is none.
content_area_info() {
  for child in $(xwininfo -id "$window" -children | sed -n 's/^ *\(0x[0-9a-f]*\) .*/\1/p'); do
    info=$(xwininfo -id "$child")
    w=$(echo "$info" | sed -n 's/ *Width: //p')
    h=$(echo "$info" | sed -n 's/ *Height: //p')
    y=$(echo "$info" | sed -n 's/ *Relative upper-left Y: *//p')
    if [ "$w" = 411 ] && [ "$h" = 165 ] && [ "$y" = "$menu_bar" ]; then
      echo "$info"
      return
    fi
  done
}

alive() { kill -0 "$app_pid" 2>/dev/null; }

# Clicks the content-area point (x, y) of the window; y is below the menu bar.
click_at() {
  # The X server takes the move before the click: no pause is needed.
  xdotool mousemove --window "$window" "$1" $((menu_bar + $2)) || fail "mousemove to $1,$2 failed"
  xdotool click 1 || fail "click at $1,$2 failed"
}

# Clicks "参照" and chooses the list $1 in the file dialog by typing its full
# path into the name box; fails unless the dialog closes and the program lives.
choose_list_in_dialog() {
  xdotool windowfocus --sync "$window" 2>/dev/null
  click_at $((359 + 24)) $((15 + 11))
  dialog=$(timeout "$patience" xdotool search --sync --onlyvisible --name 'Tab区切りテキストUTF-8を選択' 2>/dev/null | head -n 1)
  [ -n "$dialog" ] || fail "no file dialog after clicking 参照"
  # The program gives its dialog the focus itself, some time after it shows:
  # focusing it from here as well races with that, and the program may then
  # lose keys sent after the dialog. Keys sent once the dialog has the focus
  # reach its name box, focused when it opens.
  dialog_focused() { [ "$(xdotool getwindowfocus -f 2>/dev/null)" = "$dialog" ]; }
  poll dialog_focused || fail "the file dialog never took the focus"
  xdotool type --delay 20 "$1" || fail "typing the list's path failed"
  xdotool key Return
  dialog_gone() { ! xwininfo -id "$dialog" 2>/dev/null | grep -q 'IsViewable'; }
  poll dialog_gone || fail "the file dialog did not close after Return"
  # The name box's completion list may outlast the dialog for a moment; while
  # it is shown, a click only closes it.
  only_main_window_shown() {
    [ "$(xdotool search --onlyvisible --maxdepth 1 --pid "$app_pid" 2>/dev/null)" = "$window" ]
  }
  poll only_main_window_shown || fail "a window of the program outlasts the dialog"
  alive || fail "the program ended after the dialog"
}

# Clicks "JSX作成".
click_makejsx() {
  xdotool windowfocus --sync "$window" 2>/dev/null
  click_at $((102 + 101)) $((84 + 11))
}

# Sends Ctrl+Q to the window and waits for the program's exit status.
quit_with_ctrl_q() {
  xdotool windowfocus --sync "$window" 2>/dev/null
  xdotool key ctrl+q
  poll eval '! kill -0 "$app_pid" 2>/dev/null' || fail "Ctrl+Q did not end the program"
  wait "$app_pid"
  status=$?
  app_pid=
  [ "$status" -eq 0 ] || fail "exit status $status after Ctrl+Q"
}
