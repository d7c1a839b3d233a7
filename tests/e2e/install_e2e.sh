#!/usr/bin/env bash
# The installed tree as a user meets it: desktop files, metadata, icons, manual pages and
# command lines; the game run from elsewhere with a fresh HOME writes its F12 shot and log into
# the user's folder only, the installed tree unchanged; a league of one's own on the tools.
# Usage: install_e2e.sh BUILD_DIR
# shellcheck source=e2e_lib.sh
. "$(dirname "$0")/e2e_lib.sh"
build=$(cd "$1" && pwd) || exit 1
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"

for id in com.zendor.Menajer com.zendor.Kadroed; do
  desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "$id.desktop"
  appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null ||
    fail "$(appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml")"
  for size in 16 22 24 32 48 64 128 256; do
    [ "$(file -b "$prefix/share/icons/hicolor/${size}x$size/apps/$id.png")" = \
      "PNG image data, $size x $size, 8-bit/color RGBA, non-interlaced" ] || fail "$id icon $size"
  done
done
for page in man6/menajer.6 man6/kadroed.6 man1/menajer-odt.1 man1/menajer-datagen.1; do
  lint=$(mandoc -T lint -W warning "$prefix/share/man/$page.gz" 2>&1) || fail "$page: $lint"
done
diff -r --exclude=ekrang --exclude=.gitkeep "$build/data/veri" "$prefix/share/menajer/veri" ||
  fail "the installed data set differs from the generated one"

for program in menajer kadroed menajer-odt menajer-datagen; do
  "$prefix/bin/$program" --help >"$work/out" 2>"$work/err" && [ -s "$work/out" ] && [ ! -s "$work/err" ] ||
    fail "$program --help"
  [ "$("$prefix/bin/$program" --version 2>&1)" = "$program 0.1.0" ] || fail "$program --version"
  "$prefix/bin/$program" --frob >"$work/out" 2>"$work/err"
  [ $? = 2 ] && [ ! -s "$work/out" ] && [ "$(wc -l <"$work/err")" = 1 ] ||
    fail "$program --frob: $(cat "$work/err")"
done

: "${DISPLAY:?a display is needed}"
listing() { (cd "$prefix" && find . -type f -printf '%p %s ' -exec sha256sum {} \; | sort); }
before=$(listing)
export HOME=$work/home
unset XDG_DATA_HOME
mkdir -p "$HOME" "$work/elsewhere"
cd "$work/elsewhere" || exit 1
launch "$prefix/bin/menajer"
enter_game
user=$HOME/.local/share/menajer
cd "$user" || fail "no user folder"
shoot >/dev/null || exit 1
terminate "$user/rav3d.htm" # the exit box is the league run's and the screens run's
written=$(cd "$HOME" && find . -type f | sort | tr '\n' ' ')
[ "$written" = "./.local/share/menajer/rav3d.htm ./.local/share/menajer/veri/ekrang/ekrang0.tga " ] ||
  fail "the game wrote: $written"
[ -z "$(ls -A "$work/elsewhere")" ] || fail "the game wrote into its working folder"

