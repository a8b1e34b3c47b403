#!/usr/bin/env bash
# A kept tape that can be read but not written, through the harness: on a file system mounted
# read-only, and in a read-only file opened by a user who may not write it (root writes anything,
# so as root that user is nobody). The tape, the notice, the history and an export show; the file
# stays where it was, byte for byte. The file then becomes writable: what was held is written.
#   read-only-store.sh RECKORA_SCRIPT
set -euo pipefail
harness=$1
scratch=$(mktemp -d)
trap 'umount "$scratch/fs" 2>/dev/null || true; rm -rf "$scratch"' EXIT
chmod 755 "$scratch"
mkdir -m 777 "$scratch/out"
as=()
[[ $(id -u) -ne 0 ]] || as=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fail() { echo "read-only-store: $*" >&2; exit 1; }
six='[["1",2,true],["2",2,true],["3",2,true],["4",2,true],["5",2,true],["6",2,true]]'

make_store() { # a six-line tape at $1
  { echo "journal $1"; for n in 1 2 3 4 5 6; do echo "key $n"; echo "key add"; done; } | "$harness" >/dev/null
}

check_read_only() { # store $1, run by "${@:2}"
  local store=$1 folder sum listing output
  folder=$(dirname "$store")
  sum=$(sha256sum <"$store")
  listing=$(ls -A "$folder")
  output=$("${@:2}" "$harness" - <<EOF
journal $store
expect tape $six
expect messages ["The kept tapes can be read but not written: they are shown, but changes to them cannot be kept. File:\n$store"]
sheets
export txt $scratch/out/tape.txt
key 9
key add
opensheet 1
expect tape $six
key 9
key add
restart
expect tape $six
EOF
  ) || fail "$store: the harness failed"
  grep -qx '{"sheets":\[{"id":1,"lines":6,"current":true,"name":""}\]}' <<<"$output" || fail "no history: $output"
  grep -q '^+ *6$' "$scratch/out/tape.txt" || fail "the export lacks the tape"
  [[ $(sha256sum <"$store") == "$sum" ]] || fail "$store changed"
  [[ $(ls -A "$folder") == "$listing" ]] || fail "files beside $store changed: $(ls -A "$folder")"
}

mkdir -p "$scratch/fs" "$scratch/file/tapes"
if mount -t tmpfs -o size=8m tmpfs "$scratch/fs" 2>/dev/null; then
  mkdir "$scratch/fs/tapes"
  make_store "$scratch/fs/tapes/tapes.db"
  mount -o remount,ro "$scratch/fs"
  check_read_only "$scratch/fs/tapes/tapes.db"
else
  echo "read-only-store: SKIPPED the read-only file system: mounting a tmpfs is not allowed here" >&2
  skipped=1
fi

store="$scratch/file/tapes/tapes.db"
make_store "$store"
[[ ${#as[@]} -eq 0 ]] || chown -R 65534 "$scratch/file"
chmod 444 "$store"
check_read_only "$store" "${as[@]}"

# Made writable while the calculator runs (driven through a pipe, a dump at a time).
coproc session { "${as[@]}" "$harness" -; }
printf 'journal %s\nkey 7\nkey add\ndump\n' "$store" >&"${session[1]}"
read -r -t 20 _ <&"${session[0]}" || fail "the harness did not answer"
chmod 644 "$store"
printf 'key 8\nkey add\ndump\n' >&"${session[1]}"
read -r -t 20 resumed <&"${session[0]}" || fail "the harness did not answer"
grep -q 'The tape is kept again; nothing was lost.' <<<"$resumed" || fail "not kept again: $resumed"
eval "exec ${session[1]}>&-"
wait "$session_PID" || true
after=$(echo "journal $store" | "$harness")
grep -q '\["6",2,true\],\["7",2,true\],\["8",2,true\]\]' <<<"$after" || fail "held changes lost: $after"

[[ -z ${skipped:-} ]] || exit 77
