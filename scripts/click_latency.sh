#!/usr/bin/env bash
# Times a click on the board as the player sees it: the built program in
# Xvfb at its default window size, XTEST clicks, and the screen polled until
# the clicked cell changes (scripts/click_latency.c, built here with cc).
# Each board size gets PAIRS groups: one click highlights, the next removes.
# Needs libx11-dev and libxtst-dev.
# Usage: scripts/click_latency.sh build/tolmora [PAIRS] [COLUMNSxROWS ...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../tests/support/x11.sh"

program=$(readlink -f "$1")
pairs=${2:-20}
shift $(($# < 2 ? $# : 2))
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(17x12 100x100 1000x1000)
for tool in Xvfb xdotool import convert cc; do
  command -v "$tool" >/dev/null || { echo "missing tool: $tool" >&2; exit 1; }
done

open_scratch latency
fail() {
  echo "FAIL: $*" >&2
  [ -f "$work/game.log" ] && sed 's/^/  game: /' "$work/game.log" >&2
  exit 1
}
cc -O2 -o "$work/probe" "$here/click_latency.c" -lX11 -lXtst || fail "the probe did not build"
start_xvfb

for size in "${sizes[@]}"; do
  columns=${size%x*}
  rows=${size#*x}
  rm -rf "$work/game" "$work/runtime"
  mkdir "$work/game" "$work/runtime"
  chmod 700 "$work/runtime"
  cp "$program" "$work/game/tolmora"
  # A game long enough that the clock never ends it during the run.
  printf '\r\n%d\r\n%d\r\n100000\r\nsound\r\n' $((columns - 1)) $((rows - 1)) >"$work/game/Settings.log"
  (cd "$work/game" && XDG_RUNTIME_DIR="$work/runtime" SDL_AUDIODRIVER=dummy exec ./tolmora >"$work/game.log" 2>&1) &
  game_pid=$!
  main=$(wait_for_window '^Tolmora$' 60) || fail "the main window did not show"
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$main")"

  # The board lies below the menu bar, inside the viewport's 2-pixel border:
  # the first brick face going down the first column, less the brick's
  # 4-pixel ring.
  import -window root "$work/shot.png"
  board_x=$((X + 2))
  board_y=""
  while read -r line; do
    y=${line%%:*}
    case "${line##* }" in
      \#FF0000*|\#00FF00*|\#0000FF*|\#FFFF00*) board_y=$((Y + y - 4)); break ;;
    esac
  done < <(convert "$work/shot.png" -crop "1x80+$((board_x + 16))+$Y" +repage txt:- |
           sed -n 's/^0,\([0-9]*\): ([^)]*) *\(#[0-9A-F]*\).*/\1: \2/p')
  [ -n "$board_y" ] || fail "no brick found on the screen"
  # Cells wholly in view: the window may be larger than the screen.
  right=$((X + WIDTH < 1024 ? X + WIDTH : 1024))
  bottom=$((Y + HEIGHT < 768 ? Y + HEIGHT : 768))
  view_columns=$(( (right - 129 - 17 - 2 - board_x) / 32 ))
  view_rows=$(( (bottom - 17 - 2 - board_y) / 32 ))
  view_columns=$((view_columns < columns ? view_columns : columns))
  view_rows=$((view_rows < rows ? view_rows : rows))

  echo "== $size board, ${view_columns}x${view_rows} cells in view"
  "$work/probe" "$board_x" "$board_y" "$view_columns" "$view_rows" "$pairs" | tail -n 2
  kill "$game_pid"
  wait "$game_pid" 2>/dev/null || true
  game_pid=""
done
