#!/usr/bin/env bash
# Builds everything and runs every test: the native tests, then the Windows tests under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh

echo "== Native build and tests"
cmake --preset native >/dev/null
cmake --build --preset native -j2
ctest --preset native -j2

echo "== Windows build and tests under Wine"
cmake --preset windows >/dev/null
cmake --build --preset windows -j2
source tools/wine-env.sh
trap ravix_wine_cleanup EXIT
ctest --preset windows
