#!/usr/bin/env bash
# End-to-end: "tolmora --daily" in a real X server. The saved board is 5 x 4
# for 8 seconds; the window must show 17 x 12 bricks all the same, Play Board
# Number (F9) must offer today's date as the board number, and the saved
# size and length must be as they were once the program has ended.
# Usage: daily_board.sh path/to/tolmora
set -euo pipefail
source "$(dirname "$0")/../support/x11.sh"

program=$1
for tool in Xvfb xdotool import convert xclip; do
  command -v "$tool" >/dev/null || { echo "missing tool: $tool" >&2; exit 1; }
done

open_scratch daily

fail() {
  echo "FAIL: $*" >&2
  [ -f "$work/game.log" ] && sed 's/^/  game: /' "$work/game.log" >&2
  exit 1
}

start_xvfb
copy_program "$program"
{
  printf '\r\n4\r\n3\r\n8\r\nsound\r\n'
  for _ in $(seq 10); do printf '\r\n0\r\n'; done
} >"$work/game/Settings.log"

cd "$work/game"
before=$(date +%Y%m%d)
XDG_RUNTIME_DIR="$work/runtime" XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" SDL_AUDIODRIVER=dummy \
  ./tolmora --daily >"$work/game.log" 2>&1 &
game_pid=$!

main=$(wait_for_window '^Tolmora$' 20) || fail "the main window did not show"
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$main")"
import -window root "$work/shot.png"
find_board "$work/shot.png" "$X" "$Y" || fail "no brick found on the screen"
[ "$columns" = 17 ] && [ "$rows" = 12 ] || fail "the board shows $columns x $rows bricks, not 17 x 12"

# The prompt offers the current board's number, selected; copied, it is today's date.
xdotool windowfocus --sync "$main"
xdotool key F9
prompt=$(wait_for_window '^Play Board Number$' 10) || fail "Play Board Number did not open"
xdotool windowfocus --sync "$prompt"
xdotool key ctrl+a ctrl+c
sleep 0.3
number=$(xclip -o -selection clipboard 2>/dev/null || true)
after=$(date +%Y%m%d)
[ "$number" = "$before" ] || [ "$number" = "$after" ] || fail "the board number is '$number', not today's $before"
xdotool key Escape
sleep 0.3

xdotool windowfocus --sync "$main"
xdotool key ctrl+x
for _ in $(seq 100); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game_pid" 2>/dev/null && fail "Ctrl+X did not close the program"
wait "$game_pid" || fail "the program exited with status $?"
game_pid=""

mapfile -t line < <(tr -d '\r' <"$work/game/Settings.log")
[ "${line[1]}" = 4 ] && [ "${line[2]}" = 3 ] && [ "${line[3]}" = 8 ] ||
  fail "the saved size and length changed: ${line[*]:1:3}"
echo "PASS: --daily showed 17 x 12 bricks on board $number; the saved 5 x 4 for 8 s kept"
