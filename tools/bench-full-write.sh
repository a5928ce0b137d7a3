#!/usr/bin/env bash
# Times the full write of `ravixctl save --simulate` with the real clock and prints the median wall
# time over several runs divided by the 832 ms of pauses the mouse needs (target: at most 1.10).
# The time includes starting ravixctl and the connect sequence, so it is an upper bound.
# Usage: tools/bench-full-write.sh [runs]   (RAVIXCTL names another ravixctl to time)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
ravixctl=${RAVIXCTL:-build/native/src/cli/ravixctl}
if [ -z "${RAVIXCTL:-}" ]; then
    cmake --preset native >/dev/null
    cmake --build --preset native -j2 --target ravixctl >/dev/null
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$ravixctl" factory "$work" >/dev/null

times=()
for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    "$ravixctl" save "$work/config0.bin" --simulate >/dev/null
    end=$(date +%s%N)
    times+=($(( (end - start) / 1000 )))
done
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(( (runs + 1) / 2 ))p")
awk -v us="$median" -v runs="$runs" 'BEGIN {
    printf "full write: %.1f ms (median of %d runs), %.3f of the 832 ms of pauses (target <= 1.10)\n",
           us / 1000, runs, us / 832000 }'
