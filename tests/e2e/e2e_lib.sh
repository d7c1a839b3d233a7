# Shared steps of the end-to-end runs, sourced first: sets here and work (removed at the end);
# defines pid, game, status. start_game needs bin_dir and run_dir.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d "/tmp/menajer_$(basename "$0" .sh).XXXXXX")

pid="" xvfb_pid=""
cleanup() {
  [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null && kill -KILL "$pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "e2e: $*" >&2; exit 1; }

# A screen of $1 (WxH) of the run's own for what starts next, in place of the one it had.
own_screen() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" && wait "$xvfb_pid" 2>/dev/null
  . "$here/../../scripts/xvfb.sh"
  start_xvfb "$1" || fail "no Xvfb of $1"
  export DISPLAY=$display
}

# Width and height of a window, as "W H".
size_of() { xwininfo -id "$1" 2>/dev/null | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w, h}'; }

# The game window's size: the screen's in full screen.
game_size=${game_size:-1024 768}

# Waits up to $1 tenths of a second for a visible window of the game whose size test
# ($2: "is" or "not") matches game_size; prints its id.
wait_window() {
  local tries=$1 want=$2
  for _ in $(seq "$tries"); do
    kill -0 "$pid" 2>/dev/null || return 1
    for id in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
      local size; size=$(size_of "$id")
      [ "$want" = is ] && [ "$size" = "$game_size" ] && { echo "$id"; return 0; }
      [ "$want" = not ] && [ -n "$size" ] && [ "$size" != "$game_size" ] && { echo "$id"; return 0; }
    done
    sleep 0.1
  done
  return 1
}

# The game doubles any move above 6 pixels between two polls, so each jump of (dx, dy) is one
# relative move of half, every component 0 or at least 14.
header_x=119 header_y=75 # the middle of "Oyun Seçenekleri"
jump() { xdotool mousemove_relative -- "$(($1 / 2))" "$(($2 / 2))"; sleep "$beat"; }
# Long enough for a poll even on a loaded machine; a press and a release each last one beat.
beat=${E2E_BEAT:-1}
click() { xdotool mousedown 1; sleep "$beat"; xdotool mouseup 1; sleep "$beat"; }

# Copies the run folder, starts the game in it (with the arguments given) and enters the game;
# sets pid and game.
start_game() {
  cp -r "$run_dir"/. "$work"/ || fail "cannot copy $run_dir"
  cd "$work" || exit 1
  launch "$bin_dir/menajer" "$@"
  enter_game
}
# Starts a program with its arguments in the background, its output in $work; sets pid.
launch() {
  "$@" >"$work/stdout.txt" 2>"$work/stderr.txt" &
  pid=$!
}

# Windows shown besides the game's ($1): a message box is drawn by a child process of the game,
# which the pid look-ups of wait_window do not see.
other_windows() {
  xwininfo -root -children | awk '/^ +0x/{print $1}' | while read -r id; do
    [ "$((id))" = "$(($1))" ] || ! xwininfo -id "$id" | grep -q IsViewable || echo "$id"
  done
}
# Confirms the start-up dialog of the game started as pid with Enter and waits for the
# game's window ($game_size) with the pointer on the first header; sets game.
enter_game() {
  local dialog
  dialog=$(wait_window 150 not) || fail "no start-up dialog (stderr: $(cat "$work/stderr.txt"))"
  # A key sent before the dialog holds the focus is lost: Enter again until the game shows.
  game=""
  for _ in $(seq 10); do
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$dialog" ] || xdotool windowfocus "$dialog" 2>/dev/null
    xdotool mousemove "$header_x" "$header_y"
    sleep 0.5
    xdotool key Return
    game=$(wait_window 30 is) && break
  done
  [ -n "$game" ] || fail "no $game_size game window (stderr: $(cat "$work/stderr.txt"))"

  # Let a few frames run; any other window now is a message box nobody expected.
  sleep 1
  [ -z "$(other_windows "$game")" ] || fail "a message box: $(xwininfo -root -tree | grep '"')"
  [ "$(xdotool getwindowfocus 2>/dev/null)" = "$game" ] || xdotool windowfocus "$game" 2>/dev/null
}

# Types on a Turkish layout, then puts back the caller's $layout (its EXIT trap does too).
type_text() {
  setxkbmap tr
  sleep 0.5
  xdotool type --delay 150 "$1"
  sleep 1
  setxkbmap "$layout"
}

# Waits up to 15 s for the game to end; sets status.
wait_end() {
  status=""
  for _ in $(seq 150); do
    kill -0 "$pid" 2>/dev/null || { wait "$pid"; status=$?; break; }
    sleep 0.1
  done
  pid=""
}
# wait_end, then fails unless the game ended with status 0 after $1.
ended_well() { wait_end; [ "$status" = 0 ] || fail "exit status ${status:-none} after $1"; }
# Ends the game with SIGTERM: status 0, and its log $1 complete.
terminate() {
  kill -TERM "$pid"
  ended_well SIGTERM
  [ "$(head -n 1 "$1")$(tail -n 1 "$1")" = "<html></html>" ] || fail "no complete log in $1"
}

shots() { find veri/ekrang -name 'ekrang*.tga' | sort; }
# F12 held until a screenshot appears and one beat longer: exactly one, whose path it prints.
shoot() {
  local before new
  before=$(shots)
  xdotool keydown F12
  for _ in $(seq 200); do
    [ "$(shots)" != "$before" ] && break
    sleep 0.1
  done
  sleep "$beat"
  xdotool keyup F12
  sleep "$beat"
  new=$(comm -13 <(echo "$before") <(shots))
  [ -n "$new" ] || fail "no screenshot for F12"
  [ "$(grep -c . <<<"$new")" -eq 1 ] || fail "a held F12 wrote $(grep -c . <<<"$new") screenshots"
  echo "$new"
}
