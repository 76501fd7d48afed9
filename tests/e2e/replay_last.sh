#!/usr/bin/env bash
# End-to-end: a game played in a real X server lands in the history with its
# moves, and "tolmora --replay last" in the same scratch home plays it back:
# the window shows the game's last board, takes the replay's Escape,
# and the replay adds nothing to the history. An id the history does not
# hold, or one that is no id, ends the program with 2 and no window.
# Usage: replay_last.sh path/to/tolmora
set -euo pipefail
source "$(dirname "$0")/../support/x11.sh"
source "$(dirname "$0")/../support/program.sh"

program=$1
for tool in Xvfb xdotool import convert compare sqlite3; do
  command -v "$tool" >/dev/null || { echo "missing tool: $tool" >&2; exit 1; }
done

open_scratch replay

fail() {
  echo "FAIL: $*" >&2
  for log in "$work"/*.log; do [ -f "$log" ] && sed "s|^|  $(basename "$log"): |" "$log" >&2; done
  exit 1
}

start_xvfb
copy_program "$program"
# A 2-second game on a 5 x 4 board, and a table no such game enters: no
# name prompt covers the window.
{
  printf '\r\n4\r\n3\r\n2\r\nsound\r\n'
  for _ in $(seq 10); do printf 'Ann\r\n999999\r\n'; done
} >"$work/game/Settings.log"
cd "$work/game"
# exec: in the background the process id is the program's own, not a subshell's.
run() { XDG_RUNTIME_DIR="$work/runtime" XDG_DATA_HOME="$work/data" SDL_AUDIODRIVER=dummy exec ./tolmora "$@"; }
history="$work/data/Tolmora/history.sqlite"
recorded() { sqlite3 "$history" "SELECT count(*) FROM games WHERE length(moves) > 0" 2>/dev/null || echo 0; }

# The game: clicks on the first cell start the clock; the
# game is over two seconds later and in the history before any name prompt.
run >"$work/game.log" 2>&1 &
game_pid=$!
main=$(wait_for_window '^Tolmora$' 20) || fail "the main window did not show"
wait_until_ready "$game_pid" || fail "the game never became ready"
# The first cell lies 2 pixels in from the window's left edge, below the menu
# bar (16 to 28 pixels high): 40 pixels down is inside it for any such
# bar. A click while the window still settles may be lost: it is clicked
# again each second until the game is in the history.
eval "$(xdotool getwindowgeometry --shell "$main")"
cell_x=$((X + 18))
cell_y=$((Y + 40))
for _ in $(seq 15); do
  xdotool mousemove "$cell_x" "$cell_y" click 1 click 1
  for _ in $(seq 10); do [ "$(recorded)" = 1 ] && break 2; sleep 0.1; done
done
[ "$(recorded)" = 1 ] || fail "no recorded game in the history after the game"
sleep 0.5
import -window "$main" "$work/game_end.png"
end_with_signal "$game_pid" TERM "the played game"
game_pid=""

# The replay of the last game.
run --replay last >"$work/replay.log" 2>&1 &
game_pid=$!
main=$(wait_for_window '^Tolmora$' 20) || fail "the replay's window did not show"
wait_until_ready "$game_pid" || fail "the replay never became ready"
# Two moves a few milliseconds apart: at 1x the replay is over at once and
# shows the game's end with its line of figures; Escape leaves it for a new
# game, which takes the line away and draws a new board.
# The replay ends on the board the game ended on. Compared: the first row of
# bricks but its first cell, where the game was clicked, and above
# the Game Over frame (the menu bar is 16 to 28 pixels high). A loaded
# machine may take a while to draw it: it is looked at for up to 10 s.
strip() { convert "$1" -crop 118x20+38+30 +repage "$2"; }
strip "$work/game_end.png" "$work/game_strip.png"
for _ in $(seq 50); do
  sleep 0.2
  import -window "$main" "$work/before.png"
  strip "$work/before.png" "$work/replay_strip.png"
  same=$(compare -metric AE "$work/game_strip.png" "$work/replay_strip.png" null: 2>&1 || true)
  [ "${same%% *}" = 0 ] && break
done
[ "${same%% *}" = 0 ] || fail "the replay ended on another board than the game: $same pixels differ"
xdotool windowfocus --sync "$main"
xdotool key Escape
for _ in $(seq 50); do
  sleep 0.2
  import -window "$main" "$work/after.png"
  differ=$(compare -metric AE "$work/before.png" "$work/after.png" null: 2>&1 || true)
  [ "${differ%% *}" != 0 ] && break
done
[ "${differ%% *}" != 0 ] || fail "Escape changed nothing in the replay's window"
kill -0 "$game_pid" 2>/dev/null || fail "leaving the replay ended the program"
end_with_signal "$game_pid" TERM "the replay"
game_pid=""
[ "$(recorded)" = 1 ] || fail "the replay changed the history: $(recorded) recorded games"
echo "replay of the last game: window up, $differ pixels changed by leaving it, history unchanged"

# Games the history does not hold, and ids that are none.
for id in 999999 bogus 0; do
  status=0
  (run --replay "$id") >"$work/missing.log" 2>&1 || status=$?
  [ "$status" = 2 ] || fail "--replay $id ended with $status, not 2"
  grep -q "tolmora: " "$work/missing.log" || fail "--replay $id said nothing"
done
echo "unknown and malformed ids end with 2"
