#!/usr/bin/env bash
# The real game under the given X display: Enter on the start-up dialog, the game window
# at 1024 x 768, one screenshot for a held F12, SIGTERM, exit status 0 and a complete
# "rav3d.htm". It runs in a copy of the run folder, so it leaves no files behind.
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

kill -TERM "$pid"
status=""
for _ in $(seq 150); do
  if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid"
    status=$?
    break
  fi
  sleep 0.1
done
[ -n "$status" ] || fail "the game did not end after SIGTERM"
pid=""
[ "$status" -eq 0 ] || fail "exit status $status (stderr: $(tail -c 3000 "$work/stderr.txt"))"

[ -f rav3d.htm ] || fail "no rav3d.htm"
[ "$(head -n 1 rav3d.htm)" = "<html>" ] || fail "rav3d.htm does not start with <html>"
[ "$(tail -n 1 rav3d.htm)" = "</html>" ] || fail "rav3d.htm does not end with </html>"
grep -q "Ekran Kartiniz Multitexture u destekliyor!" rav3d.htm || fail "no multitexture line"
echo "e2e: game window ${width}x${height}, one screenshot, exit status 0, rav3d.htm complete"
