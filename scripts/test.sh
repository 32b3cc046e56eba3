#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the normal build, then the same
# tests built with AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer, then a
# short fuzzing run of every file reader.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

export QT_QPA_PLATFORM=offscreen
export SDL_AUDIODRIVER=dummy

echo "== build and test"
scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
ctest --test-dir build --output-on-failure --no-tests=error --parallel "$(nproc)"

echo "== build and test with sanitizers"
# Every test, the window tests too, built with AddressSanitizer, LeakSanitizer and
# UndefinedBehaviorSanitizer. Leaks inside system libraries are listed in scripts/lsan.supp.
scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DTESSARY_SANITIZE=ON -DTESSARY_UI=ON
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0" \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure --no-tests=error --parallel "$(nproc)"

echo "== fuzz every file reader for a short while"
if command -v clang++ >/dev/null; then
  scripts/fuzz.sh "${TESSARY_FUZZ_SECONDS:-20}"
else
  echo "clang++ is not installed: fuzzing skipped"
fi
echo "== all tests passed"
