#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Nothing of a game in play is lost, in the real game under an X server with a window manager:
# the game is kept as it is played, survives a SIGKILL and a SIGTERM under the new-puzzle
# dialog, and is offered back at the next start; No puts it away, a solved puzzle is not
# offered back, and a second copy started while one runs only brings the first forward. A
# picture named on the command line leads to a puzzle with it.
#
#   keep_game.sh PROGRAM_FOLDER SHOTS_FOLDER
#
# Run it inside an X server, e.g.
#   xvfb-run -a -s '-screen 0 1280x1024x24' tests/e2e/keep_game.sh build/src/app shots
# A screenshot of each step goes to SHOTS_FOLDER. KEEP_E2E_FOLDER=1 keeps the played folder.
set -euo pipefail

if [ $# -ne 2 ]; then
    echo "usage: $0 PROGRAM_FOLDER SHOTS_FOLDER" >&2
    exit 2
fi
program_dir=$(cd "$1" && pwd)
picture=images/harbour-boats.jpg
# shellcheck source-path=SCRIPTDIR source=x_session.sh
source "$(dirname "$0")/x_session.sh"
x_session_begin "$2"
copy_program_folder "$program_dir"
start_window_manager
kept="$game/last-game.sav"

# kept_line N: line N of the kept game, single-spaced ("" while there is none).
kept_line() { [ -f "$kept" ] && tr -d '\r' <"$kept" | sed -n "${1}p" | xargs; }
kept_swaps_are() { [ "$(kept_line 16)" = "$1" ]; }

# swap_home C R: with the keys, the piece that belongs at (C, R) is brought there.
swap_home() {
    local cell target=""
    for cell in "${!piece_at[@]}"; do
        [ "${piece_at[$cell]}" != "$1,$2" ] || target=$cell
    done
    cursor_to "$1" "$2"
    xdotool key space
    cursor_to "${target%,*}" "${target#*,}"
    xdotool key Return
    piece_at[$target]=${piece_at[$1,$2]}
    piece_at[$1,$2]="$1,$2"
}

# misplaced_cell: the first cell whose piece is not at home, as "C R".
misplaced_cell() {
    local c r
    for ((c = 1; c <= across; c++)); do
        for ((r = 1; r <= down; r++)); do
            [ "${piece_at[$c,$r]}" = "$c,$r" ] || {
                echo "$c $r"
                return
            }
        done
    done
}

# end_game SIGNAL: sends SIGNAL to the game and waits until it has ended.
end_game() {
    kill "-$1" "$game_pid"
    wait "$game_pid" 2>/dev/null || true
    game_pid=""
    log "the game ended on SIG$1"
}

# --- 1. a 4 x 4 puzzle, two swaps, each on disk within a second
start_game
[ ! -e "$kept" ] || fail "a game is kept before any was played"
pieces=4
start_puzzle "$picture"
learn_unsolved_board "$picture" "$work/learn.sav"
# Three swaps are made below, each putting one or two pieces home: none may finish the puzzle.
[ "$left" -ge 7 ] || fail "only $left pieces to move on the new 4 x 4 board"
wait_for "the new game kept" 5 kept_swaps_are 0
sleep 1 # a key pressed while the shuffle is still shown acts after it: time the swaps alone
for swap in 1 2; do
    read -r c r <<<"$(misplaced_cell)"
    swap_home "$c" "$r"
    key_ns=$(date +%s%N)
    wait_for "swap $swap kept on disk" 5 kept_swaps_are "$swap"
    log "swap $swap was on disk $((($(date +%s%N) - key_ns) / 1000000)) ms after its key"
done
save_game "$work/before-kill.sav"
cmp -s "$kept" "$work/before-kill.sav" || fail "the kept game differs from the one just saved"

# --- 2. SIGKILL, then the next start offers the game back; Yes (the default) carries on
end_game KILL
start_game offered
sleep 0.3
shot 02-offered-back
xdotool key Return
wait_for "main window back in front with the kept game" 10 active_id_is "$main"
save_game "$work/after-kill.sav"
cmp "$work/before-kill.sav" "$work/after-kill.sav" ||
    fail "the game carried on is not the one saved before the kill"
log "the game saved after the kill equals the one saved before it, byte for byte"

# --- 3. SIGTERM while the new-puzzle dialog is up keeps the game under it, last swap and all
read -r c r <<<"$(misplaced_cell)"
swap_home "$c" "$r"
xdotool key ctrl+n
wait_for "file dialog \"Save Game\" before a new puzzle" 10 active_is "Save Game"
xdotool key Escape
wait_for "new-puzzle dialog" 10 active_is "$untitled" "$main"
end_game TERM
kept_swaps_are 3 || fail "the game kept through SIGTERM has $(kept_line 16) swaps, not 3"

# --- 4. No puts the game away: the next start offers nothing
start_game offered
xdotool key Escape # No
wait_for "main window back in front after No" 10 active_id_is "$main"
[ ! -e "$kept" ] || fail "the game turned down is still kept"
[ -f "$game/last-game.declined.sav" ] || fail "the game turned down was not put away"
xdotool key ctrl+x
wait_for "end of the game after Ctrl+X" 15 game_exited
game_pid=""
start_game
sleep 0.5
active_id_is "$main" || fail "something came up after the About box with no game kept"

# --- 5. a second copy while one runs, given a saved game: the first comes forward and opens
# it; one window, one game
xdotool windowminimize "$main"
minimized() { ! active_id_is "$main"; }
wait_for "main window minimised" 10 minimized
second_status=0
(cd "$game" && exec ./tessary "$work/before-kill.sav") >>"$work/second.log" 2>&1 ||
    second_status=$?
[ "$second_status" = 0 ] || fail "the second copy ended with status $second_status"
wait_for "the first copy's window back in front" 10 active_id_is "$main"
windows=$(xdotool search --onlyvisible --name "^$untitled\$" 2>/dev/null | wc -l)
[ "$windows" = 1 ] || fail "$windows windows titled \"$untitled\" after a second copy"
copies=0 # the game's processes in this folder: other tests may run games of their own
for pid in $(pgrep -x tessary || true); do
    [ "$(readlink "/proc/$pid/cwd")" != "$game" ] || copies=$((copies + 1))
done
[ "$copies" = 1 ] || fail "$copies copies of the game running after a second copy"
wait_for "the saved game handed over opened and kept" 5 kept_swaps_are 2
shot 05-after-second-copy
log "the second copy ended at once; the first came forward and opened its saved game"

# --- 6. a picture named on the command line starts a puzzle; solved, it is not offered back
xdotool key ctrl+x
wait_for "file dialog \"Save Game\" at the exit" 10 active_is "Save Game"
xdotool key Escape # given up: not offered back
wait_for "end of the game after Ctrl+X" 15 game_exited
[ ! -e "$kept" ] || fail "the game given up at the exit is still kept"
game_pid=""
convert "$game/$picture" "$game/images/harbour.png"
start_game "$game/images/harbour.png"
pieces=2
start_puzzle images/harbour.png shown
learn_unsolved_board images/harbour.png "$work/small.sav"
[ "${lines[2]}" = "$game/images/harbour.png" ] || fail "the puzzle's picture is ${lines[2]}"
while [ -n "$(misplaced_cell)" ]; do
    read -r c r <<<"$(misplaced_cell)"
    swap_home "$c" "$r"
    sleep 0.1
done
wait_for "window \"Score\" after the last swap" 10 active_is "Score"
[ ! -e "$kept" ] || fail "the solved puzzle is still kept"
end_game KILL
start_game
sleep 0.5
active_id_is "$main" || fail "something came up after the About box although the puzzle was solved"
log "PASS: screenshots in $shots"
