#!/usr/bin/env bash
# Each file the game keeps, in each state it may be found in, with the real
# program in Xvfb: the window shows, the player's choices are made (a game
# played to its end, F4 mutes, F7 turns brick symbols on), and SIGTERM closes
# the game in bounded time. A file that can be written then holds what the
# player set; one that cannot is warned about once and left as it was, and a
# finished game then waits in the history's spool. SIGKILL at the moment a
# file is written leaves the previous file or the new one, whole, and loses
# no game.
# As root the game runs as nobody, so that modes and read-only folders count.
# Usage: file_states.sh path/to/tolmora [state ...]
set -euo pipefail
source "$(dirname "$0")/../support/x11.sh"
source "$(dirname "$0")/../support/program.sh"

program=$1
shift
open_scratch files
holder=""
trap 'unlock; close_scratch' EXIT
fail() { echo "FAIL: $*" >&2; [ -f "${log:-}" ] && sed 's/^/  game: /' "$log" >&2; exit 1; }

# One row per file: its name, the prefix of its functions and the folder it
# lives in. Each is given the file's path: <prefix>_valid writes a valid file
# as the player had it, <prefix>_choose makes the player's choice in the
# running game, <prefix>_saved says whether the file holds it, <prefix>_whole
# (given also the digest it had) whether a kill left it whole: the previous
# file or the new one, and for the history every game played. A row may add
# <prefix>_kept (where the choice went when the file could not be written),
# <prefix>_lock (a holder other than flock, added to $holder) and
# <prefix>_outcome (a state that gives this file another outcome). The rows
# are chosen in this order: the game first, so that the kill comes right
# after F7 writes the preferences.
files=(
  "history.sqlite history data"
  "Settings.log settings config"
  "Preferences.ini preferences config"
)
# A one-second game on board 8, whose top-left brick has a neighbour of its
# colour: pressing it twice scores and brings the name prompt.
board=8
settings_valid() { printf '\r\n16\r\n11\r\n1\r\nsound\r\nP1\r\n990\r\n' >"$1"; }
settings_choose() { xdotool key F4; }
settings_saved() { [ "$(tr -d '\r' <"$1" | sed -n 5p)" = mute ]; }
settings_whole() { [ "$(wc -l <"$1")" -eq 25 ] || [ "$(digest "$1")" = "$2" ]; }
preferences_valid() { printf '[Options]\nBrickSymbols=false\nZoom=150\n' >"$1"; }
preferences_choose() { xdotool key F7; }
preferences_saved() { grep -qx 'BrickSymbols=true' "$1"; }
preferences_whole() { { [ "$(head -n1 "$1")" = "[Options]" ] && [ "$(grep -c '=' "$1")" -eq 7 ]; } || [ "$(digest "$1")" = "$2" ]; }

