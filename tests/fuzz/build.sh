#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer and AddressSanitizer into build/fuzz, and runs each
# for the given number of seconds (default 60) when a duration is given: tests/fuzz/build.sh 120
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
out=$root/build/fuzz
mkdir -p "$out"
flags=(-std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined
       -I"$root/src" -I"$root/tests/fuzz")
core=("$root"/src/core/platform/*.cpp "$root"/src/core/keys/*.cpp "$root"/src/core/macros/*.cpp)
clang++ "${flags[@]}" "$root/tests/fuzz/EncodeLibraryFuzz.cpp" "${core[@]}" -o "$out/encode_library_fuzz"
clang++ "${flags[@]}" "$root/tests/fuzz/IniDocumentFuzz.cpp" "${core[@]}" -o "$out/ini_document_fuzz"
clang++ "${flags[@]}" "$root/tests/fuzz/ReportDescriptorFuzz.cpp" "$root/src/linux/device/ReportDescriptor.cpp" \
    -o "$out/report_descriptor_fuzz"
if [ $# -gt 0 ]; then
    for target in encode_library_fuzz ini_document_fuzz report_descriptor_fuzz; do
        mkdir -p "$out/corpus-$target"
        "$out/$target" -max_total_time="$1" -max_len=65536 -timeout=10 "$out/corpus-$target" \
            "$root/tests/fuzz/seeds"
    done
fi
