# Shell helpers for the tests that run the program under Wayland: a headless
# weston of the test's own, in a runtime folder of the test's own. The caller
# opens a scratch folder ($work) as with x11.sh, defines fail, and calls
# stop_weston before that folder goes.

# weston draws into memory with its CPU renderer, so no GPU or seat is
# needed; --debug lets weston-screenshooter and weston-debug in. It reads no
# weston.ini and never blanks the screen. Nothing of the caller's session
# reaches it, so it cannot open a window on a desktop around the test.
start_weston() {  # runtime folder (made here, mode 0700)
  weston_runtime=$1
  weston_socket=tolmora-$$
  mkdir -p "$weston_runtime" "$work/weston-home"
  chmod 700 "$weston_runtime"
  env -u DISPLAY -u WAYLAND_DISPLAY -u WAYLAND_SOCKET \
    XDG_RUNTIME_DIR="$weston_runtime" HOME="$work/weston-home" \
    weston --backend=headless-backend.so --use-pixman --width=1024 --height=768 \
      --debug --no-config --idle-time=0 --socket="$weston_socket" --log="$work/weston.log" \
      >"$work/weston.out" 2>&1 &
  weston_pid=$!
  for _ in $(seq 100); do
    [ -S "$weston_runtime/$weston_socket" ] && return 0
    kill -0 "$weston_pid" 2>/dev/null || break
    sleep 0.1
  done
  cat "$work/weston.out" "$work/weston.log" >&2 2>/dev/null || true
  fail "weston did not start"
}

# Runs a program as a client of our weston.
on_weston() {
  env -u DISPLAY XDG_RUNTIME_DIR="$weston_runtime" WAYLAND_DISPLAY="$weston_socket" "$@"
}

# Ends weston and waits for it; its own clients (the panel, the on-screen
# keyboard) go with it.
stop_weston() {
  [ -n "${weston_pid:-}" ] || return 0
  kill "$weston_pid" 2>/dev/null || true
  for _ in $(seq 50); do kill -0 "$weston_pid" 2>/dev/null || break; sleep 0.1; done
  kill -KILL "$weston_pid" 2>/dev/null || true
  wait "$weston_pid" 2>/dev/null || true
  weston_pid=""
}

# The processes still running in our runtime folder: weston, its clients and
# anything started on it, this shell aside. Prints "pid name" lines.
left_in_runtime() {
  local entry pid
  for entry in $(grep -lzxF "XDG_RUNTIME_DIR=$weston_runtime" /proc/[0-9]*/environ 2>/dev/null); do
    pid=${entry#/proc/}
    pid=${pid%/environ}
    [ "$pid" = "$$" ] || [ "$pid" = "$BASHPID" ] && continue
    echo "$pid $(cat "/proc/$pid/comm" 2>/dev/null)"
  done
}

# The top-level window titled $1 as weston has it: prints "app_id x y width
# height" from weston's scene graph, or nothing while there is none.
weston_toplevel() {  # title
  on_weston weston-debug scene-graph 2>/dev/null |
    awk -v title="$1" '
      index($0, "top-level window '\''" title "'\'' of ") {
        app = $0
        sub(/.* of /, "", app)
        sub(/, 0x[0-9a-f]+\):$/, "", app)
        found = 1
        next
      }
      found && /position:/ {
        gsub(/[(),>-]/, " ")
        print app, $2, $3, $4 - $2, $5 - $3
        exit
      }'
}

# A picture of weston's whole output. weston-screenshooter names its file by
# the time, in the current folder, so it gets a folder of its own.
weston_screenshot() {  # output file
  local shots="$work/weston-shots" taken
  rm -rf "$shots"
  mkdir "$shots"
  (cd "$shots" && on_weston weston-screenshooter) || fail "weston-screenshooter failed"
  taken=("$shots"/*.png)
  [ -f "${taken[0]}" ] || fail "weston-screenshooter wrote no picture"
  mv "${taken[0]}" "$1"
}
