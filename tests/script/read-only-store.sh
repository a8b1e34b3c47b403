#!/usr/bin/env bash
# A kept tape that can be read but not written, through the harness as a user meets it: a store
# file on a file system mounted read-only, and a read-only file opened by a user who may not write
# it. The harness shows the kept tape and the notice, the history and the export work, and the
# file stays where it was, byte for byte. The read-only file then becomes writable: what was held
# is written.
#   read-only-store.sh RECKORA_SCRIPT
set -euo pipefail
harness=$1
notice='The kept tapes can be read but not written: they are shown, but changes to them cannot be kept. File:'
six='[["1",2,true],["2",2,true],["3",2,true],["4",2,true],["5",2,true],["6",2,true]]'

scratch=$(mktemp -d)
trap 'umount "$scratch/ro" 2>/dev/null || true; rm -rf "$scratch"' EXIT
chmod 755 "$scratch"

fail() {
  echo "read-only-store: $*" >&2
  exit 1
}

# A store holding a six-line tape at $1.
make_store() {
  printf 'journal %s\nkey 1\nkey add\nkey 2\nkey add\nkey 3\nkey add\nkey 4\nkey add\nkey 5\nkey add\nkey 6\nkey add\n' \
    "$1" | "$harness" >/dev/null
}

# Runs the harness ($1: how, "as-is" or a user to run as) on store $2 with the checks that the kept
# tape shows, with the notice, in the history and in an export.
check_shown() {
  local how=$1 store=$2
  local script="$scratch/shown-$how.script"
  cat >"$script" <<EOF
journal $store
expect tape $six
expect messages ["$notice\n$store"]
expect sheet 1
sheets
export txt $scratch/out/tape.txt
key 9
key add
expect tape ${six%]},["9",2,true]]
restart
expect tape $six
EOF
  mkdir -p "$scratch/out"
  chmod 777 "$scratch/out"
  chmod 644 "$script"
  local output
  if [[ $how == as-is ]]; then
    output=$("$harness" "$script") || fail "$how: the harness failed"
  else
    output=$(setpriv --reuid=65534 --regid=65534 --clear-groups "$harness" "$script") ||
      fail "$how: the harness failed"
  fi
  grep -qx '{"sheets":\[{"id":1,"lines":6,"current":true}\]}' <<<"$output" ||
    fail "$how: the history does not show the kept tape: $output"
  grep -q '^+ *6$' "$scratch/out/tape.txt" || fail "$how: the export lacks the tape"
}

# Nothing beside the store changed, and the store is byte for byte as it was.
check_untouched() {
  local folder=$1 sum=$2 listing=$3
  [[ $(sha256sum <"$folder/tapes.db") == "$sum" ]] || fail "the store file changed"
  [[ $(ls -A "$folder") == "$listing" ]] || fail "files beside the store changed: $(ls -A "$folder")"
}

# 1. A file system mounted read-only (a tmpfs made, filled and remounted).
mkdir "$scratch/ro"
if mount -t tmpfs -o size=8m tmpfs "$scratch/ro" 2>/dev/null; then
  mkdir "$scratch/ro/tapes"
  make_store "$scratch/ro/tapes/tapes.db"
  mount -o remount,ro "$scratch/ro"
  sum=$(sha256sum <"$scratch/ro/tapes/tapes.db")
  listing=$(ls -A "$scratch/ro/tapes")
  check_shown as-is "$scratch/ro/tapes/tapes.db"
  check_untouched "$scratch/ro/tapes" "$sum" "$listing"
  umount "$scratch/ro"
  echo "read-only file system: shown, untouched"
else
  echo "read-only-store: SKIPPED the read-only file system: mounting a tmpfs is not allowed here" >&2
  skipped=1
fi

# 2. A read-only file in a folder its user may write, opened by a user who may not write the file
# (root may write anything, so as root the harness runs as nobody).
folder="$scratch/file/tapes"
mkdir -p "$folder"
make_store "$folder/tapes.db"
user=as-is
if [[ $(id -u) -eq 0 ]]; then
  user=nobody
  chown -R nobody "$scratch/file"
fi
chmod 444 "$folder/tapes.db"
sum=$(sha256sum <"$folder/tapes.db")
listing=$(ls -A "$folder")
check_shown "$user" "$folder/tapes.db"
check_untouched "$folder" "$sum" "$listing"
echo "read-only file: shown, untouched"

# 3. The same file becomes writable while the calculator runs: the changes held meanwhile are
# written, and the next start shows them.
run_as() {
  if [[ $user == as-is ]]; then "$@"; else setpriv --reuid=65534 --regid=65534 --clear-groups "$@"; fi
}
coproc session { run_as "$harness" -; }
send() { printf '%s\n' "$1" >&"${session[1]}"; }
answer() {
  local line
  read -r -t 20 line <&"${session[0]}" || fail "the harness did not answer"
  printf '%s' "$line"
}
send "journal $folder/tapes.db"
send "key 7"
send "key add"
send "dump"
answer >/dev/null
chmod 644 "$folder/tapes.db"
send "key 8"
send "key add"
send "dump"
resumed=$(answer)
grep -q 'The tape is kept again; nothing was lost.' <<<"$resumed" || fail "not kept again: $resumed"
eval "exec ${session[1]}>&-"
wait "$session_PID" || true
after=$(printf 'journal %s\n' "$folder/tapes.db" | "$harness")
grep -q '\["6",2,true\],\["7",2,true\],\["8",2,true\]\]' <<<"$after" || fail "the held changes were not written: $after"
echo "read-only file made writable: held changes written"

[[ -z ${skipped:-} ]] || exit 77
