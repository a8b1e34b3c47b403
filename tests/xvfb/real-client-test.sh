#!/usr/bin/env bash
# Drives the real program on a virtual X server with real key events: a sum typed with the main
# digits and the keypad, the total read from the X clipboard after Ctrl+C, NumLock switched on at
# start-up, the focus and Tab, held keys acting once while both cores are busy, settings saved
# from the Options menu, Escape then Return ending the program, and the saved settings back at
# the next start; the tape kept across a SIGKILL, an earlier tape opened from the Tape History,
# and --export and --new-tape; a line selected by a click and by Find, and corrected through the
# dialog; Paste Column adding a column that xclip offers, which keeps owning the clipboard. Then,
# under the openbox window manager: the first start centred
# by the outer frame and the outer height kept through five rounds of Save Settings and restart.
#
# Usage: real-client-test.sh PATH-TO-RECKORA
set -uo pipefail

app=${1:?usage: real-client-test.sh PATH-TO-RECKORA}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/x-session.sh"
need_tools Xvfb xdotool xclip xset xwininfo xprop openbox python3
start_xvfb
echo "display $DISPLAY"

numlock_is() { x xset q | grep -Eq "Num Lock: +$1"; }
numlock_is off || fail "NumLock should be off on a fresh server"

run_program() { with_env "$@" && "${program[@]}"; }
# focus_window NAME: waits for the window of that name and gives it the focus.
focus_window() { await_window "$1" && x xdotool windowfocus --sync "$window" || fail "cannot focus $1"; }
# choose MENU-KEY WHAT: the fourth entry of a menu (Options > Save Settings, File > Tape History).
choose() {
  x xdotool key "$1" && sleep 0.3 && x xdotool key --delay 50 Down Down Down Return || fail "cannot choose $2"
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
  python3 "$here/screen-pixels.py" digest $((left + 182)) $((client + 40)) 118 61 \
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
keys Tab 1 space KP_Add Return
clipboard_shows "100."
keys 1 2 KP_Add 3 0 KP_Add Return
clipboard_shows "42."

# Held keys act once: 7 enters one 7, minus after 5 subtracts once, Return totals once,
# Backspace removes one digit.
hold_under_load 7
clipboard_shows "7."
keys Delete 5
hold_under_load minus
x xdotool key Return || fail "cannot send Return"
clipboard_shows "-5."
keys 2 KP_Add
hold_under_load Return
clipboard_shows "2."
keys 1 2 3 4
hold_under_load BackSpace
clipboard_shows "123."
x xdotool key Delete || fail "cannot send Delete"

# Two decimal places, tape hidden, then Options > Save Settings from the keyboard.
keys ctrl+2 ctrl+space
narrow_width() { width=$(window_width); [[ -n "$width" && "$width" -lt 400 ]]; }
wait_until 5 narrow_width || fail "Ctrl+Space did not hide the tape (width $(window_width))"
choose alt+o "Save Settings"
settings_file="$work/config/Reckora/Reckora.conf"
# Seven keys, each written on its own; WindowLeft comes last.
saved() { grep -q '^WindowLeft=' "$settings_file" 2>/dev/null; }
wait_until 10 saved || fail "Save Settings wrote no complete settings file"
for key in ShowTape=False AlwaysOnTop=True RoundOption=2 WindowHeight= WindowTop= WindowLeft=; do
  grep -q "^$key" "$settings_file" || fail "the settings file lacks $key: $(cat "$settings_file")"
done
focus_main
escape_and_confirm

# Next start: the saved settings are back (narrow window, two decimal places).
start_program
wait_until 5 narrow_width || fail "the tape is shown again although it was saved hidden"
keys 1 KP_Add 2 KP_Add Return
clipboard_shows "3.00"
numlock_is on || fail "NumLock went off"
escape_and_confirm

# The tape is kept: a column, its total, M+ and one more item, then the program is killed with
# SIGKILL. The next start shows the same tape (Copy Tape, Ctrl+Shift+C); that the display, the
# counter and the memory come back after a SIGKILL at any moment is the harness's kill test.
start_program
keys 5 KP_Add 2 5 KP_Add Return shift+KP_Add 8 KP_Add
clipboard_shows "8.00"
kept=$(tape_text)
grep -q '30\.00' <<<"$kept" || fail "Copy Tape holds no total 30.00: '$kept'"
stop_program KILL
start_program
# Read until the new clipboard owner answers: the killed one took its text along.
same_tape() { [[ "$(tape_text)" == "$kept" ]]; }
wait_until 5 same_tape || fail "the tape after SIGKILL differs: '$(tape_text)', was '$kept'"
echo "kept tape: the same tape after SIGKILL"

# New keeps the tape: the Tape History (File menu) lists it under the new one; opening it makes
# it the current tape again.
earlier=$(tape_text)
keys ctrl+n
[[ -z "$(tape_text)" ]] || fail "New left a tape: '$(tape_text)'"
choose alt+f "Tape History"
focus_window "Tape History"
x xdotool key --delay 50 Tab Down Return || fail "cannot send keys"
history_closed() { [[ -z "$(window_named "Tape History")" ]]; }
wait_until 10 history_closed || fail "opening a tape did not close the Tape History"
focus_main
[[ "$(tape_text)" == "$earlier" ]] || fail "the tape opened from the history is '$(tape_text)'"
echo "tape history: the earlier tape listed and opened"
escape_and_confirm

# The command line: --export writes the kept tape without a window, also while one runs;
# --new-tape starts empty.
run_program --export "$work/tape.csv" 2>>"$work/app.log" || fail "--export ended with status $?"
grep -q '^[0-9]*,total,30\.00,' "$work/tape.csv" || fail "the CSV lacks the total 30: $(cat "$work/tape.csv")"
run_program --export "$work/tape.odt" 2>"$work/error"
status=$?
((status == 2)) || fail "--export to an unknown format ended with status $status"
grep -q "tape.odt" "$work/error" || fail "no clear message: $(cat "$work/error")"
# Beside a running window, --export writes the tape that window shows.
start_program
run_program --export "$work/running.csv" 2>>"$work/app.log" || fail "--export beside a window ended with status $?"
cmp -s "$work/tape.csv" "$work/running.csv" || fail "--export beside a window wrote: $(cat "$work/running.csv")"
escape_and_confirm
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
  focus_window "Correct Entry"
  x xdotool key --delay 20 ctrl+a && x xdotool type --delay 20 "$1" && x xdotool key Return ||
    fail "cannot answer Correct Entry"
  focus_main
}
config="$work/config-tapework"
start_program
keys 1 2 KP_Add 3 0 KP_Add Return
clipboard_shows "42."
read -r px py <<<"$(tape_point 1)"
x xdotool mousemove --sync "$px" "$py" click 1 || fail "cannot click the tape"
sleep 0.3
x xdotool click --repeat 2 --delay 80 1 || fail "cannot double-click the tape"
correct_to 20
clipboard_shows "50."
x xdotool key ctrl+shift+f || fail "cannot send Ctrl+Shift+F"
focus_window Find
x xdotool type --delay 20 "30" && x xdotool key Return Escape || fail "cannot search"
focus_main
x xdotool key Return || fail "cannot send Return"
correct_to 35
clipboard_shows "55."
escape_and_confirm
echo "tape work: a click selects, a double click and Find lead to corrections that change the total"

