#!/usr/bin/env bash
# Installs the build into a temporary prefix and runs the installed program
# the way a desktop user would: through the `tolmora` command on the PATH,
# from an unrelated folder, as a user who cannot write the program folder
# (nobody, when this runs as root). Checks that "Settings.log" goes to that
# user's configuration folder, that a second run reads it back (board size,
# game length, mute, the high-score table and an installed example theme),
# and that both example themes load from the installed copy.
# Usage: install_test.sh <build folder> <tolmora_theme_tests binary> [folder for screenshots]
set -euo pipefail
source "$(dirname "$0")/../support/x11.sh"

build=$1
theme_tests=$2
shots=${3:-}
for tool in Xvfb xdotool xprop import convert identify appstreamcli; do
  command -v "$tool" >/dev/null || { echo "missing tool: $tool" >&2; exit 1; }
done

open_scratch install
chmod 755 "$work"

fail() {
  echo "FAIL: $*" >&2
  [ -n "$shots" ] && [ -f "$work/shot.png" ] && cp "$work/shot.png" "$shots/install-failure.png"
  exit 1
}

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >"$work/install.log" || { cat "$work/install.log"; fail "install failed"; }
program_dir="$prefix/lib/games/tolmora"
command="$prefix/games/tolmora"

# The layout of a desktop program.
[ -x "$program_dir/tolmora" ] || fail "no program in $program_dir"
for link in "$command" "$program_dir/themes"; do
  [ -L "$link" ] || fail "$link is not a symbolic link"
  case "$(readlink "$link")" in /*) fail "$link points to an absolute path" ;; esac
done
[ "$(readlink -f "$command")" = "$(readlink -f "$program_dir/tolmora")" ] || fail "games/tolmora leads elsewhere"
[ "$(readlink -f "$program_dir/themes")" = "$(readlink -f "$prefix/share/games/tolmora/themes")" ] ||
  fail "the program's themes link leads elsewhere"
[ -f "$prefix/share/man/man6/tolmora.6.gz" ] || fail "no manual page"
for doc in copyright changelog.Debian.gz; do
  [ -f "$prefix/share/doc/tolmora/$doc" ] || fail "no $doc in share/doc/tolmora"
done
# One application id: the AppStream file's name and id, the desktop entry's
# name, and the entry the AppStream file launches.
metainfo=("$prefix"/share/metainfo/*.metainfo.xml)
[ ${#metainfo[@]} -eq 1 ] && [ -f "${metainfo[0]}" ] || fail "not one AppStream file: ${metainfo[*]}"
app_id=$(sed -n 's:^ *<id>\(.*\)</id>$:\1:p' "${metainfo[0]}")
[ "${metainfo[0]##*/}" = "$app_id.metainfo.xml" ] || fail "${metainfo[0]##*/} is not named after its id '$app_id'"
[ "$(ls "$prefix/share/applications")" = "$app_id.desktop" ] ||
  fail "share/applications holds '$(ls "$prefix/share/applications")', not $app_id.desktop"
grep -qF "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "${metainfo[0]}" ||
  fail "the AppStream file does not launch $app_id.desktop"
desktop="$prefix/share/applications/$app_id.desktop"
grep -qx 'Exec=tolmora' "$desktop" || fail "desktop entry does not start the tolmora command"
grep -qx 'Icon=tolmora' "$desktop" || fail "desktop entry names another icon"
for size in 16 22 24 32 48 64 128 256; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/tolmora.png"
  [ "$(identify -format '%wx%h' "$icon")" = "${size}x${size}" ] || fail "icon $icon is not ${size}x${size}"
done
appstreamcli validate --no-net "$prefix"/share/metainfo/*.metainfo.xml || fail "the metainfo file does not validate"
appstreamcli validate-tree --no-net "$prefix" || fail "the installed tree does not validate"
for theme in meadow midnight; do
  [ -f "$program_dir/themes/$theme/$theme.tlm" ] || fail "theme $theme is not installed"
done

# Both example themes, loaded from the installed copy, from any current folder.
TOLMORA_PROGRAM_DIR="$program_dir" "$theme_tests" --gtest_brief=1 >"$work/themes.log" 2>&1 ||
  { cat "$work/themes.log"; fail "the installed themes do not load fully"; }

# Who plays: nobody when we are root, otherwise ourselves with the installed
# tree made read-only.
home="$work/home"
runtime="$work/runtime"
elsewhere="$work/elsewhere"
mkdir -p "$home" "$runtime" "$elsewhere"
chmod 700 "$runtime"
if [ "$(id -u)" -eq 0 ]; then
  chown -R root:root "$prefix"
  chmod -R go-w "$prefix"
  chown nobody "$home" "$runtime"
  chmod 755 "$elsewhere"
  as_player=(setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups --)
else
  chmod -R a-w "$prefix"
  as_player=()
fi
if "${as_player[@]}" sh -c 'test -w "$1"' sh "$program_dir"; then
  fail "the player can write the program folder"
fi

# A sanitizer build's options reach the player too, with the leak
# suppressions copied where the player can read them.
lsan_options=${LSAN_OPTIONS:-}
if [[ $lsan_options =~ suppressions=([^:]+) ]]; then
  cp "${BASH_REMATCH[1]}" "$work/lsan.supp"
  lsan_options=${lsan_options/"${BASH_REMATCH[1]}"/$work/lsan.supp}
fi
sanitizer_env=()
for setting in "ASAN_OPTIONS=${ASAN_OPTIONS:-}" "UBSAN_OPTIONS=${UBSAN_OPTIONS:-}" "LSAN_OPTIONS=$lsan_options"; do
  if [ -n "${setting#*=}" ]; then sanitizer_env+=("$setting"); fi
done

start_xvfb

start_game() {  # current folder
  (cd "$1" && exec env -i PATH="$prefix/games:/usr/bin:/bin" HOME="$home" XDG_CONFIG_HOME="$home/.config" \
    XDG_CACHE_HOME="$home/.cache" XDG_RUNTIME_DIR="$runtime" DISPLAY="$DISPLAY" SDL_AUDIODRIVER=dummy \
    DBUS_SESSION_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS" "${sanitizer_env[@]}" \
    "${as_player[@]}" tolmora) >"$work/game.log" 2>&1 &
  game_pid=$!
}

wait_for_exit() {  # what closed it
  for _ in $(seq 100); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$game_pid" 2>/dev/null && fail "$1 did not close the program"
  wait "$game_pid" || { cat "$work/game.log"; fail "the program exited with status $?"; }
  game_pid=""
}

settings="$home/.config/Tolmora/Settings.log"

# First run: nothing to read, defaults written at exit, in the user's folder.
start_game /
main=$(wait_for_window '^Tolmora$' 20) || { cat "$work/game.log"; fail "the main window did not show"; }
sleep 0.5
# X11 desktops match the window to its entry by the class part of WM_CLASS.
wm_class=$(xprop -id "$main" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = "[^"]*", "\([^"]*\)"$/\1/p')
startup_class=$(sed -n 's/^StartupWMClass=//p' "$desktop")
[ -n "$wm_class" ] && [ "$wm_class" = "$startup_class" ] ||
  fail "the window's class is '$wm_class', the desktop entry's StartupWMClass '$startup_class'"
xdotool windowfocus --sync "$main"
xdotool key ctrl+x
wait_for_exit "Ctrl+X"
[ -f "$settings" ] || fail "no Settings.log in $home/.config/Tolmora: $(find "$work" -name Settings.log)"
[ -z "$(find "$prefix" -name Settings.log)" ] || fail "Settings.log was written into the installed tree"
mapfile -t line < <(tr -d '\r' <"$settings")
[ "${#line[@]}" -eq 25 ] || fail "the first Settings.log has ${#line[@]} lines"
[ "${line[*]:0:5}" = " 16 11 120 sound" ] || fail "the first run wrote '${line[*]:0:5}'"

# Second run: a chosen theme, board, length, mute and a high score, started
# from another folder and ended by SIGTERM; what it writes back is what it read.
midnight="$program_dir/themes/midnight/midnight.tlm"
{
  printf '%s\r\n7\r\n5\r\n90\r\nmute\r\nNobody\r\n4321\r\n' "$midnight"
  for _ in $(seq 9); do printf '\r\n0\r\n'; done
} >"$work/chosen.log"
cp "$work/chosen.log" "$settings"
[ "$(id -u)" -eq 0 ] && chown nobody "$settings"

start_game "$elsewhere"
main=$(wait_for_window '^Tolmora$' 20) || { cat "$work/game.log"; fail "the main window did not show again"; }
sleep 0.8
eval "$(xdotool getwindowgeometry --shell "$main")"
import -window root "$work/shot.png"
[ -n "$shots" ] && cp "$work/shot.png" "$shots/installed-midnight.png"
# Down the board's first column: the midnight gems' centres, never a built-in brick face.
column=$(convert "$work/shot.png" -crop "1x300+$((X + 2 + 16))+$Y" +repage txt:- |
         sed -n 's/^0,[0-9]*: ([^)]*) *#\([0-9A-F]\{6\}\).*/\1/p')
grep -qxE '3CF66C|3090FF|FFFC30|FF2454' <<<"$column" || fail "no midnight gem on the board"
! grep -qxE 'FF0000|00FF00|0000FF|FFFF00' <<<"$column" || fail "built-in bricks are showing"
kill -TERM "$game_pid"
wait_for_exit "SIGTERM"
cmp -s "$work/chosen.log" "$settings" || {
  diff <(tr -d '\r' <"$work/chosen.log") <(tr -d '\r' <"$settings") || true
  fail "the second run did not keep the settings it was given"
}
# A session bus and the desktop portal it starts leave these behind.
for trace in dbus-1 doc; do
  [ ! -e "$runtime/$trace" ] || fail "the program started a session bus ($runtime/$trace)"
done
echo "PASS: installed under $prefix, settings kept in the player's folder across runs"
