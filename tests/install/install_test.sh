#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the game into a fresh prefix and starts the installed game the way a desktop does,
# through its menu entry's command, on the offscreen platform. Checks the installed layout,
# then that a read-only program folder sends the settings and the Hall of Fame to the
# player's data folder, that a writable one keeps them beside the game, and that files an
# earlier version kept in its data folder move to today's.
#
#   install_test.sh BUILD_FOLDER
#
# A read-only folder only stops a player who is not root. Run as root (as ctest usually is
# here), the game runs as the unprivileged user "nobody" through setpriv; without setpriv or
# that user the test is skipped (exit 77), since root would write into the folder anyway.
set -euo pipefail

[ $# -eq 1 ] || {
    echo "usage: $0 BUILD_FOLDER" >&2
    exit 2
}
build=$(cd "$1" && pwd)

fail() {
    echo "FAIL: $*" >&2
    [ ! -s "${log:-/dev/null}" ] || {
        echo "--- game output" >&2
        cat "$log" >&2
    }
    exit 1
}
skip() {
    echo "SKIP: $*"
    exit 77
}

run_as=()
if [ "$(id -u)" = 0 ]; then
    command -v setpriv >/dev/null || skip "root without setpriv: a read-only folder stops no write"
    id -u nobody >/dev/null 2>&1 || skip "root without the user nobody to run the game as"
    run_as=(setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups --)
