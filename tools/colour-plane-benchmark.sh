#!/usr/bin/env bash
# Prints what one redraw of the colour dialog's colour plane costs under Wine (rendered anew, and
# during a drag), against the 16 ms a frame may take at 60 redraws a second.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j2 --target colour_plane_benchmark >/dev/null
source tools/wine-env.sh
trap ravix_wine_cleanup EXIT
wine build/windows/colour_plane_benchmark.exe
