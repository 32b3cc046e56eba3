#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The image catalogue in the real game: Ctrl+I opens the window "Image Catalog" with the sample
# pictures' thumbnails, which go into the player's thumbnail cache; a picture chosen there from
# the keyboard leads through the new-puzzle dialog and the image chooser to a puzzle of it.
#
#   image_catalog.sh PROGRAM_FOLDER SHOTS_FOLDER
#
# Run it inside an X server (see play_small_puzzle.sh); KEEP_E2E_FOLDER=1 keeps the played
# folder.
set -euo pipefail

if [ $# -ne 2 ]; then
    echo "usage: $0 PROGRAM_FOLDER SHOTS_FOLDER" >&2
    exit 2
fi
program_dir=$(cd "$1" && pwd)
picture=harbour-boats.jpg

. "$(dirname "$0")/x_session.sh"
x_session_begin "$2"
copy_program_folder "$program_dir"
samples=$(find "$game/images" -maxdepth 1 -type f | wc -l)
[ "$samples" -gt 1 ] || fail "no sample pictures in $game/images"
thumbnails="$HOME/.cache/thumbnails/normal"
start_window_manager
start_game

# --- 1. the catalogue, its thumbnails made and kept in the shared cache
xdotool key ctrl+i
wait_for "window \"Image Catalog\" after Ctrl+I" 10 active_is "Image Catalog"
catalog=$found
all_thumbnails() { [ "$(find "$thumbnails" -name '*.png' 2>/dev/null | wc -l)" = "$samples" ]; }
wait_for "$samples thumbnails in $thumbnails" 20 all_thumbnails
sleep 0.3 # the last one drawn
shot 01-image-catalog
log "catalogue open, $samples thumbnails kept"

# --- 2. the harbour chosen by typing the start of its name, then Enter
xdotool type harbour
xdotool key Return
wait_for "new-puzzle dialog after Enter in the catalogue" 10 active_is "$untitled" "$main" "$catalog"
# As after New Game: a 2 x 2 Single puzzle (see start_puzzle).
xdotool key Tab ctrl+a
xdotool type 2
xdotool key Tab ctrl+a
xdotool type 2
xdotool key Tab Up Up Up space
sleep 0.2
shot 02-new-puzzle-dialog
xdotool key Return
# No file dialog: the image chooser shows the picture chosen in the catalogue.
wait_for "image chooser \"Start New Puzzle\"" 10 active_is "Start New Puzzle"
sleep 0.2
shot 03-image-chooser
xdotool key Return
wait_for "main window back in front after the image chooser" 10 active_id_is "$main"
log "puzzle started"

# --- 3. the puzzle is of that picture, and the catalogue is still there behind the game
save_game "$work/catalog.sav"
[ "${lines[2]}" = "$game/images/$picture" ] ||
    fail "the saved game's picture is \"${lines[2]}\", not $game/images/$picture"
xdotool search --onlyvisible --name '^Image Catalog$' | grep -qx "$catalog" ||
    fail "the catalogue closed when the puzzle started"
shot 04-puzzle
log "saved game's picture: ${lines[2]}"
