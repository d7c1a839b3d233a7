#!/usr/bin/env bash
# The real game on screens of other sizes, each an Xvfb of its own. First --window on the
# 1920 x 1080 screen: a 1024 x 768 client area whose F12 shot is the reference (drawn as on a
# 1024 x 768 screen), rescaled when resized to 1600 x 900, the pointer free and mapped into the
# frame, the exit box ending the game. Then full screen on 1920 x 1080, 1280 x 1024 and
# 800 x 600: the frame in the largest centred 4:3 rectangle with black around it, the F12 shot
# the reference's, and a click on the first header opening its menu. With E2E_SHOTS set to a
# folder the screen captures are kept there as PNGs.
# Usage: screens_e2e.sh BIN_DIR RUN_DIR
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bin_dir=$(cd "$1" && pwd) || exit 1
run_dir=$(cd "$2" && pwd) || exit 1
work=$(mktemp -d /tmp/menajer_screens.XXXXXX)
keep=$(mktemp -d /tmp/menajer_screens_keep.XXXXXX)
# shellcheck source=e2e_lib.sh
. "$here/e2e_lib.sh"
. "$here/../../scripts/xvfb.sh"
trap 'cleanup; [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null; rm -rf "$keep"' EXIT
check() { python3 "$here/frame_check.py" "$@" || exit 1; }
capture() {
  import -window root -depth 8 "ppm:$keep/$1.ppm" || fail "no capture of the screen"
  if [ -n "${E2E_SHOTS:-}" ]; then convert "$keep/$1.ppm" "$E2E_SHOTS/$1.png"; fi
}
# The desktop point whose pixel centre lies in frame pixel ($1, $2) of rectangle ($3..$6).
to_screen() { echo "$(($3 + (2 * $1 + 1) * $5 / 2048)) $(($4 + (2 * $2 + 1) * $6 / 1536))"; }
# Game and exit box places (from the 1024 x 768 screen): the first header, "Kapat", "Tamam".
# Shrunk to 800 x 600, no screen pixel's centre falls in frame row 75: the header's row is 76.
header="119 76" kapat="119 223" tamam="371 413"
reference=$keep/reference.tga

# One full-screen run on screen $1 (WxH) with the frame rectangle $2..$5.
screen_run() {
  local size=$1 rect=("${@:2}")
  game_size="${size/x/ }"
  read -r header_x header_y <<<"$(to_screen $header "${rect[@]}")"
  rm -rf "$work/veri/ekrang"
  start_game
  local start menu
  start=$(shoot) || exit 1
  cp "$start" "$keep/$size.tga"
  capture "$size"
  check shown "$keep/$size.ppm" "$start" "${rect[@]}" >/dev/null
  check same "$reference" "$start"
  click
  menu=$(shoot) || exit 1
  [ "$(area_difference "$start" "$menu" 0 90 238 140)" -gt 20 ] &&
    [ "$(area_difference "$start" "$menu" 300 450 600 200)" -lt 5 ] ||
    fail "$size: the header's click did not open its menu alone"
  kill -TERM "$pid"
  wait_end
  [ "${status:-}" = 0 ] || fail "$size: status ${status:-none} after SIGTERM"
}

new_screen() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  start_xvfb "$1" || fail "no Xvfb of $1"
  export DISPLAY=$display
}

xvfb_pid=""
new_screen 1920x1080
game_size="1024 768"
start_game --window
point() { # frame pixel ($1, $2) in the window's frame rectangle ($3..$6)
  xdotool mousemove --window "$game" $(to_screen "$1" "$2" "${@:3}")
  sleep "$beat"
}
point $header 0 0 1024 768
shot=$(shoot) || exit 1
cp "$shot" "$reference"
xdotool windowmove "$game" 0 0 windowsize "$game" 1600 900
sleep "$beat"
[ "$(size_of "$game")" = "1600 900" ] || fail "the window was not resized: $(size_of "$game")"
point $header 200 0 1200 900
shot=$(shoot) || exit 1
check same "$reference" "$shot" # the cursor line too: "mx : 119 my : 76"
capture window
check shown "$keep/window.ppm" "$shot" 200 0 1200 900 0 0 1600 900 >/dev/null
# The desktop pointer leaves the window freely.
xdotool mousemove 1700 1000
sleep "$beat"
[ "$(xdotool getmouselocation | cut -d' ' -f1-2)" = "x:1700 y:1000" ] || fail "the pointer is held"
point $header 200 0 1200 900
click
point $kapat 200 0 1200 900
click
point $tamam 200 0 1200 900
click
wait_end
[ "${status:-}" = 0 ] || fail "--window: status ${status:-none} after the exit box"

screen_run 1920x1080 240 0 1440 1080
for screen in "1280x1024 0 32 1280 960" "800x600 0 0 800 600"; do
  read -r size x y w h <<<"$screen"
  new_screen "$size"
  screen_run "$size" "$x" "$y" "$w" "$h"
done
echo "e2e: --window rescaled to 1600x900 with the pointer mapped, ended by the exit box; full" \
  "screen on 1920x1080, 1280x1024 and 800x600 shows the frame in its rectangle with the" \
  "1024x768 window's shot, and the header's click opens its menu"
