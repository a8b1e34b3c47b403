# Sourced by the tests that start the real program on a virtual X server: a scratch folder
# cleaned up at exit with every process the test started, failing with the program's output,
# waiting for a condition, an X server of its own, a window manager, the program started with
# folders of the test's own, its windows found by name, keys sent and the clipboard read.

# need_tools TOOL...: the test is skipped (status 77) when one of them is missing.
need_tools() {
  local tool
  for tool; do
    command -v "$tool" >/dev/null 2>&1 ||
      { echo "SKIP: $tool is not installed (scripts/install-deps installs it)"; exit 77; }
  done
}

work=$(mktemp -d "${TMPDIR:-/tmp}/reckora-x.XXXXXX")
xvfb_pid=""
app_pid=""
wm_pid=""
busy_pids=()
cleanup() {
  ((${#busy_pids[@]})) && kill "${busy_pids[@]}" 2>/dev/null
  local pid
  for pid in "$app_pid" "$wm_pid" "$xvfb_pid"; do
    [[ -n "$pid" ]] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  done
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*"
  [[ -s "$work/app.log" ]] && { echo "--- program output"; cat "$work/app.log"; }
  exit 1
}

# wait_until SECONDS COMMAND...: runs the command every 0.1 s until it succeeds or time is up.
wait_until() {
  local tries=$(($1 * 10))
  shift
  while ((tries-- > 0)); do "$@" && return 0; sleep 0.1; done
  return 1
}

x() { timeout 5 "$@"; }

# A display number of its own: Xvfb picks the first free one and writes it to fd 3. The program
# gets a home and a runtime folder in the scratch folder.
start_xvfb() {
  Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 1280x1024x24 3>"$work/display" \
    >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  wait_until 10 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
  export DISPLAY=":$(head -n1 "$work/display")"
  mkdir -p "$work/home" "$work/runtime" && chmod 700 "$work/runtime"
}

# stop_program [SIGNAL]: ends the program started last (with SIGTERM unless told) and waits.
stop_program() { kill "-${1:-TERM}" "$app_pid" 2>/dev/null; wait "$app_pid" 2>/dev/null; app_pid=""; }

# window_named NAME: the id of a shown window of exactly that name, if there is one.
window_named() { x xdotool search --onlyvisible --name "^$1\$" | head -n1; }

# await_window NAME [SECONDS]: waits for a shown window of that name (10 s unless told); its id
# is left in `window`.
await_window() {
  window=""
  named() { window=$(window_named "$1"); [[ -n "$window" ]]; }
  wait_until "${2:-10}" named "$1" || fail "no window named '$1' appeared"
}

# The width in pixels of the window in `main_window`.
window_width() { x xdotool getwindowgeometry "$main_window" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p'; }

# The program with the test's home, its settings folder $config, its data folder $data (and so a
# kept tape of its own; $config.data unless set) and the locale $language is left in `program`.
# Started as one simple command, env execs it under the process id a test may kill.
config="$work/config"
language=C.UTF-8
caption='Reckora Calculator'
with_env() {
  program=(env HOME="$work/home" XDG_CONFIG_HOME="$config" XDG_DATA_HOME="${data:-$config.data}"
    XDG_RUNTIME_DIR="$work/runtime" LANG=$language LC_ALL=$language QT_QPA_PLATFORM=xcb
    "$app" "$@")
}
# start_program [ARGUMENTS]: waits for the window named $caption, left in `main_window`, focused.
start_program() {
  with_env "$@"
  "${program[@]}" >>"$work/app.log" 2>&1 &
  app_pid=$!
  await_window "$caption" 20
  main_window=$window
  focus_main
}
focus_main() { x xdotool windowfocus --sync "$main_window" || fail "cannot focus the main window"; }
keys() { x xdotool key --delay "${key_delay:-20}" "$@" || fail "cannot send $*"; }

# The main window's place and size on the screen: "left top width height".
client_geometry() {
  x xwininfo -id "$main_window" | sed -n 's/.*Absolute upper-left [XY]: *//p; s/.*Width: *//p; s/.*Height: *//p' | tr '\n' ' '
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

# The tape as Copy Tape (Ctrl+Shift+C) puts it on the clipboard.
tape_text() { x xdotool key ctrl+shift+c && x xclip -o -selection clipboard 2>/dev/null; }

# Starts openbox and waits until it manages the screen.
start_openbox() {
  openbox --sm-disable >"$work/openbox.log" 2>&1 &
  wm_pid=$!
  wm_running() { x xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
  wait_until 10 wm_running || fail "openbox did not start: $(cat "$work/openbox.log")"
}
