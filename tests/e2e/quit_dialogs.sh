#!/usr/bin/env bash
# SIGTERM, SIGINT and SIGHUP while a modal dialog is open (the New Game
# question, the theme dialog): the dialog is answered as if closed, the
# program writes "Settings.log" and ends promptly.
# Usage: quit_dialogs.sh path/to/tolmora
set -euo pipefail
source "$(dirname "$0")/../support/x11.sh"
source "$(dirname "$0")/../support/program.sh"

program=$1
work=$(mktemp -d "${TMPDIR:-/tmp}/tolmora-dialogs-XXXXXX")
xvfb_pid=""
game_pid=""
cleanup() {
  [ -n "$game_pid" ] && kill -KILL "$game_pid" 2>/dev/null || true
  stop_xvfb
  unmount_below "$work"
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  [ -f "$work/${signal:-}.log" ] && sed 's/^/  game: /' "$work/$signal.log" >&2
  exit 1
}

start_xvfb
mkdir -m 700 "$work/runtime"
# signal, key that opens the dialog, the dialog's title
for case in "TERM F1 ^Tolmora$" "INT F2 ^Orvik Tolmora$" "HUP F1 ^Tolmora$"; do
  read -r signal key title <<<"$case"
  folder="$work/$signal"
  mkdir "$folder"
  cp "$program" "$folder/tolmora"
  printf '\r\n6\r\n5\r\n45\r\nmute\r\n' >"$folder/Settings.log"
  (cd "$folder" && XDG_RUNTIME_DIR="$work/runtime" SDL_AUDIODRIVER=dummy DBUS_SESSION_BUS_ADDRESS=disabled: \
     exec ./tolmora >"$work/$signal.log" 2>&1) &
  game_pid=$!
  main=$(wait_for_window '^Tolmora$' 20) || fail "the main window did not show"
  xdotool windowfocus --sync "$main"
  xdotool key "$key"
  # The dialog is a second visible window of its title (the main window is also "Tolmora").
  for _ in $(seq 50); do
    [ "$(xdotool search --onlyvisible --name "$title" 2>/dev/null | grep -vc "^$main$")" -gt 0 ] && break
    sleep 0.1
  done
  [ "$(xdotool search --onlyvisible --name "$title" 2>/dev/null | grep -vc "^$main$")" -gt 0 ] ||
    fail "$key opened no dialog"
  end_with_signal "$game_pid" "$signal" "the $key dialog"
  game_pid=""
  mapfile -t line < <(tr -d '\r' <"$folder/Settings.log")
  [ "${#line[@]}" -eq 25 ] && [ "${line[*]:1:4}" = "6 5 45 mute" ] ||
    fail "SIG$signal wrote ${#line[@]} lines: '${line[*]:1:4}'"
  echo "SIG$signal with the $key dialog open: 25 lines written"
done
