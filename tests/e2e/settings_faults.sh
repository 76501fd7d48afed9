#!/usr/bin/env bash
# The real program on the offscreen platform against a hostile or failing
# "Settings.log", beyond the states every file is put through in
# file_states.sh: a link to a file it may not read, 100 MB, 10,000-character
# lines; program and configuration folders that take no files; a disk that
# fills up. Each run must come up
# (never hang on the file), play on, and end promptly at SIGTERM with
# status 0; a file that could be written holds 25 lines, one that could not
# is warned about on standard error and the previous file stays whole.
# As root, a read-only bind mount and a small tmpfs in a private mount
# namespace stand in for the faults (nothing stays mounted); otherwise folder
# modes and a file size limit do.
# Usage: settings_faults.sh path/to/tolmora
set -euo pipefail
source "$(dirname "$0")/../support/program.sh"

program=$1
work=$(mktemp -d "${TMPDIR:-/tmp}/tolmora-faults-XXXXXX")
chmod 755 "$work"
pid=""
cleanup() {
  [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null || true
  chmod -R u+rwx "$work" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; [ -f "$log" ] && cat "$log" >&2; exit 1; }
root=false
[ "$(id -u)" -eq 0 ] && root=true

table() {
  printf '\r\n6\r\n5\r\n45\r\nmute\r\n'
  for i in $(seq 10); do printf 'P%d\r\n%d\r\n' "$i" $((1000 - i)); done
}

# new_case <name>: a program folder of its own with a copy of the program.
new_case() {
  folder="$work/$1"
  log="$work/$1.log"
  mkdir -p "$folder" "$work/$1-config"
  cp "$program" "$folder/tolmora"
}

# run_case [command prefix...]: starts the program in $folder (through the
# prefix), checks it is up and stays up, then ends it with SIGTERM. With
# $program_pid_file set, the program is a child of the prefix, which passes
# the signal on, and the file gives its process id once it runs.
program_pid_file=""
run_case() {
  (cd "$folder" && QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/runtime" SDL_AUDIODRIVER=dummy \
     XDG_CONFIG_HOME="$folder-config" DBUS_SESSION_BUS_ADDRESS=disabled: exec "$@" ./tolmora >"$log" 2>&1) &
  pid=$!
  local program_pid=$pid
  if [ -n "$program_pid_file" ]; then
    for _ in $(seq 300); do [ -s "$program_pid_file" ] && break; sleep 0.1; done
    program_pid=$(cat "$program_pid_file" 2>/dev/null || true)
  fi
  wait_until_ready "$program_pid" || fail "${folder##*/}: the program did not come up"
  sleep 0.5
  kill -0 "$pid" 2>/dev/null || fail "${folder##*/}: the program did not stay up"
  end_with_signal "$pid" TERM "${folder##*/}"
  pid=""
}

lines_of() { tr -d '\r' <"$1" | wc -l; }
mkdir -m 700 "$work/runtime"

# Hostile files: each start-up uses what it can, and the file is written anew.
for kind in huge long; do
  new_case "$kind"
  case "$kind" in
    huge) { table; head -c $((100 * 1024 * 1024)) /dev/zero | tr '\0' 'x'; } >"$folder/Settings.log" ;;
    long) { printf '%10000s\r\n' '' | tr ' ' 'a'; table; } >"$folder/Settings.log" ;;
  esac
  run_case
  [ -f "$folder/Settings.log" ] && [ "$(lines_of "$folder/Settings.log")" -eq 25 ] ||
    fail "$kind: Settings.log was not written anew"
  if [ "$kind" = huge ]; then
    mapfile -t line < <(tr -d '\r' <"$folder/Settings.log")
    [ "${line[*]:1:4}" = "6 5 45 mute" ] || fail "huge: its first lines were not used: ${line[*]:1:4}"
  fi
  echo "$kind: started, written anew"
done

# A link to a file the player may not read: read as no file, written nowhere.
new_case unreadable
mkdir -m 755 "$work/private"
table >"$work/private/secret.log"
chmod 600 "$work/private/secret.log"
ln -s "$work/private/secret.log" "$folder/Settings.log"
chmod 777 "$folder"
if $root; then
  chmod 555 "$work/private"
  mkdir -m 700 "$work/nobody-runtime"
  chown nobody "$work/nobody-runtime"
  run_case env XDG_RUNTIME_DIR="$work/nobody-runtime" setpriv --reuid=nobody --regid=nogroup --clear-groups
else
  chmod 000 "$work/private/secret.log"
  chmod 555 "$work/private"
  run_case
fi
grep -q "could not write $work/private/secret.log: Permission denied" "$log" || fail "unreadable: no warning"
chmod 755 "$work/private"
chmod 600 "$work/private/secret.log"
cmp -s "$work/private/secret.log" <(table) || fail "unreadable: the file was changed"
echo "unreadable: started, warned, the file left alone"

# Neither the program's folder nor the configuration folder takes a file.
new_case readonly
table >"$folder/Settings.log"
if $root; then
  run_case unshare -m sh -c 'mount --bind -o ro . . && mount --bind -o ro "$XDG_CONFIG_HOME" "$XDG_CONFIG_HOME" && exec "$0"'
  reason="Read-only file system"
else
  chmod 555 "$folder" "$folder-config"
  run_case
  reason="Permission denied"
fi
grep -q "could not write $folder-config/Tolmora/Settings.log: " "$log" || fail "readonly: no warning"
cmp -s "$folder/Settings.log" <(table) || fail "readonly: the shipped file was changed"
echo "readonly: started, warned ($(grep -o 'could not write.*' "$log" | head -n1))"

# A disk that fills up while the file is written keeps the previous file.
new_case full
table >"$folder/Settings.log"
if $root; then
  # The program and its file on a tmpfs left without room, in a private mount
  # namespace: the file is copied out once the program has ended.
  stage="$work/full-stage"
  mkdir "$stage"
  program_pid_file="$stage/pid"
  run_case env STAGE="$stage" unshare -m sh -c 'trap "kill -TERM \$(cat \"$STAGE/pid\")" TERM &&
    cp ./tolmora ./Settings.log "$STAGE/" &&
    mount -t tmpfs -o size=32m tmpfs "$PWD" && cd "$PWD" && cp "$STAGE/tolmora" "$STAGE/Settings.log" . &&
    { head -c 64m /dev/zero >filler 2>/dev/null || true; } &&
    { "$0" & echo $! >"$STAGE/pid.new" && mv "$STAGE/pid.new" "$STAGE/pid" && wait $! || wait $!; } ;
    status=$?; cp Settings.log "$STAGE/after"; exit $status'
  grep -q "No space left on device" "$log" || fail "full: no warning"
  cmp -s "$stage/after" <(table) || fail "full: the previous file did not stay whole"
else
  run_case sh -c 'trap "" XFSZ; ulimit -f 0; exec "$@"' sh
  grep -q "File too large" "$log" || fail "full: no warning"
  cmp -s "$folder/Settings.log" <(table) || fail "full: the previous file did not stay whole"
fi
echo "full: warned, the previous file stayed whole"
