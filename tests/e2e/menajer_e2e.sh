#!/usr/bin/env bash
# The real game under the given X display, in a copy of the run folder: a held F12, the first
# menu by mouse, quitting through the exit box, then SIGTERM on a second run, each ending with
# status 0. With E2E_SHOTS set to a folder the screenshots are kept there.
# Usage: menajer_e2e.sh BIN_DIR RUN_DIR
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bin_dir=$(cd "$1" && pwd) || exit 1
run_dir=$(cd "$2" && pwd) || exit 1
: "${DISPLAY:?a display is needed}"
work=$(mktemp -d /tmp/menajer_e2e.XXXXXX)
# shellcheck source=e2e_lib.sh
. "$here/e2e_lib.sh"

start_game

# F12 held over many frames writes one screenshot, not one per frame.
start_shot=$(shoot) || exit 1

# A click on the first header opens its drop-down menu below it.
click
menu_shot=$(shoot) || exit 1
menu=$(area_difference "$start_shot" "$menu_shot" 0 90 238 140)
rest=$(area_difference "$start_shot" "$menu_shot" 300 450 600 200)
[ "$menu" -gt 20 ] && [ "$rest" -lt 5 ] ||
  fail "the menu area changed by $menu and the rest by $rest after the header click"
if [ -n "${E2E_SHOTS:-}" ]; then
  cp "$start_shot" "$E2E_SHOTS/start.tga" && cp "$menu_shot" "$E2E_SHOTS/menu.tga"
fi

# "Kapat", the seventh item, 21 pixels apart; then the exit box's "Tamam".
jump 0 148
click
jump 252 190
click
wait_end
[ -n "$status" ] || fail "the game did not end after the exit box's Tamam"
[ "$status" -eq 0 ] || fail "exit status $status after Tamam"

start_game
kill -TERM "$pid"
wait_end
[ -n "$status" ] || fail "the game did not end after SIGTERM"
[ "$status" -eq 0 ] || fail "exit status $status (stderr: $(tail -c 3000 "$work/stderr.txt"))"

[ -f rav3d.htm ] || fail "no rav3d.htm"
[ "$(head -n 1 rav3d.htm)" = "<html>" ] || fail "rav3d.htm does not start with <html>"
[ "$(tail -n 1 rav3d.htm)" = "</html>" ] || fail "rav3d.htm does not end with </html>"
grep -q "Ekran Kartiniz Multitexture u destekliyor!" rav3d.htm || fail "no multitexture line"
echo "e2e: one screenshot for a held F12, menu opened by mouse (area changed by $menu)," \
  "quit through the exit box and by SIGTERM with status 0, rav3d.htm complete"
