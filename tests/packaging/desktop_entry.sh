#!/usr/bin/env bash
# The desktop entry through desktop-file-validate: anything it says fails,
# hints included.
# Debian 12's validator (desktop-file-utils 0.26) predates version 1.5 of the
# format and calls its SingleMainWindow key unknown; that one complaint is
# let through, later validators know the key.
# Usage: desktop_entry.sh <file.desktop>
set -euo pipefail
command -v desktop-file-validate >/dev/null ||
  { echo "missing tool: desktop-file-validate (scripts/deps.sh tests)" >&2; exit 1; }
report=$(desktop-file-validate "$1" 2>&1 | grep -v 'key "SingleMainWindow" in group "Desktop Entry", but keys extending' || true)
[ -z "$report" ] || { echo "$report" >&2; echo "FAIL: $1 does not validate" >&2; exit 1; }
echo "PASS: $1 validates"
