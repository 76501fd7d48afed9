#!/usr/bin/env bash
# End-to-end: the built program in a real X server, played with real input.
# An 8-second game on a 5 x 4 board: read the bricks off the screen, click a
# group twice (highlighted, then removed), let the clock run out, answer the
# name prompt, leave with Ctrl+X and check the written "Settings.log".
# With a signal name (TERM, INT, HUP) the name is typed but not confirmed:
# the signal must take it as the answer, write the file and end the program
# promptly. With KILL the name is confirmed and the program killed
# right after: the score must already be in the file. With KEYS the whole
# game is played from the keyboard: the cursor keys walk to the group and
# Return presses it, twice. With KILLPROMPT the program is killed while the
# name prompt is open: the game must be in the history all the same.
# Usage: play_game.sh path/to/tolmora [folder for screenshots, - for none] [signal, KEYS or KILLPROMPT]
set -euo pipefail
source "$(dirname "$0")/../support/x11.sh"
source "$(dirname "$0")/../support/program.sh"

program=$1
shots=${2:-}
[ "$shots" = - ] && shots=""
quit_signal=${3:-}
keyboard=""
if [ "$quit_signal" = KEYS ]; then
  keyboard=1
  quit_signal=""
fi
for tool in Xvfb xdotool import convert xprop $([ "$quit_signal" = KILLPROMPT ] && echo sqlite3); do
  command -v "$tool" >/dev/null || { echo "missing tool: $tool" >&2; exit 1; }
done

open_scratch e2e

fail() {
  echo "FAIL: $*" >&2
  [ -f "$work/game.log" ] && sed 's/^/  game: /' "$work/game.log" >&2
  [ -n "$shots" ] && [ -f "$work/shot.png" ] && cp "$work/shot.png" "$shots/failure.png"
  exit 1
}

start_xvfb

copy_program "$program"
# The clock starts at the first click; the game is long enough for the second
# click to land before it runs out, even in a slow sanitizer build under load.
{
  printf '\r\n4\r\n3\r\n8\r\nsound\r\n'
  for _ in $(seq 10); do printf '\r\n0\r\n'; done
} >"$work/game/Settings.log"

cd "$work/game"
XDG_RUNTIME_DIR="$work/runtime" XDG_DATA_HOME="$work/data" SDL_AUDIODRIVER=dummy ./tolmora >"$work/game.log" 2>&1 &
game_pid=$!

main=$(wait_for_window '^Tolmora$' 20) || fail "the main window did not show"
sleep 0.5
wm_class=$(xprop -id "$main" WM_CLASS)
[[ $wm_class == *'"tolmora", "tolmora"'* ]] || fail "window class is $wm_class"
eval "$(xdotool getwindowgeometry --shell "$main")"
win_x=$X
win_y=$Y

shoot() { import -window root "$work/shot.png"; }
pixel() { convert "$work/shot.png" -format "%[hex:p{$1,$2}]" info:; }

# The board lies below the menu bar, inside the viewport's 2-pixel border:
# find the first brick face going down the first column.
shoot
[ -n "$shots" ] && cp "$work/shot.png" "$shots/start.png"
board_x=$((win_x + 2))
board_y=""
while read -r line; do
  y=${line%%:*}
  colour=${line##* }
  case "$colour" in
    \#FF0000*|\#00FF00*|\#0000FF*|\#FFFF00*) board_y=$((win_y + y - 4)); break ;;
  esac
done < <(convert "$work/shot.png" -crop "1x80+$((board_x + 16))+$win_y" +repage txt:- |
         sed -n 's/^0,\([0-9]*\): ([^)]*) *\(#[0-9A-F]*\).*/\1: \2/p')
[ -n "$board_y" ] || fail "no brick found on the screen"

columns=5
rows=4
declare -A colour
read_board() {
  shoot
  for ((c = 0; c < columns; c++)); do
    for ((r = 0; r < rows; r++)); do
      colour[$c,$r]=$(pixel $((board_x + 32 * c + 16)) $((board_y + 32 * r + 16)))
    done
  done
}
board_text() {
  local text=""
  for ((r = 0; r < rows; r++)); do
    for ((c = 0; c < columns; c++)); do text+="${colour[$c,$r]:0:6} "; done
    text+=$'\n'
  done
  echo "$text"
}
read_board
before=$(board_text)
for ((c = 0; c < columns; c++)); do
  for ((r = 0; r < rows; r++)); do
    case "${colour[$c,$r]:0:6}" in
      FF0000|00FF00|0000FF|FFFF00) ;;
      *) fail "cell $c,$r shows ${colour[$c,$r]}, not a brick face" ;;
    esac
  done
done

