#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up time to a mapped main window, the game beside a minimal Qt window, under Xvfb.
# usage: bench/shell/startup_bench.sh <build-folder> [runs]   (build with -DTESSARY_BENCH=ON)
# Run it inside xvfb-run: xvfb-run -a -s '-screen 0 1920x1080x24' bench/shell/startup_bench.sh build-bench
set -euo pipefail
build=$(cd "${1:?build folder}" && pwd)
runs=${2:-10}
game="$build/src/app/tessary"
minimal="$build/bench/shell/minimal_window"
[ -x "$game" ] && [ -x "$minimal" ] || { echo "build $game and $minimal first" >&2; exit 1; }
export SDL_AUDIODRIVER=dummy

# Milliseconds from launch until a window with the given title is mapped.
time_to_window() {
    local title=$1; shift
    local folder; folder=$(mktemp -d)
    local start; start=$(date +%s%N)
    (cd "$folder" && exec "$@" >/dev/null 2>&1) &
    local pid=$!
    local tries=0
    until xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1; do
        sleep 0.005
        tries=$((tries + 1))
        [ "$tries" -lt 4000 ] || { echo "no window $title" >&2; kill "$pid"; exit 1; }
    done
    local end; end=$(date +%s%N)
    kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true
    rm -rf "$folder"
    echo $(( (end - start) / 1000000 ))
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

game_times=(); minimal_times=()
for _ in $(seq "$runs"); do
    minimal_times+=("$(time_to_window Minimal "$minimal")")
    game_times+=("$(time_to_window Tessary "$game")")
done
g=$(printf '%s\n' "${game_times[@]}" | median)
m=$(printf '%s\n' "${minimal_times[@]}" | median)
echo "game start-up median ${g} ms, minimal window ${m} ms, ratio $(awk -v g="$g" -v m="$m" 'BEGIN {printf "%.2f", g / m}') over $runs runs"
