#!/usr/bin/env bash
# The row of business keys in the real program on a virtual X server: turned on and off from the
# Options menu, the window one row taller while it is shown and back to its pixels when it goes;
# the tax rate set in its dialog; the business strokes (Ctrl+G, Ctrl+Keypad+, Ctrl+-, Ctrl+Enter)
# and clicks on the faces; then the same in German, with the rate typed with a decimal comma.
# With SCREENSHOT set, the window with the row and a few business lines is saved there as PNG.
#
# Usage: business-keys-test.sh PATH-TO-RECKORA
set -uo pipefail

app=${1:?usage: business-keys-test.sh PATH-TO-RECKORA}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/x-session.sh"
need_tools Xvfb xdotool xclip xwininfo python3
start_xvfb

tax_caption='Tax Rate'
key_delay=30
# options_entry N: the Nth entry of the Options menu (Business Keys is the 6th, Tax Rate the 7th).
options_entry() {
  local downs=()
  for ((i = 1; i < $1; i++)); do downs+=(Down); done
  keys alt+o && sleep 0.3 && keys "${downs[@]}" Return
}
client_height() { read -r _ _ _ h <<<"$(client_geometry)"; echo "$h"; }
client_digest() {
  local left top width height
  read -r left top width height <<<"$(client_geometry)"
  python3 "$here/screen-pixels.py" digest "$left" "$top" "$width" "$height"
}
# click_face COLUMN: a click on the business face in that column (0..7) of the row, which lies
# 272 px below the client area's top, under the 334 px high client area with the row.
click_face() {
  local left top width height
  read -r left top width height <<<"$(client_geometry)"
  local client=$((top + height - 334))
  x xdotool mousemove $((left + 6 + 37 * $1 + 17)) $((client + 272 + 19)) click 1 ||
    fail "cannot click face $1"
}
set_tax_rate() {
  options_entry 7
  await_window "$tax_caption"
  x xdotool windowfocus --sync "$window" || fail "cannot focus the tax rate dialog"
  keys ctrl+a
  x xdotool type --delay 30 "$1" || fail "cannot type the rate"
  keys Return
  gone() { [[ -z "$(window_named "$tax_caption")" ]]; }
  wait_until 5 gone || fail "the tax rate dialog did not take '$1'"
  focus_main
}

start_program
designed=$(client_digest)
height=$(client_height)
options_entry 6
grown() { [[ "$(client_height)" == $((height + 60)) ]]; }
wait_until 5 grown || fail "Business Keys did not grow the window by its row ($height -> $(client_height))"
options_entry 6
as_designed() { [[ "$(client_height)" == "$height" && "$(client_digest)" == "$designed" ]]; }
wait_until 5 as_designed || fail "with Business Keys off again the window is not as it was"

# On again: the strokes and the faces.
options_entry 6
wait_until 5 grown || fail "Business Keys did not show the row again"
keys 1 2 KP_Add 3 0 KP_Add Return
clipboard_shows "42."
keys ctrl+g
clipboard_shows "42."
set_tax_rate 19
keys 1 0 0 ctrl+KP_Add
clipboard_shows "119."
keys 1 1 9 ctrl+minus
clipboard_shows "100."
keys 2 5 KP_Add 1 7 KP_Add ctrl+Return
clipboard_shows "42."
keys Return 8 0
click_face 5
keys 1 0 0
click_face 6
clipboard_shows "20."
if [[ -n "${SCREENSHOT:-}" ]]; then
  x xdotool mousemove 0 0 && sleep 1
  read -r left top width height <<<"$(client_geometry)"
  python3 "$here/screen-pixels.py" png "$SCREENSHOT" "$left" "$top" "$width" "$height" ||
    fail "cannot save the screenshot"
fi
stop_program

# German: the same row, the rate typed with a decimal comma.
config="$work/config-german"
language=de_DE.UTF-8
caption='Reckora-Rechner'
tax_caption='Steuersatz'
start_program
height=$(client_height)
options_entry 6
grown() { [[ "$(client_height)" -gt "$height" ]]; }
wait_until 5 grown || fail "Kaufmännische Tasten did not show the row"
set_tax_rate 7,5
keys 2 0 0 ctrl+KP_Add
clipboard_shows "215,"
keys 2 0 0 KP_Add Return
click_face 0
clipboard_shows "200,"
stop_program

echo "PASS"
