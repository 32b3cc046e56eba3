#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays one small puzzle in the real game the way a player does: keys and mouse clicks sent
# by xdotool to the built program under an X server with a window manager.
#
#   play_small_puzzle.sh PROGRAM_FOLDER SHOTS_FOLDER [TESSARY_HOF]
#
# PROGRAM_FOLDER is the folder of the built executable with its files (sound list, sounds,
# pictures, defaults/); it is copied to a fresh folder, so no settings or Hall of Fame from an
# earlier run take part. Run it inside an X server, e.g.
#   xvfb-run -a -s '-screen 0 1280x1024x24' tests/e2e/play_small_puzzle.sh build/src/app shots
# A screenshot of each step goes to SHOTS_FOLDER. KEEP_E2E_FOLDER=1 keeps the played folder.
#
# Without TESSARY_HOF the result goes into the local Hall of Fame only, and no web link may
# open. With it, an online Hall of Fame server runs on 127.0.0.1, the game is pointed at it
# (TESSARY_HOF_SERVER), the result goes in with "Website HOF entry", and the stand-in browser
# fetches each address it is given: the entry must be on the page "Online HOF" opens, which
# headless Chromium photographs when installed.
set -euo pipefail

if [ $# -ne 2 ] && [ $# -ne 3 ]; then
    echo "usage: $0 PROGRAM_FOLDER SHOTS_FOLDER [TESSARY_HOF]" >&2
    exit 2
fi
program_dir=$(cd "$1" && pwd)
hof=${3:-}
player="Ada Tester"
email="ada+hof@club.example"
picture=images/harbour-boats.jpg

. "$(dirname "$0")/x_session.sh"
x_session_begin "$2"
copy_program_folder "$program_dir"
[ -f "$game/$picture" ] || fail "the sample picture $picture is not in the program folder"

hof_pid=""
if [ -n "$hof" ]; then
    command -v curl >/dev/null || fail "curl is not installed (scripts/install-deps.sh installs it)"
    "$hof" --listen 127.0.0.1:0 --db "$work/hof.sqlite" --init 2>"$work/hof.log" &
    hof_pid=$!
    hof_listening() { grep -q "listening on 127.0.0.1 port" "$work/hof.log"; }
    wait_for "tessary-hof listening" 10 hof_listening
    hof_url="http://127.0.0.1:$(sed -n 's/.* port \([0-9]*\)$/\1/p' "$work/hof.log")"
    export TESSARY_HOF_SERVER=$hof_url
    log "online Hall of Fame at $hof_url"
    # The stand-in browser records each address and fetches it: page N is the Nth address.
    mkdir "$work/pages"
    cat >"$work/bin/xdg-open" <<'STUB'
#!/bin/sh
work=$(dirname "$0")/..
echo "$*" >>"$work/links-opened"
n=$(wc -l <"$work/links-opened")
curl -s -m 10 -o "$work/pages/$n.tmp" -w '%{http_code}\n' "$1" >"$work/pages/$n.status"
mv "$work/pages/$n.tmp" "$work/pages/$n.html"
STUB
    x_session_stop_hof() {
        [ -z "$hof_pid" ] || kill "$hof_pid" 2>/dev/null || true
        x_session_cleanup
    }
    trap x_session_stop_hof EXIT
fi
start_window_manager

# --- 1. start-up: the main window and the About box over it
start_game

# --- 2. a new 2 x 2 Single puzzle of the sample picture
start_puzzle "$picture"
log "puzzle started"

# --- 3. save the game to learn the board, then solve it with clicks
saved="$work/board.sav"
learn_unsolved_board "$picture" "$saved" 03-save-game
shot 03-shuffled-board
log "board ${board_w}x${board_h}, pieces ${piece_w}x${piece_h}, $left to move"
misplaced=0
for cell in "${!piece_at[@]}"; do
    [ "${piece_at[$cell]}" = "$cell" ] || misplaced=$((misplaced + 1))
done
[ "$misplaced" = "$left" ] || fail "saved board has $misplaced pieces away from home, saved count $left"

# The board fills the main window's client area below the menu bar.
eval "$(xdotool getwindowgeometry --shell "$main")"
main_x=$X main_y=$Y
board_top=$((HEIGHT - board_h))
if [ "$WIDTH" -lt "$board_w" ] || [ "$board_top" -le 0 ] || [ "$board_top" -ge 80 ]; then
    fail "main window ${WIDTH}x${HEIGHT} does not hold a ${board_w}x${board_h} board under a menu bar"
fi

# Rectangles of the game's other windows (the toolbar floats over the board), with room for
# their frames.
covers=()
for id in $(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null); do
    [ "$id" != "$main" ] || continue
    eval "$(xdotool getwindowgeometry --shell "$id")"
    covers+=("$((X - 10)) $((Y - 40)) $((X + WIDTH + 10)) $((Y + HEIGHT + 10))")
    log "window $id covers ${WIDTH}x${HEIGHT} at ($X, $Y)"
done

# point_in_cell C R: a point of the cell, in main-window coordinates, that no other window
# covers: its centre if free, else a point nearer a corner. Sets px, py.
point_in_cell() {
    local c=$1 r=$2 fx fy x y rect left top right bottom covered
    for fx in 2 1 3; do
        for fy in 2 1 3; do
            x=$(((c - 1) * piece_w + piece_w * fx / 4))
            y=$((board_top + (r - 1) * piece_h + piece_h * fy / 4))
            covered=0
            for rect in "${covers[@]}"; do
                read -r left top right bottom <<<"$rect"
                if [ $((main_x + x)) -ge "$left" ] && [ $((main_x + x)) -le "$right" ] &&
                    [ $((main_y + y)) -ge "$top" ] && [ $((main_y + y)) -le "$bottom" ]; then
                    covered=1
                fi
            done
            if [ "$covered" = 0 ]; then
                px=$x py=$y
                return 0
            fi
        done
    done
    fail "cell ($c, $r) is hidden under another window"
}

click() { # click BUTTON C R
    point_in_cell "$2" "$3"
    log "button $1 on cell ($2, $3) at ($px, $py)"
    xdotool mousemove --window "$main" "$px" "$py" click "$1"
}

swaps=0
first=1
for ((c = 1; c <= across; c++)); do
    for ((r = 1; r <= down; r++)); do
        [ "${piece_at[$c,$r]}" != "$c,$r" ] || continue
        # The cell holding the piece that belongs here.
        for cell in "${!piece_at[@]}"; do
            if [ "${piece_at[$cell]}" = "$c,$r" ]; then
                target=$cell
            fi
        done
        click 1 "$c" "$r"
        if [ "$first" = 1 ]; then
            sleep 0.2
            shot 03-piece-selected
            first=0
        fi
        click 3 "${target%,*}" "${target#*,}"
        piece_at[$target]=${piece_at[$c,$r]}
        piece_at[$c,$r]="$c,$r"
        swaps=$((swaps + 1))
        sleep 0.1
    done
done
log "solved in $swaps swaps"

# --- 4. the score, the name entry and the Hall of Fame
wait_for "window \"Score\" after the last swap" 10 active_is "Score"
sleep 0.2
shot 04-score
xdotool key Return # "ok", the default

wait_for "name entry \"Hall of Fame\"" 10 active_is "Hall of Fame"
name_entry=$found
# The name box has the focus with the remembered name selected: typing replaces it.
xdotool key ctrl+a
xdotool type "$player"
if [ -n "$hof" ]; then
    # On to the e-mail box, then to "Website HOF entry".
    xdotool key Tab ctrl+a
    xdotool type "$email"
    xdotool key Tab
    sleep 0.1
    shot 04-name-entry
    xdotool key space
    page_fetched() { [ -f "$work/pages/$1.html" ]; }
    wait_for "the online entry fetched by the browser" 15 page_fetched 1
else
    sleep 0.1
    shot 04-name-entry
    xdotool key Return # "Local HOF only", the default
fi

wait_for "window \"Hall of Fame\" after the name entry" 10 active_is "Hall of Fame" "$name_entry"
hof_window=$found
sleep 0.2
shot 04-hall-of-fame
if [ -n "$hof" ]; then
    # "Online HOF": the second button of the row under the table.
    eval "$(xdotool getwindowgeometry --shell "$hof_window")"
    xdotool mousemove --window "$hof_window" 130 $((HEIGHT - 25)) click 1
    wait_for "the online Hall of Fame page fetched by the browser" 15 page_fetched 2
    wait_for "window \"Hall of Fame\" back in front" 10 active_id_is "$hof_window"
    # The clicked button now has the focus, and Return would press it again.
    xdotool key Escape
else
    xdotool key Return # "OK", the default
fi
wait_for "main window back in front after the Hall of Fame" 10 active_id_is "$main"
sleep 0.2
shot 05-solved-board

# --- 5. exit: nothing in play, so no save is offered
log "exit"
xdotool key ctrl+x
wait_for "end of the game after Ctrl+X" 15 game_exited
status=0
wait "$game_pid" || status=$?
game_pid=""
[ "$status" = 0 ] || fail "the game ended with status $status"
log "game ended"

# --- the files the game left
check() { # check WHAT EXPECTED ACTUAL
    [ "$2" = "$3" ] || fail "$1: expected \"$2\", found \"$3\""
}
check "saved game lines" 27 "$(tr -d '\r' <"$saved" | wc -l)"
check "saved game header" "Morvane-Tessary" "${lines[0]}"
check "saved game type" 1 "$(numbers 13)"

[ -f "$game/Tessary.ini" ] || fail "no Tessary.ini in the program folder"
mapfile -t lines < <(tr -d '\r' <"$game/Tessary.ini")
check "Tessary.ini line 1" "$player" "${lines[0]}"
check "Tessary.ini line 2" "2 2 1" "$(numbers 2)"

[ -f "$game/tess.hof" ] || fail "no tess.hof in the program folder"
mapfile -t lines < <(tr -d '\r' <"$game/tess.hof")
check "tess.hof lines" 7 "${#lines[@]}"
check "tess.hof entries" 1 "$(numbers 1)"
# Every piece went home by the player's own swaps: 30 for a 2 x 2 Single, less 3 a swap, plus
# 5 a piece put home.
check "tess.hof score" $((30 - 3 * swaps + 5 * left)) "$(numbers 2)"
check "tess.hof pieces" 4 "$(numbers 3)"
check "tess.hof name" "\"$player\"" "${lines[5]}"

if [ -z "$hof" ]; then
    [ ! -e "$work/links-opened" ] || fail "a local entry opened a web link: $(cat "$work/links-opened")"
    log "PASS: screenshots in $shots"
    exit 0
fi

# --- 6. the online Hall of Fame: the entry went in, and "Online HOF" shows it
score=$(numbers 2)
mapfile -t links <"$work/links-opened"
check "addresses opened" 2 "${#links[@]}"
check "the entry's address" \
    "$hof_url/games/puzhof.asp?game=tess&a=$score&b=Ada%20Tester%20size=4&c=ada%2Bhof%40club.example" \
    "${links[0]}"
check "the Hall of Fame's address" "$hof_url/games/puzhof.asp?game=tess" "${links[1]}"
check "the entry's answer" 200 "$(cat "$work/pages/1.status")"
grep -qF "Thank you, $player: a score of $score on 4 pieces is number 1." "$work/pages/1.html" ||
    fail "the entry was not taken: $(cat "$work/pages/1.html")"
check "the Hall of Fame page's answer" 200 "$(cat "$work/pages/2.status")"
row="<td class=\"number\">1</td><td class=\"number\">$score</td><td class=\"number\">4</td><td class=\"name\">$player</td>"
grep -qF "$row" "$work/pages/2.html" || fail "the entry is not on the page: $(cat "$work/pages/2.html")"
! grep -qF "club.example" "$work/pages/2.html" || fail "the page shows the e-mail"

browser=$(command -v chromium || command -v chromium-browser || true)
if [ -n "$browser" ]; then
    timeout 90 "$browser" --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
        --disable-background-networking --disable-component-update --disable-sync \
        --user-data-dir="$work/chromium" --hide-scrollbars --window-size=900,600 \
        --screenshot="$shots/06-online-hof.png" "${links[1]}" >"$work/chromium.log" 2>&1 ||
        fail "headless Chromium could not photograph the page: $(tail -5 "$work/chromium.log")"
    [ -s "$shots/06-online-hof.png" ] || fail "headless Chromium left no screenshot"
    log "shot 06-online-hof (headless Chromium)"
else
    log "chromium is not installed: no screenshot of the online page"
fi
log "PASS: screenshots in $shots"
