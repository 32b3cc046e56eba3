#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the pictures of the help page (assets/help/*.png) and the screenshot of the game in
# software centres (board-in-play.png, kept in packaging/screenshots/) from the real game: a
# saved game with a few pieces out of place is opened, and each window the page shows is
# photographed.
#
#   xvfb-run -a -s '-screen 0 1600x1200x24' packaging/help-screenshots.sh PROGRAM_FOLDER OUT
#
# PROGRAM_FOLDER is a built program folder (e.g. build/src/app); it is copied to a fresh
# folder first, so nothing of a player's own settings or Hall of Fame shows in the pictures.
# Needs openbox, xdotool and ImageMagick. The pictures are shrunk to keep the page light.
set -euo pipefail

[ $# -eq 2 ] || {
    echo "usage: $0 PROGRAM_FOLDER OUT_FOLDER" >&2
    exit 2
}
program_dir=$(cd "$1" && pwd)
mkdir -p "$2"
out=$(cd "$2" && pwd)
[ -n "${DISPLAY:-}" ] || {
    echo "no X display: run under xvfb-run" >&2
    exit 1
}

work=$(mktemp -d "${TMPDIR:-/tmp}/tessary-help.XXXXXX")
game="$work/game"
game_pid="" openbox_pid=""
cleanup() {
    local pid
    for pid in $game_pid $openbox_pid; do
        kill "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    import -window root "$out/failure.png" || true
    cat "$work/game.log" >&2 || true
    exit 1
}

wait_for() { # wait_for WHAT SECONDS COMMAND...
    local what=$1 end=$(($(date +%s) + $2))
    shift 2
    until "$@"; do
        [ "$(date +%s)" -lt "$end" ] || fail "no $what"
        sleep 0.1
    done
}

