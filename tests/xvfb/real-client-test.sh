#!/usr/bin/env bash
# Drives the real program on a virtual X server with real key events: a sum typed with the main
# digits and the keypad, the total read from the X clipboard after Ctrl+C, NumLock switched on at
# start-up, the focus and Tab, held keys acting once while both cores are busy, settings saved
# from the Options menu, Escape then Return ending the program, and the saved settings back at
# the next start; the tape kept across a SIGKILL, an earlier tape opened from the Tape History,
# and --export and --new-tape; a line selected by a click and by Find, and corrected through the
# dialog. Then, under the openbox window manager: the first start centred
# by the outer frame and the outer height kept through five rounds of Save Settings and restart.
# Last, a German locale, where the comma key enters the decimal comma (Qt reads the locale from
# LANG, so the system needs no generated de_DE locale).
#
# Usage: real-client-test.sh PATH-TO-RECKORA
set -uo pipefail

app=${1:?usage: real-client-test.sh PATH-TO-RECKORA}
here=$(cd "$(dirname "$0")" && pwd)
for tool in Xvfb xdotool xclip xset xwininfo xprop openbox python3; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIP: $tool is not installed (scripts/install-deps installs it)"
    exit 77
  fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/reckora-xvfb.XXXXXX")
xvfb_pid=""
app_pid=""
wm_pid=""
busy_pids=()

