#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Offers the image chooser files that are not pictures while a game is in play, the way a
# player does it by mistake: a text file named .jpg, a JPEG cut in half and an icon named
# .bmp. Each is refused when it is chosen, with a message naming it and why; the chooser is
# left with nothing chosen; OK then gives up the new puzzle and the game in play goes on.
# Then a PNG, a WebP, a TIFF and a GIF each start a puzzle that is saved and opened again,
# and a cut file of each is refused the same way, the game in play going on.
#
#   refused_pictures.sh PROGRAM_FOLDER SHOTS_FOLDER
#
# Run it inside an X server, e.g.
#   xvfb-run -a -s '-screen 0 1280x1024x24' tests/e2e/refused_pictures.sh build/src/app shots
# A screenshot of each step goes to SHOTS_FOLDER. KEEP_E2E_FOLDER=1 keeps the played folder.
set -euo pipefail

if [ $# -ne 2 ]; then
    echo "usage: $0 PROGRAM_FOLDER SHOTS_FOLDER" >&2
    exit 2
fi
program_dir=$(cd "$1" && pwd)
picture=images/harbour-boats.jpg

. "$(dirname "$0")/x_session.sh"
x_session_begin "$2"
copy_program_folder "$program_dir"
[ -f "$game/$picture" ] || fail "the sample picture $picture is not in the program folder"
command -v convert >/dev/null || fail "convert is not installed (scripts/install-deps.sh installs it)"

# --- the files a player might pick by mistake, in a folder of their own
wrong="$work/downloads"
mkdir -p "$wrong"
printf 'Shopping list\r\nbread\r\n' >"$wrong/notes.jpg"
jpeg_size=$(stat -c %s "$game/$picture")
head -c $((jpeg_size / 2)) "$game/$picture" >"$wrong/half a photo.jpg"
convert -size 64x48 gradient:red-blue "ICO:$wrong/icon.bmp"
[ "$(head -c 4 "$wrong/icon.bmp" | od -An -tx1 | xargs)" = "00 00 01 00" ] ||
    fail "could not make an icon named .bmp"

# A picture in each of the other formats taken, and each cut in half.
formats=(png webp tif gif)
mkdir -p "$game/formats"
for f in "${formats[@]}"; do
    convert -size 160x120 gradient:orange-navy -attenuate 0.3 +noise Gaussian "$game/formats/lake.$f"
    size=$(stat -c %s "$game/formats/lake.$f")
    head -c $((size / 2)) "$game/formats/lake.$f" >"$wrong/cut lake.$f"
done

start_window_manager
start_game
start_puzzle "$picture"
log "game in play"

# The game in play, as a saved game shows it: the picture and the board's size.
saved="$work/in-play.sav"
# game_in_play: the picture, the board's size and the pieces left, from a fresh save.
game_in_play() {
    save_game "$saved" >&2
    echo "${lines[2]}|$(numbers 12)|$(numbers 15)"
}
before=$(game_in_play)
log "game in play: $before"

# --- a new game: the save offered first is declined, the dialog keeps 2 x 2 Single
xdotool key ctrl+n
wait_for "the offer to save first" 10 active_is "Save Game"
xdotool key Escape
wait_for "new-puzzle dialog" 10 active_is "$untitled" "$main"
xdotool key Return

# choose FILE: types FILE into the open "Select Image" file dialog.
choose() {
    wait_for "file dialog \"Select Image\"" 10 active_is "Select Image"
    xdotool type "$1"
    sleep 0.1
    xdotool key Return
}

# refused FILE SHOT: a message over the chooser (its text is in the screenshot SHOT); OK closes
# it and the image chooser is back, with nothing chosen.
refused() {
    wait_for "message refusing $(basename "$1")" 10 active_is "$untitled" "$main"
    sleep 0.3
    shot "$2"
    xdotool key Return
    wait_for "the image chooser back after the message" 10 active_is "Start New Puzzle"
    log "refused $(basename "$1")"
}

# --- 1. a text file named .jpg: refused before the chooser is even shown
choose "$wrong/notes.jpg"
refused "$wrong/notes.jpg" 03-refused-text-file
chooser=$found
sleep 0.2
shot 04-chooser-emptied

# "Select another image" and "OK" are buttons of the chooser; a player clicks them.
click_in_chooser() {
    xdotool mousemove --window "$chooser" "$1" "$2" click 1
}
select_another() { click_in_chooser 432 78; }

# --- 2. a JPEG cut in half; the file dialog opens where the last file was chosen
select_another
wait_for "file dialog \"Select Image\"" 10 active_is "Select Image"
sleep 0.3
shot 05-file-dialog-in-last-folder
choose "$wrong/half a photo.jpg"
refused "$wrong/half a photo.jpg" 06-refused-cut-jpeg
sleep 0.2
shot 07-chooser-emptied-again

# --- 3. an icon named .bmp
select_another
choose "$wrong/icon.bmp"
refused "$wrong/icon.bmp" 08-refused-icon

# --- 4. OK with nothing chosen gives up the new puzzle; the game in play goes on
click_in_chooser 432 134
wait_for "main window back in front after giving up" 10 active_id_is "$main"
sleep 0.5
shot 09-game-goes-on
after=$(game_in_play)
log "game after giving up: $after"
[ "$after" = "$before" ] || fail "the game in play changed: was \"$before\", now \"$after\""
grep -q "downloads" "$saved" && fail "a refused file became part of the game"

# --- 5. a puzzle of each other format, saved; a cut file of each refused, the game kept
new_game_declining_save() {
    xdotool key ctrl+n
    wait_for "the offer to save first" 10 active_is "Save Game"
    xdotool key Escape
}
for f in "${formats[@]}"; do
    new_game_declining_save
    start_puzzle "formats/lake.$f" asked
    save_game "$work/lake-$f.sav"
    [ "${lines[2]}" = "$game/formats/lake.$f" ] || fail "the $f puzzle saved \"${lines[2]}\""
    shot "10-puzzle-of-$f"
    before=$(game_in_play)
    log "$f puzzle in play: $before"

    new_game_declining_save
    wait_for "new-puzzle dialog" 10 active_is "$untitled" "$main"
    xdotool key Return
    choose "$wrong/cut lake.$f"
    refused "$wrong/cut lake.$f" "11-refused-cut-$f"
    chooser=$found
    click_in_chooser 432 134
    wait_for "main window back in front after giving up" 10 active_id_is "$main"
    after=$(game_in_play)
    [ "$after" = "$before" ] || fail "the $f game changed: was \"$before\", now \"$after\""
done

# --- 6. each saved puzzle opens again as it was saved
for f in "${formats[@]}"; do
    xdotool key ctrl+o
    wait_for "file dialog \"Open Existing Puzzle\"" 10 active_is "Open Existing Puzzle"
    xdotool type "$work/lake-$f.sav"
    xdotool key Return
    wait_for "main window back in front after opening" 10 active_id_is "$main"
    mapfile -t first < <(tr -d '\r' <"$work/lake-$f.sav")
    save_game "$work/again-$f.sav"
    [ "${lines[*]}" = "${first[*]}" ] || fail "the $f puzzle opened is not the one saved"
    log "the $f puzzle opened again"
done
shot 12-last-puzzle-opened

log "PASS: every refused picture was named, the choice emptied and the game kept"
