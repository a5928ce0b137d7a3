#!/usr/bin/env bash
# Prints how long the macro manager takes to open under Wine on a library of twelve 64-line
# macros, against the 100 ms target. (OK's encoding has its own benchmark: tools/bench-macros.sh.)
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j2 --target macro_manager_benchmark default_skin >/dev/null
source tools/wine-env.sh
trap ravix_wine_cleanup EXIT
wine build/windows/macro_manager_benchmark.exe "Z:$(echo "$PWD/build/windows/dist/Skins/Default" | tr / '\\')"