# The history holds one game of an earlier run. Every look at it is the
# player's own, so that no journal of another owner is left beside it.
history_valid() {
  printf '%s\n' "CREATE TABLE games (id INTEGER PRIMARY KEY, finished_at TEXT NOT NULL, width INTEGER NOT NULL,
      height INTEGER NOT NULL, game_time INTEGER NOT NULL, board_number INTEGER NOT NULL, score INTEGER NOT NULL,
      level INTEGER NOT NULL, bricks_removed INTEGER NOT NULL, best_group INTEGER NOT NULL,
      fills_used INTEGER NOT NULL, player TEXT NOT NULL);
    CREATE INDEX games_by_size ON games (width, height, game_time, score);
    PRAGMA user_version = 2;
    INSERT INTO games VALUES (1, '2026-01-02T03:04:05Z', 17, 12, 120, 5, 990, 1, 40, 6, 0, 'P1');" |
    sqlite3 "$1"
}
history_query() { [ -f "$1" ] && timeout 5 "${as_player[@]}" sqlite3 -readonly "$1" "$2" 2>/dev/null; }
# The player's choice is a finished game: on board 8 with the settings' one
# second, scored and named; otherwise (no settings to read) a game of two
# seconds set through New Game, ended with no score.
history_choose() {
  local settings=$case/config/Tolmora/Settings.log
  played=$((played + 1))
  if [ -f "$settings" ] && [ "$(tr -d '\r\000' <"$settings" | sed -n 4p)" = 1 ]; then
    xdotool key Home Prior Return Return
    prompt=$(wait_for_window '^New High Score$' 20) || fail "$row: no name prompt after the game"
    named=Tester
    [ -n "${leave_prompt:-}" ] && return
    xdotool windowfocus --sync "$prompt" type --delay 20 "$named"
    xdotool key Return
  else
    # The question before it (the second window called Tolmora) is
    # answered Yes by Return; then the length field, Start, and the first
    # press on the board starts the clock.
    xdotool key F1
    for _ in $(seq 50); do
      [ "$(xdotool search --onlyvisible --name '^Tolmora$' 2>/dev/null | grep -vc "^$window$")" -gt 0 ] && break
      sleep 0.1
    done
    xdotool key Return
    dialog=$(wait_for_window '^NewGame$' 10) || fail "$row: F1 opened no New Game dialog"
    xdotool windowfocus --sync "$dialog" key --delay 50 Tab Tab Tab ctrl+a 2 shift+Tab space
    sleep 0.3
    xdotool windowfocus --sync "$window" key Home Return
  fi
  for _ in $(seq 100); do history_holds "$1" && break; sleep 0.1; done
  history_holds "$1" || fail "$row: the game is neither in the history nor waiting"
  xdotool windowfocus --sync "$window"
}
# The finished games: in the history, in the spool beside it, or told to
# wait in memory when neither can be written.
history_games() { history_query "$1" 'SELECT count(*) FROM games WHERE game_time < 120' || echo 0; }
history_spooled() { grep -o '"finishedAt"' "${1%/*}/history.pending" 2>/dev/null | wc -l; }
history_holds() {
  [ $(($(history_games "$1") + $(history_spooled "$1"))) -ge "$played" ] || grep -q 'wait in memory only' "$log"
}
history_saved() {
  [ "$(history_games "$1")" -eq "$played" ] && [ ! -e "${1%/*}/history.pending" ] || return 1
  [ -z "$named" ] || [ "$(history_query "$1" "SELECT player FROM games ORDER BY id DESC LIMIT 1")" = "$named" ] ||
    return 1
  # A damaged file is kept aside, as it was.
  [ "$state" != garbage ] || [ "$(digest "$1".damaged-*)" = "${before[${1##*/}]}" ]
}
history_whole() {
  [ "$(history_query "$1" 'PRAGMA integrity_check')" = ok ] && [ "$(history_games "$1")" -eq "$played" ]
}
history_kept() { [ "$(history_spooled "$1")" -eq "$played" ] || grep -q 'wait in memory only' "$log"; }
# A file locked by SQLite: another program inside a transaction, fed
# through a FIFO so that it holds the lock until it is ended.
history_lock() {
  mkfifo "$case/lock"
  "${as_player[@]}" sqlite3 "$1" <"$case/lock" >"$case/lock.out" 2>&1 &
  holder="$holder $!"
  exec 8>"$case/lock"
  echo "BEGIN EXCLUSIVE; SELECT 'held';" >&8
  for _ in $(seq 50); do grep -q held "$case/lock.out" && return; sleep 0.1; done
  fail "$state: sqlite3 did not lock $1: $(cat "$case/lock.out")"
}
# The game waits for the lock on a thread of its own, warns and keeps the
# game in the spool; once the lock is gone, the next start writes it.
history_outcome() { [ "$1" != locked ] || echo late; }
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
    link-file) mkdir -p "${2%/*}/../real" && "$3_valid" "${2%/*}/../real/${2##*/}" && ln -s "../real/${2##*/}" "$2" ;;
    link-null) ln -s /dev/null "$2" ;;
    read-only-file) "$3_valid" "$2" && chmod 444 "$2" ;;
    read-only-folder | locked | killed) "$3_valid" "$2" ;;
  esac
}

# What is at a path, never read from a FIFO or a device.
digest() { if [ -f "$1" ]; then md5sum <"$1"; else stat -c %F "$1" 2>/dev/null || echo none; fi; }

# What a state must give a file: "set" (the choice saved), "kept" (warned
# once, the file as it was), "late" (warned once while locked, the choice
# saved by the next start) or "whole" (killed: previous or new, never cut).
# outcome <state> <prefix>
outcome() {
  local own=""
  declare -F "$2_outcome" >/dev/null && own=$("$2_outcome" "$1")
  if [ -n "$own" ]; then echo "$own"; return; fi
  case $1 in
    missing | empty | garbage | link-file | locked) echo set ;;
    killed) echo whole ;;
    *) echo kept ;;
  esac
}

# A lock another process holds on the file for as long as the case runs.
lock() {  # file prefix
  if declare -F "$2_lock" >/dev/null; then
    "$2_lock" "$1"
  else
    (exec 9<"$1" && flock 9 && exec sleep 600) >/dev/null 2>&1 &
    holder="$holder $!"
  fi
}
unlock() {
  if [ -n "$holder" ]; then kill $holder 2>/dev/null || true; wait $holder 2>/dev/null || true; holder=""; fi
  exec 8>&-
}

