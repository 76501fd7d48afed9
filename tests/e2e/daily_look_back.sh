#!/usr/bin/env bash
# End-to-end: the daily board from the menu, its line in the Statistics
# window and its replay with the look back, in a real X server.
# The saved board is 5 x 4 for 8 seconds. Ctrl+D at start-up, with no game
# to give up, starts today's 17 x 12 board; groups are removed with the
# mouse until its two minutes run out, and the history holds the game as
# daily with its moves. In Statistics (F8) the newest game comes chosen:
# Alt+O copies today's line with the game's figures, and Alt+W watches the
# game again once the question New Game asks is answered Yes. In the replay
# Space steps, B outlines the largest group and B again takes the outline
# away; the replay's line lies below the board, and the replay adds nothing
# to the history. The saved size and length are as they were.
# Usage: daily_look_back.sh path/to/tolmora
set -euo pipefail
source "$(dirname "$0")/../support/x11.sh"
source "$(dirname "$0")/../support/program.sh"

program=$1
for tool in Xvfb xdotool import convert compare xclip sqlite3; do
  command -v "$tool" >/dev/null || { echo "missing tool: $tool" >&2; exit 1; }
done

open_scratch look-back

fail() {
  echo "FAIL: $*" >&2
  [ -f "$work/game.log" ] && sed 's/^/  game: /' "$work/game.log" >&2
  exit 1
}

start_xvfb
copy_program "$program"
# A table no daily game enters: no name prompt covers the window.
{
  printf '\r\n4\r\n3\r\n8\r\nsound\r\n'
  for _ in $(seq 10); do printf 'Ann\r\n999999\r\n'; done
} >"$work/game/Settings.log"
cd "$work/game"
history="$work/data/Tolmora/history.sqlite"
query() { sqlite3 "$history" "$1" 2>/dev/null || true; }

XDG_RUNTIME_DIR="$work/runtime" XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" SDL_AUDIODRIVER=dummy \
  ./tolmora >"$work/game.log" 2>&1 &
game_pid=$!
main=$(wait_for_window '^Tolmora$' 20) || fail "the main window did not show"
wait_until_ready "$game_pid" || fail "the game never became ready"

