#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Off the straight road, in the real game under an X server with a window manager: a new
# puzzle given up by Esc and by the close box, saves into a folder nobody may write to (the
# game stays in play, the exit is called off), a new puzzle given up after the idle timer
# has hidden the board, and a SIGTERM (a logout) with a puzzle in play.
#
#   abandon_and_failures.sh PROGRAM_FOLDER SHOTS_FOLDER
#
# Run it inside an X server, e.g.
#   xvfb-run -a -s '-screen 0 1280x1024x24' tests/e2e/abandon_and_failures.sh build/src/app shots
# A screenshot of each step goes to SHOTS_FOLDER. KEEP_E2E_FOLDER=1 keeps the played folder.
set -euo pipefail

if [ $# -ne 2 ]; then
    echo "usage: $0 PROGRAM_FOLDER SHOTS_FOLDER" >&2
    exit 2
fi
program_dir=$(cd "$1" && pwd)
# shellcheck source-path=SCRIPTDIR source=x_session.sh
source "$(dirname "$0")/x_session.sh"
x_session_begin "$2"

# A folder nobody may write to, root included; always made writable again at the end.
locked="$work/locked"
mkdir "$locked"
chattr +i "$locked" || fail "chattr +i is not available here"
unlock_and_clean() {
    chattr -i "$locked" 2>/dev/null || true
    # A game left running is killed outright: on SIGTERM it would still be writing its files
    # while the folder is removed.
    if [ -n "$game_pid" ]; then
        kill -KILL "$game_pid" 2>/dev/null || true
        wait "$game_pid" 2>/dev/null || true
        game_pid=""
    fi
    x_session_cleanup
}
trap unlock_and_clean EXIT

copy_program_folder "$program_dir"
start_window_manager
# The idle timer waits a second where the game waits 10 s and a minute: the real timer still
# hides the board behind a dialog, in seconds rather than minutes.
export TESSARY_IDLE_MS=1000
start_game
start_puzzle images/harbour-boats.jpg
sleep 0.3
shot 10-puzzle-in-play

# screen_color X Y: the colour of one screen pixel, as #RRGGBB.
screen_color() {
    import -silent -window root -crop "1x1+$1+$2" -depth 8 txt:- |
        grep -o '#[0-9A-Fa-f]\{6\}' | head -1
}
# A point of the board left of the middle, where no dialog or toolbar lies.
eval "$(xdotool getwindowgeometry --shell "$main")"
board_x=$((X + WIDTH / 10)) board_y=$((Y + HEIGHT / 2))
navy="#000080"
board_shown() { [ "$(screen_color "$board_x" "$board_y")" != "$navy" ]; }
board_hidden() { ! board_shown; }
board_shown || fail "no board at ($board_x, $board_y) with a puzzle in play"

no_window_titled() { ! xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }

# ask_new_puzzle: Ctrl+N with a puzzle in play; the save offered first is declined.
ask_new_puzzle() {
    xdotool key ctrl+n
    wait_for "file dialog \"Save Game\" before a new puzzle" 10 active_is "Save Game"
    xdotool key Escape
    wait_for "new-puzzle dialog" 10 active_is "$untitled" "$main"
    sleep 0.2
}

# --- Esc, then the close box (Alt+F4 under openbox), on the new-puzzle dialog give it up
ask_new_puzzle
xdotool key Escape
wait_for "main window back in front after Esc on the new-puzzle dialog" 10 active_id_is "$main"
sleep 1 # long enough for a file dialog to come up, if one were coming
no_window_titled "Select Image" || fail "Esc on the new-puzzle dialog went on to the file dialog"
board_shown || fail "no board after Esc on the new-puzzle dialog"
shot 11-esc-gave-up
log "Esc on the new-puzzle dialog gave it up"

ask_new_puzzle
xdotool key alt+F4
wait_for "main window back in front after closing the new-puzzle dialog" 10 active_id_is "$main"
sleep 1
no_window_titled "Select Image" || fail "closing the new-puzzle dialog went on to the file dialog"
shot 11-close-box-gave-up
log "the close box on the new-puzzle dialog gave it up"

# --- a save into the locked folder: the message names the file and the reason
save_to() { # save_to FILE: types FILE into the "Save Game" dialog that is up
    xdotool type "$1"
    sleep 0.1
    xdotool key Return
}
failed_save_message() { active_is "Tessary" "$main"; }

xdotool key ctrl+s
wait_for "file dialog \"Save Game\"" 10 active_is "Save Game"
save_to "$locked/game.sav"
wait_for "message about the failed save" 10 failed_save_message
sleep 0.3
shot 02-save-failed
[ ! -e "$locked/game.sav" ] || fail "a file was written into the locked folder"
xdotool key Return
wait_for "main window back in front after the message" 10 active_id_is "$main"
log "the failed save was reported"

# At exit a failed save calls the exit off: the game stays, in play.
rm -f "$game/Tessary.ini" # written when the puzzle started
xdotool key ctrl+x
wait_for "file dialog \"Save Game\" at exit" 10 active_is "Save Game"
save_to "$locked/game.sav"
wait_for "message about the failed save at exit" 10 failed_save_message
sleep 0.3
shot 02-exit-save-failed
xdotool key Return
wait_for "main window back in front after the failed save at exit" 10 active_id_is "$main"
sleep 0.5
kill -0 "$game_pid" 2>/dev/null || fail "the game ended although its save failed"
[ ! -e "$game/Tessary.ini" ] || fail "the settings were written as at an exit"
board_shown || fail "no board after the exit was called off"
shot 02-exit-called-off
log "the failed save at exit called the exit off"

# --- the idle timer hides the board while the dialog is up; giving up shows it again
ask_new_puzzle
log "waiting with the new-puzzle dialog up until the idle timer hides the board"
wait_for "board hidden by the idle timer behind the dialog" 15 board_hidden
shot 01-board-hidden-behind-dialog
xdotool key Return
wait_for "file dialog \"Select Image\"" 10 active_is "Select Image"
xdotool key Escape
wait_for "image chooser \"Start New Puzzle\"" 10 active_is "Start New Puzzle"
xdotool key Escape # its Cancel
wait_for "main window back in front after the cancelled chooser" 10 active_id_is "$main"
sleep 0.3
board_shown || fail "the board stayed hidden after the new puzzle was given up"
shot 01-board-back-after-give-up
log "the board is back after the give-up"

# --- SIGTERM with a puzzle in play: closed within 2 s, no dialog, the game kept
rm -f "$game/Tessary.ini" "$game/tess.hof"
term_ns=$(date +%s%N)
kill -TERM "$game_pid"
while kill -0 "$game_pid" 2>/dev/null; do
    [ $(($(date +%s%N) - term_ns)) -lt 2000000000 ] || {
        shot 05-after-sigterm
        fail "the game was still running 2 s after SIGTERM"
    }
    sleep 0.02
done
term_ms=$((($(date +%s%N) - term_ns) / 1000000))
status=0
wait "$game_pid" || status=$?
game_pid=""
shot 05-after-sigterm
log "the game closed ${term_ms} ms after SIGTERM, status $status"
[ "$status" = 0 ] || fail "the game ended with status $status after SIGTERM"

last="$game/last-game.sav"
[ -f "$last" ] || fail "no last-game.sav in the data folder after SIGTERM"
mapfile -t lines < <(tr -d '\r' <"$last")
[ "${lines[0]}" = "Morvane-Tessary" ] || fail "last-game.sav starts \"${lines[0]}\""
[ "${#lines[@]}" = 27 ] || fail "last-game.sav has ${#lines[@]} lines, not 27 (a 2 x 2 board)"
[ -f "$game/Tessary.ini" ] || fail "no Tessary.ini after SIGTERM"
[ -f "$game/tess.hof" ] || fail "no tess.hof after SIGTERM"
log "PASS: screenshots in $shots"
