#!/usr/bin/env bash
# Shows how the board looks with brick symbols on to players who cannot tell
# red from green: the built program in Xvfb with the built-in bricks and each
# example theme, symbols switched on with F7, zoomed with Ctrl+= to the zoom
# asked for, one group highlighted; each screenshot of the window is written
# as seen, as simulated protanopia and deuteranopia (the Machado, Oliveira and
# Fernandes 2009 matrices at full severity) and in greyscale, side by side in
# <out>/<theme>-<zoom>.png. The four kinds of brick must stay distinguishable
# in every panel; look at the pictures.
# Usage: scripts/colour_vision_check.sh build/tolmora <out folder> [zoom: 100|150|200|250|300]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../tests/support/x11.sh"

program=$(readlink -f "$1")
out=$(mkdir -p "$2" && cd "$2" && pwd)
zoom=${3:-200}
magick=$(command -v magick || command -v convert) || { echo "missing tool: ImageMagick" >&2; exit 1; }
for tool in Xvfb xdotool import; do
  command -v "$tool" >/dev/null || { echo "missing tool: $tool" >&2; exit 1; }
done

protan="0.152286 1.052583 -0.204868 0.114503 0.786281 0.099216 -0.003882 -0.048116 1.051998"
deutan="0.367322 0.860646 -0.227968 0.280085 0.672501 0.047413 -0.011820 0.042940 0.968881"

open_scratch cvd
fail() { echo "FAIL: $*" >&2; exit 1; }

start_xvfb
mkdir "$work/game" "$work/runtime"
chmod 700 "$work/runtime"
cp "$program" "$work/game/tolmora"
[ -d "$(dirname "$program")/themes" ] && cp -r "$(dirname "$program")/themes" "$work/game/"

shoot_theme() {  # name, theme file ("" for the built-in bricks)
  {
    printf '%s\r\n9\r\n4\r\n600\r\nmute\r\n' "$2"
    for _ in $(seq 10); do printf '\r\n0\r\n'; done
  } >"$work/game/Settings.log"
  (cd "$work/game" && XDG_RUNTIME_DIR="$work/runtime" SDL_AUDIODRIVER=dummy exec ./tolmora >"$work/game.log" 2>&1) &
  game_pid=$!
  local main
  main=$(wait_for_window '^Tolmora$' 20) || fail "the main window did not show"
  sleep 0.5
  xdotool windowfocus --sync "$main" key F7
  for ((step = 100; step < zoom; step += 50)); do xdotool key ctrl+equal; done
  sleep 0.5
  # One click on the board highlights a group, so both forms of a brick show.
  local cell=$((32 * zoom / 100))
  eval "$(xdotool getwindowgeometry --shell "$main")"
  xdotool mousemove --window "$main" $((cell / 2 + 2)) $((cell / 2 + 40)) click 1
  sleep 0.5
  import -window "$main" "$work/seen.png"
  "$magick" "$work/seen.png" -color-matrix "3x3: $protan" "$work/protan.png"
  "$magick" "$work/seen.png" -color-matrix "3x3: $deutan" "$work/deutan.png"
  "$magick" "$work/seen.png" -colorspace Gray "$work/grey.png"
  "$magick" "$work/seen.png" "$work/protan.png" "$work/deutan.png" "$work/grey.png" +append \
    "$out/$1-$zoom.png"
  kill "$game_pid"
  wait "$game_pid" 2>/dev/null || true
  game_pid=""
  echo "$out/$1-$zoom.png: as seen, protanopia, deuteranopia, greyscale"
}

shoot_theme built-in ""
for theme in "$work"/game/themes/*/*.tlm; do
  [ -f "$theme" ] && shoot_theme "$(basename "$theme" .tlm)" "$theme"
done
