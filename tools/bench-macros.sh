#!/usr/bin/env bash
# Builds and runs the macro encoding benchmark, then prints the figure that matters: how long the
# macro manager's OK takes to encode a library of twelve full (64-event) recordings from its file.
# The target is under 5 ms.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset native >/dev/null
cmake --build --preset native -j2 --target macro_bench >/dev/null || {
    echo "bench-macros: the benchmark could not be built (is Google Benchmark installed?)" >&2
    exit 1
}

results=$(mktemp)
trap 'rm -f "$results"' EXIT
build/native/bench/macro_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true \
    --benchmark_out="$results" --benchmark_out_format=json

python3 - "$results" <<'PY'
import json, sys
runs = json.load(open(sys.argv[1]))["benchmarks"]
def median(name):
    for run in runs:
        if run["run_name"] == name and run.get("aggregate_name") == "median":
            return run["real_time"]
    return None
print()
for name, what in [("EncodeLibraryFromFile/1", "library file as the program writes it (UTF-16LE)"),
                   ("EncodeLibraryFromFile/0", "hand-made 8-bit library file"),
                   ("EncodeMacrosInMemory", "encoding alone, macros already read")]:
    ms = median(name)
    print(f"Twelve 64-event macros, {what}: {ms:.3f} ms (median of 10 runs)")
worst = max(median("EncodeLibraryFromFile/1"), median("EncodeLibraryFromFile/0"))
print(f"EncodeLibrary file to image: {worst:.3f} ms, target under 5 ms: {'met' if worst < 5 else 'NOT met'}")
PY
