#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed game on a real X server, tried as a new player would: installed into a fresh
# prefix, started by its menu entry's command with an empty home folder, the About box
# animating at start-up, F1, Ctrl+D and the toolbar's help button each opening the game's own
# help window, Ctrl+I opening the image catalogue, Online HOF asking the desktop to open the
# online Hall of Fame, and Ctrl+X ending the game with its settings in the player's data folder.
#
#   installed_game_xvfb.sh BUILD_FOLDER [SHOTS_FOLDER]
#
# Needs xvfb-run, openbox, xdotool and ImageMagick (scripts/install-deps.sh installs them);
# without them the test is skipped (exit 77). Run as root, the game runs as the user
# "nobody", so the installed program folder is read-only for it as in a system install.
# With SHOTS_FOLDER, screenshots of each step go there (02-help-window.png shows the help
# window), and when chromium is installed the help page as a browser shows it too.
set -euo pipefail

skip() {
    echo "SKIP: $*"
    exit 77
}
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# --- inner part: runs inside the X server, as the player
if [ "${1:-}" = --inside ]; then
    prefix=$2 work=$3 shots=$4
    command=$5
    log="$work/game.log" opened="$work/opened"
    . "$(dirname "$0")/../e2e/x_session.sh"
    trap x_session_stop_programs EXIT
    lines_opened() { [ -f "$opened" ] && [ "$(wc -l <"$opened")" -ge "$1" ]; }

    # The desktop's "open this" command, standing in for a browser.
    mkdir -p "$work/bin"
    printf '#!/bin/sh\necho "$*" >>"%s"\n' "$opened" >"$work/bin/xdg-open"
    chmod +x "$work/bin/xdg-open"
    export PATH="$prefix/bin:$work/bin:/usr/bin:/bin" HOME="$work/home"
    export XDG_DATA_HOME="$HOME/.local/share" XDG_CONFIG_HOME="$HOME/.config"
    export XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy
    unset SESSION_MANAGER XDG_CURRENT_DESKTOP
    mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"

    start_window_manager

    # Started by the menu entry's command, from the home folder.
    (cd "$HOME" && exec $command) >"$log" 2>&1 &
    game_pid=$!

    about_up() {
        active_is Tessary || return 1
        about=$found
        xdotool search --onlyvisible --name '^Tessary$' | grep -qv "^$about\$"
    }
    wait_for "About box over the main window" 30 about_up
    # The About box animates: two pictures of it 300 ms apart differ.
    sleep 0.3
    import -window "$about" "$work/about-1.png"
    sleep 0.3
    import -window "$about" "$work/about-2.png"
    shot 01-about-box
    changed=$(compare -metric AE "$work/about-1.png" "$work/about-2.png" null: 2>&1 || true)
    [ "${changed%% *}" != 0 ] || fail "the About box does not animate"
    xdotool key Return
    wait_for "main window after the About box" 10 active_is Tessary "$about"
    main=$found

    # Help opens in the game's own window, whichever way it is asked for; Esc closes it.
    help_up() { active_is "Tessary Help"; }
    help_closed() { ! xdotool search --onlyvisible --name '^Tessary Help$' >/dev/null 2>&1; }
    close_help() {
        xdotool key Escape
        wait_for "help window closed by Esc" 10 help_closed
        wait_for "main window back after the help window" 10 active_id_is "$main"
    }
    xdotool key F1
    wait_for "help window opened by F1" 10 help_up
    sleep 0.3
    shot 02-help-window
    close_help
    xdotool key ctrl+d
    wait_for "help window opened by Ctrl+D" 10 help_up
    close_help
    # Toolbar button 1, top left of the toolbar: the game's other window.
    toolbar=""
    for id in $(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null); do
        [ "$id" = "$main" ] || toolbar=$id
    done
    [ -n "$toolbar" ] || fail "no toolbar window"
    shot 03-toolbar
    xdotool mousemove --window "$toolbar" 12 12 click 1
    wait_for "help window opened by the toolbar's help button" 10 help_up
    close_help
    [ ! -f "$opened" ] || fail "help went to the desktop: $(cat "$opened")"
    xdotool key ctrl+i
    wait_for "window \"Image Catalog\" opened by Ctrl+I" 10 active_is "Image Catalog"
    sleep 0.5 # the sample pictures' thumbnails
    shot 03-image-catalog
    xdotool key Escape

    # An address outside the game still goes to the desktop's browser: Online HOF.
    wait_for "main window active" 10 active_id_is "$main"
    xdotool key ctrl+h
    wait_for "message that the list is empty" 10 active_is Tessary "$main" "$toolbar"
    xdotool key Return
    wait_for "Hall of Fame window" 10 active_is "Hall of Fame"
    xdotool key Tab Tab space # from the list past Clear to Online HOF
    wait_for "online Hall of Fame opened by Online HOF" 10 lines_opened 1
    case "$(sed -n 1p "$opened")" in
    http*/games/puzhof.asp?game=tess) ;;
    *) fail "Online HOF opened \"$(sed -n 1p "$opened")\"" ;;
    esac
    xdotool key Escape

    wait_for "main window active" 10 active_id_is "$main"
    xdotool key ctrl+x
    wait_for "the end of the game after Ctrl+X" 15 game_exited
    status=0
    wait "$game_pid" || status=$?
    game_pid=""
    [ "$status" = 0 ] || fail "the game ended with status $status"
    exit 0
