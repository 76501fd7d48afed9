# Shell helpers for the tests that run the built program. The caller defines
# fail and clears its own record of the process id afterwards.

# end_with_signal <pid> <signal> <what>: the program must end, with status
# 0, after the signal. It takes a few tens of milliseconds and prints how
# long; the 10 s limit only guards against a hang, so a loaded machine or a
# sanitizer build cannot make the test flaky.
end_with_signal() {
  local status=0 start
  start=$(date +%s%N)
  kill "-$2" "$1"
  for _ in $(seq 1000); do kill -0 "$1" 2>/dev/null || break; sleep 0.01; done
  if kill -0 "$1" 2>/dev/null; then fail "$3: SIG$2 did not end the program within 10 s"; fi
  echo "$3: SIG$2 ended the program in $((($(date +%s%N) - start) / 1000000)) ms"
  wait "$1" || status=$?
  [ "$status" -eq 0 ] || fail "$3: SIG$2 ended the program with status $status"
}

# wait_until_ready <pid>: waits (up to 20 s) until the program catches
# SIGTERM, so a quit signal sent from then on closes it the normal way
# instead of killing it while it still loads.
wait_until_ready() {
  local mask
  for _ in $(seq 200); do
    mask=$(sed -n 's/^SigCgt:[[:space:]]*//p' "/proc/$1/status" 2>/dev/null || true)
    [ -n "$mask" ] && (((16#$mask >> 14) & 1)) && return 0
    kill -0 "$1" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}
