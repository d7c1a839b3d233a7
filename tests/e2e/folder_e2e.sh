#!/usr/bin/env bash
# The game copied with the demo veri/ into a folder of its own and started there with a fresh
# HOME: no message box, its log there names the 450 players, three quick F12 write three shots
# there and nothing goes into HOME. Then started from a folder without veri/: a message box
# comes before the start-up dialog, and the log in the user's folder names the folders looked in.
# Usage: folder_e2e.sh BIN_DIR RUN_DIR
# shellcheck source=e2e_lib.sh
. "$(dirname "$0")/e2e_lib.sh"
bin_dir=$(cd "$1" && pwd) || exit 1
run_dir=$(cd "$2" && pwd) || exit 1
: "${DISPLAY:?a display is needed}"
# A message box is drawn by a child process of the game: it goes with the game.
trap '[ -n "$pid" ] && kill -KILL $(ps -o pid= --ppid "$pid") 2>/dev/null; cleanup' EXIT
export HOME=$work/home
unset XDG_DATA_HOME
game_dir=$work/game
mkdir -p "$HOME" "$game_dir" "$work/empty"
cp "$bin_dir/menajer" "$game_dir/" && cp -r "$run_dir/veri" "$game_dir/" || fail "cannot copy"
rm -f "$game_dir"/veri/ekrang/*

cd "$game_dir" || exit 1
launch ./menajer
enter_game
for _ in 1 2 3; do xdotool key F12; done # quick presses, one shot each
for _ in $(seq 100); do [ -s veri/ekrang/ekrang2.tga ] && break; sleep 0.1; done
sleep "$beat"
terminate rav3d.htm
[ "$(shots | tr '\n' ' ')" = "$(printf 'veri/ekrang/ekrang%d.tga ' 0 1 2)" ] ||
  fail "F12 wrote: $(shots)"
grep -qF "<p> 450 oyuncu yuklendi </p>" rav3d.htm || fail "the log names no 450 players"
[ -z "$(find "$HOME" -mindepth 1)" ] || fail "the game wrote into HOME: $(find "$HOME")"

# The box is drawn by a child of the game's process, so it is found by its title.
cd "$work/empty" || exit 1
launch "$game_dir/menajer"
box=""
for _ in $(seq 150); do
  [ -z "$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null)" ] || fail "a window before the box"
  box=$(xwininfo -root -tree | awk '/ "Menajer": /{print $1; exit}')
  [ -n "$box" ] && break
  sleep 0.1
done
[ -n "$box" ] || fail "no message box"
log=$HOME/.local/share/menajer/rav3d.htm
for folder in "$work/share/menajer/veri" "$work/empty/veri" "$work/run/veri"; do
  grep -qF "<p> Bakilan klasor : $folder </p>" "$log" || fail "the log does not name $folder"
done
xdotool windowfocus "$box"; sleep 0.5; xdotool key Return
wait_window 150 not >/dev/null || fail "no start-up dialog after the box"
echo "folder e2e: the copied game read and wrote its own folder; without veri/ one box first"
