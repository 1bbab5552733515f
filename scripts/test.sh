#!/usr/bin/env bash
# Builds the library and every test and runs them all; non-zero on any failure.
#   scripts/test.sh               RelWithDebInfo build in build/
#   VORN_SANITIZE=1 scripts/test.sh   AddressSanitizer + UBSan build in build-asan/
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# ccache hits across clones and build folders
export CCACHE_NOHASHDIR=1 CCACHE_BASEDIR="$PWD"
if [ "${VORN_SANITIZE:-0}" = 1 ]; then
  build=${BUILD_DIR:-build-asan}
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVORN_SANITIZE=ON
else
  build=${BUILD_DIR:-build}
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" -j2
scripts/with-display.sh ctest --test-dir "$build" -j2 --output-on-failure --timeout 300
