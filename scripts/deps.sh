#!/usr/bin/env bash
# Installs the Debian packages that the named set needs ("game", "tests", or
# "mutate" for scripts/mutate.py: the tests' and Ninja).
# As root it runs apt-get itself; otherwise it prints the exact command and fails.
set -euo pipefail

game_pkgs=(cmake g++ make pkg-config qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libqt6sql6-sqlite libsdl2-dev libgl-dev libfontconfig-dev fonts-dejavu-core)
test_pkgs=("${game_pkgs[@]}" libgtest-dev libgmock-dev libbenchmark-dev
           xvfb xdotool xclip imagemagick x11-utils sqlite3 clang libclang-rt-14-dev appstream lintian man-db
           python3 dbus-daemon weston qt6-wayland desktop-file-utils)
mutate_pkgs=("${test_pkgs[@]}" ninja-build)

case "${1:-game}" in
  game) wanted=("${game_pkgs[@]}") ;;
  tests) wanted=("${test_pkgs[@]}") ;;
  mutate) wanted=("${mutate_pkgs[@]}") ;;
  *) echo "usage: $0 game|tests|mutate" >&2; exit 2 ;;
esac

missing=()
for p in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${missing[@]}"
else
  echo "Missing packages. Run as root:" >&2
  echo "  sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi
