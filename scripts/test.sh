#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the normal build, then the same
# tests built with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

export QT_QPA_PLATFORM=offscreen
export SDL_AUDIODRIVER=dummy

echo "== build and test"
scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
ctest --test-dir build --output-on-failure --no-tests=error --parallel "$(nproc)"

echo "== build and test with sanitizers"
scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DTESSARY_SANITIZE=ON -DTESSARY_UI=OFF
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure --no-tests=error --parallel "$(nproc)"
echo "== all tests passed"