# The installed editor, driven by clicks at places inside each dialog (no window manager: the
# pointer's window gets the keys); editor is its pid.
# The id of the editor's visible window whose title starts with $1, once it shows.
shown() {
  local id
  for _ in $(seq 100); do
    for id in $(xdotool search --all --onlyvisible --pid "$editor" --name "^$1" 2>/dev/null); do
      [ "$(size_of "$id" | cut -d' ' -f1)" -gt 50 ] && { echo "$id"; return 0; }
    done
    sleep 0.1
  done
  fail "the editor shows no \"$1\" (stderr: $(cat "$work/kadroed.txt"))"
}
# Clicks at x y inside window $1.
at() {
  xdotool mousemove --window "$1" "$2" "$3"
  sleep 0.3
  xdotool click 1
  sleep 0.5
}
# Answers the window titled $1 (a message box: the program's name) with Return.
answer() {
  local id
  id=$(shown "$1") || exit 1
  xdotool mousemove --window "$id" 20 20
  sleep 0.5
  xdotool key Return
  for _ in $(seq 50); do xdotool getwindowname "$id" >/dev/null 2>&1 || break; sleep 0.1; done
}
# "Kaydet" in the club dialog $1, the offered file taken: replace it when $2 is "replace", save
# it, "Kayit yapildi!".
save_clubs() {
  at "$1" 138 206
  answer "Takim Database Kaydet"
  [ "${2:-}" = replace ] && answer kadroed
  answer kadroed
  answer kadroed
}
# Opens the club dialog from the main dialog through the league dialog; sets league.
open_clubs() {
  local main
  main=$(shown "Oyuncu bilgileri") || exit 1
  at "$main" 337 446 # "LIGLER"
  answer kadroed
  league=$(shown "Lig Bilgileri") || exit 1
  at "$league" 558 71 # "KULUPLER"
}
# "Kapat" of the club dialog $1, nothing unsaved: no question; "KULUPLER" again.
reopen_clubs() {
  local closed=""
  at "$1" 884 532
  for _ in $(seq 50); do
    xdotool getwindowname "$1" >/dev/null 2>&1 || { closed=1; break; }
    sleep 0.1
  done
  [ -n "$closed" ] || fail "the club dialog did not close: $(xdotool getwindowname "$1")"
  at "$league" 558 71
}
# Types $2 into "Kulup adi :" of the club dialog $1 and presses "Degistir".
rename_club() {
  at "$1" 300 37
  xdotool key ctrl+a type "$2"
  at "$1" 219 146
}
# One session of the editor in two rounds: the club dialog opens as "Kulup bilgileri : $1"; the
# first club renamed $2 and saved into the user's folder ($3: "replace" when the user's file is
# there already), the dialog closed and opened again on that file, the second club renamed $4,
# the rest of the arguments run as a command in the dialog $clubs, and saved. Sets pid (cleanup's
# to end) while the editor runs.
two_rounds() {
  "$prefix/bin/kadroed" >"$work/kadroed.txt" 2>&1 &
  pid=$!
  editor=$pid
  open_clubs
  clubs=$(shown "Kulup bilgileri : $1") || exit 1
  rename_club "$clubs" "$2"
  save_clubs "$clubs" "$3"
  [ -f "$folder/veri/database/takim.tdt" ] || fail "the first round was not saved"
  reopen_clubs "$clubs"
  clubs=$(shown "Kulup bilgileri : takim.tdt") || exit 1
  at "$clubs" 458 146 # ">>>>>>>>": the second club
  rename_club "$clubs" "$4"
  "${@:5}"
  save_clubs "$clubs" replace
  kill "$editor"
  wait "$editor" 2>/dev/null
  pid=""
}
# A user without files of his own: the installed demo file, named by its whole path; the user's
# own file is new.
folder=$user
two_rounds "$prefix/share/menajer/veri/database/takim.tdt" "Zonguldak Komurspor" "" "Bogazici Spor" :
"$prefix/bin/menajer-odt" dump "$user/veri/database/takim.tdt" | cut -d, -f1-2 | head -n 3 >"$work/demo_teams.csv"
[ "$(cat "$work/demo_teams.csv")" = "$(printf 'index,name\n0,Zonguldak Komurspor\n1,Bogazici Spor')" ] ||
  fail "the editor's two rounds saved: $(cat "$work/demo_teams.csv")"
[ "$(listing)" = "$before" ] || fail "the installed tree changed"

# A league of one's own, built from CSV into the user's folder by the installed tools, changed in
# two rounds in one session of the installed editor: the first club renamed and saved, the dialog
# closed and opened again, the second club renamed, given a new squad and saved. The game reads
# it, and a walk by keyboard and pointer through registration and team choice shows both names
# and that club's squad.
layout=$(setxkbmap -query | awk '/^layout:/{print $2}')
trap 'setxkbmap "$layout"; cleanup' EXIT

