#!/usr/bin/env bash
# Renders the README's and the AppStream file's screenshots from a built
# program in Xvfb: the default board, a highlighted group, the Statistics
# window after a few short games and a daily one, an example theme, brick
# symbols on with a group highlighted, and the board in each language the
# game speaks. Every run plays the same board numbers in a scratch HOME, so
# the boards are the same each time (the Statistics window's dates and the
# daily board are the day's). It builds nothing: pass the program, and the PNGs go into
# the folder given (docs/screenshots by default).
# Usage: scripts/screenshots.sh build/tolmora [out folder]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../tests/support/x11.sh"

program=$(readlink -f "$1")
out=$(mkdir -p "${2:-$here/../docs/screenshots}" && cd "${2:-$here/../docs/screenshots}" && pwd)
for tool in Xvfb xdotool import convert; do
  command -v "$tool" >/dev/null || { echo "missing tool: $tool" >&2; exit 1; }
done
[ -d "$(dirname "$program")/themes" ] || { echo "no themes folder beside $program" >&2; exit 1; }

# The board every picture of the main window shows.
board_number=2026

open_scratch shots
fail() {
  echo "FAIL: $*" >&2
  [ -f "$work/game.log" ] && sed 's/^/  game: /' "$work/game.log" >&2
  exit 1
}

start_xvfb
mkdir -p "$work/game" "$work/runtime" "$work/home"
chmod 700 "$work/runtime"
# A copy of the program keeps "Settings.log" in its own folder; the history
# goes below the scratch HOME, never into the player's own.
cp "$program" "$work/game/tolmora"
cp -r "$(dirname "$program")/themes" "$work/game/"
export HOME="$work/home" XDG_DATA_HOME="$work/home/.local/share" XDG_CONFIG_HOME="$work/home/.config"
export XDG_RUNTIME_DIR="$work/runtime" SDL_AUDIODRIVER=dummy TZ=UTC

settings() {  # theme file, columns, rows, seconds
  {
    printf '%s\r\n%d\r\n%d\r\n%d\r\nmute\r\n' "$1" $(($2 - 1)) $(($3 - 1)) "$4"
    for _ in $(seq 10); do printf '\r\n0\r\n'; done
  } >"$work/game/Settings.log"
  rm -f "$work/game/Preferences.ini"
}

main=""
start_game() {  # board number, more options; LANGUAGE, when set, picks the game's language
  (cd "$work/game" && LANGUAGE=${LANGUAGE:-en} exec ./tolmora --board-number "$@" >"$work/game.log" 2>&1) &
  game_pid=$!
  main=$(wait_for_window '^Tolmora$' 20) || fail "the main window did not show"
  sleep 0.5
  xdotool windowfocus --sync "$main"
}

stop_game() {
  kill "$game_pid"
  wait "$game_pid" 2>/dev/null || true
  game_pid=""
}

shoot() { import -window "${2:-$main}" "$1"; }

# Writes a screenshot small: no metadata, and pngcrush when it is there.
keep() {  # scratch picture, name
  convert "$1" -strip "PNG24:$out/$2.png"
  if command -v pngcrush >/dev/null; then
    pngcrush -q -brute "$out/$2.png" "$work/crushed.png" && mv "$work/crushed.png" "$out/$2.png"
  fi
  echo "$out/$2.png: $(convert "$out/$2.png" -format '%wx%h' info:), $(($(stat -c %s "$out/$2.png") / 1024)) KB"
}

# The board's cells as the built-in bricks show them: each face's colour at
# its centre, read from a screenshot of the main window. The board starts
# inside the viewport's 2-pixel border; its top is the first brick face
# going down the first column.
board_x=2
board_y=""
columns=0
rows=0
declare -A colour=()
read_board() {  # screenshot, columns, rows
  columns=$2
  rows=$3
  if [ -z "$board_y" ]; then
    while read -r line; do
      case "${line##* }" in
        \#FF0000*|\#00FF00*|\#0000FF*|\#FFFF00*) board_y=$((${line%%:*} - 4)); break ;;
      esac
    done < <(convert "$1" -crop "1x120+$((board_x + 16))+0" +repage txt:- |
             sed -n 's/^0,\([0-9]*\): ([^)]*) *\(#[0-9A-F]*\).*/\1: \2/p')
    [ -n "$board_y" ] || fail "no brick found in the window"
  fi
  local format="" c r
  for ((r = 0; r < rows; r++)); do
    for ((c = 0; c < columns; c++)); do
      format+="%[hex:p{$((board_x + 32 * c + 16)),$((board_y + 32 * r + 16))}] "
    done
  done
  local -a hex
  read -r -a hex < <(convert "$1" -format "$format\n" info:)
  for ((r = 0; r < rows; r++)); do
    for ((c = 0; c < columns; c++)); do colour[$c,$r]=${hex[$((r * columns + c))]:0:6}; done
  done
}

