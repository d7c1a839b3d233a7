#!/usr/bin/env bash
# A league of one's own on the installed programs: four invented clubs of 22 players from
# CSV and the calendar of 2025 built into the user's folder and checked; the installed game
# started there registers a manager for the third club. The team list, the squad on the
# tactics page (22 rows, not a demo squad of 25) and the log's date and file sources are
# checked; the shots stay in E2E_SHOTS when set.
# Usage: own_league_e2e.sh PREFIX (an installed tree)
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
prefix=$(cd "$1" && pwd) || exit 1
: "${DISPLAY:?a display is needed}"
work=$(mktemp -d /tmp/menajer_league.XXXXXX)
# shellcheck source=e2e_lib.sh
. "$here/e2e_lib.sh"
layout=$(setxkbmap -query | awk '/^layout:/{print $2}')
trap 'setxkbmap "$layout"; cleanup' EXIT
# How many characters of the bitmap font (10 pixels apart) a line starting at x spans.
chars() {
  local right
  right=$(python3 "$here/shot_text.py" span "$2" "$3" "$4" 290 16 | cut -d' ' -f2)
  echo $(((right - $3) / 10 + 1))
}

export HOME=$work/home XDG_DATA_HOME=$work/xdg
veri=$XDG_DATA_HOME/menajer/veri
mkdir -p "$HOME" "$veri/database" "$work/elsewhere"
python3 "$here/league_csv.py" "$work/players.csv" "$work/teams.csv" || fail "no CSV"
"$prefix/bin/menajer-odt" build "$work/players.csv" "$veri/database/oyuncu.odt" >/dev/null &&
  "$prefix/bin/menajer-odt" build "$work/teams.csv" "$veri/database/takim.tdt" >/dev/null &&
  "$prefix/bin/menajer-datagen" calendar 2025 "$veri/database/tarih.trh" ||
  fail "the league's files were not built"
"$prefix/bin/menajer-odt" check-set "$veri" >"$work/check.txt" ||
  fail "check-set: $(cat "$work/check.txt")"

cd "$work/elsewhere" || exit 1
"$prefix/bin/menajer" >"$work/stdout.txt" 2>"$work/stderr.txt" &
pid=$!
enter_game
cd "$XDG_DATA_HOME/menajer" || fail "no user folder"
click # "Oyun Seçenekleri"
jump 0 20
click # "Menajer Ekle"
type_text "Ayşe"
jump 262 190
click # "Soyad :"
type_text "Yılmaz"
jump -10 262
click # "Tamam"
jump 604 -336
click # the team list's star: its first two rows
sleep 0.3
list_top=$(shoot) || exit 1
jump 0 -14
xdotool mousedown 1 # the list's thumb dragged to the end: its last two rows
sleep "$beat"
jump 0 60
xdotool mouseup 1
sleep "$beat"
list_end=$(shoot) || exit 1
jump -200 -46
click # the first row shown: the third club
jump 156 516
click # "Tamam"
jump -572 -652
click # "Menajer Seçenekleri"
jump 0 106
click # "Taktik ve Antreman"
sleep 0.3
tactics=$(shoot) || exit 1
hold Escape
jump 0 232
click # the exit box's "Tamam"
wait_end
[ "$status" = 0 ] || fail "exit status ${status:-none} after Tamam"
if [ -n "${E2E_SHOTS:-}" ]; then
  cp "$list_top" "$E2E_SHOTS/league_list_top.tga"
  cp "$list_end" "$E2E_SHOTS/league_list_end.tga"
  cp "$tactics" "$E2E_SHOTS/league_tactics.tga"
fi

log=$XDG_DATA_HOME/menajer/rav3d.htm
for line in "Veri dosyasi : $veri/database/oyuncu.odt" "Veri dosyasi : $veri/database/takim.tdt" \
  "Veri dosyasi : $veri/database/tarih.trh" "Oyun tarihi : 1/6/2025/Pazar"; do
  grep -qF "<p> $line </p>" "$log" || fail "the log lacks \"$line\""
done
# The list: "Kuzey Yıldızı" and "Deniz Fenerleri" first, "Dağ Kartalları" and "Ova Gücü" last.
rows="$(chars x "$list_top" 680 203) $(chars x "$list_top" 680 223)"
rows+=" $(chars x "$list_end" 680 203) $(chars x "$list_end" 680 223)"
[ "$rows" = "13 15 14 8" ] || fail "the team list's rows are $rows characters long"
# The squad: 22 names, the first "Ali Yıldız", nothing below.
squad=$(python3 "$here/shot_text.py" lines "$tactics" 80 300 160 20 27)
[ "$squad" = 111111111111111111111100000 ] || fail "the squad column shows lines $squad"
first=$(chars x "$tactics" 80 145)
[ "$first" = 10 ] || fail "the squad's first name is $first characters long"
echo "own league e2e: four clubs listed, the third club's 22 players shown, 1/6/2025/Pazar"