# A window of the program's other than the main one, by title.
other_window() {  # title pattern, seconds
  local id
  for _ in $(seq $(($2 * 10))); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | grep -v "^$main$" | head -n1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

xdotool windowfocus --sync "$main"
xdotool key ctrl+d
sleep 1
eval "$(xdotool getwindowgeometry --shell "$main")"
import -window root "$work/daily.png"
find_board "$work/daily.png" "$X" "$Y" || fail "no brick found on the screen"
[ "$columns" = 17 ] && [ "$rows" = 12 ] || fail "Daily Board shows $columns x $rows bricks, not 17 x 12"

# A brick with a neighbour of its colour, read from the screen: its column and row.
pair() {
  import -window root "$work/now.png"
  convert "$work/now.png" -crop $((32 * columns))x$((32 * rows))+$board_x+$board_y +repage \
    -define sample:offset=50 -sample "${columns}x${rows}" txt:- |
    awk -F'[,: ]+' '/^[0-9]/ { c[$1 "," $2] = match($0, /#(FF0000|00FF00|0000FF|FFFF00)/) ? substr($0, RSTART, 7) : "" }
      END { for (k in c) { split(k, p, ","); right = (p[1] + 1) "," p[2]; below = p[1] "," (p[2] + 1)
              if (c[k] != "" && (c[k] == c[right] || c[k] == c[below])) { print p[1], p[2]; exit } } }'
}
# Groups removed, each with two clicks; the first starts the clock.
removed=0
for _ in $(seq 8); do
  read -r column row < <(pair) || break
  xdotool mousemove $((board_x + 32 * column + 16)) $((board_y + 32 * row + 16)) click 1 sleep 0.2 click 1
  removed=$((removed + 1))
  sleep 0.3
done
[ "$removed" -gt 0 ] || fail "no two touching bricks of one colour on the daily board"

# Two minutes, with any time a level adds.
for _ in $(seq 400); do
  [ -n "$(query "SELECT id FROM games WHERE daily = 1 AND length(moves) > 0")" ] && break
  kill -0 "$game_pid" 2>/dev/null || fail "the program ended during the daily game"
  sleep 1
done
read -r score level best < <(query "SELECT score, level, best_group FROM games WHERE daily = 1 AND length(moves) > 0" | tr '|' ' ') ||
  fail "no daily game with its moves in the history"
[ "$score" -gt 0 ] || fail "the daily game scored nothing after $removed removals"
echo "daily game over: $score points, level $level, best group $best"

xdotool windowfocus --sync "$main"
xdotool key F8
statistics=$(other_window '^Statistics$' 10) || fail "Statistics did not open"
xdotool windowfocus --sync "$statistics"
# The figures are read in the background: the button waits for them.
line=""
for _ in $(seq 50); do
  xdotool key alt+o
  sleep 0.2
  line=$(xclip -o -selection clipboard 2>/dev/null || true)
  [ -n "$line" ] && break
done
expected="Tolmora daily $(date +%F): $score points, level $level, best group $best"
[ "$line" = "$expected" ] || fail "Copy Result gave '$line', not '$expected'"
echo "copied: $line"

# Like New Game, the replay asks before it takes the main window.
xdotool key alt+w
question=$(other_window '^Tolmora$' 10) || fail "Watch Replay did not ask first"
other_window '^Statistics$' 1 >/dev/null && fail "Watch Replay left the Statistics window open"
xdotool windowfocus --sync "$question"
xdotool key Return
# The replay has begun once the window has grown to hold its line.
for _ in $(seq 50); do
  [ "$(xdotool getwindowgeometry --shell "$main" | sed -n 's/^HEIGHT=//p')" -gt "$HEIGHT" ] && break
  sleep 0.1
done
[ "$(xdotool getwindowgeometry --shell "$main" | sed -n 's/^HEIGHT=//p')" -gt "$HEIGHT" ] ||
  fail "the replay did not begin, or its line has no room below the board"
# The board's picture, cut from the main window.
shot() {
  import -window "$main" "$work/window.png"
  convert "$work/window.png" -crop $((32 * columns))x$((32 * rows))+$((board_x - X))+$((board_y - Y)) +repage "$work/$1.png"
}
differ() { local n; n=$(compare -metric AE "$work/$1.png" "$work/$2.png" null: 2>&1 || true); echo "${n%% *}"; }
# wait_for_board <changed|same> <shot> <reference>: waits up to 5 s for the
# board's picture to differ from the reference, or to match it.
wait_for_board() {
  for _ in $(seq 25); do
    shot "$2"
    if [ "$1" = changed ]; then [ "$(differ "$2" "$3")" != 0 ] && return 0; else [ "$(differ "$2" "$3")" = 0 ] && return 0; fi
    sleep 0.2
  done
  return 1
}
# Step by step from here: the board keeps still between the keys.
xdotool windowfocus --sync "$main"
xdotool key space
shot plain
for _ in $(seq 25); do
  sleep 0.2
  shot now
  [ "$(differ now plain)" = 0 ] && break
  mv "$work/now.png" "$work/plain.png"
done
[ "$(differ now plain)" = 0 ] || fail "the replay's board never kept still after a step"
xdotool key b
wait_for_board changed outlined plain || fail "B drew no outline on the board"
xdotool key b
wait_for_board same again plain || fail "B again left $(differ again plain) pixels of the outline"
white=$(convert "$work/outlined.png" -fill black +opaque white -format "%[fx:mean*w*h]" info:)
white_before=$(convert "$work/plain.png" -fill black +opaque white -format "%[fx:mean*w*h]" info:)
[ "${white%.*}" -gt "${white_before%.*}" ] || fail "the outline has no white band"
echo "B outlined the largest group: $(differ outlined plain) pixels"

# The replay's line lies below the board: bricks fall, so its lowest row is
# whole, and the line must leave it in view.
import -window root "$work/replay.png"
for ((column = 0; column < columns; column++)); do
  is_brick "$work/replay.png" $((board_x + 32 * column + 16)) $((board_y + 32 * rows - 16)) ||
    fail "the replay's lowest row is covered at column $column"
done

# A step changes the board; the history is as it was.
xdotool key space
wait_for_board changed stepped plain || fail "Space changed nothing on the board"
kill -0 "$game_pid" 2>/dev/null || fail "the program ended in the replay"
xdotool key Escape
sleep 0.5
end_with_signal "$game_pid" TERM "the replay"
game_pid=""
[ "$(query "SELECT count(*) FROM games")" = 1 ] || fail "the replay changed the history"

mapfile -t saved < <(tr -d '\r' <"$work/game/Settings.log")
[ "${saved[1]}" = 4 ] && [ "${saved[2]}" = 3 ] && [ "${saved[3]}" = 8 ] ||
  fail "the saved size and length changed: ${saved[*]:1:3}"
echo "PASS: daily game, its copied line, its replay stepped and outlined"