# The group with the fewest bricks, found by flood fill over the colours read.
best=""
best_size=1000
for ((c = 0; c < columns; c++)); do
  for ((r = 0; r < rows; r++)); do
    declare -A seen=()
    stack=("$c,$r")
    seen[$c,$r]=1
    members=()
    while [ ${#stack[@]} -gt 0 ]; do
      cell=${stack[-1]}
      unset 'stack[-1]'
      members+=("$cell")
      cx=${cell%,*}
      cy=${cell#*,}
      for d in "1 0" "-1 0" "0 1" "0 -1"; do
        set -- $d
        nx=$((cx + $1))
        ny=$((cy + $2))
        ((nx >= 0 && nx < columns && ny >= 0 && ny < rows)) || continue
        [ -z "${seen[$nx,$ny]:-}" ] || continue
        [ "${colour[$nx,$ny]}" = "${colour[$cx,$cy]}" ] || continue
        seen[$nx,$ny]=1
        stack+=("$nx,$ny")
      done
    done
    if [ ${#members[@]} -ge 2 ] && [ ${#members[@]} -lt "$best_size" ]; then
      best_size=${#members[@]}
      best="${members[*]}"
    fi
    unset seen
  done
done
[ -n "$best" ] || fail "the board has no group of two:"$'\n'"$before"
read -r first _ <<<"$best"
click_x=$((board_x + 32 * ${first%,*} + 16))
click_y=$((board_y + 32 * ${first#*,} + 16))
echo "board:"$'\n'"$before"$'\n'"clicking the group of $best_size at $first: $best"

# Top edge pixel of a cell: the dark frame normally; a highlighted brick
# leaves its outer ring out, so the board's back colour shows there.
edge() { pixel $((board_x + 32 * $1 + 16)) $((board_y + 32 * $2)); }
declare -A frame
for cell in $best; do frame[$cell]=$(edge "${cell%,*}" "${cell#*,}"); done

# One press on the group's first brick: a mouse click there, or the cursor
# walked there from the top-left corner and Return.
press() {
  if [ -n "$keyboard" ]; then
    xdotool key Return
  else
    xdotool mousemove "$click_x" "$click_y" click 1
  fi
}
if [ -n "$keyboard" ]; then
  xdotool windowfocus --sync "$main"
  keys=(Home Prior)
  for ((i = 0; i < ${first%,*}; i++)); do keys+=(Right); done
  for ((i = 0; i < ${first#*,}; i++)); do keys+=(Down); done
  xdotool key --delay 30 "${keys[@]}"
  sleep 0.4
  shoot
  # The cursor's dark ring, then its light one, just inside the cell's edge.
  dark=$(pixel $((click_x - 14)) "$click_y")
  light=$(pixel $((click_x - 12)) "$click_y")
  ring="${dark:0:6} ${light:0:6}"
  [ "$ring" = "000000 FFFFFF" ] || fail "no cursor on cell $first (left side reads $ring)"
fi

press
sleep 0.4
shoot
[ -n "$shots" ] && cp "$work/shot.png" "$shots/highlighted.png"
for cell in $best; do
  now=$(edge "${cell%,*}" "${cell#*,}")
  [ "$now" != "${frame[$cell]}" ] || fail "cell $cell is not highlighted (edge still $now)"
done

press
sleep 0.4
read_board
[ -n "$shots" ] && cp "$work/shot.png" "$shots/removed.png"
after=$(board_text)
[ "$after" != "$before" ] || fail "the board did not change after the second click"
for ((c = 0; c < columns; c++)); do
  for ((r = 0; r < rows; r++)); do
    case "${colour[$c,$r]:0:6}" in
      FF0000|00FF00|0000FF|FFFF00)
        e=$(edge "$c" "$r")
        [ "${e:0:6}" != "F0F0F0" ] || fail "cell $c,$r is still highlighted" ;;
    esac
  done
done

# Level bonuses may add time; the prompt comes when the clock runs out.
prompt=$(wait_for_window '^New High Score$' 90) || fail "no name prompt after the game"
shoot
[ -n "$shots" ] && cp "$work/shot.png" "$shots/game-over.png"
if [ "$quit_signal" = KILLPROMPT ]; then
  kill -KILL "$game_pid"
  wait "$game_pid" 2>/dev/null || true
  game_pid=""
  games=$(sqlite3 "$work/data/Tolmora/history.sqlite" "SELECT count(*) || ' ' || score FROM games" 2>&1) ||
    fail "no history after the kill: $games"
  [[ $games =~ ^1\ [1-9][0-9]*$ ]] || fail "the history holds '$games', not the one game with its score"
  echo "PASS: killed at the name prompt, the history holds the game (count, score: $games)"
  exit 0
fi
xdotool windowfocus --sync "$prompt"
xdotool type --delay 20 "Tester"
if [ "$quit_signal" = KILL ]; then
  xdotool key Return
  sleep 0.3
  kill -KILL "$game_pid"
  wait "$game_pid" 2>/dev/null || true
  game_pid=""
elif [ -n "$quit_signal" ]; then
  sleep 0.3
  end_with_signal "$game_pid" "$quit_signal" "the name prompt"
  game_pid=""
else
  xdotool key Return
  sleep 0.5
  xdotool windowfocus --sync "$main"
  xdotool key ctrl+x
  for _ in $(seq 100); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$game_pid" 2>/dev/null; then fail "Ctrl+X did not close the program"; fi
fi
if [ -n "$game_pid" ]; then
  wait "$game_pid" || fail "the program exited with status $?"
  game_pid=""
fi

file="$work/game/Settings.log"
[ "$(grep -c $'\r$' "$file")" -eq 25 ] || fail "Settings.log does not hold 25 CR LF lines"
mapfile -t line < <(tr -d '\r' <"$file")
[ "${#line[@]}" -eq 25 ] || fail "Settings.log has ${#line[@]} lines"
[ "${line[1]}" = 4 ] && [ "${line[2]}" = 3 ] && [ "${line[3]}" = 8 ] && [ "${line[4]}" = sound ] ||
  fail "settings lines changed: ${line[*]:0:5}"
[ "${line[5]}" = Tester ] || fail "first name is '${line[5]}'"
[[ ${line[6]} =~ ^[0-9]+$ ]] && [ "${line[6]}" -gt 0 ] ||
  fail "first score is '${line[6]}' after removing $best_size bricks"
echo "PASS: group of $best_size removed, final score ${line[6]} saved for ${line[5]}"
