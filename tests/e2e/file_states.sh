#!/usr/bin/env bash
# Each file the game keeps, in each state it may be found in, with the real
# program in Xvfb: the window shows, the player's choices are made (F4 mutes,
# F7 turns brick symbols on), and SIGTERM closes the game in bounded time.
# A file that can be written then holds what the player set; one that cannot
# is warned about once and left as it was. SIGKILL at the moment a file is
# written leaves the previous file or the new one, whole.
# As root the game runs as nobody, so that modes and read-only folders count.
# Usage: file_states.sh path/to/tolmora [state ...]
set -euo pipefail
source "$(dirname "$0")/../support/x11.sh"
source "$(dirname "$0")/../support/program.sh"

program=$1
shift
open_scratch files
holder=""
trap 'if [ -n "$holder" ]; then kill "$holder" 2>/dev/null || true; fi; close_scratch' EXIT
fail() { echo "FAIL: $*" >&2; [ -f "${log:-}" ] && sed 's/^/  game: /' "$log" >&2; exit 1; }

# One row per file: its name and the prefix of its three checks, each given
# the file's path: <prefix>_valid writes a valid file as the player had it,
# <prefix>_saved says whether it holds the player's choice (F4 or F7 below),
# <prefix>_whole whether it is a whole file as the game writes it.
files=(
  "Settings.log settings"
  "Preferences.ini preferences"
)
settings_valid() { printf '\r\n16\r\n11\r\n120\r\nsound\r\nP1\r\n990\r\n' >"$1"; }
settings_saved() { [ "$(tr -d '\r' <"$1" | sed -n 5p)" = mute ]; }
settings_whole() { [ "$(wc -l <"$1")" -eq 25 ]; }
preferences_valid() { printf '[Options]\nBrickSymbols=false\nZoom=150\n' >"$1"; }
preferences_saved() { grep -qx 'BrickSymbols=true' "$1"; }
preferences_whole() { [ "$(head -n1 "$1")" = "[Options]" ] && [ "$(grep -c '=' "$1")" -eq 4 ]; }
states=(missing empty garbage folder fifo link-file link-null read-only-file read-only-folder locked killed)
[ $# -gt 0 ] && states=("$@")

as_player=()
player=$(id -un)
if [ "$(id -u)" -eq 0 ]; then
  player=nobody
  as_player=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
# The program's folder takes no files from the player, so each case's
# configuration folder holds them.
mkdir "$work/program"
cp "$program" "$work/program/tolmora"
chmod 555 "$work/program"
chmod 755 "$work"

# make_state <state> <file> <prefix>
make_state() {
  case $1 in
    missing) ;;
    empty) : >"$2" ;;
    garbage) head -c 4096 /dev/urandom >"$2" ;;
    folder) mkdir "$2" ;;
    fifo) mkfifo "$2" ;;
    link-file) mkdir -p "$case/config/real" && "$3_valid" "$case/config/real/${2##*/}" && ln -s "../real/${2##*/}" "$2" ;;
    link-null) ln -s /dev/null "$2" ;;
    read-only-file) "$3_valid" "$2" && chmod 444 "$2" ;;
    read-only-folder | locked | killed) "$3_valid" "$2" ;;
  esac
}

# What is at a path, never read from a FIFO or a device.
digest() { if [ -f "$1" ]; then md5sum <"$1"; else stat -c %F "$1" 2>/dev/null || echo none; fi; }

# What a state must give: "set" (the choice saved), "kept" (warned once,
# the file as it was) or "whole" (killed: previous or new, never cut).
outcome() {
  case $1 in
    missing | empty | garbage | link-file | locked) echo set ;;
    killed) echo whole ;;
    *) echo kept ;;
  esac
}

# start_game: starts the program in the case's environment and waits for its window.
start_game() {
  (cd "$case" && exec env HOME="$case" XDG_CONFIG_HOME="$case/config" XDG_DATA_HOME="$case/data" \
     XDG_RUNTIME_DIR="$case/runtime" SDL_AUDIODRIVER=dummy "${as_player[@]}" \
     "$work/program/tolmora" >"$log" 2>&1) &
  game_pid=$!
  window=$(wait_for_window '^Tolmora$' 10) || fail "$row: no window within 10 s"
  xdotool windowfocus --sync "$window"
}

start_xvfb
for state in "${states[@]}"; do
  case="$work/$state"
  log="$case.log"
  mkdir -p "$case/config/Tolmora" "$case/data" "$case/runtime"
  chmod 700 "$case/runtime"
  declare -A before=()
  for entry in "${files[@]}"; do
    read -r name check <<<"$entry"
    make_state "$state" "$case/config/Tolmora/$name" "$check"
    before[$name]=$(digest "$case/config/Tolmora/$name")
  done
  chown -hR "$player" "$case"
  [ "$state" = read-only-folder ] && chmod 555 "$case/config/Tolmora"
  if [ "$state" = locked ]; then
    for entry in "${files[@]}"; do
      (exec 9<"$case/config/Tolmora/${entry%% *}" && flock 9 && exec sleep 600) >/dev/null 2>&1 &
      holder="$holder $!"
    done
  fi
  row=$state
  start_game
  if [ "$state" = killed ]; then
    # SIGKILL in the first tens of milliseconds of each write: F7 writes the
    # preferences at once, SIGTERM starts the write of the settings. Each
    # start after a kill reads what the kill left.
    for round in 1 2 3; do
      xdotool key F4 F7
      sleep "0.0$((RANDOM % 10))"
      kill -KILL "$game_pid"
      wait "$game_pid" 2>/dev/null || true
      start_game
      xdotool key F4 F7
      sleep 0.3
      kill -TERM "$game_pid"
      sleep "0.0$((RANDOM % 10))"
      kill -KILL "$game_pid" 2>/dev/null || true
      wait "$game_pid" 2>/dev/null || true
      [ "$round" -eq 3 ] || start_game
    done
  else
    xdotool key F4 F7
    sleep 0.3
    end_with_signal "$game_pid" TERM "$state" >/dev/null
  fi
  game_pid=""
  if [ -n "$holder" ]; then kill $holder 2>/dev/null || true; holder=""; fi
  chmod 755 "$case/config/Tolmora"
  # Told once for each file: a warning names the file, or the one its link leads to.
  warned=$(grep -c "could not write" "$log" || true)
  for entry in "${files[@]}"; do
    read -r name check <<<"$entry"
    file="$case/config/Tolmora/$name"
    case $(outcome "$state") in
      set)
        "${check}_saved" "$file" || fail "$state: $name does not hold the choice"
        [ "$warned" -eq 0 ] || fail "$state: $warned warnings, though every file was written" ;;
      kept)
        [ "$(digest "$file")" = "${before[$name]}" ] || fail "$state: $name was changed"
        [ "$warned" -eq "${#files[@]}" ] || fail "$state: $warned warnings for ${#files[@]} files" ;;
      whole)
        "${check}_whole" "$file" || [ "$(digest "$file")" = "${before[$name]}" ] ||
          fail "$state: $name is neither the previous file nor the new one" ;;
    esac
  done
  echo "$state: $(outcome "$state")"
done
