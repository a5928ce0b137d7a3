#!/usr/bin/env bash
# Times the full write of `ravixctl save --simulate` with the real clock and prints the median over
# several runs divided by the 832 ms of pauses the mouse needs (target: at most 1.10). ravixctl
# measures the write itself with its clock, so process start and connection are not counted.
# Usage: tools/bench-full-write.sh [--windows] [runs]
#   --windows  times the Windows build's ravixctl.exe under Wine (its clock ticks in about 16 ms steps)
set -euo pipefail
cd "$(dirname "$0")/.."
preset=native
if [ "${1:-}" = "--windows" ]; then
    preset=windows
    shift
fi
runs=${1:-5}
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j2 --target ravixctl >/dev/null

run=()
ravixctl=build/native/src/cli/ravixctl
if [ "$preset" = windows ]; then
    source tools/wine-env.sh
    trap ravix_wine_cleanup EXIT
    run=(wine)
    ravixctl=build/windows/src/cli/ravixctl.exe
fi

work=$(mktemp -d -p "$PWD/build")
trap 'rm -rf "$work"; [ "$preset" = windows ] && ravix_wine_cleanup; true' EXIT
"${run[@]}" "$ravixctl" factory "$work" >/dev/null

times=()
for _ in $(seq "$runs"); do
    summary=$("${run[@]}" "$ravixctl" save "$work/config0.bin" --simulate)
    times+=("$(sed -n 's/.* in \([0-9]*\) ms.*/\1/p' <<<"$summary")")
done
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(( (runs + 1) / 2 ))p")
awk -v ms="$median" -v runs="$runs" -v preset="$preset" 'BEGIN {
    printf "full write (%s): %d ms (median of %d runs), %.3f of the 832 ms of pauses (target <= 1.10)\n",
           preset, ms, runs, ms / 832 }'
