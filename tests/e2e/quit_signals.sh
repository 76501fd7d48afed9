#!/usr/bin/env bash
# SIGTERM, SIGINT and SIGHUP close the window the normal way: the program
# exits cleanly and "Settings.log" is written, as at File > Exit.
# Usage: quit_signals.sh path/to/tolmora
set -euo pipefail
source "$(dirname "$0")/../support/program.sh"

program=$1
work=$(mktemp -d "${TMPDIR:-/tmp}/tolmora-signals-XXXXXX")
pid=""
cleanup() {
  [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

mkdir -m 700 "$work/runtime"
for signal in TERM INT HUP; do
  folder="$work/$signal"
  mkdir "$folder"
  cp "$program" "$folder/tolmora"
  # A board and a length that differ from the defaults, so a written file
  # shows that they were read and kept.
  printf '\r\n6\r\n5\r\n45\r\nmute\r\n' >"$folder/Settings.log"
  # No session bus: with a display set, libdbus would start one that outlives the test.
  (cd "$folder" && QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/runtime" SDL_AUDIODRIVER=dummy \
     DBUS_SESSION_BUS_ADDRESS=disabled: exec ./tolmora >"$work/$signal.log" 2>&1) &
  pid=$!
  wait_until_ready "$pid" && sleep 0.5
  kill -0 "$pid" 2>/dev/null || { cat "$work/$signal.log" >&2; echo "FAIL: the program did not stay up" >&2; exit 1; }
  kill "-$signal" "$pid"
  status=0
  wait "$pid" || status=$?
  pid=""
  [ "$status" -eq 0 ] || { echo "FAIL: SIG$signal ended the program with status $status" >&2; exit 1; }
  mapfile -t line < <(tr -d '\r' <"$folder/Settings.log")
  [ "${#line[@]}" -eq 25 ] || { echo "FAIL: SIG$signal left ${#line[@]} lines" >&2; exit 1; }
  [ "${line[*]:1:4}" = "6 5 45 mute" ] || { echo "FAIL: SIG$signal wrote '${line[*]:1:4}'" >&2; exit 1; }
  echo "SIG$signal: closed normally, 25 lines written"
done
