#!/usr/bin/env bash
# The game on Wayland, in a headless weston of its own: the window comes up
# under the application id, so the compositor finds the desktop entry and its
# icon; the board is drawn in it; Qt says nothing about its platform; a quit
# signal ends it normally; and no process is left in the test's session.
# Usage: wayland.sh <program> <application id> [folder for screenshots]
set -euo pipefail
here=$(dirname "$0")
source "$here/../support/x11.sh"
source "$here/../support/wayland.sh"
source "$here/../support/program.sh"

program=$(readlink -f "$1")
app_id=$2
shots=${3:-}
for tool in weston weston-screenshooter weston-debug convert; do
  command -v "$tool" >/dev/null || { echo "missing tool: $tool (scripts/deps.sh tests)" >&2; exit 1; }
done

open_scratch wayland
weston_pid=""
finish() {
  [ -n "$game_pid" ] && { kill "$game_pid"; wait "$game_pid"; } 2>/dev/null || true
  game_pid=""
  stop_weston
  close_scratch
}
trap finish EXIT

fail() {
  echo "FAIL: $*" >&2
  [ -s "$work/game.err" ] && { echo "--- the program's stderr" >&2; cat "$work/game.err" >&2; }
  [ -s "$work/weston.log" ] && { echo "--- weston's log, its end" >&2; tail -n 15 "$work/weston.log" >&2; }
  [ -n "$shots" ] && [ -f "$work/shot.png" ] && cp "$work/shot.png" "$shots/wayland-failure.png"
  exit 1
}

start_weston "$work/runtime"

# The program's folder is where the binary lies, so it gets a copy of its own
# and "Settings.log" stays in the scratch folder.
mkdir "$work/game" "$work/home"
cp "$program" "$work/game/tolmora"
cd "$work/game"
# Under the sanitizers, leaks are matched against lists of system libraries
# (scripts/lsan.supp). Mesa's EGL driver, which Qt's Wayland plugin starts,
# is gone from memory by the time leaks are reported, and without frame
# pointers the quick unwinder stops in it: here every frame is kept.
[ -n "${ASAN_OPTIONS:-}" ] && export ASAN_OPTIONS="$ASAN_OPTIONS:fast_unwind_on_malloc=0"
env -u DISPLAY XDG_RUNTIME_DIR="$weston_runtime" WAYLAND_DISPLAY="$weston_socket" QT_QPA_PLATFORM=wayland \
  HOME="$work/home" SDL_AUDIODRIVER=dummy ./tolmora >"$work/game.out" 2>"$work/game.err" &
game_pid=$!

# The window as weston sees it, then a picture once its board is drawn.
window=""
for _ in $(seq 100); do
  window=$(weston_toplevel Tolmora)
  [ -n "$window" ] && break
  kill -0 "$game_pid" 2>/dev/null || fail "the program ended before its window showed"
  sleep 0.1
done
[ -n "$window" ] || fail "no Tolmora window on weston within 10 s"
read -r shown_id x y width height <<<"$window"
[ "$shown_id" = "$app_id" ] || fail "the window's app_id is '$shown_id', not '$app_id'"
echo "window: app_id $shown_id at ${x},${y}, ${width}x${height}"

# Pixels of each brick colour inside the window. A window that is up but
# not yet painted, or painted blank, has none of them.
brick_counts() {
  convert "$work/shot.png" -crop "${width}x${height}+${x}+${y}" +repage -format %c histogram:info:- |
    awk '{ for (i = 1; i <= NF; i++) if ($i ~ /^#/) count[substr($i, 2, 6)] = $1 + 0 }
         END { printf "%d %d %d %d\n", count["FF0000"], count["00FF00"], count["0000FF"], count["FFFF00"] }'
}
drawn=""
for _ in $(seq 50); do
  weston_screenshot "$work/shot.png"
  read -r red green blue yellow < <(brick_counts)
  # A brick's face is about 28 pixels square: each colour on a few bricks at least.
  if ((red > 2000 && green > 2000 && blue > 2000 && yellow > 2000)); then drawn=yes; break; fi
  kill -0 "$game_pid" 2>/dev/null || fail "the program ended before its board was drawn"
  sleep 0.2
done
[ -n "$shots" ] && cp "$work/shot.png" "$shots/wayland.png"
[ -n "$drawn" ] || fail "no board in the window: brick pixels red $red, green $green, blue $blue, yellow $yellow"
echo "board drawn: brick pixels red $red, green $green, blue $blue, yellow $yellow"

wait_until_ready "$game_pid" || fail "the program did not get ready for quit signals"
end_with_signal "$game_pid" TERM "on Wayland"
game_pid=""

# Qt complains on stderr when a platform plugin is missing or a Wayland
# request is not supported; none of that may appear.
if grep -iE 'qt\.qpa|platform plugin|wayland|xcb|xdg_' "$work/game.err"; then
  fail "the program wrote about its platform on stderr"
fi

stop_weston
for _ in $(seq 20); do
  left=$(left_in_runtime)
  [ -z "$left" ] && break
  sleep 0.1
done
[ -z "$left" ] || fail "still running in the test's Wayland session after weston stopped: $left"
echo "PASS: the board on Wayland under $app_id, nothing left running"
