#!/usr/bin/env bash
# The real game on a 1920 x 1080 screen of its own: unmapped for 5 s it draws nothing and uses
# next to no processor time, mapped again it shows the frame it showed; Alt+Enter puts it in a
# 1024 x 768 window with the same frame and the pointer still on its header, F11 back in full
# screen with the menu the click opened.
# Usage: window_e2e.sh BIN_DIR RUN_DIR
# shellcheck source=e2e_lib.sh
. "$(dirname "$0")/e2e_lib.sh"
bin_dir=$(cd "$1" && pwd) || exit 1
run_dir=$(cd "$2" && pwd) || exit 1
own_screen 1920x1080
same() { python3 "$here/frame_check.py" same "$1" "$2" || fail "$3"; }
focus() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$game" ] || xdotool windowfocus "$game"; }
# Processor time of the game so far, in clock ticks.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }

# Full screen: the frame in rectangle 240 0 1440 1080, the pointer on the first header.
game_size="1920 1080"
header_x=$((240 + (2 * 119 + 1) * 1440 / 2048)) header_y=$(((2 * 76 + 1) * 1080 / 1536))
start_game
before=$(shoot) || exit 1

# A tenth of one core at most: a game that draws on uses all of it.
xdotool windowunmap --sync "$game"
sleep 0.5
rest_from=$(cpu_ticks)
sleep 5
used=$(($(cpu_ticks) - rest_from))
limit=$(($(getconf CLK_TCK) / 2))
[ "$used" -le "$limit" ] || fail "unmapped for 5 s, the game used $used clock ticks (at most $limit)"
xdotool windowmap --sync "$game"
sleep "$beat"
focus
same "$before" "$(shoot)" "mapped again, the frame is not the one shown before"

# Alt+Enter: a window of the frame's size with the same frame, the desktop pointer on the
# cursor's pixel; a click there opens the header's menu.
xdotool key alt+Return
game_size="1024 768"
game=$(wait_window 100 is) || fail "Alt+Enter made no 1024 x 768 window"
sleep "$beat"
focus
same "$before" "$(shoot)" "in the window the frame is not the one shown full screen"
click
menu=$(shoot) || exit 1
! python3 "$here/frame_check.py" same "$before" "$menu" 2>/dev/null || fail "the click hit no header"

# F11: full screen again, the menu still open.
xdotool key F11
game_size="1920 1080"
game=$(wait_window 100 is) || fail "F11 did not bring full screen back"
sleep "$beat"
focus
same "$menu" "$(shoot)" "back in full screen the frame is not the window's"
terminate rav3d.htm
echo "window e2e: hidden at rest ($used ticks in 5 s), Alt+Enter and F11 keep the frame"
