#!/usr/bin/env bash
# Prints the program's start-up time against a minimal Win32 window program's (both started the
# same way under the same Wine, polled every 2 ms from one process), its resident memory after
# start-up and after 100 plug cycles, and its CPU time while hidden for 60 s. Takes about 3 minutes;
# with --startup-only, the start-up times alone.
#   tools/startup-benchmark.sh [RUNS] [--startup-only]
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j2 --target dist_zip minimal_window startup_benchmark >/dev/null
# The program writes its profiles beside itself: it runs on a copy, so that dist/ stays as packed.
install=build/windows/benchmark-install
rm -rf "$install"
cp -r build/windows/dist "$install"
source tools/wine-env.sh
trap ravix_wine_cleanup EXIT
wine build/windows/startup_benchmark.exe "Z:$(echo "$PWD/$install" | tr / '\\')" \
    "Z:$(echo "$PWD/build/windows/minimal_window.exe" | tr / '\\')" "${1:-5}" ${2:+"$2"}
