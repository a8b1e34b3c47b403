#!/usr/bin/env bash
# Drives the real program on a virtual X server with real key events: a sum typed with the main
# digits and the keypad, the total read from the X clipboard after Ctrl+C, NumLock switched on at
# start-up, settings saved from the Options menu, Escape then Return ending the program, and the
# saved settings back at the next start; the tape kept across a SIGKILL, an earlier tape opened
# from the Tape History, and --export and --new-tape.
#
# Usage: real-client-test.sh PATH-TO-RECKORA
set -uo pipefail

app=${1:?usage: real-client-test.sh PATH-TO-RECKORA}
for tool in Xvfb xdotool xclip xset; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIP: $tool is not installed (scripts/install-deps installs it)"
    exit 77
  fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/reckora-xvfb.XXXXXX")
xvfb_pid=""
app_pid=""

cleanup() {
  [[ -n "$app_pid" ]] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
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

# The program with the test's home, settings and data folders (env execs it: same process id).
program=(env HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
  LANG=C.UTF-8 LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb "$app")

start_program() {
  "${program[@]}" "$@" >>"$work/app.log" 2>&1 &
  app_pid=$!
  main_window=""
  find_main() { main_window=$(x xdotool search --onlyvisible --name '^Reckora Calculator$' | head -n1); [[ -n "$main_window" ]]; }
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
    question=$(x xdotool search --onlyvisible --name '^Reckora Calculator$' | grep -vx "$main_window" | head -n1)
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

window_width() { x xdotool getwindowgeometry "$main_window" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p'; }

# First start: NumLock comes on, a sum is typed, the total copied.
start_program
wait_until 5 numlock_is on || fail "NumLock is not on after start-up"
x xdotool key --delay 20 1 2 KP_Add 3 0 KP_Add Return || fail "cannot send keys"
clipboard_shows "42."

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
[[ "$(tape_text)" == "$kept" ]] || fail "the tape after SIGKILL differs: '$(tape_text)', was '$kept'"
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
"${program[@]}" --export "$work/tape.csv" 2>>"$work/app.log" || fail "--export ended with status $?"
grep -q '^[0-9]*,total,10\.00,' "$work/tape.csv" || fail "the CSV lacks the total 10: $(cat "$work/tape.csv")"
"${program[@]}" --export "$work/tape.odt" 2>"$work/error"
status=$?
((status == 2)) || fail "--export to an unknown format ended with status $status"
grep -q "tape.odt" "$work/error" || fail "no clear message: $(cat "$work/error")"
start_program --new-tape
[[ -z "$(tape_text)" ]] || fail "--new-tape started on the tape '$(tape_text)'"
escape_and_confirm
echo "command line: --export and --new-tape"

echo "PASS"