# start_game: starts the program in the case's environment and waits for its window.
start_game() {
  (cd "$case" && exec env HOME="$case" XDG_CONFIG_HOME="$case/config" XDG_DATA_HOME="$case/data" \
     XDG_RUNTIME_DIR="$case/runtime" SDL_AUDIODRIVER=dummy "${as_player[@]}" \
     "$work/program/tolmora" --board-number "$board" >>"$log" 2>&1) &
  game_pid=$!
  window=$(wait_for_window '^Tolmora$' 10) || fail "$row: no window within 10 s"
  xdotool windowfocus --sync "$window"
}

# The player's choices, one for each file, in the rows' order.
choose() {
  local entry name folder check
  for entry in "${files[@]}"; do
    read -r name check folder <<<"$entry"
    "${check}_choose" "$case/$folder/Tolmora/$name"
  done
}

start_xvfb
for state in "${states[@]}"; do
  case="$work/$state"
  log="$case.log"
  : >"$log"
  played=0
  named=""
  mkdir -p "$case/config/Tolmora" "$case/data/Tolmora" "$case/runtime"
  chmod 700 "$case/runtime"
  declare -A before=()
  for entry in "${files[@]}"; do
    read -r name check folder <<<"$entry"
    make_state "$state" "$case/$folder/Tolmora/$name" "$check"
    before[$name]=$(digest "$case/$folder/Tolmora/$name")
  done
  chown -hR "$player" "$case"
  [ "$state" = read-only-folder ] && chmod 555 "$case/config/Tolmora" "$case/data/Tolmora"
  if [ "$state" = locked ]; then
    for entry in "${files[@]}"; do
      read -r name check folder <<<"$entry"
      lock "$case/$folder/Tolmora/$name" "$check"
    done
  fi
  row=$state
  start_game
  if [ "$state" = killed ]; then
    # SIGKILL in the first tens of milliseconds of each write: right after
    # the choices (F7 writes the preferences at once, the name has just gone
    # to the history; in the second round the name prompt is still open,
    # so the game has just gone there), and as SIGTERM starts the write of
    # the settings. Each start after a kill reads what the kill left, and
    # the last one brings every game into the history.
    for round in 1 2 3; do
      [ "$round" -eq 2 ] && leave_prompt=1
      choose
      leave_prompt=""
      sleep "0.0$((RANDOM % 10))"
      kill -KILL "$game_pid"
      wait "$game_pid" 2>/dev/null || true
      start_game
      choose
      sleep 0.3
      kill -TERM "$game_pid"
      sleep "0.0$((RANDOM % 10))"
      kill -KILL "$game_pid" 2>/dev/null || true
      wait "$game_pid" 2>/dev/null || true
      start_game
    done
  else
    choose
    sleep 0.3
  fi
  end_with_signal "$game_pid" TERM "$state" >/dev/null
  game_pid=""
  unlock
  chmod 755 "$case/config/Tolmora" "$case/data/Tolmora"
  for entry in "${files[@]}"; do
    read -r name check folder <<<"$entry"
    file="$case/$folder/Tolmora/$name"
    case $(outcome "$state" "$check") in
      late)
        # The next start, with the lock gone, writes what waited.
        start_game
        end_with_signal "$game_pid" TERM "$state, unlocked" >/dev/null
        game_pid=""
        "${check}_saved" "$file" || fail "$state: $name does not hold the choice once unlocked" ;;
      set)
        "${check}_saved" "$file" || fail "$state: $name does not hold the choice" ;;
      kept)
        [ "$(digest "$file")" = "${before[$name]}" ] || fail "$state: $name was changed"
        ! declare -F "${check}_kept" >/dev/null || "${check}_kept" "$file" ||
          fail "$state: the choice for $name was lost" ;;
      whole)
        "${check}_whole" "$file" "${before[$name]}" || fail "$state: $name is not whole" ;;
    esac
  done
  # Told once for each file that could not be written: a warning names the
  # file, the one its link leads to, or the history.
  warned=$(grep -c "could not write\|history is unavailable" "$log" || true)
  expected=0
  for entry in "${files[@]}"; do
    read -r name check folder <<<"$entry"
    case $(outcome "$state" "$check") in kept | late) expected=$((expected + 1)) ;; esac
  done
  [ "$state" = killed ] || [ "$warned" -eq "$expected" ] ||
    fail "$state: $warned warnings for $expected files that could not be written"
  echo "$state: $(for entry in "${files[@]}"; do read -r name check _ <<<"$entry"; echo -n "$name $(outcome "$state" "$check"), "; done)"
done
