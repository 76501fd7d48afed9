#!/usr/bin/env bash
# A session bus that accepts connections and never answers, or answers the
# authentication and never the greeting: the window still shows within a
# few seconds, and the game ends promptly at SIGTERM. A bus that answers is
# used, without a warning.
# Usage: dead_session_bus.sh path/to/tolmora
set -euo pipefail
source "$(dirname "$0")/../support/x11.sh"
source "$(dirname "$0")/../support/program.sh"

program=$1
open_scratch bus
bus_pid=""
trap 'if [ -n "$bus_pid" ]; then kill "$bus_pid" 2>/dev/null || true; fi; close_scratch' EXIT
fail() { echo "FAIL: $*" >&2; [ -f "$work/game.log" ] && sed 's/^/  game: /' "$work/game.log" >&2; exit 1; }

# listen <socket> <silent|auth>: holds every connection open; "auth" also
# accepts the authentication, then says nothing more.
listen() {
  python3 -c '
import socket, sys, select
server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
server.bind(sys.argv[1]); server.listen(64)
clients, greeted = [], set()
while True:
    ready, _, _ = select.select([server] + clients, [], [])
    for s in ready:
        if s is server:
            clients.append(server.accept()[0])
            continue
        try:
            said = s.recv(4096)
        except OSError:
            said = b""
        if not said:
            clients.remove(s)
        elif sys.argv[2] == "auth" and s not in greeted:
            greeted.add(s)
            s.send(b"OK 0123456789abcdef0123456789abcdef\r\n")
' "$1" "$2" &
  bus_pid=$!
  for _ in $(seq 50); do [ -S "$1" ] && return 0; sleep 0.1; done
  fail "the listener did not start"
}

start_xvfb
mkdir -m 700 "$work/runtime"
mkdir "$work/game"
cp "$program" "$work/game/tolmora"
for bus in silent auth live; do
  rm -f "$work/bus"
  if [ "$bus" = live ]; then
    command -v dbus-daemon >/dev/null || { echo "live: skipped, no dbus-daemon"; continue; }
    dbus-daemon --session --nofork --address="unix:path=$work/bus" 2>"$work/bus.log" &
    bus_pid=$!
    for _ in $(seq 50); do [ -S "$work/bus" ] && break; sleep 0.1; done
  else
    listen "$work/bus" "$bus"
  fi
  start=$(date +%s%N)
  (cd "$work/game" && XDG_RUNTIME_DIR="$work/runtime" SDL_AUDIODRIVER=dummy \
     DBUS_SESSION_BUS_ADDRESS="unix:path=$work/bus" exec ./tolmora >"$work/game.log" 2>&1) &
  game_pid=$!
  wait_for_window '^Tolmora$' 6 >/dev/null || fail "$bus: no window within 6 s"
  echo "$bus: the window showed after $((($(date +%s%N) - start) / 1000000)) ms"
  end_with_signal "$game_pid" TERM "$bus"
  game_pid=""
  if [ "$bus" = live ] && grep -q "session bus did not answer" "$work/game.log"; then
    fail "live: an answering bus was called silent"
  fi
  kill "$bus_pid" 2>/dev/null || true
  wait "$bus_pid" 2>/dev/null || true
  bus_pid=""
done
