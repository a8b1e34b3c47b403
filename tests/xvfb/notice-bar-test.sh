#!/usr/bin/env bash
# The notices about the kept tapes never take the keyboard: the real program under openbox, with
# its tapes on a 300 KiB tmpfs that is then filled. 40 items typed at 20 ms a key while both cores
# are busy all reach the tape while the notice bar says the tape cannot be kept, and no other
# window (no message box) opens; once there is room again the next item brings "kept again" and
# everything typed is kept: a restart after SIGKILL shows every item.
# Mounting the tmpfs needs root; without it the test is skipped.
#
# Usage: notice-bar-test.sh PATH-TO-RECKORA
set -uo pipefail

app=${1:?usage: notice-bar-test.sh PATH-TO-RECKORA}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/x-session.sh"
need_tools Xvfb xdotool xclip xwininfo xprop openbox python3 mount umount

data="$work/data"
mkdir -p "$data"
mount -t tmpfs -o size=300k tmpfs "$data" 2>/dev/null ||
  { echo "SKIP: cannot mount a tmpfs (needs root)"; exit 77; }
# The program goes before its tmpfs does.
unmount_data() {
  [[ -n "${filler_pid:-}" ]] && kill "$filler_pid" 2>/dev/null
  [[ -n "$app_pid" ]] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
  app_pid=""
  umount "$data" 2>/dev/null
  cleanup
}
trap unmount_data EXIT

start_xvfb
start_openbox

# pixels_of RRGGBB: how many pixels of the window show that colour (the notice bar's background:
# FFF4CE for a warning, E3EEFA for good news).
pixels_of() { python3 "$here/screen-pixels.py" count "$1" $(client_geometry); }
bar_shows() { (($(pixels_of "$1") > 500)); }
# No window but the main window has the caption: no message box came up.
only_main_window() {
  local others
  others=$(x xdotool search --onlyvisible --name "$caption" | grep -vx "$main_window")
  [[ -z "$others" ]] || fail "a window besides the main window opened: $others"
}
# tape_holds ITEM...: Copy Tape shows each item (the display blinks; Copy Tape is tried again).
tape_holds() {
  local text item
  text=$(tape_text)
  for item; do grep -qw -- "$item" <<<"$text" || return 1; done
}

start_program
keys 1 0 0 KP_Add
file_made() { [[ -n "$(find "$data" -name tapes.db)" ]]; }
wait_until 10 file_made || fail "no tape file was made"
bar_shows FFF4CE && fail "a notice shows before anything went wrong"

# The disk fills up, and stays full: what the store frees (it empties its log when the disk is
# full) another program takes at once. Both cores are kept busy while 40 items are typed.
(while :; do dd if=/dev/zero bs=1k count=1024 >>"$data/filler" 2>/dev/null; sleep 0.01; done) &
filler_pid=$!
disk_full() { (($(df --output=avail -k "$data" | tail -n1) == 0)); }
wait_until 10 disk_full || fail "the tmpfs does not fill"
for _ in 1 2; do
  (while :; do :; done) &
  busy_pids+=($!)
done
items=()
typed=()
for n in $(seq 101 140); do
  items+=("$n")
  typed+=(${n:0:1} ${n:1:1} ${n:2:1} KP_Add)
done
timeout 60 xdotool key --delay 20 "${typed[@]}" || fail "cannot type the items"
kill "${busy_pids[@]}" 2>/dev/null
wait "${busy_pids[@]}" 2>/dev/null
busy_pids=()
wait_until 10 bar_shows FFF4CE || fail "no notice bar says the tape cannot be kept"
only_main_window
wait_until 10 tape_holds 100 "${items[@]}" || fail "not every item typed reached the tape: $(tape_text)"
echo "disk full: 40 items typed at 20 ms a key under load all reached the tape; the notice bar shows, nothing modal"

# Room again: the next item is kept, with everything held, and the bar says so.
kill "$filler_pid"
wait "$filler_pid" 2>/dev/null
rm -f "$data/filler"
keys 2 0 0 KP_Add
wait_until 5 bar_shows E3EEFA || fail "no notice bar says the tape is kept again"
only_main_window
wait_until 10 tape_holds 200 || fail "the item after the disk had room is not on the tape"
kill -KILL "$app_pid"
wait "$app_pid" 2>/dev/null
app_pid=""
start_program
wait_until 10 tape_holds 100 "${items[@]}" 200 ||
  fail "after a restart the tape lacks items typed while the disk was full: $(tape_text)"
echo "room again: kept again, and a restart shows every item"
