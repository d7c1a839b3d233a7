#!/usr/bin/env bash
# The real game under the given X display: Enter on the start-up dialog, the game window
# at 1024 x 768, one screenshot of the start page for a held F12, the first menu opened by
# mouse and shot, quitting through "Kapat" and the exit box's "Tamam" with exit status 0,
# then SIGTERM on a second run, and a complete "rav3d.htm". It runs in a copy of the run
# folder, so it leaves no files behind.
# Usage: menajer_e2e.sh BIN_DIR RUN_DIR
set -uo pipefail
bin_dir=$(cd "$1" && pwd) || exit 1
run_dir=$(cd "$2" && pwd) || exit 1
: "${DISPLAY:?a display is needed}"

work=$(mktemp -d /tmp/menajer_e2e.XXXXXX)
pid=""
cleanup() {
  [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null && kill -KILL "$pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "e2e: $*" >&2; exit 1; }

# Width and height of a window, as "W H".
size_of() { xwininfo -id "$1" 2>/dev/null | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w, h}'; }

# Waits up to $1 tenths of a second for a visible window of the game whose size test
# ($2: "is" or "not") matches 1024 x 768; prints its id.
wait_window() {
  local tries=$1 want=$2
  for _ in $(seq "$tries"); do
    kill -0 "$pid" 2>/dev/null || return 1
    for id in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
      local size
      size=$(size_of "$id")
      if { [ "$want" = is ] && [ "$size" = "1024 768" ]; } ||
         { [ "$want" = not ] && [ -n "$size" ] && [ "$size" != "1024 768" ]; }; then
        echo "$id"
        return 0
      fi
    done
    sleep 0.1
  done
  return 1
}

cp -r "$run_dir"/. "$work"/ || fail "cannot copy $run_dir"
cd "$work" || exit 1

# The game's pointer starts where the system's is when its input opens and then follows the
# mouse's motion, doubled for any move above 6 pixels between two polls: a single relative
# move of d lands the game's pointer 2d further. Every move below is one such jump.
header_x=119 header_y=75 # the middle of "Oyun Seçenekleri"
jump() { xdotool mousemove_relative -- "$(($1 / 2))" "$(($2 / 2))"; sleep 0.5; }
# A press and a release far enough apart for a poll to see each.
click() { xdotool mousedown 1; sleep 0.4; xdotool mouseup 1; sleep 0.6; }

start_game() {
  "$bin_dir/menajer" >"$work/stdout.txt" 2>"$work/stderr.txt" &
  pid=$!

  dialog=$(wait_window 150 not) ||
    fail "the start-up dialog did not appear ($(kill -0 "$pid" 2>/dev/null && echo running ||
      echo ended); stderr: $(cat "$work/stderr.txt"); windows: $(xdotool search --pid "$pid" 2>/dev/null))"
  # The dialog takes keys once it holds the focus; a key sent before that is lost, so Enter
  # is pressed again until the game window shows.
  game=""
  for _ in $(seq 10); do
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$dialog" ] || xdotool windowfocus "$dialog" 2>/dev/null
    xdotool mousemove "$header_x" "$header_y"
    sleep 0.5
    xdotool key Return
    game=$(wait_window 30 is) && break
  done
  [ -n "$game" ] || fail "no 1024 x 768 game window (stderr: $(cat "$work/stderr.txt"))"
  read -r width height <<<"$(size_of "$game")"
  [ "$width" = 1024 ] && [ "$height" = 768 ] || fail "game window is $width x $height"

  # Let a few frames run; any other window now is a message box nobody expected.
  sleep 1
  if box=$(wait_window 5 not); then
    fail "unexpected message box \"$(xdotool getwindowname "$box")\""
  fi
  [ "$(xdotool getwindowfocus 2>/dev/null)" = "$game" ] || xdotool windowfocus "$game" 2>/dev/null
}

# Waits up to 15 s for the game to end; sets status.
wait_end() {
  status=""
  for _ in $(seq 150); do
    if ! kill -0 "$pid" 2>/dev/null; then
      wait "$pid"
      status=$?
      break
    fi
    sleep 0.1
  done
  pid=""
}

# How much the area (x, y, w, h; top-down) differs between two screenshots: the mean
# absolute difference of its bytes.
area_difference() {
  python3 - "$1" "$2" "$3" "$4" "$5" "$6" <<'PY'
import sys
a, b = (open(f, "rb").read()[18:] for f in sys.argv[1:3])
x, y, w, h = map(int, sys.argv[3:7])
total = 0
for row in range(768 - y - h, 768 - y):
    start = (row * 1024 + x) * 3
    total += sum(abs(p - q) for p, q in zip(a[start:start + w * 3], b[start:start + w * 3]))
print(total // (w * h * 3))
PY
}

start_game

# Holding F12 for many frames writes one screenshot, not one per frame.
shots() { find veri/ekrang -name 'ekrang*.tga' | sort; }
before=$(shots)
xdotool keydown F12
sleep 0.5
xdotool keyup F12
for _ in $(seq 50); do
  [ "$(shots)" != "$before" ] && break
  sleep 0.1
done
sleep 0.3
new_shots=$(comm -13 <(echo "$before") <(shots))
count=$(grep -c . <<<"$new_shots")
[ "$count" -eq 1 ] || fail "a held F12 wrote $count screenshots"
[ "$(stat -c %s "$new_shots")" -eq $((18 + 1024 * 768 * 3)) ] || fail "$new_shots is incomplete"
start_shot=$new_shots

# A click on the first header opens its drop-down menu below it.
click
before=$(shots)
xdotool keydown F12
sleep 0.4
xdotool keyup F12
for _ in $(seq 50); do
  [ "$(shots)" != "$before" ] && break
  sleep 0.1
done
sleep 0.3
menu_shot=$(comm -13 <(echo "$before") <(shots))
[ -n "$menu_shot" ] || fail "no screenshot of the open menu"
menu=$(area_difference "$start_shot" "$menu_shot" 0 90 238 140)
rest=$(area_difference "$start_shot" "$menu_shot" 300 450 600 200)
[ "$menu" -gt 20 ] && [ "$rest" -lt 5 ] ||
  fail "the menu area changed by $menu and the rest by $rest after the header click"

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
[ "$status" -eq 0 ] || fail "exit status $status"

[ -f rav3d.htm ] || fail "no rav3d.htm"
[ "$(head -n 1 rav3d.htm)" = "<html>" ] || fail "rav3d.htm does not start with <html>"
[ "$(tail -n 1 rav3d.htm)" = "</html>" ] || fail "rav3d.htm does not end with </html>"
grep -q "Ekran Kartiniz Multitexture u destekliyor!" rav3d.htm || fail "no multitexture line"
echo "e2e: game window ${width}x${height}, one screenshot, menu opened by mouse (area changed by $menu)," \
  "quit through the exit box and by SIGTERM with status 0, rav3d.htm complete"
