#!/usr/bin/env bash
# The program starts without SDL: it does not link the library, and the
# audio device is opened once the window is up, on a thread of its own.
# Guards both a start-up that loads SDL again and a device that never opens.
# Usage: audio_opens_late.sh path/to/tolmora
set -euo pipefail
source "$(dirname "$0")/../support/program.sh"

program=$1
work=$(mktemp -d "${TMPDIR:-/tmp}/tolmora-audio-XXXXXX")
pid=""
fail() { echo "FAIL: $*" >&2; [ -f "$work/game.log" ] && sed 's/^/  game: /' "$work/game.log" >&2; exit 1; }
cleanup() {
  [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

if LC_ALL=C readelf -d "$program" | grep -q 'NEEDED.*libSDL2'; then
  fail "the program links SDL, so every start loads it before the window shows"
fi

mkdir -m 700 "$work/runtime"
cp "$program" "$work/tolmora"
(cd "$work" && QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/runtime" SDL_AUDIODRIVER=dummy \
   DBUS_SESSION_BUS_ADDRESS=disabled: exec ./tolmora >"$work/game.log" 2>&1) &
pid=$!
wait_until_ready "$pid" || fail "the program did not come up"

# SDL's dummy driver plays on a thread named after it; it appears once the
# device is open. 20 s only guards against a hang.
opened=""
for _ in $(seq 200); do
  if grep -qs '^SDLAudio' /proc/"$pid"/task/*/comm; then opened=yes; break; fi
  kill -0 "$pid" 2>/dev/null || fail "the program ended"
  sleep 0.1
done
[ -n "$opened" ] || fail "the audio device was never opened"
echo "the audio device opened after start-up"
end_with_signal "$pid" TERM "with the device open"
pid=""