cleanup() {
  ((${#busy_pids[@]})) && kill "${busy_pids[@]}" 2>/dev/null
  [[ -n "$app_pid" ]] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
  [[ -n "$wm_pid" ]] && kill "$wm_pid" 2>/dev/null && wait "$wm_pid" 2>/dev/null
  [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*"
  if [[ -s "$work/app.log" ]]; then
    echo "--- program output"
    cat "$work/app.log"
  fi
  exit 1
}

# Runs "$@" every 0.1 s until it succeeds or `seconds` have passed.
wait_until() {
  local seconds=$1
  shift
  local tries=$((seconds * 10))
  while ((tries-- > 0)); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

x() { timeout 5 "$@"; }

# A display number of its own: Xvfb picks the first free one and writes it to fd 3.
Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 1280x1024x24 \
  3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
wait_until 10 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n1 "$work/display")"
echo "display $DISPLAY"

numlock_is() { x xset q | grep -Eq "Num Lock: +$1"; }
numlock_is off || fail "NumLock should be off on a fresh server"

mkdir -p "$work/home" "$work/config" "$work/runtime"
chmod 700 "$work/runtime"

config="$work/config"
language=C.UTF-8
# The window's caption in that language.
caption='Reckora Calculator'
# The program with the test's home, settings and data folders: each settings folder has a data
# folder (and so a kept tape) of its own.
run_program() {
  env HOME="$work/home" XDG_CONFIG_HOME="$config" XDG_DATA_HOME="$config.data" \
    XDG_RUNTIME_DIR="$work/runtime" LANG=$language LC_ALL=$language QT_QPA_PLATFORM=xcb \
    "$app" "$@"
}
start_program() {
  # One simple command, so that env execs the program under the same process id.
  env HOME="$work/home" XDG_CONFIG_HOME="$config" XDG_DATA_HOME="$config.data" \
    XDG_RUNTIME_DIR="$work/runtime" LANG=$language LC_ALL=$language QT_QPA_PLATFORM=xcb \
    "$app" "$@" >>"$work/app.log" 2>&1 &
  app_pid=$!
  main_window=""
  find_main() { main_window=$(x xdotool search --onlyvisible --name "^$caption\$" | head -n1); [[ -n "$main_window" ]]; }
  wait_until 20 find_main || fail "the main window did not appear"
  x xdotool windowfocus --sync "$main_window" || fail "cannot focus the main window"
}

# Presses Ctrl+C until the clipboard holds the expected text (the display blinks for 100 ms).
clipboard_shows() {
  local expected=$1 got=""
  copy_and_compare() {
    x xdotool key ctrl+c || return 1
    got=$(x xclip -o -selection clipboard 2>/dev/null)
    [[ "$got" == "$expected" ]]
  }
  wait_until 10 copy_and_compare || fail "clipboard holds '$got', expected '$expected'"
}

# Escape, then Return in the question box: the program ends with status 0.
escape_and_confirm() {
  x xdotool key Escape || fail "cannot send Escape"
  local question=""
  find_question() {
    question=$(x xdotool search --onlyvisible --name "^$caption\$" | grep -vx "$main_window" | head -n1)
    [[ -n "$question" ]]
  }
  wait_until 10 find_question || fail "Escape did not ask whether to exit"
  kill -0 "$app_pid" 2>/dev/null || fail "the program ended before the question was answered"
  x xdotool windowfocus --sync "$question" || fail "cannot focus the question"
  x xdotool key Return || fail "cannot send Return"
  ended() { ! kill -0 "$app_pid" 2>/dev/null; }
  wait_until 10 ended || fail "the program did not end after Escape and Return"
  wait "$app_pid"
  local status=$?
  app_pid=""
  ((status == 0)) || fail "the program ended with status $status"
}

# The client window's place and size on the screen: "left top width height".
client_geometry() {
  x xwininfo -id "$main_window" | sed -n 's/.*Absolute upper-left [XY]: *//p; s/.*Width: *//p; s/.*Height: *//p' | tr '\n' ' '
}

# The outer frame as "top height left width", from the client and _NET_FRAME_EXTENTS.
outer_geometry() {
  local left top width height l r t b
  read -r left top width height <<<"$(client_geometry)"
  IFS=', ' read -r l r t b <<<"$(x xprop -id "$main_window" _NET_FRAME_EXTENTS | sed -n 's/.*= //p')"
  echo "$((top - ${t:-0})) $((height + ${t:-0} + ${b:-0})) $((left - ${l:-0})) $((width + ${l:-0} + ${r:-0}))"
}

# A digest of the key faces' pixels (the digit rows and the operator keys above them; not the
# display, the counter or the tape). The client area below the menu bar is 274 px high.
faces_digest() {
  local left top width height
  read -r left top width height <<<"$(client_geometry)"
  local client=$((top + height - 274))
  python3 "$here/screen-digest.py" $((left + 182)) $((client + 40)) 118 61 \
    $((left + 6)) $((client + 112)) 294 158
}

# Holds a key down for 1.5 s while both cores are kept busy, when the window system's repeats
# are most likely to be taken for new presses; its face must show pressed while it is held and
# every face must rest after the release.
hold_under_load() {
  local key=$1 resting pressed
  resting=$(faces_digest)
  for _ in 1 2; do
    (while :; do :; done) &
    busy_pids+=($!)
  done
  x xdotool keydown "$key" || fail "cannot press $key"
  sleep 1.5
  pressed=$(faces_digest)
  x xdotool keyup "$key" || fail "cannot release $key"
  kill "${busy_pids[@]}" 2>/dev/null
  wait "${busy_pids[@]}" 2>/dev/null
  busy_pids=()
  [[ "$pressed" != "$resting" ]] || fail "no face shows pressed while $key is held"
  at_rest() { [[ "$(faces_digest)" == "$resting" ]]; }
  wait_until 2 at_rest || fail "the faces do not rest after $key is released"
}

window_width() { x xdotool getwindowgeometry "$main_window" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p'; }

# First start: NumLock comes on, a sum is typed, the total copied.
start_program
wait_until 5 numlock_is on || fail "NumLock is not on after start-up"

# The focus starts on the selected option button: one Tab puts it, shown, on key 0, Shift+Tab
# takes it back. Space, the "00" key, does not click the focused key as well.
at_start=$(faces_digest)
x xdotool key Tab || fail "cannot send Tab"
focus_on_keys() { [[ "$(faces_digest)" != "$at_start" ]]; }
wait_until 2 focus_on_keys || fail "Tab shows no focus on the keys"
x xdotool key shift+Tab || fail "cannot send Shift+Tab"
focus_off_keys() { [[ "$(faces_digest)" == "$at_start" ]]; }
wait_until 2 focus_off_keys || fail "Shift+Tab leaves the focus on the keys"
x xdotool key --delay 20 Tab 1 space KP_Add Return || fail "cannot send keys"
clipboard_shows "100."
x xdotool key --delay 20 1 2 KP_Add 3 0 KP_Add Return || fail "cannot send keys"
clipboard_shows "42."

# Held keys act once: 7 enters one 7, minus after 5 subtracts once, Return totals once,
# Backspace removes one digit.
hold_under_load 7
clipboard_shows "7."
x xdotool key --delay 20 Delete 5 || fail "cannot send keys"
hold_under_load minus
x xdotool key Return || fail "cannot send Return"
clipboard_shows "-5."
x xdotool key --delay 20 2 KP_Add || fail "cannot send keys"
hold_under_load Return
clipboard_shows "2."
x xdotool key --delay 20 1 2 3 4 || fail "cannot send keys"
hold_under_load BackSpace
clipboard_shows "123."
x xdotool key Delete || fail "cannot send Delete"

# Two decimal places, tape hidden, then Options > Save Settings from the keyboard.
x xdotool key --delay 20 ctrl+2 ctrl+space || fail "cannot send keys"
narrow_width() { width=$(window_width); [[ -n "$width" && "$width" -lt 400 ]]; }
wait_until 5 narrow_width || fail "Ctrl+Space did not hide the tape (width $(window_width))"
x xdotool key alt+o || fail "cannot open the Options menu"
sleep 0.3
x xdotool key --delay 50 Down Down Down Return || fail "cannot choose Save Settings"
settings_file="$work/config/Reckora/Reckora.conf"
# Seven keys, each written on its own; WindowLeft comes last.
saved() { grep -q '^WindowLeft=' "$settings_file" 2>/dev/null; }
wait_until 10 saved || fail "Save Settings wrote no complete settings file"
for key in ShowTape=False AlwaysOnTop=True RoundOption=2 WindowHeight= WindowTop= WindowLeft=; do
  grep -q "^$key" "$settings_file" || fail "the settings file lacks $key: $(cat "$settings_file")"
done
x xdotool windowfocus --sync "$main_window" || fail "cannot focus the main window"
escape_and_confirm

# Next start: the saved settings are back (narrow window, two decimal places).
start_program
wait_until 5 narrow_width || fail "the tape is shown again although it was saved hidden"
x xdotool key --delay 20 1 KP_Add 2 KP_Add Return || fail "cannot send keys"
clipboard_shows "3.00"
numlock_is on || fail "NumLock went off"
escape_and_confirm

# The tape is kept: a column, its total, M+ and one more item, then the program is killed with
# SIGKILL. The next start shows the same tape (Copy Tape, Ctrl+Shift+C), display, counter (the
# next total counts on) and memory (MR).
tape_text() { x xdotool key ctrl+shift+c && x xclip -o -selection clipboard 2>/dev/null; }
start_program
x xdotool key --delay 20 5 KP_Add 2 5 KP_Add Return shift+KP_Add 8 KP_Add || fail "cannot send keys"
clipboard_shows "8.00"
kept=$(tape_text)
grep -q '30\.00' <<<"$kept" || fail "Copy Tape holds no total 30.00: '$kept'"
kill -KILL "$app_pid"
wait "$app_pid" 2>/dev/null
app_pid=""
start_program
# Read until the new clipboard owner answers: the killed one took its text along.
same_tape() { [[ "$(tape_text)" == "$kept" ]]; }
wait_until 5 same_tape || fail "the tape after SIGKILL differs: '$(tape_text)', was '$kept'"
clipboard_shows "8.00"
x xdotool key --delay 20 2 KP_Add Return || fail "cannot send keys"
totalled=$(tape_text)
grep -Eq '^ *2 +10\.00' <<<"$(tail -n1 <<<"$totalled")" ||
  fail "the total after the restart does not count 2 items of 10.00: '$totalled'"
x xdotool key shift+Return || fail "cannot send keys"
clipboard_shows "30.00"
echo "kept tape: the same tape, display, counter and memory after SIGKILL"

# New keeps the tape: the Tape History (File menu) lists it under the new one; opening it makes
# it the current tape again.
earlier=$(tape_text)
x xdotool key ctrl+n || fail "cannot send keys"
[[ -z "$(tape_text)" ]] || fail "New left a tape: '$(tape_text)'"
x xdotool key alt+f || fail "cannot open the File menu"
sleep 0.3
x xdotool key --delay 50 Down Down Down Return || fail "cannot choose Tape History"
history_window=""
find_history() { history_window=$(x xdotool search --onlyvisible --name '^Tape History$' | head -n1); [[ -n "$history_window" ]]; }
wait_until 10 find_history || fail "File > Tape History did not open the Tape History"
x xdotool windowfocus --sync "$history_window" || fail "cannot focus the Tape History"
x xdotool key --delay 50 Tab Down Return || fail "cannot send keys"
history_closed() { ! find_history; }
wait_until 10 history_closed || fail "opening a tape did not close the Tape History"
x xdotool windowfocus --sync "$main_window" || fail "cannot focus the main window"
[[ "$(tape_text)" == "$earlier" ]] || fail "the tape opened from the history is '$(tape_text)'"
echo "tape history: the earlier tape listed and opened"
escape_and_confirm

# The command line: --export writes the kept tape without a window, --new-tape starts empty.
run_program --export "$work/tape.csv" 2>>"$work/app.log" || fail "--export ended with status $?"
grep -q '^[0-9]*,total,10\.00,' "$work/tape.csv" || fail "the CSV lacks the total 10: $(cat "$work/tape.csv")"
run_program --export "$work/tape.odt" 2>"$work/error"
status=$?
((status == 2)) || fail "--export to an unknown format ended with status $status"
grep -q "tape.odt" "$work/error" || fail "no clear message: $(cat "$work/error")"
start_program --new-tape
[[ -z "$(tape_text)" ]] || fail "--new-tape started on the tape '$(tape_text)'"
escape_and_confirm
echo "command line: --export and --new-tape"

# Work on the tape: a click selects line 1 (12), a double click on it opens Correct Entry, and 20
# there makes the total 50; Ctrl+Shift+F finds 30 (line 2), and Return on it corrects it to 35.
# Lines are 17 px apart from the top of the tape, which stands 308 px right of the client's left.
tape_point() {
  local left top width height
  read -r left top width height <<<"$(client_geometry)"
  echo "$((left + 308 + 150)) $((top + height - 274 + 17 * $1))"
}
correct_to() {
  local dialog=""
  find_dialog() { dialog=$(x xdotool search --onlyvisible --name '^Correct Entry$' | head -n1); [[ -n "$dialog" ]]; }
  wait_until 10 find_dialog || fail "no Correct Entry dialog"
  x xdotool windowfocus --sync "$dialog" || fail "cannot focus Correct Entry"
  x xdotool key --delay 20 ctrl+a && x xdotool type --delay 20 "$1" && x xdotool key Return ||
    fail "cannot answer Correct Entry"
  x xdotool windowfocus --sync "$main_window" || fail "cannot focus the main window"
}
config="$work/config-tapework"
start_program
x xdotool key --delay 20 1 2 KP_Add 3 0 KP_Add Return || fail "cannot send keys"
clipboard_shows "42."
read -r px py <<<"$(tape_point 1)"
x xdotool mousemove --sync "$px" "$py" click 1 || fail "cannot click the tape"
sleep 0.3
x xdotool click --repeat 2 --delay 80 1 || fail "cannot double-click the tape"
correct_to 20
clipboard_shows "50."
x xdotool key ctrl+shift+f || fail "cannot send Ctrl+Shift+F"
find_window=""
find_find() { find_window=$(x xdotool search --onlyvisible --name '^Find$' | head -n1); [[ -n "$find_window" ]]; }
wait_until 10 find_find || fail "Ctrl+Shift+F did not open Find"
x xdotool windowfocus --sync "$find_window" || fail "cannot focus Find"
x xdotool type --delay 20 "30" && x xdotool key Return Escape || fail "cannot search"
x xdotool windowfocus --sync "$main_window" || fail "cannot focus the main window"
x xdotool key Return || fail "cannot send Return"
correct_to 35
clipboard_shows "55."
escape_and_confirm
echo "tape work: a click selects, a double click and Find lead to corrections that change the total"

# Under openbox, with a store of its own: the first start is centred by its outer frame, and
# five rounds of Save Settings and restart keep the outer height.
openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm_pid=$!
wm_running() { x xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
wait_until 10 wm_running || fail "openbox did not start: $(cat "$work/openbox.log")"
config="$work/config-openbox"
first_height=""
for round in 1 2 3 4 5; do
  start_program
  framed() { read -r top height left width <<<"$(outer_geometry)"; ((height > $(client_geometry | cut -d' ' -f4))); }
  wait_until 5 framed || fail "openbox put no frame around the window"
  read -r top height left width <<<"$(outer_geometry)"
  if [[ -z "$first_height" ]]; then
    first_height=$height
    ((top == (1024 - height) / 2 || top == (1025 - height) / 2)) ||
      fail "the first start is not centred by its outer frame: top $top, outer height $height"
    ((left == (1280 - width) / 2 || left == (1281 - width) / 2)) ||
      fail "the first start is not centred by its outer frame: left $left, outer width $width"
  fi
  ((height == first_height)) || fail "round $round: outer height $height, first $first_height"
  x xdotool key alt+o || fail "cannot open the Options menu"
  sleep 0.3
  x xdotool key --delay 50 Down Down Down Return || fail "cannot choose Save Settings"
  saved_height() { grep -q "^WindowHeight=$((first_height * 15))\$" "$config/Reckora/Reckora.conf" 2>/dev/null; }
  wait_until 5 saved_height || fail "round $round saved $(grep WindowHeight "$config/Reckora/Reckora.conf")"
  x xdotool windowfocus --sync "$main_window" || fail "cannot focus the main window"
  escape_and_confirm
done
kill "$wm_pid" && wait "$wm_pid" 2>/dev/null
wm_pid=""

# A German locale: the decimal separator is a comma, and the comma key enters it like the
# keypad's decimal key: 1234,5 + 2,5 is 1.237,0, not 1.259,5.
config="$work/config-german"
language=de_DE.UTF-8
caption='Reckora-Rechner'
start_program
x xdotool key --delay 20 1 2 3 4 KP_Decimal 5 KP_Add 2 comma 5 KP_Add Return || fail "cannot send keys"
clipboard_shows "1.237,"
escape_and_confirm

echo "PASS"
