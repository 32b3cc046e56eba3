#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Solves one small puzzle in the real game from the keyboard alone: the arrow keys and Home
# move the keyboard cursor, Space selects the piece under it, Enter (and the keypad's Enter)
# swaps. Keys are sent by xdotool to the built program under an X server with a window
# manager; the mouse is never used.
#
#   play_by_keyboard.sh PROGRAM_FOLDER SHOTS_FOLDER
#
# PROGRAM_FOLDER is the folder of the built executable with its files; it is copied to a fresh
# folder. Run it inside an X server, e.g.
#   xvfb-run -a -s '-screen 0 1280x1024x24' tests/e2e/play_by_keyboard.sh build/src/app shots
# A screenshot of each step goes to SHOTS_FOLDER. KEEP_E2E_FOLDER=1 keeps the played folder.
set -euo pipefail

if [ $# -ne 2 ]; then
    echo "usage: $0 PROGRAM_FOLDER SHOTS_FOLDER" >&2
    exit 2
fi
program_dir=$(cd "$1" && pwd)
player="Kay Board"
picture=images/harbour-boats.jpg

. "$(dirname "$0")/x_session.sh"
x_session_begin "$2"
copy_program_folder "$program_dir"
[ -f "$game/$picture" ] || fail "the sample picture $picture is not in the program folder"
start_window_manager
start_game

# --- a new 2 x 2 Single puzzle, saved (Ctrl+S) to learn the board
start_puzzle "$picture"
saved="$work/board.sav"
learn_unsolved_board "$picture" "$saved"
log "board ${board_w}x${board_h}, $left to move"

# --- the cursor: hidden until a cursor key, then dashed white and black just inside the
# border pixels of its cell. Home shows it on the top-left cell; the screen must show it there.
# The board fills the main window's client area below the menu bar. xwininfo gives the
# client's own corner on the screen (xdotool's position counts the frame in).
eval "$(xdotool getwindowgeometry --shell "$main")"
window_info=$(xwininfo -id "$main")
board_x=$(awk '/Absolute upper-left X/ { print $NF }' <<<"$window_info")
board_y=$(($(awk '/Absolute upper-left Y/ { print $NF }' <<<"$window_info") + HEIGHT - board_h))
screen_pixel() { # screen_pixel X Y: the colour on screen as R,G,B
    import -silent -window root -crop "1x1+$1+$2" +repage \
        -format '%[fx:round(255*r)],%[fx:round(255*g)],%[fx:round(255*b)]' info:
}
cursor_shown_top_left() {
    [ "$(screen_pixel $((board_x + 1)) $((board_y + 1)))" = "255,255,255" ] &&
        [ "$(screen_pixel $((board_x + 5)) $((board_y + 1)))" = "0,0,0" ]
}
log "board's top-left corner on screen: ($board_x, $board_y)"
cursor_shown_top_left && fail "the cursor shows before any cursor key"
xdotool key Home
wait_for "the keyboard cursor on cell (1, 1)" 5 cursor_shown_top_left

swaps=0
first=1
for ((c = 1; c <= across; c++)); do
    for ((r = 1; r <= down; r++)); do
        [ "${piece_at[$c,$r]}" != "$c,$r" ] || continue
        for cell in "${!piece_at[@]}"; do
            [ "${piece_at[$cell]}" != "$c,$r" ] || target=$cell
        done
        log "Space on cell ($c, $r), Enter on cell ($target)"
        cursor_to "$c" "$r"
        xdotool key space
        cursor_to "${target%,*}" "${target#*,}"
        if [ "$first" = 1 ]; then
            sleep 0.3
            shot 03-keyboard-cursor # the selection outline, and the cursor on the swap's target
            first=0
            xdotool key Return
        else
            xdotool key KP_Enter
        fi
        piece_at[$target]=${piece_at[$c,$r]}
        piece_at[$c,$r]="$c,$r"
        swaps=$((swaps + 1))
        sleep 0.1
    done
done
log "solved in $swaps swaps"

# --- the Score window, the name entry and the Hall of Fame, all answered with keys
wait_for "window \"Score\" after the last swap" 10 active_is "Score"
sleep 0.2
shot 04-score
xdotool key Return
wait_for "name entry \"Hall of Fame\"" 10 active_is "Hall of Fame"
name_entry=$found
xdotool key ctrl+a
xdotool type "$player"
xdotool key Return
wait_for "window \"Hall of Fame\" after the name entry" 10 active_is "Hall of Fame" "$name_entry"
sleep 0.2
shot 04-hall-of-fame
xdotool key Return
wait_for "main window back in front after the Hall of Fame" 10 active_id_is "$main"
sleep 0.2
shot 05-solved-board
cursor_shown_top_left && fail "the cursor stays on the finished picture"

xdotool key ctrl+x
wait_for "end of the game after Ctrl+X" 15 game_exited
status=0
wait "$game_pid" || status=$?
game_pid=""
[ "$status" = 0 ] || fail "the game ended with status $status"

# --- the score: every key acted once, so the Hall of Fame holds the score of exactly these
# swaps: 30 for a 2 x 2 Single, less 3 a swap, plus 5 a piece put home by the player
[ -f "$game/tess.hof" ] || fail "no tess.hof in the program folder"
mapfile -t lines < <(tr -d '\r' <"$game/tess.hof")
[ "$(numbers 1)" = 1 ] || fail "tess.hof holds $(numbers 1) entries, not 1"
expected=$((30 - 3 * swaps + 5 * left))
[ "$(numbers 2)" = "$expected" ] || fail "Hall of Fame score $(numbers 2), expected $expected"
[ "${lines[5]}" = "\"$player\"" ] || fail "Hall of Fame name ${lines[5]}"
log "PASS: score $expected; screenshots in $shots"