fi
player=$(id -u)
[ ${#run_as[@]} = 0 ] || player=$(id -u nobody)

work=$(mktemp -d "${TMPDIR:-/tmp}/tessary-install.XXXXXX")
chmod 755 "$work"
game_pid=""
cleanup() {
    [ -z "$game_pid" ] || kill -KILL "$game_pid" 2>/dev/null || true
    chmod -R u+w "$work" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# --- install
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >"$work/install.log" ||
    fail "cmake --install: $(cat "$work/install.log")"
share="$prefix/share/tessary"

[ -x "$prefix/bin/tessary" ] || fail "no executable bin/tessary"
for f in tesssnd.dat tessary.html defaults/Tessary.ini; do
    [ -s "$share/$f" ] || fail "share/tessary/$f is missing"
done
# Every sound the sound list names, and at least one tune and one sample picture.
while IFS= read -r sound; do
    sound=${sound%$'\r'}
    [ -z "$sound" ] || [ -s "$share/$sound" ] || fail "the sound list names $sound, not installed"
done <"$share/tesssnd.dat"
compgen -G "$share/*.mid" >/dev/null || fail "no tune (*.mid) in share/tessary"
compgen -G "$share/images/*.jpg" >/dev/null || fail "no sample picture in share/tessary/images"
# Every picture the help page shows.
pictures=$(grep -oE '(src|srcset|href)="[^"#][^"]*\.png( 2x)?"' "$share/tessary.html" |
    sed -E 's/^[a-z]+="//; s/( 2x)?"$//')
[ -n "$pictures" ] || fail "the help page shows no pictures"
for p in $pictures; do
    [ -s "$share/$p" ] || fail "the help page shows $p, not installed"
done
for f in Tessary.ini tess.hof .keep; do
    [ ! -e "$share/$f" ] || fail "share/tessary/$f must not be installed"
done

desktop="$prefix/share/applications/com.morvane.Tessary.desktop"
[ -f "$desktop" ] || fail "no share/applications/com.morvane.Tessary.desktop"
entry() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(entry Name)" = Tessary ] || fail "menu entry Name is \"$(entry Name)\""
[ "$(entry Icon)" = com.morvane.Tessary ] || fail "menu entry Icon is \"$(entry Icon)\""
[ "$(entry Type)" = Application ] || fail "menu entry Type is \"$(entry Type)\""
case "$(entry Categories)" in
*Game\;*LogicGame\;*) ;;
*) fail "menu entry Categories is \"$(entry Categories)\"" ;;
esac
for size in 16 32 48 64 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x$size/apps/com.morvane.Tessary.png"
    [ -f "$icon" ] || fail "no ${size}x$size icon"
    # The file in each size folder must have that size: PNG width and height, bytes 17-24.
    [ "$(od -An -tu1 -j16 -N8 "$icon" | xargs)" = "0 0 $((size / 256)) $((size % 256)) 0 0 $((size / 256)) $((size % 256))" ] ||
        fail "the icon in ${size}x$size is another size"
done
[ -f "$prefix/share/icons/hicolor/scalable/apps/com.morvane.Tessary.svg" ] || fail "no scalable icon"

# --- start the installed game by its menu entry's command, then end it with SIGTERM
# "Open with Tessary": the entry takes one file and names the types it opens.
[ "$(entry Exec)" = "tessary %f" ] || fail "menu entry Exec is \"$(entry Exec)\""
for type in image/png image/webp image/tiff image/gif image/jpeg image/bmp \
    application/x-tessary-saved-game; do
    [[ ";$(entry MimeType)" == *";$type;"* ]] || fail "menu entry MimeType lacks $type"
done
# A saved game is known by its first line, not taken for another program's ".sav": a MIME
# database made of the system's and the installed package says so.
mime="$work/mime-home"
mkdir -p "$mime/mime/packages"
cp "$prefix/share/mime/packages/com.morvane.Tessary.xml" "$mime/mime/packages/" ||
    fail "no share/mime/packages/com.morvane.Tessary.xml"
update-mime-database "$mime/mime" || fail "update-mime-database refused com.morvane.Tessary.xml"
printf 'Morvane-Tessary\r\n/pictures/harbour.jpg\r\n' >"$work/holiday.sav"
type=$(XDG_DATA_HOME="$mime" XDG_DATA_DIRS="$mime:/usr/share" gio info -a standard::content-type \
    "$work/holiday.sav" | sed -n 's/^ *standard::content-type: //p')
[ "$type" = application/x-tessary-saved-game ] || fail "a saved game is taken for \"$type\""
# The menu's command without its field code: the game started with no file.
read -r -a command <<<"$(entry Exec | sed 's/ %f$//')"

# run_game NAME [SETUP]: starts the game as the player with a fresh home (SETUP, a command,
# first puts files in it), waits until it is running and ready for SIGTERM, ends it with
# SIGTERM and waits for its exit. Sets data_home.
run_game() {
    local home="$work/$1-home" status=0 caught=0
    data_home="$home/data"
    mkdir -p "$data_home" "$home/runtime"
    [ $# -lt 2 ] || "$2"
    chmod 700 "$home/runtime"
    chown -R "$player" "$home"
    log="$work/$1.log"
    (cd / && exec "${run_as[@]}" env -i PATH="$prefix/bin:/usr/bin:/bin" HOME="$home" \
        XDG_DATA_HOME="$data_home" XDG_CONFIG_HOME="$home/config" \
        XDG_RUNTIME_DIR="$home/runtime" QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
        "${command[@]}") >"$log" 2>&1 &
    game_pid=$!
    # Ready once start-up is over: the game then catches SIGTERM (bit 15 of SigCgt).
    for ((i = 0; i < 300; i++)); do
        kill -0 "$game_pid" 2>/dev/null || fail "the game ended by itself during start-up"
        caught=$(sed -n 's/^SigCgt:\t*//p' "/proc/$game_pid/status" 2>/dev/null || echo 0)
        (((0x$caught >> 14) & 1)) && break
        sleep 0.1
    done
    (((0x$caught >> 14) & 1)) || fail "the game did not finish starting within 30 s"
    sleep 0.5 # the About box comes up; SIGTERM must close it too
    kill -TERM "$game_pid"
    for ((i = 0; i < 300; i++)); do
        kill -0 "$game_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$game_pid" 2>/dev/null && fail "the game did not close within 30 s of SIGTERM"
    wait "$game_pid" || status=$?
    game_pid=""
    [ "$status" = 0 ] || fail "the game ended with status $status after SIGTERM"
}

# line N FILE: line N of a CR LF file, spaces squeezed.
line() { sed -n "$1p" "$2" | tr -d '\r' | xargs; }

# --- 1. read-only program folder, as in a system install
chmod -R a-w "$share"
before=$(ls -A "$share")
run_game readonly
[ "$(ls -A "$share")" = "$before" ] || fail "the game wrote into the read-only program folder"
settings="$data_home/tessary/Tessary.ini"
[ -f "$settings" ] || fail "no settings in the player's data folder; it holds: $(find "$data_home")"
[ -f "$data_home/tessary/tess.hof" ] || fail "no Hall of Fame in the player's data folder"
# A first run starts from the shipped settings, found in the installed program folder; sound
# effects stay on only if the sound list was found there too.
[ "$(line 2 "$settings")" = "$(line 2 "$share/defaults/Tessary.ini")" ] ||
    fail "settings line 2 is \"$(line 2 "$settings")\", not the shipped defaults"
[ "$(line 5 "$settings")" = -1 ] || fail "sound effects were switched off: the sound list was not found"

# --- 2. writable program folder: the settings stay beside the game (a portable install)
chmod -R u+w "$share"
chown -R "$player" "$share"
run_game writable
[ -f "$share/Tessary.ini" ] || fail "no settings in the writable program folder"
[ -f "$share/tess.hof" ] || fail "no Hall of Fame in the writable program folder"
[ ! -e "$data_home/Tessary" ] || fail "the game used the data folder beside a writable program folder"
leftovers=$(find "$share" -maxdepth 1 -name '.tessary-*')
[ -z "$leftovers" ] || fail "the writability probe left $leftovers"

# --- 3. files an earlier version kept in ~/.local/share/Tessary/Tessary move to the data
# folder before the game reads them, and the old folders go
chmod -R a-w "$share"
former_files() {
    local former="$data_home/Tessary/Tessary"
    mkdir -p "$former"
    sed '7s/.*/Moved along\r/' "$share/defaults/Tessary.ini" >"$former/Tessary.ini"
    printf 'declined\r\n' >"$former/last-game.declined.sav"
    : >"$former/tessary.lock"
}
run_game former former_files
[ "$(line 7 "$data_home/tessary/Tessary.ini")" = "Moved along" ] ||
    fail "the settings kept in the former data folder were not read; it holds: $(find "$data_home")"
[ "$(cat "$data_home/tessary/last-game.declined.sav")" = $'declined\r' ] ||
    fail "last-game.declined.sav did not move to the data folder"
[ ! -e "$data_home/Tessary" ] || fail "the former data folder is left: $(find "$data_home/Tessary")"
echo "PASS"
