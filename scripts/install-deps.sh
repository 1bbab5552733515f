#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the gallery need (once).
set -euo pipefail
packages=(cmake ninja-build g++ pkg-config ccache libwxgtk3.2-dev libwxgtk-gl3.2-1
          libgl-dev libglu1-mesa-dev libgtest-dev libbenchmark-dev xvfb xauth doxygen)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