export XDG_DATA_HOME=$work/xdg
veri=$XDG_DATA_HOME/menajer/veri
mkdir -p "$veri/database"
# Four clubs of 22 generated players, built from CSV: the clubs' written here, the players' dumped.
names=("Kuzey Yıldızı" "Deniz Fenerleri" "Dağ Kartalları" "Ova Gücü")
echo "index,name,squad_size,squad" >"$work/teams.csv"
for c in 0 1 2 3; do
  echo "$c,${names[c]},22,$(seq -s ' ' $((c * 22)) $((c * 22 + 21)))" >>"$work/teams.csv"
done
"$prefix/bin/menajer-datagen" --players 88 "$work/generated.odt" &&
  "$prefix/bin/menajer-odt" dump "$work/generated.odt" >"$work/players.csv" &&
  "$prefix/bin/menajer-odt" build "$work/players.csv" "$veri/database/oyuncu.odt" >/dev/null &&
  "$prefix/bin/menajer-odt" build "$work/teams.csv" "$veri/database/takim.tdt" >/dev/null &&
  "$prefix/bin/menajer-datagen" calendar 2025 "$veri/database/tarih.trh" ||
  fail "the league's files were not built"

# The installed editor's two rounds on the user's own file, named by its name; the second club's
# first player taken out and the first club's first put in.
new_squad() {
  at "$clubs" 660 89  # the squad's first row
  at "$clubs" 794 371 # "Cikar"
  at "$clubs" 635 371 # "Oyuncu id:"
  xdotool type "0"
  at "$clubs" 720 371 # "Oyuncu Ekle"
  answer kadroed      # "... Kutup kulubunun kadrosunda!": Yes
}
folder=$XDG_DATA_HOME/menajer
two_rounds takim.tdt Kutup replace Kars new_squad
"$prefix/bin/menajer-odt" dump "$veri/database/takim.tdt" >"$work/teams_after.csv"
squad="$(seq -s ' ' 23 43) 0"
grep -qx "1,Kars,22,$squad" "$work/teams_after.csv" &&
  grep -qx "0,Kutup,21,$(seq -s ' ' 1 21)" "$work/teams_after.csv" ||
  fail "the editor saved: $(cat "$work/teams_after.csv")"
"$prefix/bin/menajer-odt" check-set "$veri" >"$work/check.txt" ||
  fail "check-set after the editor: $(cat "$work/check.txt")"

cd "$work/elsewhere" || exit 1
launch "$prefix/bin/menajer"
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
teams=$(shoot) || exit 1
jump -200 20
click # the second row: the second club
jump 156 496
click # "Tamam"
jump -572 -652
click # "Menajer Seçenekleri"
jump 0 106
click # "Taktik ve Antreman"
sleep 0.3
tactics=$(shoot) || exit 1
xdotool keydown Escape; sleep "$beat"; xdotool keyup Escape; sleep "$beat" # held for a poll
jump 0 232
click # the exit box's "Tamam"
ended_well Tamam

# The game read the league from the user's folder.
for line in "88 oyuncu yuklendi" "4 takim yuklendi" "Oyun tarihi : 1/6/2025/Pazar"; do
  grep -qF "<p> $line </p>" "$XDG_DATA_HOME/menajer/rav3d.htm" || fail "the log lacks \"$line\""
done
# Both rounds' names in the team list: "Kutup" and "Kars", far shorter than the names before.
for row in "0 203" "1 223"; do
  set -- $row
  width=$(python3 "$here/frame_check.py" ink "$teams" 678 280 "$2" 16)
  [ "$width" -gt 20 ] && [ "$width" -lt 100 ] || fail "the team list's row $1 is $width pixels wide"
done
# The second club's squad as the editor left it: 22 names, nothing below (the first club has 21).
squad=$(python3 "$here/frame_check.py" lines "$tactics" 80 300 160 20 27)
[ "$squad" = 111111111111111111111100000 ] || fail "the squad column shows lines $squad"
echo "install e2e: installed tree, options and the user's folder as expected; own league:" \
  "two rounds of club changes in one editor session, read and played, 1/6/2025/Pazar"
