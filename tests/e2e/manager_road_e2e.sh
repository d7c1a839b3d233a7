#!/usr/bin/env bash
# A new manager registered through the real game by keyboard and mouse, then the news and
# tactics pages, checked on screenshots (kept in E2E_SHOTS when set), and the exit box's Tamam;
# then a second run ended by SIGTERM.
# Usage: manager_road_e2e.sh BIN_DIR RUN_DIR
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bin_dir=$(cd "$1" && pwd) || exit 1
run_dir=$(cd "$2" && pwd) || exit 1
: "${DISPLAY:?a display is needed}"
work=$(mktemp -d /tmp/menajer_road.XXXXXX)
source "$here/e2e_lib.sh"
text() { python3 "$here/shot_text.py" "$@"; }
# On a Turkish layout no key is remapped for a moment, which the game could read too late.
layout=$(setxkbmap -query | awk '/^layout:/{print $2}')
trap 'setxkbmap "$layout"; cleanup' EXIT

start_game
click # "Oyun Seçenekleri"
jump 0 20
click # "Menajer Ekle"
type_text "Ayşe"
jump 262 190
click # "Soyad :"
type_text "Yılmaz"
jump 30 90
click # the month list opens
jump 0 60
click # its fourth row, "Nisan"
registration_shot=$(shoot) || exit 1
jump -40 112
click # "Tamam"
jump 604 -336
click # the team list's star
jump -200 20
click # its second row
jump 156 496
click # "Tamam": the completion step, then the news page
hold Down # the news under the date notice
news_shot=$(shoot) || exit 1
jump -572 -652
click # "Menajer Seçenekleri"
jump 0 106
click # "Taktik ve Antreman"
sleep 0.3
tactics_shot=$(shoot) || exit 1
hold Escape
jump 0 232
click # the exit box's "Tamam"
wait_end
[ -n "$status" ] || fail "the game did not end after the exit box's Tamam"
[ "$status" -eq 0 ] || fail "exit status $status after Tamam"

if [ -n "${E2E_SHOTS:-}" ]; then
  cp "$registration_shot" "$E2E_SHOTS/registration.tga"
  cp "$news_shot" "$E2E_SHOTS/news.tga"
  cp "$tactics_shot" "$E2E_SHOTS/tactics.tga"
fi

# Both names beside their buttons, about four and six characters wide.
read -r first_left first_right <<<"$(text span "$registration_shot" 440 250 200 20)"
read -r last_left last_right <<<"$(text span "$registration_shot" 440 280 200 20)"
first_width=$((first_right - first_left)) last_width=$((last_right - last_left))
[ "$first_left" -ge 0 ] && [ "$last_width" -gt "$first_width" ] ||
  fail "typed names span $first_width and $last_width pixels"
# The title: "ZIRVEGOL MENAJER 04/05" (22 characters), then "Ayşe Yılmaz" (11).
read -r left right <<<"$(text span "$registration_shot" 200 15 600 27)"
game_title=$((right - left))
read -r left right <<<"$(text span "$news_shot" 200 15 600 27)"
manager_title=$((right - left))
[ $((manager_title * 10)) -gt $((game_title * 3)) ] && [ $((manager_title * 10)) -lt $((game_title * 7)) ] ||
  fail "the title spans $game_title pixels before and $manager_title after the registration"
# The second club's news: lines 1, 3, 4, 7 and 8 written, 2, 5, 6 and 9 to 12 empty.
news_lines=$(text lines "$news_shot" 45 940 443 18 12)
[ "$news_lines" = 101100110000 ] || fail "the news panel shows lines $news_lines"
# The squad: 25 names in a column, nothing below.
squad_lines=$(text lines "$tactics_shot" 80 300 160 20 27)
[ "$squad_lines" = 111111111111111111111111100 ] || fail "the squad column shows lines $squad_lines"

# SIGTERM ends a second run as cleanly, its log closed.
start_game
kill -TERM "$pid"
wait_end
[ "${status:-none}" = 0 ] || fail "exit status ${status:-none} after SIGTERM: $(tail -c 3000 "$work/stderr.txt")"
[ "$(head -n 1 rav3d.htm)" = "<html>" ] && [ "$(tail -n 1 rav3d.htm)" = "</html>" ] ||
  fail "rav3d.htm is not complete after SIGTERM"

echo "e2e: registered by keyboard and mouse, title $game_title -> $manager_title pixels," \
  "news lines $news_lines, squad lines $squad_lines, quit with status 0, and after SIGTERM"
