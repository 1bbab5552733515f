#!/usr/bin/env bash
# Builds the gallery and runs it: interactive when a display exists, otherwise it
# renders every page to screenshots/ (or $1) and says where they went.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export CCACHE_NOHASHDIR=1 CCACHE_BASEDIR="$PWD"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2 --target vorn-gallery
if [ -n "${DISPLAY:-}" ] && [ $# -eq 0 ]; then
  exec build/gallery/vorn-gallery "$@"
fi
out=${1:-screenshots}
mkdir -p "$out"
scripts/with-display.sh build/gallery/vorn-gallery --screenshot "$out"
echo "Screenshots written to $(cd "$out" && pwd)"
