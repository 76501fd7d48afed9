# Shell helpers for the tests that run the built program. The caller defines
# fail and clears its own record of the process id afterwards.

# end_with_signal <pid> <signal> <what>: the program must end within a second
# of the signal, with status 0.
end_with_signal() {
  local status=0
  kill "-$2" "$1"
  for _ in $(seq 10); do kill -0 "$1" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$1" 2>/dev/null; then fail "$3: SIG$2 did not end the program within 1 s"; fi
  wait "$1" || status=$?
  [ "$status" -eq 0 ] || fail "$3: SIG$2 ended the program with status $status"
}
