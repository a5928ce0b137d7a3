#!/usr/bin/env bash
# Installs what building, running and testing need on a Debian machine, where it is missing.
set -euo pipefail

packages=(cmake ninja-build g++ python3
          g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 g++-mingw-w64-i686-posix
          wine wine64 xvfb x11-utils xdotool imagemagick fonts-wqy-microhei googletest
          libcairo2-dev pkg-config fonts-dejavu-core zip libudev-dev nsis clang libstb-dev)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO=sudo
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
fi