# The biggest group of one colour on the board read last, by flood fill:
# prints its size and the cell to click, nothing when no group has two bricks.
biggest_group() {
  local best_size=1 best_cell="" c r
  declare -A seen=()
  for ((c = 0; c < columns; c++)); do
    for ((r = 0; r < rows; r++)); do
      [ -z "${seen[$c,$r]:-}" ] || continue
      case "${colour[$c,$r]}" in FF0000|00FF00|0000FF|FFFF00) ;; *) continue ;; esac
      local stack=("$c,$r") size=0 cell cx cy nx ny d
      seen[$c,$r]=1
      while [ ${#stack[@]} -gt 0 ]; do
        cell=${stack[-1]}
        unset 'stack[-1]'
        size=$((size + 1))
        cx=${cell%,*}
        cy=${cell#*,}
        for d in "1 0" "-1 0" "0 1" "0 -1"; do
          nx=$((cx + ${d% *}))
          ny=$((cy + ${d#* }))
          ((nx >= 0 && nx < columns && ny >= 0 && ny < rows)) || continue
          [ -z "${seen[$nx,$ny]:-}" ] || continue
          [ "${colour[$nx,$ny]}" = "${colour[$cx,$cy]}" ] || continue
          seen[$nx,$ny]=1
          stack+=("$nx,$ny")
        done
      done
      if [ "$size" -gt "$best_size" ]; then
        best_size=$size
        best_cell="$c,$r"
      fi
    done
  done
  [ -n "$best_cell" ] && echo "$best_size $best_cell"
}

click_cell() {  # column,row
  xdotool mousemove --window "$main" $((board_x + 32 * ${1%,*} + 16)) $((board_y + 32 * ${1#*,} + 16)) click 1
  sleep 0.4
}

# Highlights the biggest group of the default board and checks that its
# brick lost its frame's top edge, as a highlighted brick does.
highlighted_cell=""
highlight_biggest() {
  shoot "$work/before.png"
  read_board "$work/before.png" 17 12
  local group
  group=$(biggest_group) || fail "the board has no group of two"
  local cell=${group#* } x y
  x=$((board_x + 32 * ${cell%,*} + 16))
  y=$((board_y + 32 * ${cell#*,}))
  click_cell "$cell"
  highlighted_cell=$cell
  shoot "$work/after.png"
  [ "$(convert "$work/before.png" -format "%[hex:p{$x,$y}]" info:)" != \
    "$(convert "$work/after.png" -format "%[hex:p{$x,$y}]" info:)" ] ||
    fail "the group of ${group% *} at $cell did not highlight"
  echo "highlighted the group of ${group% *} at $cell"
}

# 1. The default board, untouched; 2. its biggest group highlighted;
# 3. brick symbols on (F7) over the same highlighted group, in a game of its
# own so the clock, started by the click, still shows the full time.
settings "" 17 12 120
start_game "$board_number"
shoot "$work/shot.png"
keep "$work/shot.png" board
highlight_biggest
keep "$work/after.png" highlighted
stop_game
settings "" 17 12 120
start_game "$board_number"
xdotool key F7
sleep 0.5
click_cell "$highlighted_cell"
shoot "$work/shot.png"
keep "$work/shot.png" symbols
stop_game

# The same board and group in each language the game speaks besides
# English, one picture each: main_de.png and so on.
for language in de fr es pt_BR pl; do
  settings "" 17 12 120
  LANGUAGE=$language start_game "$board_number"
  click_cell "$highlighted_cell"
  shoot "$work/shot.png"
  keep "$work/shot.png" "main_$language"
  stop_game
done

# 4. An example theme, named in "Settings.log" as the Theme menu would, with
# the same group highlighted: its bricks are not the built-in colours, but
# the board number gives the same board.
theme=$(find "$work/game/themes" -name 'midnight.tlm' | head -n1)
[ -n "$theme" ] || fail "no midnight theme in the themes folder"
settings "$theme" 17 12 120
start_game "$board_number"
click_cell "$highlighted_cell"
shoot "$work/shot.png"
keep "$work/shot.png" theme
stop_game

# 5. The Statistics window after short games on two small boards: each game
# removes a few of its biggest groups, lets the clock run out (a level
# reached adds half a minute) and gives a name when the score makes the table.
names=(Ada Ben Cleo Dan Eve Finn)
for ((game = 0; game < ${#names[@]}; game++)); do
  size=$((8 + 2 * (game % 2)))
  settings "" "$size" $((size - 2)) $((5 + 3 * (game % 2)))
  start_game $((board_number + game))
  for ((move = 0; move <= game % 4; move++)); do
    shoot "$work/shot.png"
    read_board "$work/shot.png" "$size" $((size - 2))
    group=$(biggest_group) || break
    click_cell "${group#* }"
    click_cell "${group#* }"
  done
  # Two levels reached add a minute to the clock.
  if prompt=$(wait_for_window '^New High Score$' 120); then
    xdotool windowfocus --sync "$prompt"
    xdotool type --delay 20 "${names[$game]}"
    xdotool key Return
    sleep 0.5
  fi
  stop_game
done
# Then the day's board, its biggest groups taken, played to the end of its
# two minutes: the Daily part shows it as today's best.
settings "" 17 12 120
start_game "$board_number" --daily
for ((move = 0; move < 3; move++)); do
  shoot "$work/shot.png"
  read_board "$work/shot.png" 17 12
  group=$(biggest_group) || break
  click_cell "${group#* }"
  click_cell "${group#* }"
done
prompt=$(wait_for_window '^New High Score$' 200) || fail "the daily game did not end in the table"
xdotool windowfocus --sync "$prompt"
xdotool type --delay 20 "Gus"
xdotool key Return
sleep 0.5
xdotool windowfocus --sync "$main"
xdotool key F8
statistics=$(wait_for_window '^Statistics$' 10) || fail "F8 did not open the Statistics window"
sleep 0.5
shoot "$work/shot.png" "$statistics"
keep "$work/shot.png" statistics
stop_game
