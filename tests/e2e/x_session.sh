# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the scripts that drive the real game in an X server with xdotool: logging,
# screenshots, waiting for windows, a throw-away program folder and home, a stand-in browser,
# the window manager and the game itself. Source it, then call x_session_begin.
#
# Variables it sets and uses: work (the throw-away folder), shots (screenshots), game (the
# copied program folder), game_pid, openbox_pid, main (the main window's id), found (the id
# the last active_is matched).

x_start_ns=$(date +%s%N)
game_pid=""
openbox_pid=""

log() { printf '[%5.1fs] %s\n' "$(($(date +%s%N) - x_start_ns))e-9" "$*"; }

shot() {
    [ -z "${shots:-}" ] || import -silent -window root "$shots/$1.png"
    log "shot $1"
}

describe_windows() {
    local id
    echo "visible windows of the game:"
    for id in $(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null); do
        echo "  $id \"$(xdotool getwindowname "$id")\" $(xdotool getwindowgeometry --shell "$id" |
            tr '\n' ' ')"
    done
    echo "active window: $(xdotool getactivewindow 2>/dev/null || echo none)"
}

fail() {
    echo "FAIL: $*" >&2
    if [ -n "$game_pid" ] && kill -0 "$game_pid" 2>/dev/null; then
        describe_windows >&2
    fi
    shot failure || true
    echo "--- game output" >&2
    cat "$work/game.log" >&2 || true
    exit 1
}

# wait_for WHAT SECONDS COMMAND...: runs COMMAND every 50 ms until it succeeds.
wait_for() {
    local what=$1 seconds=$2
    shift 2
    local end=$(($(date +%s%N) + seconds * 1000000000))
    until "$@"; do
        if [ -n "$game_pid" ] && ! kill -0 "$game_pid" 2>/dev/null; then
            game_pid=""
            fail "the game ended while waiting for $what"
        fi
        [ "$(date +%s%N)" -lt "$end" ] || fail "no $what after ${seconds} s"
        sleep 0.05
    done
}

# active_is TITLE [ID...]: the window with the keyboard is titled TITLE and is none of the IDs.
# Sets "found" to its id.
active_is() {
    local title=$1 id other
    shift
    id=$(xdotool getactivewindow 2>/dev/null) || return 1
    [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$title" ] || return 1
    for other in "$@"; do
        [ "$id" != "$other" ] || return 1
    done
    found=$id
}

active_id_is() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }

game_exited() { ! kill -0 "$game_pid" 2>/dev/null; }

# A window without a title of its own carries the program's name, like the main window.
untitled=Tessary

# The game ends on SIGTERM by writing its files: wait (at most 5 s) until it has, so nothing
# is still writing into the folder about to be removed.
x_session_stop_programs() {
    local pid i
    for pid in $game_pid $openbox_pid; do
        kill "$pid" 2>/dev/null || continue
        for ((i = 0; i < 100; i++)); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.05
        done
        kill -KILL "$pid" 2>/dev/null || true
    done
}

x_session_cleanup() {
    x_session_stop_programs
    if [ "${KEEP_E2E_FOLDER:-0}" = 1 ]; then
        echo "played folder kept: $work"
    else
        rm -rf "$work" || echo "note: $work could not be removed whole" >&2
    fi
}

