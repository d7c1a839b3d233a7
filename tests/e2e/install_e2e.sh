#!/usr/bin/env bash
# The installed tree as a user meets it: installed into a temporary prefix, its desktop
# files, metadata, manual pages and command lines checked, then the game started from an
# unrelated folder with a fresh HOME: an F12 shot and quitting through the exit box leave
# the shot and the log in the user's folder only, the installed tree unchanged; again with a
# file where the user's folder goes: one message box, a clean run, status 0.
# Usage: install_e2e.sh BUILD_DIR
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd) || exit 1
work=$(mktemp -d /tmp/menajer_install.XXXXXX)
# shellcheck source=e2e_lib.sh
. "$here/e2e_lib.sh"
# A message box outlives a killed game in a process of its own.
trap 'cleanup; for p in $(pgrep -f "^$work/"); do kill "$p"; done' EXIT
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"

for id in com.zendor.Menajer com.zendor.Kadroed; do
  desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "$id.desktop"
  appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null ||
    fail "$(appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml")"
  for size in 16 22 24 32 48 64 128 256; do
    [ "$(file -b "$prefix/share/icons/hicolor/${size}x$size/apps/$id.png")" = \
      "PNG image data, $size x $size, 8-bit/color RGBA, non-interlaced" ] || fail "$id icon $size"
  done
done
cmp -s "$prefix/share/icons/hicolor/48x48/apps/com.zendor.Menajer.png" \
  "$prefix/share/icons/hicolor/48x48/apps/com.zendor.Kadroed.png" && fail "the two icons are one"
for page in man6/menajer.6 man6/kadroed.6 man1/menajer-odt.1 man1/menajer-datagen.1; do
  lint=$(mandoc -T lint -W warning "$prefix/share/man/$page.gz" 2>&1) || fail "$page: $lint"
done
diff -r --exclude=ekrang --exclude=.gitkeep "$build/data/veri" "$prefix/share/menajer/veri" ||
  fail "the installed data set differs from the generated one"

for program in menajer kadroed menajer-odt menajer-datagen; do
  "$prefix/bin/$program" --help >"$work/out" 2>"$work/err" && [ -s "$work/out" ] && [ ! -s "$work/err" ] ||
    fail "$program --help"
  [ "$("$prefix/bin/$program" --version 2>&1)" = "$program 0.1.0" ] || fail "$program --version"
  "$prefix/bin/$program" --frob >"$work/out" 2>"$work/err"
  status=$?
  [ "$status" = 2 ] && [ ! -s "$work/out" ] && [ "$(wc -l <"$work/err")" = 1 ] ||
    fail "$program --frob: status $status, stderr $(cat "$work/err")"
done

: "${DISPLAY:?a display is needed}"
# Starts an installed editor without a file name; true when a message box (titled with the
# program's name) shows.
editor_complains() {
  HOME=$work/editor_home "$1" >/dev/null 2>"$work/kadroed.err" &
  pid=$!
  local complained=1 shown=0
  for _ in $(seq 200); do
    kill -0 "$pid" 2>/dev/null || fail "the editor ended ($(cat "$work/kadroed.err"))"
    # A box shown while loading comes before the main dialog.
    xdotool search --all --onlyvisible --pid "$pid" --name '^kadroed$' >/dev/null 2>&1 && complained=0 && break
    xdotool search --all --onlyvisible --pid "$pid" --name 'DATABASE' >/dev/null 2>&1 && shown=$((shown + 1))
    [ "$shown" -gt 10 ] && break
    sleep 0.1
  done
  [ "$complained" = 0 ] || [ "$shown" -gt 10 ] || fail "no editor window ($(cat "$work/kadroed.err"))"
  kill -KILL "$pid"
  wait "$pid" 2>/dev/null
  pid=""
  return $complained
}
# It opens the installed player file: a moved copy of the tree whose file is cut short
# complains at once, the intact tree does not.
cp -a "$prefix" "$work/moved"
head -c 100 "$prefix/share/menajer/veri/database/oyuncu.odt" >"$work/moved/share/menajer/veri/database/oyuncu.odt"
editor_complains "$work/moved/bin/kadroed" || fail "the editor did not open the moved tree's player file"
editor_complains "$prefix/bin/kadroed" && fail "the editor complained about the installed player file"
rm -rf "$work/moved"

listing() { (cd "$prefix" && find . -type f -printf '%p %s ' -exec sha256sum {} \; | sort); }
before=$(listing)
export HOME=$work/home
unset XDG_DATA_HOME
mkdir -p "$HOME" "$work/elsewhere"
cd "$work/elsewhere" || exit 1
"$prefix/bin/menajer" >"$work/stdout.txt" 2>"$work/stderr.txt" &
pid=$!
enter_game
user=$HOME/.local/share/menajer
cd "$user" || fail "no user folder"
shoot >/dev/null || exit 1
quit_through_menu
[ "$status" = 0 ] || fail "exit status $status after Tamam"
[ "$(tail -n 1 "$user/rav3d.htm")" = "</html>" ] || fail "no complete log in $user"
written=$(cd "$HOME" && find . -type f | sort | tr '\n' ' ')
[ "$written" = "./.local/share/menajer/rav3d.htm ./.local/share/menajer/veri/ekrang/ekrang0.tga " ] ||
  fail "the game wrote: $written"
[ -z "$(ls -A "$work/elsewhere")" ] || fail "the game wrote into its working folder"
[ "$(listing)" = "$before" ] || fail "the installed tree changed"

# A file where the user's folder goes: one message box (SDL gives it no pid), then the game,
# on a data set named with --data (the installed one moved away).
export XDG_DATA_HOME=$work/xdg
mkdir -p "$XDG_DATA_HOME"
echo blocker >"$XDG_DATA_HOME/menajer"
cd "$work/elsewhere" || exit 1
mv "$prefix/share/menajer/veri" "$work/veri"
"$prefix/bin/menajer" --data "$work/veri" >"$work/stdout.txt" 2>"$work/stderr.txt" &
pid=$!
# SDL shows the box from a child process, in a window without pid or class: found by its
# title in the window tree.
box_window() { xwininfo -root -tree | awk '/"Menajer": \(\)/ { print $1; exit }'; }
box=""
for _ in $(seq 150); do
  box=$(box_window) && [ -n "$box" ] && break
  sleep 0.1
done
[ -n "$box" ] || fail "no message box about the user's folder"
xdotool windowfocus "$box" 2>/dev/null
sleep 0.5
xdotool key Return
for _ in $(seq 50); do
  [ -z "$(box_window)" ] && break
  sleep 0.1
done
[ -z "$(box_window)" ] || fail "the message box stays"
enter_game
xdotool key F12
sleep "$beat"
quit_through_menu
[ "$status" = 0 ] || fail "exit status $status after Tamam without a user folder"
mv "$work/veri" "$prefix/share/menajer/veri"
[ "$(cat "$XDG_DATA_HOME/menajer")" = blocker ] || fail "the blocking file changed"
[ -z "$(ls -A "$work/elsewhere")" ] || fail "the game wrote into its working folder"
[ "$(cd "$HOME" && find . -type f | wc -l)" = 2 ] || fail "the game wrote into HOME"
[ "$(listing)" = "$before" ] || fail "the installed tree changed"
"$here/own_league_e2e.sh" "$prefix" || exit 1
echo "install e2e: installed tree, options, user folder and an unwritable one as expected"