fi

# --- outer part: install, then run the inner part in an X server as the player
[ $# -ge 1 ] && [ $# -le 2 ] || {
    echo "usage: $0 BUILD_FOLDER [SHOTS_FOLDER]" >&2
    exit 2
}
build=$(cd "$1" && pwd)
shots=""
if [ $# = 2 ]; then
    mkdir -p "$2"
    shots=$(cd "$2" && pwd)
fi
for tool in xvfb-run openbox xdotool import compare; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done
run_as=()
if [ "$(id -u)" = 0 ]; then
    command -v setpriv >/dev/null || skip "root without setpriv"
    id -u nobody >/dev/null 2>&1 || skip "root without the user nobody"
    run_as=(setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups --)
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/tessary-xvfb.XXXXXX")
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >"$work/install.log" || fail "cmake --install failed"
desktop="$prefix/share/applications/com.morvane.Tessary.desktop"
command=$(sed -n 's/^Exec=//p' "$desktop" | sed 's/ %f$//') # started with no file
[ -n "$command" ] || fail "no Exec line in $desktop"
share="$prefix/share/tessary"
before=$(ls -A "$share")

player="$work/player"
mkdir -p "$player"
[ -z "$shots" ] || chmod 777 "$shots"
[ ${#run_as[@]} = 0 ] || chown "$(id -u nobody)" "$player"
script=$(cd "$(dirname "$0")" && pwd)/$(basename "$0")
status=0
(cd "$player" && TMPDIR="$player" "${run_as[@]}" env -u XAUTHORITY xvfb-run -a \
    -s '-screen 0 1280x1024x24' "$script" --inside "$prefix" "$player" "$shots" "$command") ||
    status=$?
[ "$status" = 0 ] || exit "$status"

# The files the game wrote: in the player's data folder when the program folder is
# read-only for the player, else beside the game.
if [ ${#run_as[@]} = 0 ] && [ -w "$share" ]; then
    data="$share"
else
    data="$player/home/.local/share/tessary"
    [ "$(ls -A "$share")" = "$before" ] || fail "the game wrote into its installed program folder"
fi
[ -f "$data/Tessary.ini" ] || fail "no settings in $data"
[ -f "$data/tess.hof" ] || fail "no Hall of Fame in $data"

if [ -n "$shots" ] && command -v chromium >/dev/null; then
    chromium --headless --no-sandbox --disable-gpu --hide-scrollbars --window-size=1024,768 \
        --screenshot="$shots/04-help-page-in-a-browser.png" "file://$share/tessary.html" >/dev/null 2>&1 ||
        echo "note: chromium could not render the help page"
fi
echo "PASS${shots:+: screenshots in $shots}"
