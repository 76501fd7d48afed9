# Shell helpers for the tests and scripts that drive the program in a real X
# server. The caller opens a scratch folder ($work) with open_scratch and
# defines fail; wait_for_window watches $game_pid so a program that died is
# not waited for.

# Programs started from these tests get no session bus. Without this, libdbus
# starts one through the X server (dbus-launch) that outlives the test, and
# the desktop portal it wakes mounts a FUSE file system in the runtime folder.
export DBUS_SESSION_BUS_ADDRESS=disabled:

# A display of our own: Xvfb picks a free number and reports it. Without
# -noreset the server resets when its last client leaves, and a program
# started in that moment cannot connect.
start_xvfb() {
  exec 3>"$work/display"
  Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  exec 3>&-
  for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
  [ -s "$work/display" ] || fail "Xvfb did not start"
  export DISPLAY=":$(head -n1 "$work/display")"
}

# Waits for the server to go, so no display is left for the next test.
stop_xvfb() {
  [ -n "${xvfb_pid:-}" ] || return 0
  kill "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
  xvfb_pid=""
}

# A portal that got a bus anyway may have mounted below the scratch folder,
# which then could not be removed.
unmount_below() {  # folder
  local points point
  points=$(awk -v top="$(readlink -f "$1")/" 'index($2, top) == 1 { print $2 }' /proc/mounts)
  for point in $points; do
    fusermount -u "$point" 2>/dev/null || umount -l "$point" 2>/dev/null || true
  done
}

wait_for_window() {  # name pattern, seconds; prints the window id
  local id=""
  for _ in $(seq $(($2 * 10))); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    kill -0 "$game_pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

# A program folder of the program's own in the scratch folder, $work/game:
# the program keeps its files where its binary lies, and a symbolic link
# would resolve back to the build tree. $work/runtime is the private
# runtime folder Qt wants.
copy_program() {  # program
  mkdir "$work/game" "$work/runtime"
  chmod 700 "$work/runtime"
  cp "$1" "$work/game/tolmora"
}

# A scratch folder of the script's own, and a trap that stops the program and
# the server and removes the folder however the script ends.
open_scratch() {  # name
  work=$(mktemp -d "${TMPDIR:-/tmp}/tolmora-$1-XXXXXX")
  xvfb_pid=""
  game_pid=""
  trap close_scratch EXIT
}

close_scratch() {
  [ -n "$game_pid" ] && { kill "$game_pid"; wait "$game_pid"; } 2>/dev/null || true
  stop_xvfb
  unmount_below "$work"
  chmod -R u+w "$work" 2>/dev/null || true
  rm -rf "$work"
}

# is_brick <screenshot> <x> <y>: whether a brick's face lies at that pixel.
is_brick() {
  case "$(convert "$1" -format "%[hex:p{$2,$3}]" info:)" in
    FF0000*|00FF00*|0000FF*|FFFF00*) return 0 ;;
    *) return 1 ;;
  esac
}

# find_board <screenshot> <window x> <window y>: sets board_x and board_y to
# the board's top-left pixel, and columns and rows to the bricks shown from
# there along the first row and column.
find_board() {
  local shot=$1 y
  # The first brick going down the first column, inside the viewport's border.
  board_x=$(($2 + 2))
  board_y=""
  for ((y = $3; y < $3 + 80; y++)); do
    if is_brick "$shot" $((board_x + 16)) "$y"; then board_y=$((y - 4)); break; fi
  done
  [ -n "$board_y" ] || return 1
  columns=0
  while is_brick "$shot" $((board_x + 32 * columns + 16)) $((board_y + 16)); do columns=$((columns + 1)); done
  rows=0
  while is_brick "$shot" $((board_x + 16)) $((board_y + 32 * rows + 16)); do rows=$((rows + 1)); done
}
