#!/usr/bin/env bash
# End-to-end: Pause When Inactive in a real X server. With the choice on in
# "Preferences.ini", a running game goes on while a dialog of its own (the
# New Game question) holds the focus, pauses when another program takes it
# (the board hidden, the clock standing still), stays paused when the focus
# comes back, and runs again after F3. With "off" the clock runs on
# throughout.
# There is no window manager: xdotool windowfocus moves the X input focus,
# and Qt calls the program inactive a moment after none of its windows holds
# it. The clock is read off the screen: the top of the side panel (level,
# score, time) changes with each tick and with nothing else while no brick is
# clicked.
# Usage: pause_when_inactive.sh path/to/tolmora on|off
set -euo pipefail
source "$(dirname "$0")/../support/x11.sh"

program=$1
choice=$2
for tool in Xvfb xdotool import convert xmessage; do
  command -v "$tool" >/dev/null || { echo "missing tool: $tool" >&2; exit 1; }
done

open_scratch pause
other_pid=""
fail() {
  echo "FAIL: $*" >&2
  [ -f "$work/game.log" ] && sed 's/^/  game: /' "$work/game.log" >&2
  [ -n "$other_pid" ] && kill "$other_pid" 2>/dev/null
  exit 1
}

start_xvfb
copy_program "$program"
# A five-minute game on the usual board; the preferences lie beside the
# settings, which lie beside a program that may write there.
{
  printf '\r\n16\r\n11\r\n300\r\nsound\r\n'
  for _ in $(seq 10); do printf '\r\n0\r\n'; done
} >"$work/game/Settings.log"
[ "$choice" = on ] && on=true || on=false
printf '[Options]\nPauseWhenInactive=%s\n' "$on" >"$work/game/Preferences.ini"

cd "$work/game"
XDG_RUNTIME_DIR="$work/runtime" XDG_DATA_HOME="$work/data" SDL_AUDIODRIVER=dummy ./tolmora >"$work/game.log" 2>&1 &
game_pid=$!
main=$(wait_for_window '^Tolmora$' 20) || fail "the main window did not show"
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$main")"

shoot() { import -window root "$work/shot.png"; }
pixel() { convert "$work/shot.png" -format "%[hex:p{$1,$2}]" info:; }
panel() { shoot; convert "$work/shot.png" -crop "129x120+$((X + WIDTH - 129))+$Y" +repage -format '%#' info:; }

# The first brick going down the first column, below the menu bar.
shoot
board_y=""
for ((y = Y; y < Y + 80; y++)); do
  case "$(pixel $((X + 18)) "$y")" in
    FF0000*|00FF00*|0000FF*|FFFF00*) board_y=$((y - 4)); break ;;
  esac
done
[ -n "$board_y" ] || fail "no brick found on the screen"

# "shown" when the first five bricks of the top row show their faces, "hidden" when none does.
board() {
  local faces=0 c
  for ((c = 0; c < 5; c++)); do
    case "$(pixel $((X + 2 + 32 * c + 16)) $((board_y + 16)))" in
      FF0000*|00FF00*|0000FF*|FFFF00*) faces=$((faces + 1)) ;;
    esac
  done
  case $faces in 5) echo shown ;; 0) echo hidden ;; *) echo "half shown ($faces of 5)" ;; esac
}
# "runs" as soon as the panel changes within 5 s; "stands" when it does not
# change for 3 s, three ticks' worth.
clock() {
  local first i
  first=$(panel)
  for ((i = 1; i <= 10; i++)); do
    sleep 0.5
    [ "$(panel)" != "$first" ] && { echo runs; return; }
    [ "$1" = stands ] && [ "$i" -ge 6 ] && break
  done
  echo stands
}
# The board and the clock, waiting up to 3 s for the board to be as expected.
state() {  # expected board, expected clock
  local shown
  for _ in $(seq 15); do
    shoot
    shown=$(board)
    [ "$shown" = "$1" ] && break
    sleep 0.2
  done
  echo "$shown, clock $(clock "$2")"
}
expect() {  # what, board, clock
  local seen
  seen=$(state "$2" "$3")
  [ "$seen" = "$2, clock $3" ] || fail "$1: the board is $seen, not $2 with the clock that $3"
  echo "$1: board $2, clock $3"
}

# A window shown without a window manager holds no focus until given it.
xdotool windowfocus --sync "$main"
xdotool mousemove $((X + 2 + 16)) $((board_y + 16)) click 1
expect "first click" shown runs

# The New Game question is a dialog of the game's own: it takes the focus and the clock runs on.
xdotool key F1
box=""
for _ in $(seq 50); do
  box=$(xdotool search --onlyvisible --name '^Tolmora$' 2>/dev/null | grep -v "^$main$" | head -n1 || true)
  [ -n "$box" ] && break
  sleep 0.1
done
[ -n "$box" ] || fail "F1 opened no question"
sleep 0.5
[ "$(xdotool getwindowfocus 2>/dev/null || true)" = "$box" ] || fail "the question did not take the focus"
expect "the game's own question holds the focus" shown runs
xdotool key Escape
# Without a window manager X hands the focus of a closed window to the root,
# unseen by the program; a window manager would give it back to the main
# window, as this does.
sleep 0.5
xdotool windowfocus --sync "$main"
expect "the question answered No" shown runs

# Another program takes the focus.
xmessage -geometry +700+500 "another program" &
other_pid=$!
other=""
for _ in $(seq 50); do
  other=$(xdotool search --onlyvisible --name '^xmessage$' 2>/dev/null | head -n1 || true)
  [ -n "$other" ] && break
  sleep 0.1
done
[ -n "$other" ] || fail "xmessage did not show"
xdotool windowfocus --sync "$other"
if [ "$choice" = on ]; then
  expect "another program has the focus" hidden stands
  xdotool windowfocus --sync "$main"
  expect "back in the game" hidden stands
  xdotool key F3
  expect "F3" shown runs
else
  expect "another program has the focus" shown runs
  xdotool windowfocus --sync "$main"
  expect "back in the game" shown runs
fi
kill "$other_pid"
wait "$other_pid" 2>/dev/null || true
other_pid=""

xdotool key ctrl+x
for _ in $(seq 100); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game_pid" 2>/dev/null && fail "Ctrl+X did not close the program"
wait "$game_pid" || fail "the program exited with status $?"
game_pid=""
echo "PASS: Pause When Inactive $choice"