# Paste Column (Ctrl+Shift+V, OK) adds a column that xclip offers without writing the clipboard:
# xclip, which ends as soon as another program takes the clipboard, still runs and still offers
# the column after the numbers are added. Copy then takes the clipboard, and xclip ends.
# alive PID: the process runs (an ended child stays a zombie until it is waited for).
alive() {
  local state
  state=$(ps -o stat= -p "$1" 2>/dev/null)
  [[ -n "$state" && "$state" != Z* ]]
}
config="$work/config-column"
start_program
column=$'12\n30'
printf '%s\n' "$column" | xclip -quiet -selection clipboard -i >/dev/null 2>&1 &
owner_pid=$!
offers_column() { [[ "$(x xclip -o -selection clipboard 2>/dev/null)" == "$column" ]]; }
wait_until 5 offers_column || fail "xclip does not offer the column"
keys ctrl+shift+v
focus_window "Paste Column"
x xdotool key Return || fail "cannot answer Paste Column"
preview_closed() { [[ -z "$(window_named "Paste Column")" ]]; }
wait_until 10 preview_closed || fail "OK did not close the Paste Column preview"
focus_main
sleep 0.5
alive "$owner_pid" || fail "Paste Column took the clipboard from xclip"
offers_column ||
  fail "the clipboard no longer holds the column: '$(x xclip -o -selection clipboard)'"
keys Return
clipboard_shows "42."
owner_gone() { ! alive "$owner_pid"; }
wait_until 5 owner_gone || fail "xclip still runs after Copy took the clipboard"
wait "$owner_pid" 2>/dev/null
escape_and_confirm
echo "paste column: the column added, the clipboard left with its owner"

# Under openbox, with a store of its own: the first start is centred by its outer frame, and
# five rounds of Save Settings and restart keep the outer height.
start_openbox
config="$work/config-openbox"
first_height=""
for round in 1 2 3 4 5; do
  start_program
  framed() { read -r top height left width <<<"$(outer_geometry)"; ((height > $(client_geometry | cut -d' ' -f4))); }
  wait_until 5 framed || fail "openbox put no frame around the window"
  if [[ -z "$first_height" ]]; then
    first_height=$height
    ((top == (1024 - height) / 2 || top == (1025 - height) / 2)) ||
      fail "the first start is not centred by its outer frame: top $top, outer height $height"
    ((left == (1280 - width) / 2 || left == (1281 - width) / 2)) ||
      fail "the first start is not centred by its outer frame: left $left, outer width $width"
  fi
  ((height == first_height)) || fail "round $round: outer height $height, first $first_height"
  choose alt+o "Save Settings"
  saved_height() { grep -q "^WindowHeight=$((first_height * 15))\$" "$config/Reckora/Reckora.conf" 2>/dev/null; }
  wait_until 5 saved_height || fail "round $round saved $(grep WindowHeight "$config/Reckora/Reckora.conf")"
  focus_main
  escape_and_confirm
done
kill "$wm_pid" && wait "$wm_pid" 2>/dev/null
wm_pid=""

echo "PASS"
