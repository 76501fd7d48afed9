#!/usr/bin/env bash
# Builds the Debian package by the README's command in a scratch build folder
# and has lintian check it: any error or warning fails. The manual page must
# also format without a warning.
# Usage: scripts/deb-lint.sh [build folder]   (default: build-deb)
# CMAKE_CXX_COMPILER_LAUNCHER (for example ccache) is passed on when set.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-deb}
for tool in lintian dpkg-deb man; do
  command -v "$tool" >/dev/null || { echo "missing tool: $tool (scripts/deps.sh tests)" >&2; exit 1; }
done

launcher=()
[ -n "${CMAKE_CXX_COMPILER_LAUNCHER:-}" ] && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER="$CMAKE_CXX_COMPILER_LAUNCHER")
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DTOLMORA_BENCHMARKS=OFF \
  "${launcher[@]}" >/dev/null
rm -f "$build"/tolmora_*.deb
cmake --build "$build" -j"${TOLMORA_JOBS:-$(nproc)}" --target package >"$build/package.log" 2>&1 ||
  { cat "$build/package.log"; exit 1; }
debs=("$build"/tolmora_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: expected one package in $build" >&2; exit 1; }
deb=${debs[0]}
echo "package: $deb"

# lintian prints nothing for a clean package; info and pedantic notes are
# shown but do not fail.
lintian --display-info --fail-on error,warning "$deb"

# The manual page as installed, through man's own warnings.
page=$(mktemp -d "${TMPDIR:-/tmp}/tolmora-man-XXXXXX")
trap 'rm -rf "$page"' EXIT
dpkg-deb -x "$deb" "$page"
manual="$page/usr/share/man/man6/tolmora.6.gz"
[ -f "$manual" ] || { echo "FAIL: no manual page in the package" >&2; exit 1; }
warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$manual" 2>&1 >/dev/null)
[ -z "$warnings" ] || { echo "FAIL: the manual page has warnings:" >&2; echo "$warnings" >&2; exit 1; }
echo "lintian and man: clean"
