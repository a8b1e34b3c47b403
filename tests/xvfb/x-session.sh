# Sourced by the tests that start the real program on a virtual X server: a scratch folder
# cleaned up at exit with every process the test started, failing with the program's output,
# waiting for a condition, an X server of its own and the program's windows found by name.

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
