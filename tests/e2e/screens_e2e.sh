#!/usr/bin/env bash
# The real game on screens of other sizes, an Xvfb for each: --window on 1920 x 1080, then full
# screen on 1280 x 1024; the shrunk full screen is the platform GL test's.
# E2E_SHOTS=folder keeps the captures as PNGs.
# Usage: screens_e2e.sh BIN_DIR RUN_DIR
# shellcheck source=e2e_lib.sh
. "$(dirname "$0")/e2e_lib.sh"
bin_dir=$(cd "$1" && pwd) || exit 1
run_dir=$(cd "$2" && pwd) || exit 1
keep=$work/keep
mkdir "$keep"
check() { python3 "$here/frame_check.py" "$@" || exit 1; }
capture() {
  import -window root -depth 8 "ppm:$keep/$1.ppm" || fail "no capture of the screen"
  if [ -n "${E2E_SHOTS:-}" ]; then convert "$keep/$1.ppm" "$E2E_SHOTS/$1.png"; fi
}
# The desktop point whose pixel centre lies in frame pixel ($1, $2) of rectangle ($3..$6).
to_screen() { echo "$(($3 + (2 * $1 + 1) * $5 / 2048)) $(($4 + (2 * $2 + 1) * $6 / 1536))"; }
# Game and exit box places (from the 1024 x 768 screen): the first header, "Kapat", "Tamam".
header="119 76" kapat="119 223" tamam="371 413"
reference=$keep/reference.tga

# --window on the 1920 x 1080 screen first: its 1024 x 768 client area draws the reference shot.
own_screen 1920x1080
start_game --window
point() { # the desktop pointer on frame pixel ($1, $2) of the window's frame rectangle ($3..$6)
  xdotool mousemove --window "$game" $(to_screen "$@")
  sleep "$beat"
}
point $header 0 0 1024 768
shot=$(shoot) && cp "$shot" "$reference" || exit 1
xdotool windowmove "$game" 0 0 windowsize "$game" 1600 900 # bars left and right
sleep "$beat"
point $header 200 0 1200 900
shot=$(shoot) && check same "$reference" "$shot" || exit 1 # the cursor line too
capture window && check shown "$keep/window.ppm" "$shot" 200 0 1200 900 0 0 1600 900
xdotool mousemove 1700 1000 # out of the window: the desktop pointer is not held
sleep "$beat"
[ "$(xdotool getmouselocation | cut -d' ' -f1-2)" = "x:1700 y:1000" ] || fail "the pointer is held"
# Clicks shorter than a frame (the 1920 x 1080 screen keeps frames slow) through the menu and
# the exit box.
for place in "$header" "$kapat" "$tamam"; do
  point $place 200 0 1200 900
  xdotool click 1
  sleep "$beat"
done
ended_well "the exit box in --window"

# Full screen on 1280 x 1024, the frame in rectangle 0 32 1280 960: its shot is the reference's,
# the capture shows it scaled, and a click on the first header opens its menu.
own_screen 1280x1024
game_size="1280 1024"
read -r header_x header_y <<<"$(to_screen $header 0 32 1280 960)"
rm -rf "$work/veri/ekrang"
start_game
start=$(shoot) && check same "$reference" "$start" || exit 1
capture full && check shown "$keep/full.ppm" "$start" 0 32 1280 960
click
# The shot shows the cursor on the first header, so any change the click makes is its menu.
menu=$(shoot) || exit 1
! python3 "$here/frame_check.py" same "$start" "$menu" 2>/dev/null ||
  fail "the click changed nothing"
terminate rav3d.htm
echo "screens e2e: --window rescaled, pointer mapped, quick clicks; full screen with bars"
