#!/usr/bin/env bash
# SIGKILL at random moments: during start-up and play, and during the write
# that a quit signal starts. Whatever the moment, "Settings.log" must be the
# previous file or the new complete one, byte for byte, never cut short or
# mixed. The previous file has LF line ends and the game writes CR LF, so the
# two are told apart.
# Usage: kill_settings.sh path/to/tolmora [kills, default 20] [seed]
#   The long form: kill_settings.sh build/tolmora 200
set -euo pipefail

program=$1
kills=${2:-20}
RANDOM=${3:-$$}
seed=$RANDOM
RANDOM=$seed
work=$(mktemp -d "${TMPDIR:-/tmp}/tolmora-kill-XXXXXX")
pid=""
cleanup() {
  [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL (seed $seed, kill $kill): $*" >&2; exit 1; }

table() {
  printf '\n6\n5\n45\nmute\n'
  for i in $(seq 10); do printf 'P%d\n%d\n' "$i" $((1000 - i)); done
}
mkdir -m 700 "$work/runtime"
mkdir "$work/game"
cp "$program" "$work/game/tolmora"
table >"$work/previous"
sed 's/$/\r/' "$work/previous" >"$work/new"

old=0
new=0
cut=0
for kill in $(seq "$kills"); do
  cp "$work/previous" "$work/game/Settings.log"
  (cd "$work/game" && QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/runtime" SDL_AUDIODRIVER=dummy \
     DBUS_SESSION_BUS_ADDRESS=disabled: exec ./tolmora >"$work/game.log" 2>&1) &
  pid=$!
  if ((RANDOM % 3 == 0)); then
    # Anywhere in start-up or play, up to a second in.
    sleep "0.$(printf '%03d' $((RANDOM % 1000)))"
  else
    # Up and idle, then inside the exit's write: the quit signal starts it.
    sleep 0.6
    kill -TERM "$pid"
    # The write takes a few milliseconds from the signal on.
    sleep "0.0$(printf '%02d' $((RANDOM % 12)))"
  fi
  kill -KILL "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  pid=""
  # A temporary file left behind: this kill fell inside the write.
  if compgen -G "$work/game/.Settings.log.new.*" >/dev/null; then
    cut=$((cut + 1))
    rm -f "$work/game/.Settings.log.new."*
  fi
  if cmp -s "$work/game/Settings.log" "$work/previous"; then
    old=$((old + 1))
  elif cmp -s "$work/game/Settings.log" "$work/new"; then
    new=$((new + 1))
  else
    fail "Settings.log is neither the previous nor the new file:"$'\n'"$(ls -la "$work/game" 2>&1; od -c "$work/game/Settings.log" 2>&1 | head -n 5)"
  fi
done
echo "PASS: $kills kills (seed $seed): $old left the previous file, $new the new one; $cut fell inside a write"
