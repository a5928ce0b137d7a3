#!/usr/bin/env bash
# Prints the cost of drawing skin pictures the first time (decoding) and the second time (cached),
# and of a full repaint of the main window,
# under Wine, with the default skin of the Windows build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j2 --target default_skin skin_benchmark >/dev/null
source tools/wine-env.sh
trap ravix_wine_cleanup EXIT
wine build/windows/skin_benchmark.exe "Z:$PWD/build/windows/dist/Skins/Default"
