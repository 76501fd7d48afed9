#!/usr/bin/env bash
# Every option and every mistake is answered without a display: the help,
# the version and the toolkit's options' help end with 0, a malformed line
# with 2 and the usage hint, and none of them waits for a window system.
# Usage: command_line.sh path/to/tolmora
set -euo pipefail

program=$1
work=$(mktemp -d "${TMPDIR:-/tmp}/tolmora-cli-XXXXXX")
trap 'rm -rf "$work"' EXIT
failed=0
digits=$(printf '%10000s' '' | tr ' ' 9)

# <status> <text expected on stdout (0) or stderr (2)> <arguments...>
check() {
  local want=$1 text=$2 status=0
  shift 2
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$work" \
    timeout 10 "$program" "$@" >"$work/out" 2>"$work/err" || status=$?
  local said="$work/out"
  [ "$want" -eq 0 ] || said="$work/err"
  if [ "$status" -ne "$want" ] || ! grep -qF -- "$text" "$said" || [ "$(wc -c <"$work/err")" -gt 300 ] ||
     { [ "$want" -eq 2 ] && ! grep -qF "Try 'tolmora --help'" "$work/err"; }; then
    printf 'FAIL: tolmora %.60s: status %d, wanted %d with "%s"\n' "$*" "$status" "$want" "$text" >&2
    head -c 400 "$work/err" >&2
    failed=1
  fi
}

check 0 "--board-number <N>" --help
check 0 "--platform <platformName[:options]>" --help-all
check 0 "Tolmora " -platform xcb --version
check 2 "Unknown option 'bogus'" --bogus
check 2 "Unknown option '?'" -?
check 2 "is not a board number" --board-number "$digits"
check 2 "Missing value after '-platform'" --board-number 5 -platform
[ "$failed" -eq 0 ] && echo "PASS: every option and mistake answered without a display"
exit "$failed"
