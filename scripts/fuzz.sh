#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fuzzes every file reader of the game for a while: scripts/fuzz.sh [SECONDS] [TARGET...]
#   SECONDS  time per target (default 20)
#   TARGET   saved_game settings hof sound_list picture_headers picture (default: all)
# Builds the targets with clang in build-fuzz (or $TESSARY_FUZZ_BUILD), starts each from the
# seeds the game's own writers and the damaged-picture tool make, the cases kept in
# tests/regressions/ and the corpus grown by earlier runs, and prints executions per target.
# The seed is fixed ($TESSARY_FUZZ_SEED, default 1), so a run explores the same inputs each
# time and a finding can be repeated; set another seed to explore further.
# A crash or broken promise stops with the reproducer's path: keep it as a regression case
# in tests/regressions/<target>/ once the reader is mended.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-20}"
shift || true
all=(saved_game settings hof sound_list picture_headers picture)
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=("${all[@]}")

if ! command -v clang++ >/dev/null; then
  echo "fuzz.sh: clang++ is not installed; nothing fuzzed" >&2
  exit 2
fi

build="${TESSARY_FUZZ_BUILD:-build-fuzz}"
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTESSARY_FUZZ=ON -DTESSARY_UI=OFF -DTESSARY_TESTS=OFF -DTESSARY_SERVER=OFF -DTESSARY_WERROR=ON \
  >/dev/null
cmake --build "$build" --parallel "$(nproc)" >/dev/null

seeds="$build/seeds"
rm -rf "$seeds"
"$build/fuzz/make-seeds" "$seeds"
cp assets/tesssnd.dat "$seeds/sound_list/"
mkdir -p "$seeds/settings" "$seeds/picture" "$seeds/picture_headers"
cp assets/defaults/Tessary.ini "$seeds/settings/"
if [ -x "$build/tools/damaged-pictures/damaged-pictures" ]; then
  QT_QPA_PLATFORM=offscreen "$build/tools/damaged-pictures/damaged-pictures" "$seeds/picture" \
    >/dev/null
  rmdir "$seeds/picture/x.bmp"
  cp "$seeds/picture/"* "$seeds/picture_headers/"
fi

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="abort_on_error=1:detect_leaks=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

# One target: its corpus grows in $build/corpus/<target>; a fault leaves its input in
# $build/crashes/<target>/.
fuzz_one() {
  local t="$1" exe="$build/fuzz/fuzz_$1"
  if [ ! -x "$exe" ]; then
    echo "fuzz $t: not built (Qt missing?)" >&2
    return 1
  fi
  local corpus="$build/corpus/$t" crashes="$build/crashes/$t" log="$build/fuzz-$t.log"
  mkdir -p "$corpus" "$crashes" "tests/regressions/$t"
  # Pictures run up to 64 KB; the data files' seeds set their own length limit.
  local extra=()
  case "$t" in picture | picture_headers) extra+=(-max_len=65536) ;; esac
  if "$exe" "$corpus" "$seeds/$t" "tests/regressions/$t" -max_total_time="$seconds" -seed="${TESSARY_FUZZ_SEED:-1}" \
    -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$crashes/" \
    "${extra[@]}" >"$log" 2>&1; then
    local execs units
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    units=$(find "$corpus" -type f | wc -l)
    printf 'fuzz %-16s %10s runs in %ss, corpus %s, no findings\n' "$t" "${execs:-?}" \
      "$seconds" "$units"
  else
    echo "fuzz $t: FOUND A FAULT; reproducer in $crashes/, log $log" >&2
    grep -E "ERROR|broken promise|SUMMARY|Test unit written" "$log" | head -5 >&2 || true
    return 1
  fi
}

# As many targets at once as there are cores (or $TESSARY_FUZZ_JOBS).
jobs="${TESSARY_FUZZ_JOBS:-$(nproc)}"
failed=0
running=0
for t in "${targets[@]}"; do
  if [ "$running" -ge "$jobs" ]; then
    wait -n || failed=1
    running=$((running - 1))
  fi
  fuzz_one "$t" &
  running=$((running + 1))
done
while [ "$running" -gt 0 ]; do
  wait -n || failed=1
  running=$((running - 1))
done
exit "$failed"
