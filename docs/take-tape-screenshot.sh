#!/usr/bin/env bash
# Takes docs/tape-work.png: the real program on a virtual X server, a column of figures with one
# entry corrected through the dialog, a note on the first line and the third line selected.
#
# Usage: docs/take-tape-screenshot.sh PATH-TO-RECKORA
set -euo pipefail

app=${1:?usage: take-tape-screenshot.sh PATH-TO-RECKORA}
out=$(cd "$(dirname "$0")" && pwd)/tape-work.png
work=$(mktemp -d "${TMPDIR:-/tmp}/reckora-shot.XXXXXX")
Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
app_pid=""
trap '[[ -n "$app_pid" ]] && kill "$app_pid"; kill "$xvfb_pid"; rm -rf "$work"' EXIT
while [[ ! -s "$work/display" ]]; do sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"
mkdir -p "$work/runtime" && chmod 700 "$work/runtime"
env HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" \
  XDG_RUNTIME_DIR="$work/runtime" LANG=C.UTF-8 LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb "$app" &
app_pid=$!
window=""
until window=$(xdotool search --onlyvisible --name '^Reckora Calculator$' | head -n1) &&
  [[ -n "$window" ]]; do sleep 0.2; done
xdotool windowfocus --sync "$window"

# The tape's line n, in screen pixels: the tape stands 308 px right of the client's left, its
# lines 17 px apart; the client area below the menu bar is 274 px high.
read -r left top width height <<<"$(xwininfo -id "$window" |
  sed -n 's/.*Absolute upper-left [XY]: *//p; s/.*Width: *//p; s/.*Height: *//p' | tr '\n' ' ')"
line() { echo "$((left + 308 + 150)) $((top + height - 274 + 17 * $1))"; }
answer() {
  local dialog=""
  until dialog=$(xdotool search --onlyvisible --name "^$1\$" | head -n1) && [[ -n "$dialog" ]]; do
    sleep 0.1
  done
  xdotool windowfocus --sync "$dialog" key ctrl+a type --delay 20 "$2"
  xdotool key Return
  sleep 0.3
  xdotool windowfocus --sync "$window"
}

xdotool key --delay 30 ctrl+2 1 2 5 0 KP_Add 3 6 4 KP_Decimal 7 5 KP_Add 8 9 KP_Decimal 9 KP_Add \
  1 5 KP_Decimal 5 KP_Add Return
sleep 0.5
# Line 2 (364.75) was mistyped: a double click on it corrects it to 346.75.
read -r x y <<<"$(line 2)"
xdotool mousemove --sync "$x" "$y" click 1 sleep 0.3 click --repeat 2 --delay 80 1
answer 'Correct Entry' 346.75
# A note on line 1 (Edit, Note: the entry above Find at the menu's end).
read -r x y <<<"$(line 1)"
xdotool mousemove --sync "$x" "$y" click 1 sleep 0.3 key alt+e sleep 0.3 key Up Up Return
answer 'Note' 'rent, May'
read -r x y <<<"$(line 3)"
xdotool mousemove --sync "$x" "$y" click 1 mousemove 0 0
sleep 0.5
import -window root -crop "${width}x${height}+${left}+${top}" +repage "$out"
echo "wrote $out"