# x_session_begin SHOTS_FOLDER: checks the tools and the display, makes the throw-away folder
# with an empty home and a stand-in browser that writes each address it is given to
# $work/links-opened, and exports the player's environment.
x_session_begin() {
    local tool
    shots=$1
    for tool in xdotool openbox import; do
        command -v "$tool" >/dev/null || {
            echo "FAIL: $tool is not installed (scripts/install-deps.sh installs it)" >&2
            exit 1
        }
    done
    [ -n "${DISPLAY:-}" ] || {
        echo "FAIL: no X display; run under xvfb-run" >&2
        exit 1
    }
    work=$(mktemp -d "${TMPDIR:-/tmp}/tessary-e2e.XXXXXX")
    game="$work/game"
    trap x_session_cleanup EXIT
    mkdir -p "$shots" "$work/bin" "$work/home"
    rm -f "$shots"/*.png

    cat >"$work/bin/xdg-open" <<'STUB'
#!/bin/sh
echo "$*" >>"$(dirname "$0")/../links-opened"
STUB
    chmod +x "$work/bin/xdg-open"

    export PATH="$work/bin:$PATH" HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
    export XDG_DATA_HOME="$work/home/.local/share" XDG_RUNTIME_DIR="$work/home/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    export QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy
    unset SESSION_MANAGER
}

# copy_program_folder FOLDER: the built program folder, copied to $game without anything an
# earlier game wrote there.
copy_program_folder() {
    local item name
    [ -x "$1/tessary" ] || fail "no game at $1/tessary"
    mkdir -p "$game"
    for item in "$1"/*; do
        name=$(basename "$item")
        case "${name,,}" in
        cmakefiles | *_autogen | *.cmake | tessary.ini | tess.hof | folders.dat | *.sav) continue ;;
        tessary.lock | tessary.socket) continue ;;
        esac
        cp -R "$item" "$game/"
    done
}

# A window manager, so that dialogs take the keyboard as they do on a desktop.
start_window_manager() {
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    openbox_pid=$!
    openbox_running() {
        if ! kill -0 "$openbox_pid" 2>/dev/null; then
            cat "$work/openbox.log" >&2
            fail "the window manager ended as it started"
        fi
        xdotool search --class openbox >/dev/null 2>&1 # its own windows
    }
    # A machine busy with the other tests (a package being built) can take a while.
    wait_for "window manager" 30 openbox_running
}

# start_game [offered|FILE]: starts $game/tessary from its folder and waits for the main window
# with the About box over it; closes the box and sets "main". With "offered", the question to
# carry on with the game kept from the last run must follow, and is left up ("found"). With a
# FILE, the game is started with it on its command line, and what it leads to is left up.
start_game() {
    local given=()
    [ -z "${1:-}" ] || [ "$1" = offered ] || given=("$1")
    (cd "$game" && exec ./tessary "${given[@]}") >>"$work/game.log" 2>&1 &
    game_pid=$!
    log "game started"
    wait_for "main window titled \"Tessary\" with the About box over it" 30 about_box_over_main
    sleep 0.3 # the box's first animation frame
    shot 01-about-box
    xdotool key Return
    if [ "${1:-}" = offered ]; then
        wait_for "the question to carry on with the kept game" 10 active_is "$untitled" "$main"
        log "About box closed, the kept game offered"
        return
    fi
    if [ ${#given[@]} != 0 ]; then
        log "About box closed, the game given ${given[0]}"
        return
    fi
    wait_for "main window back in front after the About box" 10 active_id_is "$main"
    log "About box closed"
}

about_box_over_main() {
    local id best=0 area about
    active_is "$untitled" || return 1
    about=$found
    main=""
    for id in $(xdotool search --onlyvisible --name "^$untitled\$" 2>/dev/null); do
        [ "$id" != "$about" ] || continue
        eval "$(xdotool getwindowgeometry --shell "$id")"
        area=$((WIDTH * HEIGHT))
        if [ "$area" -gt "$best" ]; then
            best=$area
            main=$id
        fi
    done
    [ -n "$main" ]
}

# start_puzzle PICTURE [asked|shown]: a new Single puzzle of PICTURE (a path inside $game),
# $pieces by $pieces (2 unless set); "asked" when the new-puzzle dialog is already on its way,
# "shown" when it is and the image chooser will show the picture without asking for it.
start_puzzle() {
    [ -n "${2:-}" ] || xdotool key ctrl+n
    wait_for "new-puzzle dialog" 10 active_is "$untitled" "$main"
    # The focus starts on "Ok"; the tab order goes on to the pieces down, then across, then
    # the puzzle types. Tabbing into a count box selects it, so typing replaces it.
    xdotool key Tab ctrl+a
    xdotool type "${pieces:-2}"
    xdotool key Tab ctrl+a
    xdotool type "${pieces:-2}"
    # Into the types (the checked one takes the focus); Up to the first, "Single", and pick it.
    xdotool key Tab Up Up Up space
    sleep 0.2
    shot 02-new-puzzle-dialog
    xdotool key Return

    if [ "${2:-}" != shown ]; then
        wait_for "file dialog \"Select Image\"" 10 active_is "Select Image"
        xdotool type "$game/$1"
        sleep 0.2
        shot 02-select-image
        xdotool key Return
    fi

    wait_for "image chooser \"Start New Puzzle\"" 10 active_is "Start New Puzzle"
    sleep 0.2
    shot 02-image-chooser
    xdotool key Return
    wait_for "main window back in front after the image chooser" 10 active_id_is "$main"
}

# save_game FILE [SHOT]: Ctrl+S into FILE, waiting until the game has written it; its lines go
# to "lines". With SHOT, a screenshot of the file dialog.
save_game() {
    local file=$1
    rm -f "$file"
    xdotool key ctrl+s
    wait_for "file dialog \"Save Game\"" 10 active_is "Save Game"
    xdotool type "$file"
    if [ -n "${2:-}" ]; then
        sleep 0.1
        shot "$2"
    fi
    xdotool key Return
    wait_for "main window back in front after saving" 10 active_id_is "$main"
    saved_complete() { [ -s "$file" ] && [ "$(tr -d '\r' <"$file" | wc -l)" -ge 19 ]; }
    wait_for "saved game $file" 10 saved_complete
    mapfile -t lines < <(tr -d '\r' <"$file")
}

numbers() { echo "${lines[$1 - 1]}" | xargs; } # the numbers of a line, single-spaced

# learn_unsolved_board PICTURE FILE [SHOT]: saves the new puzzle in play to FILE to learn
# it; while the shuffle left every piece at home, starts another one (declining to save it).
# Sets across, down, left (pieces to move), piece_w, piece_h, board_w, board_h and piece_at:
# the home cell of the piece shown at each cell ("c,r" keys and values).
learn_unsolved_board() {
    local attempt=1 line c r
    while true; do
        save_game "$2" "${3:-}"
        read -r across down <<<"$(numbers 12)"
        [ "$across $down" = "${pieces:-2} ${pieces:-2}" ] ||
            fail "saved board is $across x $down, not ${pieces:-2} x ${pieces:-2}"
        left=$(numbers 15)
        [ "$left" != 0 ] && break
        [ "$attempt" -lt 5 ] || fail "$attempt new puzzles in a row came out already solved"
        log "the shuffle left the board solved: new puzzle"
        xdotool key ctrl+n
        wait_for "file dialog \"Save Game\" before a new puzzle" 10 active_is "Save Game"
        xdotool key Escape
        start_puzzle "$1" asked
        attempt=$((attempt + 1))
    done
    read -r piece_w piece_h <<<"$(numbers 10)"
    read -r board_w board_h <<<"$(numbers 11)"
    # The board lines: column by column, rows fastest, x then y.
    declare -gA piece_at=()
    line=20
    for ((c = 1; c <= across; c++)); do
        for ((r = 1; r <= down; r++)); do
            piece_at[$c,$r]="$(numbers $line),$(numbers $((line + 1)))"
            line=$((line + 2))
        done
    done
}

# cursor_to C R: Home, then right and down to cell (C, R).
cursor_to() {
    local keys=(Home) i
    for ((i = 1; i < $1; i++)); do keys+=(Right); done
    for ((i = 1; i < $2; i++)); do keys+=(Down); done
    xdotool key "${keys[@]}"
}