active_titled() { # active_titled TITLE [NOT_ID]: sets "found"
    local id
    id=$(xdotool getactivewindow 2>/dev/null) || return 1
    [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$1" ] || return 1
    [ "$id" != "${2:-}" ] || return 1
    found=$id
}

crlf() { sed 's/$/\r/'; }

# grab ID NAME [RESIZE [CROP]]: the window's own area, cut, shrunk and with fewer colours.
grab() {
    sleep 0.4
    import -window "$1" "$work/$2-full.png"
    local cut=()
    [ -z "${4:-}" ] || cut=(-crop "$4" +repage)
    convert "$work/$2-full.png" "${cut[@]}" -resize "${3:-100%}" -strip \
        -dither FloydSteinberg -colors 192 "PNG8:$out/$2.png"
    echo "$2.png: $(identify -format '%wx%h' "$out/$2.png"), $(stat -c %s "$out/$2.png") bytes"
}

# --- a fresh program folder with a player's settings, a Hall of Fame and a saved game
mkdir -p "$game" "$work/home"
for item in "$program_dir"/*; do
    case "$(basename "$item")" in
    CMakeFiles | *_autogen | *.cmake | Tessary.ini | tess.hof | *.sav) continue ;;
    esac
    cp -R "$item" "$game/"
done
picture="$game/images/harbour-boats.jpg"
[ -f "$picture" ] || fail "no sample picture $picture"

crlf >"$game/Tessary.ini" <<'EOF'
Ada
 6  4  1 
 0  1  5  5 
 0 
-1 
ada@example.org
Welcome to Tessary
 1 

Happy puzzling!
 0 
EOF

hof_entry() { printf ' %s \n %s \n 0 \n%-8.8s\n"%s"\n%s\n' "$@"; }
{
    echo " 5 "
    hof_entry 1412 96 "Harbour" "Ada" "14/05/2025"
    hof_entry 1187 64 "Glass" "Grace" "02/05/2025"
    hof_entry 946 48 "Sunset" "Alan" "28/04/2025"
    hof_entry 455 24 "Flowers" "Ada" "21/04/2025"
    hof_entry 172 12 "Mountain" "Edsger" "19/04/2025"
} | crlf >"$game/tess.hof"

# A 6 x 4 board of the harbour with eleven pieces away from home.
declare -A at
for ((c = 1; c <= 6; c++)); do
    for ((r = 1; r <= 4; r++)); do at[$c,$r]="$c $r"; done
done
swap() { local t=${at[$1]}; at[$1]=${at[$2]}; at[$2]=$t; }
swap 1,1 4,3
swap 2,2 5,1
swap 5,1 3,4
swap 6,4 1,3
swap 3,1 4,2
swap 5,3 6,2
saved="$work/harbour.sav"
{
    echo "Morvane-Tessary"
    echo "$picture"
    echo "$picture"
    echo
    echo
    echo
    echo "harbour-boats"
    echo " 6  4  0  1 "
    echo " 50  40 "
    echo " 170  192 "
    echo " 1024  768 "
    echo " 6  4 "
    echo " 1 "
    echo " 462 "
    echo " 11 "
    echo " 14 "
    echo " 11 "
    echo " 1 "
    echo " 0 "
    for ((c = 1; c <= 6; c++)); do
        for ((r = 1; r <= 4; r++)); do
            read -r x y <<<"${at[$c,$r]}"
            echo " $x "
            echo " $y "
        done
    done
} | crlf >"$saved"

export HOME="$work/home" XDG_RUNTIME_DIR="$work/home/runtime" SDL_AUDIODRIVER=dummy
export QT_QPA_PLATFORM=xcb
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset SESSION_MANAGER

openbox --sm-disable >"$work/openbox.log" 2>&1 &
openbox_pid=$!
wait_for "window manager" 10 xdotool search --class openbox >/dev/null
(cd "$game" && exec ./tessary) >"$work/game.log" 2>&1 &
game_pid=$!

# --- the About box at start-up
main=""
about_up() {
    active_titled Tessary || return 1
    about=$found
    main=$(xdotool search --onlyvisible --name '^Tessary$' | grep -v "^$about\$" | head -1)
    [ -n "$main" ]
}
wait_for "About box" 20 about_up
grab "$about" about
xdotool key Return
wait_for "main window" 10 active_titled Tessary "$about"
main=$found

# --- the saved game
xdotool key ctrl+o
wait_for "\"Open Existing Puzzle\"" 10 active_titled "Open Existing Puzzle"
xdotool type "$saved"
xdotool key Return
wait_for "main window after opening" 10 active_titled Tessary
sleep 1
# The toolbar: the game's narrow, tall window (its title is empty).
toolbar=""
for id in $(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    if [ "$HEIGHT" -gt 100 ] && [ "$WIDTH" -lt 80 ]; then toolbar=$id; fi
done
[ -n "$toolbar" ] || fail "no toolbar window"
eval "$(xdotool getwindowgeometry --shell "$main")"
main_x=$X main_y=$Y main_w=$WIDTH main_h=$HEIGHT
board_top=$((main_h - 768))

# Select the piece at column 2, row 2 (away from home). The close-ups show columns 1 and 2
# of rows 1 and 2 at full size: two pieces away from home, two at home.
xdotool mousemove --window "$main" $((170 + 85)) $((board_top + 192 + 96)) click 1
closeup="340x384+0+$board_top"
grab "$main" selected 100% "$closeup"
grab "$toolbar" toolbar
# The whole scene, shrunk: the main window in its frame and the toolbar beside it.
eval "$(xdotool getwindowgeometry --shell "$toolbar")"
right=$((X + WIDTH + 6))
bottom=$((Y + HEIGHT > main_y + main_h ? Y + HEIGHT + 6 : main_y + main_h + 6))
left=$((main_x - 6)) top=$((main_y - 46))
import -window root -crop "$((right - left))x$((bottom - top))+$left+$top" "$work/desk.png"
# The bare screen around the windows takes the help page's background colour.
convert "$work/desk.png" +repage -fill '#fff4e8' -draw "color $((right - left - 1)),$((bottom - top - 1)) floodfill" \
    -resize 50% -strip -dither FloydSteinberg -colors 192 "PNG8:$out/desktop.png"
# The same scene at full size and in full colour: the software centres' screenshot of the game
# (com.morvane.Tessary.metainfo.xml names its size).
convert "$work/desk.png" +repage -fill '#fff4e8' -draw "color $((right - left - 1)),$((bottom - top - 1)) floodfill" \
    -strip -dither FloydSteinberg -colors 256 "PNG8:$out/board-in-play.png"
echo "board-in-play.png: $(identify -format '%wx%h' "$out/board-in-play.png")"

# --- hints
xdotool key F2
grab "$main" hint-grid 100% "$closeup"
xdotool key F2 F5
grab "$main" hint-missing 100% "$closeup"
xdotool key Escape # any key takes the hatching away
xdotool key F6
grab "$main" hint-placed 100% "$closeup"
xdotool key Escape
xdotool key F4
grab "$toolbar" hint-small-image
xdotool key F4

# --- the keyboard cursor: Down shows it below the top-left cell, beside the selection
xdotool key Down
grab "$main" keyboard-cursor 100% "$closeup"

# --- score and Hall of Fame
xdotool key ctrl+p
wait_for "\"Score\"" 10 active_titled Score
grab "$found" score
xdotool key Return
wait_for "main window after the score" 10 active_titled Tessary
xdotool key ctrl+h
wait_for "\"Hall of Fame\"" 10 active_titled "Hall of Fame"
grab "$found" hall-of-fame
xdotool key Return
wait_for "main window after the Hall of Fame" 10 active_titled Tessary

# --- jukebox
xdotool key ctrl+j
wait_for "\"Jukebox\"" 10 active_titled Jukebox
grab "$found" jukebox
xdotool key Escape
wait_for "main window after the jukebox" 10 active_titled Tessary

# --- a new puzzle: the game in play is offered for saving first
xdotool key ctrl+n
wait_for "\"Save Game\"" 10 active_titled "Save Game"
xdotool key Escape
wait_for "new-puzzle dialog" 10 active_titled Tessary "$main"
grab "$found" new-puzzle
xdotool key Return
wait_for "\"Select Image\"" 10 active_titled "Select Image"
xdotool type "$picture"
xdotool key Return
wait_for "image chooser" 10 active_titled "Start New Puzzle"
grab "$found" image-chooser 75%
xdotool key Escape # Cancel: the game in play goes on
wait_for "main window after the chooser" 10 active_titled Tessary

# --- exit, declining to save
xdotool key ctrl+x
wait_for "\"Save Game\" at exit" 10 active_titled "Save Game"
xdotool key Escape
game_ended() { ! kill -0 "$game_pid" 2>/dev/null; }
wait_for "the end of the game" 15 game_ended
game_pid=""
echo "pictures in $out"
